// Menus: opening from the menu bar by mouse and by Alt+letter, keyboard navigation that
// skips separators and hidden entries, submenus by Right and by hovering, Esc closing one
// level, Enter and accelerator letters running an entry after the chain closed, Left and
// Right moving between the menu bar's menus, and the chevron list of a narrow bar.
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "ToolbarFixture.h"
#include "widgets/Command.h"
#include "widgets/CommandList.h"
#include "widgets/ItemPainter.h"
#include "widgets/PopupWindow.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXLabelItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSpacerItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::widgets::testing {
namespace {

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &event);
}

class Menus : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    commands.SetHandler([this](Command& c) {
      ran.push_back(c.Name());
      // The chain is closed before the command runs.
      closedFirst = closedFirst && menuBar->OpenPopup() == nullptr;
    });
    menuBar = new TTBXToolbar;
    menuBar->SetMenuBar(true);
    auto file = std::make_unique<TTBXSubmenuItem>();
    file->SetCaption("&File");
    Entry(*file, "&Open");                                       // line 0
    file->Add(std::make_unique<TTBXSeparatorItem>());            // line 1
    Entry(*file, "Hidden").SetVisible(false);                    // not shown
    Entry(*file, "&Closed").SetEnabled(false);                   // line 2
    auto& sub = file->Add(std::make_unique<TTBXSubmenuItem>());  // line 3
    sub.SetCaption("&New");
    Entry(sub, "&Blank");
    Entry(sub, "&Current");
    Entry(*file, "&Delete");  // line 4
    Entry(*file, "&Dup");     // line 5: shares "d"
    menuBar->Add(std::move(file));
    auto edit = std::make_unique<TTBXSubmenuItem>();
    edit->SetCaption("&Edit");
    Entry(*edit, "Co&py");
    menuBar->Add(std::move(edit));
    auto hidden = std::make_unique<TTBXSubmenuItem>();
    hidden->SetCaption("&Hidden menu");
    hidden->SetVisible(false);
    menuBar->Add(std::move(hidden));
    auto help = std::make_unique<TTBXSubmenuItem>();
    help->SetCaption("&Help");
    Entry(*help, "&About");
    menuBar->Add(std::move(help));
    menuBar->DockTo(top, 0);
    Settle();
  }

  TTBXItem& Entry(TTBXSubmenuItem& menu, const QString& caption) {
    Command& command = commands.Add(caption);
    command.SetCaption(caption);
    auto& item = menu.Add(std::make_unique<TTBXItem>());
    item.SetCommand(&command);
    return item;
  }

  PopupWindow* Open(int index) {
    menuBar->OpenItemList(index, true);
    return menuBar->OpenPopup();
  }

  CommandList commands;
  std::vector<QString> ran;
  bool closedFirst = true;
  TTBXToolbar* menuBar = nullptr;
};

TEST_F(Menus, ArrowKeysSkipSeparatorsAndHiddenEntriesAndWrap) {
  PopupWindow* popup = Open(0);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisible());
  ASSERT_EQ(popup->LineCount(), 6);  // the hidden entry has no line
  EXPECT_EQ(popup->Highlighted(), 0);
  Key(popup, Qt::Key_Down);
  EXPECT_EQ(popup->Highlighted(), 2);  // over the separator, onto the disabled entry
  Key(popup, Qt::Key_Up);
  EXPECT_EQ(popup->Highlighted(), 0);
  Key(popup, Qt::Key_Up);
  EXPECT_EQ(popup->Highlighted(), 5);  // wraps to the last
  Key(popup, Qt::Key_Home);
  EXPECT_EQ(popup->Highlighted(), 0);
}

TEST_F(Menus, CheckedEntriesShowAMarkInTheImageColumn) {
  PopupWindow* popup = Open(0);
  const QRect line4 = popup->LineRect(4);
  const QRect line5 = popup->LineRect(5);
  // The two lines look alike until one is checked.
  const auto column = [&](const QImage& shot, const QRect& line) {
    return shot.copy(line.left(), line.top(), line.height(), line.height());
  };
  QImage shot = popup->grab().toImage();
  ASSERT_EQ(column(shot, line4), column(shot, line5));
  popup->LineItem(4)->SetChecked(true);
  shot = popup->grab().toImage();
  EXPECT_NE(column(shot, line4), column(shot, line5));
}

