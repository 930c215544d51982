#pragma once
// The demo window of the toolbar library: two docks with a menu bar, a tool window of
// window-control buttons, large and small button bars, an address bar and a search bar on
// top and a status tool window at the bottom, over the start-up skin's images. The demo
// program shows it; the theme tests paint it under every theme.
#include <QWidget>

#include "skin/Skin.h"
#include "widgets/CommandList.h"

namespace tessary::widgets {

class TTBDock;
class TTBXToolbar;
class TTBXToolWindow;

struct DemoScene {
  // Builds the window (not shown); `background` gives both docks a picture.
  explicit DemoScene(bool background = false);
  DemoScene(const DemoScene&) = delete;
  DemoScene& operator=(const DemoScene&) = delete;

  Skin skin;
  CommandList buttons{QStringLiteral("alButtons"), &skin.ilSButtons};
  CommandList mainCommands{QStringLiteral("alMain")};
  QWidget window;
  TTBDock* top = nullptr;
  TTBDock* bottom = nullptr;
  TTBXToolbar* menuBar = nullptr;  // File, View (with a Text Size submenu), ...
  TTBXToolWindow* controls = nullptr;
  TTBXToolbar* large = nullptr;    // large image-only buttons; Favorites is checked
  TTBXToolbar* small = nullptr;    // small buttons, some captioned, one disabled
  TTBXToolbar* address = nullptr;  // label, address box and the split "Go" button
  TTBXToolbar* search = nullptr;   // label, search box and three captioned buttons
  TTBXToolWindow* status = nullptr;
};

}  // namespace tessary::widgets
