#pragma once
// What the status bar's flat panels and gauge share: skin colours as Qt colours, their
// one-pixel frame, and the properties both keep (a colour set by index, a colour that
// follows the parent).
#include <QColor>
#include <QRect>

#include "skin/Colour.h"

class QPainter;
class QWidget;

namespace tessary::preview {

// A skin colour (plain or system) as Qt paints it.
QColor QtColour(Colour colour);

// The frame on the outermost pixel ring of `rect`: left and top edges in `first`, right
// and bottom edges in `second`.
void DrawFlatFrame(QPainter& painter, const QRect& rect, Colour first, Colour second);

// The colour a control takes while it follows its parent: the colour its parent hands
// its children (the palette's window colour, which a themed bar sets to the theme's
// colour for its kind).
Colour ParentColourOf(const QWidget& widget);

}  // namespace tessary::preview
