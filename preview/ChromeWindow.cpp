#include "preview/ChromeWindow.h"

#include <QVBoxLayout>

#include "widgets/TTBDock.h"

namespace tessary::preview {

ChromeWindow::ChromeWindow(Skin& skin, const CommandVocabulary& vocabulary, const QFont& font, QWidget* parent)
    : QWidget(parent) {
  setFont(font);  // before the bars are built: labels and items size themselves from it
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tbdTop = new widgets::TTBDock(widgets::DockPosition::dpTop);
  page = new QWidget;
  pnlBTM = new QWidget;
  tbdBottom = new widgets::TTBDock(widgets::DockPosition::dpBottom);
  auto* bottomLayout = new QVBoxLayout(pnlBTM);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addWidget(tbdBottom);
  layout->addWidget(tbdTop);
  layout->addWidget(page, 1);
  layout->addWidget(pnlBTM);
  top = BuildBrowserChromeTop(*tbdTop, vocabulary, skin);
  bottom = BuildBrowserChromeBottom(*tbdBottom, skin);
}

}  // namespace tessary::preview
