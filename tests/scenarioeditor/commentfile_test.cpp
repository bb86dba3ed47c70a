#include <gtest/gtest.h>

#include "scenarioeditor/core/commentfile.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::scen {
namespace {

using test::Bytes;

TEST(CommentFileNameTest, ReplacesTheExtensionOfTheFileNameOnly) {
  struct Case {
    const char* Path;
    const char* Expected;
  };
  const Case cases[] = {
      {"/games/scen001.dat", "/games/scen001.cmt"},
      {"SCEN001.DAT", "SCEN001.cmt"},
      {"/Games/Scen012.DAT", "/Games/Scen012.cmt"},
      {"x.dat2", "x2.cmt"},     // four characters from the last "." go, whatever follows
      {"a.data", "aa.cmt"},
      {"scen", "scen.cmt"},
      {"scen.d", "scen.cmt"},   // fewer than four characters left
      {"scen.old.dat", "scen.old.cmt"},
      {"scen000.dat", "scen000.cmt"},
      {"/home/my.games/scen", "/home/my.games/scen.cmt"},  // a "." in a folder name stays
      {"/home/my.games/scen.dat", "/home/my.games/scen.cmt"},
  };
  for (const Case& c : cases) EXPECT_EQ(CommentFileName(c.Path), c.Expected) << c.Path;
}

TEST(ReadCommentTextTest, TakesAtMost199BytesUpToTheFirstZero) {
  const Bytes tenBytes = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(ReadCommentText(tenBytes), "0123456789");
  Bytes dawn = test::Concat({Bytes{'A', 't', 't', 'a', 'c', 'k'}, Bytes(194, 0)});
  EXPECT_EQ(ReadCommentText(dawn), "Attack");
  // A 200-byte text without a zero comes back as its first 199 bytes.
  Bytes full(200, 'x');
  full[199] = 'y';
  EXPECT_EQ(ReadCommentText(full), std::string(199, 'x'));
  EXPECT_EQ(ReadCommentText({}), "");
  const Bytes high = {0xE9, 0x80, 0x00, 'z'};
  EXPECT_EQ(ReadCommentText(high), "\xE9\x80");
}

}  // namespace
}  // namespace qrl::scen
