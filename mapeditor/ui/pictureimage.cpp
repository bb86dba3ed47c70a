#include "mapeditor/ui/pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/handlers.h"

namespace qrl::mapui {

PictureImage::PictureImage(QWidget* parent) : QWidget(parent) {}

void PictureImage::SetPicture(QImage picture, bool sizeToPicture) {
  Shown = std::move(picture);
  if (sizeToPicture && !Shown.isNull()) resize(Shown.size());
  update();
}

void PictureImage::paintEvent(QPaintEvent*) {
  if (Shown.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, Shown);
}

void PictureImage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (OnMouseDown) forms::RunHandler(window(), [&] { OnMouseDown(at.x(), at.y()); });
}

void PictureImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (OnClick) forms::RunHandler(window(), [&] { OnClick(); });
}

}  // namespace qrl::mapui
