#pragma once
// An image control of the overview windows: shows its picture unscaled from
// the top-left corner and reports a press of any button and a click (a
// left-button release inside the control) in picture pixels.
#include <QImage>
#include <QWidget>
#include <functional>

namespace qrl::mapui {

class PictureImage : public QWidget {
 public:
  explicit PictureImage(QWidget* parent);

  // Empty: the control shows only its background.
  const QImage& Picture() const { return Shown; }
  // With `sizeToPicture` the control takes the picture's size.
  void SetPicture(QImage picture, bool sizeToPicture = false);

  // Run through the handler wrapper; (x, y) in picture pixels.
  std::function<void(int x, int y)> OnMouseDown;
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage Shown;
};

}  // namespace qrl::mapui
