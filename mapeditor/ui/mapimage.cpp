#include "mapeditor/ui/mapimage.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/handlers.h"

namespace qrl::mapui {

MapImage::MapImage(int width, int height, QWidget* parent) : QWidget(parent) {
  setFixedSize(width, height);
  setMouseTracking(true);
}

void MapImage::SetPicture(QImage picture) {
  Shown = std::move(picture);
  update();
}

void MapImage::paintEvent(QPaintEvent*) {
  if (Shown.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, Shown);
}

void MapImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (OnMouseMove) forms::RunHandler(window(), [&] { OnMouseMove(at.x(), at.y()); });
}

}  // namespace qrl::mapui
