#include "widgets/PaintPrimitives.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <cstring>
#include <functional>

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

void DrawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
  p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height() - 1), bottomRight);
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
  // Anchor to device pixel (0, 0) whatever the painter's translation is.
  brush.setTransform(QTransform::fromTranslate(-p.transform().dx(), -p.transform().dy()));
  p.fillRect(r, brush);
}

void DrawDownTriangle(QPainter& p, QPoint centre, int width, const QColor& colour) {
  const int rows = (width + 1) / 2;
  const int top = centre.y() - rows / 2;
  for (int i = 0; i < rows; ++i) {
    const int w = width - 2 * i;
    p.fillRect(QRect(centre.x() - w / 2, top + i, w, 1), colour);
  }
}

void DrawRightTriangle(QPainter& p, QPoint centre, int height, const QColor& colour) {
  const int cols = (height + 1) / 2;
  const int left = centre.x() - cols / 2;
  for (int i = 0; i < cols; ++i) {
    const int h = height - 2 * i;
    p.fillRect(QRect(left + i, centre.y() - h / 2, 1, h), colour);
  }
}

int Glyph::Width() const { return rows.empty() ? 0 : static_cast<int>(std::strlen(rows[0])); }

void DrawGlyph(QPainter& p, const Glyph& glyph, QPoint at, const QColor& colour) {
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

void DrawRoundedOutline(QPainter& p, const QRect& r, int radius, int corners, int sides, const QColor& colour) {
  if (r.width() <= 0 || r.height() <= 0 || !colour.isValid()) return;
  const int cut = radius > 1 ? radius - 1 : 0;
  const auto inset = [&](int corner) { return (corners & corner) ? cut : 0; };
  if (sides & sdTop)
    p.fillRect(QRect(r.left() + inset(crTopLeft), r.top(), r.width() - inset(crTopLeft) - inset(crTopRight), 1),
               colour);
  if (sides & sdBottom)
    p.fillRect(
        QRect(r.left() + inset(crBottomLeft), r.bottom(), r.width() - inset(crBottomLeft) - inset(crBottomRight), 1),
        colour);
  if (sides & sdLeft)
    p.fillRect(QRect(r.left(), r.top() + inset(crTopLeft), 1, r.height() - inset(crTopLeft) - inset(crBottomLeft)),
               colour);
  if (sides & sdRight)
    p.fillRect(QRect(r.right(), r.top() + inset(crTopRight), 1, r.height() - inset(crTopRight) - inset(crBottomRight)),
               colour);
  // The diagonal steps of each cut corner next to a drawn side.
  for (int row = 1; row < cut; ++row) {
    const int x = CornerCut(radius, row);
    const auto dot = [&](int corner, int side1, int side2, int px, int py) {
      if ((corners & corner) && (sides & (side1 | side2))) p.fillRect(QRect(px, py, 1, 1), colour);
    };
    dot(crTopLeft, sdTop, sdLeft, r.left() + x, r.top() + row);
    dot(crTopRight, sdTop, sdRight, r.right() - x, r.top() + row);
    dot(crBottomLeft, sdBottom, sdLeft, r.left() + x, r.bottom() - row);
    dot(crBottomRight, sdBottom, sdRight, r.right() - x, r.bottom() - row);
  }
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
  const QRegion cut = CornerRegion(r, look.radius, corners);
  if (look.fill.isValid()) {
    const bool clip = !cut.isEmpty();
    if (clip) {
      p.save();
      p.setClipRegion(QRegion(r).subtracted(cut), Qt::IntersectClip);
    }
    FillGradient(p, r, look.fill, look.fillEnd, false, look.glossy);
    if (clip) p.restore();
  }
  if (look.frame.isValid()) DrawRoundedOutline(p, r, look.radius, corners, sdAll & ~look.openSides, look.frame);
}

void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // Every other pixel along the edge, the phase running on around the corners.
  const auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) painter.fillRect(x, y, 1, 1, colour);
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    dot(rect.right(), y);
  }
}

}  // namespace tessary::widgets
