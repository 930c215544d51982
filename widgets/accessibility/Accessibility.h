#pragma once
// Accessibility of the toolbar library: bars, their light items, popups and menu entries
// reach screen readers and GUI test tools (AT-SPI) through Qt's accessibility interfaces.
// A bar is a tool bar (a menu bar in menu-bar mode) named by its caption, whose children
// are its visible items; a popup is a popup menu whose children are its lines; an item is
// a push button, check box, menu item or separator named by its caption (its hint where it
// has no caption), with its states and a "Press" action that does what a click does.
// Embedded controls stay the Qt widgets they are.

#include <functional>

class QAccessibleInterface;
class QWidget;

namespace tessary::widgets {

class TTBCustomItem;

// Installs the interface factory once (the theme layer's start does it).
void InstallAccessibility();

// Tells assistive tools that `item`, shown by `view` (a bar or a popup), has the focus now.
void NotifyAccessibleFocus(QWidget* view, const TTBCustomItem* item);

// Also hands every such notice's interface to `listener` (none: stops), with or without an
// assistive tool: where the platform has none (offscreen, in tests) the toolkit passes no
// notice on, not even to an update handler.
void SetAccessibleFocusListener(std::function<void(QAccessibleInterface*)> listener);

}  // namespace tessary::widgets
