// The SDTS window driven offscreen: elevation files through the dialog seam,
// the mouse labels, lakes, bands, the saved bitmap and every refusal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/ui/pictureimage.h"
#include "mapeditor/ui/sdts.h"
#include "tests/support/demfilebuilder.h"

namespace qrl::mapui {
namespace {

using Rows = std::vector<std::vector<int16_t>>;
using forms::BoxKind;

QString Q(const std::string& text) { return QString::fromStdString(text); }

class SdtsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TSDTS>(Q(ProgramDir));
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }

  std::string WriteDem(const std::string& name, const Rows& rows, test::DemLayout layout = test::DemLayout::ShortRecords,
                       std::string_view format = "(B(16))") {
    test::WriteFile(DemFolder + name, test::BuildDemFile(rows, layout, format));
    return DemFolder + name;
  }

  void Load(const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    QTest::mouseClick(Form->LoadDDFBtn, Qt::LeftButton);
  }

  // The labels, limits and picture that a refused load must leave alone.
  struct Shown {
    QString Max, Min, L0, L1, L2;
    QImage Picture;
    bool operator==(const Shown&) const = default;
  };
  Shown Snapshot() const {
    return {Form->MaxAltLbl->text(), Form->MinAltLbl->text(), Form->Lvl0Edit->text(),
            Form->Lvl1Edit->text(),  Form->Lvl2Edit->text(),  Form->AltMapImg->Picture()};
  }

  void ExpectOneBox(const QString& text, BoxKind kind = BoxKind::Message, const QString& caption = "Error") {
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Kind, kind);
    EXPECT_EQ(Boxes.Entries()[0].Text, text);
    EXPECT_EQ(Boxes.Entries()[0].Caption, caption);
  }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;
  std::string ProgramDir = test::MakeTempFolder("sdts-program");
  std::string DemFolder = test::MakeTempFolder("sdts-dem");
  std::unique_ptr<TSDTS> Form;
};

TEST_F(SdtsTest, StartsWithItsControlsNamedAndSet) {
  EXPECT_EQ(Form->windowTitle(), "SDTS");
  EXPECT_EQ(Form->size(), QSize(595, 480));
  EXPECT_EQ(Form->AltMapImg->size(), QSize(377, 441));
  EXPECT_EQ(Form->DemLastDir, Q(ProgramDir));
  EXPECT_EQ(Form->StatusLbl->text(), "Ok");
  EXPECT_FALSE(Form->LakeMode);
  struct Named {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
    const char* Text;
  };
  const Named named[] = {
      {Form->LoadDDFBtn, "LoadDDFBtn", "Load DDF", "Load DDF"}, {Form->SaveBtn, "SaveBtn", "Save Bmp", "Save Bmp"},
      {Form->MaxAltLbl, "MaxAltLbl", "MaxAltLbl", "Max"},       {Form->MinAltLbl, "MinAltLbl", "MinAltLbl", "Min"},
      {Form->Lvl0Edit, "Lvl0Edit", "Lvl0Edit", "0"},            {Form->Lvl1Edit, "Lvl1Edit", "Lvl1Edit", "0"},
      {Form->Lvl2Edit, "Lvl2Edit", "Lvl2Edit", "0"},            {Form->ConvertBtn, "ConvertBtn", "Convert", "Convert"},
      {Form->XLbl, "XLbl", "XLbl", "0"},                        {Form->YLbl, "YLbl", "YLbl", "0"},
      {Form->AltitudeLbl, "AltitudeLbl", "AltitudeLbl", "0"},   {Form->LakeBtn, "LakeBtn", "Make Lake", "Make Lake"},
      {Form->StatusLbl, "StatusLbl", "StatusLbl", "Ok"},        {Form->AltMapImg, "AltMapImg", "AltMapImg", nullptr},
      {Form.get(), "SDTS", "SDTS", nullptr},
  };
  for (const Named& n : named) {
    SCOPED_TRACE(n.Name);
    EXPECT_EQ(n.Control->objectName(), n.Name);
    EXPECT_EQ(n.Control->accessibleName(), n.Accessible);
    if (!n.Text) continue;
    if (auto* label = qobject_cast<QLabel*>(n.Control)) {
      EXPECT_EQ(label->text(), n.Text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(n.Control)) {
      EXPECT_EQ(edit->text(), n.Text);
    } else if (auto* button = qobject_cast<QPushButton*>(n.Control)) {
      EXPECT_EQ(button->text(), n.Text);
    }
  }
  const auto labels = Form->findChildren<QLabel*>();
  for (const char* text : {"Lvl 0 <", "Lvl 1 <", "Lvl 2 <", "X       Y     Alt."})
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; })) << text;
}

