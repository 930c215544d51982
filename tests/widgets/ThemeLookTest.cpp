// The eight themes as painted: the demo's dock looks different under each, captions stay
// legible on the faces behind them in every state, a button's states tell apart, and rounded
// bar ends show the dock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <set>

#include "widgets/DockBackground.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/demo/DemoScene.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

const QStringList kThemes{"Default", "OfficeXP", "Tristan2", "MonaiXP", "Office11Adaptive", "Roma", "Nexos4", "Xito"};

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

TEST(ThemeLooks, TheDemoDockLooksDifferentUnderEveryTheme) {
  DemoScene scene;
  scene.window.show();
  std::vector<QImage> docks;
  for (const QString& name : kThemes) {
    SwitchTheme(name);
    Settle();
    docks.push_back(scene.top->grab().toImage());
  }
  SwitchTheme("Default");
  for (std::size_t i = 0; i < docks.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_NE(docks[i], docks[j]) << qPrintable(kThemes[int(i)]) << " looks like " << qPrintable(kThemes[int(j)]);
    }
  }
}

TEST(ThemeLooks, RoundedBarEndsShowTheDockAtTheirCorners) {
  DemoScene scene;
  scene.window.show();
  SwitchTheme("Office11Adaptive");
  Settle();
  const QImage dock = scene.top->grab().toImage();
  QImage face(scene.top->size(), QImage::Format_RGB32);
  QPainter painter(&face);
  scene.top->PaintFace(painter, scene.top->ClientRect(), BackgroundOrigin(scene.top, scene.top));
  painter.end();
  const QPoint corner = scene.large->geometry().topLeft();
  const QPoint inside = scene.large->geometry().center();
  EXPECT_EQ(dock.pixel(corner), face.pixel(corner));
  EXPECT_NE(dock.pixel(inside), face.pixel(inside));
  SwitchTheme("Default");
}

// Contrast of two colours as the web's accessibility guidelines define it (1 to 21).
double Luminance(QColor c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double Contrast(QColor a, QColor b) {
  const double x = Luminance(a), y = Luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

struct LegibleCase {
  const char* what;
  ItemState state;
};

std::vector<LegibleCase> EnabledStates() {
  std::vector<LegibleCase> cases;
  const auto add = [&](const char* what, int viewKind, int hover, bool pushed, bool checked, int split = spNone) {
    ItemState s;
    s.viewKind = viewKind;
    s.options = (viewKind & vkPopup) == vkPopup ? 0 : ioToolbarStyle;
    s.hoverKind = hover;
    s.pushed = pushed;
    s.checked = checked;
    s.splitPart = split;
    s.popupParent = split == spSplitCaption && pushed;
    if (s.popupParent) s.pushed = false;
    cases.push_back({what, s});
  };
  add("bar button", vkToolbar, hkNone, false, false);
  add("hovered bar button", vkToolbar, hkHot, false, false);
  add("pushed bar button", vkToolbar, hkHot, true, false);
  add("checked bar button", vkToolbar, hkNone, false, true);
  add("hovered checked bar button", vkToolbar, hkHot, false, true);
  add("split caption with its list open", vkToolbar, hkHot, true, false, spSplitCaption);
  add("menu-bar item", vkMenuBar, hkNone, false, false);
  add("hovered menu-bar item", vkMenuBar, hkHot, false, false);
  add("open menu-bar item", vkMenuBar, hkHot, true, false);
  add("menu line", vkPopupMenu, hkNone, false, false);
  add("hovered menu line", vkPopupMenu, hkHot, false, false);
  add("hovered checked menu line", vkPopupMenu, hkHot, false, true);
  return cases;
}

TEST(ThemeLooks, CaptionsInTheDefaultSkinColourStandOutOfEveryFaceInEveryTheme) {
  const Colour savedS = SkinTextColour();
  SetSkinTextColour(clBtnText);
  for (const QString& name : kThemes) {
    Theme* theme = UseTheme(name);
    const auto& painter = dynamic_cast<const ThemePainter&>(*theme);
    for (const LegibleCase& c : EnabledStates()) {
      SCOPED_TRACE(qPrintable(name + ": " + c.what));
      QImage image(60, 24, QImage::Format_RGB32);
      QPainter p(&image);
      if (c.state.InPopup()) painter.PaintPopupBackground(p, image.rect(), c.state.viewKind, 0);
      else painter.PaintBarBackground(p, image.rect(), c.state.viewKind);
      painter.PaintItemFrame(p, image.rect(), c.state);
      p.end();
      const QColor text = ToQColor(painter.CaptionPasses(c.state)[0].colour);
      double worst = 21;
      for (int y : {7, 12, 17}) worst = std::min(worst, Contrast(text, QColor(image.pixel(30, y))));
      EXPECT_GE(worst, 3.0);
    }
    UnuseTheme(theme);
  }
  SetSkinTextColour(savedS);
}

// How far two pictures of a bar button are apart: the mean colour distance inside the face
// and the largest one on its frame.
struct FaceDistance {
  double inside = 0;
  int frame = 0;
};
FaceDistance Distance(const QImage& a, const QImage& b) {
  FaceDistance d;
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p(a.pixel(x, y)), q(b.pixel(x, y));
      const int delta = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
      if (QRect(3, 3, a.width() - 6, a.height() - 6).contains(x, y)) {
        d.inside += delta;
        ++count;
      } else {
        d.frame = std::max(d.frame, delta);
      }
    }
  }
  d.inside /= count;
  return d;
}

