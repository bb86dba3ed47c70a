#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "tests/scenarioeditor/ui/qrledrig.h"
#include "tests/support/namedpipe.h"

namespace qrl::scenui::test {
namespace {

Bytes CommentFile(std::string_view text) {
  Bytes bytes(200, 0);
  std::copy(text.begin(), text.end(), bytes.begin());
  return bytes;
}

std::vector<QString> ItemTexts(const QListWidget& list) {
  std::vector<QString> texts;
  for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text());
  return texts;
}

// Scenario and saved-game names in several cases, comments (one with a line
// break), a dotted name, a file the mask leaves out and a sub-folder.
class FileFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Put(Folder, "SCEN001.DAT", TwoSides().Build());
    Put(Folder, "SCEN001.cmt", CommentFile("Attack\r\nat dawn"));
    Put(Folder, "save07.dat", TwoSides().Build());
    Put(Folder, "units.dat", TwoSides().Build());
    Put(Folder, "units.cmt", CommentFile("Unit list"));
    Put(Folder, "scen.old.dat", TwoSides().Build());
    ScenarioFixture usa = TwoSides();
    usa.Unit(0, 0)[167] = 12;
    Put(Folder, "Scen002.Dat", usa.Build());
    Put(Folder, "SCEN002.CMT", CommentFile("Second"));
    Put(Folder, "notes.txt", Bytes{'x'});
    std::filesystem::create_directory(Folder + "maps");
    Put(Folder + "maps/", "SCEN003.DAT", TwoSides().Build());
  }

  std::string Folder = qrl::test::MakeTempFolder("fileform");
  const std::vector<QString> Annotated = {"save07.dat -> ", "scen.old.dat -> ", "SCEN001.DAT -> Attack  at dawn",
                                          "Scen002.Dat -> Second", "units.datUnit list"};
};

TEST_F(FileFormTest, TheWindowListsAnnotatedItemsAndHandsBackTheRealNameOfTheChosenOne) {
  QrlEdRig rig(StartUpIn(Folder));
  std::vector<QString> seen, plain, again;
  QString caption, maskCaptionAfterActivation, maskCaptionAfterClick, folderLabel, nameField;
  rig.Answers.Then([&](TFileForm& form) {
    caption = form.windowTitle();
    folderLabel = form.DirectoryLbl->text();
    maskCaptionAfterActivation = form.MaskBtn->text();
    seen = ItemTexts(*form.FileList);
    QTest::mouseClick(form.MaskBtn, Qt::LeftButton);
    maskCaptionAfterClick = form.MaskBtn->text();
    plain = ItemTexts(*form.FileList);
    QTest::mouseClick(form.MaskBtn, Qt::LeftButton);
    again = ItemTexts(*form.FileList);
    EXPECT_EQ(form.MaskBtn->text(), "*.*");
    form.FileList->setCurrentRow(3);
    nameField = form.FileNameEdit->text();
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
  });
  rig.Form1().LoadQRLSave1Click();

  EXPECT_EQ(caption, "Open Version 1.1 file");
  EXPECT_EQ(folderLabel, QString::fromStdString(Folder));
  EXPECT_EQ(maskCaptionAfterActivation, "All (*.*)");
  EXPECT_EQ(seen, Annotated);
  EXPECT_EQ(maskCaptionAfterClick, "*.dat");
  EXPECT_EQ(plain, std::vector<QString>({"notes.txt", "save07.dat", "scen.old.dat", "SCEN001.cmt", "SCEN001.DAT",
                                         "SCEN002.CMT", "Scen002.Dat", "units.cmt", "units.dat"}));
  EXPECT_EQ(again, Annotated);
  EXPECT_EQ(nameField, "Scen002.Dat -> Second");

  const std::string chosen = Folder + "Scen002.Dat";
  EXPECT_EQ(rig.FileForm().ChosenFile(), chosen);
  EXPECT_EQ(rig.FileForm().FileNameEdit->text(), QString::fromStdString(chosen));
  EXPECT_EQ(rig.Doc().CurrentFile, chosen);
  EXPECT_EQ(rig.Form1().FileLbl->text(), "Edit(QRL): " + QString::fromStdString(chosen).toLower());
  EXPECT_EQ(rig.Form1().SideButtons[0]->text(), "USA");
  EXPECT_EQ(rig.Log.Entries(), OobWarnings(Folder, {"OOB12", "OOB81"}));  // the folder holds no OOB file
}

TEST_F(FileFormTest, FoldersAreEnteredByDoubleClickAndLeftByTheParentItem) {
  QrlEdRig rig(StartUpIn(Folder));
  std::vector<QString> folders, inside, back;
  QString insideLabel;
  rig.Answers.Then([&](TFileForm& form) {
    folders = ItemTexts(*form.Directory);
    auto open = [&](const QString& name) {
      QListWidgetItem* item = form.Directory->findItems(name, Qt::MatchExactly).value(0);
      ASSERT_NE(item, nullptr);
      // Through the window system, which makes a double click of two clicks.
      const QPoint at = form.Directory->visualItemRect(item).center();
      QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, form.Directory->viewport()->mapTo(&form, at));
    };
    open("maps");
    insideLabel = form.DirectoryLbl->text();
    inside = ItemTexts(*form.FileList);
    open("..");
    back = ItemTexts(*form.FileList);
    open("maps");
    FileFormAnswers::Choose("SCEN003.DAT -> ")(form);
  });
  rig.Form1().LoadQRLSave1Click();
  EXPECT_EQ(folders, std::vector<QString>({"..", "maps"}));
  EXPECT_EQ(insideLabel, QString::fromStdString(Folder + "maps/"));
  EXPECT_EQ(inside, std::vector<QString>({"SCEN003.DAT -> "}));
  EXPECT_EQ(back, Annotated);
  EXPECT_EQ(rig.Doc().CurrentFile, Folder + "maps/SCEN003.DAT");
  EXPECT_EQ(rig.Doc().SaveDir, Folder + "maps/");
}

