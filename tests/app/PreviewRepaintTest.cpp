// The repaint paths end to end: an editing command changes the skin, and what is on the
// screen (the window's backing store, not a fresh paint) shows it in every place of the
// mock-up that uses it: replaced images in bars, menus and window-control buttons, the
// caption colour in the four bars, two labels and the stopper, a new bottom picture and
// its stretch mode under the status panels, and the progress-bar colour.
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>

#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "app/WidgetSkinView.h"
#include "editing/ScriptedDialogs.h"
#include "editing/SkinEditor.h"
#include "preview/ChromeFixture.h"
#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"
#include "preview/TGButton.h"
#include "skinfile/SkinFile.h"
#include "widgets/ControlsFixture.h"
#include "widgets/PopupWindow.h"
#include "widgets/TTBXSwitcher.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::preview::testing {
namespace {

using widgets::TTBCustomItem;
using widgets::TTBXToolbar;

// What the screen shows of `widget` now: its window's backing store, without painting.
QImage OnScreen(QWidget* widget) {
  QApplication::processEvents();
  const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
  return widget->screen()
      ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

int Count(const QImage& image, QRect area, QRgb rgb) {
  area &= image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == rgb ? 1 : 0;
  return n;
}

Bitmap Solid(int side, Argb colour) {
  return Bitmap::FromArgb(side, side, std::vector<Argb>(static_cast<std::size_t>(side * side), colour));
}

// A window-control picture: `colour` inside a fuchsia frame, whose colour (the bottom-left
// pixel's) the buttons leave out.
Bitmap Framed(Argb colour) {
  std::vector<Argb> pixels(21 * 21, colour);
  for (std::size_t k = 0; k < 21; ++k)
    pixels[k] = pixels[20 * 21 + k] = pixels[k * 21] = pixels[k * 21 + 20] = 0xFFFF00FFu;
  return Bitmap::FromArgb(21, 21, pixels);
}

class PreviewRepaint : public ChromeTest {
 protected:
  void SetUp() override {
    ChromeTest::SetUp();
    for (auto [target, widget] : top.RepaintTargets()) view.Bind(target, widget);
    for (auto [target, widget] : bottom.RepaintTargets()) view.Bind(target, widget);
    view.setGaugeColour = [gauge = bottom.WBGauge](Colour colour) { gauge->SetBarColor(colour); };
    OnScreen(window.get());
  }

  // The item of `bar` whose caption is `caption` (the first, for entry 19's bars).
  static const TTBCustomItem* ItemOf(const TTBXToolbar& bar, const QString& caption) {
    for (const auto& item : bar.Items())
      if (item->Caption() == caption) return item.get();
    return nullptr;
  }

  // Opens the menu captioned `menu` and returns the line rectangle (popup coordinates) of
  // `line` together with the popup, which stays open until the next OpenMenu.
  std::pair<widgets::PopupWindow*, QRect> OpenMenuLine(const QString& menu, const QString& line) {
    const auto& items = top.tbtMainMenu->Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i]->Caption() == menu) top.tbtMainMenu->OpenItemList(static_cast<int>(i), false);
    widgets::PopupWindow* popup = top.tbtMainMenu->OpenPopup();
    if (popup == nullptr) return {nullptr, {}};
    for (int n = 0; n < popup->LineCount(); ++n)
      if (popup->LineItem(n)->Caption() == line) return {popup, popup->LineRect(n)};
    return {popup, {}};
  }

  widgets::TTBXSwitcher switcher;
  app::WidgetSkinView view{switcher};
  ScriptedDialogs dialogs;
  SkinEditor editor{skin, dialogs, view};
};

