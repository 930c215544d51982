// The eleven window-control buttons of the mock-up: their places, hints and slots, and the
// image each shows under the mouse (hovered: ilHot, pressed: ilDown, pressed and dragged
// off: ilImages, disabled: ilDisable), transparent where the bottom-left colour is.
#include "preview/ChromeFixture.h"
#include "preview/TGButton.h"
#include "widgets/ControlsFixture.h"
#include "widgets/TTBXToolWindow.h"

namespace tessary::preview::testing {
namespace {

using widgets::testing::Enter;
using widgets::testing::SendMouse;

constexpr Argb kFuchsia = 0xFFFF00FFu;

// Slot `slot` of `list` becomes `fill` (plus the slot number) inside a fuchsia frame.
void Paint(ImageList& list, int slot, Argb fill) {
  std::vector<Argb> pixels(21 * 21, fill + static_cast<Argb>(slot));
  for (std::size_t k = 0; k < 21; ++k)
    pixels[k] = pixels[20 * 21 + k] = pixels[k * 21] = pixels[k * 21 + 20] = kFuchsia;
  list.ReplaceImage(slot, Bitmap::FromArgb(21, 21, pixels), clNone);
}

TEST_F(ChromeTest, WindowControlButtonsShowTheirStatesImages) {
  const struct {
    const char* name;
    const char* hint;
    int slot;
  } buttons[] = {
      {"btnPrevious", "Previous Window", 8},
      {"btnNext", "Next Window", 7},
      {"btnCascade", "Cascade All Windows", 6},
      {"btnTH", "Tile All Windows Horizontally", 5},
      {"btnTV", "Tile All Windows Vertically", 4},
      {"btnMaxAll", "Maximize All", 10},
      {"btnCloseAll", "Close All Windows", 3},
      {"btnOne", "Close All Except the Current", 9},
      {"btnMinimize", "Minimize", 2},
      {"btnRestore", "Restore", 1},
      {"btnClose", "Close", 0},
  };
  constexpr Argb kNormal = 0xFF101000u, kHot = 0xFF202000u, kDown = 0xFF303000u, kDisabled = 0xFF404000u;
  for (int slot = 0; slot < 11; ++slot) {
    Paint(skin.ilImages, slot, kNormal);
    Paint(skin.ilHot, slot, kHot);
    Paint(skin.ilDown, slot, kDown);
    Paint(skin.ilDisable, slot, kDisabled);
  }
  widgets::TTBXToolWindow& tool = *top.tbtMDIControl;
  const QRect client = tool.ClientRect();
  // The spare pixel right of the last button shows the bar's own face, row for row.
  const auto face = [&](const QImage& image, int y) { return image.pixel(client.right(), y); };
  const auto centre = [&](TGButton* button) { return tool.grab().toImage().pixel(button->geometry().center()); };

  ASSERT_EQ(top.systemButtons.size(), 11u);
  for (std::size_t i = 0; i < 11; ++i) {
    TGButton* button = top.systemButtons[i];
    SCOPED_TRACE(buttons[i].name);
    EXPECT_EQ(button->objectName(), QString::fromLatin1(buttons[i].name));
    EXPECT_EQ(button->Hint(), QString::fromLatin1(buttons[i].hint));
    EXPECT_EQ(button->ImageIndex(), buttons[i].slot);
    EXPECT_EQ(button->Index(), static_cast<int>(i));
    EXPECT_EQ(button->geometry(), QRect(client.left() + 21 * static_cast<int>(i), client.top(), 21, 22));

    const QRgb slotOffset = static_cast<QRgb>(buttons[i].slot);
    EXPECT_EQ(centre(button), kNormal + slotOffset) << "at rest";
    Enter(button);
    EXPECT_EQ(centre(button), kHot + slotOffset) << "hovered";
    SendMouse(button, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(centre(button), kDown + slotOffset) << "pressed";
    SendMouse(button, QEvent::MouseMove, {40, 10});
    EXPECT_EQ(centre(button), kNormal + slotOffset) << "pressed and dragged off";
    SendMouse(button, QEvent::MouseButtonRelease, {40, 10});
    button->setEnabled(false);
    Enter(button);
    EXPECT_EQ(centre(button), kDisabled + slotOffset) << "disabled, even when hovered";
    button->setEnabled(true);
    widgets::testing::Leave(button);

    // The fuchsia frame (the bottom-left colour) lets the bar show through.
    const QImage image = tool.grab().toImage();
    const QRect at = button->geometry();
    for (int y : {at.top(), at.top() + 10, at.top() + 20}) EXPECT_EQ(image.pixel(at.left(), y), face(image, y));
  }
}

}  // namespace
}  // namespace tessary::preview::testing
