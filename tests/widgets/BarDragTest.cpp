// Dragging bars by their handles with simulated mouse events: along a row, to a new row,
// to the other dock, off the docks into a floating window, back by dragging the floating
// caption, and back to the old place by a double click on that caption.
#include <QImage>
#include <QKeyEvent>

#include "ToolbarFixture.h"
#include "widgets/FloatingWindow.h"

namespace tessary::widgets::testing {
namespace {

class BarDrag : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    a = MakeBar("A", 3);
    b = MakeBar("B", 3);
    a->DockTo(top, 0, 0);
    b->DockTo(top, 1, 0);
    Settle();
  }

  // A point on a bar's drag handle, in the bar's coordinates.
  static QPoint Handle(const TTBCustomDockableWindow* bar) { return {1, bar->height() / 2}; }
  // A bar-local point that lies over `global`.
  static QPoint Local(const QWidget* bar, QPoint global) { return bar->mapFromGlobal(global); }

  TTBXToolbar* a = nullptr;
  TTBXToolbar* b = nullptr;
};

TEST_F(BarDrag, AlongItsRow) {
  const QPoint to = Handle(a) + QPoint(120, 0);
  Drag(a, Handle(a), to);
  EXPECT_EQ(a->CurrentDock(), top);
  EXPECT_EQ(a->x(), 120);
  EXPECT_FALSE(a->IsDragging());
}

TEST_F(BarDrag, IntoAnotherRowAndIntoANewRowBetweenRows) {
  // The middle of B's row: A joins it, to the right of B.
  const QPoint middleOfB = b->mapToGlobal(QPoint(b->width() + 40, b->height() / 2));
  Drag(a, Handle(a), Local(a, middleOfB), 1);
  EXPECT_EQ(top->RowCount(), 1);
  EXPECT_EQ(a->y(), b->y());
  EXPECT_GT(a->x(), b->geometry().right());
  // The top edge of that row: a new row above it.
  const QPoint topEdge = b->mapToGlobal(QPoint(10, 1));
  Drag(a, Handle(a), Local(a, topEdge), 1);
  EXPECT_EQ(top->RowCount(), 2);
  EXPECT_LT(a->y(), b->y());
}

TEST_F(BarDrag, ToTheOtherDockAndBack) {
  const QPoint overBottom = bottom->mapToGlobal(QPoint(50, 0));
  Drag(a, Handle(a), Local(a, overBottom));
  EXPECT_EQ(a->CurrentDock(), bottom);
  EXPECT_EQ(a->parentWidget(), bottom);
  EXPECT_EQ(bottom->Bars().size(), 1u);
  EXPECT_EQ(top->Bars().size(), 1u);
  EXPECT_EQ(bottom->height(), a->height());
  Drag(a, Handle(a), Local(a, top->mapToGlobal(QPoint(20, 2))));
  EXPECT_EQ(a->CurrentDock(), top);
  EXPECT_EQ(bottom->height(), 0);
}

