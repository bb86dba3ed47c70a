// The bitmap import window driven offscreen: loads through the dialog seam,
// the origin following the scroll box while the window is active, the boxes
// and both converts.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "gamefile/bytes.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/hexelevation.h"
#include "mapeditor/ui/importform.h"
#include "mapeditor/ui/pictureimage.h"
#include "tests/support/gamefilebuilder.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::mapui {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void SendEvent(QWidget& window, QEvent::Type type) {
  QEvent event(type);
  QCoreApplication::sendEvent(&window, &event);
}

// Another window of the program, to take the activation away.
class OtherForm : public QWidget, public forms::FormBase {
 public:
  OtherForm() : QWidget(nullptr), FormBase(this) {}
};

class ImportFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TImportForm>(Doc, Random);
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }
  void TearDown() override { Form.reset(); }

  // A picture whose pixel (x, y) has red x % 256 and green y % 256.
  std::string WriteBitmap(const std::string& name, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    test::WriteFile(Folder + name, EncodeBmp(picture));
    return Folder + name;
  }
  static test::Bytes EncodeBmp(const QImage& picture) { return map::EncodeBmp24(picture); }

  void Load(const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    QTest::mouseClick(Form->LoadBtn, Qt::LeftButton);
  }

  // What the window system sends when the window becomes the active one.
  void Activate() { SendEvent(*Form, QEvent::WindowActivate); }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;
  std::string Folder = test::MakeTempFolder("importform");
  map::MapDocument Doc;
  RandomSource Random;
  std::unique_ptr<TImportForm> Form;
};

TEST_F(ImportFormTest, StartsWithItsControlsNamedAndSet) {
  EXPECT_EQ(Form->windowTitle(), "Import");
  EXPECT_EQ(Form->size(), QSize(657, 529));
  EXPECT_EQ(Form->BmpSB->size(), QSize(508, 408));
  EXPECT_EQ(Form->ImgSizeLbl->text(), "0x0 Bitmap");
  EXPECT_EQ(Form->OriginLbl->text(), "at 0,0");
  // Shown, the window became the active one: the map's size, and the timer runs.
  EXPECT_EQ(Form->MapSizeLbl->text(), "Map Size: 100x80");
  EXPECT_TRUE(Form->Timer1->isActive());
  TImportForm hidden(Doc, Random);
  EXPECT_EQ(hidden.MapSizeLbl->text(), "");
  EXPECT_FALSE(hidden.Timer1->isActive());
  for (QSpinBox* scale : {Form->XScaleEdit, Form->YScaleEdit}) {
    EXPECT_EQ(scale->minimum(), 2);
    EXPECT_EQ(scale->maximum(), 15);
    EXPECT_EQ(scale->value(), 5);
    EXPECT_FALSE(scale->wrapping());
  }
  EXPECT_EQ(Form->Timer1->interval(), 200);
  EXPECT_EQ(Form->BmpSB->horizontalScrollBar()->singleStep(), 1);
  EXPECT_EQ(Form->BmpSB->verticalScrollBar()->singleStep(), 1);
  struct Named {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
  };
  const Named named[] = {{Form.get(), "ImportForm", "Import"},     {Form->ImgSizeLbl, "ImgSizeLbl", "ImgSizeLbl"},
                         {Form->OriginLbl, "OriginLbl", "OriginLbl"}, {Form->MapSizeLbl, "MapSizeLbl", "MapSizeLbl"},
                         {Form->XScaleEdit, "XScaleEdit", "XScaleEdit"}, {Form->YScaleEdit, "YScaleEdit", "YScaleEdit"},
                         {Form->LoadBtn, "LoadBtn", "Load Bmp"},     {Form->AltBtn, "AltBtn", "Alt Convert"},
                         {Form->TerBtn, "TerBtn", "Ter Convert"},    {Form->BmpSB, "BmpSB", "BmpSB"},
                         {Form->BmpImg, "BmpImg", "BmpImg"}};
  for (const Named& n : named) {
    EXPECT_EQ(n.Control->objectName(), n.Name);
    EXPECT_EQ(n.Control->accessibleName(), n.Accessible);
  }
  EXPECT_EQ(Form->LoadBtn->text(), "Load Bmp");
  for (const char* text : {"Conversion Scale (x,y)", "X", "Pixels/Hex"}) {
    const auto labels = Form->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; })) << text;
  }
}

