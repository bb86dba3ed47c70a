#include "scenarioeditor/core/oobnames.h"

#include <algorithm>
#include <cstring>

#include "gamefile/fileio.h"
#include "scenarioeditor/core/celltext.h"

namespace qrl::scen {

namespace {

constexpr int MinOobNumberDigits = 2;

const std::string* NameOf(const WeaponNameTable& table, int side, int weapon) {
  if (side < 0 || side >= SideCount || weapon < 0 || weapon >= WeaponCount) return nullptr;
  return &table.Names[size_t(side)][size_t(weapon)];
}

}  // namespace

std::string OobFileName(uint32_t oobNumber) {
  std::string digits = std::to_string(oobNumber);
  if (digits.size() < MinOobNumberDigits) digits.insert(0, MinOobNumberDigits - digits.size(), '0');
  return "OOB" + digits;
}

std::array<std::string, WeaponCount> ReadOobNames(std::span<const uint8_t> file) {
  std::array<std::string, WeaponCount> names;
  for (size_t i = 0; i < names.size(); ++i) {
    std::array<uint8_t, WeaponNameRecordSize> record;
    record.fill(MissingOobByte);
    const size_t start = i * WeaponNameRecordSize;
    if (start < file.size()) {
      const size_t present = std::min(record.size(), file.size() - start);
      std::memcpy(record.data(), file.data() + start, present);
    }
    const auto end = std::find(record.begin(), record.end(), uint8_t(0));
    names[i].assign(record.begin(), end);
  }
  names[0] = NoWeaponName;
  return names;
}

std::vector<BoxMessage> LoadOobWeaponNames(const std::string& oobDir, const std::array<uint32_t, SideCount>& oobNumbers,
                                           WeaponNameTable& table) {
  std::vector<BoxMessage> boxes;
  for (int side = 0; side < SideCount; ++side) {
    const std::string name = OobFileName(oobNumbers[size_t(side)]);
    const std::optional<std::vector<uint8_t>> file = ReadFileStart(FindFileCaseBlind(oobDir, name), OobNamesBytes);
    table.Loaded[size_t(side)] = file.has_value();
    if (!file) {
      // The box names the file as the program built it, not a case-blind match.
      boxes.push_back({OobOpenFailureBefore + oobDir + name + OobOpenFailureAfter, OobOpenFailureCaption});
      continue;
    }
    table.Names[size_t(side)] = ReadOobNames(*file);
  }
  return boxes;
}

QString WeaponCellText(const WeaponNameTable& table, int side, int slot, int weapon) {
  if (!table.IsLoaded(side)) return UnnamedWeaponPrefix + QString::number(slot + 1);
  const std::string* name = NameOf(table, side, weapon);
  if (!name) return UnnamedWeaponPrefix + QString::number(weapon);
  return TextFromBytes(*name);
}

QStringList WeaponListItems(const WeaponNameTable& table, int side) {
  QStringList items;
  items.reserve(WeaponCount);
  for (int i = 0; i < WeaponCount; ++i) {
    const std::string* name = NameOf(table, side, i);
    items.push_back(QString::number(i) + QStringLiteral(") ") + (name ? TextFromBytes(*name) : QString()));
  }
  return items;
}

}  // namespace qrl::scen
