#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QSpinBox>
#include <stdexcept>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/numbers.h"

namespace qrl::forms {
namespace {

TEST(MessageLogTest, RecordsEachKindOfBoxWithItsTextAndCaption) {
  MessageLog log;
  ShowMessage(nullptr, "Could not open file", "File Error");
  ShowErrorDialog(nullptr, "Could not open a.dat");
  ShowExceptionBox(nullptr, "boom");
  ASSERT_EQ(log.Entries().size(), 3u);
  EXPECT_EQ(log.Entries()[0].Kind, BoxKind::Message);
  EXPECT_EQ(log.Entries()[0].Text, "Could not open file");
  EXPECT_EQ(log.Entries()[0].Caption, "File Error");
  EXPECT_EQ(log.Entries()[1].Kind, BoxKind::ErrorDialog);
  EXPECT_EQ(log.Entries()[1].Text, "Could not open a.dat");
  EXPECT_EQ(log.Entries()[1].Caption, "Error");
  EXPECT_EQ(log.Entries()[2].Kind, BoxKind::Exception);
  EXPECT_EQ(log.Entries()[2].Caption, QCoreApplication::applicationName());
}

TEST(MessageLogTest, QuestionsTakeTheQueuedAnswersThenNo) {
  MessageLog log;
  log.AnswerNext(true);
  log.AnswerNext(false);
  EXPECT_TRUE(AskYesNo(nullptr, "a.jpg already exists.", "Confirm Save As"));
  EXPECT_FALSE(AskYesNo(nullptr, "b", "c"));
  EXPECT_FALSE(AskYesNo(nullptr, "unanswered", "c"));
  ASSERT_EQ(log.Entries().size(), 3u);
  EXPECT_EQ(log.Entries()[0].Kind, BoxKind::Question);
  EXPECT_EQ(log.Entries()[0].Text, "a.jpg already exists.");
  EXPECT_EQ(log.Entries()[0].Caption, "Confirm Save As");
}

TEST(MessageLogTest, NestedLogsRecordInTheNewestOnly) {
  MessageLog outer;
  {
    MessageLog inner;
    ShowMessage(nullptr, "inner", "c");
    EXPECT_EQ(inner.Entries().size(), 1u);
  }
  ShowMessage(nullptr, "outer", "c");
  ASSERT_EQ(outer.Entries().size(), 1u);
  EXPECT_EQ(outer.Entries()[0].Text, "outer");
  EXPECT_EQ(MessageLog::Active(), &outer);
}

TEST(RunHandlerTest, ShowsAConversionErrorAndReturns) {
  MessageLog log;
  int storedBefore = 0;
  bool ran = RunHandler(nullptr, [&] {
    storedBefore = 1;
    StrToInt("12x");
    storedBefore = 2;
  });
  EXPECT_FALSE(ran);
  EXPECT_EQ(storedBefore, 1);  // what the handler did before the bad number stays done
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(log.Entries()[0].Kind, BoxKind::Exception);
  EXPECT_EQ(log.Entries()[0].Text, "'12x' is not a valid integer value");
  EXPECT_TRUE(RunHandler(nullptr, [] {}));
  EXPECT_EQ(log.Entries().size(), 1u);
}

TEST(RunHandlerTest, CatchesExceptionsOfAnyKind) {
  MessageLog log;
  EXPECT_FALSE(RunHandler(nullptr, [] { throw std::runtime_error("out of range"); }));
  EXPECT_FALSE(RunHandler(nullptr, [] { throw 7; }));
  ASSERT_EQ(log.Entries().size(), 2u);
  EXPECT_EQ(log.Entries()[0].Text, "out of range");
  EXPECT_EQ(log.Entries()[1].Text, "Unknown exception");
}

TEST(ConnectTest, EveryClickRunsTheHandlerEvenAfterOneThrew) {
  MessageLog log;
  QWidget form;
  QPushButton button(&form);
  int clicks = 0;
  Connect(&button, &QPushButton::clicked, &form, [&] {
    ++clicks;
    if (clicks == 1) StrToInt("abc");
  });
  button.click();
  button.click();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(log.Entries()[0].Text, "'abc' is not a valid integer value");
}

TEST(ConnectTest, PassesTheSignalsArgumentsWhenTheHandlerTakesThem) {
  QWidget form;
  QSpinBox spin(&form);
  int seen = -1;
  Connect(&spin, &QSpinBox::valueChanged, &form, [&](int value) { seen = value; });
  spin.setValue(5);
  EXPECT_EQ(seen, 5);
}

}  // namespace
}  // namespace qrl::forms