TEST_F(ImportFormTest, LoadingShowsTheBitmapFromItsCornerAndResetsTheOrigin) {
  Load(WriteBitmap("first.bmp", 700, 600));
  Form->BmpSB->horizontalScrollBar()->setValue(40);
  Form->BmpSB->verticalScrollBar()->setValue(30);
  Form->ImportOriginX = 40;
  forms::DialogScript script;
  script.Choose(Q(WriteBitmap("second.bmp", 900, 500)));
  Form->LoadBtnClick();
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(script.Calls()[0].Title, "");
  EXPECT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Form->ImgSizeLbl->text(), "900,500 Bitmap    ");
  EXPECT_EQ(Form->OriginLbl->text(), "0,0    ");
  EXPECT_EQ(Form->ImportOriginX, 0);
  EXPECT_EQ(Form->ImportOriginY, 0);
  EXPECT_EQ(Form->BmpSB->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(Form->BmpSB->verticalScrollBar()->value(), 0);
  EXPECT_EQ(Form->BmpImg->size(), QSize(900, 500));
  EXPECT_EQ(Form->BmpImg->Picture().pixel(300, 20), qRgb(300 % 256, 20, 7));
}

TEST_F(ImportFormTest, AFileThatIsNoPictureKeepsTheLastOne) {
  Load(WriteBitmap("good.bmp", 50, 40));
  Form->ImportOriginX = 3;
  Form->OriginLbl->setText("3,0    ");
  test::WriteFile(Folder + "bad.bmp", {'B', 'M', 1, 2, 3});
  for (const std::string& path : {Folder + "bad.bmp", Folder + "missing.bmp", Folder}) {
    SCOPED_TRACE(path);
    Boxes.Clear();
    Load(path);
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Kind, forms::BoxKind::Message);
    EXPECT_EQ(Boxes.Entries()[0].Text, "Could not load bitmap " + Q(path));
    EXPECT_EQ(Boxes.Entries()[0].Caption, "Error");
    EXPECT_EQ(Form->BmpImg->Picture().size(), QSize(50, 40));
    EXPECT_EQ(Form->ImgSizeLbl->text(), "50,40 Bitmap    ");
    EXPECT_EQ(Form->OriginLbl->text(), "3,0    ");
    EXPECT_EQ(Form->ImportOriginX, 3);
  }
  // A cancelled dialog changes nothing either.
  QTest::mouseClick(Form->LoadBtn, Qt::LeftButton);
  EXPECT_EQ(Form->ImgSizeLbl->text(), "50,40 Bitmap    ");
}