TEST_F(SdtsTest, LoadingShowsTheValuesTheirRangeAndLimits) {
  const std::string path = WriteDem("1107CEL0.DDF", {{120, 0}, {-32, 480}});
  forms::DialogScript script;
  script.Choose(Q(path));
  Form->LoadDDFBtnClick();
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
  EXPECT_EQ(script.Calls()[0].InitialDir, Q(ProgramDir));
  EXPECT_EQ(script.Calls()[0].Filter, "Elevation files (*cel0.ddf)|*[cC][eE][lL]0.[dD][dD][fF]|All files (*.*)|*.*");
  EXPECT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Form->MaxAltLbl->text(), "Max 480");
  EXPECT_EQ(Form->MinAltLbl->text(), "Min 120");
  EXPECT_EQ(Form->Lvl0Edit->text(), "210");
  EXPECT_EQ(Form->Lvl1Edit->text(), "300");
  EXPECT_EQ(Form->Lvl2Edit->text(), "390");
  EXPECT_EQ(Form->AltMapImg->size(), QSize(2, 2));
  EXPECT_EQ(Form->AltMapImg->Picture().pixel(1, 1), qRgb(180, 180, 180));
  EXPECT_EQ(Form->AltMapImg->Picture().pixel(0, 1), qRgb(0, 0, 0));
  EXPECT_EQ(Form->DemLastDir, Q(DemFolder));

  // The next dialog starts in the file's folder.
  forms::DialogScript again;
  again.Cancel();
  Form->LoadDDFBtnClick();
  ASSERT_EQ(again.Calls().size(), 1u);
  EXPECT_EQ(again.Calls()[0].InitialDir, Q(DemFolder));
  EXPECT_EQ(again.Calls()[0].FileName, "1107CEL0.DDF");
  EXPECT_EQ(Form->MaxAltLbl->text(), "Max 480");
}

TEST_F(SdtsTest, TheMouseShowsPositionAndValueInsideThePictureOnly) {
  Load(WriteDem("a.ddf", test::DemPattern(30, 20), test::DemLayout::ReusedLayout));
  QTest::mouseMove(Form->AltMapImg, QPoint(7, 3));
  EXPECT_EQ(Form->XLbl->text(), "7");
  EXPECT_EQ(Form->YLbl->text(), "3");
  EXPECT_EQ(Form->AltitudeLbl->text(), QString::number(100 + (7 * 7 + 3 * 13) % 900));
  for (QPoint outside : {QPoint(-1, 2), QPoint(30, 0), QPoint(0, 20), QPoint(500, 500)}) {
    Form->AltMapImgMouseMove(outside.x(), outside.y());
    EXPECT_EQ(Form->XLbl->text(), "7");
    EXPECT_EQ(Form->YLbl->text(), "3");
  }
}

