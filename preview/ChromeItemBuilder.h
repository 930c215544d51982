#pragma once
// Puts the items of a chrome table on a bar: buttons, split buttons and drop-down entries
// bound to the vocabulary's commands, separators and spacers, and the embedded labels and
// boxes as child widgets named after their components.
#include <QHash>
#include <QString>
#include <span>

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

// Appends `items` to `bar`. Items bound to a command show what the command gives; an
// arrow's list comes from the hidden menu of `menus`. Embedded widgets get their component
// name as object name (the bar's findChild finds them). Named items are added to `names`.
// Throws std::logic_error when a table names a command or list that does not exist (a
// programming error the tests catch).
void AddChromeItems(widgets::TTBXToolbar& bar, std::span<const ChromeItem> items, const CommandVocabulary& vocabulary,
                    const MainMenu& menus, ChromeItemNames& names);

}  // namespace tessary::preview
