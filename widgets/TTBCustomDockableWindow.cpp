#include "widgets/TTBCustomDockableWindow.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/TTBBackground.h"
#include "widgets/BarListMenu.h"
#include "widgets/DockBackground.h"
#include "widgets/DragOutline.h"
#include "widgets/FloatingWindow.h"
#include "widgets/TTBDock.h"

namespace tessary::widgets {

namespace {
// How far outside a dock a dragged bar still docks onto it (an empty dock is 0 high).
constexpr int kDockSnapDistance = 8;
// Bars are numbered as they are created, for lists that show them in that order.
quint64 nextCreationOrder = 0;
}  // namespace

TTBCustomDockableWindow::TTBCustomDockableWindow(QWidget* parent)
    : QWidget(parent), creationOrder_(++nextCreationOrder) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TTBCustomDockableWindow::~TTBCustomDockableWindow() {
  if (dock_) dock_->RemoveBar(this);
  if (floater_ != nullptr) {
    // A floating bar deleted on its own takes its window along, which would otherwise stay
    // on the screen, empty, pointing at a bar that is gone. The bar leaves it first, so
    // the window does not delete it a second time.
    FloatingWindow* floater = floater_;
    floater_ = nullptr;
    setParent(nullptr);
    delete floater;
  }
}

void TTBCustomDockableWindow::SetCaption(const QString& caption) {
  caption_ = caption;
  if (floater_ != nullptr) floater_->update();
}

void TTBCustomDockableWindow::SetStretch(bool stretch) {
  stretch_ = stretch;
  ContentSizeChanged();
}

void TTBCustomDockableWindow::SetFixedClientWidth(int width) {
  fixedClientWidth_ = width;
  ContentSizeChanged();
}

void TTBCustomDockableWindow::SetFillsRow(bool fill) {
  fillsRow_ = fill;
  ContentSizeChanged();
}

void TTBCustomDockableWindow::SetCloseButton(bool closeButton) {
  closeButton_ = closeButton;
  if (floater_ != nullptr) floater_->update();
}

void TTBCustomDockableWindow::SetBarVisible(bool visible) {
  if (visible == !closed_) return;
  closed_ = !visible;
  if (floater_ != nullptr) {
    floater_->setVisible(visible);
    return;
  }
  setVisible(visible);
  // A closed bar gives up its place; its row closes up when it was alone there.
  if (dock_) dock_->ArrangeBars();
}

void TTBCustomDockableWindow::SetShowDragHandle(bool show) {
  showDragHandle_ = show;
  ContentSizeChanged();
}

QMargins TTBCustomDockableWindow::NonClientMargins() const {
  if (IsFloating()) return {};  // the floating window draws frame and caption
  const Theme& theme = CurrentTheme();
  QMargins margins = theme.BarBorder(ViewKind());
  if (showDragHandle_) margins.setLeft(margins.left() + theme.DragHandleSize(ViewKind()));
  return margins;
}

QRect TTBCustomDockableWindow::ClientRect() const { return rect().marginsRemoved(NonClientMargins()); }

QSize TTBCustomDockableWindow::BarSizeFor(int maxWidth) const {
  const QMargins margins = NonClientMargins();
  const int frame = margins.left() + margins.right();
  QSize content = ContentSize(maxWidth < 0 ? -1 : std::max(0, maxWidth - frame));
  if (fixedClientWidth_ > 0) content.setWidth(fixedClientWidth_);
  return content.grownBy(margins);
}

bool TTBCustomDockableWindow::BackgroundShows() const {
  return dock_ && parentWidget() == dock_ && dock_->UsesBackground() && dock_->BackgroundOnToolbars();
}

void TTBCustomDockableWindow::showEvent(QShowEvent* event) {
  ApplyThemeColour();
  QWidget::showEvent(event);
}

void TTBCustomDockableWindow::ContentSizeChanged() {
  if (dock_) {
    dock_->ArrangeBars();
  } else if (floater_ != nullptr) {
    floater_->AdjustToBar();
  }
  LayoutContent();
  update();
}

void TTBCustomDockableWindow::ApplyThemeColour() {
  // Child controls (an address box, status panels) take the bar's colour from its palette.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, CurrentTheme().ViewColour(ViewKind()));
  setPalette(colours);
}

void TTBCustomDockableWindow::ThemeChanged(int phase) {
  if (phase != tcAfterChange) return;
  ApplyThemeColour();
  ContentSizeChanged();
}

void TTBCustomDockableWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Theme& theme = CurrentTheme();
  const QRect outer = rect();
  const QRect client = ClientRect();
  const bool handle = showDragHandle_ && !IsFloating();
  if (BackgroundShows()) {
    // The picture covers the client area and the border inside the outermost frame line,
    // aligned like the dock's own, so it runs on across the bar.
    painter.save();
    painter.setClipRect(outer.adjusted(1, 1, -1, -1));
    PaintBackground(painter, *dock_->Background(), outer.adjusted(1, 1, -1, -1), BackgroundOrigin(this, dock_));
    painter.restore();
    theme.PaintBarFrame(painter, outer, client, ViewKind(), handle, true);
  } else {
    theme.PaintBarBackground(painter, IsFloating() ? outer : client, ViewKind());
    if (!IsFloating()) theme.PaintBarFrame(painter, outer, client, ViewKind(), handle, false);
  }
  PaintContent(painter);
}

void TTBCustomDockableWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutContent();
}

bool TTBCustomDockableWindow::OnDragHandle(QPoint pos) const {
  if (!showDragHandle_ || IsFloating()) return false;
  const QRect client = ClientRect();
  return rect().contains(pos) && pos.x() < client.left();
}

void TTBCustomDockableWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDragHandle(event->position().toPoint()) &&
      (dock_ == nullptr || dock_->AllowDrag())) {
    BeginDrag(event->position().toPoint());
    return;
  }
  QWidget::mousePressEvent(event);
}

void TTBCustomDockableWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    DragTo(event->globalPosition().toPoint());
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void TTBCustomDockableWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    EndDrag(event->globalPosition().toPoint());
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void TTBCustomDockableWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (QWidget* home = HomeWindow()) BarListMenu::Open(home, event->globalPos(), this);
}

void TTBCustomDockableWindow::BeginDrag(QPoint grabOffset) {
  dragging_ = true;
  grabOffset_ = grabOffset;
  homeWindow_ = HomeWindow();
}

QWidget* TTBCustomDockableWindow::HomeWindow() const {
  if (dock_) return dock_->window();
  if (lastDock_) return lastDock_->window();
  return homeWindow_;
}

TTBDock* TTBCustomDockableWindow::DockAt(QPoint globalPos) const {
  QWidget* home = HomeWindow();
  if (home == nullptr) return nullptr;
  TTBDock* nearest = nullptr;
  for (TTBDock* dock : home->findChildren<TTBDock*>()) {
    if (!dock->isVisible() || !dock->AllowDrag()) continue;
    const QRect area(dock->mapToGlobal(QPoint(0, 0)), dock->size());
    if (area.contains(globalPos)) return dock;
    if (area.adjusted(0, -kDockSnapDistance, 0, kDockSnapDistance).contains(globalPos)) nearest = dock;
  }
  return nearest;
}

void TTBCustomDockableWindow::DragTo(QPoint globalPos) {
  placedAt_.reset();
  if (!dragging_ || !dock_) return;
  // Within its own dock the bar follows the pointer at once: between rows, to a new row,
  // along its row. Leaving the dock is decided when the button is released; until then an
  // outline shows where the bar would go.
  if (DockAt(globalPos) != dock_) {
    ShowDropOutline(globalPos);
    return;
  }
  if (outline_) outline_->hide();
  placedAt_ = globalPos;
  const QPoint point = dock_->mapFromGlobal(globalPos);
  const TTBDock::DropTarget target = dock_->DropTargetAt(point);
  if (target.newRow) dock_->InsertRow(target.row);
  dockRow_ = target.row;
  dockX_ = target.x - grabOffset_.x();
  dock_->ArrangeBars();
}

