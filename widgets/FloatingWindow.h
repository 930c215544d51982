#pragma once
// The small tool window a bar floats in when dragged off the docks: a frame and a caption
// painted by the theme. Dragging the caption moves it; released over a dock, the bar docks
// there (while the pointer is over a dock the window waits and an outline shows where; Esc
// puts the window back where the drag started); a double click on the caption puts the bar back where it was
// docked; the close button, pressed and released over it, closes the bar (the window's bar
// list opens it again).
#include <QWidget>
#include <memory>

#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {

class TTBCustomDockableWindow;
class EscapeFilter;

class FloatingWindow : public QWidget, public ThemeNotifiable {
  Q_OBJECT

 public:
  // Takes `bar` in as its child; `owner` is the window the bar's docks belong to.
  FloatingWindow(TTBCustomDockableWindow* bar, QWidget* owner);
  ~FloatingWindow() override;

  TTBCustomDockableWindow* Bar() const { return bar_; }
  // Where the bar sits inside the floating window (frame plus caption).
  static QPoint BarOffset();
  // The caption bar in window coordinates.
  QRect CaptionRect() const;
  // The close button in the caption (hides the window and its bar when the bar allows).
  QRect CloseButtonRect() const;
  // The size of the window that floats `bar`: its natural size, frame and caption.
  static QSize SizeFor(const TTBCustomDockableWindow& bar);
  // Resizes the window around the bar's natural size.
  void AdjustToBar();
  // Whether the caption is being dragged, and whether the close button shows pressed (held
  // down with the pointer over it).
  bool IsDragging() const { return dragging_; }
  bool CloseButtonDown() const { return closePressed_ && closeUnderPointer_; }

  void ThemeChanged(int phase) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // A right click offers the window's bar list (closed bars can be opened again there).
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void EndCaptionDrag();
  // The room for the bar inside the frame and below the caption.
  static QSize BarAreaFor(const TTBCustomDockableWindow& bar);

  TTBCustomDockableWindow* bar_;
  bool dragging_ = false;
  QPoint grab_;      // where the caption was taken, in window coordinates
  QPoint dragFrom_;  // where the window was when the drag started
  std::unique_ptr<EscapeFilter> escape_;
  bool closePressed_ = false;       // the close button was pressed and is held
  bool closeUnderPointer_ = false;  // ...with the pointer over it
};

}  // namespace tessary::widgets
