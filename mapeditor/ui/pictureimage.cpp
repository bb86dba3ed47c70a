#include "mapeditor/ui/pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/handlers.h"

namespace qrl::mapui {

PictureImage::PictureImage(QSize emptySize, QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  resize(emptySize);
}

void PictureImage::SetPicture(QImage picture) {
  Shown = std::move(picture);
  if (!Shown.isNull()) resize(Shown.size());
  update();
}

QImage& PictureImage::EditPicture() {
  update();
  return Shown;
}

void PictureImage::paintEvent(QPaintEvent*) {
  if (Shown.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, Shown);
}

void PictureImage::mouseMoveEvent(QMouseEvent* event) {
  if (!OnMouseMove) return event->ignore();
  const QPoint at = event->position().toPoint();
  forms::RunHandler(this, [&] { OnMouseMove(at.x(), at.y()); });
}

void PictureImage::mousePressEvent(QMouseEvent* event) {
  if (!OnMouseDown) return event->ignore();
  const QPoint at = event->position().toPoint();
  forms::RunHandler(this, [&] { OnMouseDown(at.x(), at.y()); });
}

}  // namespace qrl::mapui
