#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "skinfile/ByteReader.h"
#include "skinfile/ImageListPayload.h"
#include "skinfile/StartupSkin.h"

namespace tessary {
namespace {

constexpr Argb kRgb = 0x00FFFFFFu;
constexpr Argb kFuchsiaRgb = 0x00FF00FFu;

struct ExpectedList {
  const char* name;
  int count;
  int capacity;
  int width;
  int height;
  std::size_t payloadBytes;
};

// The start-up lists in skin-file order, as a skin file saved at start-up holds them.
constexpr std::array<ExpectedList, 8> kExpected{{
    {"ilLButtons", 21, 24, 24, 24, 57190},
    {"ilSButtons", 21, 24, 16, 16, 25510},
    {"ilImages", 11, 14, 21, 21, 29398},
    {"ilHot", 11, 14, 21, 21, 29398},
    {"ilDisable", 11, 14, 21, 21, 29398},
    {"ilDown", 22, 24, 21, 21, 44014},
    {"ilMain", 59, 64, 16, 16, 67750},
    {"ilPage", 10, 14, 18, 18, 21766},
}};

// The payloads of the resource, cut at their length prefixes.
std::vector<std::span<const std::uint8_t>> ResourceSlices() {
  ByteReader reader(DefaultSkinResource());
  std::vector<std::span<const std::uint8_t>> slices;
  while (!reader.AtEnd()) slices.push_back(reader.Take(reader.U32()));
  return slices;
}

int TransparentPixels(const ImageList::Image& image) {
  int count = 0;
  for (auto bit : image.mask) count += bit;
  return count;
}

std::set<Argb> OpaqueColours(const ImageList::Image& image) {
  std::set<Argb> colours;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    if (!image.mask[i]) colours.insert(image.pixels[i] & kRgb);
  }
  return colours;
}

class StartupSkinTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadStartupSkin(skin); }
  Skin skin;
};

TEST(StartupSkinResource, HoldsEightPayloadsOfTheStoredSizesAndNothingElse) {
  const auto slices = ResourceSlices();
  ASSERT_EQ(slices.size(), kExpected.size());
  std::size_t total = 0;
  for (std::size_t i = 0; i < slices.size(); ++i) {
    EXPECT_EQ(slices[i].size(), kExpected[i].payloadBytes) << kExpected[i].name;
    total += 4 + slices[i].size();
  }
  EXPECT_EQ(total, DefaultSkinResource().size());
}

TEST_F(StartupSkinTest, ListsHaveTheStoredCountsCapacitiesAndSizes) {
  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(lists[i]->name, kExpected[i].name);
    EXPECT_EQ(lists[i]->ImageCount(), kExpected[i].count);
    EXPECT_EQ(lists[i]->Capacity(), kExpected[i].capacity);
    EXPECT_EQ(lists[i]->Width(), kExpected[i].width);
    EXPECT_EQ(lists[i]->Height(), kExpected[i].height);
  }
}

TEST_F(StartupSkinTest, ColoursThemeAndBackgroundsAreTheStartUpOnes) {
  EXPECT_EQ(skin.textColour, clWindowText);
  EXPECT_EQ(skin.gaugeColour, Colour{0x00996633});
  EXPECT_EQ(skin.themeName, "MonaiXP");
  EXPECT_FALSE(skin.bgTop.HasPicture());
  EXPECT_FALSE(skin.bgBottom.HasPicture());
  EXPECT_EQ(skin.bgTop.BkColor(), clNone);
  EXPECT_TRUE(skin.ilMain.properties.shareImages);
}

// A skin saved straight after start-up must store the resource's bytes: the writer
// reproduces every payload exactly, and writing does not disturb the list.
TEST_F(StartupSkinTest, WritingEachListGivesBackTheResourceBytes) {
  const auto slices = ResourceSlices();
  const auto lists = skin.ImageLists();
  ASSERT_EQ(slices.size(), lists.size());
  for (std::size_t i = 0; i < lists.size(); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    std::vector<std::uint8_t> first;
    WriteImageListPayload(first, *lists[i]);
    EXPECT_EQ(first.size(), kExpected[i].payloadBytes);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), slices[i].begin(), slices[i].end()));
    std::vector<std::uint8_t> second;
    WriteImageListPayload(second, *lists[i]);
    EXPECT_EQ(first, second);
  }
}

TEST_F(StartupSkinTest, LoadingReplacesAnEditedSkinAndTellsObservers) {
  Skin edited;
  LoadStartupSkin(edited);
  edited.ilHot.Clear();
  edited.ilMain.AppendImage(Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF123456u)), clNone);
  edited.themeName = "Xito";
  int notices = 0;
  auto connection = edited.ilHot.OnChange([&] { ++notices; });

  LoadStartupSkin(edited);
  EXPECT_EQ(edited.ilHot.ImageCount(), 11);
  EXPECT_EQ(edited.ilMain.ImageCount(), 59);
  EXPECT_EQ(edited.themeName, "MonaiXP");
  EXPECT_GE(notices, 1);
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(edited.ilHot.ImageAt(i).pixels, skin.ilHot.ImageAt(i).pixels) << i;
  }
}

