// Dock background painting: the paint cache (one pixmap per background, rebuilt when the
// background's generation moves on) and the one tiled fill that lays it out from the dock
// parent's client origin.
#include "widgets/DockBackground.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "skin/TTBBackground.h"
#include "widgets/DeviceGrid.h"
#include "widgets/DevicePictures.h"
#include "widgets/TTBCustomDockableWindow.h"
#include "widgets/TTBDock.h"

namespace tessary::widgets {
namespace {

// Pictures smaller than this on a side are pre-tiled to at least this size once per
// change, so that a 1 x 1 or 8 x 8 picture costs the tiled fill no more than a large one.
constexpr int kMinTiledSide = 64;

struct CacheEntry {
  std::uint64_t generation = 0;
  // Expires when the background is destroyed: the background holds the only owner,
  // captured in the change listener registered with it.
  std::weak_ptr<const void> alive;
  const void* listenerKey = nullptr;
  QPixmap tile;   // the prepared picture as painted
  QPixmap tiled;  // the tile repeated to at least kMinTiledSide (or the tile itself)
  // On a screen with a fractional scale: the tile repeated until it spans a whole number
  // of device pixels, resampled to them, for `deviceScale`.
  QPixmap deviceTiled;
  qreal deviceScale = 0;
};

using Cache = std::unordered_map<const TTBBackground*, CacheEntry>;

Cache& PaintCache() {
  static Cache* cache = new Cache;  // outlives every widget that paints at exit
  return *cache;
}

QPixmap PixmapFromPaintPixels(const TTBBackground& background) {
  const Bitmap& prepared = background.Prepared();
  const std::vector<Argb>& pixels = background.PaintPixels();
  const int w = prepared.Width();
  const int h = prepared.Height();
  if (w <= 0 || h <= 0) return {};
  const std::size_t columns = static_cast<std::size_t>(w);
  if (pixels.size() != columns * static_cast<std::size_t>(h)) return {};
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    std::memcpy(image.scanLine(y), pixels.data() + static_cast<std::size_t>(y) * columns, columns * sizeof(Argb));
  }
  return QPixmap::fromImage(image);
}

QPixmap PreTiled(const QPixmap& tile) {
  if (tile.isNull() || (tile.width() >= kMinTiledSide && tile.height() >= kMinTiledSide)) {
    return tile;
  }
  // A whole number of tiles each way, so the tiling pattern is unchanged.
  const int across = (kMinTiledSide + tile.width() - 1) / tile.width();
  const int down = (kMinTiledSide + tile.height() - 1) / tile.height();
  QPixmap tiled(tile.width() * std::max(across, 1), tile.height() * std::max(down, 1));
  QPainter p(&tiled);
  p.drawTiledPixmap(tiled.rect(), tile);
  return tiled;
}

// Drops the entries of destroyed backgrounds (their address may be reused by a new one).
void SweepDestroyed(Cache& cache) {
  for (auto it = cache.begin(); it != cache.end();) {
    if (it->second.alive.expired()) it = cache.erase(it);
    else ++it;
  }
}

CacheEntry& EntryFor(const TTBBackground& background) {
  Cache& cache = PaintCache();
  auto it = cache.find(&background);
  if (it != cache.end() && it->second.alive.expired()) {
    cache.erase(it);
    it = cache.end();
  }
  if (it == cache.end()) {
    SweepDestroyed(cache);
    CacheEntry entry;
    auto token = std::make_shared<int>(0);
    entry.alive = token;
    entry.listenerKey = token.get();
    entry.generation = background.Generation() + 1;  // forces the first build below
    // The listener does nothing when called: the generation check finds the change. It
    // exists so that its token dies with the background. Registering is not a change of
    // what the background paints, so the const view is only widened for this.
    const_cast<TTBBackground&>(background).AddChangeListener(entry.listenerKey, [token]() {});
    it = cache.emplace(&background, std::move(entry)).first;
  }
  CacheEntry& entry = it->second;
  if (entry.generation != background.Generation()) {
    entry.tile = PixmapFromPaintPixels(background);
    entry.tiled = PreTiled(entry.tile);
    entry.deviceTiled = QPixmap();
    entry.deviceScale = 0;
    entry.generation = background.Generation();
  }
  return entry;
}

// How many tiles of `length` pixels, scaled by `scale`, make the nearest to a whole number
// of device pixels (so the tiling repeats on the device grid with no drift).
int TilesForWholePixels(int length, qreal scale) {
  constexpr int kMostTiles = 16;
  int best = 1;
  qreal bestError = 1;
  for (int n = 1; n <= kMostTiles; ++n) {
    const qreal device = n * length * scale;
    const qreal error = std::abs(device - std::round(device));
    if (error < bestError - 1e-9) {
      best = n;
      bestError = error;
    }
    if (error < 1e-6) break;
  }
  return best;
}

const QPixmap& DeviceTiled(CacheEntry& entry, qreal scale) {
  if (entry.deviceScale == scale && !entry.deviceTiled.isNull()) return entry.deviceTiled;
  const QPixmap& tile = entry.tiled;
  const int across = TilesForWholePixels(tile.width(), scale);
  const int down = TilesForWholePixels(tile.height(), scale);
  QPixmap repeated(tile.width() * across, tile.height() * down);
  {
    QPainter p(&repeated);
    p.drawTiledPixmap(repeated.rect(), tile);
  }
  const QSize device(static_cast<int>(std::lround(repeated.width() * scale)),
                     static_cast<int>(std::lround(repeated.height() * scale)));
  entry.deviceTiled = QPixmap::fromImage(AreaScaled(repeated.toImage(), device));
  entry.deviceScale = scale;
  return entry.deviceTiled;
}

int PositiveModulo(int value, int divisor) {
  const int r = value % divisor;
  return r < 0 ? r + divisor : r;
}

}  // namespace