TEST_F(Menus, EnterRunsTheEntryAfterTheWholeChainClosed) {
  PopupWindow* popup = Open(0);
  Key(popup, Qt::Key_Return);
  Settle();
  EXPECT_EQ(ran, std::vector<QString>{"&Open"});
  EXPECT_TRUE(closedFirst);
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
  EXPECT_EQ(menuBar->OpenIndex(), -1);
}

TEST_F(Menus, DisabledEntriesAreReachedButDoNothing) {
  PopupWindow* popup = Open(0);
  popup->SetHighlighted(2);
  Key(popup, Qt::Key_Return);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(menuBar->OpenPopup(), popup);
}

TEST_F(Menus, RightOpensASubmenuAndEscClosesOneLevelAtATime) {
  PopupWindow* popup = Open(0);
  popup->SetHighlighted(3);
  Key(popup, Qt::Key_Right);
  PopupWindow* child = popup->ChildPopup();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->ParentPopup(), popup);
  EXPECT_EQ(child->Highlighted(), 0);
  EXPECT_EQ(child->LineCount(), 2);
  Key(child, Qt::Key_Escape);
  EXPECT_EQ(popup->ChildPopup(), nullptr);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(menuBar->OpenPopup(), popup);
  Key(popup, Qt::Key_Escape);
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
  // The bar has the keyboard again, on the menu that was open.
  EXPECT_TRUE(menuBar->KeyboardMode());
  EXPECT_EQ(menuBar->HotIndex(), 0);
}

TEST_F(Menus, EntryOfASubmenuClosesEveryLevelAndRuns) {
  PopupWindow* popup = Open(0);
  popup->OpenSubmenu(3, true);
  PopupWindow* child = popup->ChildPopup();
  ASSERT_NE(child, nullptr);
  Key(child, Qt::Key_Down);
  Key(child, Qt::Key_Return);
  EXPECT_EQ(ran, std::vector<QString>{"&Current"});
  EXPECT_TRUE(closedFirst);
  EXPECT_FALSE(popup->isVisible());
}

TEST_F(Menus, AcceleratorLettersRunOrCycleWhenShared) {
  PopupWindow* popup = Open(0);
  Key(popup, Qt::Key_D, Qt::NoModifier, "d");
  EXPECT_EQ(popup->Highlighted(), 4);  // two entries share "d": highlight, do not run
  Key(popup, Qt::Key_D, Qt::NoModifier, "d");
  EXPECT_EQ(popup->Highlighted(), 5);
  EXPECT_TRUE(ran.empty());
  Key(popup, Qt::Key_N, Qt::NoModifier, "n");  // a submenu's letter opens it
  ASSERT_NE(popup->ChildPopup(), nullptr);
  Key(popup->ChildPopup(), Qt::Key_B, Qt::NoModifier, "b");
  EXPECT_EQ(ran, std::vector<QString>{"&Blank"});
}

TEST_F(Menus, AltLetterOpensTheMenuAndLeftRightMoveBetweenMenus) {
  Key(page, Qt::Key_E, Qt::AltModifier, "e");
  ASSERT_NE(menuBar->OpenPopup(), nullptr);
  EXPECT_EQ(menuBar->OpenIndex(), 1);
  Key(menuBar->OpenPopup(), Qt::Key_Right);
  EXPECT_EQ(menuBar->OpenIndex(), 3);  // the hidden menu is skipped
  Key(menuBar->OpenPopup(), Qt::Key_Right);
  EXPECT_EQ(menuBar->OpenIndex(), 0);  // and round to the first
  Key(menuBar->OpenPopup(), Qt::Key_Left);
  EXPECT_EQ(menuBar->OpenIndex(), 3);
  Key(page, Qt::Key_Z, Qt::AltModifier, "z");  // no menu has the letter: the menu stays
  EXPECT_EQ(menuBar->OpenIndex(), 3);
}

