// The four region commands of the Tools menu driven offscreen: the modal
// region dialog answered by clicking its buttons, the shared file dialogs
// through their script, the offscreen clipboard, and every box.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "gamefile/fileio.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/regiontext.h"
#include "mapeditor/ui/copyform.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/transferform.h"
#include "tests/mapeditor/ui/mapeditrig.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;
using test::Bytes;

// A 30 x 20 map whose hexes all differ.
map::MapDocument VariedMap() {
  map::MapDocument doc = sample::MakeBlankMap(30, 20);
  for (int c = 0; c < 30; ++c)
    for (int r = 0; r < 20; ++r) {
      doc.SetTileWordAt(2, c, r, uint16_t(c * 100 + r));
      doc.SetHexByteAt(c, r, uint8_t(c + r));
      doc.MapHexRecordAt(c, r)[0] = uint8_t(c);
      doc.TileStackAt(c, r)[0] = uint8_t(r);
    }
  return doc;
}

// How the region dialog looked when it was answered.
struct DialogSeen {
  bool Shown = false;
  QString Caption, Button;
  bool BottomRightShown = false;
  QString X1;
};

class RegionCommandsTest : public MapEditRig {
 protected:
  RegionCommandsTest() : MapEditRig("region") {}

  void SetUp() override {
    MapEditRig::SetUp();
    Main->CopyForm = &CopyForm;
    QGuiApplication::clipboard()->setText("before");
  }

  void Load(const map::MapDocument& doc) {
    MapEditRig::Load(doc);
    ASSERT_EQ(Doc.MapKind, map::CurrentMapKind);
  }

  // Runs `command` with the region dialog answered by typing the corners
  // (those given) and clicking `button` once it shows.
  DialogSeen Run(QAction* command, std::vector<QString> corners, QPushButton* button) {
    DialogSeen seen;
    QTimer::singleShot(0, &CopyForm, [&] {
      if (!CopyForm.isVisible()) return;
      seen.Shown = true;
      seen.Caption = CopyForm.windowTitle();
      seen.Button = CopyForm.CopyBtn->text();
      seen.BottomRightShown = CopyForm.BRLbl->isVisible() && CopyForm.X1Edit->isVisible() && CopyForm.Y1Edit->isVisible();
      seen.X1 = CopyForm.X1Edit->text();
      QLineEdit* edits[] = {CopyForm.X0Edit, CopyForm.Y0Edit, CopyForm.X1Edit, CopyForm.Y1Edit};
      for (size_t i = 0; i < corners.size(); ++i) edits[i]->setText(corners[i]);
      QTest::mouseClick(button, Qt::LeftButton);
    });
    command->trigger();
    QCoreApplication::processEvents();  // a dialog that never showed leaves its answer unused
    return seen;
  }
  DialogSeen Copy(QAction* command, std::vector<QString> corners) { return Run(command, corners, CopyForm.CopyBtn); }

  QString Clipboard() const { return QGuiApplication::clipboard()->text(); }
  void SetClipboard(const std::string& text) { QGuiApplication::clipboard()->setText(Q(text)); }
  std::string ReadText(const std::string& path) const {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(none)");
  }

  TCopyForm CopyForm;
};

