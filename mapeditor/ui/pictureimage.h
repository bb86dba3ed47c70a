#pragma once
// An image control of the overview and import windows: shows its picture
// unscaled from the top-left corner and reports the mouse in picture pixels:
// moves (mouse tracking is on, so moves without a button count), a press of
// any button, and a click (a left-button release inside the control). Mouse
// moves and presses it has no handler for go on to the control below it.
#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>

namespace qrl::mapui {

class PictureImage : public QWidget {
 public:
  // Before the first picture the control is `emptySize` large.
  explicit PictureImage(QWidget* parent, QSize emptySize = QSize());

  // Empty: the control shows only its background.
  const QImage& Picture() const { return Shown; }
  // With `sizeToPicture` the control takes the picture's size (a null
  // picture keeps the current size).
  void SetPicture(QImage picture, bool sizeToPicture = false);
  // The picture to change in place; the control repaints it afterwards.
  QImage& EditPicture();

  // Run through the handler wrapper, with the position in picture pixels
  // (outside the picture while a button is held, so possibly negative or
  // beyond its size).
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(int x, int y)> OnMouseDown;  // any button
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage Shown;
};

}  // namespace qrl::mapui
