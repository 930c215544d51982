// The four-state picture button: which list each state shows, the picture taken from the
// list at every paint (so a replaced image shows at the next repaint), the bottom-left
// colour left out, a list that is not set, clicks, commands, hints and screen readers.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QToolTip>

#include "preview/TGButton.h"
#include "skin/ImageList.h"
#include "widgets/Command.h"
#include "widgets/ControlsFixture.h"

namespace tessary::preview {
namespace {

using widgets::testing::Click;
using widgets::testing::Enter;
using widgets::testing::Leave;
using widgets::testing::SendMouse;

constexpr Argb kFuchsia = 0xFFFF00FFu;

// A 21 x 21 list of 11 images: image i is `fill` with a one-pixel fuchsia frame, and its
// centre pixel tells list and slot apart.
std::unique_ptr<ImageList> FramedList(Argb fill) {
  auto list = std::make_unique<ImageList>(21, 21);
  for (int i = 0; i < 11; ++i) {
    std::vector<Argb> pixels(21 * 21, fill + static_cast<Argb>(i));
    for (std::size_t k = 0; k < 21; ++k)
      pixels[k] = pixels[20 * 21 + k] = pixels[k * 21] = pixels[k * 21 + 20] = kFuchsia;
    list->AppendImage(Bitmap::FromArgb(21, 21, pixels), clNone);
  }
  return list;
}

class SystemButtons : public widgets::testing::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(kPanel));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    normal = FramedList(0xFF101000u);
    hot = FramedList(0xFF202000u);
    down = FramedList(0xFF303000u);
    disabled = FramedList(0xFF404000u);
  }

  TGButton* Button(int slot, QPoint at = {10, 10}) {
    auto* button = new TGButton(window.get());
    button->SetImages(normal.get());
    button->SetHotImages(hot.get());
    button->SetDownImages(down.get());
    button->SetDisableImages(disabled.get());
    button->SetImageIndex(slot);
    button->SetTransparent(true);
    button->setGeometry(QRect(at, QSize(21, 21)));
    button->show();
    return button;
  }

  static QRgb Centre(TGButton* button) { return button->grab().toImage().pixel(10, 10); }

  static constexpr QRgb kPanel = 0xFFD8E9ECu;
  std::unique_ptr<ImageList> normal, hot, down, disabled;
};

TEST_F(SystemButtons, EachStateShowsItsListsImage) {
  TGButton* button = Button(4);
  int runs = 0;
  button->SetClickHandler([&] { ++runs; });
  const struct {
    const char* step;
    std::function<void()> act;
    Argb shows;
  } steps[] = {
      {"at rest", [] {}, 0xFF101004u},
      {"hovered", [&] { Enter(button); }, 0xFF202004u},
      {"pressed",
       [&] {
         SendMouse(button, QEvent::MouseButtonPress, {5, 5});
       },
       0xFF303004u},
      {"dragged off while pressed",
       [&] {
         SendMouse(button, QEvent::MouseMove, {60, 5});
       },
       0xFF101004u},
      {"back on",
       [&] {
         SendMouse(button, QEvent::MouseMove, {6, 6});
       },
       0xFF303004u},
      {"released",
       [&] {
         SendMouse(button, QEvent::MouseButtonRelease, {6, 6});
       },
       0xFF202004u},
      {"left", [&] { Leave(button); }, 0xFF101004u},
      {"disabled, hovered and pressed",
       [&] {
         button->setEnabled(false);
         Enter(button);
         SendMouse(button, QEvent::MouseButtonPress, {5, 5});
       },
       0xFF404004u},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(Centre(button), step.shows) << step.step;
  }
  EXPECT_EQ(runs, 1) << "one press and release on the button";
}