TEST_F(ImportFormTest, TheOriginFollowsTheScrollBoxWhileTheWindowIsActive) {
  Doc = sample::MakeBlankMap(30, 20);
  Load(WriteBitmap("big.bmp", 1200, 1000));
  // The window system's own activations settle first, so that only the
  // test's ones follow.
  OtherForm other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  SendEvent(other, QEvent::WindowActivate);
  Activate();
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_EQ(Form->MapSizeLbl->text(), "Map Size: 30x20");
  Form->BmpSB->horizontalScrollBar()->setValue(17);
  Form->BmpSB->verticalScrollBar()->setValue(23);
  QTRY_COMPARE_WITH_TIMEOUT(Form->OriginLbl->text(), QString("17,23    "), 5000);
  EXPECT_EQ(Form->ImportOriginX, 17);
  EXPECT_EQ(Form->ImportOriginY, 23);

  // Another window of the program becomes active: the origin stays.
  SendEvent(other, QEvent::WindowActivate);
  Form->BmpSB->horizontalScrollBar()->setValue(50);
  Form->Timer1Timer();
  EXPECT_FALSE(Form->Timer1->isActive());
  EXPECT_EQ(Form->ImportOriginX, 17);
  EXPECT_EQ(Form->OriginLbl->text(), "17,23    ");

  // A click on the scroll box or its picture shows the horizontal position alone.
  QTest::mouseClick(Form->BmpImg, Qt::LeftButton, {}, QPoint(60, 30));  // scrolled by (50, 23)
  EXPECT_EQ(Form->OriginLbl->text(), "50");
  Form->OriginLbl->clear();
  Form->BmpSB->horizontalScrollBar()->setValue(51);
  QTest::mouseClick(Form->BmpSB->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Form->OriginLbl->text(), "51");

  // Back again; the map's size is read anew.
  Doc = sample::MakeBlankMap(12, 9);
  Activate();
  EXPECT_EQ(Form->MapSizeLbl->text(), "Map Size: 12x9");
  Form->Timer1Timer();
  EXPECT_EQ(Form->ImportOriginX, 51);
  Form->hide();
  EXPECT_FALSE(Form->Timer1->isActive());
}

TEST_F(ImportFormTest, ConvertsRefuseWithoutAMapOrABitmap) {
  const std::vector<uint8_t> before = Doc.MapFileBuf;
  for (QPushButton* button : {Form->AltBtn, Form->TerBtn}) {
    Boxes.Clear();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Text, "Load a map first");
    EXPECT_EQ(Boxes.Entries()[0].Caption, "Error");
  }
  Doc = sample::MakeBlankMap(10, 8);
  const std::vector<uint8_t> blank = Doc.MapFileBuf;
  for (QPushButton* button : {Form->AltBtn, Form->TerBtn}) {
    Boxes.Clear();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Text, "Load a bitmap first");
    EXPECT_EQ(Boxes.Entries()[0].Caption, "Error");
  }
  EXPECT_EQ(Doc.MapFileBuf, blank);
  EXPECT_EQ(Random.RandomState, 1u);
}

TEST_F(ImportFormTest, BothConvertsUseTheScaleAndTheOrigin) {
  Doc = sample::MakeBlankMap(20, 16);
  // Greys, greens and reds varied over the picture.
  QImage picture(200, 200, QImage::Format_RGB32);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) picture.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x + y) % 3 ? 0 : 90));
  test::WriteFile(Folder + "terrain.bmp", map::EncodeBmp24(picture));
  Load(Folder + "terrain.bmp");
  Form->XScaleEdit->setValue(4);
  Form->YScaleEdit->setValue(6);
  Form->ImportOriginX = 10;
  Form->ImportOriginY = 20;

  map::MapDocument expected = Doc;
  map::AltConvert(expected, picture, {4, 6, 10, 20});
  QTest::mouseClick(Form->AltBtn, Qt::LeftButton);
  EXPECT_EQ(Doc.MapFileBuf, expected.MapFileBuf);

  RandomSource replay;
  map::TerConvert(expected, picture, {4, 6, 10, 20}, replay);
  map::TerConvert(expected, picture, {4, 6, 10, 20}, replay);
  QTest::mouseClick(Form->TerBtn, Qt::LeftButton);
  QTest::mouseClick(Form->TerBtn, Qt::LeftButton);  // the sequence runs on
  EXPECT_EQ(Doc.MapFileBuf, expected.MapFileBuf);
  EXPECT_EQ(Random.RandomState, replay.RandomState);
  EXPECT_NE(Random.RandomState, 1u);
  EXPECT_TRUE(Boxes.Entries().empty());
}

}  // namespace
}  // namespace qrl::mapui
