#include "mapeditor/core/demfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "gamefile/fileio.h"

namespace qrl::map {

namespace {

// ISO 8211 record layout: a 24-byte leader, a directory of fixed-size
// entries ending in a field terminator, then the field area.
constexpr size_t LeaderBytes = 24;
constexpr size_t RecordLengthAt = 0, RecordLengthDigits = 5;
constexpr size_t LeaderIdAt = 6;
constexpr size_t FieldAreaBaseAt = 12, FieldAreaBaseDigits = 5;
constexpr size_t FieldLengthSizeAt = 20, FieldPositionSizeAt = 21, FieldTagSizeAt = 23;
constexpr uint8_t FieldTerminator = 0x1E;
constexpr uint8_t UnitTerminator = 0x1F;

constexpr char DescriptiveRecordId = 'L';
constexpr char DataRecordId = 'D';
// A data record whose leader and directory every later record reuses: those
// records are bare field areas of the same size and layout.
constexpr char ReusedLayoutRecordId = 'R';

constexpr std::string_view CellValuesTag = "CVLS";
constexpr std::string_view Integer16Format = "(B(16))";
// The field description's format controls follow its second unit terminator
// (after the field controls + name and the array descriptor).
constexpr int FormatControlsAfterUnitTerminators = 2;
constexpr int64_t BytesPerValue = 2;

struct Leader {
  int64_t RecordLength = 0;
  char Id = 0;
  int64_t FieldAreaBase = 0;
  int LengthSize = 0, PositionSize = 0, TagSize = 0;
};

// A field's place inside its record's field area.
struct DirectoryEntry {
  std::string_view Tag;
  int64_t Position = 0;
  int64_t Length = 0;  // counts the field terminator
};
using Directory = std::vector<DirectoryEntry>;

using Bytes = std::span<const uint8_t>;

std::optional<int64_t> Digits(Bytes bytes) {
  if (bytes.empty()) return std::nullopt;
  int64_t value = 0;
  for (uint8_t b : bytes) {
    if (b < '0' || b > '9') return std::nullopt;
    value = value * 10 + (b - '0');
  }
  return value;
}

std::optional<int> SizeDigit(uint8_t b) {
  if (b < '1' || b > '9') return std::nullopt;
  return b - '0';
}

std::optional<Leader> ParseLeader(Bytes leader) {
  const auto length = Digits(leader.subspan(RecordLengthAt, RecordLengthDigits));
  const auto base = Digits(leader.subspan(FieldAreaBaseAt, FieldAreaBaseDigits));
  const auto lengthSize = SizeDigit(leader[FieldLengthSizeAt]);
  const auto positionSize = SizeDigit(leader[FieldPositionSizeAt]);
  const auto tagSize = SizeDigit(leader[FieldTagSizeAt]);
  if (!length || !base || !lengthSize || !positionSize || !tagSize) return std::nullopt;
  // The directory needs at least its terminator before the field area.
  if (*base <= int64_t(LeaderBytes) || *base > *length) return std::nullopt;
  return Leader{*length, char(leader[LeaderIdAt]), *base, *lengthSize, *positionSize, *tagSize};
}

std::string_view AsText(Bytes bytes) { return {reinterpret_cast<const char*>(bytes.data()), bytes.size()}; }

// The directory of a whole record; nullopt when it is malformed or a field
// lies outside the record's field area. A directory names at least one field.
std::optional<Directory> ParseDirectory(Bytes record, const Leader& leader) {
  const Bytes area = record.subspan(LeaderBytes, size_t(leader.FieldAreaBase) - LeaderBytes);
  const auto end = std::find(area.begin(), area.end(), FieldTerminator);
  if (end == area.end()) return std::nullopt;
  const size_t entriesBytes = size_t(end - area.begin());
  const size_t entrySize = size_t(leader.TagSize + leader.LengthSize + leader.PositionSize);
  if (entriesBytes == 0 || entriesBytes % entrySize != 0) return std::nullopt;
  const int64_t fieldAreaSize = leader.RecordLength - leader.FieldAreaBase;
  Directory directory;
  for (size_t at = 0; at < entriesBytes; at += entrySize) {
    const Bytes entry = area.subspan(at, entrySize);
    const auto length = Digits(entry.subspan(size_t(leader.TagSize), size_t(leader.LengthSize)));
    const auto position = Digits(entry.subspan(size_t(leader.TagSize + leader.LengthSize), size_t(leader.PositionSize)));
    if (!length || !position || *length < 1 || *position + *length > fieldAreaSize) return std::nullopt;
    directory.push_back({AsText(entry.subspan(0, size_t(leader.TagSize))), *position, *length});
  }
  return directory;
}

const DirectoryEntry* FindField(const Directory& directory, std::string_view tag) {
  for (const DirectoryEntry& entry : directory)
    if (entry.Tag == tag) return &entry;
  return nullptr;
}

// The format controls of a field description, without its terminators.
std::optional<std::string_view> FormatControls(Bytes description) {
  int seen = 0;
  size_t at = 0;
  while (at < description.size() && seen < FormatControlsAfterUnitTerminators)
    if (description[at++] == UnitTerminator) ++seen;
  if (seen < FormatControlsAfterUnitTerminators) return std::nullopt;
  size_t end = at;
  while (end < description.size() && description[end] != FieldTerminator && description[end] != UnitTerminator) ++end;
  return AsText(description.subspan(at, end - at));
}

// Rows as they are read, before the grid takes its width from the last one.
struct RowStore {
  std::vector<int16_t> Values;
  std::vector<size_t> Starts;
  bool AnyValue = false;