TEST_F(SdtsTest, ALakeIsMadeByTheNextPressOnThePicture) {
  Load(WriteDem("lake.ddf", {{150, 150, 151}, {149, 150, 151}, {150, 151, 150}}));
  // Without a picture nothing answers a press, armed or not.
  QTest::mouseClick(Form->LakeBtn, Qt::LeftButton);
  EXPECT_TRUE(Form->LakeMode);
  EXPECT_EQ(Form->StatusLbl->text(), "Click Lake");
  Form->AltMapImgMouseDown(3, 0);
  Form->AltMapImgMouseDown(-1, 0);
  EXPECT_TRUE(Form->LakeMode);
  EXPECT_EQ(Form->StatusLbl->text(), "Click Lake");

  QTest::mousePress(Form->AltMapImg, Qt::RightButton, {}, QPoint(0, 0));
  EXPECT_FALSE(Form->LakeMode);
  EXPECT_EQ(Form->StatusLbl->text(), "             ");
  const QImage& picture = Form->AltMapImg->Picture();
  const bool lake[3][3] = {{1, 1, 0}, {0, 1, 0}, {1, 0, 1}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(picture.pixel(x, y) == map::LakeColour, lake[y][x]) << x << "," << y;
  // Disarmed: a further press changes nothing.
  const QImage before = picture;
  QTest::mousePress(Form->AltMapImg, Qt::LeftButton, {}, QPoint(2, 0));
  EXPECT_EQ(Form->AltMapImg->Picture(), before);
}

TEST_F(SdtsTest, ConvertBandsThePictureAndABadLimitRecoloursNothing) {
  Load(WriteDem("bands.ddf", {{199, 200, 399, 400, 10}}));
  Form->LakeBtnClick();
  Form->AltMapImgMouseDown(4, 0);
  Form->Lvl0Edit->setText("200");
  Form->Lvl1Edit->setText("300");
  Form->Lvl2Edit->setText("400");
  QTest::mouseClick(Form->ConvertBtn, Qt::LeftButton);
  const QImage& picture = Form->AltMapImg->Picture();
  const int greys[] = {100, 140, 180, 220};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(picture.pixel(x, 0), qRgb(greys[x], greys[x], greys[x])) << x;
  EXPECT_EQ(picture.pixel(4, 0), map::LakeColour);

  const QImage before = picture;
  Form->Lvl0Edit->setText("0");
  Form->Lvl2Edit->setText("4x");
  QTest::mouseClick(Form->ConvertBtn, Qt::LeftButton);
  ExpectOneBox("'4x' is not a valid integer value", BoxKind::Exception, QCoreApplication::applicationName());
  EXPECT_EQ(Form->AltMapImg->Picture(), before);
}

TEST_F(SdtsTest, SavesThePictureAsA24BitBitmap) {
  forms::DialogScript none;
  QTest::mouseClick(Form->SaveBtn, Qt::LeftButton);
  ExpectOneBox("No picture to save");
  EXPECT_TRUE(none.Calls().empty());
  Boxes.Clear();

  Load(WriteDem("save.ddf", test::DemPattern(5, 3)));
  const std::string target = DemFolder + "out";
  test::WriteFile(DemFolder + "out.bmp", {'o', 'l', 'd'});
  forms::DialogScript script;
  script.Choose(Q(target));
  QTest::mouseClick(Form->SaveBtn, Qt::LeftButton);
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Save);
  EXPECT_EQ(script.Calls()[0].Title, "Save Windows Bitmap");
  EXPECT_EQ(script.Calls()[0].DefaultExt, "bmp");
  EXPECT_EQ(script.Calls()[0].Filter, "Bitmaps (*.bmp)|*.[bB][mM][pP]|All files (*.*)|*.*");
  EXPECT_EQ(script.Calls()[0].InitialDir, Q(DemFolder));
  EXPECT_TRUE(script.Calls()[0].AskedOverwrite);
  EXPECT_TRUE(Boxes.Entries().empty());
  const auto saved = ReadWholeFile(target + ".bmp");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->size(), 102u);
  EXPECT_EQ(*saved, map::EncodeBmp24(Form->AltMapImg->Picture()));
  QImage reread;
  ASSERT_TRUE(reread.load(Q(target + ".bmp")));
  EXPECT_EQ(reread.convertToFormat(QImage::Format_RGB32), Form->AltMapImg->Picture());

  // A place that cannot be written: the box, and nothing else.
  forms::DialogScript bad;
  bad.Choose(Q(DemFolder + "no/such/folder/x.bmp"));
  Form->SaveBtnClick();
  ExpectOneBox("Could not open bmp file " + Q(DemFolder + "no/such/folder/x.bmp"));
}

TEST_F(SdtsTest, RefusedFilesLeaveTheLastGoodOneShown) {
  Load(WriteDem("good.ddf", test::DemPattern(4, 3)));
  Form->Lvl1Edit->setText("12345");  // typed by the user: stays too
  const Shown good = Snapshot();
  ASSERT_EQ(good.Picture.size(), QSize(4, 3));

  test::WriteFile(DemFolder + "text.ddf", {'h', 'e', 'l', 'l', 'o'});
  const std::string other = test::MakeTempFolder("sdts-other");
  struct Case {
    std::string Path;
    QString Text;
  };
  const Case cases[] = {
      {DemFolder + "missing.ddf", "Could not open DDF file"},
      {DemFolder, "Could not open DDF file"},
      {DemFolder + "text.ddf", "Not an SDTS elevation file"},
      {WriteDem("b32.ddf", {{1, 2}}, test::DemLayout::ShortRecords, "(B(32))"), "Elevation values are not 16-bit integers"},
      {WriteDem("tall.ddf", test::DemPattern(1, 4001), test::DemLayout::ReusedLayout),
       "Elevation file too large (at most 4000 x 4000 values)"},
      {WriteDem("wide.ddf", test::DemPattern(4001, 1)), "Elevation file too large (at most 4000 x 4000 values)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Path);
    Boxes.Clear();
    Load(c.Path);
    ExpectOneBox(c.Text);
    EXPECT_TRUE(Snapshot() == good);
    EXPECT_EQ(Form->Dem.DemCols, 4);
  }
  // A good file again: the picture starts afresh from its own values.
  Load(WriteDem("small.ddf", {{5}}));
  EXPECT_EQ(Form->AltMapImg->size(), QSize(1, 1));
  EXPECT_EQ(Form->Dem.Values, std::vector<int16_t>{5});
}

}  // namespace
}  // namespace qrl::mapui