TEST_F(Menus, AltAloneOrF10GivesTheMenuBarTheKeyboard) {
  QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QApplication::sendEvent(page, &altDown);
  QApplication::sendEvent(page, &altUp);
  ASSERT_TRUE(menuBar->KeyboardMode());
  EXPECT_EQ(menuBar->HotIndex(), 0);
  Key(page, Qt::Key_Left);
  EXPECT_EQ(menuBar->HotIndex(), 3);  // wraps, skipping the hidden menu
  Key(page, Qt::Key_Right);
  EXPECT_EQ(menuBar->HotIndex(), 0);
  Key(page, Qt::Key_Right);
  Key(page, Qt::Key_Down);
  EXPECT_EQ(menuBar->OpenIndex(), 1);
  ASSERT_NE(menuBar->OpenPopup(), nullptr);
  EXPECT_EQ(menuBar->OpenPopup()->Highlighted(), 0);
  EXPECT_FALSE(menuBar->KeyboardMode());
  menuBar->OpenPopup()->CloseAll();
  // F10 toggles it; Esc leaves it; Alt with another key in between does not enter it.
  Key(page, Qt::Key_F10);
  EXPECT_TRUE(menuBar->KeyboardMode());
  Key(page, Qt::Key_Escape);
  EXPECT_FALSE(menuBar->KeyboardMode());
  EXPECT_EQ(menuBar->HotIndex(), -1);
  QApplication::sendEvent(page, &altDown);
  Key(page, Qt::Key_Tab, Qt::AltModifier);
  QApplication::sendEvent(page, &altUp);
  EXPECT_FALSE(menuBar->KeyboardMode());
  // In keyboard mode a menu's letter alone opens it.
  Key(page, Qt::Key_F10);
  Key(page, Qt::Key_H, Qt::NoModifier, "h");
  EXPECT_EQ(menuBar->OpenIndex(), 3);
  // Esc closes the menu and leaves the bar with the keyboard on that menu.
  Key(menuBar->OpenPopup(), Qt::Key_Escape);
  EXPECT_TRUE(menuBar->KeyboardMode());
  EXPECT_EQ(menuBar->HotIndex(), 3);
}

TEST_F(Menus, AltHeldForAClickOrLeavingTheApplicationGivesNoKeyboardMode) {
  QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QApplication::sendEvent(page, &altDown);
  SendMouse(page, QEvent::MouseButtonPress, QPoint(20, 20));
  SendMouse(page, QEvent::MouseButtonRelease, QPoint(20, 20));
  QApplication::sendEvent(page, &altUp);
  EXPECT_FALSE(menuBar->KeyboardMode());
  Key(page, Qt::Key_F10);
  ASSERT_TRUE(menuBar->KeyboardMode());
  NotifyAppActive(false);
  EXPECT_FALSE(menuBar->KeyboardMode());
  EXPECT_EQ(menuBar->HotIndex(), -1);
  NotifyAppActive(true);
  Key(page, Qt::Key_Left);  // an ordinary key again, not the menu bar's
  EXPECT_EQ(menuBar->HotIndex(), -1);
}

TEST_F(Menus, AltLetterTypedInAFloatingBarOpensTheMenu) {
  auto* bar = new TTBXToolbar;
  bar->SetCaption("Search");
  auto* box = new QLineEdit;
  bar->Add(std::make_unique<TTBControlItem>(box));
  bar->DockTo(top, 1);
  bar->Float(page->mapToGlobal(QPoint(50, 50)));
  ASSERT_NE(bar->Floater(), nullptr);
  Key(box, Qt::Key_F, Qt::AltModifier, "f");
  EXPECT_EQ(menuBar->OpenIndex(), 0);
}

