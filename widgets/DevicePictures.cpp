#include "widgets/DevicePictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/DeviceGrid.h"

namespace tessary::widgets {
namespace {

// One target pixel's share of the source along one axis: which source pixels and how much.
struct Share {
  int first = 0;
  std::vector<double> weights;  // of source pixels first, first + 1, ...; they sum to 1
};

// The footprint of each of `target` pixels over `source` pixels.
std::vector<Share> Shares(int source, int target) {
  std::vector<Share> shares(static_cast<std::size_t>(target));
  const double step = static_cast<double>(source) / target;
  for (int t = 0; t < target; ++t) {
    const double start = t * step;
    const double end = std::min<double>(source, (t + 1) * step);
    Share& share = shares[static_cast<std::size_t>(t)];
    share.first = std::min(static_cast<int>(std::floor(start)), source - 1);
    for (int s = share.first; s < source && s < end; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(start, s);
      share.weights.push_back(std::max(covered, 0.0) / step);
    }
  }
  return shares;
}

// Scales one axis of premultiplied pixels held as four doubles each.
struct Plane {
  int width = 0;
  int height = 0;
  std::vector<double> values;  // rows of width * 4 channels
  double* At(int x, int y) {
    return values.data() +
           (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  }
};

}  // namespace

QImage AreaScaled(const QImage& source, QSize target) {
  if (source.isNull() || target.isEmpty()) return {};
  const QImage in = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (in.size() == target) return in;
  const int w = in.width(), h = in.height();
  // Across first, into a plane as tall as the source.
  Plane across{target.width(), h,
               std::vector<double>(static_cast<std::size_t>(target.width()) * static_cast<std::size_t>(h) * 4)};
  const std::vector<Share> columns = Shares(w, target.width());
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(in.constScanLine(y));
    for (int x = 0; x < target.width(); ++x) {
      const Share& share = columns[static_cast<std::size_t>(x)];
      double* out = across.At(x, y);
      for (std::size_t i = 0; i < share.weights.size(); ++i) {
        const QRgb pixel = row[share.first + static_cast<int>(i)];
        const double weight = share.weights[i];
        out[0] += qAlpha(pixel) * weight;
        out[1] += qRed(pixel) * weight;
        out[2] += qGreen(pixel) * weight;
        out[3] += qBlue(pixel) * weight;
      }
    }
  }
  QImage result(target, QImage::Format_ARGB32_Premultiplied);
  const std::vector<Share> rows = Shares(h, target.height());
  const auto channel = [](double v) { return std::clamp(static_cast<int>(v + 0.5), 0, 255); };
  for (int y = 0; y < target.height(); ++y) {
    const Share& share = rows[static_cast<std::size_t>(y)];
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < target.width(); ++x) {
      double sum[4] = {0, 0, 0, 0};
      for (std::size_t i = 0; i < share.weights.size(); ++i) {
        const double* value = across.At(x, share.first + static_cast<int>(i));
        for (int c = 0; c < 4; ++c) sum[c] += value[c] * share.weights[i];
      }
      const int alpha = channel(sum[0]);
      // Premultiplied colour never exceeds its alpha.
      out[x] = qRgba(std::min(channel(sum[1]), alpha), std::min(channel(sum[2]), alpha),
                     std::min(channel(sum[3]), alpha), alpha);
    }
  }
  return result;
}

namespace {

// The picture resampled to `size` device pixels, kept while the picture lives and the
// cache has room.
QPixmap DevicePixmap(const QPixmap& picture, QSize size) {
  if (picture.size() == size) return picture;
  const QString key =
      QStringLiteral("tessary-area-%1-%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
  QPixmap scaled;
  if (QPixmapCache::find(key, &scaled)) return scaled;
  scaled = QPixmap::fromImage(AreaScaled(picture.toImage(), size));
  QPixmapCache::insert(key, scaled);
  return scaled;
}

void DrawOnDevice(QPainter& painter, const DeviceGrid& grid, const QRect& device, const QPixmap& picture) {
  if (device.isEmpty()) return;
  const QPixmap scaled = DevicePixmap(picture, device.size());
  const DevicePainting inDevice(painter, grid);
  painter.drawPixmap(device.topLeft(), scaled);
}

}  // namespace

void DrawPicture(QPainter& painter, QPoint at, const QPixmap& picture) {
  if (picture.isNull()) return;
  const DeviceGrid grid(painter);
  if (!grid.Snaps()) {
    painter.drawPixmap(at, picture);
    return;
  }
  const QSize logical = picture.deviceIndependentSize().toSize();
  DrawOnDevice(painter, grid, grid.Snap(QRect(at, logical)), picture);
}

void DrawPictureScaled(QPainter& painter, const QRect& target, const QPixmap& picture) {
  if (picture.isNull() || target.isEmpty()) return;
  const DeviceGrid grid(painter);
  if (!grid.Snaps()) {
    painter.drawPixmap(target, picture);
    return;
  }
  DrawOnDevice(painter, grid, grid.Cover(target), picture);
}

}  // namespace tessary::widgets
