#include "widgets/DeviceGrid.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tessary::widgets {
namespace {

// How close a scale must come to a whole number to be taken as one.
constexpr qreal kWholeScaleTolerance = 1e-6;

int RoundEdge(qreal device) { return static_cast<int>(std::floor(device + 0.5)); }

}  // namespace

DeviceGrid::DeviceGrid(const QPainter& painter)
    : toDevice_(painter.deviceTransform()), world_(painter.worldTransform()) {
  const bool plainScale = toDevice_.type() <= QTransform::TxScale && toDevice_.m11() > 0 &&
                          std::abs(toDevice_.m11() - toDevice_.m22()) < kWholeScaleTolerance;
  if (!plainScale) return;
  scale_ = toDevice_.m11();
  snaps_ = std::abs(scale_ - std::round(scale_)) > kWholeScaleTolerance;
  scaled_ = std::abs(scale_ - 1) > kWholeScaleTolerance;
}

int DeviceGrid::Thickness(int logical) const {
  if (!snaps_) return logical;
  return std::max(1, RoundEdge(logical * scale_));
}

QRect DeviceGrid::Cover(const QRect& logical) const {
  const QPointF topLeft = toDevice_.map(QPointF(logical.topLeft()));
  const QPointF bottomRight =
      toDevice_.map(QPointF(logical.left() + logical.width(), logical.top() + logical.height()));
  const int left = RoundEdge(topLeft.x());
  const int top = RoundEdge(topLeft.y());
  return {left, top, RoundEdge(bottomRight.x()) - left, RoundEdge(bottomRight.y()) - top};
}

QRect DeviceGrid::Snap(const QRect& logical) const {
  const QPoint at = Map(logical.topLeft());
  const auto size = [this](int length) { return length <= 0 ? 0 : std::max(1, RoundEdge(length * scale_)); };
  return {at.x(), at.y(), size(logical.width()), size(logical.height())};
}

QPoint DeviceGrid::Map(QPoint logical) const {
  const QPointF device = toDevice_.map(QPointF(logical));
  return {RoundEdge(device.x()), RoundEdge(device.y())};
}

DevicePainting::DevicePainting(QPainter& painter, const DeviceGrid& grid, bool wholeScalesToo) : painter_(nullptr) {
  if (!(grid.Snaps() || (wholeScalesToo && grid.Scaled()))) return;
  painter_ = &painter;
  painter.save();
  // The world transform that, followed by what lies between the world and the device
  // (the view, the widget's place, the screen's scale), leaves device pixels unchanged.
  painter.setWorldTransform(grid.toDevice_.inverted() * grid.world_);
}

DevicePainting::~DevicePainting() {
  if (painter_ != nullptr) painter_->restore();
}

void FillSnapped(QPainter& painter, const QRect& logical, const QColor& colour) {
  const DeviceGrid grid(painter);
  if (!grid.Snaps()) {
    painter.fillRect(logical, colour);
    return;
  }
  const QRect device = grid.Snap(logical);
  const DevicePainting inDevice(painter, grid);
  painter.fillRect(device, colour);
}

}  // namespace tessary::widgets