TEST_F(Menus, RightOnASubmenusEntryMovesToTheNextMenu) {
  PopupWindow* popup = Open(0);
  popup->OpenSubmenu(3, true);
  Key(popup->ChildPopup(), Qt::Key_Right);
  EXPECT_EQ(menuBar->OpenIndex(), 1);
}

TEST_F(Menus, PressOnTheMenuBarOpensAndHoverOpensSubmenusAfterADelay) {
  const QRect file = menuBar->ItemRect(menuBar->Items()[0].get());
  SendMouse(menuBar, QEvent::MouseButtonPress, file.center());
  PopupWindow* popup = menuBar->OpenPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->Highlighted(), -1);  // opened by the mouse: nothing highlighted yet
  SendMouse(popup, QEvent::MouseMove, popup->LineRect(3).center());
  EXPECT_EQ(popup->Highlighted(), 3);
  EXPECT_EQ(popup->ChildPopup(), nullptr);  // not at once
  QTest::qWait(PopupWindow::kSubmenuDelayMs + 150);
  ASSERT_NE(popup->ChildPopup(), nullptr);
  // A click on an entry runs it.
  SendMouse(popup, QEvent::MouseMove, popup->LineRect(0).center());
  SendMouse(popup, QEvent::MouseButtonPress, popup->LineRect(0).center());
  SendMouse(popup, QEvent::MouseButtonRelease, popup->LineRect(0).center());
  EXPECT_EQ(ran, std::vector<QString>{"&Open"});
}

TEST_F(Menus, MenusNearTheScreenEdgesOpenAboveAndToTheLeft) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  menuBar->DockTo(bottom, 0);
  window->setGeometry(screen.right() - 160, screen.bottom() - 200, 160, 200);
  Settle();
  PopupWindow* popup = Open(0);
  ASSERT_NE(popup, nullptr);
  const QRect file = menuBar->ItemRect(menuBar->Items()[0].get());
  EXPECT_EQ(popup->geometry().bottom() + 1, menuBar->mapToGlobal(file.topLeft()).y());
  popup->OpenSubmenu(3, true);
  PopupWindow* child = popup->ChildPopup();
  ASSERT_NE(child, nullptr);
  ASSERT_GT(popup->geometry().right() + child->width(), screen.right());  // no room on the right
  EXPECT_EQ(child->geometry().right() + 1, popup->geometry().left());
}

TEST_F(Menus, ChevronListsTheItemsThatDoNotFit) {
  TTBXToolbar* bar = MakeBar("Narrow", 12);
  int runs = 0;
  bar->Items()[11]->SetOnClick([&] { ++runs; });
  bar->DockTo(bottom, 0);
  window->resize(140, 400);
  Settle();
  ASSERT_TRUE(bar->ChevronShown());
  const std::vector<TTBCustomItem*> hidden = bar->OverflowItems();
  ASSERT_FALSE(hidden.empty());
  EXPECT_EQ(hidden.back(), bar->Items()[11].get());
  // The shown items keep their order and stay clear of the chevron.
  int right = -1;
  for (const auto& item : bar->Items()) {
    const QRect rect = bar->ItemRect(item.get());
    if (rect.isNull()) continue;
    EXPECT_GT(rect.left(), right);
    EXPECT_LT(rect.right(), bar->ChevronRect().left());
    right = rect.right();
  }
  SendMouse(bar, QEvent::MouseButtonPress, bar->ChevronRect().center());
  PopupWindow* list = bar->OpenPopup();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->LineCount(), static_cast<int>(hidden.size()));
  Key(list, Qt::Key_End);
  Key(list, Qt::Key_Return);
  EXPECT_EQ(runs, 1);
  // With room again the chevron goes.
  window->resize(900, 400);
  Settle();
  EXPECT_FALSE(bar->ChevronShown());
  EXPECT_TRUE(bar->OverflowItems().empty());
}

}  // namespace
}  // namespace tessary::widgets::testing

