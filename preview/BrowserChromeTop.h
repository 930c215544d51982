#pragma once
// The upper half of the browser-chrome mock-up: the top dock's five rows. Row 0 holds the
// menu bar and, behind it, the window-control tool window; then the large-button and the
// small-button toolbars, the address bar and the search bar, each stretched over its row.
// Everything shows the skin's image lists and top background by reference, so a replaced
// image or a new picture shows at once.
//
//   BrowserChromeTop top = BuildBrowserChromeTop(*tbdTop, vocabulary, skin);
//   for (auto [target, widget] : top.RepaintTargets()) view.Bind(target, widget);
//
// Build it after the window's font is set: labels and bars size themselves from it.
#include <QHash>
#include <QString>
#include <utility>
#include <vector>

#include "editing/SkinView.h"
#include "preview/ChromeItemBuilder.h"
#include "preview/MenuBuilder.h"

class QComboBox;
class QLabel;
class QWidget;

namespace tessary {
struct Skin;
}

namespace tessary::widgets {
class TTBDock;
class TTBXToolbar;
class TTBXToolWindow;
}  // namespace tessary::widgets

namespace tessary::preview {

class CommandVocabulary;
class TGButton;

struct BrowserChromeTop {
  widgets::TTBDock* tbdTop = nullptr;
  widgets::TTBXToolbar* tbtMainMenu = nullptr;
  widgets::TTBXToolWindow* tbtMDIControl = nullptr;
  widgets::TTBXToolbar* TBXToolbar3 = nullptr;
  widgets::TTBXToolbar* tbtButtons = nullptr;
  widgets::TTBXToolbar* tbtAddressBar = nullptr;
  widgets::TTBXToolbar* tbtSearchBar = nullptr;
  QLabel* lblAddress = nullptr;
  QLabel* lblSearchBar = nullptr;
  QComboBox* cbAddress = nullptr;
  QComboBox* cbSearchBar = nullptr;
  // The eleven window-control buttons, left to right (btnPrevious ... btnClose).
  std::vector<TGButton*> systemButtons;
  // The menu bar's submenus and the hidden menu's lists.
  MainMenu menus;
  // The bars' items by component name ("bGo", "bSearchWeb", "bFlash", "TBXItem9", ...).
  ChromeItemNames items;

  // The repaint targets the editing commands name in this half, with their widgets.
  std::vector<std::pair<RepaintTarget, QWidget*>> RepaintTargets() const;
};

// Gives `tbdTop` the top background and its four bound lines, and docks the five rows on
// it; the bars belong to the dock. The window-control tool window is docked where the
// stored layout has it (row 0, position 608); the menu bar takes what the row leaves.
BrowserChromeTop BuildBrowserChromeTop(widgets::TTBDock& tbdTop, const CommandVocabulary& vocabulary, Skin& skin);

}  // namespace tessary::preview