TEST_F(PreviewRepaint, ReplacedImagesShowInEveryBarThatUsesTheirSlot) {
  const struct {
    const char* what;
    ImageSlotCommand command;
    int slot;
    TTBXToolbar* BrowserChromeTop::*bar;
    const char* caption;
  } places[] = {
      {"small slot 20 on the small bar", ImageSlotCommand::actSCBackExecute, 20, &BrowserChromeTop::tbtButtons,
       "Block Flash"},
      {"large slot 20 on the large bar", ImageSlotCommand::actLCBackExecute, 20, &BrowserChromeTop::TBXToolbar3,
       "actBlockFlash"},
      {"large slot 0 on the large bar", ImageSlotCommand::actLCBackExecute, 0, &BrowserChromeTop::TBXToolbar3, "Back"},
      {"small slot 19 on the small bar", ImageSlotCommand::actSCBackExecute, 19, &BrowserChromeTop::tbtButtons, "New"},
      {"other image 16 beside Go", ImageSlotCommand::XP_Button2Click, 16, &BrowserChromeTop::tbtAddressBar, "Go"},
      {"other image 47 beside Highlight", ImageSlotCommand::XP_Button2Click, 47, &BrowserChromeTop::tbtSearchBar,
       "Highlight"},
  };
  Argb colour = 0xFF12C830u;
  for (const auto& place : places) {
    SCOPED_TRACE(place.what);
    TTBXToolbar* bar = top.*place.bar;
    const TTBCustomItem* item = ItemOf(*bar, QString::fromLatin1(place.caption));
    ASSERT_NE(item, nullptr);
    const QRect rect = bar->ItemRect(item);
    const int side = RuleOf(place.command).width;
    EXPECT_EQ(Count(OnScreen(bar), rect, colour), 0);
    editor.ReplaceImageSlotWith(place.command, place.slot, Solid(side, colour));
    EXPECT_EQ(Count(OnScreen(bar), rect, colour), side * side) << "the whole new image, at once";
    colour += 0x000A0000u;
  }
}

TEST_F(PreviewRepaint, ReplacedImagesShowInTheMenusThatUseTheirSlot) {
  const struct {
    const char* what;
    ImageSlotCommand command;
    int slot;
    const char* menu;
    const char* line;
  } places[] = {
      {"small slot 20 beside Allow Flash Animations", ImageSlotCommand::actSCBackExecute, 20, "&Tools",
       "Allow Flash Animations"},
      {"other image 28 beside Exit", ImageSlotCommand::XP_Button2Click, 28, "&File", "Exit"},
      {"small slot 0 beside Back", ImageSlotCommand::actSCBackExecute, 0, "&Navigation", "Back"},
  };
  Argb colour = 0xFF30C812u;
  for (const auto& place : places) {
    SCOPED_TRACE(place.what);
    editor.ReplaceImageSlotWith(place.command, place.slot, Solid(16, colour));
    const auto [popup, line] = OpenMenuLine(QString::fromLatin1(place.menu), QString::fromLatin1(place.line));
    ASSERT_NE(popup, nullptr);
    ASSERT_FALSE(line.isNull());
    EXPECT_EQ(Count(popup->grab().toImage(), line, colour), 16 * 16);
    popup->CloseAll();
    colour += 0x000A0000u;
  }
}

TEST_F(PreviewRepaint, OtherImages52And53ShowNowhereInThePreview) {
  const QImage before = OnScreen(window.get());
  editor.ReplaceImageSlotWith(ImageSlotCommand::XP_Button2Click, 52, Solid(16, 0xFF0000FFu));
  editor.ReplaceImageSlotWith(ImageSlotCommand::XP_Button2Click, 53, Solid(16, 0xFF0000FEu));
  window->update();
  EXPECT_EQ(OnScreen(window.get()), before);
}

TEST_F(PreviewRepaint, SystemButtonImagesShowOnTheWindowControls) {
  // The buttons do not follow their lists: the command repaints the tool window.
  TGButton* close = top.systemButtons.back();
  TGButton* previous = top.systemButtons.front();
  const QPoint closeCentre = close->geometry().center();
  editor.ReplaceImageSlotWith(ImageSlotCommand::actNPreExecute, 8, Framed(0xFF2040E0u));
  EXPECT_EQ(OnScreen(top.tbtMDIControl).pixel(previous->geometry().center()), 0xFF2040E0u);
  editor.ReplaceImageSlotWith(ImageSlotCommand::actHPreExecute, 0, Framed(0xFFE04020u));
  EXPECT_NE(OnScreen(top.tbtMDIControl).pixel(closeCentre), 0xFFE04020u) << "hot only under the mouse";
  widgets::testing::Enter(close);
  EXPECT_EQ(OnScreen(top.tbtMDIControl).pixel(closeCentre), 0xFFE04020u);
}