TEST(ThemeLooks, EveryButtonStateLooksDifferentFromItsNeighboursInEveryTheme) {
  enum { kPlain, kHot, kPushed, kChecked, kCheckedHot };
  const std::pair<std::size_t, std::size_t> pairs[] = {
      {kPlain, kHot}, {kPlain, kChecked}, {kHot, kPushed}, {kHot, kChecked}, {kChecked, kCheckedHot}};
  const char* names[] = {"plain", "hovered", "pushed", "checked", "hovered checked"};
  for (const QString& name : kThemes) {
    Theme* theme = UseTheme(name);
    std::vector<QImage> faces;
    for (int i = kPlain; i <= kCheckedHot; ++i) {
      ItemState s;
      s.viewKind = vkToolbar;
      s.options = ioToolbarStyle;
      s.hoverKind = i == kHot || i == kPushed || i == kCheckedHot ? hkHot : hkNone;
      s.pushed = i == kPushed;
      s.checked = i == kChecked || i == kCheckedHot;
      QImage image(40, 24, QImage::Format_RGB32);
      QPainter p(&image);
      theme->PaintBarBackground(p, image.rect(), s.viewKind);
      theme->PaintItemFrame(p, image.rect(), s);
      faces.push_back(image);
    }
    for (const auto& [a, b] : pairs) {
      const FaceDistance d = Distance(faces[a], faces[b]);
      EXPECT_TRUE(d.inside >= 32 || d.frame >= 60) << qPrintable(name) << ": " << names[a] << " and " << names[b]
                                                   << " look alike (" << d.inside << ", " << d.frame << ")";
    }
    UnuseTheme(theme);
  }
}

// What tells a hovered, pressed or checked button from its bar: somewhere on it a colour
// that stands out from the bar at least as far as the accessibility guidelines ask of a
// control's outline (3 : 1).
constexpr double kStateContrast = 3.0;

TEST(ThemeLooks, XitoButtonsInEveryStateStandOutOfTheWhiteBar) {
  Theme* theme = UseTheme("Xito");
  const auto& painter = dynamic_cast<const ThemePainter&>(*theme);
  for (const LegibleCase& c : EnabledStates()) {
    if (c.state.hoverKind == hkNone && !c.state.pushed && !c.state.checked && !c.state.popupParent) continue;
    SCOPED_TRACE(c.what);
    QImage bare(60, 24, QImage::Format_RGB32);
    QPainter p(&bare);
    if (c.state.InPopup()) painter.PaintPopupBackground(p, bare.rect(), c.state.viewKind, 0);
    else painter.PaintBarBackground(p, bare.rect(), c.state.viewKind);
    p.end();
    QImage shown = bare.copy();
    p.begin(&shown);
    painter.PaintItemFrame(p, shown.rect(), c.state);
    p.end();
    double best = 1;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        best = std::max(best, Contrast(QColor(shown.pixel(x, y)), QColor(bare.pixel(x, y))));
    EXPECT_GE(best, kStateContrast);
  }
  UnuseTheme(theme);
}

TEST(ThemeLooks, DropDownAndSplitArrowsAreDrawnInTheirCaptionsColoursInEveryTheme) {
  const Colour savedS = SkinTextColour();
  const struct {
    const char* what;
    int split;
    int hover;
    bool pushed;
    bool checked;
    bool enabled;
  } kStates[] = {
      {"split arrow", spSplitArrow, hkNone, false, false, true},
      {"hovered split arrow", spSplitArrow, hkHot, false, false, true},
      {"split arrow with its list open", spSplitArrow, hkHot, true, false, true},
      {"checked split arrow", spSplitArrow, hkNone, false, true, true},
      {"disabled split arrow", spSplitArrow, hkNone, false, false, false},
      {"drop-down arrow", spDropDown, hkNone, false, false, true},
      {"pushed drop-down arrow", spDropDown, hkHot, true, false, true},
  };
  const QColor background(40, 60, 90);  // a dark picture under the bar
  for (const Colour s : {clWhite, Rgb(200, 0, 160)}) {
    SetSkinTextColour(s);
    for (const QString& name : kThemes) {
      Theme* theme = UseTheme(name);
      const auto& painter = dynamic_cast<const ThemePainter&>(*theme);
      for (const auto& c : kStates) {
        ItemState state;
        state.viewKind = vkToolbar;
        state.options = ioToolbarStyle;
        state.splitPart = c.split;
        state.hoverKind = c.hover;
        state.pushed = c.pushed;
        state.checked = c.checked;
        state.enabled = c.enabled;
        const CaptionDraws passes = painter.CaptionPasses(state);
        std::set<QRgb> captionColours;
        for (const CaptionDraw& pass : passes) captionColours.insert(ToQColor(pass.colour).rgb());
        const QRgb last = ToQColor(passes[passes.size() - 1].colour).rgb();
        for (const qreal scale : {1.0, 1.5, 2.0}) {
          SCOPED_TRACE(qPrintable(QString("%1, S %2, %3 at %4").arg(name).arg(s, 6, 16).arg(c.what).arg(scale)));
          QImage image(QSize(14, 22) * scale, QImage::Format_RGB32);
          image.setDevicePixelRatio(scale);
          image.fill(background);
          QPainter p(&image);
          painter.PaintDropDownArrow(p, QRect(0, 0, 14, 22), state);
          p.end();
          bool lastShows = false;
          for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
              const QRgb pixel = image.pixel(x, y);
              lastShows = lastShows || pixel == last;
              // Whole pixels only where nothing is resampled.
              if (scale != 1.5 && pixel != background.rgb()) {
                ASSERT_EQ(captionColours.count(pixel), 1u) << x << ", " << y;
              }
            }
          }
          EXPECT_TRUE(lastShows);
        }
      }
      UnuseTheme(theme);
    }
  }
  SetSkinTextColour(savedS);
}

}  // namespace
}  // namespace tessary::widgets
