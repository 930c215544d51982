// Switching between the eight themes: their names and order, names in any letter case,
// the notice on switching to the current theme, and what a switch does to bars, their
// dock, its stretched picture and the child controls of a tool window.
#include <QLabel>

#include "skin/TTBBackground.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/TTBXSwitcher.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/ToolbarFixture.h"
#include "widgets/themes/ThemeColours.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets::testing {
namespace {

// Records which phases of the notice arrive.
struct PhaseLog : ThemeNotifiable {
  void ThemeChanged(int phase) override { phases.push_back(phase); }
  std::vector<int> phases;
};

Colour NexosMarks() { return dynamic_cast<const ThemePainter&>(CurrentTheme()).Palette().mark; }

TEST(ThemeSwitch, TheEightThemesAreRegisteredInOrderWithDefaultCurrent) {
  const QStringList expected{"Default",          "OfficeXP", "Tristan2", "MonaiXP",
                             "Office11Adaptive", "Roma",     "Nexos4",   "Xito"};
  EXPECT_EQ(RegisteredThemeNames().mid(0, 8), expected);
  EXPECT_EQ(ActiveThemeName(), "Default");
}

TEST(ThemeSwitch, NamesInAnyCaseSwitchUnknownOnesDoNotAndTheCurrentOneIsSetUpAgain) {
  const Colour savedS = SkinTextColour();
  TTBXSwitcher switcher;
  switcher.SetTheme("nexos4");
  EXPECT_EQ(switcher.Theme(), "Nexos4");
  PhaseLog log;
  switcher.SetTheme("Nexos");  // not registered: nothing happens
  EXPECT_EQ(switcher.Theme(), "Nexos4");
  EXPECT_TRUE(log.phases.empty());

  // The check marks come from S when the instance is set up, not when S changes.
  SetSkinTextColour(clWhite);
  const Colour before = NexosMarks();
  EXPECT_EQ(before, ContrastAdjusted(savedS, 0x00F4F4F4, 180));
  switcher.SetTheme("NEXOS4");  // the current theme: released, created again, full notice
  EXPECT_EQ(switcher.Theme(), "Nexos4");
  EXPECT_EQ(log.phases, (std::vector<int>{tcBeforeChange, tcColoursChanged, tcAfterChange}));
  const Colour white = NexosMarks();
  EXPECT_EQ(white, ContrastAdjusted(clWhite, 0x00F4F4F4, 180));
  EXPECT_LE(Lightness(white), 0xF4 - 180);  // a white S would vanish on the light menu

  // A change of the system colours sets the live instance up again.
  SetSkinTextColour(0x000000C0);  // dark red: dark enough already
  NotifySystemChange();
  EXPECT_EQ(NexosMarks(), 0x000000C0u);

  SetSkinTextColour(savedS);
  switcher.SetTheme("Default");
}

class ThemeSwitchDock : public DockWindowTest {};

TEST_F(ThemeSwitchDock, BarsTakeTheNewMetricsAndTheDockItsPictureAndChildrenFollow) {
  TTBXToolbar* bar = MakeBar("Bar", 3);
  bar->DockTo(top, 0);
  auto* status = new TTBXToolWindow;
  auto* panel = new QLabel("Done");
  status->AddChild(panel);
  status->SetClientAreaSize(QSize(0, 18));
  status->DockTo(bottom, 0);
  TTBBackground picture;
  picture.SetBitmap(Bitmap::FromArgb(4, 4, std::vector<Argb>(16, 0xFF806040u)));
  picture.SetStretchBitmap(true);
  top->SetBackground(&picture);
  Settle();
  const int defaultHeight = top->height();

  SwitchTheme("Xito");  // roomier buttons: a taller bar
  Settle();
  EXPECT_EQ(bar->height(), bar->BarSizeFor(-1).height());
  EXPECT_GT(top->height(), defaultHeight);
  EXPECT_EQ(top->height(), bar->height());
  EXPECT_EQ(picture.StretchHeight(), top->ClientRect().height());
  EXPECT_EQ(panel->palette().color(QPalette::Window), CurrentTheme().ViewColour(status->ViewKind()));
  EXPECT_NE(panel->palette().color(QPalette::Window), ToQColor(clBtnFace));

  SwitchTheme("Default");
  Settle();
  EXPECT_EQ(top->height(), defaultHeight);
  EXPECT_EQ(picture.StretchHeight(), defaultHeight);
  top->SetBackground(nullptr);
}

}  // namespace
}  // namespace tessary::widgets::testing
