#include "preview/BrowserChromeTop.h"

#include <QComboBox>
#include <QLabel>

#include "preview/ChromeTables.h"
#include "preview/TGButton.h"
#include "skin/Skin.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::preview {

using widgets::TTBXToolbar;
using widgets::TTBXToolWindow;

namespace {

// The window-control tool window: eleven buttons 21 x 22 side by side, one pixel to spare.
constexpr QSize kSystemButtonsClient{232, 22};
constexpr QSize kSystemButtonSize{21, 22};
// Where the stored layout docks it in row 0, behind the menu bar.
constexpr int kSystemButtonsStoredX = 608;

TTBXToolbar* MakeBar(const char* name, const QString& caption, ImageList& images) {
  auto* bar = new TTBXToolbar;
  bar->setObjectName(QString::fromLatin1(name));
  bar->SetCaption(caption);
  bar->SetImages(&images);
  return bar;
}

TTBXToolbar* MakeButtonBar(ButtonBar which, const char* name, const QString& caption, ImageList& images,
                           const CommandVocabulary& vocabulary, BrowserChromeTop& top) {
  TTBXToolbar* bar = MakeBar(name, caption, images);
  std::vector<ChromeItem> items;
  for (const ButtonBarRow& row : ButtonBarRows()) items.push_back(ButtonBarItem(row, which));
  AddChromeItems(*bar, items, vocabulary, top.menus, top.items);
  bar->SetStretch(true);
  return bar;
}

// A window-control button: its slot of the four state lists, chosen by its state at every
// paint, drawn transparent and centred; a click runs nothing.
TGButton* MakeSystemButton(const SystemButton& row, int index, Skin& skin) {
  auto* button = new TGButton;
  button->setObjectName(QString::fromLatin1(row.name));
  button->SetImages(&skin.ilImages);
  button->SetHotImages(&skin.ilHot);
  button->SetDownImages(&skin.ilDown);
  button->SetDisableImages(&skin.ilDisable);
  button->SetImageIndex(row.slot);
  button->SetIndex(index);
  button->SetHint(QString::fromUtf8(row.hint));
  button->SetTransparent(true);
  button->SetCenter(true);
  button->SetClickHandler([] {});
  button->setFixedSize(kSystemButtonSize);
  return button;
}

}  // namespace

BrowserChromeTop BuildBrowserChromeTop(widgets::TTBDock& tbdTop, const CommandVocabulary& vocabulary, Skin& skin) {
  BrowserChromeTop top;
  top.tbdTop = &tbdTop;
  tbdTop.SetBoundLines(widgets::blTop | widgets::blBottom | widgets::blLeft | widgets::blRight);
  tbdTop.SetBackground(&skin.bgTop);
  // Without a picture the dock shows the theme's own dock face, as the browser's docks do.
  tbdTop.SetColor(clNone);

  top.tbtMainMenu = new TTBXToolbar;
  top.tbtMainMenu->setObjectName(QStringLiteral("tbtMainMenu"));
  top.menus = BuildMainMenu(*top.tbtMainMenu, vocabulary, skin);
  top.tbtMainMenu->DockTo(&tbdTop, 0, 0);

  top.tbtMDIControl = new TTBXToolWindow;
  top.tbtMDIControl->setObjectName(QStringLiteral("tbtMDIControl"));
  top.tbtMDIControl->SetCaption(QStringLiteral("System Buttons"));
  top.tbtMDIControl->SetCloseButton(false);
  top.tbtMDIControl->SetClientAreaSize(kSystemButtonsClient);
  top.tbtMDIControl->SetFixedClientWidth(kSystemButtonsClient.width());
  int index = 0;
  for (const SystemButton& row : SystemButtons()) {
    top.systemButtons.push_back(MakeSystemButton(row, index++, skin));
    top.tbtMDIControl->AddChild(top.systemButtons.back());
  }
  top.tbtMDIControl->DockTo(&tbdTop, 0, kSystemButtonsStoredX);

  top.TBXToolbar3 = MakeButtonBar(ButtonBar::TBXToolbar3, "TBXToolbar3", QStringLiteral("Large Buttons"),
                                  skin.ilLButtons, vocabulary, top);
  top.TBXToolbar3->DockTo(&tbdTop, 1);
  top.tbtButtons = MakeButtonBar(ButtonBar::tbtButtons, "tbtButtons", QStringLiteral("Small Buttons"), skin.ilSButtons,
                                 vocabulary, top);
  top.tbtButtons->DockTo(&tbdTop, 2);

  top.tbtAddressBar = MakeBar("tbtAddressBar", QStringLiteral("Address Bar"), skin.ilMain);
  const ChromeControls address =
      AddChromeItems(*top.tbtAddressBar, AddressBarItems(), vocabulary, top.menus, top.items);
  top.lblAddress = address.label;
  top.cbAddress = address.box;
  top.tbtAddressBar->SetStretch(true);
  top.tbtAddressBar->DockTo(&tbdTop, 3);
  top.tbtSearchBar = MakeBar("tbtSearchBar", QStringLiteral("Search Bar"), skin.ilMain);
  const ChromeControls search = AddChromeItems(*top.tbtSearchBar, SearchBarItems(), vocabulary, top.menus, top.items);
  top.lblSearchBar = search.label;
  top.cbSearchBar = search.box;
  top.tbtSearchBar->SetStretch(true);
  top.tbtSearchBar->DockTo(&tbdTop, 4);
  return top;
}

std::vector<std::pair<RepaintTarget, QWidget*>> BrowserChromeTop::RepaintTargets() const {
  return {
      {RepaintTarget::tbtMDIControl, tbtMDIControl}, {RepaintTarget::tbtMainMenu, tbtMainMenu},
      {RepaintTarget::tbtButtons, tbtButtons},       {RepaintTarget::tbtAddressBar, tbtAddressBar},
      {RepaintTarget::tbtSearchBar, tbtSearchBar},   {RepaintTarget::lblAddress, lblAddress},
      {RepaintTarget::lblSearchBar, lblSearchBar},
  };
}

}  // namespace tessary::preview
