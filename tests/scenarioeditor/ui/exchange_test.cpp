#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "scenarioeditor/ui/ammoform.h"
#include "scenarioeditor/ui/commentform.h"
#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

using forms::DialogScript;

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

class ExchangeTest : public ::testing::Test {
 protected:
  std::string Folder = qrl::test::MakeTempFolder("exchange");
  bool OobFilesWritten = PutOobFiles(Folder);  // so that loads show no weapon-name warnings
  QrlEdRig Rig{StartUpIn(Folder)};

  TCommentForm& CommentForm() { return *Rig.Windows.CommentForm; }
  QString Memo() { return CommentForm().CommentMemo->toPlainText(); }
  void LoadGame(const std::string& name, const Bytes& comment = {}) {
    Put(Folder, name + ".dat", TwoSides().Build());
    if (!comment.empty()) Put(Folder, name + ".cmt", comment);
    // The open-file window lists "NAME.DAT -> comment".
    const QString listed = QString::fromStdString(name + ".dat").toUpper() + " -> ";
    Rig.Doc().SaveDir = Folder;
    Rig.Answers.Then([listed](TFileForm& form) {
      const auto found = form.FileList->findItems(listed, Qt::MatchStartsWith);
      ASSERT_EQ(found.size(), 1) << listed.toStdString();
      form.FileList->setCurrentItem(found.front());
      QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    });
    Rig.Form1().LoadQRLSave1Click();
  }
  // The user clicks into the main window, then back into the comment window.
  void VisitMainWindowAndComeBack() {
    Rig.Form1().FormActivate();
    CommentForm().FormActivate();
  }
};

TEST_F(ExchangeTest, TheMemoShowsTheGamesCommentAndKeepsTypedTextAcrossVisits) {
  LoadGame("scen001", Bytes{'H', 'i', 0});
  Rig.Form1().EditCommentFile1Click();
  EXPECT_TRUE(CommentForm().isVisible());
  EXPECT_EQ(Memo(), "Hi");
  CommentForm().CommentMemo->setPlainText("Attack\nat dawn");
  VisitMainWindowAndComeBack();
  EXPECT_EQ(Memo(), "Attack\nat dawn");

  // A game without a comment file has none, and the memo shows that at once.
  LoadGame("scen002");
  EXPECT_EQ(Rig.Doc().CommentText, "");
  VisitMainWindowAndComeBack();
  EXPECT_EQ(Memo(), "");
}

TEST_F(ExchangeTest, SaveCommentFileWritesTheMemoAs200Bytes) {
  LoadGame("scen001");
  Rig.Form1().EditCommentFile1Click();
  CommentForm().CommentMemo->setPlainText(QString::fromUtf8("Attack\nat dawn \xC3\xA9"));
  DialogScript script;
  script.Choose(QString::fromStdString(Folder + "notes"));
  Rig.Form1().SaveCommentFile1Click();
  ASSERT_EQ(script.Calls().size(), 1u);
  const forms::DialogCall& call = script.Calls()[0];
  EXPECT_EQ(call.Title, "Save Comment File");
  EXPECT_EQ(call.Filter, "Comment files (*.cmt)|*.cmt|All Files (*.*) |*.*");
  EXPECT_EQ(call.DefaultExt, "cmt");
  EXPECT_EQ(call.FileName, QString::fromStdString(Folder + "scen001.cmt"));
  Bytes expected(200, 0);
  const std::string text = "Attack\r\nat dawn \xE9";
  std::copy(text.begin(), text.end(), expected.begin());
  EXPECT_EQ(ReadBytes(Folder + "notes.cmt"), expected);
  EXPECT_TRUE(Rig.Log.Entries().empty());

  CommentForm().CommentMemo->setPlainText(QString(250, u'x'));
  script.Choose(QString::fromStdString(Folder + "long.cmt"));
  Rig.Form1().SaveCommentFile1Click();
  const Bytes saved = ReadBytes(Folder + "long.cmt");
  ASSERT_EQ(saved.size(), 200u);
  EXPECT_EQ(saved[198], 'x');
  EXPECT_EQ(saved[199], 0);
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"Only the first 199 characters of the comment were saved.", "Warning"}}));
}

TEST_F(ExchangeTest, LoadCommentFileShowsTheFilesTextWithoutChangingTheGamesComment) {
  LoadGame("scen001", Bytes{'O', 'l', 'd', 0});
  Put(Folder, "other.cmt", Bytes{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
  DialogScript script;
  script.Choose(QString::fromStdString(Folder + "other.cmt"));
  Rig.Form1().LoadCommentFile1Click();
  EXPECT_EQ(script.Calls()[0].Filter, "Comment files (*.cmt)|*.cmt|All Files (*.*) |*.*");
  EXPECT_EQ(script.Calls()[0].FileName, QString::fromStdString(Folder + "scen001.cmt"));
  EXPECT_TRUE(CommentForm().isVisible());
  EXPECT_EQ(Memo(), "0123456789");
  EXPECT_EQ(Rig.Doc().CommentText, "Old");
  VisitMainWindowAndComeBack();
  EXPECT_EQ(Memo(), "0123456789");

  script.Choose(QString::fromStdString(Folder + "missing.cmt"));
  Rig.Form1().LoadCommentFile1Click();
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"Could not open Comment file", "Error"}}));
  EXPECT_EQ(Memo(), "0123456789");
}

