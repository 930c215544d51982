// The live link in the window, with the system's file notices: a picture picked with
// "Replace Image..." is watched; each save of it (written in place, or written beside it
// and renamed over it as many image editors do) is one undo step and shows at once; a save
// of the wrong size says so once and leaves the sample; a deleted file is let go silently.
#include <QFile>
#include <QSaveFile>

#include "WindowFixture.h"
#include "app/LinkMarks.h"

namespace tessary::app::test {
namespace {

class LiveLinkTest : public WindowTest {
 protected:
  // Writes a one-colour PNG (a fuchsia corner) to `path`: in place, or renamed over it from a file beside it.
  static void SavePng(const QString& path, int width, int height, QRgb colour, bool renameOver) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    image.setPixel(0, height - 1, qRgb(255, 0, 255));  // a sample leaves out its corner's colour
    if (!renameOver) {
      ASSERT_TRUE(image.save(path, "PNG"));
      return;
    }
    QSaveFile file(path);  // a temporary file beside it, renamed over it on commit
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(image.save(&file, "PNG"));
    ASSERT_TRUE(file.commit());
  }
  QRgb HotClose() { return skin().ilHot.ImageBitmap(0).PixelAt(10, 10); }
  // Waits for the window to take a notice in (the watcher settles first).
  static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

  const QString file = scratch.filePath(QStringLiteral("close.png"));
};

TEST_F(LiveLinkTest, AWatchedFileSavedThreeTimesGivesThreeUndoStepsAndTheLastPicture) {
  SavePng(file, 21, 21, 0xFF102030, false);
  dialogs->AnswerFile(file.toStdString());
  Click(c().samples[1][10]);
  ASSERT_EQ(HotClose(), 0xFF102030u);
  EXPECT_TRUE(window->fileWatcher().Files().contains(file));
  ASSERT_EQ(window->linkMarks().Marks().size(), 1u);
  EXPECT_EQ(window->linkMarks().Marks().front()->parentWidget(), c().samples[1][10]);

  const struct {
    QRgb colour;
    bool renameOver;
  } saves[] = {{0xFF203040, false}, {0xFF304050, true}, {0xFF405060, true}};
  std::size_t steps = window->history().UndoCount();
  for (const auto& save : saves) {
    SavePng(file, 21, 21, save.colour, save.renameOver);
    ASSERT_TRUE(WaitFor([&] { return window->history().UndoCount() == steps + 1; })) << std::hex << save.colour;
    ++steps;
    EXPECT_EQ(HotClose(), save.colour);
    // The sample shows it, as painted.
    EXPECT_EQ(c().samples[1][10]->grab().toImage().pixel(10, 10), save.colour);
  }
  EXPECT_TRUE(window->fileWatcher().Files().contains(file));  // renamed over, still watched
  EXPECT_TRUE(dialogs->boxes.empty());
  window->history().Undo();
  window->history().Undo();
  EXPECT_EQ(HotClose(), 0xFF203040u);
}

TEST_F(LiveLinkTest, AWrongSizeSaveLeavesTheSampleAndSaysSoOnce) {
  SavePng(file, 21, 21, 0xFF102030, false);
  dialogs->AnswerFile(file.toStdString());
  Click(c().samples[1][10]);
  const Bytes before = BuildSkinFile(skin());
  const std::size_t steps = window->history().UndoCount();

  SavePng(file, 24, 24, 0xFF999999, true);
  ASSERT_TRUE(WaitFor([&] { return !dialogs->boxes.empty(); }));
  QTest::qWait(2 * platform::QtFileWatcher::kRetryMs);  // nothing more comes of that save
  EXPECT_EQ(dialogs->boxes, (std::vector<Box>{{MessageBoxKind::kError, "The size of the image should be 21*21!"}}));
  EXPECT_EQ(BuildSkinFile(skin()), before);
  EXPECT_EQ(window->history().UndoCount(), steps);

  // Still linked: the next good save goes in.
  SavePng(file, 21, 21, 0xFF445566, false);
  ASSERT_TRUE(WaitFor([&] { return HotClose() == 0xFF445566u; }));
}

TEST_F(LiveLinkTest, ADeletedFileIsLetGoSilently) {
  SavePng(file, 21, 21, 0xFF102030, false);
  dialogs->AnswerFile(file.toStdString());
  Click(c().samples[1][10]);
  ASSERT_FALSE(window->linkMarks().Marks().empty());
  ASSERT_TRUE(QFile::remove(file));
  ASSERT_TRUE(WaitFor([&] { return window->linkMarks().Marks().empty(); }));
  EXPECT_TRUE(window->fileWatcher().Files().isEmpty());
  EXPECT_FALSE(window->links().LinkedFile(PicturePlace::Slot(ImageSlotCommand::actHPreExecute, 0)).has_value());
  EXPECT_TRUE(dialogs->boxes.empty());
  EXPECT_EQ(HotClose(), 0xFF102030u);
}

}  // namespace
}  // namespace tessary::app::test
