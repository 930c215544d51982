#include "preview/FlatPainting.h"

#include <QPainter>

#include "widgets/PaintPrimitives.h"

namespace tessary::preview {

QColor QtColour(Colour colour) { return QColor::fromRgb(ColourToArgb(colour)); }

void DrawFlatFrame(QPainter& painter, const QRect& rect, Colour first, Colour second) {
  if (rect.isEmpty()) return;
  // One-pixel lines, of whole device pixels on a scaled screen.
  widgets::DrawEdge(painter, rect, QtColour(first), QtColour(second));
}

}  // namespace tessary::preview
