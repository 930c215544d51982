#include "widgets/PaintPrimitives.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cstring>
#include <functional>

#include "widgets/DeviceGrid.h"
#include "widgets/DevicePictures.h"

namespace tessary::widgets {
namespace {

// Pixels lighter than this count as background in a disabled image's outline, as on the
// classic desktop where only the dark strokes of an icon stay visible.
constexpr int kMaskLightnessLimit = 192;
// Opacity of a faded (disabled) image, out of 255.
constexpr int kFadedOpacity = 110;

// clang-format off
constexpr const char* kCheckMark[] = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};

constexpr const char* kRadioDot[] = {
    ".####.",
    "######",
    "######",
    "######",
    "######",
    ".####.",
};

constexpr const char* kChevron[] = {
    "##.##..",
    ".##.##.",
    "..##.##",
    ".##.##.",
    "##.##..",
};

constexpr const char* kClose[] = {
    "##....##",
    ".##..##.",
    "..####..",
    "...##...",
    "..####..",
    ".##..##.",
    "##....##",
};
// clang-format on

}  // namespace

QColor ToQColor(Colour colour) { return QColor::fromRgb(ColourToArgb(colour)); }

namespace {

// The four lines of an edge `t` pixels thick just inside `r`.
void FillEdge(QPainter& p, const QRect& r, int t, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(QRect(r.left(), r.top(), r.width() - t, t), topLeft);
  p.fillRect(QRect(r.left(), r.top() + t, t, r.height() - 2 * t), topLeft);
  p.fillRect(QRect(r.left(), r.bottom() + 1 - t, r.width(), t), bottomRight);
  p.fillRect(QRect(r.right() + 1 - t, r.top(), t, r.height() - t), bottomRight);
}

// A small picture in one colour from a test of which pixels are set, cached by `key` (which
// must name the shape) and the colour: marks and arrows drawn as pictures on scaled screens.
QPixmap MarkPicture(const QString& key, QSize size, const QColor& colour, const std::function<bool(int, int)>& set) {
  const QString full = QStringLiteral("tessary-mark-%1-%2").arg(key).arg(colour.rgba(), 8, 16);
  QPixmap picture;
  if (QPixmapCache::find(full, &picture)) return picture;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const QRgb ink = colour.rgba();
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      if (set(x, y)) image.setPixel(x, y, ink);
  picture = QPixmap::fromImage(image);
  QPixmapCache::insert(full, picture);
  return picture;
}

}  // namespace

void DrawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  const DeviceGrid grid(p);
  if (!grid.Snaps()) {
    FillEdge(p, r, 1, topLeft, bottomRight);
    return;
  }
  // Whole device pixels, equally thick on every side, inside the pixels `r` covers.
  const QRect device = grid.Cover(r);
  if (device.isEmpty()) return;
  const int t = std::max(1, std::min({grid.Thickness(), device.width() / 2, device.height() / 2}));
  const DevicePainting inDevice(p, grid);
  FillEdge(p, device, t, topLeft, bottomRight);
}

void FillDithered(QPainter& p, const QRect& r, const QColor& a, const QColor& b) {
  static QImage pattern;
  static QRgb patternA = 0, patternB = 0;
  if (pattern.isNull() || patternA != a.rgb() || patternB != b.rgb()) {
    pattern = QImage(2, 2, QImage::Format_RGB32);
    pattern.setPixel(0, 0, a.rgb());
    pattern.setPixel(1, 1, a.rgb());
    pattern.setPixel(1, 0, b.rgb());
    pattern.setPixel(0, 1, b.rgb());
    patternA = a.rgb();
    patternB = b.rgb();
  }
  QBrush brush(pattern);
  const DeviceGrid grid(p);
  if (!grid.Snaps()) {
    // Anchor to device pixel (0, 0) whatever the painter's translation is.
    brush.setTransform(QTransform::fromTranslate(-p.transform().dx(), -p.transform().dy()));
    p.fillRect(r, brush);
    return;
  }
  // On a scaled screen the checkerboard is laid in squares of whole device pixels, from
  // the device's origin.
  const QRect device = grid.Cover(r);
  const int cell = grid.Thickness();
  brush.setTransform(QTransform::fromScale(cell, cell));
  const DevicePainting inDevice(p, grid);
  p.fillRect(device, brush);
}

