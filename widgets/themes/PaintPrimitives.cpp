#include "widgets/themes/PaintPrimitives.h"

#include <QImage>
#include <QPainter>
#include <cstring>

namespace tessary::widgets {
namespace {

// Pixels lighter than this count as background in a disabled image's outline, as on the
// classic desktop where only the dark strokes of an icon stay visible.
constexpr int kMaskLightnessLimit = 192;

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
  const QPoint at(r.left() + (r.width() - glyph.Width()) / 2,
                  r.top() + (r.height() - glyph.Height()) / 2);
  DrawGlyph(p, glyph, at, colour);
}

Glyph CheckMarkGlyph() { return Glyph{kCheckMark}; }
Glyph RadioDotGlyph() { return Glyph{kRadioDot}; }
Glyph ChevronGlyph() { return Glyph{kChevron}; }
Glyph CloseGlyph() { return Glyph{kClose}; }

QPixmap ImageMask(const QPixmap& image, const QColor& colour) {
  const QImage source = image.toImage().convertToFormat(QImage::Format_ARGB32);
  QImage mask(source.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  const QRgb ink = colour.rgb() | 0xFF000000u;
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      if (qAlpha(in[x]) >= 128 && qGray(in[x]) < kMaskLightnessLimit) out[x] = ink;
    }
  }
  QPixmap result = QPixmap::fromImage(mask);
  result.setDevicePixelRatio(image.devicePixelRatio());
  return result;
}

}  // namespace tessary::widgets
