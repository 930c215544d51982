#pragma once
// Pixel-exact drawing primitives the theme painter and the self-painted controls are built
// from: 3D edges, dithered faces, solid arrow triangles, small glyphs given as pixel rows
// and the dotted focus rectangle.
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
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

// `a` mixed with `b`, `t` parts of b (0: a, 1: b).
QColor Blend(const QColor& a, const QColor& b, double t);

// Corners of a rectangle (combine).
enum Corner : int { crTopLeft = 1, crTopRight = 2, crBottomLeft = 4, crBottomRight = 8, crAll = 15 };
// Sides of a rectangle (combine).
enum Side : int { sdTop = 1, sdBottom = 2, sdLeft = 4, sdRight = 8, sdAll = 15 };

// Pixel-exact rounded corners: how many pixels row `row` (0 at the edge) of a corner of
// `radius` leaves out.
int CornerCut(int radius, int row);
// The pixels the given corners of `r` leave out.
QRegion CornerRegion(const QRect& r, int radius, int corners);
// A one-pixel outline on the given sides of `r`, following its cut corners.
void DrawRoundedOutline(QPainter& p, const QRect& r, int radius, int corners, int sides, const QColor& colour);

// An item face: a fill (solid, a vertical gradient to fillEnd, or glossy: a light upper
// half over a deeper lower half) and a frame, with rounded corners. An invalid colour
// leaves that part out; open sides get neither frame nor rounded corners, so two faces
// can join (the two parts of a split button, a menu title joined to its menu).
struct FaceLook {
  QColor fill;
  QColor fillEnd;
  QColor frame;
  bool glossy = false;
  int radius = 0;
  int openSides = 0;  // Side flags
};
void PaintFace(QPainter& p, const QRect& r, const FaceLook& look);

// Fills `r` with a vertical (or horizontal) gradient from `from` to `to`, or glossy.
void FillGradient(QPainter& p, const QRect& r, const QColor& from, const QColor& to, bool horizontal = false,
                  bool glossy = false);

// The outline of an image's dark, opaque pixels as a one-colour pixmap (the engraved look
// of a disabled image is this mask drawn twice).
QPixmap ImageMask(const QPixmap& image, const QColor& colour);
// Every opaque pixel of an image in one colour (a flat shadow or a disabled shape).
QPixmap ImageSilhouette(const QPixmap& image, const QColor& colour);
// The image in grey, faded (a disabled image of the flat themes).
QPixmap FadedImage(const QPixmap& image);

// Draws a one-pixel dotted focus rectangle just inside `rect` in `colour`.
void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour);

}  // namespace tessary::widgets
