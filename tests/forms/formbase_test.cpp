#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "forms/formbase.h"
#include "forms/messages.h"

namespace qrl::forms {
namespace {

class CountingForm : public QWidget, public FormBase {
 public:
  explicit CountingForm(ActivationTracker& tracker) : QWidget(nullptr), FormBase(this, tracker) {}
  void FormShow() override { ++Shows; }
  void FormActivate() override {
    ++Activations;
    if (Throw) throw std::runtime_error("activation failed");
  }
  void FormClose() override { ++Closes; }
  int Shows = 0, Activations = 0, Closes = 0;
  bool Throw = false;
};

void Send(QWidget& window, QEvent::Type type) {
  QEvent event(type);
  QCoreApplication::sendEvent(&window, &event);
}

// What the window system sends when `window` becomes the active window.
void ActivateOnly(QWidget& window, QWidget* previous) {
  if (previous) Send(*previous, QEvent::WindowDeactivate);
  Send(window, QEvent::WindowActivate);
}

TEST(ActivationTest, FocusBackFromABoxIsNoActivationButSwitchingWindowsIs) {
  ActivationTracker tracker;
  CountingForm main(tracker), other(tracker);
  QMessageBox box(&main);
  main.show();
  other.show();

  ActivateOnly(main, nullptr);
  EXPECT_EQ(main.Activations, 1);

  ActivateOnly(box, &main);  // a box the main window opened ...
  ActivateOnly(main, &box);  // ... and focus coming back from it
  EXPECT_EQ(main.Activations, 1);

  ActivateOnly(other, &main);
  EXPECT_EQ(other.Activations, 1);
  ActivateOnly(main, &other);
  EXPECT_EQ(main.Activations, 2);
  EXPECT_EQ(other.Activations, 1);
}

TEST(ActivationTest, AWindowHiddenAndShownAgainIsActivatedAgain) {
  ActivationTracker tracker;
  CountingForm form(tracker);
  form.show();
  EXPECT_EQ(form.Shows, 1);
  ActivateOnly(form, nullptr);
  form.hide();
  ActivateOnly(form, nullptr);  // a late report for the hidden window
  EXPECT_EQ(form.Activations, 1);
  form.show();
  EXPECT_EQ(form.Shows, 2);
  ActivateOnly(form, nullptr);
  EXPECT_EQ(form.Activations, 2);
}

TEST(ActivationTest, ADestroyedWindowIsForgotten) {
  ActivationTracker tracker;
  auto form = std::make_unique<CountingForm>(tracker);
  form->show();
  ActivateOnly(*form, nullptr);
  EXPECT_EQ(tracker.Last(), form.get());
  form.reset();
  EXPECT_EQ(tracker.Last(), nullptr);
}

TEST(ActivationTest, AThrowingActivationIsShownAndTheWindowGoesOn) {
  MessageLog log;
  ActivationTracker tracker;
  CountingForm form(tracker), other(tracker);
  form.show();
  other.show();
  form.Throw = true;
  ActivateOnly(form, nullptr);
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(log.Entries()[0].Text, "activation failed");
  ActivateOnly(other, &form);
  ActivateOnly(form, &other);
  EXPECT_EQ(form.Activations, 2);
}

TEST(ActivationTest, RealWindowActivationFollowsTheRule) {
  CountingForm main(ActivationTracker::Shared()), other(ActivationTracker::Shared());
  auto activate = [](QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  };
  main.show();
  other.show();
  if (!activate(main)) GTEST_SKIP() << "the platform does not activate windows";
  int mainBefore = main.Activations, otherBefore = other.Activations;
  ASSERT_TRUE(activate(other));
  ASSERT_TRUE(activate(main));
  EXPECT_EQ(other.Activations, otherBefore + 1);
  EXPECT_EQ(main.Activations, mainBefore + 1);

  QMessageBox box(QMessageBox::NoIcon, "c", "t", QMessageBox::Ok, &main);
  box.show();
  ASSERT_TRUE(activate(box));
  box.hide();
  ASSERT_TRUE(activate(main));
  EXPECT_EQ(main.Activations, mainBefore + 1);
}

class ModalForm : public QDialog, public FormBase {
 public:
  ModalForm() : QDialog(nullptr), FormBase(this) {}
  void FormShow() override { ++Shows; }
  void FormActivate() override {
    ++Activations;
    done(1);
  }
  int Shows = 0, Activations = 0;
};

TEST(ActivationTest, AModalProgramWindowActivatesAndSoDoesItsOpenerAfterwards) {
  CountingForm main(ActivationTracker::Shared());
  main.show();
  main.activateWindow();
  if (!QTest::qWaitForWindowActive(&main)) GTEST_SKIP() << "the platform does not activate windows";
  int mainBefore = main.Activations;
  ModalForm fileForm;
  EXPECT_EQ(fileForm.exec(), 1);  // its activation hook ends it
  EXPECT_EQ(fileForm.Shows, 1);
  EXPECT_EQ(fileForm.Activations, 1);
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  EXPECT_EQ(main.Activations, mainBefore + 1);  // another program window was active in between
}

TEST(FormHooksTest, CloseRunsTheCloseHookAndHidesTheWindow) {
  ActivationTracker tracker;
  CountingForm form(tracker);
  form.show();
  EXPECT_TRUE(form.close());
  EXPECT_EQ(form.Closes, 1);
  EXPECT_TRUE(form.isHidden());
  EXPECT_FALSE(form.IsMainForm());
}

}  // namespace
}  // namespace qrl::forms
