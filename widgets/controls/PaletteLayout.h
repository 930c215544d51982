#pragma once
// Where things are in the colour button's palette window and how the keyboard walks it,
// apart from any painting: cell squares, the cell under a point, the arrow-key walk, where
// the window opens on the screen, and the hint of a cell.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

#include "skin/Colour.h"

namespace tessary::widgets {

// One cell of the palette: a palette cell (x 1..columns, y 1..rows), the "other" cell
// (y == 0; x remembers the column the keyboard walk left, so Down comes back to it), or
// none (y == -1).
struct PaletteCell {
  int x = -1;
  int y = -1;

  static PaletteCell None() { return {}; }
  static PaletteCell Other(int column = 1) { return {column, 0}; }
  bool IsNone() const { return y < 0; }
  bool IsOther() const { return y == 0; }
  // The same square (the other cell is one square whatever column it remembers).
  bool Same(const PaletteCell& other) const { return y == other.y && (IsOther() || IsNone() || x == other.x); }
};

namespace palette {

inline constexpr int kCellSide = 18;
// The client area of the palette window.
inline constexpr QSize kClientSize{72, 121};
// The two separator lines (shadow, then highlight) and the "&Other" push button.
inline constexpr int kSeparatorY = 93;
inline constexpr QRect kOtherButtonRect{1, 98, 50, 21};
// The other cell: 18 x 18, its left edge 19 pixels in from the right edge, y 99 to 117.
inline constexpr int kOtherCellInset = 19;
inline constexpr int kOtherCellTop = 99;
// A palette that does not fit right of the button opens this far left of the work area's
// right edge.
inline constexpr int kRightEdgeOffset = 78;

// The square of a cell in a client area of `client` size (empty for none).
QRect CellRect(PaletteCell cell, QSize client = kClientSize);

// The cell at a point of the client area of a palette of columns x rows cells: the other
// cell inside its square, a palette cell inside its square, else none.
PaletteCell CellAt(QPoint point, int columns, int rows, QSize client = kClientSize);

// Where one arrow key moves the highlight: from none any arrow goes to (1, 1); Left and
// Right wrap within the row and do nothing on the other cell; Up and Down run through the
// rows and the other cell (as row 0) and wrap.
PaletteCell Walk(PaletteCell from, Qt::Key key, int columns, int rows);

// Top-left of a palette window of `size` for a button at `button` (screen coordinates) in
// the screen's `workArea`: below the button, above it when it would reach below the work
// area; moved onto the work area's left edge, or kRightEdgeOffset left of its right edge.
QPoint Placement(const QRect& button, const QRect& workArea, QSize size = kClientSize);

// "RGB = %.3d %.3d %.3d" with the red, green and blue of the colour resolved to RGB.
QString ColourHint(Colour colour);

}  // namespace palette
}  // namespace tessary::widgets
