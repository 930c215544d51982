// Accessibility of bars, items, popups and menu entries: what a screen reader or a GUI test
// tool finds through Qt's accessibility interfaces, and that pressing an item through them
// does what a click does.
#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include "ToolbarFixture.h"
#include "widgets/Command.h"
#include "widgets/CommandList.h"
#include "widgets/PopupWindow.h"
#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TXP_RadioBox.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXLabelItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::widgets::testing {
namespace {

QAccessibleInterface* Of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QStringList Actions(QAccessibleInterface* iface) {
  QAccessibleActionInterface* actions = iface->actionInterface();
  return actions ? actions->actionNames() : QStringList();
}

// The action, then the event loop it queues its click on.
void Do(QAccessibleInterface* iface, const QString& action) {
  iface->actionInterface()->doAction(action);
  QCoreApplication::processEvents();
}

class Accessibility : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    commands.SetHandler([this](Command& c) { ran.push_back(c.Name()); });
  }

  Command& MakeCommand(const QString& name, const QString& caption) {
    Command& command = commands.Add(name);
    command.SetCaption(caption);
    return command;
  }

  template <typename T>
  T& Bound(TTBXToolbar& bar, std::unique_ptr<T> item, Command& command) {
    item->SetCommand(&command);
    return bar.Add(std::move(item));
  }

  CommandList commands;
  std::vector<QString> ran;
};

TEST_F(Accessibility, BarChildrenAreItsVisibleItemsWithRolesNamesStatesAndActions) {
  auto* bar = new TTBXToolbar;
  bar->SetCaption("Buttons");
  bar->SetImages(images.get());
  Command& back = MakeCommand("actBack", "&Back");
  back.SetHint("Back");
  back.SetShortcut(kShortcutAlt | 0x25);
  back.SetImageIndex(0);
  Command& pictures = MakeCommand("actAllowPictures", "Allow Pictures");
  pictures.SetAutoCheck(true);
  Command& web = MakeCommand("actSearchWeb", "");
  web.SetHint("Search the Web|Looks the keyword up");
  Command& hidden = MakeCommand("actHidden", "Hidden");
  hidden.SetVisible(false);
  Bound(*bar, std::make_unique<TTBXItem>(), back).SetDisplay(DisplayMode::ImageOnly);
  Bound(*bar, std::make_unique<TTBXItem>(), pictures);
  Bound(*bar, std::make_unique<TTBXItem>(), hidden);
  bar->Add(std::make_unique<TTBXSeparatorItem>(10));
  Bound(*bar, std::make_unique<TTBXItem>(), web);
  auto& disabled = bar->Add(std::make_unique<TTBXItem>());
  disabled.SetCaption("Off");
  disabled.SetEnabled(false);
  bar->Add(std::make_unique<TTBXLabelItem>("A&ddress:"));
  auto* box = new QLineEdit;
  box->setFixedWidth(80);
  bar->Add(std::make_unique<TTBControlItem>(box));
  auto& split = Bound(*bar, std::make_unique<TTBXSubmenuItem>(), MakeCommand("actNew", "New"));
  split.SetSplit(true);
  bar->DockTo(top, 0);
  Settle();

  QAccessibleInterface* iface = Of(bar);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::ToolBar);
  EXPECT_EQ(iface->text(QAccessible::Name), "Buttons");
  const struct {
    QAccessible::Role role;
    const char* name;
  } expected[] = {
      {QAccessible::Button, "Back"},   {QAccessible::CheckBox, "Allow Pictures"},
      {QAccessible::Separator, ""},    {QAccessible::Button, "Search the Web"},
      {QAccessible::Button, "Off"},    {QAccessible::StaticText, "Address:"},
      {QAccessible::EditableText, ""}, {QAccessible::Button, "New"},
  };
  ASSERT_EQ(iface->childCount(), 8);  // the hidden item is no child
  for (int i = 0; i < 8; ++i) {
    QAccessibleInterface* child = iface->child(i);
    SCOPED_TRACE(i);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->role(), expected[i].role);
    EXPECT_EQ(child->text(QAccessible::Name), expected[i].name);
    EXPECT_EQ(iface->indexOfChild(child), i);
    EXPECT_EQ(child->parent(), iface);
    EXPECT_TRUE(iface->rect().contains(child->rect()));
    EXPECT_EQ(iface->childAt(child->rect().center().x(), child->rect().center().y()), child);
  }
  QAccessibleInterface* backIface = iface->child(0);
  EXPECT_EQ(iface->child(6)->object(), box);  // an embedded control stays its own widget
  EXPECT_EQ(backIface->text(QAccessible::Accelerator), "Alt+Left");
  EXPECT_EQ(backIface->text(QAccessible::Description), "Back (Alt+Left)");
  EXPECT_EQ(backIface->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            QStringList{"Alt+Left"});
  EXPECT_TRUE(iface->child(4)->state().disabled);
  EXPECT_TRUE(Actions(iface->child(4)).isEmpty());
  EXPECT_TRUE(Actions(iface->child(2)).isEmpty());
  EXPECT_TRUE(iface->child(7)->state().hasPopup);
  EXPECT_EQ(Actions(iface->child(7)),
            (QStringList{QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}));

  // Press runs the item as a click does; Toggle flips the check mark, and the state
  // follows the command whoever changes it.
  Do(backIface, QAccessibleActionInterface::pressAction());
  Do(iface->child(7), QAccessibleActionInterface::pressAction());  // the split's main part
  EXPECT_EQ(ran, (std::vector<QString>{"actBack", "actNew"}));
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  QAccessibleInterface* check = iface->child(1);
  EXPECT_TRUE(check->state().checkable);
  EXPECT_FALSE(check->state().checked);
  Do(check, QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(check->state().checked);
  pictures.SetChecked(false);
  EXPECT_FALSE(check->state().checked);
  // The mouse over an item makes it the hot one.
  SendMouse(bar, QEvent::MouseMove, bar->ItemRect(bar->Items()[1].get()).center());
  EXPECT_TRUE(check->state().hotTracked);
  EXPECT_FALSE(backIface->state().hotTracked);
  // Hiding a command takes its item out of the children.
  back.SetVisible(false);
  EXPECT_EQ(iface->childCount(), 7);
  EXPECT_EQ(iface->child(0), check);
}

