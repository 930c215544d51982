// The actions of a place's context menu on every kind of place: each that changes the skin
// is one undo step; the menu lists every entry in order with those that cannot apply
// disabled; an exported picture read back gives the same image; copy and paste go through
// the clipboard with the place's size rule; "Revert to Default" fills a short list.
#include "PictureFixture.h"

namespace tessary::test {
namespace {

using enum ImageSlotCommand;
using enum PictureAction;

// One place of each kind: the two sample toolbars, a system-button row, both drop-down
// lists (a tab image has a white transparent colour) and both backgrounds.
const PicturePlace kPlaces[] = {
    PicturePlace::Slot(actLCBackExecute, 20), PicturePlace::Slot(actSCBackExecute, 4),
    PicturePlace::Slot(actHPreExecute, 0),    PicturePlace::Slot(XP_Button1Click, 5),
    PicturePlace::Slot(XP_Button2Click, 52),  PicturePlace::Of(Background::bgTop),
    PicturePlace::Of(Background::bgBottom),
};

std::string Name(const PicturePlace& place) {
  return place.IsSlot() ? std::to_string(static_cast<int>(place.command)) + "/" + std::to_string(place.slot)
                        : std::string(place.background == Background::bgTop ? "bgTop" : "bgBottom");
}

TEST_F(PictureTest, EachActionThatChangesAPlaceIsOneUndoStep) {
  for (const PicturePlace& place : kPlaces) {
    SCOPED_TRACE(Name(place));
    const auto [width, height] = SizeOf(place);
    const Bytes start = SkinBytes();
    const std::size_t steps = history.UndoCount();
    std::vector<Bytes> done;
    const auto step = [&](PictureAction action) {
      ASSERT_TRUE(actions.CanRun(action, place)) << static_cast<int>(action);
      ASSERT_TRUE(Run([&] { actions.Run(action, place); }));
      EXPECT_EQ(history.UndoCount(), steps + done.size() + 1);
      done.push_back(SkinBytes());
    };

    // A picture from a file: "Replace Image..." (a slot) or the button's own command.
    if (place.IsSlot()) {
      dialogs.AnswerFile(PictureFile(width, height));
      step(kReplace);
    } else {
      ASSERT_TRUE(Run([&] { editor.ChangeBackgroundFromFile(place.background, PictureFile(width, height)); }));
      done.push_back(SkinBytes());
    }
    // Pasted from the clipboard: a picture of the place's size, here in one colour.
    clipboard.held = Solid(width, height, 0xFF3366CC);
    step(kPaste);
    EXPECT_EQ(Shown(place).pixels.front(), 0xFF3366CCu);
    // Back to the start-up image, or no picture for a background.
    step(place.IsSlot() ? kRevertToDefault : kRemovePicture);
    EXPECT_FALSE(actions.CanRun(place.IsSlot() ? kRevertToDefault : kRemovePicture, place));

    // The actions that leave the skin alone make no step.
    clipboard.held.reset();
    if (HasPicture(skin, place)) {
      ASSERT_TRUE(Run([&] { actions.Run(kCopy, place); }));
      ASSERT_TRUE(Run([&] { actions.Run(kEditExternally, place); }));
      ASSERT_TRUE(Run([&] { actions.Run(kUnlink, place); }));
      EXPECT_EQ(history.UndoCount(), steps + done.size());
    }

    // Undone step by step, and done again.
    for (std::size_t i = done.size(); i-- > 0;) {
      EXPECT_EQ(SkinBytes(), done[i]);
      history.Undo();
    }
    EXPECT_EQ(SkinBytes(), start);
    for (const Bytes& state : done) {
      history.Redo();
      EXPECT_EQ(SkinBytes(), state);
    }
  }
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(PictureTest, TheMenuListsEveryEntryInOrderAndDisablesWhatCannotApply) {
  struct Entry {
    std::string caption;
    bool enabled;
    bool separatorBefore;
    bool operator==(const Entry&) const = default;
  };
  const auto menu = [this](const PicturePlace& place) {
    std::vector<Entry> entries;
    for (const PictureMenuEntry& e : actions.Menu(place)) entries.push_back({e.caption, e.enabled, e.separatorBefore});
    return entries;
  };
  const PicturePlace hotClose = PicturePlace::Slot(actHPreExecute, 0);
  const PicturePlace top = PicturePlace::Of(Background::bgTop);
  // The start-up skin: its own images (nothing to revert), an empty clipboard, no links.
  EXPECT_EQ(menu(hotClose), (std::vector<Entry>{{"Replace Image...", true, false},
                                                {"Export Image...", true, false},
                                                {"Copy Image", true, true},
                                                {"Paste Image", false, false},
                                                {"Revert to Default", false, true},
                                                {"Edit Externally", true, true},
                                                {"Unlink", false, false}}));
  // A background without picture: nothing to export, copy, remove or edit.
  EXPECT_EQ(menu(top), (std::vector<Entry>{{"Export Image...", false, false},
                                           {"Copy Image", false, true},
                                           {"Paste Image", false, false},
                                           {"Remove Picture", false, true},
                                           {"Edit Externally", false, true},
                                           {"Unlink", false, false}}));
  clipboard.held = Solid(2, 2, 0xFF000000);
  EXPECT_TRUE(actions.CanRun(kPaste, top));
  EXPECT_TRUE(actions.CanRun(kPaste, hotClose));  // the size rule speaks when it is pasted

  // An old skin with three Hot images: the other Hot samples show nothing, and only
  // "Revert to Default" applies to them. It fills the list up to the slot, in one step.
  std::vector<ImageList::Image> three;
  for (int i = 0; i < 3; ++i) three.push_back(skin.ilHot.ImageAt(i));
  skin.ilHot.SetContent(21, 21, 4, three);
  const PicturePlace hotMax = PicturePlace::Slot(actHPreExecute, 7);
  for (const PictureMenuEntry& entry : actions.Menu(hotMax))
    EXPECT_EQ(entry.enabled, entry.action == kRevertToDefault) << entry.caption;
  EXPECT_FALSE(Run([&] { editor.ReplaceImageSlot(actHPreExecute, 7); }));  // a click still refuses it, unasked
  EXPECT_EQ(dialogs.boxes.back().text, "Unable to Replace Image.");
  ASSERT_TRUE(Run([&] { actions.Run(kRevertToDefault, hotMax); }));
  EXPECT_EQ(skin.ilHot.ImageCount(), 8);
  for (int i = 3; i < 8; ++i) EXPECT_EQ(skin.ilHot.SharedImage(i), actions.Defaults().ilHot.SharedImage(i)) << i;
  EXPECT_EQ(history.UndoCount(), 1u);
  history.Undo();
  EXPECT_EQ(skin.ilHot.ImageCount(), 3);
}

TEST_F(PictureTest, AnExportedPicturePickedAgainGivesTheSameImage) {
  // The slots hold their start-up images (with transparent parts); the backgrounds get one.
  for (const PicturePlace& place : kPlaces) {
    if (place.IsSlot()) continue;
    const auto [width, height] = SizeOf(place);
    ASSERT_TRUE(editor.PutPicture(place, FlattenFor(place, Solid(width, height, 0xFF8040C0))));
  }
  for (const PicturePlace& place : kPlaces) {
    for (const char* suffix : {".png", ".bmp", ".BMP"}) {
      SCOPED_TRACE(Name(place) + suffix);
      const bool png = suffix == std::string(".png");
      if (!png) {
        // A BMP tells transparent pixels by the list's colour alone, so an opaque pixel of
        // that colour (white in the start-up tab images) cannot be told apart in one: the
        // BMP round trip is made with a picture of the place's own, transparent parts and all.
        AlphaPicture own = Solid(SizeOf(place).first, SizeOf(place).second, 0xFF8040C0);
        own.pixels[0] = own.pixels[1] = 0x00000000;
        ASSERT_TRUE(editor.PutPicture(place, FlattenFor(place, own)));
      }
      const Look exported = Shown(place);
      const std::string path = (folder / (std::string("exported") + suffix)).string();
      dialogs.AnswerFile(path);
      ASSERT_TRUE(Run([&] { actions.Run(kExport, place); }));
      EXPECT_EQ(dialogs.fileStarts.back(), PlaceFileName(skin, place) + ".png");  // named for the place
      // A BMP by its name, else the picture with alpha (the stand-in for PNG here).
      const std::vector<std::uint8_t> written = ReadWholeFile(path);
      ASSERT_GE(written.size(), 4u);
      EXPECT_EQ(written[0] == 'B' && written[1] == 'M', !png);
      // Something else in the place, then the exported file picked with its command.
      clipboard.held = Solid(SizeOf(place).first, SizeOf(place).second, 0xFF00FF00);
      ASSERT_TRUE(Run([&] { actions.Paste(place); }));
      ASSERT_NE(Shown(place), exported);
      ASSERT_TRUE(Run([&] { editor.TakePictureFromFile(place, path); }));
      EXPECT_EQ(Shown(place), exported);
    }
  }
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PictureTest, CopyAndPasteGoThroughTheClipboardWithTheSizeRule) {
  const PicturePlace from = PicturePlace::Slot(actLCBackExecute, 2);
  const PicturePlace to = PicturePlace::Slot(actLCBackExecute, 9);
  ASSERT_TRUE(Run([&] { actions.Copy(from); }));
  ASSERT_TRUE(clipboard.held.has_value());
  // Transparent where the image is: its fuchsia pixels leave with alpha 0.
  const ImageList::Image& image = skin.ilLButtons.ImageAt(2);
  for (std::size_t i = 0; i < image.mask.size(); ++i)
    ASSERT_EQ(clipboard.held->pixels[i] >> 24, image.mask[i] != 0 ? 0u : 255u) << i;
  ASSERT_TRUE(Run([&] { actions.Paste(to); }));
  EXPECT_EQ(Shown(to), Shown(from));
  // A picture the place cannot take: the place's own message, nothing changed.
  const Bytes unchanged = SkinBytes();
  const std::size_t steps = history.UndoCount();
  ASSERT_TRUE(Run([&] { actions.Paste(PicturePlace::Slot(actNPreExecute, 3)); }));
  EXPECT_EQ(dialogs.boxes,
            (std::vector<ScriptedDialogs::Box>{{MessageBoxKind::kError, "The size of the image should be 21*21!"}}));
  EXPECT_EQ(SkinBytes(), unchanged);
  EXPECT_EQ(history.UndoCount(), steps);
}

}  // namespace
}  // namespace tessary::test
