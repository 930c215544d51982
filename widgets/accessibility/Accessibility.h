#pragma once
// Accessibility of the toolbar library: bars, their light items, popups and menu entries
// reach screen readers and GUI test tools (AT-SPI) through Qt's accessibility interfaces.
// A bar is a tool bar (a menu bar in menu-bar mode) named by its caption, whose children
// are its visible items; a popup is a popup menu whose children are its lines; an item is
// a push button, check box, menu item or separator named by its caption (its hint where it
// has no caption), with its states and a "Press" action that does what a click does.
// Embedded controls stay the Qt widgets they are.

namespace tessary::widgets {

// Installs the interface factory once (the library's start does it, before any bar or
// popup exists, so each gets its interface).
void InstallAccessibility();

}  // namespace tessary::widgets