// A screen reader's Press gets its reply at once, even when the click opens a modal
// dialog; the click runs from the event loop, where the dialog is then answered.
TEST_F(Accessibility, PressReturnsBeforeTheDialogItsClickOpensIsAnswered) {
  bool opened = false;
  bool answered = false;
  // The click: a modal dialog, answered (closed) as soon as it shows.
  auto askModally = [&] {
    opened = true;
    QDialog dialog(window.get());
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    dialog.exec();
    answered = true;
  };
  commands.SetHandler([&](Command&) { askModally(); });
  auto* bar = new TTBXToolbar;
  bar->SetCaption("Buttons");
  Bound(*bar, std::make_unique<TTBXItem>(), MakeCommand("actOpen", "Open..."));
  bar->DockTo(top, 0);
  auto* button = new TXP_Button(window.get(), "&Save");
  auto* radio = new TXP_RadioBox(window.get(), "S&tretch");
  for (CaptionedControl* control : std::initializer_list<CaptionedControl*>{button, radio}) {
    QObject::connect(control, &CaptionedControl::clicked, askModally);
  }
  Settle();

  const struct {
    const char* what;
    QAccessibleInterface* iface;
    QString action;
  } cases[] = {
      {"toolbar item", Of(bar)->child(0), QAccessibleActionInterface::pressAction()},
      {"push button", Of(button), QAccessibleActionInterface::pressAction()},
      {"radio box", Of(radio), QAccessibleActionInterface::toggleAction()},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.what);
    opened = answered = false;
    ASSERT_NE(row.iface, nullptr);
    row.iface->actionInterface()->doAction(row.action);
    EXPECT_FALSE(opened) << "the action waited for the click";
    EXPECT_FALSE(answered) << "the action waited for the dialog";
    for (int i = 0; i < 100 && !answered; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(answered);
  }
}

