#include <gtest/gtest.h>

#include "gamefile/cp1252.h"
#include "gamefile/strtoint.h"
#include "gamefile/textlines.h"

namespace qrl {
namespace {

TEST(Cp1252Test, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(char(b));
  std::u16string text = DecodeCp1252(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(EncodeCp1252(text), all);
  EXPECT_EQ(text[0x80], u'\u20AC');
  EXPECT_EQ(text[0x81], u'\u0081');
  EXPECT_EQ(text[0x9D], u'\u009D');
  EXPECT_EQ(text[0xE9], u'\u00E9');
}

TEST(Cp1252Test, CharactersWithoutAByteBecomeQuestionMarks) {
  EXPECT_EQ(EncodeCp1252(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(EncodeCp1252(u"\U0001F600"), "?");
}

TEST(TextLinesTest, ReadsCrLfAndLfAndWritesCrLf) {
  EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitTextLines("").empty());
  EXPECT_EQ(JoinCrLf({"x", "y"}), "x\r\ny\r\n");
}

TEST(TextModeReaderTest, BehavesLikeFgetsInTextMode) {
  std::string bytes = "12345\r\nab\ncut here\x1A after";
  TextModeReader r({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
  EXPECT_EQ(r.ReadLine(4), "123");   // three characters and the terminator fit
  EXPECT_EQ(r.ReadLine(10), "45\n");  // the CR of CR LF is dropped
  EXPECT_EQ(r.ReadLine(10), "ab\n");
  EXPECT_EQ(r.ReadLine(100), "cut here");  // 0x1A ends the data
  EXPECT_EQ(r.ReadLine(100), "");
  EXPECT_TRUE(r.AtEnd());
}

}  // namespace
}  // namespace qrl


namespace qrl {
namespace {

TEST(DecimalLowByteTest, KeepsTheExactLowByteOfANumberOfAnyLength) {
  struct Case {
    const char* Text;
    std::optional<uint8_t> Value;
  };
  const Case cases[] = {{"300", 44},         {"-1", 255},   {"-257", 255},  {"4294967340", 44},
                        {"99999999999999999999", 255}, {" 12", 12}, {"+5", 5}, {"7abc", 7},
                        {"\t 3 ", 3},          {"", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt},
                        {"- 5", std::nullopt}, {"0", 0}};
  for (const Case& c : cases) EXPECT_EQ(DecimalLowByte(c.Text), c.Value) << c.Text;
}

TEST(StrToIntTest, ParsesDecimalWithSignIn32Bits) {
  struct Case {
    const char* Text;
    std::optional<int32_t> Value;
  };
  const std::vector<Case> cases = {
      {"0", 0},          {"42", 42},       {"-1", -1},         {"+7", 7},
      {"  12", 12},      {"2147483647", INT32_MAX},           {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},        {"", std::nullopt}, {"-", std::nullopt},
      {"12 ", std::nullopt}, {"1a", std::nullopt}, {"0x10", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(TryStrToInt(c.Text), c.Value);
  }
  try {
    StrToInt("abc");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

}  // namespace
}  // namespace qrl
