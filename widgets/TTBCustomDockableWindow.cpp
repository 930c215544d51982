#include "widgets/TTBCustomDockableWindow.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "skin/TTBBackground.h"
#include "widgets/BarListMenu.h"
#include "widgets/DockBackground.h"
#include "widgets/DragOutline.h"
#include "widgets/EscapeFilter.h"
#include "widgets/FloatingWindow.h"
#include "widgets/TTBDock.h"

namespace tessary::widgets {

namespace {
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

QColor TTBCustomDockableWindow::EffectiveColour() const {
  if (OnPanel() && parentWidget() != nullptr) return parentWidget()->palette().color(parentWidget()->backgroundRole());
  return CurrentTheme().ViewColour(ViewKind());
}

QMargins TTBCustomDockableWindow::NonClientMargins() const {
  // Only a docked bar has a border and a drag handle: the floating window draws frame and
  // caption, and a bar on a panel is only its content.
  return IsDocked() ? DockedMargins() : QMargins();
}

QMargins TTBCustomDockableWindow::DockedMargins() const {
  const Theme& theme = CurrentTheme();
  const int kind = ViewKind() & ~vkFloating;  // also asked for a floating bar about to dock
  QMargins margins = theme.BarBorder(kind);
  if (showDragHandle_) margins.setLeft(margins.left() + theme.DragHandleSize(kind));
  return margins;
}

QRect TTBCustomDockableWindow::ClientRect() const { return rect().marginsRemoved(NonClientMargins()); }

QSize TTBCustomDockableWindow::BarSizeFor(int maxWidth) const { return SizeWithin(maxWidth, NonClientMargins()); }

QSize TTBCustomDockableWindow::FloatingBarSize() const { return SizeWithin(-1, {}); }

QSize TTBCustomDockableWindow::SizeWithin(int maxWidth, const QMargins& margins) const {
  const int frame = margins.left() + margins.right();
  QSize content = ContentSize(maxWidth < 0 ? -1 : std::max(0, maxWidth - frame));
  if (fixedClientWidth_ > 0) content.setWidth(fixedClientWidth_);
  return content.grownBy(margins);
}

QSize TTBCustomDockableWindow::sizeHint() const { return BarSizeFor(-1); }

QSize TTBCustomDockableWindow::minimumSizeHint() const { return BarSizeFor(0); }

bool TTBCustomDockableWindow::BackgroundShows() const {
  return dock_ && parentWidget() == dock_ && dock_->UsesBackground() && dock_->BackgroundOnToolbars();
}

void TTBCustomDockableWindow::showEvent(QShowEvent* event) {
  ApplyThemeColour();
  QWidget::showEvent(event);
}

void TTBCustomDockableWindow::ContentSizeChanged() {
  if (layoutSuspended_) return;
  if (dock_) {
    dock_->ArrangeBars();
  } else if (floater_ != nullptr) {
    floater_->AdjustToBar();
  }
  LayoutContent();
  updateGeometry();  // a bar on a panel: the panel's layout reads the new size hint
  update();
}

void TTBCustomDockableWindow::ApplyThemeColour() {
  // Child controls (an address box, status panels) take the bar's colour from its palette.
  // A bar on a panel inherits its parent's palette instead, so it follows the panel's
  // colour whenever that changes.
  if (OnPanel()) {
    setPalette(QPalette());
    return;
  }
  QPalette colours = palette();
  colours.setColor(QPalette::Window, EffectiveColour());
  setPalette(colours);
}

void TTBCustomDockableWindow::ThemeChanged(int phase) {
  // The new theme's metrics are read once it is complete: layout waits from the first
  // phase of the notice to the last.
  if (phase == tcBeforeChange) layoutSuspended_ = true;
  if (phase != tcAfterChange) return;
  layoutSuspended_ = false;
  ApplyThemeColour();
  ContentSizeChanged();
}

void TTBCustomDockableWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Theme& theme = CurrentTheme();
  const QRect outer = rect();
  const QRect client = ClientRect();
  const bool handle = showDragHandle_ && IsDocked();
  if (OnPanel()) {
    painter.fillRect(outer, EffectiveColour());
  } else if (BackgroundShows()) {
    // The picture covers the client area and the border, aligned like the dock's own, so
    // it runs on across the bar; the theme draws its outer edge and grips on top.
    PaintBackground(painter, *dock_->Background(), outer, BackgroundOrigin(this, dock_));
    theme.PaintBarFrame(painter, outer, client, ViewKind(), handle, true);
  } else {
    theme.PaintBarBackground(painter, outer, ViewKind());
    if (!IsFloating()) theme.PaintBarFrame(painter, outer, client, ViewKind(), handle, false);
    // A bar with rounded ends shows the dock at its corners.
    const QRegion corners = dock_ ? theme.BarCorners(outer, ViewKind()) : QRegion();
    if (!corners.isEmpty()) {
      painter.save();
      painter.setClipRegion(corners);
      dock_->PaintFace(painter, dock_->ClientRect().translated(-pos()), BackgroundOrigin(this, dock_));
      painter.restore();
    }
  }
  PaintContent(painter);
}

void TTBCustomDockableWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutContent();
}

