// Commands and the items bound to them: check marks reach every bound item, radio groups
// within a list, auto-check, hidden commands hide their items, shortcut texts and codes.
#include "ToolbarFixture.h"
#include "widgets/Command.h"
#include "widgets/CommandList.h"

namespace tessary::widgets::testing {
namespace {

using CommandBinding = DockWindowTest;

TEST_F(CommandBinding, CheckMarkReachesEveryBoundItemOnEveryBar) {
  CommandList commands;
  Command& command = commands.Add("actAllowPictures");
  command.SetAutoCheck(true);
  TTBXToolbar* first = MakeBar("First", 1);
  TTBXToolbar* second = MakeBar("Second", 1);
  first->Items()[0]->SetCommand(&command);
  second->Items()[0]->SetCommand(&command);
  first->DockTo(top, 0);
  second->DockTo(top, 1);
  Settle();
  int changes = 0;
  Connection observer = second->Items()[0]->OnChange([&] { ++changes; });
  // A click on the first bar's item runs the command, which flips the check mark.
  const QPoint centre = first->ItemRect(first->Items()[0].get()).center();
  SendMouse(first, QEvent::MouseButtonPress, centre);
  SendMouse(first, QEvent::MouseButtonRelease, centre);
  EXPECT_TRUE(command.Checked());
  EXPECT_TRUE(first->Items()[0]->Checked());
  EXPECT_TRUE(second->Items()[0]->Checked());
  EXPECT_EQ(changes, 1);
  // Setting the mark through an item sets the command's.
  second->Items()[0]->SetChecked(false);
  EXPECT_FALSE(command.Checked());
  EXPECT_FALSE(first->Items()[0]->Checked());
}

TEST(CommandGroups, CheckingOneUnchecksTheOthersOfItsGroupInItsListOnly) {
  CommandList list;
  CommandList other;
  Command& largest = list.Add("actTSLargest");
  Command& medium = list.Add("actTSMedium");
  Command& loose = list.Add("actLoose");
  Command& elsewhere = other.Add("actElsewhere");
  for (Command* c : {&largest, &medium, &elsewhere}) {
    c->SetGroup(5);
    c->SetAutoCheck(true);
  }
  loose.SetChecked(true);
  elsewhere.SetChecked(true);
  medium.SetChecked(true);
  largest.Execute();
  EXPECT_TRUE(largest.Checked());
  EXPECT_FALSE(medium.Checked());
  EXPECT_TRUE(loose.Checked());      // no group
  EXPECT_TRUE(elsewhere.Checked());  // same number, other list
  // Running the checked member of a group with auto-check leaves the group empty.
  largest.Execute();
  EXPECT_FALSE(largest.Checked());
  EXPECT_FALSE(medium.Checked());
}

TEST(CommandGroups, NoObserverSeesTwoCheckedMembers) {
  CommandList list;
  Command& a = list.Add("a");
  Command& b = list.Add("b");
  a.SetGroup(1);
  b.SetGroup(1);
  a.SetChecked(true);
  bool both = false;
  Connection watch = b.OnChange([&] { both = both || (a.Checked() && b.Checked()); });
  b.SetChecked(true);
  EXPECT_FALSE(both);
  EXPECT_FALSE(a.Checked());
}

TEST(CommandRun, HandlerOfTheCommandOrOfItsList) {
  CommandList list;
  std::vector<QString> ran;
  list.SetHandler([&](Command& c) { ran.push_back("list:" + c.Name()); });
  Command& plain = list.Add("plain");
  Command& own = list.Add("own");
  own.SetHandler([&](Command& c) { ran.push_back("own:" + c.Name()); });
  plain.Execute();
  own.Execute();
  EXPECT_EQ(ran, (std::vector<QString>{"list:plain", "own:own"}));
}

TEST_F(CommandBinding, HiddenCommandHidesItsItemsAndOwnValuesWin) {
  CommandList commands;
  Command& command = commands.Add("cmd");
  command.SetCaption("From command");
  TTBXToolbar* bar = MakeBar("Bar", 2);
  TTBCustomItem* item = bar->Items()[1].get();
  item->SetCommand(&command);
  bar->DockTo(top, 0);
  Settle();
  EXPECT_EQ(item->Caption(), "Item 1");  // set on the item before binding: it wins
  const int width = bar->BarSizeFor(-1).width();
  command.SetVisible(false);
  EXPECT_TRUE(bar->ItemRect(item).isNull());
  EXPECT_LT(bar->BarSizeFor(-1).width(), width);
  command.SetVisible(true);
  EXPECT_FALSE(bar->ItemRect(item).isNull());
}

TEST(Shortcuts, DisplayTextPerKeyClassAndCodes) {
  const struct {
    std::uint16_t code;
    const char* text;
  } cases[] = {
      {kShortcutCtrl | 'N', "Ctrl+N"},  // letters as capitals
      {kShortcutAlt | '7', "Alt+7"},    // digits
      {0x70, "F1"},                     // function keys
      {0x7B, "F12"},
      {0x87, "F24"},
      {kShortcutAlt | 0x25, "Alt+Left"},  // the program's own key names
      {kShortcutShift | 0x1B, "Shift+Esc"},
      {0x08, "BkSp"},
      {0x21, "PgUp"},
      {0x22, "PgDn"},
      {0x2D, "Ins"},
      {0x2E, "Del"},
      {kShortcutShift | kShortcutCtrl | kShortcutAlt | 0x20, "Shift+Ctrl+Alt+Space"},  // fixed order
      {kShortcutShift | kShortcutCtrl | 0x73, "Shift+Ctrl+F4"},
      {kShortcutCtrl | 0x91, "Ctrl+Scroll Lock"},  // other keys: the keyboard's name
      {kShortcutCtrl | 0xBC, "Ctrl+,"},
      {0, ""},                     // no key
      {kShortcutCtrl | 0xFF, ""},  // no nameable key: no text at all
      {kShortcutCtrl, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortcutText(c.code), c.text) << std::hex << c.code;
  EXPECT_EQ(ShortcutCode(Qt::Key_F4, Qt::ShiftModifier | Qt::ControlModifier), kShortcutShift | kShortcutCtrl | 0x73);
  EXPECT_EQ(ShortcutCode(Qt::Key_Left, Qt::AltModifier), kShortcutAlt | 0x25);
  EXPECT_EQ(ShortcutCode(Qt::Key_Q, Qt::ControlModifier), kShortcutCtrl | 'Q');
  EXPECT_EQ(ShortcutCode(Qt::Key_Comma, Qt::ControlModifier), kShortcutCtrl | 0xBC);
  EXPECT_EQ(ShortcutCode(Qt::Key_Shift, Qt::ShiftModifier), 0);
}

TEST(Shortcuts, TheFirstCommandWithTheCodeRuns) {
  CommandList list;
  std::vector<QString> ran;
  list.SetHandler([&](Command& c) { ran.push_back(c.Name()); });
  list.Add("none");
  list.Add("first").SetShortcut(0x74);
  list.Add("second").SetShortcut(0x74);
  EXPECT_TRUE(list.RunShortcut(0x74));
  EXPECT_FALSE(list.RunShortcut(0x75));
  EXPECT_FALSE(list.RunShortcut(0));  // "no shortcut" never matches a command without one
  EXPECT_EQ(ran, (std::vector<QString>{"first"}));
}

}  // namespace
}  // namespace tessary::widgets::testing
