#pragma once
// Pictures (item images, window-control images, glyphs, dock backgrounds) on scaled
// screens. At a whole-number scale a picture is drawn pixel for pixel enlarged (doubled at
// 2), as sharp as it can be. At a fractional scale it is resampled once by area: each device
// pixel takes the picture's pixels it covers, weighted by how much of it they cover, so a
// one-pixel stroke comes out equally thick everywhere with soft edges instead of one or two
// pixels at random. The resampled copies are cached and drawn one to one on whole device
// pixels.
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace tessary::widgets {

// `source` resampled to `target` by area (a box filter over the exact footprint of each
// target pixel). Enlarging by a whole number repeats pixels; the edges of the result are
// the edges of the source, so a tile resampled to a whole number of device pixels still
// meets its neighbour where the picture's own last and first pixels meet.
QImage AreaScaled(const QImage& source, QSize target);

// Draws `picture` with its top-left corner at logical `at`, at its logical size
// (QPixmap::deviceIndependentSize), crisp at every scale.
void DrawPicture(QPainter& painter, QPoint at, const QPixmap& picture);
// Draws `picture` stretched to the logical rectangle `target`.
void DrawPictureScaled(QPainter& painter, const QRect& target, const QPixmap& picture);

}  // namespace tessary::widgets