TEST_F(BarDrag, OffTheDocksItFloatsAndDoubleClickOnTheCaptionPutsItBack) {
  const QPoint place(a->DockRow(), a->DockX());
  const QPoint overPage = page->mapToGlobal(QPoint(200, 150));
  const QPoint grab = Handle(a);
  Drag(a, grab, Local(a, overPage));
  ASSERT_TRUE(a->IsFloating());
  EXPECT_FALSE(a->IsDocked());
  EXPECT_EQ(a->CurrentDock(), nullptr);
  FloatingWindow* floater = a->Floater();
  ASSERT_NE(floater, nullptr);
  EXPECT_EQ(a->parentWidget(), floater);
  EXPECT_TRUE(a->ViewKind() & vkFloating);
  EXPECT_EQ(top->Bars().size(), 1u);
  // The floating window holds the bar where the pointer took it.
  EXPECT_EQ(a->mapToGlobal(grab), overPage);

  const QPoint caption = floater->CaptionRect().center();
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(caption), QPointF(floater->mapToGlobal(caption)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(floater, &twice);
  EXPECT_TRUE(a->IsDocked());
  EXPECT_EQ(a->CurrentDock(), top);
  EXPECT_EQ(QPoint(a->DockRow(), a->DockX()), place);
  EXPECT_EQ(a->y(), 0);  // its own row again, above B
  EXPECT_EQ(top->RowCount(), 2);
}

TEST_F(BarDrag, AnOutlineShowsWhereTheBarGoesUntilRelease) {
  const QPoint start = a->mapToGlobal(Handle(a));
  SendMouseAt(a, QEvent::MouseButtonPress, start);
  SendMouseAt(a, QEvent::MouseMove, start + QPoint(30, 0));
  EXPECT_EQ(a->DragFeedback(), nullptr);  // moving within the dock needs no outline
  const QPoint overPage = page->mapToGlobal(QPoint(200, 150));
  SendMouseAt(a, QEvent::MouseMove, overPage);
  const QWidget* outline = a->DragFeedback();
  ASSERT_NE(outline, nullptr);
  const QRect shown = outline->geometry();
  EXPECT_TRUE(a->IsDocked());  // nothing moves before the release
  SendMouseAt(a, QEvent::MouseButtonRelease, overPage);
  EXPECT_EQ(a->DragFeedback(), nullptr);
  ASSERT_TRUE(a->IsFloating());
  EXPECT_EQ(a->Floater()->frameGeometry(), shown);
}

TEST_F(BarDrag, DraggingTheFloatingCaptionOverADockDocksIt) {
  a->Float(page->mapToGlobal(QPoint(100, 100)));
  FloatingWindow* floater = a->Floater();
  ASSERT_NE(floater, nullptr);
  const QPoint caption = floater->CaptionRect().center();
  const QPoint overBottom = bottom->mapToGlobal(QPoint(60, 0));
  Drag(floater, caption, floater->mapFromGlobal(overBottom));
  EXPECT_EQ(a->CurrentDock(), bottom);
  EXPECT_FALSE(a->IsFloating());
}

// The close button acts on release over it, looks pressed while held over it, does nothing
// when released elsewhere, and is not there when the bar has none.
TEST_F(BarDrag, TheCloseButtonHidesTheFloatingBarWhenItHasOne) {
  a->Float(page->mapToGlobal(QPoint(100, 100)));
  b->Float(page->mapToGlobal(QPoint(100, 200)));
  b->SetCloseButton(false);
  const QRect button = a->Floater()->CloseButtonRect();
  const QImage up = a->Floater()->grab(button).toImage();
  SendMouse(a->Floater(), QEvent::MouseButtonPress, button.center());
  EXPECT_TRUE(a->Floater()->CloseButtonDown());
  EXPECT_NE(a->Floater()->grab(button).toImage(), up);
  SendMouse(a->Floater(), QEvent::MouseMove, button.center() + QPoint(0, 40));
  EXPECT_EQ(a->Floater()->grab(button).toImage(), up);
  SendMouse(a->Floater(), QEvent::MouseButtonRelease, button.center() + QPoint(0, 40));
  EXPECT_TRUE(a->Floater()->isVisible());
  for (TTBXToolbar* bar : {a, b}) {
    FloatingWindow* floater = bar->Floater();
    ASSERT_NE(floater, nullptr);
    const QPoint close = floater->CloseButtonRect().center();
    ASSERT_TRUE(floater->CaptionRect().contains(close));
    SendMouse(floater, QEvent::MouseButtonPress, close);
    SendMouse(floater, QEvent::MouseButtonRelease, close);
  }
  EXPECT_FALSE(a->Floater()->isVisible());
  EXPECT_FALSE(a->isVisibleTo(window.get()));
  EXPECT_TRUE(b->Floater()->isVisible());
}

TEST_F(BarDrag, TheMenuBarNeverFloats) {
  a->SetMenuBar(true);
  const QPoint overPage = page->mapToGlobal(QPoint(200, 150));
  Drag(a, Handle(a), Local(a, overPage));
  EXPECT_FALSE(a->IsFloating());
  EXPECT_EQ(a->CurrentDock(), top);
}

TEST_F(BarDrag, APressOutsideTheHandleDoesNotDrag) {
  const QRect item = a->ItemRect(a->Items()[0].get());
  Drag(a, item.center(), item.center() + QPoint(0, 200));
  EXPECT_EQ(a->CurrentDock(), top);
  EXPECT_FALSE(a->IsFloating());
}

void PressEsc(QWidget* to) {
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(to, &esc);
}

void DoubleClick(QWidget* widget, QPoint pos) {
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &twice);
}

// Esc ends a drag with every bar where it was; a bar dragged through other rows and then
// off the docks is remembered where the drag started, so the double click on its caption
// puts it back there and not in a row it only passed through.
TEST_F(BarDrag, EscCancelsAndAFloatedBarIsRememberedWhereTheDragStarted) {
  const QRect startA = a->geometry();
  const QRect startB = b->geometry();
  const QPoint start = a->mapToGlobal(Handle(a));
  const QPoint overPage = page->mapToGlobal(QPoint(200, 150));
  SendMouseAt(a, QEvent::MouseButtonPress, start);
  SendMouseAt(a, QEvent::MouseMove, b->mapToGlobal(QPoint(b->width() + 40, b->height() / 2)));
  ASSERT_EQ(a->y(), b->y());  // followed the pointer into B's row
  SendMouseAt(a, QEvent::MouseMove, overPage);
  ASSERT_NE(a->DragFeedback(), nullptr);
  PressEsc(page);
  EXPECT_FALSE(a->IsDragging());
  EXPECT_EQ(a->DragFeedback(), nullptr);
  SendMouseAt(a, QEvent::MouseButtonRelease, overPage);
  EXPECT_TRUE(a->IsDocked());
  EXPECT_EQ(a->geometry(), startA);
  EXPECT_EQ(b->geometry(), startB);

  SendMouseAt(a, QEvent::MouseButtonPress, start);
  SendMouseAt(a, QEvent::MouseMove, b->mapToGlobal(QPoint(b->width() + 40, b->height() / 2)));
  SendMouseAt(a, QEvent::MouseMove, top->mapToGlobal(QPoint(30, top->height() - 2)));  // a new row below
  SendMouseAt(a, QEvent::MouseMove, overPage);
  SendMouseAt(a, QEvent::MouseButtonRelease, overPage);
  ASSERT_TRUE(a->IsFloating());
  EXPECT_EQ(b->geometry().topLeft(), QPoint(0, 0));
  DoubleClick(a->Floater(), a->Floater()->CaptionRect().center());
  ASSERT_TRUE(a->IsDocked());
  EXPECT_EQ(a->geometry(), startA);
  EXPECT_EQ(b->geometry(), startB);
}

