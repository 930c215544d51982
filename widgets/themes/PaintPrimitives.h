#pragma once
// Pixel-exact drawing primitives the theme painter is built from: 3D edges, dithered
// faces, solid arrow triangles and small glyphs given as pixel rows.
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <span>

#include "skin/Colour.h"

class QPainter;

namespace tessary::widgets {

// A skin colour (plain or system, resolved through the fixed scheme) as a QColor.
QColor ToQColor(Colour colour);

// A one-pixel frame just inside `r`: top and left lines in `topLeft`, bottom and right in
// `bottomRight` (the corner pixels bottom-left and top-right take `bottomRight`).
void DrawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// Fills `r` with a one-pixel checkerboard of `a` and `b` anchored to the device origin,
// so neighbouring fills join without a visible seam.
void FillDithered(QPainter& p, const QRect& r, const QColor& a, const QColor& b);

// Solid triangle pointing down, `width` pixels wide (odd) at its base, top row centred
// on `centre`'s column and its middle row on `centre`'s row.
void DrawDownTriangle(QPainter& p, QPoint centre, int width, const QColor& colour);
// Solid triangle pointing right, `height` pixels tall (odd), centred on `centre`.
void DrawRightTriangle(QPainter& p, QPoint centre, int height, const QColor& colour);

// A glyph given as rows of '#' (set) and '.' (clear), drawn with its top-left at `at`.
struct Glyph {
  std::span<const char* const> rows;
  int Width() const;
  int Height() const { return static_cast<int>(rows.size()); }
};
void DrawGlyph(QPainter& p, const Glyph& glyph, QPoint at, const QColor& colour);
// The same glyph centred in `r`.
void DrawGlyphCentred(QPainter& p, const Glyph& glyph, const QRect& r, const QColor& colour);

// The built-in glyphs.
Glyph CheckMarkGlyph();
Glyph RadioDotGlyph();
Glyph ChevronGlyph();
Glyph CloseGlyph();

// The outline of an image's dark, opaque pixels as a one-colour pixmap (the engraved look
// of a disabled image is this mask drawn twice).
QPixmap ImageMask(const QPixmap& image, const QColor& colour);

}  // namespace tessary::widgets
