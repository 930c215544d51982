// The status bar's flat panel and progress gauge on their own: what the gauge draws for
// edge values, its clamping setters, the text drawn twice over the bar, the panel's frame,
// caption placement, embossed disabled caption, transparency and the parent's colour.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <climits>

#include "preview/FlatPainting.h"
#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"

namespace tessary::preview {
namespace {

// A parent that paints one known colour, as the status bar paints the dock's picture.
class Backdrop : public QWidget {
 public:
  explicit Backdrop(QColor colour) : colour_(colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x40, 0x80, 0x20));
    setPalette(colours);
    QFont flat = font();
    flat.setPixelSize(11);
    flat.setStyleStrategy(QFont::NoAntialias);  // text pixels are exactly the pen colours
    setFont(flat);
    resize(300, 60);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

 private:
  QColor colour_;
};

QRgb Rgb(Colour colour) { return QtColour(colour).rgb(); }

// How many pixels of `image` inside `area` have colour `rgb`.
int Count(const QImage& image, const QRect& area, QRgb rgb) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == rgb ? 1 : 0;
  return n;
}

struct LookCase {
  const char* what;
  QSize size;
  std::int32_t minValue, maxValue, progress;
  int barWidth;
  const char* text;  // nullptr: no text
};

TEST(FlatGauge, DecidesBarAndTextForEdgeValues) {
  const LookCase cases[] = {
      {"half of 0..100 on the status bar's gauge", {145, 18}, 0, 100, 50, 70, "50 %"},
      {"no progress shows neither bar nor text", {145, 18}, 0, 100, 0, 0, nullptr},
      {"full progress fills the inner rectangle", {145, 18}, 0, 100, 100, 141, "100 %"},
      {"widths truncate, percentages truncate", {145, 18}, 0, 3, 1, 47, "33 %"},
      {"a shifted range counts from its lower end", {145, 18}, -50, 50, 0, 70, "50 %"},
      {"progress at a raised lower end is no progress", {145, 18}, 10, 20, 10, 0, nullptr},
      {"a range of no width divides nothing", {145, 18}, 7, 7, 7, 0, nullptr},
      {"the whole 32-bit range stays exact", {145, 18}, INT_MIN, INT_MAX, 0, 70, "50 %"},
      {"a gauge narrower than its frame", {3, 18}, 0, 100, 100, 0, "100 %"},
  };
  for (const LookCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TFlatGauge::Look look = TFlatGauge::LookFor(QRect(QPoint(0, 0), c.size), c.minValue, c.maxValue, c.progress);
    EXPECT_EQ(look.inner, QRect(2, 2, c.size.width() - 4, c.size.height() - 4));
    EXPECT_EQ(look.bar.width(), c.barWidth);
    EXPECT_EQ(look.bar.topLeft(), look.inner.topLeft());
    EXPECT_EQ(look.showText, c.text != nullptr);
    EXPECT_EQ(look.text, QString::fromLatin1(c.text != nullptr ? c.text : ""));
  }
}

TEST(FlatGauge, SettersKeepProgressInsideTheRange) {
  struct Step {
    const char* what;
    void (*apply)(TFlatGauge&);
    std::int32_t minValue, maxValue, progress;
  };
  const Step steps[] = {
      {"above the top is the top", [](TFlatGauge& g) { g.SetProgress(150); }, 0, 100, 100},
      {"below the bottom is the bottom", [](TFlatGauge& g) { g.SetProgress(-3); }, 0, 100, 0},
      {"lowering the top below progress lowers progress", [](TFlatGauge& g) { g.SetProgress(50), g.SetMaxValue(30); },
       0, 30, 30},
      {"the top never goes below the bottom", [](TFlatGauge& g) { g.SetMaxValue(-5); }, 0, 0, 0},
      {"raising the bottom above progress raises progress", [](TFlatGauge& g) { g.SetProgress(20), g.SetMinValue(40); },
       40, 100, 40},
      {"a bottom asked above the top stops at the top, and so does progress", [](TFlatGauge& g) { g.SetMinValue(200); },
       100, 100, 100},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    TFlatGauge gauge;
    step.apply(gauge);
    EXPECT_EQ(gauge.MinValue(), step.minValue);
    EXPECT_EQ(gauge.MaxValue(), step.maxValue);
    EXPECT_EQ(gauge.Progress(), step.progress);
  }
}

