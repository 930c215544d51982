#pragma once
// The lower half of the browser-chrome mock-up: the bottom dock with the (empty) tab row
// and the status bar, whose flat panels and progress gauge are transparent over the bottom
// background. The right-hand elements keep their widths; the status text takes the rest.
//
//   BrowserChromeBottom bottom = BuildBrowserChromeBottom(*tbdBottom, skin);
//   for (auto [target, widget] : bottom.RepaintTargets()) view.Bind(target, widget);
//   view.setGaugeColour = [gauge = bottom.WBGauge](Colour c) { gauge->SetBarColor(c); };
#include <utility>
#include <vector>

#include "editing/SkinView.h"
#include "preview/ChromeTables.h"

class QWidget;

namespace tessary {
struct Skin;
}

namespace tessary::widgets {
class TTBDock;
class TTBXToolWindow;
}  // namespace tessary::widgets

namespace tessary::preview {

// The status bar's panels and gauge are its StatusBarParts.
struct BrowserChromeBottom : StatusBarParts {
  widgets::TTBDock* tbdBottom = nullptr;
  widgets::TTBXToolWindow* tbtTabs = nullptr;
  widgets::TTBXToolWindow* tbtStatus = nullptr;

  // The five status widgets in the order the bottom-background commands repaint them.
  std::vector<std::pair<RepaintTarget, QWidget*>> RepaintTargets() const;
};

// Gives `tbdBottom` the bottom background and its four bound lines, and docks the tab row
// (row 1) and the status bar (row 2) on it. The gauge's bar shows the skin's progress-bar
// colour.
BrowserChromeBottom BuildBrowserChromeBottom(widgets::TTBDock& tbdBottom, Skin& skin);

}  // namespace tessary::preview
