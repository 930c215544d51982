// The dock background on real docks and bars, checked on grabbed pixels: the picture runs
// on from the dock into a docked bar's border and client area without a seam, small tiles
// fill everything, stretching takes the dock's size at once, and clearing falls back at once.
#include <QImage>
#include <QPainter>

#include "ToolbarFixture.h"
#include "skin/TTBBackground.h"
#include "widgets/DockBackground.h"
#include "widgets/PaintPrimitives.h"

namespace tessary::widgets::testing {
namespace {

// Every pixel tells where in the tile it is: red = x, green = y.
Bitmap CoordinatePicture(int w, int h) {
  std::vector<Argb> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels.push_back(0xFF000000u | static_cast<Argb>(x & 0xFF) << 16 | static_cast<Argb>(y & 0xFF) << 8 | 0x80u);
    }
  }
  return Bitmap::FromArgb(w, h, pixels);
}

int Mod(int v, int m) { return ((v % m) + m) % m; }

QRgb TilePixel(QPoint p, int w, int h) { return qRgb(Mod(p.x(), w), Mod(p.y(), h), 0x80); }

class DockBackgroundWidget : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    top->SetBoundLines(blTop | blBottom | blLeft | blRight);
    bar = MakeBar("Bar", 2);
    bar->SetStretch(true);  // leaves an empty client area to look at
    bar->DockTo(top, 0);
    Settle();
  }

  void TearDown() override {
    top->SetBackground(nullptr);
    DockWindowTest::TearDown();
  }

  void Use(const Bitmap& picture) {
    background.SetBitmap(picture);
    top->SetBackground(&background);
    Settle();
  }

  // Dock-widget coordinates of a row of empty client area inside the bar, right of the
  // items, and of the bar's border just inside its outer frame line.
  int EmptyClientY() const { return bar->y() + bar->ClientRect().center().y(); }
  int BorderY() const { return bar->y() + 1; }
  int EmptyFromX() const {
    int right = 0;
    for (const auto& item : bar->Items()) right = std::max(right, bar->ItemRect(item.get()).right());
    return bar->x() + right + 4;
  }

  TTBBackground background;
  TTBXToolbar* bar = nullptr;
};

TEST_F(DockBackgroundWidget, SeamsOfA100x40PictureRunThroughDockBarAndBorder) {
  Use(CoordinatePicture(100, 40));
  ASSERT_GT(top->width(), 420);
  const QImage image = top->grab().toImage();
  // The dock's parent's client origin is the dock's outer corner (the dock sits at 0, 0),
  // one pixel above and left of the client area: client x = 99 is widget x = 100.
  ASSERT_EQ(top->pos(), QPoint(0, 0));
  for (int y : {BorderY(), EmptyClientY()}) {
    for (int x = std::max(EmptyFromX(), 95); x < 420; ++x) {
      ASSERT_EQ(image.pixel(x, y), TilePixel({x, y}, 100, 40)) << x << "," << y;
    }
    EXPECT_EQ(qRed(image.pixel(199, y)), 99);
    EXPECT_EQ(qRed(image.pixel(200, y)), 0);
  }
  // Vertical seams: the bar is shorter than one tile, so look at the dock below the bar
  // by adding a second row.
  TTBXToolbar* second = MakeBar("Second", 1);
  second->SetStretch(true);
  second->DockTo(top, 1);
  Settle();
  const QImage two = top->grab().toImage();
  const int x = 400;
  for (int y = 1; y < top->height() - 1; ++y) {
    const bool onFrame =
        y == bar->y() || y == bar->geometry().bottom() || y == second->y() || y == second->geometry().bottom();
    if (!onFrame) {
      ASSERT_EQ(two.pixel(x, y), TilePixel({x, y}, 100, 40)) << x << "," << y;
    }
  }
  if (top->height() > 41) {
    EXPECT_EQ(qGreen(two.pixel(x, 39)), 39);
    EXPECT_EQ(qGreen(two.pixel(x, 40)), 0);
  }
}

TEST_F(DockBackgroundWidget, TheBarOwnGrabMatchesTheDockAlignment) {
  Use(CoordinatePicture(100, 40));
  const QImage image = bar->grab().toImage();
  const QPoint at = bar->pos();
  for (int x = EmptyFromX() - at.x(); x < 400; ++x) {
    const int y = EmptyClientY() - at.y();
    ASSERT_EQ(image.pixel(x, y), TilePixel(QPoint(x, y) + at, 100, 40)) << x;
  }
}

