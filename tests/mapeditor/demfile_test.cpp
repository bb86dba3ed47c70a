#include <gtest/gtest.h>

#include <algorithm>

#include "mapeditor/core/demfile.h"
#include "tests/support/demfilebuilder.h"

namespace qrl::map {
namespace {

using test::BuildDemFile;
using test::Bytes;
using test::DemLayout;
using Rows = std::vector<std::vector<int16_t>>;

constexpr DemLayout BothLayouts[] = {DemLayout::ShortRecords, DemLayout::ReusedLayout};
const char* Name(DemLayout layout) { return layout == DemLayout::ShortRecords ? "short records" : "reused layout"; }

void ExpectGrid(const DemReadOutcome& read, const Rows& rows) {
  ASSERT_EQ(read.Status, DemReadStatus::Read);
  ASSERT_EQ(read.Grid.DemRows, int(rows.size()));
  ASSERT_EQ(read.Grid.DemCols, int(rows.back().size()));
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) ASSERT_EQ(read.Grid.At(int(x), int(y)), rows[y][x]) << x << "," << y;
}

TEST(DemFileTest, TheShortRecordsLayoutHasA186ByteDescriptiveRecord) {
  const Bytes file = BuildDemFile({{1, 2}}, DemLayout::ShortRecords);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 5), "00186");
  EXPECT_EQ(file[6], 'L');
  EXPECT_EQ(file[186 + 6], 'D');
}

TEST(DemFileTest, ReadsGridsOfManyShapesInBothLayouts) {
  struct Case {
    const char* Name;
    int Cols, Rows;
  };
  const Case cases[] = {{"300 x 400", 300, 400}, {"more than 600 rows", 3, 700}, {"one value", 1, 1},
                        {"widest row", DemMaxCols, 2}, {"most rows", 2, DemMaxRows}};
  for (DemLayout layout : BothLayouts) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << Name(layout) << ": " << c.Name);
      const Rows rows = test::DemPattern(c.Cols, c.Rows);
      ExpectGrid(ReadDemFile(BuildDemFile(rows, layout)), rows);
    }
  }
}

TEST(DemFileTest, ValuesHoldingTerminatorBytesAreCountedFromTheDirectory) {
  const Rows rows = {{0x1E1F, 0x1F1E, 0x001E, 0x1E00, -32, 0x1F1F, 0x1E1E}, {1, 2, 3, 4, 5, 6, 7}};
  for (DemLayout layout : BothLayouts) {
    SCOPED_TRACE(Name(layout));
    ExpectGrid(ReadDemFile(BuildDemFile(rows, layout)), rows);
  }
}

TEST(DemFileTest, TheLastRowGivesTheWidthAndShorterRowsLeaveZeros) {
  const Rows rows = {{5, 6, 7, 8}, {1}, {9, 9, 9}};
  for (DemLayout layout : BothLayouts) {
    SCOPED_TRACE(Name(layout));
    const DemReadOutcome read = ReadDemFile(BuildDemFile(rows, layout));
    ASSERT_EQ(read.Status, DemReadStatus::Read);
    EXPECT_EQ(read.Grid.DemCols, 3);
    EXPECT_EQ(read.Grid.DemRows, 3);
    EXPECT_EQ(read.Grid.Values, (std::vector<int16_t>{5, 6, 7, 1, 0, 0, 9, 9, 9}));
  }
}

TEST(DemFileTest, OnlyTheCellValuesAreReadFromLongRecords) {
  // A record over 10,000 bytes: a large field of another tag before the values.
  std::vector<int16_t> values(3000);
  for (size_t i = 0; i < values.size(); ++i) values[i] = int16_t(i);
  auto fields = test::DemDataFields(DemLayout::ShortRecords, 0, values);
  Bytes padding(6000, 0x1E);
  padding.back() = 0x1E;
  fields.insert(fields.begin() + 2, {"PADD", padding});
  const Bytes record = test::Iso8211Record('D', fields);
  ASSERT_GT(record.size(), 10000u);
  const Bytes file = test::Concat({test::DemDescriptiveRecord(DemLayout::ShortRecords), record, record});
  ExpectGrid(ReadDemFile(file), {values, values});
}

TEST(DemFileTest, ARecordCutByTheEndOfTheFileIsDropped) {
  const Rows rows = test::DemPattern(20, 5);
  for (DemLayout layout : BothLayouts) {
    const Bytes whole = BuildDemFile(rows, layout);
    const Bytes fourRows = BuildDemFile(Rows(rows.begin(), rows.begin() + 4), layout);
    for (size_t cut : {size_t(1), size_t(10), size_t(30), whole.size() - fourRows.size() - 1}) {
      SCOPED_TRACE(testing::Message() << Name(layout) << ", " << cut << " bytes short");
      ExpectGrid(ReadDemFile(Bytes(whole.begin(), whole.end() - ptrdiff_t(cut))), Rows(rows.begin(), rows.begin() + 4));
    }
  }
}

TEST(DemFileTest, TheGridHasACapBothWays) {
  for (DemLayout layout : BothLayouts) {
    SCOPED_TRACE(Name(layout));
    EXPECT_EQ(ReadDemFile(BuildDemFile(test::DemPattern(DemMaxCols + 1, 2), layout)).Status, DemReadStatus::TooLarge);
    EXPECT_EQ(ReadDemFile(BuildDemFile(test::DemPattern(1, DemMaxRows + 1), layout)).Status, DemReadStatus::TooLarge);
  }
}

// Puts text over the file's bytes at `at`.
Bytes Patched(Bytes file, size_t at, std::string_view text) {
  std::copy(text.begin(), text.end(), file.begin() + ptrdiff_t(at));
  return file;
}

