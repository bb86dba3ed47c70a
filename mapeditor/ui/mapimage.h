#pragma once
// The main window's map view control: shows the picture the last redraw made,
// at its own size from the top-left corner, and reports mouse moves in the
// picture's pixels (mouse tracking is on, so moves without a button count).
#include <QImage>
#include <QWidget>
#include <functional>

namespace qrl::mapui {

class MapImage : public QWidget {
 public:
  // The control is width x height pixels and does not grow or shrink.
  MapImage(int width, int height, QWidget* parent);

  // What the view shows; empty (the control's background) before the first redraw.
  const QImage& Picture() const { return Shown; }
  void SetPicture(QImage picture);

  // Called, through the handler wrapper, for each mouse move over the control
  // with the position in picture pixels (outside the control while a button is
  // held, so possibly negative or beyond the size).
  std::function<void(int x, int y)> OnMouseMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage Shown;
};

}  // namespace qrl::mapui
