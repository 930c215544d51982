// Painting a dock background into an image: tile alignment to the origin, the small-tile
// cases, the paint cache and its keys, and the origin of widgets inside a dock's parent.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <optional>

#include "skin/TTBBackground.h"
#include "widgets/DockBackground.h"

namespace tessary::widgets {
namespace {

// A picture whose every pixel tells where in the tile it is: red = x, green = y.
Bitmap CoordinatePicture(int w, int h, int blue = 0x80) {
  std::vector<Argb> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels.push_back(0xFF000000u | (static_cast<Argb>(x & 0xFF) << 16) | (static_cast<Argb>(y & 0xFF) << 8) |
                       static_cast<Argb>(blue));
    }
  }
  return Bitmap::FromArgb(w, h, pixels);
}

QImage Paint(const TTBBackground& bg, QSize size, QRect area, QPoint origin) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(0xFF00FF00u);
  QPainter p(&image);
  PaintBackground(p, bg, area, origin);
  return image;
}

int Mod(int v, int m) { return ((v % m) + m) % m; }

// The general tiling rule: pixel (x, y) shows tile pixel ((x - ox) mod w, (y - oy) mod h).
void ExpectTiled(const QImage& image, QRect area, QPoint origin, int w, int h, int blue = 0x80) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb want = qRgb(Mod(x - origin.x(), w), Mod(y - origin.y(), h), blue);
      ASSERT_EQ(image.pixel(x, y), want) << "at " << x << "," << y;
    }
  }
}

TEST(DockBackgroundPaint, TilesRunFromTheOriginWithSeamsWhereExpected) {
  TTBBackground bg;
  bg.SetBitmap(CoordinatePicture(100, 40));
  // A dock at (0, 0) of its parent with one-pixel bound lines: the client area starts at
  // widget (1, 1), the picture at widget (0, 0), so client x = 99 is widget x = 100.
  const QRect client(1, 1, 320, 120);
  const QImage image = Paint(bg, QSize(322, 122), client, QPoint(0, 0));
  ExpectTiled(image, client, QPoint(0, 0), 100, 40);
  // A new tile starts at widget x = 100, 200 and y = 40, 80.
  for (int seam : {100, 200, 300}) {
    EXPECT_EQ(qRed(image.pixel(seam - 1, 5)), 99);
    EXPECT_EQ(qRed(image.pixel(seam, 5)), 0);
  }
  for (int seam : {40, 80}) {
    EXPECT_EQ(qGreen(image.pixel(5, seam - 1)), 39);
    EXPECT_EQ(qGreen(image.pixel(5, seam)), 0);
  }
  // Nothing outside the area is touched.
  EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(image.pixel(321, 121), 0xFF00FF00u);
}

TEST(DockBackgroundPaint, OriginsOutsideTheAreaAndNegativeOnesAlignTheSame) {
  TTBBackground bg;
  bg.SetBitmap(CoordinatePicture(100, 40));
  for (QPoint origin : {QPoint(-37, -13), QPoint(250, 95), QPoint(-1, -1)}) {
    const QRect area(3, 2, 230, 90);
    ExpectTiled(Paint(bg, QSize(240, 100), area, origin), area, origin, 100, 40);
  }
}

TEST(DockBackgroundPaint, SmallPicturesTileLikeAnyOther) {
  for (QSize tile : {QSize(1, 1), QSize(8, 8), QSize(3, 70), QSize(70, 2)}) {
    TTBBackground bg;
    bg.SetBitmap(CoordinatePicture(tile.width(), tile.height()));
    const QRect area(1, 1, 200, 100);
    const QPoint origin(0, 0);
    SCOPED_TRACE(testing::Message() << tile.width() << "x" << tile.height());
    ExpectTiled(Paint(bg, QSize(202, 102), area, origin), area, origin, tile.width(), tile.height());
    const QPoint odd(-5, 3);
    ExpectTiled(Paint(bg, QSize(202, 102), area, odd), area, odd, tile.width(), tile.height());
  }
}

TEST(DockBackgroundPaint, OnePixelPictureFillsTheWholeArea) {
  TTBBackground bg;
  bg.SetBitmap(Bitmap::FromArgb(1, 1, std::vector<Argb>{0xFF123456u}));
  const QImage image = Paint(bg, QSize(300, 90), QRect(0, 0, 300, 90), QPoint(0, 0));
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 300; ++x) ASSERT_EQ(image.pixel(x, y), 0xFF123456u);
  }
}