void DrawDownTriangle(QPainter& p, QPoint centre, int width, const QColor& colour) {
  const int rows = (width + 1) / 2;
  const int top = centre.y() - rows / 2;
  if (DeviceGrid(p).Snaps()) {
    // Row i of the triangle leaves out i pixels on each side.
    DrawPicture(p, QPoint(centre.x() - width / 2, top),
                MarkPicture(QStringLiteral("down%1").arg(width), QSize(width, rows), colour,
                            [width](int x, int y) { return x >= y && x < width - y; }));
    return;
  }
  for (int i = 0; i < rows; ++i) {
    const int w = width - 2 * i;
    p.fillRect(QRect(centre.x() - w / 2, top + i, w, 1), colour);
  }
}

void DrawRightTriangle(QPainter& p, QPoint centre, int height, const QColor& colour) {
  const int cols = (height + 1) / 2;
  const int left = centre.x() - cols / 2;
  if (DeviceGrid(p).Snaps()) {
    DrawPicture(p, QPoint(left, centre.y() - height / 2),
                MarkPicture(QStringLiteral("right%1").arg(height), QSize(cols, height), colour,
                            [height](int x, int y) { return y >= x && y < height - x; }));
    return;
  }
  for (int i = 0; i < cols; ++i) {
    const int h = height - 2 * i;
    p.fillRect(QRect(left + i, centre.y() - h / 2, 1, h), colour);
  }
}

int Glyph::Width() const { return rows.empty() ? 0 : static_cast<int>(std::strlen(rows[0])); }

void DrawGlyph(QPainter& p, const Glyph& glyph, QPoint at, const QColor& colour) {
  if (glyph.Height() == 0) return;
  if (DeviceGrid(p).Snaps()) {
    // Glyphs are told apart by where their rows live.
    const QString key = QStringLiteral("glyph%1").arg(reinterpret_cast<quintptr>(glyph.rows.data()), 0, 16);
    DrawPicture(p, at, MarkPicture(key, QSize(glyph.Width(), glyph.Height()), colour, [&glyph](int x, int y) {
                  return glyph.rows[static_cast<std::size_t>(y)][x] == '#';
                }));
    return;
  }
  for (int y = 0; y < glyph.Height(); ++y) {
    const char* row = glyph.rows[static_cast<std::size_t>(y)];
    for (int x = 0; row[x] != '\0'; ++x) {
      // Runs of set pixels become one fill each.
      if (row[x] != '#') continue;
      int end = x;
      while (row[end + 1] == '#') ++end;
      p.fillRect(QRect(at.x() + x, at.y() + y, end - x + 1, 1), colour);
      x = end;
    }
  }
}

void DrawGlyphCentred(QPainter& p, const Glyph& glyph, const QRect& r, const QColor& colour) {
  const QPoint at(r.left() + (r.width() - glyph.Width()) / 2, r.top() + (r.height() - glyph.Height()) / 2);
  DrawGlyph(p, glyph, at, colour);
}

Glyph CheckMarkGlyph() { return Glyph{kCheckMark}; }
Glyph RadioDotGlyph() { return Glyph{kRadioDot}; }
Glyph ChevronGlyph() { return Glyph{kChevron}; }
Glyph CloseGlyph() { return Glyph{kClose}; }

namespace {

// Derived images are kept per (kind, image, colour): bars repaint the same few over and over.
QPixmap Derived(const QPixmap& image, char kind, QRgb colour, const std::function<QImage(const QImage&)>& make) {
  const QString key = QStringLiteral("tessary-%1-%2-%3").arg(kind).arg(image.cacheKey()).arg(colour, 8, 16);
  QPixmap result;
  if (QPixmapCache::find(key, &result)) return result;
  result = QPixmap::fromImage(make(image.toImage().convertToFormat(QImage::Format_ARGB32)));
  result.setDevicePixelRatio(image.devicePixelRatio());
  QPixmapCache::insert(key, result);
  return result;
}

// One colour wherever `keep` holds for a source pixel, transparent elsewhere.
QImage Stencil(const QImage& source, QRgb ink, bool (*keep)(QRgb)) {
  QImage mask(source.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      if (keep(in[x])) out[x] = ink | 0xFF000000u;
    }
  }
  return mask;
}

}  // namespace

