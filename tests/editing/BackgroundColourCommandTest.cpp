// Backgrounds take pictures of any size, and the bottom one repaints the status-bar
// widgets that show it; colours and theme reach the view and what Save stores.
#include "CommandFixture.h"

namespace tessary::test {
namespace {

const std::vector<std::string> kStatusRepaints = {"repaint fpStatusText", "repaint fpConnection", "repaint fpSecure",
                                                  "repaint fpStopper", "repaint WBGauge"};

TEST_F(CommandTest, BackgroundsTakeAnySizeAndTheBottomOneRepaintsTheStatusBar) {
  for (Background which : {Background::bgTop, Background::bgBottom}) {
    const bool bottom = which == Background::bgBottom;
    SCOPED_TRACE(bottom);
    const TTBBackground& background = bottom ? skin.bgBottom : skin.bgTop;
    const std::vector<std::string> repaints = bottom ? kStatusRepaints : std::vector<std::string>{};
    const struct {
      std::string path;  // empty: cancelled
      int widthAfter;
      std::vector<std::string> log;
    } steps[] = {
        {PictureFile(300, 7), 300, repaints},
        {PictureFile(1, 1), 1, repaints},
        {WriteFile("text.bmp", Text("not a picture")), 1, {}},  // an error: the picture stays
        {"", 1, repaints},                                      // the bottom repaints when cancelled too
        {WriteFile("empty.bmp", {}), 0, repaints},              // an empty file removes the picture
    };
    for (const auto& step : steps) {
      step.path.empty() ? dialogs.CancelFile() : dialogs.AnswerFile(step.path);
      Run([&] { editor.ChangeBackground(which); });
      EXPECT_EQ(background.GetBitmap().Width(), step.widthAfter) << step.path;
      EXPECT_EQ(view.log, step.log) << step.path;
      view.log.clear();
    }
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    dialogs.boxes.clear();

    // The flag changes once for two clicks on "Stretch"; the bottom repaints each time.
    for (bool stretched : {true, true, false}) editor.SetBackgroundStretch(which, stretched);
    EXPECT_FALSE(background.StretchBitmap());
    EXPECT_EQ(view.log.size(), 3 * repaints.size());
    view.log.clear();
  }
  const SkinParts top = kPartTopBackground, bottom = kPartBottomBackground;
  EXPECT_EQ(partsAfter, (std::vector<SkinParts>{top, top, top, top, top, bottom, bottom, bottom, bottom, bottom}));
}

TEST_F(CommandTest, ColoursAndThemeReachTheViewAndWhatSaveStores) {
  editor.SetCaptionColour(clRed);
  EXPECT_EQ(view.log,
            (std::vector<std::string>{"S clRed", "repaint tbtMainMenu", "repaint tbtButtons", "repaint tbtAddressBar",
                                      "repaint tbtSearchBar", "font lblAddress clRed", "font lblSearchBar clRed",
                                      "font fpStopper clRed"}));
  view.log.clear();
  editor.SetProgressColour(0x00FF0000);
  // At start-up the list selects "MonaiXP" while "Default" is shown: a click applies it.
  editor.ApplyTheme("MonaiXP");
  editor.ApplyTheme("Xito");
  EXPECT_EQ(view.log, (std::vector<std::string>{"gauge clBlue", "theme MonaiXP", "theme Xito"}));
  EXPECT_EQ(partsAfter, (std::vector<SkinParts>{kPartTextColour, kPartGaugeColour, kPartThemeName}));

  const SkinHeader header = InspectSkinFile(SkinBytes(), SkinFileFormat::kSkn).header;
  EXPECT_EQ(header.textColorName, "clRed");
  EXPECT_EQ(header.gaugeColorName, "clBlue");
  EXPECT_EQ(header.themeName, "Xito");
  const ControlState state = editor.Controls();
  EXPECT_EQ(state.colorBoxEntries[static_cast<std::size_t>(state.colorBoxIndex)].text, "clRed");
  EXPECT_EQ(state.themeIndex, 7);
}

}  // namespace
}  // namespace tessary::test
