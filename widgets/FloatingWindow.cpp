#include "widgets/FloatingWindow.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/BarListMenu.h"
#include "widgets/TTBCustomDockableWindow.h"
#include "widgets/Theme.h"

namespace tessary::widgets {

FloatingWindow::FloatingWindow(TTBCustomDockableWindow* bar, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), bar_(bar) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(bar->Caption());
  bar->setParent(this);
  bar->move(BarOffset());
  bar->show();
  AdjustToBar();
}

FloatingWindow::~FloatingWindow() {
  // Deleted with its owner window: the bar, still a child here, goes with it and must not
  // try to delete this window once more. (A bar that docked elsewhere or is being deleted
  // has left already and may be gone: only the child list is asked, the bar not touched.)
  if (children().contains(static_cast<QObject*>(bar_)) && bar_->floater_ == this) bar_->floater_ = nullptr;
}

QPoint FloatingWindow::BarOffset() {
  const Theme& theme = CurrentTheme();
  const QMargins border = theme.FloatingBorder();
  return {border.left(), border.top() + theme.FloatingCaptionHeight()};
}

QRect FloatingWindow::CaptionRect() const {
  const QMargins border = CurrentTheme().FloatingBorder();
  return QRect(border.left(), border.top(), width() - border.left() - border.right(),
               CurrentTheme().FloatingCaptionHeight());
}

QRect FloatingWindow::CloseButtonRect() const {
  // Every theme paints its caption through the shared painter, which places the button.
  return CurrentTheme().FloatingCloseButtonRect(CaptionRect());
}

void FloatingWindow::AdjustToBar() {
  const QMargins border = CurrentTheme().FloatingBorder();
  QSize barSize = bar_->BarSizeFor(-1);
  // The caption must fit at least its text's start; a bar narrower than that widens.
  barSize.setWidth(std::max(barSize.width(), fontMetrics().horizontalAdvance(bar_->Caption()) + 24));
  bar_->move(BarOffset());
  bar_->resize(barSize);
  resize(barSize.width() + border.left() + border.right(),
         barSize.height() + border.top() + border.bottom() + CurrentTheme().FloatingCaptionHeight());
  update();
}

void FloatingWindow::ThemeChanged(int phase) {
  if (phase == tcAfterChange) AdjustToBar();
}

void FloatingWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Theme& theme = CurrentTheme();
  const QRect caption = CaptionRect();
  theme.PaintFloatingFrame(painter, rect(), caption, bar_->Caption(), isActiveWindow());
  if (bar_->CloseButton() || caption.isEmpty()) return;
  // A bar without a close button must not show a dead one: the caption is painted again
  // as if it ran on past the window's right edge, where the theme puts the button, and is
  // cut at the real caption.
  const int beyond = caption.right() + 1 - theme.FloatingCloseButtonRect(caption).left();
  painter.setClipRect(caption);
  theme.PaintFloatingFrame(painter, rect().adjusted(0, 0, beyond, 0), caption.adjusted(0, 0, beyond, 0),
                           bar_->Caption(), isActiveWindow());
}

void FloatingWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && bar_->CloseButton() &&
      CloseButtonRect().contains(event->position().toPoint())) {
    bar_->SetBarVisible(false);
    return;
  }
  if (event->button() == Qt::LeftButton && CaptionRect().contains(event->position().toPoint())) {
    dragging_ = true;
    grab_ = event->position().toPoint();
    return;
  }
  QWidget::mousePressEvent(event);
}

void FloatingWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    move(event->globalPosition().toPoint() - grab_);
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void FloatingWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    // Released over a dock: the bar docks there (this window goes); else it stays here.
    bar_->grabOffset_ = grab_ - BarOffset();
    if (bar_->DockAt(event->globalPosition().toPoint()) != nullptr) bar_->DropAt(event->globalPosition().toPoint());
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void FloatingWindow::contextMenuEvent(QContextMenuEvent* event) {
  BarListMenu::Open(parentWidget(), event->globalPos(), this);
}

void FloatingWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && CaptionRect().contains(event->position().toPoint())) {
    dragging_ = false;
    bar_->ReDock();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace tessary::widgets
