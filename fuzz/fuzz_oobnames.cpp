// Any bytes as an OOB weapon file: the record reader from memory, and (for
// every 16th input, since writing a file per input is slow) the load of both
// sides through a folder where side 0's file is found case-blind and side
// 1's is missing; then the texts the windows make of the names, for a weapon
// number taken from the input.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "scenarioeditor/core/oobnames.h"

using namespace qrl::scen;

namespace {

constexpr unsigned FileTripEvery = 16;

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrl-fuzz-oob-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto names = ReadOobNames(bytes);
  Check(names[0] == "None");
  for (const std::string& name : names) Check(name.size() <= WeaponNameRecordSize && name.find('\0') == std::string::npos);

  WeaponNameTable table;
  table.Names[0] = names;
  table.Loaded[0] = true;
  // The first input of a run always takes the trip, so a saved crash input
  // alone reproduces it.
  static unsigned inputs = 0;
  if (inputs++ % FileTripEvery == 0) {
    {
      std::ofstream file(Folder() + "oob07", std::ios::binary | std::ios::trunc);
      file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    table = WeaponNameTable{};
    const auto boxes = LoadOobWeaponNames(Folder(), {7, 300}, table);
    Check(boxes.size() == 1 && boxes[0].Text == "Could not open " + Folder() + "OOB300. Weapons names not available");
    Check(table.Loaded[0] && !table.Loaded[1]);
    Check(table.Names[0] == names);
  }

  const int weapon = size >= 2 ? int16_t(uint16_t(data[0] | data[1] << 8)) : 0;
  for (int side = -1; side <= 2; ++side) WeaponCellText(table, side, 0, weapon);
  Check(WeaponListItems(table, 0).size() == WeaponCount);
  return 0;
}
