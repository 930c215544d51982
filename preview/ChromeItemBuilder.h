#pragma once
// Puts the items of a chrome table on a bar: buttons, split buttons and drop-down entries
// bound to the vocabulary's commands, separators and spacers, and the embedded labels and
// boxes as child widgets named after their components.
#include <QHash>
#include <QString>
#include <span>

class QComboBox;
class QLabel;

#include "preview/ChromeTables.h"

namespace tessary::widgets {
class TTBXToolbar;
class TTBCustomItem;
}  // namespace tessary::widgets

namespace tessary::preview {

class CommandVocabulary;
class MainMenu;

// The items of the bars by component name ("bGo", "bFlash", "TBXItem9", ...).
using ChromeItemNames = QHash<QString, widgets::TTBCustomItem*>;

// The embedded controls a bar's table made: its label and its box (none where it has none).
struct ChromeControls {
  QLabel* label = nullptr;
  QComboBox* box = nullptr;
};

// Appends `items` to `bar` and returns the embedded controls made for it. Items bound to a
// command show what the command gives; an arrow's list comes from the hidden menu of
// `menus`. Embedded widgets get their component name as object name. Named items are added
// to `names`. Throws std::logic_error when a table names a command or list that does not
// exist, or gives a bar more than one label or box (programming errors the tests catch).
ChromeControls AddChromeItems(widgets::TTBXToolbar& bar, std::span<const ChromeItem> items,
                              const CommandVocabulary& vocabulary, const MainMenu& menus, ChromeItemNames& names);

}  // namespace tessary::preview
