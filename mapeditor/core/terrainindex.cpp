#include "mapeditor/core/terrainindex.h"

namespace qrl::map {

const std::array<std::string_view, TerrainIndexSize> TerrainIndexNames = {
    "Boccage  45",
    "Buildings, Small Wooden 26",
    "Buildings, Small Stone 27",
    "Buildings, Large Stone 29",
    "Canals 36",
    "Cliff Faces  47",
    "Crops, Wheat 33",
    "Crops, Winter 17",
    "Crops, Green 04",
    "Grass, Hills Rough 03",
    "Grass, Summer Rough 02",
    "Grass, Green 00",
    "Grass, Hills   01",
    "Grass, Summer High 07",
    "Grass, Summer High Hills 08",
    "Gullies 37",
    "Hedges, Winter 44",
    "Hedges  43",
    "Mud  41",
    "Objective Flag Markers 23",
    "Orchard, Summer 38",
    "Orchard, Winter 39",
    "Pavement 28",
    "Rice Paddies 35",
    "Roads & Railroads 24",
    "Rough Snow, Hills 13",
    "Sand Beaches, Hills 15",
    "Sand, Desert Hillsides 21",
    "Sand, Desert 20",
    "Sand, Hills Rough 19",
    "Sand Beaches 14",
    "Sand, Rough 18",
    "Smoke & Fires 32",
    "Snow, Rough 12",
    "Snow, Hills 11",
    "Snow 10",
    "Stone Walls 42",
    "Stream 06",
    "Streams, Desert 34",
    "Swamp 05",
    "Swamp, Winter 16",
    "Tiny Buildings etc 25",
    "Trail  46",
    "Trees, Green 09",
    "Trees, Winter 30",
    "Trees, Palm 31",
    "Vineyard 40",
    "Water, Multi-Depth 22",
    "48",
    "49",
    "50",
    "51",
    "52",
};

int TerrainIndexFileNumber(std::string_view name) {
  constexpr int digits = 2;
  if (name.size() < digits) return 0;
  int number = 0;
  for (char c : name.substr(name.size() - digits)) number = number * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
  return number;
}

}  // namespace qrl::map
