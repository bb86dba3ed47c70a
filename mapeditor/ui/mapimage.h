#pragma once
// An image control: shows a picture at its own size from the top-left corner
// and reports mouse moves, presses and clicks in the picture's pixels (mouse
// tracking is on, so moves without a button count). The main window's map
// view, and the tile transfer window's strip.
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
  // Changes the shown picture in place (the click marker) and shows the change.
  template <class Edit>
  void EditPicture(Edit edit) {
    edit(Shown);
    update();
  }

  // Called, through the handler wrapper, for each mouse move over the control
  // with the position in picture pixels (outside the control while a button is
  // held, so possibly negative or beyond the size).
  std::function<void(int x, int y)> OnMouseMove;
  // A button pressed over the control.
  std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;
  // The left button released over the control it was pressed on.
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
