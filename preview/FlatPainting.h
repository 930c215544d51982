#pragma once
// Painting the status bar's flat panels and gauge share: skin colours as Qt colours and
// their one-pixel two-colour frame.
#include <QColor>
#include <QRect>

#include "skin/Colour.h"

class QPainter;

namespace tessary::preview {

// A skin colour (plain or system) as Qt paints it.
QColor QtColour(Colour colour);

// The frame on the outermost pixel ring of `rect`: left and top edges in `first`, right
// and bottom edges in `second`.
void DrawFlatFrame(QPainter& painter, const QRect& rect, Colour first, Colour second);

}  // namespace tessary::preview
