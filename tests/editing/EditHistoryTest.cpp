// Undo and redo: every kind of change goes back and forth exactly, through the same view
// calls as the command; refused and failed commands leave no step; the step limit; steps
// share the images they did not change; the modified mark follows saves and opens.
#include "CommandFixture.h"
#include "editing/EditHistory.h"

namespace tessary::test {
namespace {

using enum ImageSlotCommand;

// What the control panel shows; ColorBox's entries too (an undone Open takes away the
// colour it brought to the list).
struct Shown {
  bool topStretch, bottomStretch;
  std::string colour;
  std::vector<ColorBoxEntry> colours;
  Colour button;
  int theme;
  bool operator==(const Shown&) const = default;
};

// The view's calls without the values they pass: the same controls asked the same things.
std::vector<std::string> CallsOf(const std::vector<std::string>& log) {
  std::vector<std::string> calls;
  for (const std::string& line : log) {
    const bool namesTarget = line.rfind("repaint ", 0) == 0 || line.rfind("font ", 0) == 0;
    std::size_t end = line.find(' ');
    if (namesTarget && end != std::string::npos) end = line.find(' ', end + 1);
    calls.push_back(line.substr(0, end));
  }
  return calls;
}

class HistoryTest : public CommandTest {
 protected:
  Shown Controls() const {
    const ControlState state = editor.Controls();
    return {state.topStretch,
            state.bottomStretch,
            state.colorBoxEntries[static_cast<std::size_t>(state.colorBoxIndex)].text,
            {state.colorBoxEntries.begin(), state.colorBoxEntries.end()},
            state.buttonColour,
            state.themeIndex};
  }
  // An old skin file: the stretch bytes, then the records up to ilDown's.
  Bytes OldSkinFile(const Skin& source) const {
    const Bytes skn = BuildSkinFile(source);
    const SkinFileInfo info = InspectSkinFile(skn, SkinFileFormat::kSkn);
    Bytes crs(skn.begin(), skn.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
    crs.erase(crs.begin() + 2, crs.begin() + 204);
    return crs;
  }

  // One change of each kind, as the window's controls make them.
  struct Change {
    const char* name;
    std::function<void()> make;
  };
  std::vector<Change> EveryKindOfChange(const std::string& sknPath, const std::string& crsPath) {
    return {
        // Large buttons appended to a short list: the step takes the list's length back.
        {"large slot appended", [this] { editor.ReplaceImageSlotWith(actLCBackExecute, 20, Picture(24, 24)); }},
        {"Hot slot 0", [this] { editor.ReplaceImageSlotWith(actHPreExecute, 0, Picture(21, 21)); }},
        {"tab image 5", [this] { editor.ReplaceImageSlotWith(XP_Button1Click, 5, Picture(18, 18)); }},
        {"top picture", [this] { editor.SetBackgroundPicture(Background::bgTop, Picture(30, 4)); }},
        {"bottom picture", [this] { editor.SetBackgroundPicture(Background::bgBottom, Picture(2, 9)); }},
        {"top stretched", [this] { editor.SetBackgroundStretch(Background::bgTop, true); }},
        {"bottom stretched", [this] { editor.SetBackgroundStretch(Background::bgBottom, true); }},
        {"caption colour", [this] { editor.SetCaptionColour(clRed); }},
        {"progress colour", [this] { editor.SetProgressColour(0x00FF0000); }},
        {"theme", [this] { editor.ApplyTheme("Xito"); }},
        {"Open", [this, sknPath] { editor.OpenFromFile(sknPath); }},
        {"Import", [this, crsPath] { editor.ImportFromFile(crsPath); }},
    };
  }

  EditHistory history{editor};
};

TEST_F(HistoryTest, EveryKindOfChangeGoesBackAndForthThroughTheCommandsViewCalls) {
  // A file to open and an old one to import, each different from every state below.
  Skin other;
  LoadStartupSkin(other);
  other.bgTop.SetBitmap(Picture(3, 3));
  other.bgBottom.SetStretchBitmap(true);
  other.ilDown.ReplaceImage(4, Picture(21, 21), clNone);
  other.ilMain.ReplaceImage(7, Picture(16, 16), clFuchsia);
  other.textColour = 0x00123456;  // not offered by ColorBox: added on open
  other.gaugeColour = clRed;
  other.themeName = "roma";
  const std::string skn = WriteFile("other.skn", BuildSkinFile(other));
  other.ilLButtons.ReplaceImage(2, Picture(24, 24), clFuchsia);
  const std::string crs = WriteFile("other.crs", OldSkinFile(other));
  std::vector<ImageList::Image> shortList;
  for (int i = 0; i < 15; ++i) shortList.push_back(skin.ilLButtons.ImageAt(i));
  skin.ilLButtons.SetContent(24, 24, skin.ilLButtons.Capacity(), shortList);

  // Each change alone: undo gives the skin and the controls as before, with the view
  // asked exactly what the command asked (and the controls made to show the skin); redo
  // gives the state after.
  std::vector<Bytes> states = {SkinBytes()};
  std::vector<Shown> shown = {Controls()};
  for (const Change& change : EveryKindOfChange(skn, crs)) {
    SCOPED_TRACE(change.name);
    view.log.clear();
    change.make();
    const std::vector<std::string> commandLog = view.log;
    ASSERT_NE(SkinBytes(), states.back());
    states.push_back(SkinBytes());
    shown.push_back(Controls());

    view.log.clear();
    history.Undo();
    EXPECT_EQ(SkinBytes(), states[states.size() - 2]);
    EXPECT_EQ(Controls(), shown[shown.size() - 2]);
    std::vector<std::string> undoLog = view.log;
    const bool wholeSkin = change.name == std::string("Open") || change.name == std::string("Import");
    if (!wholeSkin) {
      ASSERT_EQ(undoLog.back(), "controls");
      undoLog.pop_back();
    }
    EXPECT_EQ(CallsOf(undoLog), CallsOf(commandLog));

    view.log.clear();
    history.Redo();
    EXPECT_EQ(SkinBytes(), states.back());
    EXPECT_EQ(Controls(), shown.back());
    EXPECT_EQ(view.log.size(), commandLog.size() + (wholeSkin ? 0 : 1));
  }
  // All of them mixed, back to the start and forward to the end, state by state.
  ASSERT_EQ(history.UndoCount(), states.size() - 1);
  for (std::size_t i = states.size() - 1; i-- > 0;) {
    history.Undo();
    EXPECT_EQ(SkinBytes(), states[i]) << i;
    EXPECT_EQ(Controls(), shown[i]) << i;
  }
  EXPECT_FALSE(history.CanUndo());
  for (std::size_t i = 1; i < states.size(); ++i) {
    history.Redo();
    EXPECT_EQ(SkinBytes(), states[i]) << i;
  }
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(HistoryTest, RefusedAndFailedCommandsLeaveNoStepAndKeepTheRedos) {
  Bytes whole = BuildSkinFile(skin);
  whole.resize(900);
  const std::string cut = WriteFile("cut.skn", whole);
  const std::vector<std::function<void()>> nothingDone = {
      [&] { editor.ReplaceImageSlotWith(actHPreExecute, 0, Picture(24, 24)); },                     // wrong size
      [&] { editor.ReplaceImageSlotFromFile(actHPreExecute, 0, WriteFile("x.bmp", Text("no"))); },  // no picture
      [&] { editor.ReplaceImageSlotWith(actHPreExecute, 11, Picture(21, 21)); },                    // no such slot
      [&] {
        dialogs.CancelFile();
        editor.ChangeBackground(Background::bgBottom);
      },                                  // cancelled
      [&] { editor.OpenFromFile(cut); },  // a cut file
      [&] { editor.ImportFromFile((folder / "missing.crs").string()); },
      [&] { editor.SetCaptionColour(skin.textColour); },  // the colour it has
      [&] { editor.SetBackgroundStretch(Background::bgTop, false); },
  };
  for (const auto& command : nothingDone) Run(command);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.Modified());
  history.Undo();  // nothing to undo: nothing happens
  EXPECT_TRUE(view.shown.empty());

  editor.SetProgressColour(clRed);
  editor.SetProgressColour(clWhite);
  history.Undo();
  for (const auto& command : nothingDone) Run(command);
  EXPECT_EQ(history.UndoCount(), 1u);
  EXPECT_EQ(history.RedoCount(), 1u);
  // A new change ends the undone ones.
  editor.ApplyTheme("Roma");
  EXPECT_EQ(history.UndoCount(), 2u);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(HistoryTest, KeepsTheLastHundredStepsSharingTheImagesTheyDidNotChange) {
  ImageList& list = skin.ilHot;
  std::vector<const ImageList::Image*> start;
  for (int i = 0; i < list.ImageCount(); ++i) start.push_back(list.SharedImage(i).get());
  const Bitmap pictures[] = {Picture(21, 21), Bitmap::FromArgb(21, 21, std::vector<Argb>(21 * 21, 0xFF102030))};
  std::vector<const ImageList::Image*> changed;  // slot 3's image after each change
  for (int n = 0; n < 105; ++n) {
    editor.ReplaceImageSlotWith(actHPreExecute, 3, pictures[n % 2]);
    changed.push_back(list.SharedImage(3).get());
  }
  EXPECT_EQ(history.UndoCount(), EditHistory::kMaxSteps);
  for (int n = 0; n < 100; ++n) history.Undo();
  EXPECT_FALSE(history.CanUndo());
  // Back at the state after the fifth change: the same image objects, not copies.
  EXPECT_EQ(list.SharedImage(3).get(), changed[4]);
  for (int i = 0; i < list.ImageCount(); ++i) {
    if (i == 3) continue;
    EXPECT_EQ(list.SharedImage(i).get(), start[static_cast<std::size_t>(i)]) << i;
  }
  for (int n = 0; n < 100; ++n) history.Redo();
  EXPECT_EQ(list.SharedImage(3).get(), changed.back());
  // An image no step changed is held once, by the list and the copies before and after
  // each step alike.
  EXPECT_EQ(list.SharedImage(0).use_count(), 1 + 2 * 100);
}

// The file last saved or opened, and whether the skin differs from it, go back and forth
// with undone and redone Opens: undone, the window holds what it held before the Open.
TEST_F(HistoryTest, ModifiedAndTheFileFollowSavesOpensAndTheirUndos) {
  const std::string saved = (folder / "saved.skn").string();
  const std::string second = (folder / "second.skn").string();
  const std::string opened = WriteFile("opened.skn", BuildSkinFile(skin));
  const struct {
    const char* step;
    std::function<void()> run;
    std::string file;
    bool modified;
  } steps[] = {
      {"start", [] {}, "", false},
      {"change", [&] { editor.SetProgressColour(clRed); }, "", true},
      {"undo to the start", [&] { history.Undo(); }, "", false},
      {"redo", [&] { history.Redo(); }, "", true},
      {"save", [&] { editor.SaveToFile(saved); }, saved, false},
      {"change", [&] { editor.ApplyTheme("Xito"); }, saved, true},
      {"undo to the save", [&] { history.Undo(); }, saved, false},
      {"undo past the save", [&] { history.Undo(); }, saved, true},
      {"open", [&] { editor.OpenFromFile(opened); }, opened, false},
      {"undo the open", [&] { history.Undo(); }, saved, true},
      {"redo the open", [&] { history.Redo(); }, opened, false},
      {"undo it again", [&] { history.Undo(); }, saved, true},
      {"save while it is undone", [&] { editor.SaveToFile(second); }, second, false},
      {"redo the open", [&] { history.Redo(); }, opened, false},
      {"undo: the file saved meanwhile", [&] { history.Undo(); }, second, false},
      {"clear", [&] { history.Clear(); }, second, false},
  };
  int told = 0;
  const Connection watch = history.OnStateChanged([&] { ++told; });
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.run();
    EXPECT_EQ(history.File(), step.file);
    EXPECT_EQ(history.Modified(), step.modified);
  }
  EXPECT_FALSE(history.CanUndo() || history.CanRedo());
  EXPECT_EQ(told, 16);  // once a step, twice for the Open (its change, then its file)
}

}  // namespace
}  // namespace tessary::test
