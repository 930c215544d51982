#include "widgets/TTBDock.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <iterator>
#include <map>

#include "skin/TTBBackground.h"
#include "widgets/BarListMenu.h"
#include "widgets/DockBackground.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/RowLayout.h"
#include "widgets/TTBCustomDockableWindow.h"

namespace tessary::widgets {

TTBDock::TTBDock(DockPosition position, QWidget* parent) : QWidget(parent), position_(position) {
  // The dock paints every pixel of itself (colour or picture), so Qt need not erase.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setFixedHeight(0);
}

TTBDock::BackgroundWatch::~BackgroundWatch() {
  if (dock != nullptr) {
    dock->background_ = nullptr;
    dock->InvalidateBackground();
  }
}

void TTBDock::ForgetBackground() {
  if (background_ == nullptr) return;
  // Disarm the watch first: removing the listener destroys it.
  if (auto watch = watch_.lock()) watch->dock = nullptr;
  background_->RemoveChangeListener(this);
  background_ = nullptr;
}

TTBDock::~TTBDock() {
  ForgetBackground();
  // The bars are deleted after this body as our children; they must not call back into a
  // half-destroyed dock.
  for (TTBCustomDockableWindow* bar : bars_) {
    bar->dock_ = nullptr;
    bar->lastDock_ = nullptr;
  }
  bars_.clear();
}

void TTBDock::SetBackground(TTBBackground* background) {
  if (background == background_) return;
  ForgetBackground();
  background_ = background;
  if (background_ != nullptr) {
    auto watch = std::make_shared<BackgroundWatch>();  // armed only once it is in place
    watch->dock = this;
    watch_ = watch;
    background_->AddChangeListener(this, [watch] {
      if (watch->dock != nullptr) watch->dock->BackgroundChanged();
    });
  }
  BackgroundChanged();
}

void TTBDock::BackgroundChanged() {
  // A picture that is (or was just switched to) stretched takes the dock's client size at
  // once: waiting for the dock's next resize would show the user no change, or a picture
  // stretched to a size the dock had long ago. Recording the same size again is no change.
  if (background_ != nullptr && background_->StretchBitmap()) {
    const QRect client = ClientRect();
    background_->SetStretchSize(std::max(0, client.width()), std::max(0, client.height()));
  }
  InvalidateBackground();
}

void TTBDock::SetBackgroundOnToolbars(bool on) {
  if (on == backgroundOnToolbars_) return;
  backgroundOnToolbars_ = on;
  InvalidateBackground();
}

bool TTBDock::UsesBackground() const { return background_ != nullptr && background_->HasPicture(); }

void TTBDock::SetBoundLines(int lines) {
  if (lines == boundLines_) return;
  boundLines_ = lines;
  ArrangeBars();
  update();
}

QRect TTBDock::ClientRect() const {
  return rect().adjusted((boundLines_ & blLeft) ? 1 : 0, (boundLines_ & blTop) ? 1 : 0,
                         (boundLines_ & blRight) ? -1 : 0, (boundLines_ & blBottom) ? -1 : 0);
}

void TTBDock::SetColor(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

int TTBDock::RowCount() const { return static_cast<int>(rows_.size()); }

void TTBDock::InvalidateBackground() {
  update();
  // Only the bars themselves: their child widgets are repainted by whoever changes what
  // they show (Qt repaints them anyway where they overlap the bar's dirty region).
  for (TTBCustomDockableWindow* bar : bars_)
    if (bar->parentWidget() == this && bar->isVisible()) bar->update();
}

void TTBDock::AddBar(TTBCustomDockableWindow* bar) {
  if (std::find(bars_.begin(), bars_.end(), bar) == bars_.end()) bars_.push_back(bar);
}

void TTBDock::RemoveBar(TTBCustomDockableWindow* bar) {
  bars_.erase(std::remove(bars_.begin(), bars_.end(), bar), bars_.end());
}

void TTBDock::InsertRow(int row) {
  for (TTBCustomDockableWindow* bar : bars_)
    if (bar->dockRow_ >= row) ++bar->dockRow_;
}

void TTBDock::SortBars() {
  std::stable_sort(bars_.begin(), bars_.end(), [](const auto* a, const auto* b) {
    if (a->dockRow_ != b->dockRow_) return a->dockRow_ < b->dockRow_;
    return a->dockX_ < b->dockX_;
  });
}

int TTBDock::ArrangeRow(const std::vector<TTBCustomDockableWindow*>& row, int top, int height) {
  const QRect client = ClientRect();
  std::vector<RowMember> members;
  int minimum = 0;
  for (const TTBCustomDockableWindow* bar : row) {
    RowMember member;
    member.natural = bar->BarSizeFor(-1).width();
    member.minimum = bar->BarSizeFor(0).width();
    member.flexible = bar->Stretch() || bar->FillsRow();
    member.x = bar->DockX();
    members.push_back(member);
    minimum += member.minimum;
  }
  const std::vector<RowPlace> places = ArrangeRowMembers(members, client.width());
  for (std::size_t i = 0; i < row.size(); ++i) {
    row[i]->dockX_ = places[i].x;
    row[i]->setGeometry(client.left() + places[i].x, client.top() + top, places[i].width, height);
  }
  return minimum;
}

void TTBDock::ArrangeBars() {
  if (arranging_) return;
  arranging_ = true;
  SortBars();
  rows_.clear();
  // Closed bars keep their row and position for when they open again, but take no room.
  std::vector<TTBCustomDockableWindow*> shown;
  std::copy_if(bars_.begin(), bars_.end(), std::back_inserter(shown),
               [](const TTBCustomDockableWindow* bar) { return bar->BarVisible(); });
  int top = 0;
  int minimumWidth = 0;
  std::size_t i = 0;
  while (i < shown.size()) {
    // Only rows that hold bars take room, so a row emptied by a drag closes up.
    const int row = shown[i]->dockRow_;
    std::vector<TTBCustomDockableWindow*> members;
    int height = 0;
    for (; i < shown.size() && shown[i]->dockRow_ == row; ++i) {
      members.push_back(shown[i]);
      height = std::max(height, shown[i]->BarSizeFor(-1).height());
    }
    minimumWidth = std::max(minimumWidth, ArrangeRow(members, top, height));
    rows_.push_back({row, top, height});
    top += height;
  }
  const int lines = ((boundLines_ & blTop) ? 1 : 0) + ((boundLines_ & blBottom) ? 1 : 0);
  setFixedHeight(shown.empty() ? 0 : top + lines);
  minimumWidth_ = minimumWidth + ((boundLines_ & blLeft) ? 1 : 0) + ((boundLines_ & blRight) ? 1 : 0);
  arranging_ = false;
  updateGeometry();
}

BarDrag::Target TTBDock::DropTargetAt(QPoint dockPoint) const {
  return BarDrag::TargetAt(rows_, dockPoint - ClientRect().topLeft());
}

int TTBDock::RowsHeight() const {
  std::map<int, int> rows;  // row number -> height of its tallest bar
  for (const TTBCustomDockableWindow* bar : bars_) {
    if (!bar->BarVisible()) continue;
    int& height = rows[bar->dockRow_];
    height = std::max(height, bar->BarSizeFor(-1).height());
  }
  if (rows.empty()) return 0;
  int total = ((boundLines_ & blTop) ? 1 : 0) + ((boundLines_ & blBottom) ? 1 : 0);
  for (const auto& [number, height] : rows) total += height;
  return total;
}

int TTBDock::TallestHeight() const {
  return LargestUnderEveryTheme([this] { return RowsHeight(); });
}

QSize TTBDock::sizeHint() const { return {QWidget::sizeHint().width(), height()}; }

QSize TTBDock::minimumSizeHint() const { return {minimumWidth_, height()}; }

void TTBDock::ThemeChanged(int phase) {
  // The notice also reports changed system colours: a transparent picture whose colour is
  // a system colour is prepared again.
  if (phase == tcColoursChanged && background_ != nullptr) background_->SystemColoursChanged();
  if (phase != tcAfterChange) return;
  ArrangeBars();
  update();
}

void TTBDock::PaintFace(QPainter& painter, const QRect& client, QPoint backgroundOrigin) const {
  if (UsesBackground()) {
    painter.save();
    painter.setClipRect(client, Qt::IntersectClip);
    PaintBackground(painter, *background_, client, backgroundOrigin);
    painter.restore();
  } else if (colour_ == clNone || colour_ == clDefault) {
    CurrentTheme().PaintDock(painter, client);
  } else {
    painter.fillRect(client, QColor::fromRgba(ColourToArgb(colour_)));
  }
}

void TTBDock::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Theme& theme = CurrentTheme();
  PaintFace(painter, ClientRect(), BackgroundOrigin(this, this));
  // The bound lines, whole device pixels thick on a scaled screen.
  int sides = 0;
  if (boundLines_ & blTop) sides |= sdTop;
  if (boundLines_ & blBottom) sides |= sdBottom;
  if (boundLines_ & blLeft) sides |= sdLeft;
  if (boundLines_ & blRight) sides |= sdRight;
  DrawRoundedOutline(painter, rect(), 0, 0, sides, theme.DockColour());
}

void TTBDock::resizeEvent(QResizeEvent* event) {
  if (UsesBackground()) {
    const QRect client = ClientRect();
    background_->SetStretchSize(client.width(), client.height());
  }
  QWidget::resizeEvent(event);
  if (event->size().width() != event->oldSize().width()) ArrangeBars();
}

void TTBDock::contextMenuEvent(QContextMenuEvent* event) { BarListMenu::Open(window(), event->globalPos(), this); }

void TTBDock::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // Tiles are aligned to the parent's client origin: a move shifts the picture.
  if (UsesBackground()) InvalidateBackground();
}

}  // namespace tessary::widgets
