#pragma once
// An image control that takes the size of its picture and reports the mouse in
// the picture's pixels (mouse tracking is on, so moves without a button count).
// Mouse events it has no handler for go on to the control below it.
#include <QImage>
#include <QWidget>
#include <functional>

namespace qrl::mapui {

class PictureImage : public QWidget {
 public:
  // Before the first picture the control is `emptySize` large.
  PictureImage(QSize emptySize, QWidget* parent);

  const QImage& Picture() const { return Shown; }
  // The control takes the picture's size (a null picture keeps the current size).
  void SetPicture(QImage picture);
  // The picture to change in place; the control repaints it afterwards.
  QImage& EditPicture();

  // Run through the handler wrapper, with the position in picture pixels
  // (outside the picture while a button is held, so possibly negative or
  // beyond its size).
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(int x, int y)> OnMouseDown;  // any button

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage Shown;
};

}  // namespace qrl::mapui
