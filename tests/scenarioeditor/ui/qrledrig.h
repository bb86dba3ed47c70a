#pragma once
// QrlEd's windows as the program creates them, for tests that drive them
// offscreen. Boxes are recorded (MessageLog), the open and save dialogs are
// answered by a DialogScript (unanswered ones are cancelled), and the modal
// open-file window is answered from inside its own modal loop by
// FileFormAnswers (unanswered showings are cancelled), so no test can wait
// on a window nobody closes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "forms/program.h"
#include "gamefile/fileio.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/ui/dicestatform.h"
#include "scenarioeditor/ui/fileform.h"
#include "scenarioeditor/ui/mainform.h"
#include "scenarioeditor/ui/qrledprogram.h"
#include "tests/scenarioeditor/scenariofixture.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::scenui::test {

using qrl::test::Bytes;
using qrl::test::ScenarioFixture;

// Answers the showings of a TFileForm in order. Each answer runs inside the
// window's modal loop once the window is active (its activation has re-read
// the list) and acts on the real controls; a showing still open after its
// answer, or without one, is cancelled.
class FileFormAnswers : public QObject {
 public:
  using Answer = std::function<void(TFileForm&)>;

  explicit FileFormAnswers(TFileForm& form) : Form(form), Watched(&form) { Form.installEventFilter(this); }
  ~FileFormAnswers() override {
    if (Watched) Watched->removeEventFilter(this);
  }

  FileFormAnswers& Then(Answer answer) {
    Pending.push_back(std::move(answer));
    return *this;
  }
  int Showings() const { return Shown; }

  // Selects the item whose text is exactly `text` and clicks OK.
  static Answer Choose(const QString& text) {
    return [text](TFileForm& form) {
      const auto found = form.FileList->findItems(text, Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1) << text.toStdString();
      form.FileList->setCurrentItem(found.front());
      QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    };
  }
  static Answer PressCancel() {
    return [](TFileForm& form) { QTest::mouseClick(form.CancelBtn, Qt::LeftButton); };
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &Form && event->type() == QEvent::Show) {
      ++Shown;
      QTimer::singleShot(0, this, [this] { AnswerShowing(); });
    }
    return false;
  }

 private:
  void AnswerShowing() {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    if (!Pending.empty()) {
      Answer answer = std::move(Pending.front());
      Pending.pop_front();
      answer(Form);
    }
    if (Form.isVisible()) Form.reject();
  }

  TFileForm& Form;
  QPointer<TFileForm> Watched;  // the window may go first, with the program that made it
  std::deque<Answer> Pending;
  int Shown = 0;
};

// A start-up with the program in `folder` (which holds no help page) and
// the given first argument.
inline QrlEdStartUp StartUpIn(const std::string& folder, std::optional<std::string> argument = std::nullopt) {
  return QrlEdStartUp{folder + "QrlEd", std::move(argument)};
}

// The program's windows over one session, outside the event loop.
struct QrlEdRig {
  forms::MessageLog Log;
  forms::DialogScript NoRealDialogs;
  scen::EditorSession Session;
  scen::DiceTable Dice;
  forms::Program Program;
  QrlEdWindows Windows;
  FileFormAnswers Answers;

  explicit QrlEdRig(const QrlEdStartUp& startUp)
      : Windows(BuildQrlEd(Program, Session, Dice, startUp)), Answers(*Windows.FileForm) {}

  TForm1& Form1() { return *Windows.Form1; }
  TFileForm& FileForm() { return *Windows.FileForm; }
  TDiceStatForm& DiceStatForm() { return *Windows.DiceStatForm; }
  scen::ScenarioDocument& Doc() { return Session.Document; }

  // Loads through the open-file window, choosing the item with this text.
  void LoadByWindow(const std::string& folder, const QString& itemText) {
    Doc().SaveDir = folder;
    Answers.Then(FileFormAnswers::Choose(itemText));
    Form1().LoadQRLSave1Click();
  }

