#include "scenarioeditor/core/scenariodocument.h"

#include <QString>
#include <filesystem>
#include <utility>

#include "gamefile/fileio.h"
#include "gamefile/magic.h"
#include "scenarioeditor/core/commentfile.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

namespace {

std::string LowerCase(const std::string& path) { return QString::fromStdString(path).toLower().toStdString(); }

int FirstUnreadSlot(const RecordLoopResult& result) {
  // The slot whose decoding hit the limit lost its data, whatever its number;
  // the slot count of the loop stops before it.
  if (result.TooMuchData) return result.StoppedAtSlot;
  if (result.RecordsBeyondSlots) return MaxRecordSlots + 1;
  return 0;
}

void TestProtection(const GameFileSlots& fileSlots, LoadOutcome& outcome) {
  auto flag = RecordInSlot(fileSlots, RecordLayout::ProtectionSlot, 0, ProtectionLastByte + 1);
  if (flag.empty()) return;  // slot 33 was not read: nothing to test
  for (int i = ProtectionFirstByte; i <= ProtectionLastByte; ++i) {
    if (flag[size_t(i)] == 0) continue;
    outcome.Boxes.push_back(Boxes::Protected);
    outcome.Protected = true;
  }
}

}  // namespace

void SetUpFolders(ScenarioDocument& doc, const std::string& programPath) {
  std::error_code ec;
  std::string absolute = std::filesystem::absolute(programPath, ec).string();
  doc.ProgramDir = FolderOf(ec ? programPath : absolute);
  doc.OobDir = doc.ProgramDir;
  doc.SaveDir = doc.ProgramDir;
}

bool IsCurrentGameFile(const std::string& path) {
  auto start = ReadFileStart(path, MagicLineBuffer);
  return start && HasCurrentGameMagic(*start);
}

LoadOutcome DecodeSaveFile(ScenarioDocument& doc, const std::string& path, std::span<const uint8_t> file) {
  if (!HasCurrentGameMagic(file)) return LoadOutcome{.Boxes = {Boxes::NotCurrentGame}};
  GameFileSlots fresh;
  return DecodeSaveFile(doc, path, file, fresh);
}

LoadOutcome DecodeSaveFile(ScenarioDocument& doc, const std::string& path, std::span<const uint8_t> file,
                           GameFileSlots& scratch) {
  LoadOutcome outcome;
  if (!HasCurrentGameMagic(file)) {
    outcome.Boxes.push_back(Boxes::NotCurrentGame);
    return outcome;
  }
  doc.CurrentFile = path;
  doc.SaveDir = FolderOf(path);
  doc.FileLabel = std::string(FileLabelPrefix) + LowerCase(path);

  // Decoded apart and then put in place, so that the document never holds
  // the mix of two files.
  const RecordLoopResult result = ReadSaveFileRecords(file, scratch);
  std::swap(doc.Slots, scratch);
  doc.EverLoaded = true;
  doc.FirstUnreadSlot = FirstUnreadSlot(result);
  outcome.Loaded = true;
  outcome.Incomplete = doc.Incomplete();
  if (result.TooMuchData) {
    outcome.Boxes.push_back(Boxes::TooMuchData);
    outcome.Boxes.push_back(Boxes::PartlyRead);
  } else if (result.RecordsBeyondSlots) {
    outcome.Boxes.push_back(Boxes::TooManyRecords);
  }
  TestProtection(doc.Slots, outcome);
  return outcome;
}

void ReadCommentOfCurrentFile(ScenarioDocument& doc) {
  const std::string name = CommentFileName(doc.CurrentFile);
  auto comment = ReadFileStart(FindFileCaseBlind(FolderOf(name), FileNameOf(name)), MaxCommentBytes);
  // A game without a comment file has no comment: keeping the text of the
  // game before would show it as this one's.
  doc.CommentText = comment ? ReadCommentText(*comment) : std::string();
  ++doc.CommentReads;
}

LoadOutcome ReadSaveFile(ScenarioDocument& doc, const std::string& path) {
  // The first line decides before anything else of a file of any size is read.
  auto start = ReadFileStart(path, MagicLineBuffer);
  if (!start) return LoadOutcome{.Boxes = {Boxes::CouldNotOpen}};
  if (!HasCurrentGameMagic(*start)) return DecodeSaveFile(doc, path, *start);
  auto file = ReadWholeFile(path);
  if (!file) return LoadOutcome{.Boxes = {Boxes::CouldNotOpen}};
  LoadOutcome outcome = DecodeSaveFile(doc, path, *file);
  if (outcome.Loaded) ReadCommentOfCurrentFile(doc);
  return outcome;
}

std::optional<BoxMessage> WholeFileSaveRefusal(const ScenarioDocument& doc) {
  if (doc.GameKind != CurrentGameKind || !doc.EverLoaded) return Boxes::NothingLoaded;
  if (doc.Incomplete()) return Boxes::IncompleteWholeSave;
  return std::nullopt;
}

std::optional<BoxMessage> SaveWholeFile(ScenarioDocument& doc, const std::string& path) {
  if (auto refusal = WholeFileSaveRefusal(doc)) return refusal;
  if (!SafeSaveFile(path, WriteSaveFile(doc.Slots, false))) return Boxes::CouldNotWrite;
  doc.CurrentFile = path;
  doc.FileLabel = LowerCase(path);
  return std::nullopt;
}

std::optional<BoxMessage> MapOnlySaveRefusal(const ScenarioDocument& doc) {
  if (doc.GameKind != CurrentGameKind || !doc.EverLoaded) return Boxes::NothingLoaded;
  if (doc.Incomplete() && doc.FirstUnreadSlot <= LastMapSlot) return Boxes::IncompleteMapSave;
  return std::nullopt;
}

std::optional<BoxMessage> SaveMapOnlyFile(const ScenarioDocument& doc, const std::string& path) {
  if (auto refusal = MapOnlySaveRefusal(doc)) return refusal;
  if (!SafeSaveFile(path, WriteSaveFile(doc.Slots, true))) return Boxes::CouldNotWrite;
  return std::nullopt;
}

}  // namespace qrl::scen
