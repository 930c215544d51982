// The browser-chrome mock-up laid out as the browser shows it: the docks' rows and bars,
// each bar's items entry for entry (kind, caption, slot, image and caption shown), the
// lists behind the arrows, the address and search boxes, what clicks run, and the status
// bar's elements keeping their widths at every window width and in every theme.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include "platform/TypedAddressHistory.h"
#include "preview/ChromeFixture.h"
#include "preview/FlatPainting.h"
#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"
#include "widgets/ItemPainter.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSpacerItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::preview::testing {
namespace {

using widgets::ItemKind;
using widgets::ItemPainter;
using widgets::TTBCustomDockableWindow;
using widgets::TTBCustomItem;
using widgets::TTBXToolbar;

// What a bar shows, one item per "|": the caption, the kind (button, split, drop-down),
// "@slot" of the bar's list, "+caption" when the caption shows beside the image; "-N" a
// separator, "_WxH" a spacer, "[name WxH]" an embedded control.
QString Describe(const TTBXToolbar& bar) {
  const widgets::ItemView view{bar.ViewKind(), bar.Images(), nullptr, QFontMetrics(bar.font())};
  QStringList items;
  for (const auto& owned : bar.Items()) {
    const TTBCustomItem& item = *owned;
    switch (item.Kind()) {
      case ItemKind::Separator:
        items << QStringLiteral("-%1").arg(static_cast<const widgets::TTBXSeparatorItem&>(item).Width());
        continue;
      case ItemKind::Spacer: {
        const QSize size = static_cast<const widgets::TTBXSpacerItem&>(item).Size();
        items << QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        continue;
      }
      case ItemKind::Control: {
        const QWidget* control = static_cast<const widgets::TTBControlItem&>(item).Control();
        items << QStringLiteral("[%1 %2x%3]").arg(control->objectName()).arg(control->width()).arg(control->height());
        continue;
      }
      default: break;
    }
    QString kind = QStringLiteral("button");
    if (item.Kind() == ItemKind::Submenu)
      kind =
          static_cast<const widgets::TTBXSubmenuItem&>(item).Split() ? QStringLiteral("split") : QStringLiteral("drop");
    QString text = QStringLiteral("%1 %2").arg(item.Caption(), kind);
    if (ItemPainter::ShowsImage(item, view)) text += QStringLiteral(" @%1").arg(item.EffectiveImageIndex());
    if (ItemPainter::ShowsCaption(item, view)) text += QStringLiteral(" +caption");
    items << text;
  }
  return items.join(QLatin1Char('|'));
}

QString ButtonBar(const char* flash, bool captions) {
  const QString c = captions ? QStringLiteral(" +caption") : QString();
  return QStringLiteral(
             "Back split @0%1|Forward split @1%1|Up split @2|Stop split @3|Refresh split @4|Home drop @5|-10|"
             "Search button @6|Favorites button @7|History button @8|-10|Full Screen split @9|Text Size drop @10|"
             "Encoding Language drop @11|HTML Editor drop @12|Print button @13|Mail split @14|Proxy drop @15|"
             "Clear Records drop @16|-10|Allow Pictures button @17|%2 button @20|Block button @18%1|-10|"
             "New split @19%1")
      .arg(c, QString::fromLatin1(flash));
}

TEST_F(ChromeTest, BarsAreLaidOutEntryForEntry) {
  EXPECT_EQ(Describe(*top.TBXToolbar3), ButtonBar("actBlockFlash", false));
  EXPECT_EQ(Describe(*top.tbtButtons), ButtonBar("Block Flash", true));
  EXPECT_EQ(Describe(*top.tbtAddressBar),
            QStringLiteral("_3x20|[lblAddress %1x%2]|_3x20|[cbAddress 602x22]|_3x20|Go split @16 +caption")
                .arg(top.lblAddress->width())
                .arg(top.lblAddress->height()));
  EXPECT_EQ(Describe(*top.tbtSearchBar),
            QStringLiteral("_3x20|[lblSearchBar %1x%2]|_3x20|[cbSearchBar 430x21]|_3x20|Search Web split @6 +caption|"
                           "Search Site button @7 +caption|Find button @7 +caption|Highlight button @47 +caption")
                .arg(top.lblSearchBar->width())
                .arg(top.lblSearchBar->height()));
  EXPECT_EQ(top.TBXToolbar3->Images(), &skin.ilLButtons);
  EXPECT_EQ(top.tbtButtons->Images(), &skin.ilSButtons);
  EXPECT_EQ(top.tbtAddressBar->Images(), &skin.ilMain);
  EXPECT_EQ(top.tbtSearchBar->Images(), &skin.ilMain);
  EXPECT_EQ(top.lblAddress->text(), QStringLiteral("A&ddress:"));
  EXPECT_EQ(top.lblSearchBar->text(), QStringLiteral("&Search:"));
  EXPECT_EQ(top.lblSearchBar->buddy(), top.cbSearchBar);
}

TEST_F(ChromeTest, TooltipsComeFromTheCommandsAndEntry19HasNone) {
  const std::pair<const char*, const char*> hints[] = {
      {"bGo", ""},
      {"bSearchWeb", "Search the Web"},
      {"bSearchSite", "Search the current site"},
      {"bFind", "Find the next occurrence of the keyword in the current page (F3)"},
      {"bHighlight", "Toggle highlighting of search items on the current page"},
      {"bFlash", ""},
      {"TBXItem9", ""},
  };
  for (const auto& [name, hint] : hints) {
    const TTBCustomItem* item = top.items.value(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->Tooltip(), QString::fromLatin1(hint)) << name;
  }
  EXPECT_EQ(top.tbtButtons->Items().front()->Tooltip(), QStringLiteral("Back (Alt+Left)"));
}

TEST_F(ChromeTest, ArrowsOfGoAndSearchWebOpenTheirListsAndOtherArrowsNone) {
  const auto listOf = [&](const char* name) {
    return &static_cast<const widgets::TTBXSubmenuItem*>(top.items.value(QString::fromLatin1(name)))->ListSource();
  };
  EXPECT_EQ(listOf("bGo"), top.menus.GoList());
  EXPECT_EQ(listOf("bSearchWeb"), top.menus.SearchList());
  EXPECT_EQ(top.menus.GoList()->Items().size(), 6u);
  EXPECT_EQ(top.menus.SearchList()->Items().size(), 6u);
  for (const TTBXToolbar* bar : {top.TBXToolbar3, top.tbtButtons}) {
    for (const auto& item : bar->Items()) {
      if (item->Kind() != ItemKind::Submenu) continue;
      const auto& submenu = static_cast<const widgets::TTBXSubmenuItem&>(*item);
      EXPECT_EQ(&submenu.ListSource(), &submenu) << item->Caption().toStdString();
      EXPECT_TRUE(submenu.Items().empty()) << item->Caption().toStdString();
      EXPECT_FALSE(submenu.OpensListOnClick()) << "a drop-down entry runs its command";
    }
  }
}

TEST_F(ChromeTest, ClicksRunTheBoundCommandsAndEntry19RunsNothing) {
  QStringList ran;
  for (widgets::CommandList* list : vocabulary->Lists())
    list->SetHandler([&ran](widgets::Command& command) { ran << command.Name(); });
  for (const char* name : {"bGo", "bFind", "bFlash", "TBXItem9", "bHighlight"})
    top.items.value(QString::fromLatin1(name))->Click();
  top.tbtButtons->Items().front()->Click();
  top.TBXToolbar3->Items()[5]->Click();  // "Home", a drop-down entry
  EXPECT_EQ(ran, (QStringList{"actGO", "actFindKeyword", "actHighlight", "actBack", "actHome"}));
}

TEST_F(ChromeTest, AddressBoxShowsTheTypedHistoryAndSearchBoxTakesText) {
  const QStringList history = platform::TypedAddresses();
  ASSERT_EQ(top.cbAddress->count(), history.size());
  EXPECT_EQ(top.cbAddress->currentText(), history.value(0));
  EXPECT_FALSE(top.cbAddress->isEnabled());
  EXPECT_EQ(top.cbAddress->maxVisibleItems(), 16);

  EXPECT_TRUE(top.cbSearchBar->isEditable());
  QTest::keyClicks(top.cbSearchBar, QStringLiteral("skins"));
  QTest::keyClick(top.cbSearchBar, Qt::Key_Return);
  EXPECT_EQ(top.cbSearchBar->currentText(), QStringLiteral("skins"));
  EXPECT_EQ(top.cbSearchBar->count(), 0) << "nothing adds typed text to the list";
}

// Row of each docked bar, left to right within rows.
QStringList Rows(const widgets::TTBDock& dock) {
  QStringList rows;
  for (const TTBCustomDockableWindow* bar : dock.Bars())
    rows << QStringLiteral("%1:%2").arg(bar->DockRow()).arg(bar->objectName());
  return rows;
}

// The status bar's elements as "name x+width", left to right, x from the right edge.
QStringList StatusFromRight(const widgets::TTBXToolWindow& status) {
  QStringList elements;
  const int right = status.ClientRect().right() + 1;
  for (const QWidget* child : status.Children())
    elements << QStringLiteral("%1 %2+%3").arg(child->objectName()).arg(right - child->x()).arg(child->width());
  return elements;
}

TEST_F(ChromeTest, RowsAndStatusWidthsHoldAtEveryWidthAndInEveryTheme) {
  const QStringList topRows{"0:tbtMainMenu", "0:tbtMDIControl", "1:TBXToolbar3",
                            "2:tbtButtons",  "3:tbtAddressBar", "4:tbtSearchBar"};
  const QStringList bottomRows{"1:tbtTabs", "2:tbtStatus"};
  QStringList themes = widgets::RegisteredThemeNames();
  for (const QString& theme : themes) {
    widgets::SwitchTheme(theme);
    for (int width : {1920, 1280, 1024}) {
      SCOPED_TRACE(QStringLiteral("%1 at %2").arg(theme).arg(width).toStdString());
      ResizeWindow(width);
      EXPECT_EQ(Rows(*tbdTop), topRows);
      EXPECT_EQ(Rows(*tbdBottom), bottomRows);
      const QRect client = tbdTop->ClientRect();
      // The tool window ends at the right end of row 0; the menu bar takes the rest.
      EXPECT_EQ(top.tbtMDIControl->geometry().right(), client.right());
      EXPECT_EQ(top.tbtMDIControl->ClientRect().size(), QSize(232, 22));
      EXPECT_EQ(top.tbtMainMenu->x(), client.left());
      EXPECT_EQ(top.tbtMainMenu->geometry().right() + 1, top.tbtMDIControl->x());
      for (const TTBCustomDockableWindow* bar : {static_cast<TTBCustomDockableWindow*>(top.TBXToolbar3),
                                                 static_cast<TTBCustomDockableWindow*>(top.tbtSearchBar),
                                                 static_cast<TTBCustomDockableWindow*>(bottom.tbtStatus)}) {
        EXPECT_EQ(bar->width(), client.width()) << "stretched over the row";
      }
      EXPECT_GE(bottom.tbtTabs->ClientRect().height(), 26);
      EXPECT_EQ(bottom.tbtStatus->ClientRect().height(), 18);
      const int statusText = bottom.tbtStatus->ClientRect().width() - 245;
      EXPECT_EQ(StatusFromRight(*bottom.tbtStatus),
                (QStringList{QStringLiteral("fpStatusText %1+%2").arg(statusText + 245).arg(statusText),
                             "BvStatus 245+4", "fpConnection 241+18", "bcOnline 223+4", "fpSecure 219+18",
                             "fpStopper 201+48", "bvSecure 153+4", "bvStopper 149+4", "WBGauge 145+145"}));
      for (const QWidget* child : bottom.tbtStatus->Children()) EXPECT_EQ(child->height(), 18);
      // The status widgets take the theme's tool-window colour as their own.
      const QColor toolWindow = widgets::CurrentTheme().ViewColour(bottom.tbtStatus->ViewKind());
      EXPECT_EQ(QtColour(bottom.fpStopper->Color()), toolWindow);
      EXPECT_EQ(QtColour(bottom.WBGauge->Color()), toolWindow);
    }
  }
}

TEST_F(ChromeTest, ABarDockedIntoTheAddressRowLeavesTheAddressBoxReadable) {
  ResizeWindow(1024);
  top.tbtSearchBar->DockTo(tbdTop, top.tbtAddressBar->DockRow(), 600);
  for (int width : {1024, 800, 640}) {
    ResizeWindow(width);
    SCOPED_TRACE(width);
    EXPECT_EQ(top.tbtSearchBar->y(), top.tbtAddressBar->y());
    EXPECT_TRUE(top.cbAddress->isVisible());
    EXPECT_GE(top.cbAddress->width(), 150);
    EXPECT_TRUE(top.lblAddress->isVisible());
  }
}

// What an assistive tool finds in a widget: each child's role and name, and its children's
// in brackets.
QString AccessibleChildren(QAccessibleInterface* parent) {
  QStringList children;
  for (int i = 0; parent != nullptr && i < parent->childCount(); ++i) {
    QAccessibleInterface* child = parent->child(i);
    QString text = QStringLiteral("%1:%2").arg(child->role()).arg(child->text(QAccessible::Name));
    if (child->childCount() > 0) text += QStringLiteral("[%1]").arg(AccessibleChildren(child));
    children << text;
  }
  return children.join(QLatin1Char('|'));
}

TEST_F(ChromeTest, StatusBarAndWindowControlsReachAssistiveTools) {
  const auto at = [](QWidget* widget) { return AccessibleChildren(QAccessible::queryAccessibleInterface(widget)); };
  // Static texts (4) named by caption or hint, spacers as plain panes (10), the gauge (48).
  EXPECT_EQ(
      at(bottom.tbtStatus),
      QStringLiteral("41:|10:|41:[41:Corvane is currently working online.|41:Corvane is currently working offline.]|"
                     "10:|41:[41:You are browsing an ordinary web site.]|41:0|10:|10:|48:Progress"));
  QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(bottom.WBGauge);
  EXPECT_EQ(gauge->text(QAccessible::Value), QStringLiteral("50 %"));
  ASSERT_NE(gauge->valueInterface(), nullptr);
  EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), 50);
  EXPECT_EQ(gauge->valueInterface()->maximumValue().toInt(), 100);
  const QWidget* online = bottom.tbtStatus->findChild<QWidget*>(QStringLiteral("ImgOnline"));
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(online))->state().invisible);
  const QStringList controls = at(top.tbtMDIControl).split(QLatin1Char('|'));
  ASSERT_EQ(controls.size(), 11);
  EXPECT_EQ(controls.front(), QStringLiteral("%1:Previous Window").arg(QAccessible::Button));
  EXPECT_EQ(controls.back(), QStringLiteral("%1:Close").arg(QAccessible::Button));
}

}  // namespace
}  // namespace tessary::preview::testing