  size_t Count(size_t row) const {
    const size_t end = row + 1 < Starts.size() ? Starts[row + 1] : Values.size();
    return end - Starts[row];
  }
};

enum class RowResult { Taken, NoRow, TooLarge };

RowResult TakeRow(Bytes fieldArea, const Directory& directory, RowStore& rows) {
  const DirectoryEntry* values = FindField(directory, CellValuesTag);
  if (!values) return RowResult::NoRow;
  // Counted from the directory: the values may hold terminator bytes.
  const int64_t count = (values->Length - 1) / BytesPerValue;
  if (count > DemMaxCols || int64_t(rows.Starts.size()) >= DemMaxRows) return RowResult::TooLarge;
  const size_t start = rows.Values.size();
  rows.Starts.push_back(start);
  rows.Values.resize(start + size_t(count));
  const uint8_t* p = fieldArea.data() + values->Position;
  int16_t* out = rows.Values.data() + start;
  for (int64_t i = 0; i < count; ++i, p += BytesPerValue) out[i] = int16_t(uint16_t(p[0] << 8 | p[1]));
  if (count > 0) rows.AnyValue = true;
  return RowResult::Taken;
}

DemGrid BuildGrid(const RowStore& rows) {
  DemGrid grid;
  grid.DemRows = int32_t(rows.Starts.size());
  grid.DemCols = int32_t(rows.Count(rows.Starts.size() - 1));
  grid.Values.assign(size_t(grid.DemRows) * size_t(grid.DemCols), 0);
  for (size_t row = 0; row < rows.Starts.size(); ++row) {
    const size_t n = std::min(rows.Count(row), size_t(grid.DemCols));
    std::copy_n(rows.Values.begin() + ptrdiff_t(rows.Starts[row]), n,
                grid.Values.begin() + ptrdiff_t(row * size_t(grid.DemCols)));
  }
  return grid;
}

DemReadOutcome Refused(DemReadStatus status) { return {status, {}}; }

}  // namespace

DemReadOutcome ReadDemFile(Bytes file) {
  // The descriptive record: where the values are and how they are coded.
  if (file.size() < LeaderBytes) return Refused(DemReadStatus::NotSdts);
  const std::optional<Leader> descriptive = ParseLeader(file.first(LeaderBytes));
  if (!descriptive || descriptive->Id != DescriptiveRecordId || int64_t(file.size()) < descriptive->RecordLength)
    return Refused(DemReadStatus::NotSdts);
  const Bytes ddr = file.first(size_t(descriptive->RecordLength));
  const std::optional<Directory> fields = ParseDirectory(ddr, *descriptive);
  if (!fields) return Refused(DemReadStatus::NotSdts);
  const DirectoryEntry* valuesField = FindField(*fields, CellValuesTag);
  if (!valuesField) return Refused(DemReadStatus::NotSdts);
  const auto format = FormatControls(
      ddr.subspan(size_t(descriptive->FieldAreaBase + valuesField->Position), size_t(valuesField->Length)));
  if (!format) return Refused(DemReadStatus::NotSdts);
  if (*format != Integer16Format) return Refused(DemReadStatus::NotInteger16);

  RowStore rows;
  std::optional<Directory> reusedLayout;
  size_t reusedAreaSize = 0;
  size_t at = ddr.size();
  while (at < file.size()) {
    const size_t left = file.size() - at;
    Bytes fieldArea;
    const Directory* layout = nullptr;
    std::optional<Directory> own;
    if (reusedLayout) {
      if (left < reusedAreaSize) break;  // cut short: dropped
      fieldArea = file.subspan(at, reusedAreaSize);
      layout = &*reusedLayout;
      at += reusedAreaSize;
    } else {
      if (left < LeaderBytes) break;
      const std::optional<Leader> leader = ParseLeader(file.subspan(at, LeaderBytes));
      if (!leader || (leader->Id != DataRecordId && leader->Id != ReusedLayoutRecordId))
        return Refused(DemReadStatus::NotSdts);
      if (int64_t(left) < leader->RecordLength) break;
      const Bytes record = file.subspan(at, size_t(leader->RecordLength));
      own = ParseDirectory(record, *leader);
      if (!own) return Refused(DemReadStatus::NotSdts);
      fieldArea = record.subspan(size_t(leader->FieldAreaBase));
      layout = &*own;
      at += record.size();
      if (leader->Id == ReusedLayoutRecordId) {
        reusedAreaSize = fieldArea.size();
        reusedLayout = std::move(own);
        layout = &*reusedLayout;
      }
    }
    if (TakeRow(fieldArea, *layout, rows) == RowResult::TooLarge) return Refused(DemReadStatus::TooLarge);
  }
  if (!rows.AnyValue) return Refused(DemReadStatus::NotSdts);
  return {DemReadStatus::Read, BuildGrid(rows)};
}

DemReadOutcome LoadDemFile(const std::string& path) {
  if (std::optional<std::vector<uint8_t>> file = ReadWholeFile(path)) return ReadDemFile(*file);
  // Tell a file too large to read apart from one that does not open.
  DemReadStatus status = DemReadStatus::CannotOpen;
  const int fd = OpenRegularFileForReading(path);
  if (fd >= 0) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && uint64_t(info.st_size) > MaxReadFileBytes) status = DemReadStatus::TooLarge;
    ::close(fd);
  }
  return Refused(status);
}

}  // namespace qrl::map
