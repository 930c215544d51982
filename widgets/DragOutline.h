#pragma once
// The dithered rectangle that shows where a dragged bar will go when it leaves its dock
// (onto another dock, or floating): a frameless window that is only its two-pixel frame,
// so everything under it stays visible and it never takes the pointer.
#include <QWidget>

namespace tessary::widgets {

class DragOutline : public QWidget {
 public:
  static constexpr int kThickness = 2;

  DragOutline();

  // Shows the outline around `globalRect` (screen coordinates).
  void ShowAt(const QRect& globalRect);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessary::widgets
