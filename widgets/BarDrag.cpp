#include "widgets/BarDrag.h"

#include <algorithm>
#include <utility>

namespace tessary::widgets {

int BarDrag::DockAt(const std::vector<QRect>& docks, QPoint pointer) {
  int nearest = -1;
  for (std::size_t i = 0; i < docks.size(); ++i) {
    if (docks[i].contains(pointer)) return static_cast<int>(i);
    if (docks[i].adjusted(0, -kDockSnapDistance, 0, kDockSnapDistance).contains(pointer)) nearest = static_cast<int>(i);
  }
  return nearest;
}

BarDrag::Target BarDrag::TargetAt(const std::vector<Row>& rows, QPoint point) {
  Target target;
  target.x = point.x();
  const int y = point.y();
  if (rows.empty() || y < 0) {
    target.newRow = true;
    target.row = rows.empty() ? 0 : rows.front().number;
    return target;
  }
  for (const Row& band : rows) {
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
  target.row = rows.back().number + 1;
  return target;
}

QRect BarDrag::OutlineInDock(const QRect& client, bool growsUp, QPoint topLeft, QSize barSize, bool spans) {
  QRect target(topLeft, QSize(std::min(barSize.width(), client.width()), barSize.height()));
  if (spans) target.setWidth(client.width());
  target.moveLeft(std::clamp(target.left(), client.left(), client.right() + 1 - target.width()));
  if (client.height() >= target.height())
    target.moveTop(std::clamp(target.top(), client.top(), client.bottom() + 1 - target.height()));
  else if (growsUp) target.moveBottom(client.bottom());
  else target.moveTop(client.top());
  return target;
}

QRect BarDrag::OnScreen(const QRect& available, QPoint topLeft, QSize size) {
  QRect window(topLeft, size);
  if (available.isEmpty()) return window;
  // std::max after std::min: a window wider or taller than the area ends at its left or top.
  window.moveLeft(std::max(std::min(window.left(), available.right() + 1 - window.width()), available.left()));
  window.moveTop(std::max(std::min(window.top(), available.bottom() + 1 - window.height()), available.top()));
  return window;
}

void BarDrag::Begin(QPoint grabOffset, QPoint pointer, std::vector<Place> startPlaces) {
  active_ = true;
  moved_ = false;
  grab_ = grabOffset;
  start_ = pointer;
  placedAt_.reset();
  startPlaces_ = std::move(startPlaces);
}

BarDrag::Step BarDrag::Move(QPoint pointer, bool docked, bool overOwnDock) {
  placedAt_.reset();
  if (!active_ || !docked) return Step::kNothing;
  if (pointer != start_) moved_ = true;
  if (!moved_) return Step::kNothing;
  // Within its own dock the bar follows the pointer at once: between rows, to a new row,
  // along its row. Leaving the dock is decided when the button is released; until then an
  // outline shows where the bar would go.
  if (!overOwnDock) return Step::kOutline;
  placedAt_ = pointer;
  return Step::kPlace;
}

BarDrag::Drop BarDrag::End(QPoint pointer, bool docked, bool overOwnDock) {
  if (!active_) return {};
  // Where the bar already followed the pointer within its dock it stays: the dock may have
  // changed height under the pointer, and reading the place again would move it once more.
  const bool placed = placedAt_ == pointer;
  const bool moved = moved_ || pointer != start_;
  active_ = false;
  placedAt_.reset();
  Drop drop;
  std::vector<Place> startPlaces = std::exchange(startPlaces_, {});
  if (!moved || (placed && docked)) return drop;
  drop.drop = true;
  drop.putBack = docked && !overOwnDock;
  if (drop.putBack) drop.startPlaces = std::move(startPlaces);
  return drop;
}

std::vector<BarDrag::Place> BarDrag::Cancel() {
  if (!active_) return {};
  active_ = false;
  placedAt_.reset();
  return std::exchange(startPlaces_, {});
}

}  // namespace tessary::widgets