TEST_F(DockBackgroundWidget, OnePixelPictureFillsDockAndBarAlike) {
  Use(Bitmap::FromArgb(1, 1, std::vector<Argb>{0xFF2468ACu}));
  const QImage image = top->grab().toImage();
  for (int x = EmptyFromX(); x < top->width() - 2; ++x) {
    ASSERT_EQ(image.pixel(x, EmptyClientY()), 0xFF2468ACu) << x;
    ASSERT_EQ(image.pixel(x, BorderY()), 0xFF2468ACu) << x;
  }
}

TEST_F(DockBackgroundWidget, EightByEightPictureAlignsLikeAnyTile) {
  Use(CoordinatePicture(8, 8));
  const QImage image = top->grab().toImage();
  for (int y : {BorderY(), EmptyClientY(), EmptyClientY() + 1}) {
    for (int x = EmptyFromX(); x < top->width() - 3; ++x) {
      ASSERT_EQ(image.pixel(x, y), TilePixel({x, y}, 8, 8)) << x << "," << y;
    }
  }
}

TEST_F(DockBackgroundWidget, StretchTakesTheDocksClientSizeAtOnceAndFollowsIt) {
  // Two columns: red on the left, blue on the right.
  Use(Bitmap::FromArgb(2, 1, std::vector<Argb>{0xFFFF0000u, 0xFF0000FFu}));
  const int y = EmptyClientY();
  const int x = EmptyFromX() + 2;
  QImage image = top->grab().toImage();
  EXPECT_NE(image.pixel(x, y), image.pixel(x + 1, y));  // tiled at 2 x 1

  for (int widen : {0, 40}) {
    // Switched on, and again after a resize, the picture covers the client area once.
    if (widen == 0) background.SetStretchBitmap(true);
    window->resize(window->width() + widen, window->height());
    Settle();
    const QRect client = top->ClientRect();
    EXPECT_EQ(BackgroundPixmap(background).size(), client.size());
    image = top->grab().toImage();
    EXPECT_EQ(image.pixel(x, y), image.pixel(x + 1, y));
    EXPECT_EQ(image.pixel(x, y), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(client.width() - 10, y), 0xFF0000FFu);
  }

  background.SetStretchBitmap(false);  // the plain copy comes back at once
  image = top->grab().toImage();
  EXPECT_NE(image.pixel(x, y), image.pixel(x + 1, y));
}

TEST_F(DockBackgroundWidget, ClearingThePictureFallsBackAtOnce) {
  Use(CoordinatePicture(100, 40));
  background.SetBitmap(Bitmap());
  EXPECT_FALSE(top->UsesBackground());
  const QImage image = top->grab().toImage();
  const QRgb face = ToQColor(clBtnFace).rgb();
  EXPECT_EQ(image.pixel(EmptyFromX() + 5, EmptyClientY()), face);
  EXPECT_EQ(image.pixel(EmptyFromX() + 5, BorderY()), face);
}

TEST_F(DockBackgroundWidget, TransparentChildrenGetThePictureUnderThem) {
  Use(CoordinatePicture(100, 40));
  QWidget child(bar);
  child.setGeometry(bar->width() - 80, bar->ClientRect().top(), 50, 10);
  QImage image(child.size(), QImage::Format_RGB32);
  image.fill(0);
  {
    QPainter p(&image);
    PaintBackgroundUnder(p, &child);
  }
  const QPoint at = child.mapTo(top, QPoint(0, 0));
  for (int y = 0; y < child.height(); ++y) {
    for (int x = 0; x < child.width(); ++x) {
      ASSERT_EQ(image.pixel(x, y), TilePixel(QPoint(x, y) + at, 100, 40));
    }
  }
  // Not on the bars: nothing is painted.
  top->SetBackgroundOnToolbars(false);
  image.fill(0);
  {
    QPainter p(&image);
    PaintBackgroundUnder(p, &child);
  }
  EXPECT_EQ(image.pixel(5, 5), 0xFF000000u);
}

}  // namespace
}  // namespace tessary::widgets::testing
