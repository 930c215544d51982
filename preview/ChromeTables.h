#pragma once
// The browser chrome's bars, items and status-bar elements as data. BrowserChromeTop and
// BrowserChromeBottom walk these tables to fill the two docks; captions, hints, shortcuts
// and check marks of bound items come from the vocabulary's commands.
#include <array>
#include <span>

#include "preview/TFlatPanel.h"

namespace tessary::preview {
class TFlatGauge;
}

namespace tessary::preview {

// What an item of a bar is.
enum class ChromeItemKind {
  Button,      // runs its command
  Split,       // the main part runs the command, the arrow opens the item's list
  DropDown,    // a submenu entry with no entries: behaves as a button
  Separator,   // a gap `width` wide
  Spacer,      // empty room `width` x `height`
  Label,       // a transparent label; its accelerator focuses the box after it
  AddressBox,  // the disabled address box, filled from the typed-address history
  SearchBox,   // the editable search box, its list kept sorted
};

struct ChromeItem {
  ChromeItemKind kind = ChromeItemKind::Button;
  const char* name = nullptr;     // component name, where the layout gives one
  const char* command = nullptr;  // bound command of the vocabulary (none: the item's own)
  const char* caption = nullptr;  // own caption (labels, items bound to no command)
  int slot = -1;                  // image slot in the bar's list (-1: none of its own)
  bool showsCaption = false;      // image and caption; else image only
  int width = 0;                  // separators, spacers and boxes
  int height = 0;                 // spacers and boxes
  const char* list = nullptr;     // the hidden menu's list the arrow opens ("Go", "Search")
};

// The two toolbars that show the toolbar-button images hold the same entries; a row gives
// both, with what differs per bar.
enum class ButtonBar { tbtButtons, TBXToolbar3 };
struct ButtonBarRow {
  ChromeItemKind kind;
  const char* command;                    // alButtons command (none for entry 19 and separators)
  int slot;                               // slot of the bar's list (-1 for separators)
  bool captionOnSmallBar;                 // tbtButtons shows image and caption (TBXToolbar3 never)
  int width = 0;                          // a separator's width
  std::array<const char*, 2> names = {};  // per bar, for the entry bound to no command
  std::array<const char*, 2> captions = {};
};
std::span<const ButtonBarRow> ButtonBarRows();
// One row as an item of the given bar.
ChromeItem ButtonBarItem(const ButtonBarRow& row, ButtonBar bar);

// The address bar and the search bar, left to right.
std::span<const ChromeItem> AddressBarItems();
std::span<const ChromeItem> SearchBarItems();

// The window-control buttons of tbtMDIControl, left to right.
struct SystemButton {
  const char* name;
  const char* hint;
  int slot;  // of ilImages, ilHot, ilDown and ilDisable
};
std::span<const SystemButton> SystemButtons();

// The status bar, left to right. Every element is as high as the bar.
enum class StatusKind { Panel, Spacer, Gauge };
// A 16 x 16 picture inside a panel, without a picture of its own, centred.
struct StatusIcon {
  const char* name;
  const char* hint;
  bool visible;
};
// The status bar's elements the chrome keeps, filled in as they are made (the others are
// only laid out).
struct StatusBarParts {
  TFlatPanel* fpStatusText = nullptr;
  TFlatPanel* fpConnection = nullptr;
  TFlatPanel* fpSecure = nullptr;
  TFlatPanel* fpStopper = nullptr;
  TFlatGauge* WBGauge = nullptr;
};
struct StatusElement {
  StatusKind kind;
  const char* name;
  int width;  // 0: takes the width the others leave
  TAlignment alignment = TAlignment::taCenter;
  const char* caption = "";
  const char* hint = "";
  std::span<const StatusIcon> icons = {};
  TFlatPanel* StatusBarParts::*panel = nullptr;  // where a kept panel goes
};
std::span<const StatusElement> StatusElements();

}  // namespace tessary::preview
