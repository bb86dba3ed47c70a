#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/messages.h"
#include "forms/program.h"

namespace qrl::forms {
namespace {

class TestForm : public QWidget, public FormBase {
 public:
  TestForm(std::vector<std::string>& created, std::string name, bool closeAtCreation = false)
      : QWidget(nullptr), FormBase(this) {
    created.push_back(std::move(name));
    if (closeAtCreation) close();
  }
};

// Keeps the application's name as it was for the other tests.
class ProgramTest : public ::testing::Test {
 protected:
  void TearDown() override { QCoreApplication::setApplicationName(SavedName); }
  QString SavedName = QCoreApplication::applicationName();
};

TEST_F(ProgramTest, ClosingTheMainWindowEndsTheRunWhileOthersAreShown) {
  std::vector<std::string> created;
  bool otherShownAtClose = false;
  int result = RunProgram([&](Program& program) {
    program.SetTitle("QrlMap");
    TestForm& main = program.CreateForm<TestForm>(created, "main");
    TestForm& other = program.CreateForm<TestForm>(created, "other");
    EXPECT_TRUE(main.IsMainForm());
    EXPECT_FALSE(other.IsMainForm());
    QTimer::singleShot(0, &main, [&] {
      other.show();
      otherShownAtClose = other.isVisible() && main.isVisible();
      main.close();
    });
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(otherShownAtClose);
  EXPECT_EQ(created, (std::vector<std::string>{"main", "other"}));
  EXPECT_EQ(QCoreApplication::applicationName(), "QrlMap");
}

TEST_F(ProgramTest, AnExceptionEscapingStartUpIsShownAndTheResultIsZero) {
  MessageLog log;
  std::vector<std::string> created;
  int result = RunProgram([&](Program& program) {
    program.SetTitle("QrlEd");
    program.CreateForm<TestForm>(created, "main");
    throw std::runtime_error("cannot start");
  });
  EXPECT_EQ(result, 0);
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(log.Entries()[0].Kind, BoxKind::Exception);
  EXPECT_EQ(log.Entries()[0].Text, "cannot start");
  EXPECT_EQ(log.Entries()[0].Caption, "QrlEd");
}

TEST_F(ProgramTest, AMainWindowClosedWhileItIsCreatedEndsTheProgramWithoutTheLoop) {
  std::vector<std::string> created;
  bool loopRan = false;
  int result = RunProgram([&](Program& program) {
    TestForm& main = program.CreateForm<TestForm>(created, "main", true);
    program.CreateForm<TestForm>(created, "other");
    EXPECT_TRUE(program.MainFormWasClosed());
    // Would end a loop that must not start; goes with the main window.
    QTimer::singleShot(0, &main, [&] {
      loopRan = true;
      QCoreApplication::quit();
    });
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(created.size(), 2u);  // the remaining windows are still created, in order
  EXPECT_FALSE(loopRan);

  // The ended program leaves later modal loops working.
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] { loop.exit(7); });
  EXPECT_EQ(loop.exec(), 7);
}

}  // namespace
}  // namespace qrl::forms
