#include "mapeditor/core/contourmap.h"

#include <QtCore/QBuffer>
#include <QtCore/QByteArray>
#include <QtGui/QImageReader>
#include <algorithm>
#include <array>
#include <cstring>

#include "gamefile/fileio.h"
#include "mapeditor/core/mapextent.h"
#include "mapeditor/core/pixelcanvas.h"

namespace qrl::map {

namespace {

constexpr int TickLength = 9;
constexpr int LeftTickLength = 10;
constexpr int CellBytes = ContourCellSize * int(sizeof(QRgb));

// One sheet cell, ready to copy: its pixels and, for a marker, which of them
// are drawn.
struct SheetCell {
  bool Inside = false;
  std::array<QRgb, ContourCellSize * ContourCellSize> Pixels{};
  std::array<bool, ContourCellSize * ContourCellSize> Opaque{};
};

bool CellInside(const QImage& sheet, int i, int j) {
  return i >= 0 && j >= 0 && int64_t(SheetPitch) * i + SheetPitch <= sheet.width() &&
         int64_t(SheetPitch) * j + SheetPitch <= sheet.height();
}

SheetCell ReadSheetCell(const QImage& sheet, int i, int j) {
  SheetCell cell;
  if (!CellInside(sheet, i, j)) return cell;
  cell.Inside = true;
  for (int y = 0; y < ContourCellSize; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(SheetPitch * j + 1 + y));
    std::memcpy(&cell.Pixels[size_t(ContourCellSize * y)], line + SheetPitch * i + 1, size_t(CellBytes));
  }
  // The marker is transparent in the colour of its bottom-left pixel.
  const QRgb transparent = cell.Pixels[size_t(ContourCellSize * (ContourCellSize - 1))];
  for (size_t p = 0; p < cell.Pixels.size(); ++p) cell.Opaque[p] = cell.Pixels[p] != transparent;
  return cell;
}

void DrawTicks(QImage& picture, int cols, int rows) {
  const int w = picture.width();
  const int h = picture.height();
  for (int c = 0; c <= cols; c += ContourTickEvery) {
    const int x = ContourCellSize * c + ContourOrigin;
    DrawLine(picture, {x, 0}, {x, TickLength}, ContourTickColour, ContourTickPenWidth);
    DrawLine(picture, {x, h}, {x, h - TickLength}, ContourTickColour, ContourTickPenWidth);
  }
  for (int r = 0; r <= rows; r += ContourTickEvery) {
    const int y = ContourCellSize * r + ContourOrigin;
    DrawLine(picture, {0, y}, {LeftTickLength, y}, ContourTickColour, ContourTickPenWidth);
    DrawLine(picture, {w, y}, {w - TickLength, y}, ContourTickColour, ContourTickPenWidth);
  }
}

void CopyCell(QImage& picture, QPoint at, const SheetCell& cell) {
  for (int y = 0; y < ContourCellSize; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(at.y() + y)) + at.x();
    std::memcpy(line, &cell.Pixels[size_t(ContourCellSize * y)], size_t(CellBytes));
  }
}

void DrawMarker(QImage& picture, QPoint at, const SheetCell& marker) {
  for (int y = 0; y < ContourCellSize; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(at.y() + y)) + at.x();
    for (int x = 0; x < ContourCellSize; ++x) {
      const size_t p = size_t(ContourCellSize * y + x);
      if (marker.Opaque[p]) line[x] = marker.Pixels[p];
    }
  }
}

}  // namespace

QPoint ElevationSheetCell(int8_t elevation) {
  const int v = elevation + ElevationCellBias;
  return {v % SheetCellsPerRow, v / SheetCellsPerRow};
}

QPoint ContourCellPosition(int col, int row) {
  const int shift = (row % 2 != 0) ? ContourOddRowShift : 0;
  return {ContourCellSize * col + ContourOrigin + shift, ContourCellSize * row + ContourOrigin};
}

QSize ContourPictureSize(const MapDocument& doc) {
  const MapExtent extent = StoredMapExtent(doc);
  return {ContourCellSize * extent.Cols + ContourExtraWidth, ContourCellSize * extent.Rows + ContourExtraHeight};
}

std::optional<QImage> DecodePatternSheet(std::span<const uint8_t> bytes) {
  const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
  QImageReader reader(&buffer, "bmp");
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid() || int64_t(size.width()) * size.height() > MaxSheetPixels) return std::nullopt;
  QImage sheet = reader.read();
  if (sheet.isNull()) return std::nullopt;
  return sheet.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> ReadPatternSheet(const std::string& path) {
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodePatternSheet(*bytes);
}

QImage BuildContourPicture(const MapDocument& doc, const QImage& sheetPicture, bool terrain) {
  const MapExtent extent = StoredMapExtent(doc);
  QImage picture(ContourPictureSize(doc), QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  picture.fill(ContourBackgroundColour);
  DrawTicks(picture, extent.Cols, extent.Rows);

  const QImage sheet = sheetPicture.convertToFormat(QImage::Format_RGB32);
  // Every cell an elevation byte can address (v = -123 .. 132 gives rows -6..6),
  // read once.
  constexpr int MinCellNumber = -128 + ElevationCellBias;
  std::array<SheetCell, 256> elevationCells;
  for (int e = -128; e <= 127; ++e) {
    const QPoint cell = ElevationSheetCell(int8_t(e));
    elevationCells[size_t(e + ElevationCellBias - MinCellNumber)] = ReadSheetCell(sheet, cell.x(), cell.y());
  }
  std::array<SheetCell, MarkedTerrainBits> markers;
  for (int k = 0; k < MarkedTerrainBits; ++k) markers[size_t(k)] = ReadSheetCell(sheet, k, MarkerSheetRow);

  for (int row = 0; row < extent.Rows; ++row) {
    for (int col = 0; col < extent.Cols; ++col) {
      const auto rec = doc.MapHexRecordAt(col, row);
      if (rec.empty()) continue;
      const QPoint at = ContourCellPosition(col, row);
      const int8_t elevation = int8_t(rec[HexRecord::Elevation]);
      const SheetCell& cell = elevationCells[size_t(elevation + ElevationCellBias - MinCellNumber)];
      if (cell.Inside) CopyCell(picture, at, cell);
      if (!terrain) continue;
      const int bits = rec[HexRecord::TerrainBits] + 256 * rec[HexRecord::TerrainBits + 1];
      for (int k = 0; k < MarkedTerrainBits; ++k) {
        if ((bits & (1 << k)) && markers[size_t(k)].Inside) DrawMarker(picture, at, markers[size_t(k)]);
      }
    }
  }
  return picture;
}

ContourSaveTarget ContourSaveTargetFor(const std::string& chosenPath) {
  const size_t nameStart = chosenPath.rfind('/') == std::string::npos ? 0 : chosenPath.rfind('/') + 1;
  const size_t dot = chosenPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameStart;
  if (hasExtension && chosenPath.compare(dot, std::string::npos, ".bmp") == 0) return {true, chosenPath};
  const std::string stem = hasExtension ? chosenPath.substr(0, dot) : chosenPath;
  return {false, stem + ".jpg"};
}

}  // namespace qrl::map
