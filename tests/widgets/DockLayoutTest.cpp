// Dock layout: rows in order, stretching bars, a fixed-width tool window beside the menu
// bar, the dock's height from its rows and bound lines, and rows closing up.
#include <QImage>

#include "ToolbarFixture.h"
#include "widgets/BarListMenu.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/items/TTBControlItem.h"

namespace tessary::widgets::testing {
namespace {

using DockLayout = DockWindowTest;

TEST_F(DockLayout, RowsStackTopToBottomAndTheDockHeightFollowsThem) {
  top->SetBoundLines(blTop | blBottom | blLeft | blRight);
  TTBXToolbar* a = MakeBar("A", 3);
  TTBXToolbar* b = MakeBar("B", 2);
  TTBXToolbar* c = MakeBar("C", 2);
  b->DockTo(top, 1);
  a->DockTo(top, 0);
  c->DockTo(top, 1, 300);
  Settle();
  ASSERT_EQ(top->Bars().size(), 3u);
  EXPECT_EQ(top->Bars()[0], a);  // ordered by row, then position
  EXPECT_EQ(top->Bars()[1], b);
  EXPECT_EQ(top->Bars()[2], c);
  EXPECT_EQ(top->RowCount(), 2);
  // The client area starts inside the bound lines; rows follow each other without gaps.
  EXPECT_EQ(top->ClientRect(), top->rect().adjusted(1, 1, -1, -1));
  EXPECT_EQ(a->geometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(b->y(), a->geometry().bottom() + 1);
  EXPECT_EQ(c->y(), b->y());
  EXPECT_EQ(c->x(), 1 + 300);  // a bar keeps the place it was given in its row
  EXPECT_EQ(top->height(), a->height() + b->height() + 2);
  EXPECT_EQ(bottom->height(), 0);  // an empty dock takes no room
}

TEST_F(DockLayout, StretchingBarFillsItsRowAndFollowsTheDockWidth) {
  TTBXToolbar* bar = MakeBar("Wide", 2);
  bar->SetStretch(true);
  bar->DockTo(top, 0);
  Settle();
  EXPECT_EQ(bar->width(), top->width());
  window->resize(450, 400);
  Settle();
  EXPECT_EQ(bar->width(), 450);
}

TEST_F(DockLayout, MenuBarTakesWhatTheFixedToolWindowLeaves) {
  top->SetBoundLines(blLeft | blRight);
  TTBXToolbar* menu = MakeBar("Menu", 2);
  menu->SetMenuBar(true);
  auto* tool = new TTBXToolWindow;
  tool->SetClientAreaSize(QSize(232, 22));
  tool->SetFixedClientWidth(232);
  menu->DockTo(top, 0);
  tool->DockTo(top, 0, 10000);
  Settle();
  const int toolWidth = tool->width();
  EXPECT_EQ(tool->ClientRect().width(), 232);
  EXPECT_EQ(tool->geometry().right(), top->ClientRect().right());  // at the row's right end
  EXPECT_EQ(menu->width() + toolWidth, top->ClientRect().width());
  window->resize(800, 400);
  Settle();
  EXPECT_EQ(tool->width(), toolWidth);  // the fixed width survives a wider row
  EXPECT_EQ(tool->geometry().right(), top->ClientRect().right());
  EXPECT_EQ(tool->ClientRect().height(), 22);
}

TEST_F(DockLayout, ToolWindowChildrenKeepWidthsAndTheExpandingOneTakesTheRest) {
  auto* status = new TTBXToolWindow;
  auto* text = new QWidget;
  text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  auto* panel = new QWidget;
  panel->setFixedWidth(48);
  status->AddChild(text);
  status->AddChild(panel);
  status->SetClientAreaSize(QSize(0, 18));
  status->SetStretch(true);
  status->DockTo(bottom, 0);
  Settle();
  const QRect client = status->ClientRect();
  EXPECT_EQ(panel->geometry(), QRect(client.right() + 1 - 48, client.top(), 48, 18));
  EXPECT_EQ(text->geometry(), QRect(client.left(), client.top(), client.width() - 48, 18));
}

TEST_F(DockLayout, AThemeSwitchReArrangesAndRecolours) {
  auto* status = new TTBXToolWindow;
  auto* panel = new QWidget;
  panel->setFixedWidth(30);
  status->AddChild(panel);
  status->SetClientAreaSize(QSize(0, 18));
  status->DockTo(bottom, 0);
  Settle();
  const QColor themeColour = CurrentTheme().ViewColour(status->ViewKind());
  EXPECT_EQ(panel->palette().color(QPalette::Window), themeColour);
  // A bar whose size changed behind the dock's back is re-arranged by the notice.
  status->resize(10, 10);
  SwitchTheme(ActiveThemeName());
  EXPECT_EQ(status->height(), status->BarSizeFor(-1).height());
  EXPECT_EQ(status->ClientRect().height(), 18);
}

TEST_F(DockLayout, BarsPushedBackInsideTheRowAndEmptiedRowsCloseUp) {
  TTBXToolbar* a = MakeBar("A", 2);
  TTBXToolbar* b = MakeBar("B", 2);
  TTBXToolbar* c = MakeBar("C", 2);
  a->DockTo(top, 0, 0);
  b->DockTo(top, 0, 5000);  // past the end: pulled back to the dock's right edge
  c->DockTo(top, 2, 0);
  Settle();
  EXPECT_EQ(b->geometry().right(), top->ClientRect().right());
  EXPECT_EQ(top->RowCount(), 2);  // row 1 holds nothing and takes no room
  EXPECT_EQ(c->y(), a->geometry().bottom() + 1);
  b->DockTo(top, 0, 0);  // asked to overlap A: placed right after it
  Settle();
  EXPECT_EQ(b->x(), a->geometry().right() + 1);
}

// A row too narrow for its bars: every bar keeps at least its minimum and stays inside the
// dock, every toolbar that lost items shows its chevron, and a fixed tool window and a
// status bar's fixed panel stay whole. Three rows that used to go wrong, at several widths.
TEST_F(DockLayout, ASqueezedRowSharesItsWidthAndEveryCutBarShowsItsChevron) {
  enum Arrangement { MenuSearchAndTool, TwoStretchedBars, BarBesideStatus };
  for (Arrangement arrangement : {MenuSearchAndTool, TwoStretchedBars, BarBesideStatus}) {
    SCOPED_TRACE(arrangement);
    TearDown();
    SetUp();
    std::vector<TTBCustomDockableWindow*> row;
    QWidget* fixedPanel = nullptr;
    TTBDock* dock = top;
    if (arrangement == MenuSearchAndTool) {
      TTBXToolbar* menu = MakeBar("Menu", 6);
      menu->SetMenuBar(true);
      auto* tool = new TTBXToolWindow;
      tool->SetClientAreaSize(QSize(120, 22));
      tool->SetFixedClientWidth(120);
      row = {menu, MakeBar("Search", 12), tool};
    } else if (arrangement == TwoStretchedBars) {
      row = {MakeBar("Address", 12), MakeBar("Search", 9)};
      for (auto* bar : row) bar->SetStretch(true);
    } else {
      dock = bottom;
      auto* status = new TTBXToolWindow;
      auto* text = new QWidget;
      text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      fixedPanel = new QWidget;
      fixedPanel->setFixedWidth(80);
      status->AddChild(text);
      status->AddChild(fixedPanel);
      status->SetClientAreaSize(QSize(0, 18));
      status->SetStretch(true);
      row = {MakeBar("Search", 12), status};
    }
    for (std::size_t i = 0; i < row.size(); ++i) row[i]->DockTo(dock, 0, 100 * static_cast<int>(i));
    for (int width : {600, 420, 300, 230}) {
      window->resize(width, 400);
      Settle();
      SCOPED_TRACE(width);
      ASSERT_EQ(dock->width(), width);
      int x = dock->ClientRect().left();
      ASSERT_EQ(dock->Bars().size(), row.size());
      for (TTBCustomDockableWindow* bar : dock->Bars()) {
        EXPECT_EQ(bar->x(), x);  // packed, no overlap, no gap
        EXPECT_GE(bar->width(), bar->BarSizeFor(0).width());
        x = bar->geometry().right() + 1;
        if (auto* toolbar = qobject_cast<TTBXToolbar*>(bar)) {
          EXPECT_EQ(toolbar->ChevronShown(), bar->width() < bar->BarSizeFor(-1).width());
        } else if (bar->FixedClientWidth() > 0) {
          EXPECT_EQ(bar->ClientRect().width(), bar->FixedClientWidth());
        }
      }
      EXPECT_LE(x, dock->ClientRect().right() + 1);
      if (fixedPanel != nullptr) {
        EXPECT_EQ(fixedPanel->width(), 80);
      }
    }
  }
}

TEST_F(DockLayout, AControlThatNarrowsStaysShownInASqueezedRow) {
  TTBXToolbar* address = MakeBar("Address", 1);
  auto* box = new QWidget;
  box->setFixedSize(300, 20);
  auto& boxItem = address->Add(std::make_unique<TTBControlItem>(box));
  static_cast<TTBControlItem&>(boxItem).SetMinimumWidth(120);
  address->Add(std::make_unique<TTBXItem>()).SetImageIndex(1);
  address->SetStretch(true);
  address->DockTo(top, 0, 0);
  MakeBar("Beside", 12)->DockTo(top, 0, 400);
  // The least width keeps the first button and the narrowed box, with a chevron for the rest.
  EXPECT_GE(address->BarSizeFor(0).width(), 120 + CurrentTheme().ChevronSize());
  for (int width : {600, 420, 300, 230}) {
    window->resize(width, 400);
    Settle();
    SCOPED_TRACE(width);
    EXPECT_TRUE(box->isVisible());
    EXPECT_GE(box->width(), 120);
    EXPECT_LE(box->width(), 300);
    EXPECT_LE(address->mapTo(window.get(), box->geometry().bottomRight()).x(), top->ClientRect().right());
    // A bar wide enough for everything with the box narrowed shows no chevron.
    const int narrowed = address->BarSizeFor(-1).width() - (300 - box->width());
    EXPECT_EQ(address->ChevronShown(), address->width() < narrowed);
  }
  // With room again the box takes its own width.
  window->resize(600, 400);
  address->DockTo(bottom, 0, 0);
  Settle();
  EXPECT_EQ(box->width(), 300);
}

// A bar placed straight on a panel is neither docked nor floating: no border or handle, a
// size hint that fits its items, the panel's colour, and no drag or float.
TEST_F(DockLayout, ABarOnAPanelSizesToItsItemsAndTakesThePanelsColour) {
  auto* panel = new QWidget(page);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
  panel->setPalette(colours);
  panel->setGeometry(0, 0, 400, 60);
  panel->show();
  TTBXToolbar* bar = MakeBar("Samples", 5);
  bar->setParent(panel);
  bar->move(10, 5);
  bar->show();
  Settle();
  EXPECT_TRUE(bar->OnPanel());
  EXPECT_EQ(bar->ClientRect(), bar->rect());
  const QSize hint = bar->sizeHint();
  const QRect last = [&] {
    bar->resize(hint);
    return bar->ItemRect(bar->Items().back().get());
  }();
  EXPECT_EQ(last.right() + 1, hint.width());  // the items and nothing else
  EXPECT_EQ(last.height(), hint.height());
  EXPECT_FALSE(bar->ChevronShown());
  const QImage shot = bar->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(bar->EffectiveColour(), QColor(0x12, 0x34, 0x56));
  colours.setColor(QPalette::Window, QColor(0x65, 0x43, 0x21));  // it follows the panel
  panel->setPalette(colours);
  EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(0x65, 0x43, 0x21));
  // No handle: a press at its left edge and a drag off it move nothing.
  Drag(bar, QPoint(1, 5), QPoint(1, 200));
  EXPECT_EQ(bar->parentWidget(), panel);
  EXPECT_EQ(bar->pos(), QPoint(10, 5));
  EXPECT_TRUE(bar->OnPanel());
  EXPECT_TRUE(BarListMenu::ListedBars(window.get()).empty());  // not a bar to close or open
}

}  // namespace
}  // namespace tessary::widgets::testing