QPixmap ImageMask(const QPixmap& image, const QColor& colour) {
  return Derived(image, 'm', colour.rgb(), [&](const QImage& source) {
    return Stencil(source, colour.rgb(), [](QRgb c) { return qAlpha(c) >= 128 && qGray(c) < kMaskLightnessLimit; });
  });
}

QPixmap ImageSilhouette(const QPixmap& image, const QColor& colour) {
  return Derived(image, 's', colour.rgb(), [&](const QImage& source) {
    return Stencil(source, colour.rgb(), [](QRgb c) { return qAlpha(c) >= 128; });
  });
}

QPixmap FadedImage(const QPixmap& image) {
  return Derived(image, 'f', 0, [](const QImage& source) {
    QImage faded(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
      const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
      QRgb* out = reinterpret_cast<QRgb*>(faded.scanLine(y));
      for (int x = 0; x < source.width(); ++x) {
        // Grey lifted towards white, at a little under half the original opacity.
        const int grey = 128 + qGray(in[x]) / 2;
        out[x] = qRgba(grey, grey, grey, qAlpha(in[x]) * kFadedOpacity / 255);
      }
    }
    return faded;
  });
}

QColor Blend(const QColor& a, const QColor& b, double t) {
  const auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

int CornerCut(int radius, int row) { return row < radius ? radius - 1 - row : 0; }

QRegion CornerRegion(const QRect& r, int radius, int corners) {
  QRegion region;
  if (radius <= 1 || corners == 0) return region;
  for (int row = 0; row < radius - 1 && row < r.height() / 2; ++row) {
    const int cut = CornerCut(radius, row);
    const int top = r.top() + row, bottom = r.bottom() - row;
    if (corners & crTopLeft) region += QRect(r.left(), top, cut, 1);
    if (corners & crTopRight) region += QRect(r.right() + 1 - cut, top, cut, 1);
    if (corners & crBottomLeft) region += QRect(r.left(), bottom, cut, 1);
    if (corners & crBottomRight) region += QRect(r.right() + 1 - cut, bottom, cut, 1);
  }
  return region;
}

namespace {

// The outline `t` pixels thick in the pixels of `r` (device pixels on a scaled screen).
void Outline(QPainter& p, const QRect& r, int radius, int corners, int sides, const QColor& colour, int t) {
  const int cut = radius > 1 ? radius - 1 : 0;
  const auto inset = [&](int corner) { return (corners & corner) ? cut : 0; };
  if (sides & sdTop)
    p.fillRect(QRect(r.left() + inset(crTopLeft), r.top(), r.width() - inset(crTopLeft) - inset(crTopRight), t),
               colour);
  if (sides & sdBottom)
    p.fillRect(QRect(r.left() + inset(crBottomLeft), r.bottom() + 1 - t,
                     r.width() - inset(crBottomLeft) - inset(crBottomRight), t),
               colour);
  if (sides & sdLeft)
    p.fillRect(QRect(r.left(), r.top() + inset(crTopLeft), t, r.height() - inset(crTopLeft) - inset(crBottomLeft)),
               colour);
  if (sides & sdRight)
    p.fillRect(
        QRect(r.right() + 1 - t, r.top() + inset(crTopRight), t, r.height() - inset(crTopRight) - inset(crBottomRight)),
        colour);
  // The diagonal steps of each cut corner next to a drawn side.
  for (int row = 1; row < cut; ++row) {
    const int x = CornerCut(radius, row);
    const auto dot = [&](int corner, int side1, int side2, int px, int py) {
      if ((corners & corner) && (sides & (side1 | side2))) p.fillRect(QRect(px, py, t, t), colour);
    };
    dot(crTopLeft, sdTop, sdLeft, r.left() + x, r.top() + row);
    dot(crTopRight, sdTop, sdRight, r.right() + 1 - t - x, r.top() + row);
    dot(crBottomLeft, sdBottom, sdLeft, r.left() + x, r.bottom() + 1 - t - row);
    dot(crBottomRight, sdBottom, sdRight, r.right() + 1 - t - x, r.bottom() + 1 - t - row);
  }
}

// A corner radius in device pixels.
int DeviceRadius(const DeviceGrid& grid, int radius) {
  return radius > 1 ? std::max(2, static_cast<int>(radius * grid.Scale() + 0.5)) : radius;
}

}  // namespace

void DrawRoundedOutline(QPainter& p, const QRect& r, int radius, int corners, int sides, const QColor& colour) {
  if (r.width() <= 0 || r.height() <= 0 || !colour.isValid()) return;
  const DeviceGrid grid(p);
  if (!grid.Snaps()) {
    Outline(p, r, radius, corners, sides, colour, 1);
    return;
  }
  const QRect device = grid.Cover(r);
  const int t = std::min({grid.Thickness(), device.width(), device.height()});
  if (t <= 0) return;
  const DevicePainting inDevice(p, grid);
  Outline(p, device, DeviceRadius(grid, radius), corners, sides, colour, t);
}

void FillGradient(QPainter& p, const QRect& r, const QColor& from, const QColor& to, bool horizontal, bool glossy) {
  if (!to.isValid() || to == from) {
    p.fillRect(r, from);
    return;
  }
  QLinearGradient gradient(r.topLeft(),
                           horizontal ? QPointF(r.right() + 1, r.top()) : QPointF(r.left(), r.bottom() + 1));
  if (glossy) {
    // A light upper half ending in a sharp step to the deep colour, which brightens again
    // towards the bottom as if lit from below.
    gradient.setColorAt(0, from);
    gradient.setColorAt(0.48, Blend(from, to, 0.45));
    gradient.setColorAt(0.52, to);
    gradient.setColorAt(1, Blend(to, from, 0.45));
  } else {
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
  }
  p.fillRect(r, gradient);
}

void PaintFace(QPainter& p, const QRect& r, const FaceLook& look) {
  if (r.width() <= 0 || r.height() <= 0) return;
  int corners = crAll;
  if (look.openSides & sdTop) corners &= ~(crTopLeft | crTopRight);
  if (look.openSides & sdBottom) corners &= ~(crBottomLeft | crBottomRight);
  if (look.openSides & sdLeft) corners &= ~(crTopLeft | crBottomLeft);
  if (look.openSides & sdRight) corners &= ~(crTopRight | crBottomRight);
  if (look.fill.isValid()) {
    // On a scaled screen the fill and its cut corners are laid in device pixels, as the
    // frame is.
    const DeviceGrid grid(p);
    const DevicePainting inDevice(p, grid);
    const QRect area = grid.Snaps() ? grid.Cover(r) : r;
    const QRegion cut = CornerRegion(area, grid.Snaps() ? DeviceRadius(grid, look.radius) : look.radius, corners);
    const bool clip = !cut.isEmpty();
    if (clip) {
      p.save();
      p.setClipRegion(QRegion(area).subtracted(cut), Qt::IntersectClip);
    }
    FillGradient(p, area, look.fill, look.fillEnd, false, look.glossy);
    if (clip) p.restore();
  }
  if (look.frame.isValid()) DrawRoundedOutline(p, r, look.radius, corners, sdAll & ~look.openSides, look.frame);
}

void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // On a scaled screen: dots of whole device pixels, as thick as a line.
  const DeviceGrid grid(painter);
  const int t = grid.Snaps() ? grid.Thickness() : 1;
  const QRect r = grid.Snaps() ? grid.Cover(rect) : rect;
  const DevicePainting inDevice(painter, grid);
  // Every other dot along the edge, the phase running on around the corners.
  const auto dot = [&](int x, int y) {
    if (((x / t + y / t) & 1) == 0) painter.fillRect(x, y, t, t, colour);
  };
  for (int x = r.left(); x + t <= r.right() + 1; x += t) {
    dot(x, r.top());
    dot(x, r.bottom() + 1 - t);
  }
  for (int y = r.top() + t; y + t <= r.bottom() + 1 - t; y += t) {
    dot(r.left(), y);
    dot(r.right() + 1 - t, y);
  }
}

}  // namespace tessary::widgets