const QPixmap& BackgroundPixmap(const TTBBackground& background) { return EntryFor(background).tile; }

void PaintBackground(QPainter& painter, const TTBBackground& background, const QRect& area, QPoint origin) {
  if (!background.HasPicture() || area.isEmpty()) return;
  CacheEntry& entry = EntryFor(background);
  const QPixmap& tiled = entry.tiled;
  if (tiled.isNull()) return;
  const DeviceGrid grid(painter);
  if (grid.Scaled()) {
    // Tiles resampled to whole device pixels and laid from the origin's device pixel, so
    // every widget that shows the picture continues it on the same grid, and a seam
    // between two tiles is where the picture's own last and first pixels meet. (At a
    // whole-number scale this is the picture repeated pixel for pixel, made once, so the
    // fill is a plain copy rather than a scaled one.)
    const QPixmap& device = DeviceTiled(entry, grid.Scale());
    const QRect target =
        QRectF(grid.MapF(area.topLeft()), grid.MapF(QPointF(area.left() + area.width(), area.top() + area.height())))
            .toAlignedRect();
    const QPoint start = grid.Map(origin);
    const QPoint offset(PositiveModulo(target.left() - start.x(), device.width()),
                        PositiveModulo(target.top() - start.y(), device.height()));
    const DevicePainting inDevice(painter, grid, /*wholeScalesToo=*/true);
    painter.drawTiledPixmap(target, device, offset);
    return;
  }
  // The pixel of the pre-tiled pixmap that falls on area's top-left corner.
  const QPoint offset(PositiveModulo(area.left() - origin.x(), tiled.width()),
                      PositiveModulo(area.top() - origin.y(), tiled.height()));
  painter.drawTiledPixmap(area, tiled, offset);
}

QPoint BackgroundOrigin(const QWidget* target, const QWidget* dock) {
  if (target == nullptr || dock == nullptr) return {};
  const QWidget* parent = dock->parentWidget();
  // A dock without a parent is its own window: the picture starts at its outer corner.
  const QWidget* anchor = parent != nullptr ? parent : dock;
  if (anchor == target) return {};
  if (anchor->isAncestorOf(target)) return target->mapFrom(anchor, QPoint(0, 0));
  return target->mapFromGlobal(anchor->mapToGlobal(QPoint(0, 0)));
}

void PaintBackgroundUnder(QPainter& painter, QWidget* child) {
  if (child == nullptr) return;
  bool throughBar = false;
  for (QWidget* w = child->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* bar = qobject_cast<TTBCustomDockableWindow*>(w)) {
      // A floating bar is not on a dock: it paints its own face under its children.
      if (!bar->IsDocked()) return;
      throughBar = true;
      continue;
    }
    auto* dock = qobject_cast<TTBDock*>(w);
    if (dock == nullptr) continue;
    if (!dock->UsesBackground()) return;
    if (throughBar && !dock->BackgroundOnToolbars()) return;
    PaintBackground(painter, *dock->Background(), child->rect(), BackgroundOrigin(child, dock));
    return;
  }
}

}  // namespace tessary::widgets