namespace tessary::widgets::testing {
namespace {

// The same menus driven through the window system (QTest), so that the popup's pointer
// grab routes the events as it does on a desktop.
TEST_F(Menus, MouseThroughTheWindowSystemSwitchesMenusAndRunsAnEntry) {
  const QRect file = menuBar->ItemRect(menuBar->Items()[0].get());
  const QRect edit = menuBar->ItemRect(menuBar->Items()[1].get());
  QTest::mouseMove(menuBar, file.center());
  QTest::mousePress(menuBar, Qt::LeftButton, Qt::NoModifier, file.center());
  QTest::mouseRelease(menuBar, Qt::LeftButton, Qt::NoModifier, file.center());
  PopupWindow* popup = menuBar->OpenPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(menuBar->OpenIndex(), 0);
  // Sliding along the bar while a menu is open opens the menu under the pointer.
  QTest::mouseMove(popup, popup->mapFromGlobal(menuBar->mapToGlobal(edit.center())));
  ASSERT_EQ(menuBar->OpenIndex(), 1);
  PopupWindow* editMenu = menuBar->OpenPopup();
  ASSERT_NE(editMenu, nullptr);
  const QPoint line = editMenu->LineRect(0).center();
  QTest::mouseMove(editMenu, line);
  QTest::mouseClick(editMenu, Qt::LeftButton, Qt::NoModifier, line);
  EXPECT_EQ(ran, std::vector<QString>{"Co&py"});
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
}

TEST_F(Menus, ASecondClickOnTheOpenMenusTitleClosesIt) {
  const QRect file = menuBar->ItemRect(menuBar->Items()[0].get());
  QTest::mouseClick(menuBar, Qt::LeftButton, Qt::NoModifier, file.center());
  ASSERT_NE(menuBar->OpenPopup(), nullptr);
  QTest::mouseClick(menuBar, Qt::LeftButton, Qt::NoModifier, file.center());
  Settle();
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
  EXPECT_EQ(menuBar->OpenIndex(), -1);

  // A desktop routes that press to the open popup, which closes and lets the press be
  // replayed to the widget under it, which would open the menu again at once: the popup
  // must refuse the replay when the press lands on its own bar.
  PopupWindow* popup = Open(0);
  ASSERT_NE(popup, nullptr);
  bool replayRefused = false;
  QObject::connect(popup, &PopupWindow::Closed, popup,
                   [&] { replayRefused = popup->testAttribute(Qt::WA_NoMouseReplay); });
  SendMouseAt(popup, QEvent::MouseButtonPress, menuBar->mapToGlobal(file.center()));
  EXPECT_TRUE(replayRefused);
  EXPECT_EQ(menuBar->OpenPopup(), nullptr);
}

}  // namespace
}  // namespace tessary::widgets::testing

namespace tessary::widgets::testing {
namespace {

// A list taller than the screen: it fits the screen and scrolls to every entry.
TEST_F(Menus, AListTallerThanTheScreenScrollsToEveryEntry) {
  auto& tall = menuBar->Add(std::make_unique<TTBXSubmenuItem>());
  tall.SetCaption("&Tall");
  constexpr int kEntries = 120;
  for (int i = 0; i < kEntries; ++i) Entry(tall, QStringLiteral("Entry %1").arg(i));
  Settle();
  PopupWindow* popup = Open(static_cast<int>(menuBar->Items().size()) - 1);
  ASSERT_NE(popup, nullptr);
  const QRect screen = popup->screen()->availableGeometry();
  ASSERT_GT(popup->LineRect(kEntries - 1).bottom(), screen.height());  // really too tall
  EXPECT_LE(popup->height(), screen.height());
  EXPECT_TRUE(screen.contains(popup->geometry()));
  EXPECT_EQ(popup->ScrollOffset(), 0);

  // The keyboard scrolls the highlighted line into view; a click there runs it.
  Key(popup, Qt::Key_End);
  EXPECT_EQ(popup->Highlighted(), kEntries - 1);
  EXPECT_EQ(popup->ScrollOffset(), popup->MaxScroll());
  const QRect last = popup->LineRect(kEntries - 1);
  EXPECT_TRUE(popup->rect().contains(last));
  EXPECT_EQ(popup->LineAt(last.center()), kEntries - 1);
  Key(popup, Qt::Key_Down);  // wraps to the first line, which scrolls back
  EXPECT_EQ(popup->Highlighted(), 0);
  EXPECT_EQ(popup->ScrollOffset(), 0);

  // The wheel scrolls, within the ends.
  QWheelEvent down(QPointF(10, 10), popup->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120 * 3), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(popup, &down);
  EXPECT_EQ(popup->ScrollOffset(), 3 * popup->LineRect(0).height());
  QWheelEvent up(QPointF(10, 10), popup->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120 * 50), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(popup, &up);
  EXPECT_EQ(popup->ScrollOffset(), 0);

  // Scrolled to the end, a click runs the entry under the pointer, not the one at its
  // unscrolled place.
  popup->EnsureVisible(kEntries - 1);
  const QPoint at = popup->LineRect(kEntries - 1).center();
  SendMouse(popup, QEvent::MouseMove, at, Qt::NoButton);
  SendMouse(popup, QEvent::MouseButtonPress, at);
  SendMouse(popup, QEvent::MouseButtonRelease, at);
  EXPECT_EQ(ran, std::vector<QString>{QStringLiteral("Entry %1").arg(kEntries - 1)});
}

}  // namespace
}  // namespace tessary::widgets::testing