bool TTBCustomDockableWindow::OnDragHandle(QPoint pos) const {
  if (!showDragHandle_ || !IsDocked()) return false;
  const QRect client = ClientRect();
  return rect().contains(pos) && pos.x() < client.left();
}

void TTBCustomDockableWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDragHandle(event->position().toPoint())) {
    BeginDrag(event->position().toPoint());
    return;
  }
  QWidget::mousePressEvent(event);
}

void TTBCustomDockableWindow::mouseMoveEvent(QMouseEvent* event) {
  if (IsDragging()) {
    DragTo(event->globalPosition().toPoint());
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void TTBCustomDockableWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (IsDragging() && event->button() == Qt::LeftButton) {
    EndDrag(event->globalPosition().toPoint());
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void TTBCustomDockableWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDragHandle(event->position().toPoint())) {
    FloatAtLastPlace();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

void TTBCustomDockableWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (QWidget* home = HomeWindow()) BarListMenu::Open(home, event->globalPos(), this);
}

void TTBCustomDockableWindow::BeginDrag(QPoint grabOffset) {
  homeWindow_ = HomeWindow();
  std::vector<BarDrag::Place> places;
  if (dock_) {
    for (TTBCustomDockableWindow* bar : dock_->Bars())
      places.push_back({bar->creationOrder_, bar->dockRow_, bar->dockX_});
  }
  drag_.Begin(grabOffset, mapToGlobal(grabOffset), std::move(places));
  escape_ = std::make_unique<EscapeFilter>([this] { CancelDrag(); });
}

QWidget* TTBCustomDockableWindow::HomeWindow() const {
  if (dock_) return dock_->window();
  if (lastDock_) return lastDock_->window();
  return homeWindow_;
}

TTBDock* TTBCustomDockableWindow::DockAt(QPoint globalPos) const {
  QWidget* home = HomeWindow();
  if (home == nullptr) return nullptr;
  std::vector<TTBDock*> docks;
  std::vector<QRect> areas;
  for (TTBDock* dock : home->findChildren<TTBDock*>()) {
    if (!dock->isVisible()) continue;
    docks.push_back(dock);
    areas.emplace_back(dock->mapToGlobal(QPoint(0, 0)), dock->size());
  }
  const int index = BarDrag::DockAt(areas, globalPos);
  return index < 0 ? nullptr : docks[static_cast<std::size_t>(index)];
}

void TTBCustomDockableWindow::DragTo(QPoint globalPos) {
  const bool docked = dock_ != nullptr;
  switch (drag_.Move(globalPos, docked, docked && DockAt(globalPos) == dock_)) {
    case BarDrag::Step::kNothing: return;
    case BarDrag::Step::kOutline: ShowDropOutline(globalPos, true); return;
    case BarDrag::Step::kPlace: break;
  }
  HideDropOutline();
  const BarDrag::Target target = dock_->DropTargetAt(dock_->mapFromGlobal(globalPos));
  if (target.newRow) dock_->InsertRow(target.row);
  dockRow_ = target.row;
  dockX_ = drag_.BarX(target);
  dock_->ArrangeBars();
}

QRect TTBCustomDockableWindow::DropOutlineRect(QPoint globalPos, bool floating) const {
  if (TTBDock* dock = DockAt(globalPos)) {
    const QRect client(dock->mapToGlobal(dock->ClientRect().topLeft()), dock->ClientRect().size());
    return BarDrag::OutlineInDock(client, dock->Position() == DockPosition::dpBottom, drag_.BarTopLeft(globalPos),
                                  SizeWithin(-1, DockedMargins()), Stretch() || FillsRow());
  }
  if (!floating || !canFloat_) return {};
  return FloatingRectAt(globalPos);
}

QRect TTBCustomDockableWindow::FloatingRectAt(QPoint globalPos) const {
  const QScreen* screen = QGuiApplication::screenAt(globalPos);
  if (screen == nullptr) screen = this->screen();
  return BarDrag::OnScreen(screen != nullptr ? screen->availableGeometry() : QRect(),
                           drag_.BarTopLeft(globalPos) - FloatingWindow::BarOffset(), FloatingWindow::SizeFor(*this));
}

void TTBCustomDockableWindow::ShowDropOutline(QPoint globalPos, bool floating) {
  const QRect target = DropOutlineRect(globalPos, floating);
  if (target.isEmpty()) {
    HideDropOutline();
    return;
  }
  if (!outline_) outline_ = std::make_unique<DragOutline>();
  outline_->ShowAt(target);
}

void TTBCustomDockableWindow::HideDropOutline() {
  if (outline_) outline_->hide();
}

const QWidget* TTBCustomDockableWindow::DragFeedback() const {
  return outline_ && outline_->isVisible() ? outline_.get() : nullptr;
}

void TTBCustomDockableWindow::FinishDrag() {
  outline_.reset();
  escape_.reset();
}

void TTBCustomDockableWindow::PutBack(const std::vector<BarDrag::Place>& places) {
  if (!dock_) return;
  for (TTBCustomDockableWindow* bar : dock_->Bars()) {
    for (const BarDrag::Place& place : places) {
      if (place.bar != bar->creationOrder_) continue;
      bar->dockRow_ = place.row;
      bar->dockX_ = place.x;
    }
  }
  dock_->ArrangeBars();
}

void TTBCustomDockableWindow::CancelDrag() {
  if (!IsDragging()) return;
  const std::vector<BarDrag::Place> places = drag_.Cancel();
  FinishDrag();
  PutBack(places);
}

void TTBCustomDockableWindow::EndDrag(QPoint globalPos) {
  if (!IsDragging()) return;
  const bool docked = dock_ != nullptr;
  const BarDrag::Drop drop = drag_.End(globalPos, docked, docked && DockAt(globalPos) == dock_);
  FinishDrag();
  if (!drop.drop) return;
  if (drop.putBack) PutBack(drop.startPlaces);
  DropAt(globalPos);
}

void TTBCustomDockableWindow::DropAt(QPoint globalPos) {
  if (TTBDock* target = DockAt(globalPos)) {
    const BarDrag::Target place = target->DropTargetAt(target->mapFromGlobal(globalPos));
    if (place.newRow) target->InsertRow(place.row);
    DockTo(target, place.row, drag_.BarX(place));
    return;
  }
  if (canFloat_) {
    Float(FloatingRectAt(globalPos).topLeft());
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
    lastFloatPos_ = floater->pos();
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
  ApplyThemeColour();
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
  ApplyThemeColour();
  LayoutContent();
  emit DockChanged();
}

void TTBCustomDockableWindow::FloatAtLastPlace() {
  if (!canFloat_ || !dock_) return;
  Float(lastFloatPos_.value_or(mapToGlobal(QPoint(0, 0)) - FloatingWindow::BarOffset()));
}

void TTBCustomDockableWindow::ReDock() {
  if (floater_ == nullptr || !lastDock_) return;
  if (aloneInRow_) lastDock_->InsertRow(dockRow_);
  DockTo(lastDock_, dockRow_, dockX_);
}

}  // namespace tessary::widgets
