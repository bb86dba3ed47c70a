#include "mapeditor/ui/indexform.h"

#include <QListWidget>
#include <QSpinBox>

#include "forms/handlers.h"
#include "forms/naming.h"
#include "mapeditor/core/terrainindex.h"
#include "mapeditor/ui/transferform.h"

namespace qrl::mapui {

namespace {

const char* const IndexCaption = "Terrain Index";
constexpr int FormWidth = 226;
constexpr int FormHeight = 480;
constexpr int ListMargin = 4;
constexpr int ListWidth = 201;
constexpr int ListHeight = 433;

}  // namespace

TIndexForm::TIndexForm() : QWidget(nullptr), FormBase(this) {
  forms::NameControl(this, QStringLiteral("IndexForm"), QString::fromUtf8(IndexCaption));
  setWindowTitle(QString::fromUtf8(IndexCaption));
  resize(FormWidth, FormHeight);

  TerrainLB = new QListWidget(this);
  forms::NameControl(TerrainLB, QStringLiteral("TerrainLB"));
  TerrainLB->setGeometry(ListMargin, ListMargin, ListWidth, ListHeight);
  TerrainLB->setSortingEnabled(false);
  for (std::string_view name : map::TerrainIndexNames)
    TerrainLB->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));

  // A click on the item already chosen counts too, as does a choice by keys.
  forms::Connect(TerrainLB, &QListWidget::itemClicked, this, [this] { TerrainLBClick(); });
  forms::Connect(TerrainLB, &QListWidget::currentRowChanged, this, [this] { TerrainLBClick(); });
}

void TIndexForm::TerrainLBClick() {
  const QListWidgetItem* item = TerrainLB->currentItem();
  if (!item || !TransferForm) return;
  TransferForm->FileNumberEdit->setValue(map::TerrainIndexFileNumber(item->text().toStdString()));
}

}  // namespace qrl::mapui