// Large, small and other images are keyed by fuchsia: transparent pixels are stored black,
// no visible pixel is fuchsia (it would turn transparent when the image is replaced with
// itself), and icons show through their surround. A few full-bleed icons have soft
// edges all round and so no fully transparent pixel.
TEST_F(StartupSkinTest, FuchsiaKeyedListsHaveTransparentSurroundsAndNoVisibleFuchsia) {
  for (const ImageList* list : {&skin.ilLButtons, &skin.ilSButtons, &skin.ilMain}) {
    int withSurround = 0;
    for (int i = 0; i < list->ImageCount(); ++i) {
      SCOPED_TRACE(list->name + " " + std::to_string(i));
      const auto& image = list->ImageAt(i);
      if (TransparentPixels(image) > 0) ++withSurround;
      for (std::size_t p = 0; p < image.pixels.size(); ++p) {
        if (image.mask[p]) {
          EXPECT_EQ(image.pixels[p] & kRgb, 0u);
        } else {
          EXPECT_NE(image.pixels[p] & kRgb, kFuchsiaRgb);
        }
      }
    }
    EXPECT_GE(withSurround * 4, list->ImageCount() * 3) << list->name;
  }
}

// The icons are cut out for every face: no pixel on the edge of a large, small or other image
// has the light toolbar face that soft icon edges used to be flattened on (it showed as a
// fringe and an oval on every other face and over pictures).
TEST_F(StartupSkinTest, IconEdgesCarryNoFaceColour) {
  const auto nearFace = [](Argb c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return std::abs(r - 0xEC) + std::abs(g - 0xE9) + std::abs(b - 0xD8) <= 24;
  };
  for (const ImageList* list : {&skin.ilLButtons, &skin.ilSButtons, &skin.ilMain}) {
    const int w = list->Width(), h = list->Height();
    for (int i = 0; i < list->ImageCount(); ++i) {
      const auto& image = list->ImageAt(i);
      const auto clear = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && image.mask[static_cast<std::size_t>(y * w + x)];
      };
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const bool edge = clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1);
          EXPECT_FALSE(!clear(x, y) && edge && nearFace(image.pixels[static_cast<std::size_t>(y * w + x)]))
              << list->name << " " << i << " at " << x << ", " << y;
        }
      }
    }
  }
}

TEST_F(StartupSkinTest, SystemButtonsAndTabsAreOpaqueExceptTheFirstDownImages) {
  for (const ImageList* list : {&skin.ilImages, &skin.ilHot, &skin.ilDisable, &skin.ilPage}) {
    for (int i = 0; i < list->ImageCount(); ++i) {
      EXPECT_EQ(TransparentPixels(list->ImageAt(i)), 0) << list->name << " " << i;
    }
  }
  for (int i = 0; i < 22; ++i) {
    const int transparent = TransparentPixels(skin.ilDown.ImageAt(i));
    if (i <= 10) {
      EXPECT_GT(transparent, 0) << "ilDown " << i;
    } else {
      EXPECT_EQ(transparent, 0) << "ilDown " << i;
    }
  }
}

// The preview keys a system button by its bottom-left pixel: it must be fuchsia and the
// glyph and face must not share that colour.
TEST_F(StartupSkinTest, SystemButtonsHaveAFuchsiaFrameAroundAnOpaqueBody) {
  for (const ImageList* list : {&skin.ilImages, &skin.ilHot, &skin.ilDisable}) {
    for (int i = 0; i < list->ImageCount(); ++i) {
      SCOPED_TRACE(list->name + " " + std::to_string(i));
      const auto& image = list->ImageAt(i);
      const int side = list->Width();
      const auto at = [&](int x, int y) { return image.pixels[static_cast<std::size_t>(y * side + x)] & kRgb; };
      EXPECT_EQ(at(0, side - 1), kFuchsiaRgb);
      EXPECT_EQ(at(side - 1, 0), kFuchsiaRgb);
      EXPECT_NE(at(side / 2, side / 2 + 4), kFuchsiaRgb);
      EXPECT_NE(at(3, side / 2), kFuchsiaRgb);
    }
  }
  // Pressed images mark their frame transparent instead.
  for (int i = 0; i <= 10; ++i) {
    const auto& image = skin.ilDown.ImageAt(i);
    EXPECT_EQ(image.mask[20 * 21 + 0], 1) << i;
    EXPECT_EQ(image.mask[10 * 21 + 10], 0) << i;
  }
}

// Every image is a picture, not a flat square: several colours, and no slot repeats
// another slot of its list.
TEST_F(StartupSkinTest, EveryImageIsDistinctAndHasSeveralColours) {
  for (const ImageList* list : skin.ImageLists()) {
    for (int i = 0; i < list->ImageCount(); ++i) {
      EXPECT_GE(OpaqueColours(list->ImageAt(i)).size(), 4u) << list->name << " " << i;
      for (int j = 0; j < i; ++j) {
        EXPECT_NE(list->ImageAt(i).pixels, list->ImageAt(j).pixels) << list->name << " slots " << j << " and " << i;
      }
    }
  }
  // Icon-set pictures have shading, not just a few flat colours.
  for (const ImageList* list : {&skin.ilLButtons, &skin.ilSButtons, &skin.ilPage}) {
    for (int i = 0; i < list->ImageCount(); ++i) {
      EXPECT_GE(OpaqueColours(list->ImageAt(i)).size(), 12u) << list->name << " " << i;
    }
  }
}

// The four states of one button show the same glyph differently.
TEST_F(StartupSkinTest, SystemButtonStatesDifferForEverySlot) {
  for (int i = 0; i < 11; ++i) {
    const auto& normal = skin.ilImages.ImageAt(i).pixels;
    EXPECT_NE(normal, skin.ilHot.ImageAt(i).pixels) << i;
    EXPECT_NE(normal, skin.ilDisable.ImageAt(i).pixels) << i;
    EXPECT_NE(normal, skin.ilDown.ImageAt(i).pixels) << i;
    EXPECT_NE(skin.ilHot.ImageAt(i).pixels, skin.ilDown.ImageAt(i).pixels) << i;
  }
}

}  // namespace
}  // namespace tessary
