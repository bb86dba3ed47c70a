#pragma once
// QrlEd's view of a game file: the whole file decoded into one buffer, record
// by record in file order. Slot 0 is the 20-byte header; slot n (1..99) is the
// n-th record of the file, whatever its id.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qrl {

inline constexpr size_t GameFileBufSize = 5'000'000;
inline constexpr int SlotCount = 100;   // slot 0 (header) and slots 1..99
inline constexpr int MaxRecordSlots = 99;

struct GameFileSlots {
  std::vector<uint8_t> GameFileBuf = std::vector<uint8_t>(GameFileBufSize, 0);
  std::array<int32_t, SlotCount> SlotOffset{};
  std::array<int32_t, SlotCount> SlotSize{};
  std::array<int32_t, SlotCount> SlotId{};
  // Number of records the file held and the loop read (slots 1..RecordCount
  // were present, empty ones included); later slots lie past the end.
  int RecordCount = 0;
  // How far the record loop last wrote into GameFileBuf; the buffer is zero
  // beyond it and beyond every slot's end. Lets the next load clear only
  // what may be dirty instead of all 5,000,000 bytes.
  size_t LoopWrittenEnd = 0;
};

struct RecordLoopResult {
  bool TooMuchData = false;        // decoding stopped at the 5,000,000-byte limit
  bool RecordsBeyondSlots = false; // the file holds a record after the 99th
  int StoppedAtSlot = 0;           // with TooMuchData: the slot whose decoding hit the limit
  bool Incomplete() const { return TooMuchData || RecordsBeyondSlots; }
};

// The record loop of the load: clears the buffer and tables, copies the header
// into slot 0 and reads up to 99 records into slots 1..99. Slots past the end
// of the file are empty with id 0. At the buffer limit it stops: the slot being
// decoded keeps size 0 and later slots stay empty.
// The result is the same whatever slots held before: the buffer is cleared as
// far as the last loop wrote or any slot reaches (where the editors write),
// and was zero beyond that.
RecordLoopResult ReadSaveFileRecords(std::span<const uint8_t> file, GameFileSlots& slots);

// The whole-file writer: the 20 header bytes of slot 0, then each present slot
// 1..99 in order with its SlotId, packed when smaller. Present records that are
// empty are written as empty records so that later records keep their places;
// slots past the end of the loaded file are not written. With mapOnly set only
// the non-empty records whose ids are map sections are written.
std::vector<uint8_t> WriteSaveFile(const GameFileSlots& slots, bool mapOnly);
// The same into `out`, replacing what it held; its room is reused.
void WriteSaveFile(const GameFileSlots& slots, bool mapOnly, std::vector<uint8_t>& out);

// The section writer of QrlEd: with mapOnly set, ids outside MapSectionIds
// write nothing.
void WriteSaveSection(std::vector<uint8_t>& out, int32_t id, std::span<const uint8_t> bytes, bool mapOnly);

}  // namespace qrl
