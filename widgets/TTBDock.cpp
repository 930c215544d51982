#include "widgets/TTBDock.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <iterator>

#include "skin/TTBBackground.h"
#include "widgets/BarListMenu.h"
#include "widgets/DockBackground.h"
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
      if (watch->dock != nullptr) watch->dock->InvalidateBackground();
    });
    background_->SetStretchSize(width(), height());
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
  if (colour == color_) return;
  color_ = colour;
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

void TTBDock::ArrangeRow(const std::vector<TTBCustomDockableWindow*>& row, int top, int height) {
  const QRect client = ClientRect();
  const int available = client.width();
  const std::size_t count = row.size();
  std::vector<int> widths(count), xs(count);
  int fixedTotal = 0;
  int flexible = 0;
  for (std::size_t i = 0; i < count; ++i) {
    widths[i] = row[i]->BarSizeFor(-1).width();
    if (row[i]->Stretch() || row[i]->FillsRow()) ++flexible;
    else fixedTotal += widths[i];
  }
  if (flexible > 0) {
    // Flexible bars (stretching toolbars, the menu bar) share what the others leave free;
    // the row is packed from the left, so a fixed bar after the menu bar ends up at the
    // right end of the row.
    const int free = std::max(0, available - fixedTotal);
    int given = 0;
    int seen = 0;
    for (std::size_t i = 0; i < count; ++i) {
      if (!(row[i]->Stretch() || row[i]->FillsRow())) continue;
      ++seen;
      const int share = seen == flexible ? free - given : free / flexible;
      given += share;
      widths[i] = std::max(share, row[i]->BarSizeFor(0).width());
    }
    int x = 0;
    for (std::size_t i = 0; i < count; ++i) {
      xs[i] = x;
      x += widths[i];
    }
  } else {
    // Bars keep the x they were given where they can; a bar never overlaps the one before
    // it, and bars are pushed back left when the row would run past the dock's edge.
    int end = 0;
    for (std::size_t i = 0; i < count; ++i) {
      xs[i] = std::max(row[i]->DockX(), end);
      end = xs[i] + widths[i];
    }
    int limit = available;
    for (std::size_t i = count; i-- > 0;) {
      if (xs[i] + widths[i] > limit) xs[i] = limit - widths[i];
      limit = xs[i];
    }
    // When the row is too short for every bar, pack them and shorten the last ones; their
    // items go behind a chevron.
    if (count > 0 && xs[0] < 0) {
      int x = 0;
      for (std::size_t i = 0; i < count; ++i) {
        const int left = available - x;
        const int minimum = row[i]->BarSizeFor(0).width();
        widths[i] = std::max(minimum, std::min(widths[i], left));
        xs[i] = x;
        x += widths[i];
      }
    }
  }
  for (std::size_t i = 0; i < count; ++i) {
    row[i]->dockX_ = xs[i];
    row[i]->setGeometry(client.left() + xs[i], client.top() + top, widths[i], height);
  }
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
    ArrangeRow(members, top, height);
    rows_.push_back({row, top, height});
    top += height;
  }
  const int lines = ((boundLines_ & blTop) ? 1 : 0) + ((boundLines_ & blBottom) ? 1 : 0);
  setFixedHeight(shown.empty() ? 0 : top + lines);
  arranging_ = false;
  updateGeometry();
}

TTBDock::DropTarget TTBDock::DropTargetAt(QPoint dockPoint) const {
  const QRect client = ClientRect();
  DropTarget target;
  target.x = dockPoint.x() - client.left();
  const int y = dockPoint.y() - client.top();
  if (rows_.empty() || y < 0) {
    target.newRow = true;
    target.row = rows_.empty() ? 0 : rows_.front().number;
    return target;
  }
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const RowBand& band = rows_[r];
    if (y >= band.top + band.height) continue;
    // The outer quarters of a row insert a new row above or below it; the middle joins it.
    const int quarter = band.height / 4;
    if (y < band.top + quarter) {
      target.newRow = true;
      target.row = band.number;
    } else if (y >= band.top + band.height - quarter) {
      target.newRow = true;
      target.row = band.number + 1;
    } else {
      target.row = band.number;
    }
    return target;
  }
  target.newRow = true;
  target.row = rows_.back().number + 1;
  return target;
}

QSize TTBDock::sizeHint() const { return {QWidget::sizeHint().width(), height()}; }

QSize TTBDock::minimumSizeHint() const { return {0, height()}; }

void TTBDock::ThemeChanged(int phase) {
  // The notice also reports changed system colours: a transparent picture whose colour is
  // a system colour is prepared again.
  if (phase == tcColoursChanged && background_ != nullptr) background_->SystemColoursChanged();
  if (phase != tcAfterChange) return;
  ArrangeBars();
  update();
}

void TTBDock::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = ClientRect();
  const Theme& theme = CurrentTheme();
  if (UsesBackground()) {
    painter.save();
    painter.setClipRect(client);
    PaintBackground(painter, *background_, client, BackgroundOrigin(this, this));
    painter.restore();
  } else if (color_ == clNone || color_ == clDefault) {
    theme.PaintDock(painter, client);
  } else {
    painter.fillRect(client, QColor::fromRgba(ColourToArgb(color_)));
  }
  painter.setPen(theme.DockColour());
  const QRect r = rect();
  if (boundLines_ & blTop) painter.drawLine(r.left(), r.top(), r.right(), r.top());
  if (boundLines_ & blBottom) painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  if (boundLines_ & blLeft) painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
  if (boundLines_ & blRight) painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void TTBDock::resizeEvent(QResizeEvent* event) {
  if (UsesBackground()) {
    const QRect client = ClientRect();
    background_->SetStretchSize(client.width(), client.height());
  }
  QWidget::resizeEvent(event);
  if (event->size().width() != event->oldSize().width()) ArrangeBars();
}

void TTBDock::contextMenuEvent(QContextMenuEvent* event) {
  BarListMenu::Open(window(), event->globalPos(), this);
}

void TTBDock::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // Tiles are aligned to the parent's client origin: a move shifts the picture.
  if (UsesBackground()) InvalidateBackground();
}

}  // namespace tessary::widgets
