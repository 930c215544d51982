// Shows the browser's real menus on a menu bar, with the start-up skin's images, so they
// can be looked at before the whole mock-up stands: the menu bar, a bar whose "Go" and
// "Search Web" arrows open the hidden menu's lists, and a note to try the shortcuts in
// (taken keys are listed in the status line).
//
//   tessary-menu-viewer [--theme NAME] [--menu INDEX] [--submenu CAPTION]
//                       [--list Go|Search] [--screenshot FILE]
//
// --menu opens a top-level menu, --submenu then one of its submenus, --list a bar's list.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "preview/CommandVocabulary.h"
#include "preview/MenuBuilder.h"
#include "preview/ShortcutDispatcher.h"
#include "skin/Skin.h"
#include "skinfile/StartupSkin.h"
#include "widgets/PopupWindow.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/demo/DemoProgram.h"
#include "widgets/items/TTBXSubmenuItem.h"

using namespace tessary;
using namespace tessary::preview;
using namespace tessary::widgets;

namespace {

// A split button bound to a command whose arrow opens one of the hidden menu's lists.
void AddSplit(TTBXToolbar& bar, Command* command, const TTBXSubmenuItem* list) {
  auto button = std::make_unique<TTBXSubmenuItem>();
  button->SetCommand(command);
  button->SetSplit(true);
  button->SetDisplay(DisplayMode::ImageAndCaption);
  button->SetLinkedList(list);
  bar.Add(std::move(button));
}

// Opens the line captioned `caption` of `popup` as a submenu; the opened popup, or none.
PopupWindow* OpenLine(PopupWindow* popup, const QString& caption) {
  for (int line = 0; popup != nullptr && line < popup->LineCount(); ++line) {
    if (popup->LineItem(line)->Caption() == caption) {
      popup->OpenSubmenu(line, true);
      return popup->ChildPopup();
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  demo::DemoProgram program(app);
  const auto value = [&](const char* name) { return program.Value(name); };

  Skin skin;
  LoadStartupSkin(skin);
  CommandVocabulary vocabulary(skin);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Browser menus"));
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* top = new TTBDock(DockPosition::dpTop);
  top->SetBoundLines(blTop | blBottom | blLeft | blRight);
  top->SetBackground(&skin.bgTop);
  auto* note = new QPlainTextEdit;
  note->setPlaceholderText(QStringLiteral("Type here: shortcuts run their commands before this box sees them."));
  auto* status = new QLabel;
  layout->addWidget(top);
  layout->addWidget(note, 1);
  layout->addWidget(status);

  auto* menuBar = new TTBXToolbar;
  const MainMenu menus = BuildMainMenu(*menuBar, vocabulary, skin);
  menuBar->DockTo(top, 0);
  auto* lists = new TTBXToolbar;
  lists->SetCaption(QStringLiteral("Lists"));
  lists->SetImages(&skin.ilMain);
  AddSplit(*lists, vocabulary.Find(QStringLiteral("actGO")), menus.GoList());
  AddSplit(*lists, vocabulary.Find(QStringLiteral("actSearchWeb")), menus.SearchList());
  lists->DockTo(top, 1);

  // Every command that runs is shown, so keys and menu entries can be seen to arrive.
  for (CommandList* list : vocabulary.Lists())
    list->SetHandler([status](Command& c) { status->setText(QStringLiteral(" Ran %1").arg(c.Name())); });
  ShortcutDispatcher dispatcher(vocabulary);

  window.resize(760, 560);
  window.show();
  note->setFocus();

  QTimer::singleShot(300, [&] {
    if (const QString list = value("--list"); !list.isEmpty()) {
      lists->OpenItemList(list == QLatin1String("Search") ? 1 : 0, true);
      return;
    }
    if (value("--menu").isEmpty()) return;
    menuBar->OpenItemList(value("--menu").toInt(), true);
    if (const QString submenu = value("--submenu"); !submenu.isEmpty()) OpenLine(menuBar->OpenPopup(), submenu);
  });
  program.ScreenshotLater(window, QSize(260, 260));
  return QApplication::exec();
}
