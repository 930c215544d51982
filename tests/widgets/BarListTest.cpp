// The window's bar list: a right click on a dock, a bar or a floating caption lists the
// bars that can be closed, checked while they show; choosing a line closes a bar or opens
// a closed one again, so a floating bar closed by its close button is never lost.
#include <QContextMenuEvent>
#include <QPointer>

#include "ToolbarFixture.h"
#include "widgets/BarListMenu.h"
#include "widgets/FloatingWindow.h"
#include "widgets/PopupWindow.h"

namespace tessary::widgets::testing {
namespace {

class BarList : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    menu = MakeBar("Menu", 2);
    menu->SetMenuBar(true);
    a = MakeBar("A", 3);
    b = MakeBar("B", 3);
    menu->DockTo(top, 0, 0);
    a->DockTo(top, 1, 0);
    b->DockTo(top, 2, 0);
    Settle();
  }

  // Right-clicks `widget` at `pos` and returns the list that opened.
  static PopupWindow* RightClick(QWidget* widget, QPoint pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    auto* popup = qobject_cast<PopupWindow*>(QApplication::activePopupWidget());
    return popup != nullptr && popup->isVisible() ? popup : nullptr;
  }

  // The list's line captioned `caption`, or -1.
  static int LineOf(const PopupWindow* popup, const QString& caption) {
    for (int line = 0; line < popup->LineCount(); ++line)
      if (popup->LineItem(line)->Caption() == caption) return line;
    return -1;
  }

  // Chooses the line `caption` of a list opened by a right click on `widget`.
  static void Choose(QWidget* widget, const QString& caption) {
    PopupWindow* popup = RightClick(widget, QPoint(2, 2));
    ASSERT_NE(popup, nullptr);
    const int line = LineOf(popup, caption);
    ASSERT_GE(line, 0);
    popup->Activate(line);
    QApplication::processEvents();
  }

  TTBXToolbar* menu = nullptr;
  TTBXToolbar* a = nullptr;
  TTBXToolbar* b = nullptr;
};

TEST_F(BarList, ListsClosableBarsCheckedWhileTheyShow) {
  PopupWindow* popup = RightClick(top, QPoint(2, 2));
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(LineOf(popup, QStringLiteral("Menu")), -1);  // the menu bar cannot be closed
  ASSERT_EQ(popup->LineCount(), 2);
  EXPECT_TRUE(popup->LineItem(LineOf(popup, QStringLiteral("A")))->Checked());
  EXPECT_TRUE(popup->LineItem(LineOf(popup, QStringLiteral("B")))->Checked());
  popup->close();
}

TEST_F(BarList, AFloatingBarClosedByItsCloseButtonOpensAgainFromTheList) {
  a->Float(page->mapToGlobal(QPoint(100, 100)));
  FloatingWindow* floater = a->Floater();
  ASSERT_NE(floater, nullptr);
  const QPoint floatedAt = floater->pos();
  const QPoint close = floater->CloseButtonRect().center();
  SendMouse(floater, QEvent::MouseButtonPress, close);
  SendMouse(floater, QEvent::MouseButtonRelease, close);
  ASSERT_FALSE(floater->isVisible());
  EXPECT_FALSE(a->BarVisible());

  PopupWindow* popup = RightClick(b, QPoint(2, 2));  // a right click on a docked bar
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(LineOf(popup, QStringLiteral("A")), 0);  // floating, still in creation order
  EXPECT_EQ(LineOf(popup, QStringLiteral("B")), 1);
  EXPECT_FALSE(popup->LineItem(LineOf(popup, QStringLiteral("A")))->Checked());
  popup->Activate(LineOf(popup, QStringLiteral("A")));
  QApplication::processEvents();
  EXPECT_TRUE(a->BarVisible());
  EXPECT_EQ(a->Floater(), floater);
  EXPECT_TRUE(floater->isVisible());
  EXPECT_EQ(floater->pos(), floatedAt);
}

TEST_F(BarList, ADockedBarClosedGivesUpItsRowAndGetsItBack) {
  const int heightWithA = top->height();
  const QRect placeOfB = b->geometry();
  Choose(top, QStringLiteral("A"));
  EXPECT_FALSE(a->BarVisible());
  EXPECT_FALSE(a->isVisible());
  EXPECT_EQ(top->RowCount(), 2);
  EXPECT_EQ(top->height(), heightWithA - a->height());
  EXPECT_LT(b->y(), placeOfB.y());

  Choose(b, QStringLiteral("A"));
  EXPECT_TRUE(a->isVisible());
  EXPECT_EQ(a->CurrentDock(), top);
  EXPECT_EQ(top->RowCount(), 3);
  EXPECT_EQ(top->height(), heightWithA);
  EXPECT_EQ(b->geometry(), placeOfB);
}

TEST_F(BarList, TheFloatingCaptionOffersTheListToo) {
  b->Float(page->mapToGlobal(QPoint(100, 100)));
  Choose(b->Floater(), QStringLiteral("B"));
  EXPECT_FALSE(b->BarVisible());
  EXPECT_FALSE(b->Floater()->isVisible());
  // Dragging or docking a closed bar by code shows it again.
  b->DockTo(top, 5, 0);
  EXPECT_TRUE(b->BarVisible());
  EXPECT_TRUE(b->isVisible());
}

TEST_F(BarList, AFloatingBarWithoutACloseButtonShowsNone) {
  a->Float(page->mapToGlobal(QPoint(100, 100)));
  b->Float(page->mapToGlobal(QPoint(100, 200)));
  b->SetCloseButton(false);
  const QColor face = CurrentTheme().ViewColour(vkToolbar);
  // The button's face colour is found inside its place only where it is painted.
  const auto faceInButton = [&](FloatingWindow* floater) {
    const QImage image = floater->grab().toImage();
    const QRect button = floater->CloseButtonRect();
    int count = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
      for (int x = button.left(); x <= button.right(); ++x) count += QColor(image.pixel(x, y)) == face;
    return count;
  };
  EXPECT_GT(faceInButton(a->Floater()), 0);
  EXPECT_EQ(faceInButton(b->Floater()), 0);
  // The frame still closes on the right.
  const QImage image = b->Floater()->grab().toImage();
  const QImage reference = a->Floater()->grab().toImage();
  const int y = b->Floater()->height() / 2;
  EXPECT_EQ(image.pixel(image.width() - 1, y), reference.pixel(reference.width() - 1, y));
}

TEST_F(BarList, DeletingAFloatingBarTakesItsWindowAlong) {
  b->Float(page->mapToGlobal(QPoint(100, 200)));
  QPointer<FloatingWindow> floater = b->Floater();
  ASSERT_FALSE(floater.isNull());
  delete b;
  b = nullptr;
  EXPECT_TRUE(floater.isNull());
  SwitchTheme(ActiveThemeName());                                     // nothing left to call back into the deleted bar
  EXPECT_EQ(BarList::RightClick(top, QPoint(2, 2))->LineCount(), 1);  // only A is listed
  QApplication::activePopupWidget()->close();
  // A bar deleted after it docked, while its old window still waits to be deleted.
  a->Float(page->mapToGlobal(QPoint(100, 200)));
  floater = a->Floater();
  a->DockTo(top, 1, 0);
  delete a;
  a = nullptr;
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(floater.isNull());
}

}  // namespace
}  // namespace tessary::widgets::testing