TEST_F(ExchangeTest, CsvSaveAndPasteIntoTheOtherSideRefillsTheGrid) {
  LoadGame("scen001");
  DialogScript script;
  script.Choose(QString::fromStdString(Folder + "units"));
  Rig.Form1().SaveCSVUnitFile1Click();
  EXPECT_EQ(script.Calls()[0].Title, "Save CSV (Spreadsheet File of Units");
  EXPECT_EQ(script.Calls()[0].Filter, "CSV files (*.csv)|*.csv||All Files *.*|*.*");
  EXPECT_EQ(script.Calls()[0].DefaultExt, "csv");
  const std::string csv = AsText(ReadBytes(Folder + "units.csv"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);

  Rig.ClickSide(1);
  Rig.Type(2, 1, "unstored edit");
  script.Choose(QString::fromStdString(Folder + "units.csv"));
  Rig.Form1().LoadCSVUnitFile1Click();
  EXPECT_EQ(script.Calls()[1].Title, "Load CSV (Spreadsheet File of Units");
  EXPECT_EQ(Rig.ShownCell(2, 1), "Pz IV 1");
  EXPECT_EQ(Rig.ShownCell(2, 3), "Gren 1");
  script.Choose(QString::fromStdString(Folder + "side1.csv"));
  Rig.Form1().SaveCSVUnitFile1Click();
  EXPECT_EQ(AsText(ReadBytes(Folder + "side1.csv")), csv);
  EXPECT_TRUE(Rig.Log.Entries().empty());

  script.Choose(QString::fromStdString(Folder + "missing.csv"));
  Rig.Form1().LoadCSVUnitFile1Click();
  script.Choose(QString::fromStdString(Folder + "no-such-folder/x.csv"));
  Rig.Form1().SaveCSVUnitFile1Click();
  EXPECT_EQ(Rig.Log.Entries(),
            Boxes({{"Couldn't load csv file. Aborting.", "Error"}, {"Couldn't open csv file. Aborting.", "Error"}}));
}

TEST_F(ExchangeTest, PrintInfoWritesTheGridAsShown) {
  DialogScript script;
  Rig.Form1().PrintInfoAs1Click();  // no unit rows: no dialog
  EXPECT_TRUE(script.Calls().empty());

  LoadGame("scen001");
  Rig.Type(4, 1, "99");  // shown, not stored
  script.Choose(QString::fromStdString(Folder + "info"));
  Rig.Form1().PrintInfoAs1Click();
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Title, "Save Info Table");
  EXPECT_EQ(script.Calls()[0].DefaultExt, "txt");
  const std::string table = AsText(ReadBytes(Folder + "info.txt"));
  EXPECT_EQ(table.substr(0, table.find("\r\n")), Rig.Form1().FileLbl->text().toStdString() + " ");
  EXPECT_NE(table.find("001 A1  Pz IV 1            Hptm/Weber         99  71  50  60  50  50 \r\n"), std::string::npos);
  EXPECT_NE(table.find("\r\n003 B12 Gren 1"), std::string::npos);

  script.Choose(QString::fromStdString(Folder + "no-such-folder/x.txt"));
  Rig.Form1().PrintInfoAs1Click();
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"Couldn't open txt file. Aborting.", "Error"}}));
}

TEST_F(ExchangeTest, PrintAppendsTheUnitDataWindowsTableWithoutAsking) {
  LoadGame("scen001");
  ASSERT_TRUE(Rig.Form1().InfoStringGrid->SetCurrentCell(2, 1));
  Rig.Form1().AmmoBtnClick();
  TAmmoForm& ammo = *Rig.Windows.AmmoForm;
  DialogScript script;
  const std::string path = Folder + "details.txt";
  script.Choose(QString::fromStdString(path)).Choose(QString::fromStdString(path));
  QTest::mouseClick(ammo.PrintBtn, Qt::LeftButton);
  QTest::mouseClick(ammo.PrintBtn, Qt::LeftButton);
  ASSERT_EQ(script.Calls().size(), 2u);
  EXPECT_EQ(script.Calls()[0].Title, "Save Detail Table");
  EXPECT_EQ(script.Calls()[0].InitialDir, QString::fromStdString(Folder));
  EXPECT_FALSE(script.Calls()[1].AskedOverwrite);
  const std::string text = AsText(ReadBytes(path));
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[0].substr(0, 13), "Unit: Pz IV 1");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[27], "");
  EXPECT_EQ(lines[14], lines[0]);
  EXPECT_TRUE(Rig.Log.Entries().empty());

  script.Choose(QString::fromStdString(Folder + "no-such-folder/x.txt"));
  QTest::mouseClick(ammo.PrintBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"Couldn't open txt file. Aborting.", "Error"}}));
}

}  // namespace
}  // namespace qrl::scenui::test
