// Pictures with alpha (PNG, read through the platform's decoder) in every kind of slot and
// in the backgrounds: the list's transparent colour, fuchsia for the system buttons, RGB
// kept for backgrounds; a skin saved afterwards is a skin file of the stored layout that
// reads back to the same skin.
#include <QImage>

#include "editing/CommandFixture.h"
#include "platform/PictureDecoder.h"

namespace tessary::test {
namespace {

using enum ImageSlotCommand;

// Four probes at the top-left corner: transparent (green underneath), barely covered
// (alpha 100), mostly covered red (alpha 200) and opaque blue; the rest opaque white.
constexpr QRgb kProbes[] = {qRgba(0, 255, 0, 0), qRgba(0, 0, 0, 100), qRgba(255, 0, 0, 200), qRgba(0, 0, 255, 255)};
constexpr Argb kFuchsia = 0xFFFF00FF;
constexpr Argb kBlack = 0xFF000000;

std::string PngFile(const std::filesystem::path& folder, const std::string& name, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  for (int x = 0; x < 4; ++x) image.setPixel(x, 0, kProbes[x]);
  const std::string path = (folder / name).string();
  EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
  return path;
}

TEST_F(CommandTest, PicturesWithAlphaTakeEachPlacesTransparency) {
  editor.SetPictureDecoder(platform::DecodePicture);
  // What each probe becomes: stored pixel and mask bit.
  struct Stored {
    Argb pixel;
    int mask;
  };
  const struct {
    ImageSlotCommand command;
    ImageList Skin::*list;
    int size;
    Stored probes[4];
  } places[] = {
      // Masked lists: below alpha 128 transparent (stored black), the rest as drawn.
      {actLCBackExecute, &Skin::ilLButtons, 24, {{kBlack, 1}, {kBlack, 1}, {0xFFFF0000, 0}, {0xFF0000FF, 0}}},
      {actSCBackExecute, &Skin::ilSButtons, 16, {{kBlack, 1}, {kBlack, 1}, {0xFFFF0000, 0}, {0xFF0000FF, 0}}},
      {XP_Button1Click, &Skin::ilPage, 18, {{kBlack, 1}, {kBlack, 1}, {0xFFFF0000, 0}, {0xFF0000FF, 0}}},
      {XP_Button2Click, &Skin::ilMain, 16, {{kBlack, 1}, {kBlack, 1}, {0xFFFF0000, 0}, {0xFF0000FF, 0}}},
      // System buttons: stored opaque, over fuchsia (red at 200/255 over it: blue 55).
      {actNPreExecute, &Skin::ilImages, 21, {{kFuchsia, 0}, {kFuchsia, 0}, {0xFFFF0037, 0}, {0xFF0000FF, 0}}},
      {actHPreExecute, &Skin::ilHot, 21, {{kFuchsia, 0}, {kFuchsia, 0}, {0xFFFF0037, 0}, {0xFF0000FF, 0}}},
      {actDPreExecute, &Skin::ilDown, 21, {{kFuchsia, 0}, {kFuchsia, 0}, {0xFFFF0037, 0}, {0xFF0000FF, 0}}},
      {actFPreExecute, &Skin::ilDisable, 21, {{kFuchsia, 0}, {kFuchsia, 0}, {0xFFFF0037, 0}, {0xFF0000FF, 0}}},
  };
  for (const auto& slot : places) {
    SCOPED_TRACE(static_cast<int>(slot.command));
    // Read by content: a PNG under a .bmp name is a PNG.
    const std::string file = PngFile(folder, "slot" + std::to_string(slot.size) + ".bmp", slot.size, slot.size);
    ASSERT_TRUE(Run([&] { editor.ReplaceImageSlotFromFile(slot.command, 2, file); }));
    const ImageList::Image& image = (skin.*slot.list).ImageAt(2);
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(image.pixels[static_cast<std::size_t>(x)], slot.probes[x].pixel) << x;
      EXPECT_EQ(image.mask[static_cast<std::size_t>(x)], slot.probes[x].mask) << x;
    }
  }
  // A wrong size is refused with the slot's message, as a BMP is.
  Run([&] { editor.ReplaceImageSlotFromFile(actHPreExecute, 0, PngFile(folder, "big.png", 22, 21)); });
  EXPECT_EQ(dialogs.boxes,
            (std::vector<ScriptedDialogs::Box>{{MessageBoxKind::kError, "The size of the image should be 21*21!"}}));

  // Backgrounds keep every pixel's colour, transparent or not.
  ASSERT_TRUE(Run([&] { editor.ChangeBackgroundFromFile(Background::bgTop, PngFile(folder, "top.png", 40, 3)); }));
  const Bitmap& top = skin.bgTop.GetBitmap();
  EXPECT_EQ(top.Format().bitsPerPixel, 24);
  const Argb kept[] = {0xFF00FF00, 0xFF000000, 0xFFFF0000, 0xFF0000FF};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(top.PixelAt(x, 0), kept[x]) << x;

  // Saved, the skin is one of the stored layout and reads back to itself.
  const std::string saved = (folder / "with-png.skn").string();
  ASSERT_TRUE(Run([&] { editor.SaveToFile(saved); }));
  const Bytes bytes = ReadWholeFile(saved);
  const SkinFileInfo info = InspectSkinFile(bytes, SkinFileFormat::kSkn);
  EXPECT_EQ(info.records.size(), 10u);
  Skin reread;
  ReadSkinFile(bytes, SkinFileFormat::kSkn, reread);
  EXPECT_EQ(BuildSkinFile(reread), bytes);
  EXPECT_TRUE(reread.bgTop.GetBitmap().SamePixels(top));
  EXPECT_EQ(reread.ilHot.ImageAt(2).pixels, skin.ilHot.ImageAt(2).pixels);
  EXPECT_EQ(reread.ilLButtons.ImageAt(2).mask, skin.ilLButtons.ImageAt(2).mask);
}

// The rules themselves, at the edge of the threshold.
TEST(AlphaPicture, ThresholdAndCompositing) {
  const AlphaPicture picture{3, 1, {0x7F102030, 0x80102030, 0xFF102030}};
  const struct {
    AlphaRule rule;
    Colour key;
    Argb expected[3];
  } cases[] = {
      {AlphaRule::kKeyColour, clWhite, {0xFFFFFFFF, 0xFF102030, 0xFF102030}},
      {AlphaRule::kOverFuchsia, clNone, {0xFFFF00FF, 0xFF871097, 0xFF102030}},
      {AlphaRule::kKeepRgb, clNone, {0xFF102030, 0xFF102030, 0xFF102030}},
  };
  for (const auto& c : cases) {
    const Bitmap flat = FlattenAlpha(picture, c.rule, c.key);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(flat.PixelAt(x, 0), c.expected[x]) << static_cast<int>(c.rule) << " " << x;
  }
}

}  // namespace
}  // namespace tessary::test