namespace tessary::widgets::testing {
namespace {

// Once its menu closed by Enter on an entry or by a click elsewhere, the title the pointer
// left while the menu was open is no longer highlighted; Esc leaves the bar the keyboard
// on the title, and a second Esc clears it.
TEST_F(Menus, NoTitleStaysHighlightedAfterItsMenuClosed) {
  const QPoint away = page->mapToGlobal(QPoint(200, 150));
  const QRect file = menuBar->ItemRect(menuBar->Items()[0].get());
  for (int closeBy : {int(Qt::Key_Return), 0, int(Qt::Key_Escape)}) {
    SCOPED_TRACE(closeBy);
    // The pointer enters the bar and opens the menu; the menu then holds the pointer, so
    // the bar is told of no leave (as on a desktop).
    menuBar->setAttribute(Qt::WA_UnderMouse, true);
    QTest::mouseClick(menuBar, Qt::LeftButton, Qt::NoModifier, file.center());
    PopupWindow* popup = menuBar->OpenPopup();
    ASSERT_NE(popup, nullptr);
    QCursor::setPos(away);  // the pointer moves on while the menu holds it
    if (closeBy == 0) {
      SendMouseAt(popup, QEvent::MouseButtonPress, away);
    } else {
      popup->SetHighlighted(0);
      Key(popup, closeBy);
    }
    Settle();
    EXPECT_EQ(menuBar->OpenPopup(), nullptr);
    if (closeBy == Qt::Key_Escape) {
      EXPECT_EQ(menuBar->HotIndex(), 0);
      Key(page, Qt::Key_Escape);
    }
    EXPECT_EQ(menuBar->HotIndex(), -1);
    EXPECT_FALSE(menuBar->KeyboardMode());
  }
}

// Menus that do not fit go behind the menu bar's chevron: the keyboard walk reaches it
// after the last shown menu, Down opens its list, the hidden menus open from there as
// submenus, and Left/Right move between it and the menus.
TEST_F(Menus, TheKeyboardWalkReachesTheChevronAndDownOpensIt) {
  const QRect edit = menuBar->ItemRect(menuBar->Items()[1].get());
  window->resize(edit.left() + CurrentTheme().ChevronSize() + 4, 400);
  Settle();
  ASSERT_TRUE(menuBar->ChevronShown());
  ASSERT_FALSE(menuBar->ItemRect(menuBar->Items()[0].get()).isNull());
  Key(page, Qt::Key_F10);
  EXPECT_EQ(menuBar->HotIndex(), 0);
  Key(page, Qt::Key_Right);
  EXPECT_EQ(menuBar->HotIndex(), TTBXToolbar::kChevronIndex);
  Key(page, Qt::Key_Right);
  EXPECT_EQ(menuBar->HotIndex(), 0);  // round to the first
  Key(page, Qt::Key_Left);
  Key(page, Qt::Key_Down);
  PopupWindow* list = menuBar->OpenPopup();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->LineCount(), 2);  // "Edit" and "Help"; the hidden menu has no line
  EXPECT_EQ(list->Highlighted(), 0);
  Key(list, Qt::Key_Right);
  ASSERT_NE(list->ChildPopup(), nullptr);
  Key(list->ChildPopup(), Qt::Key_Return);
  EXPECT_EQ(ran, std::vector<QString>{"Co&py"});
  menuBar->OpenChevron(true);
  Key(menuBar->OpenPopup(), Qt::Key_Left);
  EXPECT_EQ(menuBar->OpenIndex(), 0);
  Key(menuBar->OpenPopup(), Qt::Key_Right);
  EXPECT_NE(menuBar->OpenPopup(), nullptr);
  EXPECT_EQ(menuBar->OpenIndex(), -1);
  EXPECT_EQ(menuBar->HotIndex(), TTBXToolbar::kChevronIndex);
}

// What the chevron list shows for items that are not buttons: a split button's list opens
// as a submenu; an embedded control is a line that runs its command, or, without one, a
// line with the caption of the label before it.
TEST_F(Menus, TheChevronListOpensSubmenusAndListsEmbeddedControls) {
  auto* bar = new TTBXToolbar;
  bar->Add(std::make_unique<TTBXLabelItem>("A&ddress:"));
  bar->Add(std::make_unique<TTBXSpacerItem>(3, 20));
  bar->Add(std::make_unique<TTBControlItem>(new QLineEdit));
  Command& search = commands.Add("Search");
  search.SetCaption("&Search box");
  bar->Add(std::make_unique<TTBControlItem>(new QLineEdit)).SetCommand(&search);
  auto& go = bar->Add(std::make_unique<TTBXSubmenuItem>());
  go.SetCaption("Go");
  go.SetSplit(true);
  Entry(go, "&Open");
  bar->DockTo(bottom, 0);
  window->resize(60, 400);
  Settle();
  ASSERT_TRUE(bar->ChevronShown());
  SendMouse(bar, QEvent::MouseButtonPress, bar->ChevronRect().center());
  PopupWindow* list = bar->OpenPopup();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->LineCount(), 3);
  EXPECT_EQ(list->LineItem(0)->Caption(), "A&ddress:");
  EXPECT_FALSE(list->LineItem(0)->Selectable());
  EXPECT_EQ(list->LineItem(1)->Caption(), "&Search box");
  EXPECT_EQ(list->LineItem(2), &go);
  Key(list, Qt::Key_Down);
  EXPECT_EQ(list->Highlighted(), 1);  // the caption line is passed over
  Key(list, Qt::Key_Down);
  Key(list, Qt::Key_Return);
  ASSERT_NE(list->ChildPopup(), nullptr);
  Key(list->ChildPopup(), Qt::Key_Return);
  EXPECT_EQ(ran, std::vector<QString>{"&Open"});
  bar->OpenChevron(true);
  Key(bar->OpenPopup(), Qt::Key_Return);
  EXPECT_EQ(ran, (std::vector<QString>{"&Open", "Search"}));
}

