#pragma once
// The device pixels under a painter's logical coordinates. On a screen scaled by 1.25 or
// 1.5 a logical pixel covers a pixel and a quarter or a half of the device, and a widget can
// start half-way into a device pixel; one-pixel lines and frames would then come out one or
// two device pixels thick at random. Painting code asks the grid where a line falls in whole
// device pixels and paints there, with the painter switched to device pixels while it does.
// At whole-number scales logical pixels are already whole device pixels and nothing snaps.
#include <QPoint>
#include <QRect>
#include <QTransform>

class QPainter;

namespace tessary::widgets {

class DeviceGrid {
 public:
  explicit DeviceGrid(const QPainter& painter);

  // Whether this painter needs snapping: a plain scale by a fraction (not a whole number,
  // not a rotation or a shear, where painting goes on as drawn).
  bool Snaps() const { return snaps_; }
  // Whether this painter is scaled at all (by a plain scale other than one).
  bool Scaled() const { return scaled_; }
  qreal Scale() const { return scale_; }
  // How many device pixels a line `logical` pixels thick takes: its scaled thickness
  // rounded, at least one, the same wherever the line lies.
  int Thickness(int logical = 1) const;
  // The device pixels a logical rectangle covers, each edge rounded to the nearest line
  // between device pixels (neighbouring rectangles keep meeting without gap or overlap).
  QRect Cover(const QRect& logical) const;
  // A line or small mark: its left and top rounded like Cover's, its width and height the
  // logical ones scaled and rounded (at least one), so equal marks are equally thick.
  QRect Snap(const QRect& logical) const;
  // A logical point in device pixels, rounded.
  QPoint Map(QPoint logical) const;
  // The same without rounding.
  QPointF MapF(QPointF logical) const { return toDevice_.map(logical); }

 private:
  friend class DevicePainting;
  QTransform toDevice_;
  QTransform world_;
  qreal scale_ = 1;
  bool snaps_ = false;
  bool scaled_ = false;
};

// While it lives, the painter takes device pixel coordinates (only where the grid snaps,
// or, with `wholeScalesToo`, wherever it is scaled; elsewhere the painter is left alone).
class DevicePainting {
 public:
  DevicePainting(QPainter& painter, const DeviceGrid& grid, bool wholeScalesToo = false);
  ~DevicePainting();
  DevicePainting(const DevicePainting&) = delete;
  DevicePainting& operator=(const DevicePainting&) = delete;

 private:
  QPainter* painter_;
};

// Fills `logical` as a line or mark snapped to the device grid (DeviceGrid::Snap).
void FillSnapped(QPainter& painter, const QRect& logical, const QColor& colour);

}  // namespace tessary::widgets
