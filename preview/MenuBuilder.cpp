#include "preview/MenuBuilder.h"

#include <memory>
#include <stdexcept>

#include "preview/CommandVocabulary.h"
#include "preview/MenuTables.h"
#include "skin/Skin.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::preview {

using widgets::TTBCustomItem;
using widgets::TTBXSubmenuItem;

namespace {

struct BuildContext {
  const CommandVocabulary& vocabulary;
  ImageList* sButtons;
  QHash<QString, TTBXSubmenuItem*>& submenus;
};

void Bind(TTBCustomItem& item, const MenuEntry& entry, const BuildContext& context) {
  if (entry.command != nullptr) {
    widgets::Command* command = context.vocabulary.Find(QString::fromLatin1(entry.command));
    if (command == nullptr) throw std::logic_error(std::string("menu entry bound to unknown command ") + entry.command);
    item.SetCommand(command);
  }
  if (entry.caption != nullptr) item.SetCaption(QString::fromUtf8(entry.caption));
  if (entry.images == EntryImages::SButtons) item.SetImages(context.sButtons);
  if (entry.slot >= 0) item.SetImageIndex(entry.slot);
  if (entry.hidden) item.SetVisible(false);
}

std::unique_ptr<TTBCustomItem> MakeEntry(const MenuEntry& entry, const BuildContext& context) {
  switch (entry.kind) {
    case EntryKind::Separator: return std::make_unique<widgets::TTBXSeparatorItem>();
    case EntryKind::Item: {
      auto item = std::make_unique<widgets::TTBXItem>();
      Bind(*item, entry, context);
      return item;
    }
    case EntryKind::Submenu:
    case EntryKind::DropDown: break;
  }
  auto submenu = std::make_unique<TTBXSubmenuItem>();
  Bind(*submenu, entry, context);
  for (const MenuEntry& child : entry.entries) submenu->Add(MakeEntry(child, context));
  if (entry.name != nullptr) context.submenus.insert(QString::fromLatin1(entry.name), submenu.get());
  return submenu;
}

}  // namespace

TTBXSubmenuItem* MainMenu::DummyList(const QString& caption) const {
  const TTBXSubmenuItem* dummies = Submenu(QStringLiteral("mDummies"));
  if (dummies == nullptr) return nullptr;
  for (const auto& entry : dummies->Items())
    if (entry->Kind() == widgets::ItemKind::Submenu && entry->Caption() == caption)
      return static_cast<TTBXSubmenuItem*>(entry.get());
  return nullptr;
}

MainMenu BuildMainMenu(widgets::TTBXToolbar& menuBar, const CommandVocabulary& vocabulary, Skin& skin) {
  MainMenu menus;
  const BuildContext context{vocabulary, &skin.ilSButtons, menus.submenus_};
  menuBar.SetMenuBar(true);
  menuBar.SetImages(&skin.ilMain);
  if (menuBar.Caption().isEmpty()) menuBar.SetCaption(QStringLiteral("Menu Bar"));
  for (const MenuEntry& entry : MainMenuEntries()) menuBar.Add(MakeEntry(entry, context));
  return menus;
}

}  // namespace tessary::preview
