#include <gtest/gtest.h>

#include <algorithm>

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

TEST(EncodeCommentFileTest, WritesAtMost199TextBytesThenZerosTo200) {
  struct Case {
    const char* name;
    std::string text;
    std::string stored;
    bool cut;
  };
  const Case cases[] = {
      {"lines end in CR LF", "Attack\nat dawn", "Attack\r\nat dawn", false},
      {"CR LF stays CR LF", "Attack\r\nat dawn", "Attack\r\nat dawn", false},
      {"empty", "", "", false},
      {"exactly 199", std::string(199, 'x'), std::string(199, 'x'), false},
      {"250 characters", std::string(250, 'y'), std::string(199, 'y'), true},
      {"a line end past the limit", std::string(198, 'z') + "\nq", std::string(198, 'z') + "\r", true},
      {"Windows-1252 bytes as they are", "caf\xe9", "caf\xe9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EncodedComment out = EncodeCommentFile(c.text);
    ASSERT_EQ(out.Bytes.size(), 200u);
    EXPECT_EQ(std::string(out.Bytes.begin(), out.Bytes.begin() + ptrdiff_t(c.stored.size())), c.stored);
    EXPECT_TRUE(std::all_of(out.Bytes.begin() + ptrdiff_t(c.stored.size()), out.Bytes.end(),
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(out.Cut, c.cut);
    EXPECT_EQ(ReadCommentText(out.Bytes), c.stored);
  }
}

}  // namespace
}  // namespace qrl::scen
