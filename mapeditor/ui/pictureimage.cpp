#include "mapeditor/ui/pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/handlers.h"

namespace qrl::mapui {

PictureImage::PictureImage(QWidget* parent, QSize emptySize) : QWidget(parent) {
  setMouseTracking(true);
  if (emptySize.isValid()) resize(emptySize);
}

void PictureImage::SetPicture(QImage picture, bool sizeToPicture) {
  Shown = std::move(picture);
  if (sizeToPicture && !Shown.isNull()) resize(Shown.size());
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
  forms::RunHandler(window(), [&] { OnMouseMove(at.x(), at.y()); });
}

void PictureImage::mousePressEvent(QMouseEvent* event) {
  if (!OnMouseDown) return event->ignore();
  const QPoint at = event->position().toPoint();
  forms::RunHandler(window(), [&] { OnMouseDown(at.x(), at.y()); });
}

void PictureImage::mouseReleaseEvent(QMouseEvent* event) {
  if (!OnClick) return event->ignore();
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  forms::RunHandler(window(), [&] { OnClick(); });
}

}  // namespace qrl::mapui