TEST(FlatGauge, DrawsFrameBarAndTheTextTwiceAcrossTheBar) {
  Backdrop backdrop(QColor(0x10, 0x20, 0x30));
  auto* gauge = new TFlatGauge(&backdrop);
  gauge->setGeometry(10, 10, 145, 18);
  gauge->SetProgress(50);
  gauge->SetBarColor(0x000000FF);  // red
  QPalette colours = gauge->palette();
  colours.setColor(QPalette::WindowText, Qt::black);
  gauge->setPalette(colours);
  backdrop.show();

  for (bool transparent : {false, true}) {
    SCOPED_TRACE(transparent ? "transparent" : "opaque");
    gauge->SetTransparent(transparent);
    const QImage image = backdrop.grab().toImage().copy(gauge->geometry());
    const QRgb background = transparent ? qRgb(0x10, 0x20, 0x30) : qRgb(0x40, 0x80, 0x20);
    const QRgb face = QtColour(gauge->Color()).rgb();
    EXPECT_EQ(face, qRgb(0x40, 0x80, 0x20)) << "the colour follows the parent's";
    EXPECT_EQ(image.pixel(0, 0), Rgb(kFlatFrameColour));
    EXPECT_EQ(image.pixel(144, 17), Rgb(kFlatFrameColour));
    EXPECT_EQ(image.pixel(1, 1), background) << "one pixel between frame and bar";
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(71, 15), qRgb(255, 0, 0)) << "bar ends at 2 + 70";
    EXPECT_EQ(image.pixel(72, 15), background);
    const QRect overBar(2, 2, 70, 14);
    const QRect pastBar(72, 2, 71, 14);
    EXPECT_EQ(Count(image, overBar, qRgb(0, 0, 0)), 0) << "no dark text over the bar";
    EXPECT_GT(Count(image, overBar, face), 0) << "the text over the bar is in the gauge's colour";
    EXPECT_GT(Count(image, pastBar, qRgb(0, 0, 0)), 0) << "the rest in the font colour";
  }
}

TEST(FlatGauge, AdvancedColoursDeriveTheBorderFromTheColour) {
  Backdrop backdrop(Qt::black);  // hands down 0x40, 0x80, 0x20
  auto* gauge = new TFlatGauge(&backdrop);
  EXPECT_EQ(gauge->ColorBorder(), kFlatFrameColour);
  gauge->SetAdvColorBorder(50);
  EXPECT_EQ(gauge->ColorBorder(), kFlatFrameColour) << "only with UseAdvColors on";
  gauge->SetUseAdvColors(true);
  EXPECT_EQ(gauge->ColorBorder(), 0x00104020u) << "the parent's colour, each channel halved";
  gauge->SetColor(0x00C8C8C8);
  EXPECT_EQ(gauge->ColorBorder(), 0x00646464u);
}

TEST(FlatPanel, PaintsFrameCaptionAndEmbossedDisabledCaption) {
  Backdrop backdrop(QColor(0x10, 0x20, 0x30));
  auto* panel = new TFlatPanel(&backdrop);
  panel->setGeometry(10, 10, 120, 18);
  panel->SetTransparent(true);
  panel->SetCaption(QStringLiteral("0 "));
  panel->SetColors(0, 0x00FFFFFF);
  panel->SetColors(1, 0x00000000);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
  panel->setPalette(colours);
  backdrop.show();

  struct Placement {
    TAlignment alignment;
    int from, to;  // where the caption's pixels lie
  };
  for (const Placement& p : {Placement{TAlignment::taLeftJustify, 1, 30},
                             Placement{TAlignment::taRightJustify, 90, 119}, Placement{TAlignment::taCenter, 45, 75}}) {
    panel->SetAlignment(p.alignment);
    const QImage image = backdrop.grab().toImage().copy(panel->geometry());
    const QRgb text = qRgb(0, 0, 255);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << "top-left in ColorHighLight";
    EXPECT_EQ(image.pixel(119, 0), qRgb(0, 0, 0)) << "the right edge whole in ColorShadow";
    EXPECT_EQ(image.pixel(0, 17), qRgb(0, 0, 0)) << "the bottom edge whole in ColorShadow";
    EXPECT_EQ(image.pixel(1, 1), qRgb(0x10, 0x20, 0x30)) << "transparent: the parent shows";
    const int inside = Count(image, QRect(p.from, 1, p.to - p.from + 1, 16), text);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(inside, Count(image, QRect(1, 1, 118, 16), text)) << "all caption pixels in place";
  }

  panel->setEnabled(false);
  const QImage disabled = backdrop.grab().toImage().copy(panel->geometry());
  const QRect inner(1, 1, 118, 16);
  EXPECT_EQ(Count(disabled, inner, qRgb(0, 0, 255)), 0) << "whatever the font colour";
  EXPECT_GT(Count(disabled, inner, Rgb(clBtnHighlight)), 0);
  EXPECT_GT(Count(disabled, inner, Rgb(clBtnShadow)), 0);

  panel->SetTransparent(false);
  const QImage opaque = backdrop.grab().toImage().copy(panel->geometry());
  EXPECT_EQ(opaque.pixel(1, 1), qRgb(0x40, 0x80, 0x20)) << "opaque: the parent's colour";
  panel->SetColor(0x00FF0000);
  EXPECT_FALSE(panel->ParentColor());
  EXPECT_EQ(backdrop.grab().toImage().pixel(11, 11), qRgb(0, 0, 255)) << "own colour, 0x00BBGGRR";
}

TEST(FlatPanel, IsNamedByCaptionOrHintForAssistiveTools) {
  TFlatPanel panel;
  panel.setToolTip(QStringLiteral("The number of blocked popup pages."));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&panel);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("The number of blocked popup pages."));
  panel.SetCaption(QStringLiteral("0 "));
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("0"));
  EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("The number of blocked popup pages."));
}

}  // namespace
}  // namespace tessary::preview
