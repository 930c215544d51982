#pragma once
// A window that shows the browser-chrome mock-up on its own, as the editor window places
// it: the top dock at the top of the client area, a page (where the editor has its control
// panel), and the bottom dock as the only content of the bottom panel pnlBTM, so that each
// dock's picture starts at the dock's own corner. For looking at the mock-up, for its
// tests and benchmarks.
#include <QFont>
#include <QWidget>

#include "preview/BrowserChromeBottom.h"
#include "preview/BrowserChromeTop.h"

namespace tessary::widgets {
class TTBDock;
}

namespace tessary::preview {

class ChromeWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the mock-up in `font` from the skin's lists and backgrounds and the
  // vocabulary's commands; both must outlive the window.
  ChromeWindow(Skin& skin, const CommandVocabulary& vocabulary, const QFont& font, QWidget* parent = nullptr);

  widgets::TTBDock* tbdTop = nullptr;
  QWidget* page = nullptr;
  QWidget* pnlBTM = nullptr;
  widgets::TTBDock* tbdBottom = nullptr;
  BrowserChromeTop top;
  BrowserChromeBottom bottom;
};

}  // namespace tessary::preview
