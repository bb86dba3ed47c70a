#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "forms/filedialogs.h"

namespace qrl::forms {
namespace {

TEST(QtNameFiltersTest, ConvertsTheFrameworksFilterForm) {
  struct Case {
    const char* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"Maps (*.dat)|*.dat|All Files (*.*)| *.*", {"Maps (*.dat) (*.dat)", "All Files (*.*) (*)"}},
      {"Dice Data (*.txt;*.kxe)|*.txt;*.kxe", {"Dice Data (*.txt;*.kxe) (*.txt *.kxe)"}},
      {"Section Dump (*.s*)|*.s*|All Files (*.*)|*.*", {"Section Dump (*.s*) (*.s*)", "All Files (*.*) (*)"}},
      {"Both| *.a ; *.* ", {"Both (*.a *)"}},
      {"", {}},
      {"Lonely description", {}},
      {"Text|*.txt|No pattern", {"Text (*.txt)"}},
      // An empty part ends the list.
      {"Empty pattern||Text|*.txt", {}},
      {"Text/KXEd (*.txt,*.kxe)| *.txt;*.kxe||All Files *.*|*.*", {"Text/KXEd (*.txt,*.kxe) (*.txt *.kxe)"}},
      {"A|*.a|", {"A (*.a)"}},
  };
  for (const Case& c : cases) EXPECT_EQ(QtNameFilters(QString::fromLatin1(c.filter)), c.expected) << c.filter;
}

TEST(WithDefaultExtTest, AppendsOnlyToANameWithoutExtension) {
  struct Case {
    const char* path;
    const char* ext;
    const char* expected;
  };
  const Case cases[] = {
      {"/maps/region", "txt", "/maps/region.txt"},
      {"/maps/region.txt", "dat", "/maps/region.txt"},
      {"/maps.old/region", "dat", "/maps.old/region.dat"},  // a dot in the folder is no extension
      {"/maps/region.", "dat", "/maps/region."},
      {"/maps/region", "", "/maps/region"},
      {"/maps/", "dat", "/maps/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithDefaultExt(QString::fromLatin1(c.path), QString::fromLatin1(c.ext)), QString::fromLatin1(c.expected))
        << c.path;
  }
}

TEST(FileDialogTest, StartsInTheFileNamesFolderElseInTheInitialDir) {
  SaveDialog dialog(nullptr);
  dialog.SetInitialDir("/games/");
  dialog.SetFileName("pzmap00.dat");
  EXPECT_EQ(dialog.StartFolder(), "/games/");
  dialog.SetFileName("/saves/scen012.dat");
  EXPECT_EQ(dialog.StartFolder(), "/saves/");
}

TEST(DialogScriptTest, PropertiesPersistBetweenCommands) {
  QTemporaryDir dir;
  SaveDialog dialog(nullptr);
  DialogScript script;
  script.Choose(dir.filePath("first.jpg")).Choose("second");
  // One command sets title, filter and extension ...
  dialog.SetTitle("Save Map Quadrant As JPEG Image");
  dialog.SetFilter("JPEG file (*.jpg)|*.jpg|All Files (*.*)|*.*");
  dialog.SetDefaultExt("jpg");
  ASSERT_TRUE(dialog.Execute());
  // ... the next sets nothing and shows what the last one left.
  ASSERT_TRUE(dialog.Execute());
  ASSERT_EQ(script.Calls().size(), 2u);
  const DialogCall& second = script.Calls()[1];
  EXPECT_EQ(second.Kind, DialogKind::Save);
  EXPECT_EQ(second.Title, "Save Map Quadrant As JPEG Image");
  EXPECT_EQ(second.Filter, "JPEG file (*.jpg)|*.jpg|All Files (*.*)|*.*");
  EXPECT_EQ(second.DefaultExt, "jpg");
  EXPECT_EQ(second.FileName, dir.filePath("first.jpg"));
  // A typed name is taken in the start folder and gets the default extension.
  EXPECT_EQ(dialog.FileName(), dir.filePath("second.jpg"));
}

TEST(DialogScriptTest, CancelChangesNothing) {
  OpenDialog dialog(nullptr);
  dialog.SetFileName("/games/a.dat");
  DialogScript script;
  script.Cancel();
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "/games/a.dat");
  EXPECT_FALSE(dialog.Execute());  // no answer left: cancelled too
  EXPECT_EQ(script.Calls().size(), 2u);
  EXPECT_EQ(script.Calls()[0].Kind, DialogKind::Open);
  EXPECT_EQ(script.AnswersLeft(), 0);
}

// An empty file at `path`; false when it cannot be made.
bool MakeFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly);
}