TEST(DockBackgroundPaint, NothingIsPaintedWithoutAPicture) {
  TTBBackground bg;
  const QImage image = Paint(bg, QSize(20, 20), QRect(0, 0, 20, 20), QPoint(0, 0));
  EXPECT_EQ(image.pixel(10, 10), 0xFF00FF00u);
  bg.SetBitmap(CoordinatePicture(4, 4));
  bg.SetBitmap(Bitmap());  // cleared: falls back at once
  EXPECT_EQ(Paint(bg, QSize(20, 20), QRect(0, 0, 20, 20), QPoint(0, 0)).pixel(10, 10), 0xFF00FF00u);
}

TEST(DockBackgroundPaint, TheCacheIsRebuiltOnlyOnAChange) {
  TTBBackground bg;
  bg.SetBitmap(CoordinatePicture(10, 10));
  const qint64 first = BackgroundPixmap(bg).cacheKey();
  EXPECT_EQ(BackgroundPixmap(bg).cacheKey(), first);
  bg.SetBkColor(clWhite);  // no effect while not transparent: no rebuild
  EXPECT_EQ(BackgroundPixmap(bg).cacheKey(), first);

  bg.SetTransparent(true);  // bottom-left pixel (0, 9) becomes BkColor
  EXPECT_NE(BackgroundPixmap(bg).cacheKey(), first);
  const QImage image = Paint(bg, QSize(10, 10), QRect(0, 0, 10, 10), QPoint(0, 0));
  EXPECT_EQ(image.pixel(0, 9), 0xFFFFFFFFu);
  EXPECT_EQ(image.pixel(1, 9), qRgb(1, 9, 0x80));
}

TEST(DockBackgroundPaint, StretchedPictureCoversTheRecordedSizeOnce) {
  TTBBackground bg;
  bg.SetBitmap(CoordinatePicture(10, 4));
  bg.SetStretchBitmap(true);  // no size recorded yet: still tiled at its own size
  ExpectTiled(Paint(bg, QSize(40, 12), QRect(0, 0, 40, 12), QPoint(0, 0)), QRect(0, 0, 40, 12), QPoint(0, 0), 10, 4);
  bg.SetStretchSize(40, 8);
  const QImage image = Paint(bg, QSize(40, 8), QRect(0, 0, 40, 8), QPoint(0, 0));
  EXPECT_EQ(image.pixel(39, 7), qRgb(9, 3, 0x80));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0x80));
  EXPECT_EQ(BackgroundPixmap(bg).size(), QSize(40, 8));
}

TEST(DockBackgroundPaint, ANewBackgroundAtAFreedAddressIsNotServedTheOldPicture) {
  std::optional<TTBBackground> slot;
  slot.emplace();
  slot->SetBitmap(CoordinatePicture(8, 8, 0x11));
  EXPECT_EQ(Paint(*slot, QSize(8, 8), QRect(0, 0, 8, 8), QPoint()).pixel(3, 3), qRgb(3, 3, 0x11));
  slot.reset();
  slot.emplace();  // same address, same generation count
  slot->SetBitmap(CoordinatePicture(8, 8, 0x22));
  EXPECT_EQ(Paint(*slot, QSize(8, 8), QRect(0, 0, 8, 8), QPoint()).pixel(3, 3), qRgb(3, 3, 0x22));
}

TEST(DockBackgroundOrigin, IsTheDockParentsClientOriginInTheTargetsCoordinates) {
  QWidget window;
  window.resize(400, 300);
  QWidget panel(&window);  // e.g. the bottom panel holding the bottom dock
  panel.setGeometry(0, 200, 400, 100);
  QWidget dock(&panel);
  dock.setGeometry(0, 0, 400, 60);
  QWidget bar(&dock);
  bar.setGeometry(13, 21, 150, 30);
  QWidget child(&bar);
  child.setGeometry(40, 3, 50, 20);

  EXPECT_EQ(BackgroundOrigin(&dock, &dock), QPoint(0, 0));
  EXPECT_EQ(BackgroundOrigin(&bar, &dock), QPoint(-13, -21));
  EXPECT_EQ(BackgroundOrigin(&child, &dock), QPoint(-53, -24));

  dock.move(5, 7);  // a dock not at its parent's origin
  EXPECT_EQ(BackgroundOrigin(&dock, &dock), QPoint(-5, -7));
  EXPECT_EQ(BackgroundOrigin(&child, &dock), QPoint(-58, -31));

  QWidget lone;  // a dock without a parent starts the picture at its own corner
  QWidget loneBar(&lone);
  loneBar.move(9, 4);
  EXPECT_EQ(BackgroundOrigin(&lone, &lone), QPoint(0, 0));
  EXPECT_EQ(BackgroundOrigin(&loneBar, &lone), QPoint(-9, -4));
}

}  // namespace
}  // namespace tessary::widgets
