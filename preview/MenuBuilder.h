#pragma once
// Builds the browser's menus from the menu tables onto a menu bar, and keeps hold of the
// submenus others attach to. The preview places the bar; the builder fills it:
//
//   MainMenu menus = BuildMainMenu(*tbtMainMenu, vocabulary, skin);
//   bGo->SetLinkedList(menus.GoList());          // the arrow of "Go" opens the list "Go"
//   bSearchWeb->SetLinkedList(menus.SearchList());
//
// Entries are bound to the vocabulary's commands, so they show the commands' captions,
// shortcut texts, check marks and radio dots, and hide with them; choosing one runs its
// command. Images come from `ilMain` (the bar's list) or from `ilSButtons` where the
// table says so. A submenu entry without entries ("Open Recent") runs its command.
#include <QHash>
#include <QString>

namespace tessary {
struct Skin;
}

namespace tessary::widgets {
class TTBXToolbar;
class TTBXSubmenuItem;
}  // namespace tessary::widgets

namespace tessary::preview {

class CommandVocabulary;

// The submenus of a built menu bar. The bar owns them; this only points at them.
class MainMenu {
 public:
  // A submenu by its component name ("mFile", "mTextSize", "TBXSubmenuItem44", "mDummies");
  // none for an unknown name.
  widgets::TTBXSubmenuItem* Submenu(const QString& name) const { return submenus_.value(name, nullptr); }
  // An entry of the hidden menu "Dummies" by caption: the drop-down entries "UpDir",
  // "Back", "Forward", "Editors", "Home" and the lists "Go", "Search", "Stop", "Refresh",
  // "FullScreen"; none for another caption.
  widgets::TTBXSubmenuItem* DummyList(const QString& caption) const;
  // The lists the arrows of the address bar's "Go" and the search bar's "Search Web" open.
  widgets::TTBXSubmenuItem* GoList() const { return DummyList(QStringLiteral("Go")); }
  widgets::TTBXSubmenuItem* SearchList() const { return DummyList(QStringLiteral("Search")); }

 private:
  friend MainMenu BuildMainMenu(widgets::TTBXToolbar&, const CommandVocabulary&, Skin&);
  QHash<QString, widgets::TTBXSubmenuItem*> submenus_;
};

// Makes `menuBar` a menu bar showing `skin.ilMain` and appends the top-level menus to it
// (nine visible, then the hidden "Dummies"). Throws std::logic_error when a table names a
// command the vocabulary lacks (a programming error, caught by the tests).
MainMenu BuildMainMenu(widgets::TTBXToolbar& menuBar, const CommandVocabulary& vocabulary, Skin& skin);

}  // namespace tessary::preview