// Which separators a list shows, from a pattern: one character per entry, "a" an entry,
// "-" a separator, "h" a hidden entry, "H" a hidden separator.
TEST(PopupSeparators, LinesNeverLeadOrDoubleButAListThatEndsWithOneShowsIt) {
  const struct {
    const char* entries;
    const char* shown;
  } kCases[] = {
      {"a-a", "a-a"},    {"-a-a", "a-a"},  // a leading line goes
      {"a--a", "a-a"},                     // one of two lines in a row
      {"a-a-", "a-a-"},                    // the menu ends with its line
      {"aa--", "aa-"},                     // ... once
      {"a-ah-", "a-a-"},                   // hidden entries in between do not matter
      {"a-h", "a"},                        // a line left at the end only by a hidden entry goes
      {"a-hH", "a"},                       // ... as when the last line is hidden itself
      {"a-a-hH", "a-a"},                   // ... wherever it stands
      {"-", ""},                           // a list of nothing but a line shows nothing
      {"h-", ""},
  };
  for (const auto& c : kCases) {
    std::vector<std::unique_ptr<TTBCustomItem>> owned;
    std::vector<TTBCustomItem*> items;
    for (const char* e = c.entries; *e != '\0'; ++e) {
      if (*e == '-' || *e == 'H') owned.push_back(std::make_unique<TTBXSeparatorItem>());
      else owned.push_back(std::make_unique<TTBXItem>());
      owned.back()->SetCaption("x");
      owned.back()->SetVisible(*e == 'a' || *e == '-');
      items.push_back(owned.back().get());
    }
    auto* popup = new PopupWindow(items, vkPopupMenu, nullptr, nullptr, nullptr);
    QString shown;
    for (int line = 0; line < popup->LineCount(); ++line)
      shown += popup->LineItem(line)->Kind() == ItemKind::Separator ? '-' : 'a';
    EXPECT_EQ(shown.toStdString(), c.shown) << c.entries;
    delete popup;
  }
}

