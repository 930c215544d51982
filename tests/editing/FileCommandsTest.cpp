// Quick saving to the skin's own file, the Save dialog started on it, "New" with and
// without unsaved changes (and undone), and the list of recent skins.
#include "CommandFixture.h"
#include "editing/EditHistory.h"
#include "editing/FileCommands.h"

namespace tessary::test {
namespace {

class FileCommandTest : public CommandTest {
 protected:
  // A change of the skin (one step).
  void Change(Colour colour) {
    ASSERT_TRUE(Run([&] { editor.SetProgressColour(colour); }));
  }

  EditHistory history{editor};
};

TEST_F(FileCommandTest, QuickSaveAsksOnceThenSavesToTheSkinsFile) {
  const std::string path = (folder / "mine.skn").string();
  // No file yet: the Save dialog.
  dialogs.AnswerFile(path);
  ASSERT_TRUE(Run([&] { EXPECT_TRUE(QuickSave(editor, history)); }));
  EXPECT_EQ(dialogs.fileQuestions, std::vector<FileDialogId>{FileDialogId::SaveDialog});
  EXPECT_EQ(ReadWholeFile(path), SkinBytes());
  // From now on to that file, without a question.
  Change(0x00123456);
  EXPECT_TRUE(history.Modified());
  ASSERT_TRUE(Run([&] { EXPECT_TRUE(QuickSave(editor, history)); }));
  EXPECT_EQ(dialogs.fileQuestions.size(), 1u);
  EXPECT_EQ(ReadWholeFile(path), SkinBytes());
  EXPECT_FALSE(history.Modified());
  // "Save" keeps its dialog, started on the file; cancelled, nothing is written.
  dialogs.CancelFile();
  ASSERT_TRUE(Run([&] { EXPECT_FALSE(SaveWithDialog(editor, history)); }));
  EXPECT_EQ(dialogs.fileStarts, (std::vector<std::string>{"", path}));
  // A file that cannot be written is the error it is, and the skin stays unsaved.
  Change(0x00654321);
  std::filesystem::create_directory(folder / "folder.skn");
  dialogs.AnswerFile((folder / "folder.skn").string());
  ASSERT_TRUE(Run([&] { SaveWithDialog(editor, history); }) == false);
  EXPECT_TRUE(history.Modified());
  EXPECT_EQ(history.File(), path);
}

// The box for a failed save keeps its message; one that does not name the file gets the
// file and the system's reason below it.
TEST_F(FileCommandTest, AFailedSaveShowsTheFileAndTheSystemsReason) {
  std::filesystem::create_directory(folder / "folder.skn");
  const std::string inFolder = (folder / "folder.skn").string();
  const std::pair<std::string, std::string> cases[] = {
      {"/dev/full", "Stream write error.\n\n/dev/full: No space left on device"},
      {inFolder, "Cannot create file " + inFolder + "."},
  };
  for (const auto& [path, text] : cases) {
    SCOPED_TRACE(path);
    dialogs.boxes.clear();
    dialogs.AnswerFile(path);
    EXPECT_FALSE(Run([&] { SaveWithDialog(editor, history); }));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, text);
  }
}

TEST_F(FileCommandTest, NewAsksOnlyWithUnsavedChangesAndIsUndone) {
  Skin startup;
  LoadStartupSkin(startup);
  const Bytes fresh = BuildSkinFile(startup);
  const std::string path = (folder / "mine.skn").string();
  Change(0x00111111);
  ASSERT_TRUE(Run([&] { editor.SaveToFile(path); }));

  // Nothing unsaved: no question; the start-up skin, which equals no file.
  ASSERT_TRUE(Run([&] { EXPECT_TRUE(NewSkin(editor, history, dialogs)); }));
  EXPECT_EQ(dialogs.saveQuestions, 0);
  EXPECT_EQ(SkinBytes(), fresh);
  EXPECT_TRUE(history.File().empty());
  EXPECT_FALSE(history.Modified());
  // One step: undone, the skin and its file come back.
  history.Undo();
  EXPECT_EQ(history.File(), path);
  EXPECT_EQ(skin.gaugeColour, 0x00111111u);
  EXPECT_FALSE(history.Modified());

  // Unsaved changes: Cancel keeps them, Save saves them to the file first, Discard drops them.
  const struct {
    SaveChanges answer;
    bool reset;
    Colour inFile;  // the gauge colour the file holds afterwards
  } cases[] = {
      {SaveChanges::kCancel, false, 0x00111111},
      {SaveChanges::kSave, true, 0x00222222},
      {SaveChanges::kDiscard, true, 0x00111111},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    ASSERT_TRUE(Run([&] { editor.SaveToFile(path); }));  // the file holds 0x00111111
    Change(0x00222222);
    dialogs.AnswerSaveChanges(c.answer);
    const int asked = dialogs.saveQuestions;
    ASSERT_TRUE(Run([&] { EXPECT_EQ(NewSkin(editor, history, dialogs), c.reset); }));
    EXPECT_EQ(dialogs.saveQuestions, asked + 1);
    EXPECT_EQ(SkinBytes() == fresh, c.reset);
    Skin inFile;
    LoadStartupSkin(inFile);
    ReadSkinFile(ReadWholeFile(path), SkinFileFormat::kSkn, inFile);
    EXPECT_EQ(inFile.gaugeColour, c.answer == SaveChanges::kSave ? 0x00222222u : 0x00111111u);
    if (c.reset) history.Undo();
    EXPECT_EQ(skin.gaugeColour, 0x00222222u);
    Change(0x00111111);
  }
  EXPECT_TRUE(dialogs.fileQuestions.empty());
}

TEST(RecentFiles, KeepsTheLastTenMostRecentFirstEachOnce) {
  RecentFiles recent({"/a.skn", "/b.crs"});
  recent.Add("");
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/a.skn", "/b.crs"}));
  recent.Add("/b.crs");
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/b.crs", "/a.skn"}));
  for (int i = 0; i < 12; ++i) {
    std::string name = "/";
    name += std::to_string(i);
    recent.Add(name + ".skn");
  }
  ASSERT_EQ(recent.Files().size(), RecentFiles::kMaxFiles);
  EXPECT_EQ(recent.Files().front(), "/11.skn");
  EXPECT_EQ(recent.Files().back(), "/2.skn");
  recent.Add("/old.CRS");
  EXPECT_EQ(recent.WithSuffix(".crs"), std::vector<std::string>{"/old.CRS"});
  EXPECT_EQ(recent.WithSuffix(".skn").size(), 9u);
}

}  // namespace
}  // namespace tessary::test
