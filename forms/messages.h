#pragma once
// The programs' message boxes. Every box a window shows goes through these
// helpers, so that a test can record the boxes instead of running their modal
// loops (see MessageLog).
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace qrl::forms {

enum class BoxKind {
  Message,      // ShowMessage: text, caption, OK, no icon
  ErrorDialog,  // ShowErrorDialog: the framework's error message dialog
  Exception,    // ShowExceptionBox: the default exception box
  Question,     // AskYesNo: text, caption, Yes and No
};

struct ShownBox {
  BoxKind Kind;
  QString Text;
  QString Caption;
};

// A modal box with the text and the caption, an OK button and no icon.
// `parent` may be null (the box is then centred on the screen).
void ShowMessage(QWidget* parent, const QString& text, const QString& caption);

// The framework's error message dialog: critical icon, caption "Error", OK.
void ShowErrorDialog(QWidget* parent, const QString& text);

// The default exception box: the exception's text, the application's title
// (QCoreApplication::applicationName, see Program::SetTitle) as caption, the
// critical icon and OK.
void ShowExceptionBox(QWidget* parent, const QString& text);

// A modal box with the text, the caption, a question icon and the buttons Yes
// and No (the default); true for Yes. Closing the box answers No.
bool AskYesNo(QWidget* parent, const QString& text, const QString& caption);

// While a MessageLog lives, the helpers above record each box in it and
// return at once: nothing is shown and no modal loop runs. AskYesNo takes the
// next answer given by AnswerNext, and No when none is left. Logs nest; the
// newest one records and the one before records again once it is gone.
// Meant for tests; create and destroy on the GUI thread.
class MessageLog {
 public:
  MessageLog();
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  // The boxes in the order they were asked for.
  const std::vector<ShownBox>& Entries() const { return Shown; }
  void Clear() { Shown.clear(); }

  // The answer of the next AskYesNo that has none yet; answers queue up.
  void AnswerNext(bool yes) { Answers.push_back(yes); }
  bool TakeAnswer();

  // The log that records now, or null when boxes are really shown.
  static MessageLog* Active();
  void Add(ShownBox box) {
    Shown.push_back(std::move(box));
    if (OnBox) OnBox(Shown.back());
  }
  // Runs at each box, at the moment the program would show it, so a test can
  // look at what the windows show behind the box.
  void WhenShown(std::function<void(const ShownBox&)> hook) { OnBox = std::move(hook); }

 private:
  MessageLog* Previous;
  std::vector<ShownBox> Shown;
  std::vector<bool> Answers;
  size_t NextAnswer = 0;
  std::function<void(const ShownBox&)> OnBox;
};

}  // namespace qrl::forms