TEST(DialogScriptTest, RecordsWhenTheSaveDialogWouldAskBeforeOverwriting) {
  QTemporaryDir dir;
  QString existing = dir.filePath("old.dat");
  ASSERT_TRUE(MakeFile(existing));

  SaveDialog dialog(nullptr);
  EXPECT_TRUE(dialog.OverwritePrompt());
  dialog.SetDefaultExt("dat");
  DialogScript script;
  script.Choose(dir.filePath("old")).Choose(dir.filePath("new.dat")).Choose(existing);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_TRUE(dialog.Execute());
  dialog.SetOverwritePrompt(false);
  EXPECT_TRUE(dialog.Execute());
  ASSERT_EQ(script.Calls().size(), 3u);
  EXPECT_TRUE(script.Calls()[0].AskedOverwrite);  // "old" became old.dat, which exists
  EXPECT_FALSE(script.Calls()[1].AskedOverwrite);
  EXPECT_FALSE(script.Calls()[2].AskedOverwrite);

  OpenDialog open(nullptr);
  script.Choose(existing);
  EXPECT_TRUE(open.Execute());
  EXPECT_FALSE(script.Calls().back().AskedOverwrite);
}

// The real Qt dialog, answered from inside its modal loop.
template <class Answer>
void AnswerNextDialog(Answer answer) {
  QTimer::singleShot(0, [answer] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* shown = qobject_cast<QFileDialog*>(window); shown && shown->isVisible()) {
        answer(*shown);
        return;
      }
    }
    ADD_FAILURE() << "no file dialog shown";
  });
}

TEST(FileDialogTest, TheShownOpenDialogCarriesThePropertiesAndReturnsTheFullPath) {
  QTemporaryDir dir;
  QString path = dir.filePath("scen001.dat");
  ASSERT_TRUE(MakeFile(path));

  OpenDialog dialog(nullptr);
  dialog.SetTitle("Pick KX3 Map to Convert");
  dialog.SetFilter("Maps (*.dat)|*.dat|All Files (*.*)| *.*");
  dialog.SetInitialDir(dir.path() + "/");
  QString title, folder;
  QStringList filters;
  bool native = true;
  AnswerNextDialog([&](QFileDialog& shown) {
    title = shown.windowTitle();
    folder = shown.directory().absolutePath();
    filters = shown.nameFilters();
    native = !shown.testOption(QFileDialog::DontUseNativeDialog);
    shown.selectFile("scen001.dat");
    static_cast<QDialog&>(shown).accept();  // QFileDialog::accept checks the name as OK does
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(title, "Pick KX3 Map to Convert");
  EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(filters, QStringList({"Maps (*.dat) (*.dat)", "All Files (*.*) (*)"}));
  EXPECT_FALSE(native);
  EXPECT_EQ(dialog.FileName(), QFileInfo(path).absoluteFilePath());
}

TEST(FileDialogTest, TheShownSaveDialogAddsTheDefaultExtensionAndCancelKeepsTheName) {
  QTemporaryDir dir;
  SaveDialog dialog(nullptr);
  dialog.SetDefaultExt("txt");
  dialog.SetFileName(dir.path() + "/region");
  QString offered;
  AnswerNextDialog([&](QFileDialog& shown) {
    offered = shown.selectedFiles().value(0);
    static_cast<QDialog&>(shown).accept();  // QFileDialog::accept checks the name as OK does
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(QFileInfo(offered).fileName().left(6), "region");
  EXPECT_EQ(dialog.FileName(), QDir(dir.path()).absoluteFilePath("region.txt"));

  AnswerNextDialog([](QFileDialog& shown) { shown.reject(); });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), QDir(dir.path()).absoluteFilePath("region.txt"));
}

}  // namespace
}  // namespace qrl::forms
