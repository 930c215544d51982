// The shared painter with the Default definition, checked on pixels: raised and sunken
// item frames, the dithered checked face, engraved disabled images, bar borders and grips.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "widgets/PaintPrimitives.h"
#include "widgets/themes/DefaultTheme.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

const QRgb kFace = ToQColor(clBtnFace).rgb();
const QRgb kLight = ToQColor(clBtnHighlight).rgb();
const QRgb kShadow = ToQColor(clBtnShadow).rgb();

class DefaultPainter : public ::testing::Test {
 protected:
  QImage Frame(const ItemState& state) {
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(kFace);
    QPainter p(&image);
    theme.PaintItemFrame(p, QRect(2, 2, 16, 8), state);
    return image;
  }
  ThemePainter theme{DefaultThemeDefinition(), "Default"};
};

TEST_F(DefaultPainter, BarButtonFramesRaiseOnHoverAndSinkWhenPushed) {
  ItemState normal;
  EXPECT_EQ(Frame(normal), [] {
    QImage blank(20, 12, QImage::Format_RGB32);
    blank.fill(kFace);
    return blank;
  }());  // flat until hovered

  ItemState hot;
  hot.hoverKind = hkHot;
  QImage image = Frame(hot);
  EXPECT_EQ(image.pixel(2, 5), kLight);    // left
  EXPECT_EQ(image.pixel(8, 2), kLight);    // top
  EXPECT_EQ(image.pixel(17, 5), kShadow);  // right
  EXPECT_EQ(image.pixel(8, 9), kShadow);   // bottom
  EXPECT_EQ(image.pixel(8, 5), kFace);     // face untouched

  ItemState pushed = hot;
  pushed.pushed = true;
  image = Frame(pushed);
  EXPECT_EQ(image.pixel(2, 5), kShadow);
  EXPECT_EQ(image.pixel(17, 5), kLight);

  ItemState disabledHot = hot;
  disabledHot.enabled = false;
  EXPECT_EQ(Frame(disabledHot).pixel(2, 5), kFace);
}

TEST_F(DefaultPainter, CheckedButtonsShowADitheredFaceUntilHovered) {
  ItemState checked;
  checked.checked = true;
  QImage image = Frame(checked);
  EXPECT_EQ(image.pixel(2, 5), kShadow);  // sunken
  // Inside: a checkerboard of highlight and face.
  EXPECT_NE(image.pixel(5, 5), image.pixel(6, 5));
  EXPECT_EQ(image.pixel(5, 5), image.pixel(6, 6));
  const QRgb a = image.pixel(5, 5), b = image.pixel(6, 5);
  EXPECT_TRUE((a == kLight && b == kFace) || (a == kFace && b == kLight));

  checked.hoverKind = hkHot;
  image = Frame(checked);
  EXPECT_EQ(image.pixel(5, 5), kFace);
  EXPECT_EQ(image.pixel(6, 5), kFace);
}

TEST_F(DefaultPainter, HighlightedMenuLinesFillWithTheSelectionColour) {
  ItemState line;
  line.viewKind = vkPopupMenu;
  line.options = 0;
  line.hoverKind = hkHot;
  const QImage image = Frame(line);
  EXPECT_EQ(image.pixel(2, 2), ToQColor(clHighlight).rgb());
  EXPECT_EQ(image.pixel(17, 9), ToQColor(clHighlight).rgb());
  EXPECT_EQ(image.pixel(1, 1), kFace);
}

TEST_F(DefaultPainter, DisabledImagesAreEngravedFromTheirDarkPixels) {
  QImage icon(4, 4, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  icon.setPixel(1, 1, 0xFF000000u);  // dark: kept in the outline
  icon.setPixel(2, 2, 0xFFFFFFFFu);  // light: dropped
  ItemState disabled;
  disabled.enabled = false;
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(kFace);
  QPainter p(&image);
  theme.PaintItemImage(p, QRect(0, 0, 8, 8), disabled, QPixmap::fromImage(icon));
  p.end();
  // The icon sits at (2, 2): its dark pixel at (3, 3) in shadow, the light copy at (4, 4).
  EXPECT_EQ(image.pixel(3, 3), kShadow);
  EXPECT_EQ(image.pixel(4, 4), kLight);
  EXPECT_EQ(image.pixel(5, 5), kFace);  // the light icon pixel (4, 4) and its copy vanish
}

TEST_F(DefaultPainter, BarFrameKeepsItsOuterLineAndGripsOverABackground) {
  QImage image(60, 24, QImage::Format_RGB32);
  image.fill(0xFF00FF00u);  // stands for a dock picture already painted
  QPainter p(&image);
  const QRect outer(0, 0, 60, 24);
  const QMargins border = theme.BarBorder(vkToolbar);
  const QRect client = outer.marginsRemoved(border).adjusted(theme.DragHandleSize(vkToolbar), 0, 0, 0);
  theme.PaintBarFrame(p, outer, client, vkToolbar, true, /*backgroundShows=*/true);
  p.end();
  EXPECT_EQ(image.pixel(0, 10), kLight);  // outer raised line
  EXPECT_EQ(image.pixel(59, 10), kShadow);
  EXPECT_EQ(image.pixel(30, 1), 0xFF00FF00u);  // the border inside it shows the picture
  EXPECT_EQ(image.pixel(30, 12), 0xFF00FF00u);
  // Two raised grip lines between border and client.
  int lightColumns = 0;
  for (int x = border.left(); x < client.left(); ++x) lightColumns += image.pixel(x, 12) == kLight;
  EXPECT_EQ(lightColumns, 2);
}

}  // namespace
}  // namespace tessary::widgets
