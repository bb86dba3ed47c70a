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

void MapImage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (OnMouseDown) forms::RunHandler(window(), [&] { OnMouseDown(event->button(), at.x(), at.y()); });
}

void MapImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (OnClick) forms::RunHandler(window(), [&] { OnClick(); });
}

}  // namespace qrl::mapui
