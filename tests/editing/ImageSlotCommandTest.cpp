// The eight image-slot commands: each takes a bitmap of exactly its list's size into one
// slot with its list's transparency rule and repaints what does not follow the list; any
// other file changes nothing.
#include "CommandFixture.h"

namespace tessary::test {
namespace {

using enum ImageSlotCommand;

struct SlotCase {
  ImageSlotCommand command;
  ImageList Skin::*list;
  int width, height;
  int transparentPixels;  // of Picture(): fuchsia everywhere but a white and a blue pixel
  std::vector<std::string> repaints;
};

const SlotCase kSlotCases[] = {
    {actLCBackExecute, &Skin::ilLButtons, 24, 24, 24 * 24 - 2, {}},
    {actSCBackExecute, &Skin::ilSButtons, 16, 16, 16 * 16 - 2, {}},
    {actNPreExecute, &Skin::ilImages, 21, 21, 0, {"repaint tbtMDIControl", "repaint pnlNormal"}},
    {actHPreExecute, &Skin::ilHot, 21, 21, 0, {"repaint tbtMDIControl", "repaint Panel2"}},
    {actDPreExecute, &Skin::ilDown, 21, 21, 0, {"repaint tbtMDIControl", "repaint Panel1"}},
    {actFPreExecute, &Skin::ilDisable, 21, 21, 0, {"repaint tbtMDIControl", "repaint Panel3", "repaint GButton45"}},
    {XP_Button1Click, &Skin::ilPage, 18, 18, 1, {"repaint cbPages"}},
    {XP_Button2Click, &Skin::ilMain, 16, 16, 16 * 16 - 2, {"repaint cbOther"}},
};

TEST_F(CommandTest, EachSlotCommandTakesOnlyAPictureOfItsSize) {
  constexpr int kSlot = 3;
  for (const SlotCase& c : kSlotCases) {
    SCOPED_TRACE(c.width * 100 + static_cast<int>(c.command));
    ImageList& list = skin.*c.list;
    const int count = list.ImageCount();
    const std::string sizeMessage =
        "The size of the image should be " + std::to_string(c.width) + "*" + std::to_string(c.height) + "!";

    // Refused: wrong width, wrong height, an empty file (0 x 0), a file that is no bitmap,
    // a cancelled dialog. Only a wrong size is the command's own "Error" box.
    const struct {
      std::string path;
      std::vector<ScriptedDialogs::Box> boxes;
    } refused[] = {
        {PictureFile(c.width + 1, c.height), {{MessageBoxKind::kError, sizeMessage}}},
        {PictureFile(c.width, c.height - 1), {{MessageBoxKind::kError, sizeMessage}}},
        {WriteFile("empty.bmp", {}), {{MessageBoxKind::kError, sizeMessage}}},
        {WriteFile("text.bmp", Text("not a picture")),
         {{MessageBoxKind::kApplicationError, "Bitmap image is not valid."}}},
        {"", {}},
    };
    const Bytes unchanged = SkinBytes();
    for (const auto& file : refused) {
      file.path.empty() ? dialogs.CancelFile() : dialogs.AnswerFile(file.path);
      Run([&] { editor.ReplaceImageSlot(c.command, kSlot); });
      EXPECT_EQ(dialogs.boxes, file.boxes) << file.path;
      EXPECT_EQ(SkinBytes(), unchanged) << file.path;
      dialogs.boxes.clear();
    }
    EXPECT_EQ(dialogs.fileQuestions, std::vector<FileDialogId>(5, FileDialogId::OpenDialog));
    EXPECT_TRUE(view.log.empty());
    EXPECT_TRUE(partsBefore.empty());

    // Taken: only that slot of that list changes, masked by the list's rule.
    std::vector<Bytes> lists;
    for (const ImageList* each : skin.ImageLists()) lists.push_back(ListBytes(*each));
    dialogs.AnswerFile(PictureFile(c.width, c.height));
    EXPECT_TRUE(Run([&] { editor.ReplaceImageSlot(c.command, kSlot); }));
    EXPECT_EQ(list.ImageCount(), count);
    const auto& mask = list.ImageAt(kSlot).mask;
    EXPECT_EQ(std::count(mask.begin(), mask.end(), 1), c.transparentPixels);
    EXPECT_EQ(list.ImageAt(kSlot).pixels[1], 0xFF0000FFu);
    for (std::size_t i = 0; i < lists.size(); ++i) {
      if (skin.ImageLists()[i] == &list) continue;
      EXPECT_EQ(ListBytes(*skin.ImageLists()[i]), lists[i]) << i;
    }
    EXPECT_EQ(view.log, c.repaints);
    EXPECT_EQ(partsBefore, std::vector<SkinParts>{PartOfList(skin, list)});
    EXPECT_EQ(partsAfter, partsBefore);
    dialogs.fileQuestions.clear();
    view.log.clear();
    partsBefore.clear();
    partsAfter.clear();
  }
}

// The toolbar lists take a slot past their end by appending (at the end, never leaving a
// hole); the others refuse such a slot before a file is chosen.
TEST_F(CommandTest, ShortListsAppendOrRefuse) {
  const struct {
    ImageSlotCommand command;
    int count, slot;
    int countAfter, changedIndex;  // -1: refused
  } cases[] = {
      {actLCBackExecute, 20, 20, 21, 20}, {actLCBackExecute, 15, 20, 16, 15}, {actSCBackExecute, 15, 3, 15, 3},
      {actHPreExecute, 5, 8, 5, -1},      {actHPreExecute, 11, 11, 11, -1},   {actLCBackExecute, 21, -1, 21, -1},
      {XP_Button1Click, 10, -1, 10, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot * 100 + c.count);
    LoadStartupSkin(skin);
    const ImageSlotRule& rule = RuleOf(c.command);
    ImageList& list = skin.*rule.list;
    std::vector<ImageList::Image> images;
    for (int i = 0; i < c.count; ++i) images.push_back(list.ImageAt(i));
    list.SetContent(list.Width(), list.Height(), c.count, images);
    dialogs.fileQuestions.clear();
    dialogs.boxes.clear();

    if (c.changedIndex >= 0) dialogs.AnswerFile(PictureFile(rule.width, rule.height));
    Run([&] { editor.ReplaceImageSlot(c.command, c.slot); });
    EXPECT_EQ(list.ImageCount(), c.countAfter);
    if (c.changedIndex >= 0) {
      EXPECT_EQ(list.ImageAt(c.changedIndex).pixels[1], 0xFF0000FFu);
      EXPECT_TRUE(dialogs.boxes.empty());
    } else {
      EXPECT_TRUE(dialogs.fileQuestions.empty());
      EXPECT_EQ(dialogs.boxes,
                (std::vector<ScriptedDialogs::Box>{{MessageBoxKind::kApplicationError, "Unable to Replace Image."}}));
    }
  }
}

}  // namespace
}  // namespace tessary::test
