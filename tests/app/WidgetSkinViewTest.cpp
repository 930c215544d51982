// The window's side of the commands: named repaints reach the bound widgets (the whole
// window for frmMain), font colours their palettes, S the theme layer, themes the switch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "app/WidgetSkinView.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/DefaultTheme.h"

namespace tessary::app {
namespace {

struct PaintCounter : QWidget {
  using QWidget::QWidget;
  void paintEvent(QPaintEvent*) override { ++paints; }
  int paints = 0;
};

TEST(WidgetSkinView, CarriesOutWhatTheCommandsAsk) {
  widgets::TTBXSwitcher switcher;
  WidgetSkinView view(switcher);
  QWidget window;
  auto* gauge = new PaintCounter(&window);
  auto* inner = new PaintCounter(gauge);
  auto* label = new QLabel(QStringLiteral("Address"), &window);
  label->setGeometry(0, 40, 100, 20);
  // A panel that fills its own background, as the sample rows do, with a sample in it.
  auto* panel = new QWidget(&window);
  panel->setAutoFillBackground(true);
  panel->setGeometry(0, 80, 100, 30);
  auto* sample = new PaintCounter(panel);
  sample->setGeometry(5, 5, 21, 21);
  window.resize(120, 120);
  window.show();
  QApplication::processEvents();
  view.Bind(RepaintTarget::WBGauge, gauge);
  view.Bind(RepaintTarget::lblAddress, label);
  view.Bind(RepaintTarget::frmMain, &window);

  gauge->paints = inner->paints = 0;
  view.Repaint(RepaintTarget::tbtMDIControl);  // not bound: nothing
  view.Repaint(RepaintTarget::WBGauge);
  QApplication::processEvents();
  EXPECT_EQ(gauge->paints, 1);
  gauge->paints = inner->paints = sample->paints = 0;
  view.Repaint(RepaintTarget::frmMain);  // the window and everything in it, each once
  QApplication::processEvents();
  EXPECT_EQ(gauge->paints, 1);
  EXPECT_EQ(inner->paints, 1);
  EXPECT_EQ(sample->paints, 1) << "inside a panel that paints its whole area";

  view.SetFontColour(RepaintTarget::lblAddress, clRed);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
  view.SetSkinTextColour(0x00123456);
  EXPECT_EQ(widgets::SkinTextColour(), 0x00123456u);
  widgets::SetSkinTextColour(clBtnText);

  widgets::AddThemeClass(QStringLiteral("SkinViewProbe"), widgets::CreateDefaultTheme);
  view.SwitchTheme("skinviewprobe");
  EXPECT_EQ(widgets::ActiveThemeName(), QStringLiteral("SkinViewProbe"));
  view.SwitchTheme(widgets::kDefaultThemeName);
}

}  // namespace
}  // namespace tessary::app
