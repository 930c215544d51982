// The docks' pictures on the whole mock-up: tiled or stretched, the picture runs on without
// a seam from each dock into its bars, their borders, the empty tab row and through the
// transparent status panels, spacers and gauge, all aligned to the window's client origin.
#include "preview/ChromeFixture.h"

#include <QImage>

#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::preview::testing {
namespace {

// Every pixel tells where in the picture it is: red = x, green = y, blue = x / 256.
Bitmap CoordinatePicture(int w, int h) {
  std::vector<Argb> pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixels.push_back(0xFF000000u | static_cast<Argb>(x & 0xFF) << 16 | static_cast<Argb>(y & 0xFF) << 8 |
                       static_cast<Argb>(x >> 8));
  return Bitmap::FromArgb(w, h, pixels);
}

int Mod(int v, int m) { return ((v % m) + m) % m; }

// The picture's pixel at window point `p`: tiles start at the window's client origin.
QRgb Expected(const TTBBackground& background, QPoint p) {
  const Bitmap& prepared = background.Prepared();
  return prepared.PixelAt(Mod(p.x(), prepared.Width()), Mod(p.y(), prepared.Height()));
}

// Window points inside `area` of `widget` (shrunk by `inset`), every few pixels.
std::vector<QPoint> Inside(const QWidget* widget, QWidget* window, int inset, QRect area = {}) {
  std::vector<QPoint> points;
  if (area.isNull()) area = widget->rect();
  area.adjust(inset, inset, -inset, -inset);
  for (int y = area.top(); y <= area.bottom(); y += 3)
    for (int x = area.left(); x <= area.right(); x += 5) points.push_back(widget->mapTo(window, QPoint(x, y)));
  return points;
}

TEST_F(ChromeTest, PicturesRunOnAcrossDocksBarsAndStatusPanels) {
  const struct {
    const char* what;
    QSize size;
    bool stretch;
  } pictures[] = {
      {"100 x 40 tiled", {100, 40}, false},
      {"1 x 1 tiled", {1, 1}, false},
      {"2000 x 40 stretched", {2000, 40}, true},
  };
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.what);
    for (TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
      background->SetBitmap(CoordinatePicture(picture.size.width(), picture.size.height()));
      background->SetStretchBitmap(picture.stretch);
    }
    Settle();
    if (picture.stretch) {
      EXPECT_EQ(skin.bgBottom.Prepared().Width(), tbdBottom->ClientRect().width());
      EXPECT_EQ(skin.bgTop.Prepared().Height(), tbdTop->ClientRect().height());
    }
    const QImage image = window->grab().toImage();

    std::vector<QPoint> points;
    // The bottom dock: the empty tab row, and every transparent status widget inside its
    // frame (the secure panel's picture is empty and shows through too).
    for (const QPoint& p : Inside(bottom.tbtTabs, window.get(), 0, bottom.tbtTabs->ClientRect())) points.push_back(p);
    for (const QWidget* panel : {static_cast<QWidget*>(bottom.fpStatusText), static_cast<QWidget*>(bottom.fpConnection),
                                 static_cast<QWidget*>(bottom.fpSecure)})
      for (const QPoint& p : Inside(panel, window.get(), 1)) points.push_back(p);
    for (const char* spacer : {"BvStatus", "bcOnline", "bvSecure", "bvStopper"})
      for (const QPoint& p : Inside(bottom.tbtStatus->findChild<QWidget*>(spacer), window.get(), 0)) points.push_back(p);
    // The gauge's ring between frame and bar, and its empty part right of the text.
    const QRect gauge = bottom.WBGauge->geometry();
    for (int x = 1; x < gauge.width() - 1; x += 4) points.push_back(bottom.WBGauge->mapTo(window.get(), QPoint(x, 1)));
    points.push_back(bottom.WBGauge->mapTo(window.get(), QPoint(gauge.width() - 4, 9)));
    // The top dock: its bound line's inner neighbours and the empty ends of stretched bars.
    for (const widgets::TTBXToolbar* bar : {top.TBXToolbar3, top.tbtButtons, top.tbtSearchBar}) {
      const QRect client = bar->ClientRect();
      for (int x = client.right() - 60; x < client.right(); x += 7)
        for (int y = client.top(); y <= client.bottom(); y += 4) points.push_back(bar->mapTo(window.get(), QPoint(x, y)));
    }
    for (const QPoint& p : points) {
      // Both docks lie in the window, whose client origin the tiles start from.
      const TTBBackground& background = p.y() < tbdBottom->y() ? skin.bgTop : skin.bgBottom;
      ASSERT_EQ(image.pixel(p), Expected(background, p)) << p.x() << "," << p.y();
    }
  }
}

}  // namespace
}  // namespace tessary::preview::testing
