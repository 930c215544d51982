#pragma once
// The small tool window a bar floats in when dragged off the docks: a frame and a caption
// painted by the theme. Dragging the caption moves it; released over a dock, the bar docks
// there; a double click on the caption puts the bar back where it was docked; the close
// button closes the bar (the window's bar list opens it again).
#include <QWidget>

#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {

class TTBCustomDockableWindow;

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
  // Resizes the window around the bar's natural size.
  void AdjustToBar();

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
  TTBCustomDockableWindow* bar_;
  bool dragging_ = false;
  QPoint grab_;  // where the caption was taken, in window coordinates
};

}  // namespace tessary::widgets
