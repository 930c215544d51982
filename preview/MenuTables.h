#pragma once
// The browser's menus as data: the menu bar's top-level menus (nine visible and the hidden
// "Dummies"), each entry in order with the command it is bound to, its image, and the
// submenu it opens. Captions, shortcuts, check marks, radio groups and hidden state come
// from the bound command; an entry bound to none carries its own caption. MenuBuilder
// turns the tables into the toolbar library's items.
#include <span>

namespace tessary::preview {

enum class EntryKind {
  Item,       // runs its command
  Submenu,    // opens its entries
  DropDown,   // a submenu entry that holds no entries: a click runs its command
  Separator,  // a line
};

// The image list an entry's image comes from: the menu bar's (`ilMain`) or `ilSButtons`.
enum class EntryImages { Bar, SButtons };

struct MenuEntry {
  EntryKind kind = EntryKind::Item;
  const char* command = nullptr;            // command name in the vocabulary (none for a few)
  std::span<const MenuEntry> entries = {};  // a submenu's entries
  const char* name = nullptr;               // a submenu's component name, where it has one
  EntryImages images = EntryImages::Bar;
  int slot = -1;                  // own image slot (-1: the command's)
  const char* caption = nullptr;  // own caption (entries bound to no command)
  bool hidden = false;
};

// The menu bar's top-level entries, left to right.
std::span<const MenuEntry> MainMenuEntries();

}  // namespace tessary::preview