void TTBCustomDockableWindow::ShowDropOutline(QPoint globalPos) {
  QRect target;
  if (DockAt(globalPos) != nullptr) {
    target = QRect(globalPos - grabOffset_, size());
  } else if (canFloat_) {
    const QMargins border = CurrentTheme().FloatingBorder();
    const QSize bar = BarSizeFor(-1);
    target = QRect(globalPos - grabOffset_ - FloatingWindow::BarOffset(),
                   QSize(bar.width() + border.left() + border.right(),
                         bar.height() + border.top() + border.bottom() + CurrentTheme().FloatingCaptionHeight()));
  }
  if (target.isNull()) {
    if (outline_) outline_->hide();
    return;
  }
  if (!outline_) outline_ = std::make_unique<DragOutline>();
  outline_->ShowAt(target);
}

const QWidget* TTBCustomDockableWindow::DragFeedback() const {
  return outline_ && outline_->isVisible() ? outline_.get() : nullptr;
}

void TTBCustomDockableWindow::EndDrag(QPoint globalPos) {
  if (!dragging_) return;
  dragging_ = false;
  outline_.reset();
  // Where the bar already followed the pointer within its dock it stays: the dock may have
  // changed height under the pointer, and re-reading the place would move it once more.
  const bool placed = placedAt_ == globalPos;
  placedAt_.reset();
  if (placed && dock_) return;
  DropAt(globalPos);
}

void TTBCustomDockableWindow::DropAt(QPoint globalPos) {
  if (TTBDock* target = DockAt(globalPos)) {
    const QPoint point = target->mapFromGlobal(globalPos);
    const TTBDock::DropTarget place = target->DropTargetAt(point);
    if (place.newRow) target->InsertRow(place.row);
    DockTo(target, place.row, place.x - grabOffset_.x());
    return;
  }
  if (canFloat_) {
    Float(globalPos - grabOffset_ - FloatingWindow::BarOffset());
  } else if (dock_) {
    dock_->ArrangeBars();
  }
}

void TTBCustomDockableWindow::Undock() {
  if (!dock_) return;
  TTBDock* old = dock_;
  aloneInRow_ = std::count_if(old->Bars().begin(), old->Bars().end(),
                              [this](const auto* bar) { return bar->dockRow_ == dockRow_; }) == 1;
  old->RemoveBar(this);
  lastDock_ = old;
  dock_ = nullptr;
  old->ArrangeBars();
}

void TTBCustomDockableWindow::DockTo(TTBDock* dock, int row, int x) {
  if (dock == nullptr) return;
  homeWindow_ = dock->window();
  if (floater_ != nullptr) {
    FloatingWindow* floater = floater_;
    floater_ = nullptr;
    floater->hide();
    floater->deleteLater();
  }
  if (dock_ != dock) {
    Undock();
    setParent(dock);
    dock_ = dock;
    dock->AddBar(this);
  }
  lastDock_ = dock;
  dockRow_ = row;
  dockX_ = x;
  closed_ = false;
  show();
  dock->ArrangeBars();
  LayoutContent();
  update();
  emit DockChanged();
}

void TTBCustomDockableWindow::Float(QPoint screenPos) {
  closed_ = false;
  if (floater_ != nullptr) {
    floater_->move(screenPos);
    floater_->show();
    return;
  }
  QWidget* home = HomeWindow();
  Undock();
  homeWindow_ = home;
  floater_ = new FloatingWindow(this, home);
  floater_->move(screenPos);
  floater_->show();
  LayoutContent();
  emit DockChanged();
}

void TTBCustomDockableWindow::ReDock() {
  if (floater_ == nullptr || !lastDock_) return;
  if (aloneInRow_) lastDock_->InsertRow(dockRow_);
  DockTo(lastDock_, dockRow_, dockX_);
}

}  // namespace tessary::widgets
