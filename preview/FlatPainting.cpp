#include "preview/FlatPainting.h"

#include <QPainter>

namespace tessary::preview {

QColor QtColour(Colour colour) { return QColor::fromRgb(ColourToArgb(colour)); }

void DrawFlatFrame(QPainter& painter, const QRect& rect, Colour first, Colour second) {
  if (rect.isEmpty()) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  // Filled one-pixel strips: exact pixels whatever the pen and the painter's scale.
  painter.setBrush(QtColour(first));
  painter.drawRect(QRect(rect.left(), rect.top(), rect.width(), 1));
  painter.drawRect(QRect(rect.left(), rect.top(), 1, rect.height()));
  painter.setBrush(QtColour(second));
  painter.drawRect(QRect(rect.left(), rect.bottom(), rect.width(), 1));
  painter.drawRect(QRect(rect.right(), rect.top(), 1, rect.height()));
  painter.restore();
}

}  // namespace tessary::preview