// A popup with a line that has both a shortcut and a submenu: the arrow keeps a column of
// its own, clear of the shortcut text; a trailing separator is painted.
TEST_F(Menus, SubmenuArrowsKeepAColumnClearOfShortcutsAndTrailingLinesArePainted) {
  for (const QString& theme : {QString("Default"), QString("Xito"), QString("Nexos4")}) {
    SCOPED_TRACE(theme.toStdString());
    SwitchTheme(theme);
    auto sub = std::make_unique<TTBXSubmenuItem>();
    sub->SetCaption("&New");
    sub->SetShortcutText("Ctrl+N");
    Entry(*sub, "&Blank");
    TTBXItem plain;
    plain.SetCaption("&Wide entry caption");
    TTBXItem blank;  // a line showing nothing right of its caption, to compare with
    blank.SetCaption("x");
    TTBXSeparatorItem line;
    auto* popup = new PopupWindow({sub.get(), &plain, &blank, &line}, vkPopupMenu, nullptr, nullptr, window.get());
    popup->Popup(window->mapToGlobal(QPoint(0, 0)), false);
    Settle();
    ASSERT_EQ(popup->LineCount(), 4);
    const QImage image = popup->grab().toImage();
    const QRect newLine = popup->LineRect(0);
    const QPoint toBlank = popup->LineRect(2).topLeft() - newLine.topLeft();
    // The ink columns of the "New" line right of its caption: the shortcut, then the arrow.
    std::vector<int> inked;
    for (int x = newLine.center().x(); x <= newLine.right(); ++x) {
      bool ink = false;
      for (int y = newLine.top(); y <= newLine.bottom(); ++y)
        ink = ink || image.pixel(x, y) != image.pixel(QPoint(x, y) + toBlank);
      if (ink) inked.push_back(x);
    }
    ASSERT_GE(inked.size(), 2u);
    int widestGap = 0;
    for (std::size_t i = 1; i < inked.size(); ++i) widestGap = std::max(widestGap, inked[i] - inked[i - 1] - 1);
    EXPECT_GE(widestGap, ItemPainter::kMenuArrowGap);
    EXPECT_TRUE(ItemPainter::MenuArrowRect(newLine).contains(QPoint(inked.back(), newLine.center().y())));
    // The trailing separator's line shows something other than the menu's colour.
    const QRect last = popup->LineRect(3);
    const QRgb menu = image.pixel(last.center().x(), popup->LineRect(2).top());
    bool drawn = false;
    for (int y = last.top(); y <= last.bottom(); ++y) drawn = drawn || image.pixel(last.center().x(), y) != menu;
    EXPECT_TRUE(drawn);
    popup->close();
    Settle();
  }
  SwitchTheme("Default");
}

}  // namespace
}  // namespace tessary::widgets::testing