// The outline over a dock stays inside it: a stretching bar spans the dock, another bar
// taken near the dock's right end is pulled back in.
TEST_F(BarDrag, TheOutlineOverADockStaysInsideTheDock) {
  a->SetStretch(true);
  Settle();
  const QRect area(bottom->mapToGlobal(QPoint(0, 0)), bottom->size());
  for (TTBXToolbar* bar : {a, b}) {
    for (int x : {area.left() + 5, area.right() - 5}) {
      SendMouseAt(bar, QEvent::MouseButtonPress, bar->mapToGlobal(Handle(bar)));
      SendMouseAt(bar, QEvent::MouseMove, QPoint(x, area.top()));
      const QWidget* outline = bar->DragFeedback();
      ASSERT_NE(outline, nullptr);
      EXPECT_GE(outline->geometry().left(), area.left());
      EXPECT_LE(outline->geometry().right(), area.right());
      EXPECT_TRUE(window->geometry().contains(outline->geometry()));
      EXPECT_EQ(outline->width(), bar->Stretch() ? area.width() : bar->width());
      bar->CancelDrag();
    }
  }
}

// A floating bar dragged by its caption shows the outline over a dock (none elsewhere);
// Esc puts the window back. A double click on a docked bar's handle floats it where it
// last floated.
TEST_F(BarDrag, FloatingCaptionDragShowsTheDockOutlineAndTheHandlesDoubleClickFloatsBack) {
  const QPoint floatedAt = page->mapToGlobal(QPoint(100, 100));
  a->Float(floatedAt);
  FloatingWindow* floater = a->Floater();
  const QPoint caption = floater->CaptionRect().center();
  SendMouse(floater, QEvent::MouseButtonPress, caption);
  SendMouseAt(floater, QEvent::MouseMove, page->mapToGlobal(QPoint(150, 150)));
  EXPECT_EQ(a->DragFeedback(), nullptr);
  const QPoint followed = floater->pos();
  SendMouseAt(floater, QEvent::MouseMove, bottom->mapToGlobal(QPoint(60, 0)));
  EXPECT_EQ(floater->pos(), followed);  // the window waits, the outline moves
  const QWidget* outline = a->DragFeedback();
  ASSERT_NE(outline, nullptr);
  EXPECT_GE(outline->geometry().left(), bottom->mapToGlobal(QPoint(0, 0)).x());
  const QSize shown = outline->size();
  PressEsc(page);
  EXPECT_EQ(a->DragFeedback(), nullptr);
  EXPECT_EQ(floater->pos(), floatedAt);
  SendMouseAt(floater, QEvent::MouseButtonRelease, bottom->mapToGlobal(QPoint(60, 0)));
  EXPECT_TRUE(a->IsFloating());
  Drag(floater, caption, floater->mapFromGlobal(bottom->mapToGlobal(QPoint(60, 0))));
  ASSERT_EQ(a->CurrentDock(), bottom);
  EXPECT_EQ(a->size(), shown);  // the outline showed the bar as it docks

  // It last floated where that drag started, not where the drag took the window.
  DoubleClick(a, Handle(a));
  ASSERT_TRUE(a->IsFloating());
  EXPECT_EQ(a->Floater()->pos(), floatedAt);
  DoubleClick(a->Floater(), caption);
  ASSERT_TRUE(a->IsDocked());
  DoubleClick(a, Handle(a));
  ASSERT_TRUE(a->IsFloating());
  EXPECT_EQ(a->Floater()->pos(), floatedAt);
  // A bar that never floated floats where it is.
  const QPoint bAt = b->mapToGlobal(QPoint(0, 0));
  DoubleClick(b, Handle(b));
  ASSERT_TRUE(b->IsFloating());
  EXPECT_EQ(b->mapToGlobal(QPoint(0, 0)), bAt);
}

}  // namespace
}  // namespace tessary::widgets::testing
