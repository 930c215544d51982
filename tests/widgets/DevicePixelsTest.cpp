// Painting on scaled screens: frames and lines as whole device pixels, equally thick
// wherever they fall; pictures doubled pixel for pixel at 2 and resampled by area at
// fractional scales (every stroke as thick as every other); tiled backgrounds that run on
// across widgets with their seams where the picture's own pixels meet.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "skin/TTBBackground.h"
#include "widgets/DeviceGrid.h"
#include "widgets/DevicePictures.h"
#include "widgets/DockBackground.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/TTBDock.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {
namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF203040;

// A white device image for logical `size` at `scale`, painted by `paint`.
template <typename Paint>
QImage Painted(QSize size, qreal scale, Paint paint) {
  QImage image(
      QSize(static_cast<int>(std::ceil(size.width() * scale)), static_cast<int>(std::ceil(size.height() * scale))),
      QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(kPaper);
  QPainter p(&image);
  paint(p);
  return image;
}

// The runs of `colour` along a device row or column: their lengths in order.
std::vector<int> Runs(const QImage& image, int fixed, bool alongRow, QRgb colour) {
  std::vector<int> runs;
  int run = 0;
  const int length = alongRow ? image.width() : image.height();
  for (int i = 0; i <= length; ++i) {
    const bool inked = i < length && (alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i)) == colour;
    if (inked) ++run;
    else if (run > 0) runs.push_back(std::exchange(run, 0));
  }
  return runs;
}

TEST(DevicePixels, FramesAreWholeDevicePixelsEquallyThickWhereverTheyFall) {
  const struct {
    qreal scale;
    int thickness;
  } kScales[] = {{1, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2, 2}};
  for (const auto& [scale, thickness] : kScales) {
    for (int offset = 0; offset < 4; ++offset) {
      SCOPED_TRACE(testing::Message() << "scale " << scale << ", frame at " << offset);
      const QRect frame(offset + 1, offset + 2, 13 + offset, 9);
      const QImage image = Painted({24, 16}, scale, [&](QPainter& p) {
        p.translate(0.5 * offset, 0);  // a widget that starts between device pixels
        DrawEdge(p, frame, QColor::fromRgb(kInk), QColor::fromRgb(kInk));
      });
      // Across the middle of the frame: two lines of ink, each `thickness` device pixels,
      // and nothing but ink and paper (no blended edges).
      const int midY = static_cast<int>((frame.center().y() + 0.5) * scale);
      const int midX = static_cast<int>((frame.center().x() + 0.5 * offset + 0.5) * scale);
      EXPECT_EQ(Runs(image, midY, true, kInk), (std::vector<int>{thickness, thickness}));
      EXPECT_EQ(Runs(image, midX, false, kInk), (std::vector<int>{thickness, thickness}));
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_TRUE(image.pixel(x, y) == kInk || image.pixel(x, y) == kPaper);
    }
  }
}

TEST(DevicePixels, LinesAndSeparatorsKeepOneThicknessAtEveryPlace) {
  for (const qreal scale : {1.25, 1.5}) {
    const QImage image = Painted({40, 8}, scale, [&](QPainter& p) {
      for (int x = 1; x < 38; x += 3) FillSnapped(p, QRect(x, 1, 1, 5), QColor::fromRgb(kInk));
    });
    const std::vector<int> runs = Runs(image, static_cast<int>(3 * scale), true, kInk);
    ASSERT_EQ(runs.size(), 13u) << scale;
    for (int run : runs) EXPECT_EQ(run, static_cast<int>(std::floor(scale + 0.5))) << scale;
  }
}

