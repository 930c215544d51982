#include "widgets/BarListMenu.h"

#include <QPointer>
#include <algorithm>
#include <memory>

#include "widgets/PopupWindow.h"
#include "widgets/TTBCustomDockableWindow.h"
#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

std::vector<TTBCustomDockableWindow*> BarListMenu::ListedBars(const QWidget* window) {
  std::vector<TTBCustomDockableWindow*> bars;
  if (window == nullptr) return bars;
  // Floating windows are owned by the window, so their bars are found here too. Bars
  // placed on a panel are part of it, not bars the user arranges.
  for (TTBCustomDockableWindow* bar : window->findChildren<TTBCustomDockableWindow*>())
    if (bar->CloseButton() && !bar->Caption().isEmpty() && !bar->OnPanel()) bars.push_back(bar);
  // A floating bar's window is a later child of the window than the docks: the list keeps
  // the order the bars were made in, wherever they are now.
  std::sort(bars.begin(), bars.end(),
            [](const auto* a, const auto* b) { return a->CreationOrder() < b->CreationOrder(); });
  return bars;
}

PopupWindow* BarListMenu::Open(const QWidget* window, QPoint globalPos, QWidget* owner) {
  const std::vector<TTBCustomDockableWindow*> bars = ListedBars(window);
  if (bars.empty()) return nullptr;
  std::vector<std::unique_ptr<TTBCustomItem>> owned;
  std::vector<TTBCustomItem*> lines;
  for (TTBCustomDockableWindow* bar : bars) {
    auto line = std::make_unique<TTBCustomItem>(ItemKind::Button);
    line->SetCaption(bar->Caption());
    line->SetChecked(bar->BarVisible());
    line->SetOnClick([bar = QPointer<TTBCustomDockableWindow>(bar)] {
      if (bar) bar->SetBarVisible(!bar->BarVisible());
    });
    lines.push_back(line.get());
    owned.push_back(std::move(line));
  }
  auto* popup = new PopupWindow(std::move(lines), vkPopupMenu, nullptr, nullptr, owner);
  popup->AdoptItems(std::move(owned));
  popup->Popup(globalPos, false);
  return popup;
}

}  // namespace tessary::widgets
