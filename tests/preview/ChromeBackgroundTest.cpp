// The docks' pictures on the whole mock-up: tiled or stretched, the picture runs on without
// a seam from each dock into its bars, their borders, the empty tab row and through the
// transparent status panels, spacers and gauge, aligned to the client origin of the dock's
// parent: the window for the top dock, the bottom panel for the bottom dock.
#include <QImage>

#include "preview/ChromeFixture.h"
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

// The picture's pixel at `p` of the dock's parent, whose client origin the tiles start at.
QRgb Expected(const TTBBackground& background, QPoint p) {
  const Bitmap& prepared = background.Prepared();
  return prepared.PixelAt(Mod(p.x(), prepared.Width()), Mod(p.y(), prepared.Height()));
}

// A point to look at: a widget and a point in it.
struct Spot {
  const QWidget* widget;
  QPoint at;
};

// Spots inside `area` of `widget` (shrunk by `inset`), every few pixels.
void AddInside(std::vector<Spot>& spots, const QWidget* widget, int inset, QRect area = {}) {
  if (area.isNull()) area = widget->rect();
  area.adjust(inset, inset, -inset, -inset);
  for (int y = area.top(); y <= area.bottom(); y += 3)
    for (int x = area.left(); x <= area.right(); x += 5) spots.push_back({widget, QPoint(x, y)});
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

    std::vector<Spot> spots;
    // The bottom dock: the empty tab row, and every transparent status widget inside its
    // frame (the secure panel's picture is empty and shows through too).
    AddInside(spots, bottom.tbtTabs, 0, bottom.tbtTabs->ClientRect());
    for (const QWidget* panel : {static_cast<QWidget*>(bottom.fpStatusText), static_cast<QWidget*>(bottom.fpConnection),
                                 static_cast<QWidget*>(bottom.fpSecure)})
      AddInside(spots, panel, 1);
    for (const char* spacer : {"BvStatus", "bcOnline", "bvSecure", "bvStopper"})
      AddInside(spots, bottom.tbtStatus->findChild<QWidget*>(spacer), 0);
    // The gauge's ring between frame and bar, and its empty part right of the text.
    const int gaugeWidth = bottom.WBGauge->width();
    for (int x = 1; x < gaugeWidth - 1; x += 4) spots.push_back({bottom.WBGauge, QPoint(x, 1)});
    spots.push_back({bottom.WBGauge, QPoint(gaugeWidth - 4, 9)});
    // The top dock: the empty ends of its stretched bars.
    for (const widgets::TTBXToolbar* bar : {top.TBXToolbar3, top.tbtButtons, top.tbtSearchBar}) {
      const QRect client = bar->ClientRect();
      for (int x = client.right() - 60; x < client.right(); x += 7)
        for (int y = client.top(); y <= client.bottom(); y += 4) spots.push_back({bar, QPoint(x, y)});
    }
    for (const Spot& spot : spots) {
      const bool onTop = tbdTop->isAncestorOf(spot.widget);
      const QWidget* dockParent = (onTop ? tbdTop : tbdBottom)->parentWidget();
      const QPoint shown = spot.widget->mapTo(window.get(), spot.at);
      const QRgb expected = Expected(onTop ? skin.bgTop : skin.bgBottom, spot.widget->mapTo(dockParent, spot.at));
      ASSERT_EQ(image.pixel(shown), expected)
          << spot.widget->objectName().toStdString() << " " << spot.at.x() << "," << spot.at.y();
    }
  }
}

}  // namespace
}  // namespace tessary::preview::testing