TEST_F(FileFormTest, OkWithNothingChosenDoesNothingAndACancelledWindowKeepsTheDocumentOnTheFirstSide) {
  QrlEdRig rig(StartUpIn(Folder, Folder + "SCEN001.DAT"));
  rig.ClickSide(1);
  rig.Type(4, 1, "99");  // not stored: the cancelled load refills the grid from the records
  bool openAfterOk = false;
  rig.Answers.Then([&](TFileForm& form) {
    ASSERT_EQ(form.FileList->currentRow(), -1);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    openAfterOk = form.isVisible();
    form.close();  // the title bar's close box
  });
  rig.Form1().LoadQRLSave1Click();
  EXPECT_TRUE(openAfterOk);
  EXPECT_EQ(rig.Answers.Showings(), 1);
  EXPECT_EQ(rig.Doc().CurrentFile, Folder + "SCEN001.DAT");
  EXPECT_EQ(rig.Form1().SideIndex(), 0);
  EXPECT_EQ(rig.ShownCell(0, 1), "0");
  EXPECT_EQ(rig.ShownCell(2, 1), "Pz IV 1");
  EXPECT_EQ(rig.Form1().SideButtons[1]->text(), "Soviet Union");
  // The command-line load and the one left without a file each read the names.
  const auto twice = OobWarnings(Folder, {"OOB70", "OOB81", "OOB70", "OOB81"});
  EXPECT_EQ(rig.Log.Entries(), twice);

  rig.Answers.Then(FileFormAnswers::PressCancel());
  rig.Form1().LoadQRLSave1Click();
  EXPECT_EQ(rig.Answers.Showings(), 2);
  EXPECT_EQ(rig.Doc().CurrentFile, Folder + "SCEN001.DAT");
  rig.ClickSide(1);
  EXPECT_EQ(rig.ShownCell(4, 1), "64");
}

// A name typed into the field is cut after its first "." and three
// characters and found case-blind; Return is "OK"; the reader reports a name
// that does not open, and the document stays.
TEST_F(FileFormTest, ATypedNameIsTakenByTheOkRule) {
  struct Case {
    const char* Typed;
    std::string Loaded;  // empty: "Couldn't open save file"
  };
  const Case cases[] = {
      {"scen002.dat", "Scen002.Dat"},
      {"SCEN001.DAT -> Attack", "SCEN001.DAT"},
      {"scen.old.dat", ""},
      {"nosuch.dat", ""},
      {"noext", ""},
  };
  PutOobFiles(Folder);  // so that every load shows only its own boxes
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    QrlEdRig rig(StartUpIn(Folder, Folder + "units.dat"));
    rig.Answers.Then([&](TFileForm& form) {
      form.FileList->setCurrentRow(0);
      form.FileNameEdit->clear();
      QTest::keyClicks(form.FileNameEdit, c.Typed);
      QTest::keyClick(form.FileNameEdit, Qt::Key_Return);
    });
    rig.Form1().LoadQRLSave1Click();
    if (c.Loaded.empty()) {
      EXPECT_EQ(rig.Log.Entries(), Boxes({{"Couldn't open save file", "Error"}}));
      EXPECT_EQ(rig.Doc().CurrentFile, Folder + "units.dat");
    } else {
      EXPECT_TRUE(rig.Log.Entries().empty());
      EXPECT_EQ(rig.Doc().CurrentFile, Folder + c.Loaded);
      EXPECT_EQ(rig.FileForm().FileNameEdit->text(), QString::fromStdString(Folder + c.Loaded));
    }
  }
}

// A named pipe where a comment file or a game file is expected is a file
// that does not open: the command-line load, the listing and the windowed
// load go on at once without its comment, and the pipe is not listed.
TEST(NamedPipeTest, APipeNamedLikeACommentOrGameFileIsTakenAsAFileThatDoesNotOpen) {
  const std::string folder = qrl::test::MakeTempFolder("pipes");
  const std::string game = Put(folder, "SCEN001.DAT", TwoSides().Build());
  PutOobFiles(folder);
  qrl::test::NamedPipe comment(folder + "SCEN001.cmt");
  qrl::test::NamedPipe gameLike(folder + "scen002.dat");

  QrlEdRig rig(StartUpIn(folder, game));
  EXPECT_EQ(rig.Doc().CurrentFile, game);
  EXPECT_EQ(rig.Doc().CommentText, "");
  EXPECT_EQ(rig.ShownCell(2, 1), "Pz IV 1");

  std::vector<QString> listed;
  rig.Answers.Then([&](TFileForm& form) {
    listed = ItemTexts(*form.FileList);
    FileFormAnswers::Choose("SCEN001.DAT -> ")(form);
  });
  rig.Form1().LoadQRLSave1Click();
  EXPECT_EQ(listed, std::vector<QString>({"SCEN001.DAT -> "}));
  EXPECT_EQ(rig.Doc().CurrentFile, game);
  EXPECT_EQ(rig.Doc().CommentText, "");
  EXPECT_TRUE(rig.Log.Entries().empty());
  EXPECT_FALSE(comment.HadToUnblock());
  EXPECT_FALSE(gameLike.HadToUnblock());
}

}  // namespace
}  // namespace qrl::scenui::test