TEST_F(PreviewRepaint, CaptionColourReachesTheFourBarsTwoLabelsAndTheStopper) {
  const QRgb red = qRgb(255, 0, 0);
  const struct {
    const char* what;
    QWidget* widget;
    QRect area;
  } places[] = {
      {"menu bar", top.tbtMainMenu, top.tbtMainMenu->ItemRect(top.tbtMainMenu->Items().front().get())},
      {"small buttons", top.tbtButtons, top.tbtButtons->ItemRect(ItemOf(*top.tbtButtons, QStringLiteral("Back")))},
      {"address bar", top.tbtAddressBar, top.tbtAddressBar->ItemRect(ItemOf(*top.tbtAddressBar, QStringLiteral("Go")))},
      {"search bar", top.tbtSearchBar,
       top.tbtSearchBar->ItemRect(ItemOf(*top.tbtSearchBar, QStringLiteral("Search Web")))},
      {"address label", top.lblAddress, top.lblAddress->rect()},
      {"search label", top.lblSearchBar, top.lblSearchBar->rect()},
      {"stopper", bottom.fpStopper, bottom.fpStopper->rect()},
  };
  for (const auto& place : places) EXPECT_EQ(Count(OnScreen(place.widget), place.area, red), 0) << place.what;
  editor.SetCaptionColour(clRed);
  for (const auto& place : places) EXPECT_GT(Count(OnScreen(place.widget), place.area, red), 5) << place.what;
  widgets::SetSkinTextColour(clBtnText);
}

TEST_F(PreviewRepaint, BottomPictureAndStretchReachTheStatusPanelsAndTheGaugeColourTheBar) {
  // A picture of two halves: stretched, its right half reaches the status bar's right end.
  std::vector<Argb> pixels(200 * 40, 0xFF3060A0u);
  for (std::size_t y = 0; y < 40; ++y)
    for (std::size_t x = 100; x < 200; ++x) pixels[y * 200 + x] = 0xFFA06030u;
  editor.SetBackgroundPicture(Background::bgBottom, Bitmap::FromArgb(200, 40, pixels));
  const QPoint stopper = QPoint(3, 9);
  EXPECT_EQ(OnScreen(bottom.fpStatusText).pixel(3, 9), 0xFF3060A0u);
  editor.SetBackgroundStretch(Background::bgBottom, true);
  EXPECT_EQ(OnScreen(bottom.fpStopper).pixel(stopper), 0xFFA06030u) << "the right half, stretched over the dock";
  EXPECT_EQ(OnScreen(bottom.fpStatusText).pixel(3, 9), 0xFF3060A0u);

  editor.SetProgressColour(0x00FF0000);  // blue, 0x00BBGGRR
  EXPECT_EQ(OnScreen(bottom.WBGauge).pixel(3, 9), 0xFF0000FFu);
}

// Open reads every list at once: the places that do not follow their lists (the window
// controls, the sample rows inside their opaque panels, the example and the image combo
// boxes) show the file's images because Open repaints the whole window, children and all.
TEST(EditorWindowRepaint, OpenShowsTheFilesImagesWhereNothingFollowsTheLists) {
  app::StartApplication();
  QTemporaryDir folder;
  Skin changed;
  LoadStartupSkin(changed);
  const Argb normal = 0xFF30A050u, disabled = 0xFF5030A0u, tab = 0xFFA05030u, other = 0xFF3050A0u;
  changed.ilImages.ReplaceImage(8, Framed(normal), clNone);
  changed.ilDisable.ReplaceImage(8, Framed(disabled), clNone);
  changed.ilPage.ReplaceImage(0, Solid(18, tab), clNone);
  changed.ilMain.ReplaceImage(0, Solid(16, other), clNone);
  const std::string file = folder.filePath(QStringLiteral("changed.skn")).toStdString();
  SaveSkinFile(file, changed);

  app::TfrmMain window(std::make_unique<ScriptedDialogs>());
  window.resize(1280, 900);
  window.show();
  OnScreen(&window);
  const app::ControlPanel& panel = window.controls();
  const struct {
    const char* place;
    QWidget* widget;
    Argb colour;
  } kPlaces[] = {
      {"btnPrevious", window.chromeTop().systemButtons.front(), normal},
      {"the Normal row's first sample", panel.samples.front().front(), normal},
      {"the Disabled row's first sample", panel.samples.back().front(), disabled},
      {"GButton45", panel.GButton45, disabled},
      {"cbPages", panel.cbPages, tab},
      {"cbOther", panel.cbOther, other},
  };
  const auto shown = [](QWidget* widget, Argb colour) { return Count(OnScreen(widget), widget->rect(), colour); };
  for (const auto& place : kPlaces) EXPECT_EQ(shown(place.widget, place.colour), 0) << place.place;
  window.editor().OpenFromFile(file);
  for (const auto& place : kPlaces) EXPECT_GE(shown(place.widget, place.colour), 12 * 12) << place.place;
}

}  // namespace
}  // namespace tessary::preview::testing
