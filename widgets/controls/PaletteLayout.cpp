#include "widgets/controls/PaletteLayout.h"

namespace tessary::widgets::palette {

QRect CellRect(PaletteCell cell, QSize client) {
  if (cell.IsNone()) return {};
  if (cell.IsOther()) return {client.width() - kOtherCellInset, kOtherCellTop, kCellSide, kCellSide};
  return {kCellSide * (cell.x - 1), kCellSide * (cell.y - 1), kCellSide, kCellSide};
}

PaletteCell CellAt(QPoint point, int columns, int rows, QSize client) {
  // The other cell answers where it is drawn.
  if (CellRect(PaletteCell::Other(), client).contains(point)) return PaletteCell::Other();
  if (point.x() < 0 || point.y() < 0) return PaletteCell::None();
  const PaletteCell cell{point.x() / kCellSide + 1, point.y() / kCellSide + 1};
  if (cell.x > columns || cell.y > rows) return PaletteCell::None();
  return cell;
}

PaletteCell Walk(PaletteCell from, Qt::Key key, int columns, int rows) {
  if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) return from;
  if (from.IsNone()) return {1, 1};
  PaletteCell to = from;
  switch (key) {
    case Qt::Key_Left:
      if (!from.IsOther()) to.x = from.x == 1 ? columns : from.x - 1;
      break;
    case Qt::Key_Right:
      if (!from.IsOther()) to.x = from.x == columns ? 1 : from.x + 1;
      break;
    case Qt::Key_Down: to.y = from.y == rows ? 0 : from.y + 1; break;
    case Qt::Key_Up: to.y = from.IsOther() ? rows : from.y - 1; break;
    default: break;
  }
  return to;
}

QPoint Placement(const QRect& button, const QRect& workArea, QSize size) {
  QPoint at(button.left(), button.top() + button.height());
  if (at.y() + size.height() > workArea.top() + workArea.height()) at.setY(button.top() - size.height());
  if (at.x() < workArea.left()) at.setX(workArea.left());
  else if (at.x() + size.width() > workArea.left() + workArea.width())
    at.setX(workArea.left() + workArea.width() - kRightEdgeOffset);
  return at;
}

QString ColourHint(Colour colour) {
  const std::uint32_t rgb = ColourToArgb(colour);
  return QString::asprintf("RGB = %.3d %.3d %.3d", static_cast<int>((rgb >> 16) & 0xFF),
                           static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

}  // namespace tessary::widgets::palette
