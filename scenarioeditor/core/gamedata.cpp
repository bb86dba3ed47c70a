#include "scenarioeditor/core/gamedata.h"

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/ownrecords.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

using namespace RecordLayout;

namespace {

constexpr int32_t PrestigeBase = 256;

QString Ascii(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }
int32_t Parse(const QString& text) { return StrToInt(text.toStdString()); }
uint8_t LowByte(int64_t value) { return uint8_t(uint64_t(value) & 0xFF); }

}  // namespace

GameDataTexts::GameDataTexts() {
  const QString absent = Ascii(AbsentRecordText);
  Bytes.fill(absent);
  Prestige = absent;
  Description = absent;
  for (int col = 0; col < VictoryColumnCount; ++col) {
    Victory.SetCell(col, 0, Ascii(VictoryHeadings[size_t(col)]));
    for (int row = 1; row <= VictoryShownEntries; ++row) Victory.SetCell(col, row, absent);
  }
}

GameDataTexts ReadGameData(const GameFileSlots& fileSlots) {
  GameDataTexts texts;
  const auto record = OwnGameDataRecord(fileSlots);
  texts.GameDataPresent = !record.empty();
  if (texts.GameDataPresent) {
    for (size_t i = 0; i < GameDataByteFields.size(); ++i)
      texts.Bytes[i] = QString::number(record[size_t(GameDataByteFields[i].Offset)]);
    texts.Description = TextFromBytes(FieldText(record, GameData::Description, GameData::DescriptionSize));
    for (int col = 0; col < VictoryColumnCount; ++col)
      for (int i = 0; i < VictoryShownEntries; ++i)
        texts.Victory.SetCell(col, i + 1, QString::number(record[size_t(VictoryArrays[size_t(col)] + i)]));
  }
  const auto prestige = OwnPrestige(fileSlots);
  texts.PrestigePresent = !prestige.empty();
  if (texts.PrestigePresent) texts.Prestige = QString::number(prestige[0] + PrestigeBase * prestige[1]);
  return texts;
}

bool RetainGameData(GameFileSlots& fileSlots, const GameDataTexts& texts) {
  const auto record = OwnGameDataRecord(fileSlots);
  const auto prestige = OwnPrestige(fileSlots);
  if (!record.empty())
    for (size_t i = 0; i < GameDataByteFields.size(); ++i)
      SetFieldByte(record, GameDataByteFields[i].Offset, LowByte(Parse(texts.Bytes[i])));
  if (!prestige.empty()) {
    const int32_t value = Parse(texts.Prestige);
    SetFieldByte(prestige, 0, LowByte(value % PrestigeBase));
    SetFieldByte(prestige, 1, LowByte(value / PrestigeBase));
  }
  if (!record.empty()) {
    SetFieldText(record, GameData::Description, GameData::DescriptionSize, BytesFromText(texts.Description));
    for (int col = 0; col < VictoryColumnCount; ++col)
      for (int i = 0; i < VictoryShownEntries; ++i)
        SetFieldByte(record, VictoryArrays[size_t(col)] + i, LowByte(Parse(texts.Victory.Cell(col, i + 1))));
  }
  return record.empty() || prestige.empty();
}

}  // namespace qrl::scen