TEST_F(SystemButtons, ASampleRowShowsAReplacedImageAtItsNextRepaint) {
  // The four sample rows: each sample shows its own row's list in every state.
  const ImageList* rows[] = {normal.get(), hot.get(), down.get(), disabled.get()};
  const int order[] = {8, 7, 6, 5, 4, 10, 3, 9, 2, 1, 0};
  std::vector<std::vector<TGButton*>> samples;
  for (int r = 0; r < 4; ++r) {
    samples.emplace_back();
    for (int i = 0; i < 11; ++i) {
      TGButton* sample = Button(order[i], {57 + 21 * i, 10 + 24 * r});
      sample->SetAllImages(rows[r]);
      samples.back().push_back(sample);
    }
  }
  Enter(samples[0][3]);
  EXPECT_EQ(Centre(samples[0][3]), 0xFF101005u) << "a Normal sample stays Normal when hovered";

  EXPECT_EQ(Centre(samples[1][10]), 0xFF202000u);  // painted once before the change

  std::vector<Argb> white(21 * 21, 0xFFFFFFFFu);
  white[10 * 21 + 10] = 0xFF00AA00u;
  white[20 * 21] = 0xFF0000FFu;  // a blue bottom-left pixel
  hot->ReplaceImage(0, Bitmap::FromArgb(21, 21, white), clNone);
  EXPECT_EQ(Centre(samples[1][10]), 0xFF00AA00u);  // Hot: Close, the rightmost
  EXPECT_EQ(Centre(samples[0][10]), 0xFF101000u);  // Normal: Close unchanged
  EXPECT_EQ(Centre(samples[1][9]), 0xFF202001u);   // Hot: Restore unchanged
}

TEST_F(SystemButtons, TheBottomLeftColourIsLeftOutUnlessDrawnOpaque) {
  TGButton* button = Button(2);
  QImage shown = button->grab().toImage();
  EXPECT_EQ(shown.pixel(0, 0), kPanel) << "the fuchsia frame is left out";
  EXPECT_EQ(shown.pixel(20, 20), kPanel);
  EXPECT_EQ(shown.pixel(1, 1), 0xFF101002u);

  // The sample next to "Example:": opaque, sized to its picture, its fuchsia frame shows.
  auto* example = new TGButton(window.get());
  example->SetAllImages(disabled.get());
  example->SetImageIndex(8);
  example->SetAutoSize(true);
  example->show();
  EXPECT_EQ(example->size(), QSize(21, 21));
  EXPECT_EQ(example->grab().toImage().pixel(0, 0), kFuchsia);

  // Pixels the list's mask hides stay hidden; a hidden bottom-left pixel keys nothing.
  auto masked = std::make_unique<ImageList>(21, 21);
  std::vector<Argb> pixels(21 * 21, kFuchsia);
  pixels[10 * 21 + 10] = 0xFF123456u;
  masked->AppendImage(Bitmap::FromArgb(21, 21, pixels), clFuchsia);
  masked->AppendImage(Bitmap::FromArgb(21, 21, std::vector<Argb>(21 * 21, 0xFF000000u)), clNone);
  button->SetAllImages(masked.get());
  button->SetImageIndex(0);
  shown = button->grab().toImage();
  EXPECT_EQ(shown.pixel(0, 20), kPanel);
  EXPECT_EQ(shown.pixel(10, 10), 0xFF123456u);
  button->SetImageIndex(5);  // beyond the list: nothing
  EXPECT_EQ(button->grab().toImage().pixel(10, 10), kPanel);
}

TEST_F(SystemButtons, AStateWhoseListIsNotSetKeepsTheLastPicture) {
  TGButton* button = Button(6);
  button->SetHotImages(nullptr);
  EXPECT_EQ(Centre(button), 0xFF101006u);
  Enter(button);
  EXPECT_EQ(button->ChosenList(), nullptr);
  EXPECT_EQ(Centre(button), 0xFF101006u);
  SendMouse(button, QEvent::MouseButtonPress, {5, 5});
  EXPECT_EQ(Centre(button), 0xFF303006u);
}

TEST_F(SystemButtons, ABoundCommandRunsOnClickAndGivesHintEnabledStateAndName) {
  TGButton* button = Button(0);
  widgets::Command command("actHClose");
  int runs = 0;
  command.SetHandler([&](widgets::Command&) { ++runs; });
  command.SetHint("Close");
  command.SetCaption("&Close");
  button->SetCommand(&command);
  Click(button, {5, 5});
  EXPECT_EQ(runs, 1);

  QHelpEvent help(QEvent::ToolTip, {5, 5}, button->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(button, &help);
  EXPECT_EQ(QToolTip::text(), "Close");
  QToolTip::hideText();

  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::Button);
  EXPECT_EQ(access->text(QAccessible::Name), "Close");
  button->setAccessibleName("Hot: actHClose");
  EXPECT_EQ(access->text(QAccessible::Name), "Hot: actHClose");
  access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // the click is queued
  EXPECT_EQ(runs, 2);

  command.SetEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(Centre(button), 0xFF404000u);
  button->Click();
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace tessary::preview
