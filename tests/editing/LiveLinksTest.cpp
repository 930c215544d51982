// The live link: a picture file put into a place is watched, and every save of it goes into
// the place again as one step, under the place's size rule; a writer that has not finished
// is asked for again before anything is said; a file renamed away is dropped silently, one
// renamed over the old name is followed; "Edit Externally" writes a working file per skin
// and opens it; another skin drops every link.
#include "PictureFixture.h"

namespace tessary::test {
namespace {

using enum ImageSlotCommand;
using Outcome = LiveLinks::Outcome;

class LinkTest : public PictureTest {
 protected:
  // Writes a solid picture of `colour` as a BMP over `path` (in place, as most editors do).
  void Save(const std::string& path, int width, int height, Argb colour) const {
    const std::vector<Argb> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour);
    const Bytes bytes = WriteBmp(Bitmap::FromArgb(width, height, pixels));
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Outcome Changed(const std::string& path, bool lastTry = false) {
    Outcome outcome = Outcome::kUnchanged;
    Run([&] { outcome = links.FileChanged(path, lastTry); });
    return outcome;
  }

  const PicturePlace hotClose = PicturePlace::Slot(actHPreExecute, 0);
};

TEST_F(LinkTest, AWatchedFileSavedThreeTimesGivesThreeStepsAndTheLastPicture) {
  const std::string file = (folder / "close.bmp").string();
  Save(file, 21, 21, 0xFF101010);
  dialogs.AnswerFile(file);
  ASSERT_TRUE(Run([&] { editor.ReplaceImageSlot(actHPreExecute, 0); }));
  EXPECT_EQ(links.LinkedFile(hotClose), file);
  EXPECT_EQ(watcher.watched, std::set<std::string>{file});

  for (const Argb colour : {0xFF202020u, 0xFF303030u, 0xFF404040u}) {
    Save(file, 21, 21, colour);
    EXPECT_EQ(Changed(file), Outcome::kApplied);
  }
  EXPECT_EQ(skin.ilHot.ImageAt(0).pixels.front(), 0xFF404040u);
  EXPECT_EQ(history.UndoCount(), 4u);  // the replace and three saves
  // A notice without new content (an editor touching the file) is no step.
  EXPECT_EQ(Changed(file), Outcome::kUnchanged);
  EXPECT_EQ(history.UndoCount(), 4u);
  history.Undo();
  history.Undo();
  EXPECT_EQ(skin.ilHot.ImageAt(0).pixels.front(), 0xFF202020u);
  EXPECT_TRUE(dialogs.boxes.empty());
  // The same file put into a second place: one watch, both places follow it.
  ASSERT_TRUE(Run([&] { editor.ReplaceImageSlotFromFile(actDPreExecute, 0, file); }));
  Save(file, 21, 21, 0xFF505050);
  EXPECT_EQ(Changed(file), Outcome::kApplied);
  EXPECT_EQ(skin.ilDown.ImageAt(0).pixels.front(), 0xFF505050u);
  EXPECT_EQ(skin.ilHot.ImageAt(0).pixels.front(), 0xFF505050u);
  links.Unlink(hotClose);
  EXPECT_EQ(watcher.watched.size(), 1u);  // still for the Down sample
  links.Unlink(PicturePlace::Slot(actDPreExecute, 0));
  EXPECT_TRUE(watcher.watched.empty());
}

TEST_F(LinkTest, ASaveThePlaceCannotTakeLeavesItAndSaysSoOnce) {
  const std::string file = (folder / "close.bmp").string();
  Save(file, 21, 21, 0xFF101010);
  ASSERT_TRUE(Run([&] { editor.ReplaceImageSlotFromFile(actHPreExecute, 0, file); }));
  const Bytes unchanged = SkinBytes();
  const std::size_t steps = history.UndoCount();

  Save(file, 24, 24, 0xFF202020);
  EXPECT_EQ(Changed(file), Outcome::kRefused);
  EXPECT_EQ(dialogs.boxes,
            (std::vector<ScriptedDialogs::Box>{{MessageBoxKind::kError, "The size of the image should be 21*21!"}}));
  dialogs.boxes.clear();

  // Half written: nothing is said on the first try; what is still broken on the last one
  // shows the reader's error. An empty file is a writer that has not begun.
  const Bytes whole = ReadWholeFile(file);
  WriteFile("close.bmp", Bytes(whole.begin(), whole.begin() + 100));
  EXPECT_EQ(Changed(file), Outcome::kTryLater);
  EXPECT_TRUE(dialogs.boxes.empty());
  Changed(file, true);
  EXPECT_EQ(dialogs.boxes,
            (std::vector<ScriptedDialogs::Box>{{MessageBoxKind::kApplicationError, "Stream read error."}}));
  dialogs.boxes.clear();
  WriteFile("close.bmp", {});
  EXPECT_EQ(Changed(file), Outcome::kTryLater);
  EXPECT_EQ(Changed(file, true), Outcome::kUnchanged);

  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(SkinBytes(), unchanged);
  EXPECT_EQ(history.UndoCount(), steps);
  EXPECT_TRUE(links.LinkedFile(hotClose).has_value());  // the next good save still goes in
  Save(file, 21, 21, 0xFF606060);
  EXPECT_EQ(Changed(file), Outcome::kApplied);
}

TEST_F(LinkTest, AFileRenamedAwayIsDroppedSilentlyAndOneRenamedOverIsFollowed) {
  const std::string file = (folder / "top.bmp").string();
  Save(file, 7, 3, 0xFF111111);
  ASSERT_TRUE(Run([&] { editor.ChangeBackgroundFromFile(Background::bgTop, file); }));
  const PicturePlace top = PicturePlace::Of(Background::bgTop);
  ASSERT_EQ(links.LinkedFile(top), file);

  // How many editors save: a new file written beside it, renamed over it.
  const std::string fresh = (folder / "top.bmp.new").string();
  Save(fresh, 9, 2, 0xFF222222);
  std::filesystem::rename(fresh, file);
  EXPECT_EQ(Changed(file), Outcome::kApplied);
  EXPECT_EQ(skin.bgTop.GetBitmap().Width(), 9);  // a background takes any size

  // Renamed away: on the first try it may yet come back; on the last it is gone.
  std::filesystem::rename(file, folder / "elsewhere.bmp");
  EXPECT_EQ(Changed(file), Outcome::kTryLater);
  EXPECT_EQ(Changed(file, true), Outcome::kGone);
  EXPECT_FALSE(links.LinkedFile(top).has_value());
  EXPECT_TRUE(watcher.watched.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LinkTest, EditExternallyWritesAWorkingFilePerSkinAndFollowsIt) {
  std::string working;
  ASSERT_TRUE(Run([&] { working = links.EditExternally(hotClose); }));
  const std::filesystem::path path(working);
  EXPECT_EQ(path.filename(), "ilHot-0.png");
  EXPECT_EQ(path.parent_path().parent_path(), folder / "cache");
  EXPECT_EQ(launcher.opened, std::vector<std::string>{working});
  EXPECT_EQ(links.LinkedFile(hotClose), working);
  // The picture as the image editor gets it: the sample's transparent frame with alpha 0.
  const std::optional<AlphaPicture> written = DecodeRaw(ReadWholeFile(working));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->pixels.front() >> 24, 0u);
  EXPECT_EQ(FlattenFor(hotClose, *written).bitmap.Pixels(), skin.ilHot.ImageBitmap(0).Pixels());

  // Drawn on and saved in the image editor: the sample follows.
  AlphaPicture drawn = *written;
  drawn.pixels[10 * 21 + 10] = 0xFF00FF00;
  WriteFile(path.lexically_relative(folder).string(), EncodeRaw(drawn));
  EXPECT_EQ(links.FileChanged(working, false), LiveLinks::Outcome::kApplied);
  EXPECT_EQ(skin.ilHot.ImageBitmap(0).PixelAt(10, 10), 0xFF00FF00u);

  // A saved skin keeps its working files in a folder of its own, the same on every run.
  ASSERT_TRUE(Run([&] { editor.SaveToFile((folder / "mine.skn").string()); }));
  EXPECT_EQ(links.WorkingFolder().parent_path(), folder / "cache");
  EXPECT_TRUE(links.WorkingFolder().filename().string().starts_with("mine-"));
  EXPECT_NE(links.WorkingFolder(), path.parent_path());
  EXPECT_TRUE(links.LinkedFile(hotClose).has_value());  // saving keeps the links

  // Another skin has no links.
  ASSERT_TRUE(Run([&] { editor.OpenFromFile((folder / "mine.skn").string()); }));
  EXPECT_TRUE(links.LinkedPlaces().empty());
  EXPECT_TRUE(watcher.watched.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace tessary::test