TEST_F(Accessibility, MenusExposeTheirEntriesWhileOpenAndPressingChoosesOne) {
  auto* menuBar = new TTBXToolbar;
  menuBar->SetMenuBar(true);
  menuBar->SetCaption("Menu Bar");
  auto& file = Bound(*menuBar, std::make_unique<TTBXSubmenuItem>(), MakeCommand("actMFile", "&File"));
  auto& newMenu = file.Add(std::make_unique<TTBXSubmenuItem>());
  newMenu.SetCommand(&MakeCommand("actDummyNew", "New"));
  newMenu.Add(std::make_unique<TTBXItem>()).SetCommand(&MakeCommand("actNewBlank", "Blank Page"));
  file.Add(std::make_unique<TTBXSeparatorItem>());
  Command& medium = MakeCommand("actTSMedium", "&Medium");
  medium.SetGroup(5);
  medium.SetAutoCheck(true);
  Command& larger = MakeCommand("actTSLarger", "&Larger");
  larger.SetGroup(5);
  larger.SetAutoCheck(true);
  medium.SetChecked(true);
  file.Add(std::make_unique<TTBXItem>()).SetCommand(&medium);
  file.Add(std::make_unique<TTBXItem>()).SetCommand(&larger);
  Command& hidden = MakeCommand("actDLRoboForm", "Download");
  hidden.SetVisible(false);
  file.Add(std::make_unique<TTBXItem>()).SetCommand(&hidden);
  menuBar->DockTo(top, 0);
  Settle();

  QAccessibleInterface* bar = Of(menuBar);
  EXPECT_EQ(bar->role(), QAccessible::MenuBar);
  EXPECT_EQ(bar->text(QAccessible::Name), "Menu Bar");
  QAccessibleInterface* fileEntry = bar->child(0);
  EXPECT_EQ(fileEntry->role(), QAccessible::MenuItem);
  EXPECT_EQ(fileEntry->text(QAccessible::Name), "File");
  EXPECT_EQ(fileEntry->childCount(), 0);  // closed: nothing below it
  EXPECT_FALSE(fileEntry->state().expanded);

  Do(fileEntry, QAccessibleActionInterface::pressAction());
  PopupWindow* popup = menuBar->OpenPopup();
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(fileEntry->childCount(), 1);
  QAccessibleInterface* menu = fileEntry->child(0);
  EXPECT_EQ(menu, Of(popup));
  EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
  EXPECT_EQ(menu->text(QAccessible::Name), "File");
  EXPECT_EQ(menu->parent(), fileEntry);
  EXPECT_TRUE(fileEntry->state().expanded);
  ASSERT_EQ(menu->childCount(), 4);  // the hidden entry is no line
  EXPECT_EQ(menu->child(1)->role(), QAccessible::Separator);
  QAccessibleInterface* mediumLine = menu->child(2);
  EXPECT_EQ(mediumLine->role(), QAccessible::MenuItem);
  EXPECT_TRUE(mediumLine->state().checkable);
  EXPECT_TRUE(mediumLine->state().checked);
  // Opened by the keyboard, the first entry has the focus; Down moves it.
  EXPECT_TRUE(menu->child(0)->state().focused);
  popup->SetHighlighted(2);
  EXPECT_EQ(menu->focusChild(), mediumLine);

  // The submenu entry shows its entries once open, under itself.
  QAccessibleInterface* newLine = menu->child(0);
  EXPECT_TRUE(newLine->state().hasPopup);
  Do(newLine, QAccessibleActionInterface::showMenuAction());
  ASSERT_EQ(newLine->childCount(), 1);
  EXPECT_EQ(newLine->child(0)->child(0)->text(QAccessible::Name), "Blank Page");
  EXPECT_EQ(newLine->child(0)->parent(), newLine);

  // Pressing "Larger" chooses it: the chain closes and the group's mark moves.
  Do(menu->child(3), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(ran, (std::vector<QString>{"actTSLarger"}));
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
  EXPECT_TRUE(larger.Checked());
  EXPECT_FALSE(medium.Checked());
  EXPECT_EQ(fileEntry->childCount(), 0);
}

}  // namespace
}  // namespace tessary::widgets::testing
