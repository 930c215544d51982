#pragma once
// The colour dialog that the palette's "&Other" button opens, as a replaceable function so
// the editor can route it through its platform layer and tests can script it. The sixteen
// custom colours travel as entries "ColorA=00FFFFFF" to "ColorP=...": letters A to H are
// row 1, columns 1 to 8; I to P row 2; each colour as eight hexadecimal digits.
#include <QStringList>
#include <functional>

#include "skin/Colour.h"

class QWidget;

namespace tessary::widgets {

class TColorArrayClass;

// Runs the dialog with `colour` as its colour and `customColours` as its custom colours;
// on confirmation leaves the chosen colour and the custom colours in them and returns true.
using ColourDialogHook = std::function<bool(Colour& colour, QStringList& customColours)>;

// The sixteen entries of an 8 x 2 custom-colour grid.
QStringList CustomColourEntries(const TColorArrayClass& custom);
// Reads each entry back into the cell its letter names: the digits after "=" as
// hexadecimal; a missing or unreadable entry gives white.
void ReadCustomColourEntries(const QStringList& entries, TColorArrayClass& custom);

// The dialog used when the editor installs none: Qt's colour dialog, modal over `parent`.
bool RunQtColourDialog(Colour& colour, QStringList& customColours, QWidget* parent);

}  // namespace tessary::widgets