TEST(DemFileTest, RefusesWhatIsNoElevationFile) {
  const Rows rows = {{1, 2, 3}, {4, 5, 6}};
  const Bytes good = BuildDemFile(rows, DemLayout::ShortRecords);
  const Bytes ddr = test::DemDescriptiveRecord(DemLayout::ShortRecords);
  const size_t firstData = ddr.size();
  // The descriptive record's directory: entries of tag, 3-digit length, 3-digit position.
  const size_t cvlsEntry = 24 + 3 * 10;
  ASSERT_EQ(std::string(good.begin() + ptrdiff_t(cvlsEntry), good.begin() + ptrdiff_t(cvlsEntry) + 4), "CVLS");

  Bytes noTerminator = good;
  std::replace(noTerminator.begin() + 24, noTerminator.begin() + 186, uint8_t(0x1E), uint8_t(' '));

  struct Case {
    const char* Name;
    Bytes File;
    DemReadStatus Expected;
  };
  const Case cases[] = {
      {"empty", {}, DemReadStatus::NotSdts},
      {"shorter than a leader", Bytes(good.begin(), good.begin() + 20), DemReadStatus::NotSdts},
      {"descriptive record cut", Bytes(good.begin(), good.begin() + 100), DemReadStatus::NotSdts},
      {"letters in the length", Patched(good, 0, "0x186"), DemReadStatus::NotSdts},
      {"not a descriptive leader", Patched(good, 6, "D"), DemReadStatus::NotSdts},
      {"base beyond the record", Patched(good, 12, "00999"), DemReadStatus::NotSdts},
      {"size of field length 0", Patched(good, 20, "0"), DemReadStatus::NotSdts},
      {"directory without terminator", noTerminator, DemReadStatus::NotSdts},
      {"no CVLS description", Patched(good, cvlsEntry, "CVLX"), DemReadStatus::NotSdts},
      {"description outside the record", Patched(good, cvlsEntry + 7, "999"), DemReadStatus::NotSdts},
      {"32-bit values", BuildDemFile(rows, DemLayout::ShortRecords, "(B(32))"), DemReadStatus::NotInteger16},
      {"real values", BuildDemFile(rows, DemLayout::ReusedLayout, "(R(6))"), DemReadStatus::NotInteger16},
      {"data record with a bad leader", Patched(good, firstData + 6, "X"), DemReadStatus::NotSdts},
      {"data field outside its record", Patched(good, firstData + 24 + 2 * 10 + 4, "999"), DemReadStatus::NotSdts},
      {"no data records", ddr, DemReadStatus::NotSdts},
      {"rows without values", BuildDemFile({{}, {}}, DemLayout::ShortRecords), DemReadStatus::NotSdts},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const DemReadOutcome read = ReadDemFile(c.File);
    EXPECT_EQ(read.Status, c.Expected);
    EXPECT_TRUE(read.Grid.Values.empty());
  }
}

TEST(DemFileTest, DataRecordsWithoutValuesAddNoRow) {
  const Bytes file = test::Concat({test::DemDescriptiveRecord(DemLayout::ShortRecords),
                                   test::Iso8211Record('D', {{"0001", {'1', 0x1E}}}),
                                   BuildDemFile({{7, 8}}, DemLayout::ShortRecords)});
  // The second descriptive record inside BuildDemFile's output is no data record.
  EXPECT_EQ(ReadDemFile(file).Status, DemReadStatus::NotSdts);
  const Bytes plain = test::Concat({test::DemDescriptiveRecord(DemLayout::ShortRecords),
                                    test::Iso8211Record('D', {{"0001", {'1', 0x1E}}}),
                                    test::Iso8211Record('D', test::DemDataFields(DemLayout::ShortRecords, 1, {7, 8}))});
  ExpectGrid(ReadDemFile(plain), {{7, 8}});
}

// Under the sanitizers: every cut and many damaged bytes read safely, and a
// grid that is read is always whole.
TEST(DemFileTest, EveryCutAndDamagedByteIsReadSafely) {
  for (DemLayout layout : BothLayouts) {
    SCOPED_TRACE(Name(layout));
    const Bytes good = BuildDemFile({{1, 0x1E1F, 3}, {4, 5, 6}, {7, 8, 9}}, layout);
    auto check = [](const Bytes& file) {
      const DemReadOutcome read = ReadDemFile(file);
      if (read.Status != DemReadStatus::Read) {
        EXPECT_TRUE(read.Grid.Values.empty());
        return;
      }
      EXPECT_EQ(read.Grid.Values.size(), size_t(read.Grid.DemCols) * size_t(read.Grid.DemRows));
      EXPECT_GT(read.Grid.DemRows, 0);
    };
    for (size_t cut = 0; cut <= good.size(); ++cut) check(Bytes(good.begin(), good.begin() + ptrdiff_t(cut)));
    for (size_t at = 0; at < good.size(); ++at) {
      for (uint8_t value : {uint8_t(0), uint8_t(0x1E), uint8_t('0'), uint8_t('9'), uint8_t(0xFF)}) {
        Bytes damaged = good;
        damaged[at] = value;
        check(damaged);
      }
    }
  }
}

TEST(DemFileTest, LoadingOpensOnlyRegularFiles) {
  const std::string folder = test::MakeTempFolder("demfile");
  EXPECT_EQ(LoadDemFile(folder).Status, DemReadStatus::CannotOpen);
  EXPECT_EQ(LoadDemFile(folder + "missing.ddf").Status, DemReadStatus::CannotOpen);
  test::WriteFile(folder + "a.ddf", BuildDemFile({{1, 2}}, DemLayout::ReusedLayout));
  EXPECT_EQ(LoadDemFile(folder + "a.ddf").Status, DemReadStatus::Read);
}

}  // namespace
}  // namespace qrl::map
