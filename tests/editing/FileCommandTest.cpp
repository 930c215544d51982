// Save, Open and Import: a saved skin opens to the same skin and controls; header values
// the controls cannot show are mended; a failed Open or Import changes nothing at all, and
// a failed Save leaves the old file as it was.
#include "CommandFixture.h"

namespace tessary::test {
namespace {

using Box = ScriptedDialogs::Box;

// A file whose header holds the given texts (the images are the start-up skin's).
Bytes SkinFileWith(Colour textColour, const std::string& themeName) {
  Skin source;
  LoadStartupSkin(source);
  source.textColour = textColour;
  source.themeName = themeName;
  return BuildSkinFile(source);
}

// An old skin file of a skin: its stretch bytes and its records up to ilDown's.
Bytes OldSkinFileOf(const Skin& source) {
  const Bytes skn = BuildSkinFile(source);
  const SkinFileInfo info = InspectSkinFile(skn, SkinFileFormat::kSkn);
  Bytes crs(skn.begin(), skn.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
  crs.erase(crs.begin() + 2, crs.begin() + 204);
  return crs;
}

TEST_F(CommandTest, SavedSkinOpensToTheSameSkinAndControls) {
  dialogs.AnswerFile(PictureFile(24, 24));
  dialogs.AnswerFile(PictureFile(40, 3));
  editor.ReplaceImageSlot(ImageSlotCommand::actLCBackExecute, 5);
  editor.ChangeBackground(Background::bgBottom);
  editor.SetBackgroundStretch(Background::bgTop, true);
  editor.SetCaptionColour(clRed);
  editor.SetProgressColour(0x00123456);
  editor.ApplyTheme("Xito");
  const std::string path = (folder / "mine.skn").string();
  dialogs.AnswerFile(path);
  dialogs.CancelFile();
  EXPECT_TRUE(Run([&] { editor.Save(); }));
  EXPECT_TRUE(Run([&] { editor.Save(); }));  // cancelled: nothing written
  EXPECT_EQ(ReadWholeFile(path), SkinBytes());

  Skin reopened;
  LoadStartupSkin(reopened);
  RecordingView reopenedView;
  SkinEditor second(reopened, dialogs, reopenedView);
  dialogs.AnswerFile(path);
  EXPECT_TRUE(Run([&] { second.Open(); }));
  EXPECT_EQ(BuildSkinFile(reopened), SkinBytes());
  EXPECT_EQ(dialogs.fileQuestions.back(), FileDialogId::SknOpenDialog);
  EXPECT_EQ(
      reopenedView.log,
      (std::vector<std::string>{"theme Xito", "gauge $00123456", "S clRed", "repaint tbtMainMenu", "repaint tbtButtons",
                                "repaint tbtAddressBar", "repaint tbtSearchBar", "font lblAddress clRed",
                                "font lblSearchBar clRed", "font fpStopper clRed", "controls", "repaint frmMain"}));
  const ControlState& shown = reopenedView.shown.at(0).state;
  EXPECT_EQ(shown, second.Controls());
  EXPECT_TRUE(shown.topStretch);
  EXPECT_FALSE(shown.bottomStretch);
  EXPECT_EQ(reopenedView.shown[0].entries.at(static_cast<std::size_t>(shown.colorBoxIndex)).text, "clRed");
  EXPECT_EQ(shown.buttonColour, 0x00123456u);
  EXPECT_EQ(shown.themeIndex, 7);
}

// A caption colour ColorBox does not offer becomes an entry of its own and is saved as it
// came; a theme name in other letter case is the list's entry; one the list does not hold
// leaves theme and selection alone.
TEST_F(CommandTest, OpenShowsEveryHeaderValueAndSavesItBack) {
  const struct {
    Colour textColour;
    std::string themeName;
    int entryCount, colorBoxIndex;
    std::string savedColour, savedTheme;
    bool switches;
  } cases[] = {
      {0x00123456, "xito", 51, 50, "$00123456", "Xito", true},
      {0x00123456, "Roma", 51, 50, "$00123456", "Roma", true},  // the same colour again: no second entry
      {clNone, "Nexos", 52, 51, "clNone", "Roma", false},
      {0x00000080, "DEFAULT", 52, 1, "clMaroon", "Default", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.themeName);
    view.log.clear();
    view.shown.clear();
    editor.OpenFromBytes(SkinFileWith(c.textColour, c.themeName));
    const ControlState& shown = view.shown.at(0).state;
    EXPECT_EQ(view.shown[0].entries.size(), static_cast<std::size_t>(c.entryCount));
    EXPECT_EQ(shown.colorBoxIndex, c.colorBoxIndex);
    EXPECT_EQ(view.shown[0].entries.at(static_cast<std::size_t>(c.colorBoxIndex)).text, c.savedColour);
    EXPECT_EQ(view.log.at(c.switches ? 2 : 1), "S " + c.savedColour);
    EXPECT_EQ(view.log.front() == "theme " + c.savedTheme, c.switches);
    EXPECT_EQ(kThemeListNames.at(static_cast<std::size_t>(shown.themeIndex)), c.savedTheme);
    const SkinHeader saved = InspectSkinFile(SkinBytes(), SkinFileFormat::kSkn).header;
    EXPECT_EQ(saved.textColorName, c.savedColour);
    EXPECT_EQ(saved.themeName, c.savedTheme);
  }
}

TEST_F(CommandTest, ImportTakesBackgroundsAndSixListsOnly) {
  Skin old;
  LoadStartupSkin(old);
  old.bgBottom.SetStretchBitmap(true);
  old.ilDown.ReplaceImage(0, Picture(21, 21), clNone);
  old.ilMain.ReplaceImage(0, Picture(16, 16), clFuchsia);
  old.textColour = clRed;
  old.themeName = "Xito";
  // What an import leaves: ilMain, ilPage, the colours and the theme.
  Skin expected(old);
  expected.ilMain.Assign(skin.ilMain);
  expected.textColour = skin.textColour;
  expected.themeName = skin.themeName;
  dialogs.AnswerFile(WriteFile("old.crs", OldSkinFileOf(old)));
  EXPECT_TRUE(Run([&] { editor.ImportOldSkins(); }));
  EXPECT_EQ(dialogs.fileQuestions, std::vector<FileDialogId>{FileDialogId::CRSOpenDialog});
  EXPECT_EQ(SkinBytes(), BuildSkinFile(expected));
  EXPECT_EQ(view.log, (std::vector<std::string>{"controls", "repaint frmMain"}));
  EXPECT_TRUE(view.shown.at(0).state.bottomStretch);
  EXPECT_EQ(partsAfter, std::vector<SkinParts>{(kPartFirstImageList << 6) - 1});
}

TEST_F(CommandTest, FailedOpenOrImportChangesNothing) {
  Skin stretched;
  LoadStartupSkin(stretched);
  stretched.bgTop.SetStretchBitmap(true);
  stretched.bgTop.SetBitmap(Picture(5, 5));
  Bytes cut = BuildSkinFile(stretched);
  cut.resize(InspectSkinFile(cut, SkinFileFormat::kSkn).records[5].offset + 40);  // inside ilHot's record
  Bytes badColour = SkinFileWith(clRed, "Xito");
  badColour[8] = 12;
  std::copy_n("clNotAColour", 12, badColour.begin() + 9);
  const std::string missing = (folder / "missing.skn").string();

  const struct {
    std::string path;
    bool import;
    std::string box;  // empty: any message
  } cases[] = {
      {WriteFile("cut.skn", cut), false, ""},
      {WriteFile("colour.skn", badColour), false, "'clNotAColour' is not a valid integer value."},
      {WriteFile("old.crs", OldSkinFileOf(stretched)), false, "Invalid stream format."},
      {WriteFile("new.skn", SkinFileWith(clRed, "Xito")), true, "Invalid stream format."},
      {WriteFile("empty.skn", {}), false, "Stream read error."},
      {missing, true, "Cannot open file " + missing + "."},
  };
  const Bytes unchanged = SkinBytes();
  const ControlState controls = editor.Controls();
  for (const auto& c : cases) {
    dialogs.AnswerFile(c.path);
    EXPECT_FALSE(Run([&] { c.import ? editor.ImportOldSkins() : void(editor.Open()); })) << c.path;
    ASSERT_EQ(dialogs.boxes.size(), 1u) << c.path;
    EXPECT_EQ(dialogs.boxes[0].kind, MessageBoxKind::kApplicationError);
    if (!c.box.empty()) {
      EXPECT_EQ(dialogs.boxes[0].text, c.box);
    }
    dialogs.boxes.clear();
    EXPECT_EQ(SkinBytes(), unchanged) << c.path;
  }
  EXPECT_FALSE(skin.bgTop.StretchBitmap());
  EXPECT_EQ(editor.Controls(), controls);
  EXPECT_TRUE(view.log.empty());
  EXPECT_TRUE(partsBefore.empty());
}

TEST_F(CommandTest, FailedSaveLeavesTheOldFileAsItWas) {
  const struct {
    const char* what;
    std::string name;
    std::string reason;  // after "Cannot create file PATH"
    bool readOnly;
    const char* linkName = nullptr;  // saved to through a link of this name
  } cases[] = {
      // The file exists, but the user has marked it read-only.
      {"a file marked read-only", "kept.skn", "", true},
      // A skin file there would replace the old skin with one Import Old Skins cannot read.
      {"an old skin file's name", "old.CRS", ": old skin files (.crs) are read, never written; save as a .skn file",
       false},
      {"a link to an old skin file", "old.crs", ": old skin files (.crs) are read, never written; save as a .skn file",
       false, "link.skn"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    dialogs.boxes.clear();
    const std::string path = WriteFile(c.name, Text("the user's earlier skin"));
    if (c.readOnly) std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    const std::string saved = c.linkName ? (folder / c.linkName).string() : path;
    if (c.linkName) std::filesystem::create_symlink(path, saved);
    dialogs.AnswerFile(saved);
    // A name refused at once is said why, and the dialog asks again (here: cancelled).
    const bool refusedName = !c.reason.empty();
    if (refusedName) dialogs.CancelFile();
    bool wrote = false;
    EXPECT_EQ(Run([&] { wrote = editor.Save(); }), refusedName);
    EXPECT_FALSE(wrote);
    EXPECT_EQ(dialogs.fileQuestions.size(), refusedName ? 2u : 1u);
    dialogs.fileQuestions.clear();
    const MessageBoxKind kind = refusedName ? MessageBoxKind::kError : MessageBoxKind::kApplicationError;
    EXPECT_EQ(dialogs.boxes, (std::vector<Box>{{kind, "Cannot create file " + saved + c.reason + "."}}));
    EXPECT_EQ(ReadWholeFile(path), Text("the user's earlier skin"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), c.linkName ? 2 : 1);
  }
}

}  // namespace
}  // namespace tessary::test
