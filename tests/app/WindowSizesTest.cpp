// The window at the sizes a desktop gives it: every control can be scrolled into view and
// clicked, in every theme, and the theme entry the user clicks stays under the pointer
// while the themes change the docks' heights.
#include <QAbstractItemView>
#include <QScrollBar>
#include <set>

#include "WindowFixture.h"
#include "editing/ControlPanelLists.h"

namespace tessary::app::test {
namespace {

// Client sizes: the restored window, a small screen, and a maximised window at scale 2 on a
// 1920 x 1080 screen (960 x 540 logical pixels less the frame and a desktop panel).
const QSize kSizes[] = {{812, 614}, {800, 600}, {960, 500}};

// Every control of the panel a user clicks or reads, with the samples.
std::vector<QWidget*> PanelControls(const ControlPanel& c) {
  std::vector<QWidget*> controls = {
      c.btnTop,      c.rbTopTile, c.rbStretch,   c.btnBottom,      c.rbBottomTile, c.rbBottomStretch, c.Panel4,
      c.TBXToolbar1, c.Panel5,    c.TBXToolbar2, c.Panel6,         c.Label1,       c.GButton45,       c.Label7,
      c.Label8,      c.Label3,    c.cbPages,     c.XP_Button1,     c.Label4,       c.cbOther,         c.XP_Button2,
      c.Label5,      c.ColorBox,  c.Label6,      c.dfsColorButton, c.Label2,       c.ListBox1,        c.XP_Button3,
      c.btnOpen,     c.btnSave,   c.btnUndo,     c.btnRedo};
  for (const auto& row : c.samples) controls.insert(controls.end(), row.begin(), row.end());
  return controls;
}

class WindowSizesTest : public WindowTest {
 protected:
  // Scrolls the panel so that the whole of `control` shows, as far as it fits.
  void ScrollTo(QWidget* control) {
    QScrollArea& scroll = *c().panelScroll;
    const QRect place(control->mapTo(scroll.widget(), QPoint(0, 0)), control->size());
    scroll.ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1, place.height() / 2 + 1);
    QApplication::processEvents();
  }
  // Scrolls `control` into view; true when the whole of it then lies in the scrolled
  // panel's viewport and a click on its middle reaches it.
  bool Reachable(QWidget* control) {
    ScrollTo(control);
    QWidget* viewport = c().panelScroll->viewport();
    const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
    if (!viewport->rect().contains(shown)) return false;
    const QPoint middle = control->mapTo(window.get(), control->rect().center());
    QWidget* hit = window->childAt(middle);
    return hit == control || control->isAncestorOf(hit);
  }
};

TEST_F(WindowSizesTest, EveryControlCanBeScrolledIntoViewAndClicked) {
  for (const QString& theme : widgets::RegisteredThemeNames()) {
    widgets::SwitchTheme(theme);
    for (QSize size : kSizes) {
      window->resize(size);
      QApplication::processEvents();
      ASSERT_EQ(window->size(), size);
      for (QWidget* control : PanelControls(c()))
        EXPECT_TRUE(Reachable(control)) << theme.toStdString() << " " << size.width() << "x" << size.height() << " "
                                        << control->objectName().toStdString();
      // Every button of the sample toolbars lies inside its bar, or behind the bar's
      // chevron, which does; every theme entry lies inside the list (never cut off).
      for (const widgets::TTBXToolbar* bar : {c().TBXToolbar1, c().TBXToolbar2}) {
        const std::vector<widgets::TTBCustomItem*> hidden = bar->OverflowItems();
        EXPECT_EQ(bar->ChevronShown(), !hidden.empty());
        if (bar->ChevronShown()) {
          EXPECT_TRUE(bar->rect().contains(bar->ChevronRect()));
        }
        for (const auto& item : bar->Items())
          EXPECT_TRUE(bar->rect().contains(bar->ItemRect(item.get())) ||
                      std::find(hidden.begin(), hidden.end(), item.get()) != hidden.end())
              << theme.toStdString();
      }
      for (int i = 0; i < c().ListBox1->count(); ++i)
        EXPECT_TRUE(c().ListBox1->viewport()->rect().contains(c().ListBox1->visualItemRect(c().ListBox1->item(i))))
            << theme.toStdString() << " entry " << i;
      // The panel never needs a scroll bar across at these sizes.
      EXPECT_FALSE(c().panelScroll->horizontalScrollBar()->isVisible()) << theme.toStdString();
      // The note shows at least its first lines.
      ScrollTo(c().mmNote);
      EXPECT_TRUE(
          c().panelScroll->viewport()->rect().contains(c().mmNote->mapTo(c().panelScroll->viewport(), QPoint(0, 0))));
    }
  }
}

TEST_F(WindowSizesTest, TheWindowCannotBeMadeTooSmallToUse) {
  window->resize(200, 150);
  QApplication::processEvents();
  EXPECT_EQ(window->size(), QSize(560, 400));
  EXPECT_GE(c().panelScroll->viewport()->height(), 100);  // some of the panel between the previews
}

// A user clicking down the theme list, entry after entry at the places they saw before the
// first click, gets each entry's theme: nothing in the panel moves when a theme makes a
// dock taller or shorter.
TEST_F(WindowSizesTest, TheClickedThemeEntryStaysUnderThePointer) {
  std::set<int> dockHeights;
  for (QSize size : {kSizes[0], kSizes[1]}) {
    window->resize(size);
    for (const QString& first : widgets::RegisteredThemeNames()) {
      widgets::SwitchTheme(first);
      QApplication::processEvents();
      widgets::TListBox& list = *c().ListBox1;
      ScrollTo(&list);
      std::vector<QPoint> places;  // in the window, as the pointer sees them
      for (int i = 0; i < list.count(); ++i)
        places.push_back(list.viewport()->mapTo(window.get(), list.visualItemRect(list.item(i)).center()));
      for (int i = 0; i < list.count(); ++i) {
        QWidget* under = window->childAt(places[static_cast<std::size_t>(i)]);
        ASSERT_EQ(under, list.viewport()) << first.toStdString() << " entry " << i;
        Click(under, under->mapFrom(window.get(), places[static_cast<std::size_t>(i)]));
        EXPECT_EQ(widgets::ActiveThemeName().toStdString(), kThemeListNames[static_cast<std::size_t>(i)])
            << "started in " << first.toStdString();
        dockHeights.insert(c().tbdTop->height());
      }
    }
  }
  // The themes do make the top dock taller and shorter, which is what the panel must not follow.
  EXPECT_GT(dockHeights.size(), 1u);
}

}  // namespace
}  // namespace tessary::app::test