TEST(DevicePixels, PicturesAreDoubledAtTwoAndResampledByAreaAtFractionalScales) {
  // A 16 x 16 picture of one-pixel vertical strokes, one at every other column.
  QImage strokes(16, 16, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) strokes.setPixel(x, y, x % 2 == 0 ? kInk : kPaper);
  const QPixmap picture = QPixmap::fromImage(strokes);

  const QImage doubled = Painted({20, 20}, 2, [&](QPainter& p) { DrawPicture(p, QPoint(1, 1), picture); });
  EXPECT_EQ(doubled.copy(2, 2, 32, 32), strokes.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation));

  for (const qreal scale : {1.25, 1.5}) {
    SCOPED_TRACE(scale);
    const QImage shown = Painted({20, 20}, scale, [&](QPainter& p) {
      p.translate(0.5, 0);  // starts between device pixels: the picture still lands on whole ones
      DrawPicture(p, QPoint(1, 1), picture);
    });
    const int side = static_cast<int>(16 * scale + 0.5);
    const int left = static_cast<int>(std::floor(1.5 * scale + 0.5));
    const int top = static_cast<int>(std::floor(scale + 0.5));
    EXPECT_EQ(shown.copy(left, top, side, side), AreaScaled(strokes, {side, side}));
    // Every stroke carries the same ink: `scale` device pixels' worth, never one or two.
    const int row = top + side / 2;
    for (int stroke = 0; stroke < 8; ++stroke) {
      double ink = 0;
      const double from = stroke * 2 * scale, to = (stroke * 2 + 1) * scale;
      for (int x = static_cast<int>(std::floor(from)); x < static_cast<int>(std::ceil(to)); ++x) {
        ink += (255 - qRed(shown.pixel(left + x, row))) / double(255 - qRed(kInk));
      }
      EXPECT_NEAR(ink, scale, 0.05) << "stroke " << stroke;
    }
  }
}

TEST(DevicePixels, TiledPicturesRunOnAcrossWidgetsWithSeamsWhereThePicturesPixelsMeet) {
  // Three columns that differ, so a seam that is not where the picture's own last and
  // first pixels meet shows.
  TTBBackground background;
  const std::vector<Argb> pixels{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF800000, 0xFF008000, 0xFF000080};
  background.SetBitmap(Bitmap::FromArgb(3, 2, pixels));
  QImage continuous(24, 8, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 24; ++x)
      continuous.setPixel(x, y, background.PaintPixels()[static_cast<std::size_t>((y % 2) * 3 + x % 3)]);
  for (const qreal scale : {1.25, 1.5, 2.0}) {
    SCOPED_TRACE(scale);
    const QSize device(static_cast<int>(24 * scale), static_cast<int>(8 * scale));
    const QImage expected = AreaScaled(continuous, device);
    // Painted as two widgets meeting at logical x = 7, each with the tile origin at the
    // parent's corner.
    const QImage painted = Painted({24, 8}, scale, [&](QPainter& p) {
      PaintBackground(p, background, QRect(0, 0, 7, 8), QPoint(0, 0));
      p.translate(7, 0);
      PaintBackground(p, background, QRect(0, 0, 17, 8), QPoint(-7, 0));
    });
    for (int y = 0; y < device.height(); ++y)
      for (int x = 0; x < device.width(); ++x) ASSERT_EQ(painted.pixel(x, y), expected.pixel(x, y)) << x << ", " << y;
  }
}

// On the screen this program runs on (ctest runs this test again under QT_SCALE_FACTOR
// 1.25, 1.5 and 2): a dock placed half-way into a device pixel draws its bound lines as whole
// device pixels, as thick on every side.
TEST(DevicePixels, ADocksBoundLinesAreWholeDevicePixelsAtTheScreensScale) {
  QWidget window;
  window.resize(200, 80);
  auto* dock = new TTBDock(DockPosition::dpTop, &window);
  dock->SetBoundLines(blTop | blBottom | blLeft | blRight);
  dock->setGeometry(7, 9, 121, 31);
  window.show();
  dock->setFixedHeight(31);  // an empty dock would shrink to nothing
  const QImage image = window.grab().toImage();
  const qreal scale = image.devicePixelRatio();
  const int thickness = std::max(1, static_cast<int>(std::floor(scale + 0.5)));
  const QRgb line = CurrentTheme().DockColour().rgb();
  const int midY = static_cast<int>(24 * scale), midX = static_cast<int>(60 * scale);
  const std::vector<int> across = Runs(image, midY, true, line), down = Runs(image, midX, false, line);
  ASSERT_GE(across.size(), 2u) << scale;
  ASSERT_GE(down.size(), 2u) << scale;
  EXPECT_EQ(across.front(), thickness) << scale;
  EXPECT_EQ(across.back(), thickness) << scale;
  EXPECT_EQ(down.front(), thickness) << scale;
  EXPECT_EQ(down.back(), thickness) << scale;
}

}  // namespace
}  // namespace tessary::widgets
