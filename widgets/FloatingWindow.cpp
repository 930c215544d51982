#include "widgets/FloatingWindow.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/BarListMenu.h"
#include "widgets/EscapeFilter.h"
#include "widgets/TTBCustomDockableWindow.h"
#include "widgets/Theme.h"

namespace tessary::widgets {

FloatingWindow::FloatingWindow(TTBCustomDockableWindow* bar, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), bar_(bar) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Part of its owner's window: files dragged over it reach the window's handling of
  // drops (the platform delivers them only to windows that take drops).
  setAcceptDrops(owner != nullptr && owner->acceptDrops());
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

QSize FloatingWindow::SizeFor(const TTBCustomDockableWindow& bar) {
  const QMargins border = CurrentTheme().FloatingBorder();
  const QSize inner = BarAreaFor(bar);
  return {inner.width() + border.left() + border.right(),
          inner.height() + border.top() + border.bottom() + CurrentTheme().FloatingCaptionHeight()};
}

QSize FloatingWindow::BarAreaFor(const TTBCustomDockableWindow& bar) {
  QSize size = bar.FloatingBarSize();
  // The caption must fit at least its text's start; a bar narrower than that widens.
  size.setWidth(std::max(size.width(), bar.fontMetrics().horizontalAdvance(bar.Caption()) + 24));
  return size;
}

void FloatingWindow::AdjustToBar() {
  bar_->move(BarOffset());
  bar_->resize(BarAreaFor(*bar_));
  resize(SizeFor(*bar_));
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
  if (CloseButtonDown()) theme.PaintFloatingCloseButton(painter, CloseButtonRect(), true);
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
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton && bar_->CloseButton() && CloseButtonRect().contains(pos)) {
    // The button acts on release over it, like any push button.
    closePressed_ = true;
    closeUnderPointer_ = true;
    update(CloseButtonRect());
    return;
  }
  if (event->button() == Qt::LeftButton && CaptionRect().contains(pos)) {
    dragging_ = true;
    grab_ = pos;
    dragFrom_ = this->pos();
    bar_->drag_.SetGrabOffset(grab_ - BarOffset());
    escape_ = std::make_unique<EscapeFilter>([this] {
      move(dragFrom_);
      EndCaptionDrag();
    });
    return;
  }
  QWidget::mousePressEvent(event);
}

void FloatingWindow::mouseMoveEvent(QMouseEvent* event) {
  if (closePressed_) {
    const bool over = CloseButtonRect().contains(event->position().toPoint());
    if (over != closeUnderPointer_) {
      closeUnderPointer_ = over;
      update(CloseButtonRect());
    }
    return;
  }
  if (dragging_) {
    // Over a dock the window waits and an outline shows where the bar would dock, as when
    // a docked bar is dragged; elsewhere the window follows the pointer.
    const QPoint global = event->globalPosition().toPoint();
    if (bar_->DockAt(global) == nullptr) move(global - grab_);
    bar_->ShowDropOutline(global, false);
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void FloatingWindow::EndCaptionDrag() {
  dragging_ = false;
  escape_.reset();
  bar_->HideDropOutline();
}

void FloatingWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  if (closePressed_) {
    const bool close = CloseButtonRect().contains(event->position().toPoint());
    closePressed_ = false;
    closeUnderPointer_ = false;
    update(CloseButtonRect());
    if (close) bar_->SetBarVisible(false);
    return;
  }
  if (dragging_) {
    EndCaptionDrag();
    // Released over a dock: the bar docks there (this window goes) and last floated where
    // the drag took it from; else it stays here.
    const QPoint global = event->globalPosition().toPoint();
    if (bar_->DockAt(global) != nullptr) {
      move(dragFrom_);
      bar_->DropAt(global);
    }
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
