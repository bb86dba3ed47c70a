#include <gtest/gtest.h>

#include "forms/cp1252text.h"
#include "forms/numbers.h"
#include "gamefile/strtoint.h"

namespace qrl::forms {
namespace {

TEST(Cp1252TextTest, EveryByteSurvivesTheTripThroughQString) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(char(b));
  QString text = FromCp1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));  // euro sign
  EXPECT_EQ(text[0x8D], QChar(0x008D));  // unassigned: the C1 control
  EXPECT_EQ(text[0xE9], QChar(0x00E9));
  EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252TextTest, CharactersWithoutAByteBecomeOneQuestionMarkEach) {
  EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xE4\xB8\xAD" "b")), "a?b");
  EXPECT_EQ(ToCp1252(QString::fromUtf8("\xF0\x9F\x98\x80")), "?");  // outside the BMP
  EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE2\x82\xAC" "5")), "\x80" "5");
}

TEST(StrToIntTest, AcceptsDecimalWithSignAndLeadingBlanks) {
  struct Case {
    const char* text;
    int32_t value;
  };
  for (const Case& c : {Case{"0", 0}, Case{"42", 42}, Case{"-7", -7}, Case{"+7", 7}, Case{"  12", 12},
                        Case{"2147483647", 2147483647}, Case{"-2147483648", INT32_MIN}}) {
    EXPECT_EQ(StrToInt(QString::fromLatin1(c.text)), c.value) << c.text;
  }
}

TEST(StrToIntTest, RejectsOtherTextQuotingItAsTyped) {
  for (const char* text : {"", " ", "12x", "1 2", "12 ", "0x1F", "-", "2147483648", "-2147483649"}) {
    try {
      StrToInt(QString::fromLatin1(text));
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
  try {
    StrToInt(QString::fromUtf8("\xC3\xA9" "1"));
    ADD_FAILURE();
  } catch (const ConversionError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8("'\xC3\xA9" "1' is not a valid integer value"));
  }
}

TEST(IntToStrTest, WritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-255), "-255");
  EXPECT_EQ(IntToStr(65535), "65535");
}

}  // namespace
}  // namespace qrl::forms