  // Row `row` of the grid on screen, all ten cells.
  std::vector<QString> ShownRow(int row) const {
    std::vector<QString> cells;
    for (int col = 0; col < Windows.Form1->InfoStringGrid->ColCount(); ++col)
      cells.push_back(Windows.Form1->InfoStringGrid->Cell(col, row));
    return cells;
  }
  QString ShownCell(int col, int row) const { return Windows.Form1->InfoStringGrid->Cell(col, row); }
  void Type(int col, int row, const QString& text) { Windows.Form1->InfoStringGrid->SetCell(col, row, text); }
  void ClickSide(int side) { QTest::mouseClick(Windows.Form1->SideButtons[size_t(side)], Qt::LeftButton); }
  QPushButton* Button(const char* name) { return Windows.Form1->findChild<QPushButton*>(name); }
  QLineEdit* Edit(const char* name) { return Windows.Form1->findChild<QLineEdit*>(name); }
};

// Germany (code 70) against the Soviet Union (81): three units on side 0 in
// formations 9, 9, 4 and two on side 1, each with a leader.
inline ScenarioFixture TwoSides() {
  ScenarioFixture f;
  struct Row {
    int Side, Slot;
    const char* Unit;
    uint8_t Formation, Number, Exp, Mor;
    const char* Leader;
    uint8_t Rally, Inf, Art, Arm;
  };
  const Row rows[] = {
      {0, 0, "Pz IV 1", 9, 1, 61, 71, "Hptm/Weber", 50, 60, 50, 50},
      {0, 1, "Pz IV 2", 9, 2, 62, 72, "Lt/Brandt", 40, 10, 20, 15},
      {0, 2, "Gren 1", 4, 12, 63, 73, "Fw/Keller", 45, 30, 30, 30},
      {1, 0, "T-34 1", 2, 1, 64, 74, "Kpt/Orlov", 55, 40, 70, 70},
      {1, 1, "Strelki 1", 5, 3, 65, 75, "Lt/Petrov", 35, 80, 20, 10},
  };
  for (const Row& r : rows) {
    f.PutUnit(r.Side, r.Slot, r.Unit, r.Formation, r.Number);
    f.Unit(r.Side, r.Slot)[119] = r.Exp;
    f.Unit(r.Side, r.Slot)[120] = r.Mor;
    f.PutLeader(r.Side, r.Slot, r.Leader, r.Rally, r.Inf, r.Art, r.Arm);
  }
  f.Unit(0, 0)[167] = 70;
  f.Unit(1, 0)[167] = 81;
  return f;
}

inline std::string Put(const std::string& folder, const std::string& name, const Bytes& bytes) {
  qrl::test::WriteFile(folder + name, bytes);
  return folder + name;
}

// Every load reads the weapon names of both sides from the OOB folder (the
// program's folder at start) and warns about each file it cannot open. These
// are the files of the nation codes the fixtures use, and of code 0, which a
// load finds before any file was read; each names its weapons "W<i>".
inline bool PutOobFiles(const std::string& folder) {
  Bytes names(15 * 250, 0);
  for (int i = 1; i < 250; ++i) {
    const std::string name = "W" + std::to_string(i);
    std::copy(name.begin(), name.end(), names.begin() + 15 * i);
  }
  for (const char* file : {"OOB00", "OOB12", "OOB70", "OOB81"}) qrl::test::WriteFile(folder + file, names);
  return true;
}

inline Bytes ReadBytes(const std::string& path) { return ReadWholeFile(path).value_or(Bytes{}); }

inline std::vector<forms::ShownBox> Boxes(std::initializer_list<std::pair<const char*, const char*>> boxes,
                                          forms::BoxKind kind = forms::BoxKind::Message) {
  std::vector<forms::ShownBox> result;
  for (const auto& [text, caption] : boxes) result.push_back({kind, text, caption});
  return result;
}

// The warnings of a load that found no OOB file for these numbers in folder.
inline std::vector<forms::ShownBox> OobWarnings(const std::string& folder, std::initializer_list<const char*> files) {
  std::vector<forms::ShownBox> result;
  for (const char* file : files)
    result.push_back({forms::BoxKind::Message,
                      "Could not open " + QString::fromStdString(folder) + file + ". Weapons names not available",
                      "Warning"});
  return result;
}

}  // namespace qrl::scenui::test

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qrl::forms {
inline bool operator==(const ShownBox& a, const ShownBox& b) {
  return a.Kind == b.Kind && a.Text == b.Text && a.Caption == b.Caption;
}
inline void PrintTo(const ShownBox& box, std::ostream* os) {
  *os << "{" << int(box.Kind) << ", \"" << box.Text.toStdString() << "\", \"" << box.Caption.toStdString() << "\"}";
}
}  // namespace qrl::forms