TEST_F(RegionCommandsTest, TheDialogCarriesItsNamesAndShowsEachCommandsCaptions) {
  EXPECT_EQ(CopyForm.windowTitle(), "Copy");
  struct Named {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
  };
  const Named named[] = {
      {&CopyForm, "CopyForm", "Copy"},          {CopyForm.X0Edit, "X0Edit", "X0Edit"},
      {CopyForm.Y0Edit, "Y0Edit", "Y0Edit"},    {CopyForm.X1Edit, "X1Edit", "X1Edit"},
      {CopyForm.Y1Edit, "Y1Edit", "Y1Edit"},    {CopyForm.CopyBtn, "CopyBtn", "Copy"},
      {CopyForm.CancelBtn, "CancelBtn", "Cancel"},
  };
  for (const Named& n : named) {
    EXPECT_EQ(n.Control->objectName(), n.Name);
    EXPECT_EQ(n.Control->accessibleName(), n.Accessible);
  }
  EXPECT_EQ(CopyForm.findChild<QLabel*>("Label1")->text(), "Top-Left (x,y)");
  EXPECT_EQ(CopyForm.findChild<QLabel*>("BRLbl")->text(), "Bottom-Right (x,y)");
  for (QLineEdit* edit : {CopyForm.X0Edit, CopyForm.Y0Edit, CopyForm.X1Edit, CopyForm.Y1Edit}) EXPECT_EQ(edit->text(), "0");
  EXPECT_EQ(CopyForm.CancelBtn->text(), "Cancel");

  Load(VariedMap());
  struct Command {
    QAction* Action;
    const char* Caption;
    const char* Button;
    bool BottomRight;
  };
  const Command commands[] = {
      {Main->CopyToFile1, "Copy->File", "Copy", true},
      {Main->CopyToClopboard1, "Copy->File", "Copy", true},
      {Main->PasteFromFile1, "Paste", "Paste", false},
      {Main->PasteFromClipboard1, "Paste", "Paste", false},
  };
  forms::DialogScript script;
  for (const Command& c : commands) {
    SCOPED_TRACE(c.Caption);
    const DialogSeen seen = Run(c.Action, {"3", "4", "5"}, CopyForm.CancelBtn);
    ASSERT_TRUE(seen.Shown);
    EXPECT_EQ(seen.Caption, c.Caption);
    EXPECT_EQ(seen.Button, c.Button);
    EXPECT_EQ(seen.BottomRightShown, c.BottomRight);
    EXPECT_EQ(CopyForm.accessibleName(), c.Caption);
    EXPECT_EQ(CopyForm.CopyBtn->accessibleName(), c.Button);
  }
  // Cancelled: no file dialog, nothing changed; the edits keep what was typed.
  EXPECT_TRUE(script.Calls().empty());
  EXPECT_EQ(Clipboard(), "before");
  EXPECT_EQ(CopyForm.X0Edit->text(), "3");
  EXPECT_EQ(CopyForm.X1Edit->text(), "5");
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(RegionCommandsTest, CopiesToAFileAndToTheClipboardGiveTheSameCharacters) {
  Load(VariedMap());
  Main->SaveDialog1.SetTitle("Left by another command");
  Main->SaveDialog1.SetFilter("Maps|*.dat");
  Main->SaveDialog1.SetDefaultExt("dat");
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "region.txt"));
    Copy(Main->CopyToFile1, {"2", "3", "4", "5"});
    ASSERT_EQ(script.Calls().size(), 1u);
    EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Save);
    EXPECT_EQ(script.Calls()[0].Title, "Left by another command");
    EXPECT_EQ(script.Calls()[0].Filter, "Maps|*.dat");
    EXPECT_EQ(script.Calls()[0].DefaultExt, "dat");
  }
  const std::string file = ReadText(Folder + "region.txt");
  EXPECT_EQ(file, map::RegionText(Doc, {2, 3, 4, 5}));
  EXPECT_EQ(file.size(), 13u + 190u * 9u);
  EXPECT_EQ(file.substr(0, 13), "  4   3   3\r\n");

  Copy(Main->CopyToClopboard1, {"2", "3", "4", "5"});
  EXPECT_EQ(Clipboard().toStdString(), file);
  EXPECT_FALSE(Clipboard().contains(QChar(0)));

  // One hex: 203 characters.
  Copy(Main->CopyToClopboard1, {"29", "19", "29", "19"});
  EXPECT_EQ(Clipboard().size(), 203);
  EXPECT_TRUE(Clipboard().endsWith("\r\n"));
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(RegionCommandsTest, PastesWriteTheHexesInsideTheMapWithoutUndo) {
  Load(VariedMap());
  Copy(Main->CopyToClopboard1, {"0", "0", "1", "1"});
  const std::string text = Clipboard().toStdString();
  const map::MapDocument source = VariedMap();
  test::WriteFile(Folder + "region.txt", Bytes(text.begin(), text.end()));

  // The inspection window shows the target hex and keeps it until activated.
  Main->Mouse.HexCol = 29;
  Main->Mouse.HexRow = 19;
  Main->InspectionMode1->Action()->trigger();
  ASSERT_EQ(HexEdit->S29Edit->text(), "48");
  HexEdit->WatchEvent(QEvent(QEvent::WindowActivate));

  Main->SaveUndoHex(3, 3);
  const DialogSeen seen = Copy(Main->PasteFromClipboard1, {"29", "19"});
  EXPECT_FALSE(seen.BottomRightShown);
  EXPECT_EQ(seen.X1, "1");  // hidden, keeping its text
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  EXPECT_EQ(Doc.TileWordAt(2, 29, 19), source.TileWordAt(2, 0, 0));
  EXPECT_EQ(Doc.HexByteAt(29, 19), 0);
  EXPECT_EQ(Doc.TileWordAt(2, 28, 19), source.TileWordAt(2, 28, 19));  // outside the region
  EXPECT_EQ(HexEdit->S29Edit->text(), "48");
  Main->WatchEvent(QEvent(QEvent::WindowActivate));
  HexEdit->WatchEvent(QEvent(QEvent::WindowActivate));
  EXPECT_EQ(HexEdit->S29Edit->text(), "0");

  // Through a file, at the map's corner: only the hexes inside are written.
  Main->OpenDialog1.SetTitle("Left by another command");
  Main->SaveUndoHex(3, 3);
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "region.txt"));
    Copy(Main->PasteFromFile1, {"29", "18"});
    ASSERT_EQ(script.Calls().size(), 1u);
    EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
    EXPECT_EQ(script.Calls()[0].Title, "Left by another command");
  }
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  // The second hex of each row falls outside; its line is read and dropped.
  for (int dr = 0; dr < 2; ++dr) {
    EXPECT_EQ(Doc.TileWordAt(2, 29, 18 + dr), source.TileWordAt(2, 0, dr));
    EXPECT_EQ(Doc.MapHexRecordAt(29, 18 + dr)[0], 0);
    EXPECT_EQ(Doc.TileStackAt(29, 18 + dr)[0], dr);
  }
  EXPECT_EQ(Doc.TileWordAt(2, 28, 18), source.TileWordAt(2, 28, 18));

  // A paste wholly outside the map stores nothing and keeps Undo.
  Main->SaveUndoHex(3, 3);
  const std::vector<uint8_t> before = Doc.MapFileBuf;
  Copy(Main->PasteFromClipboard1, {"2147483600", "0"});
  EXPECT_TRUE(Doc.MapFileBuf == before);
  EXPECT_TRUE(Main->UndoBtn->isEnabled());
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(RegionCommandsTest, EveryBox) {
  const std::vector<uint8_t> empty = Doc.MapFileBuf;
  // Before any load: the copies refuse before a file is made or the
  // clipboard touched; a pasted text finds no hex to write.
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "early.txt"));
    Copy(Main->CopyToFile1, {"0", "0", "1", "1"});
    Copy(Main->CopyToClopboard1, {"0", "0", "1", "1"});
  }
  EXPECT_FALSE(std::filesystem::exists(Folder + "early.txt"));
  EXPECT_EQ(Clipboard(), "before");
  SetClipboard("  4   1   1\r\n" + std::string(188, '1') + "\r\n");
  Copy(Main->PasteFromClipboard1, {"0", "0"});
  EXPECT_TRUE(Doc.MapFileBuf == empty);

  Load(VariedMap());
  const std::vector<uint8_t> loaded = Doc.MapFileBuf;
  test::WriteFile(Folder + "empty.txt", {});
  test::WriteFile(Folder + "other.txt", Bytes{'h', 'e', 'x', '\r', '\n'});
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "no such folder/region.txt"));  // copy file
    script.Choose(Q(Folder + "missing.txt"));                 // paste file
    script.Choose(Q(Folder + "empty.txt"));
    script.Choose(Q(Folder + "other.txt"));
    Copy(Main->CopyToFile1, {"0", "0", "1", "1"});
    Copy(Main->PasteFromFile1, {"0", "0"});
    Copy(Main->PasteFromFile1, {"0", "0"});
    Copy(Main->PasteFromFile1, {"0", "0"});
    EXPECT_EQ(script.AnswersLeft(), 0);
  }
  // Regions that reach outside the map, and an empty one that says nothing.
  SetClipboard("before");
  for (std::vector<QString> corners : std::vector<std::vector<QString>>{
           {"0", "0", "30", "0"}, {"-1", "0", "0", "0"}, {"-2147483647", "-2147483647", "2147483647", "2147483647"},
           {"5", "5", "4", "5"}, {"2147483647", "0", "-2147483647", "0"}})
    Copy(Main->CopyToClopboard1, corners);
  EXPECT_EQ(Clipboard(), "before");

  // The clipboard: no text (also an empty one) before the dialog, a bad
  // header after it.
  DialogSeen noText[2];
  QGuiApplication::clipboard()->clear();
  noText[0] = Copy(Main->PasteFromClipboard1, {"0", "0"});
  auto* image = new QMimeData;
  image->setData("application/x-other", "bytes");
  QGuiApplication::clipboard()->setMimeData(image);
  noText[1] = Copy(Main->PasteFromClipboard1, {"0", "0"});
  EXPECT_FALSE(noText[0].Shown);
  EXPECT_FALSE(noText[1].Shown);
  // A text copied before any load (kind 0), a whole 100 x 80 map, no header.
  for (const std::string& text : {std::string("  0   1   1\r\n") + std::string(188, '1') + "\r\n",
                                  map::RegionText(Doc, {0, 0, 29, 19}).replace(4, 7, "100  80"), std::string("junk")}) {
    SetClipboard(text);
    EXPECT_TRUE(Copy(Main->PasteFromClipboard1, {"0", "0"}).Shown);
  }
  // Edits that are no number: the corners are read X0, X1, Y0, Y1.
  Copy(Main->CopyToClopboard1, {"0", "abc", "xyz", "0"});
  EXPECT_TRUE(Doc.MapFileBuf == loaded);

  struct Box {
    BoxKind Kind;
    const char* Text;
    const char* Caption;
  };
  const Box expected[] = {
      {BoxKind::Message, "No map is loaded.", "Copy Aborted"},
      {BoxKind::Message, "No map is loaded.", "Copy Aborted"},
      {BoxKind::Message, "Could not open copy file.", "Error"},
      {BoxKind::Message, "Can't open Paste file", "Error"},
      {BoxKind::Message, "Data in Paste file is invalid", "Error"},
      {BoxKind::Message, "Data in Paste file is invalid", "Error"},
      {BoxKind::Message, "The region lies outside the map.", "Copy Aborted"},
      {BoxKind::Message, "The region lies outside the map.", "Copy Aborted"},
      {BoxKind::Message, "The region lies outside the map.", "Copy Aborted"},
      {BoxKind::Message, "The clipboard does not contain text.", "ClipBoard Paste Error"},
      {BoxKind::Message, "The clipboard does not contain text.", "ClipBoard Paste Error"},
      {BoxKind::Message, "Data on clipboard is invalid", "Clipboard Paste Error"},
      {BoxKind::Message, "Data on clipboard is invalid", "Clipboard Paste Error"},
      {BoxKind::Message, "Data on clipboard is invalid", "Clipboard Paste Error"},
      {BoxKind::Exception, "'xyz' is not a valid integer value", ""},
  };
  ASSERT_EQ(Boxes.Entries().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Boxes.Entries()[i].Kind, expected[i].Kind);
    EXPECT_EQ(Boxes.Entries()[i].Text, expected[i].Text);
    if (expected[i].Kind == BoxKind::Message) {
      EXPECT_EQ(Boxes.Entries()[i].Caption, expected[i].Caption);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Folder + "no such folder"));

  // Through a file the kind is not looked at: the whole map of kind 0 pastes
  // one column to the right.
  Boxes.Clear();
  const std::string whole = map::RegionText(Doc, {0, 0, 29, 19}).replace(0, 3, "  0");
  test::WriteFile(Folder + "whole.txt", Bytes(whole.begin(), whole.end()));
  forms::DialogScript script;
  script.Choose(Q(Folder + "whole.txt"));
  Copy(Main->PasteFromFile1, {"1", "0"});
  const map::MapDocument source = VariedMap();
  EXPECT_EQ(Doc.TileWordAt(2, 1, 0), source.TileWordAt(2, 0, 0));
  EXPECT_EQ(Doc.TileWordAt(2, 29, 19), source.TileWordAt(2, 28, 19));
  EXPECT_EQ(Doc.TileWordAt(2, 0, 0), source.TileWordAt(2, 0, 0));
  EXPECT_TRUE(Boxes.Entries().empty());
}

}  // namespace
}  // namespace qrl::mapui
