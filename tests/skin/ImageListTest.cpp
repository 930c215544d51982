#include <gtest/gtest.h>

#include <memory>

#include "skin/Error.h"
#include "skin/ImageList.h"

namespace tessary {
namespace {

constexpr Argb kFuchsia = 0xFFFF00FF;
constexpr Argb kWhite = 0xFFFFFFFF;
constexpr Argb kBlack = 0xFF000000;
constexpr Argb kBlue = 0xFF0000FF;

// A width x height picture of `fill` with `special` at the given pixel indices.
Bitmap Picture(int width, int height, Argb fill, Argb special = 0, std::vector<int> at = {}) {
  std::vector<Argb> pixels(static_cast<std::size_t>(width * height), fill);
  for (int i : at) pixels[static_cast<std::size_t>(i)] = special;
  return Bitmap::FromArgb(width, height, pixels);
}

// Counts notices of a list for the life of the test.
struct NoticeCounter {
  explicit NoticeCounter(ImageList& list) : connection(list.OnChange([this] { ++count; })) {}
  int count = 0;
  Connection connection;
};

TEST(ImageListMask, NoneKeepsEveryPixelOpaque) {
  ImageList list(2, 2);
  list.AppendImage(Picture(2, 2, kFuchsia, kWhite, {3}), clNone);
  const auto& image = list.ImageAt(0);
  EXPECT_EQ(image.pixels, (std::vector<Argb>{kFuchsia, kFuchsia, kFuchsia, kWhite}));
  EXPECT_EQ(image.mask, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(ImageListMask, PixelsOfTheMaskColourBecomeTransparentBlack) {
  ImageList list(2, 2);
  list.AppendImage(Picture(2, 2, kBlue, kFuchsia, {0, 3}), clFuchsia);
  list.AppendImage(Picture(2, 2, kFuchsia, kWhite, {1}), clWhite);
  EXPECT_EQ(list.ImageAt(0).pixels, (std::vector<Argb>{kBlack, kBlue, kBlue, kBlack}));
  EXPECT_EQ(list.ImageAt(0).mask, (std::vector<std::uint8_t>{1, 0, 0, 1}));
  EXPECT_EQ(list.ImageAt(1).pixels, (std::vector<Argb>{kFuchsia, kBlack, kFuchsia, kFuchsia}));
  EXPECT_EQ(list.ImageAt(1).mask, (std::vector<std::uint8_t>{0, 1, 0, 0}));
}

TEST(ImageListMask, OnlyExactMatchesAreTransparent) {
  ImageList list(3, 1);
  list.AppendImage(Picture(3, 1, 0xFFFE00FF, 0xFFFF01FF, {1}), clFuchsia);
  EXPECT_EQ(list.ImageAt(0).mask, (std::vector<std::uint8_t>{0, 0, 0}));
}

TEST(ImageListMask, SystemColourIsResolvedFirst) {
  const Argb face = ColourToArgb(clBtnFace);
  ImageList list(2, 1);
  list.AppendImage(Picture(2, 1, kBlue, face, {1}), clBtnFace);
  EXPECT_EQ(list.ImageAt(0).mask, (std::vector<std::uint8_t>{0, 1}));
}

TEST(ImageListAppend, ReturnsOldCountAndGrowsCapacityByFour) {
  ImageList list(1, 1);
  EXPECT_EQ(list.Capacity(), ImageList::kGrowBy);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.AppendImage(Picture(1, 1, kBlue), clNone), i);
  EXPECT_EQ(list.Capacity(), 4);
  EXPECT_EQ(list.AppendImage(Picture(1, 1, kBlue), clNone), 4);
  EXPECT_EQ(list.Capacity(), 8);
  EXPECT_EQ(list.ImageCount(), 5);
}

TEST(ImageListAppend, WrongSizeIsRefusedWithoutChange) {
  ImageList list(16, 16);
  NoticeCounter notices(list);
  EXPECT_THROW(list.AppendImage(Picture(16, 15, kBlue), clNone), SkinError);
  EXPECT_THROW(list.AppendImage(Picture(24, 24, kBlue), clNone), SkinError);
  EXPECT_EQ(list.ImageCount(), 0);
  EXPECT_EQ(notices.count, 0);
}

TEST(ImageListReplace, OutsideTheListFailsAndChangesNothing) {
  ImageList list(1, 1);
  for (int i = 0; i < 11; ++i) list.AppendImage(Picture(1, 1, kBlue), clNone);
  NoticeCounter notices(list);
  const auto generation = list.Generation();
  for (int index : {11, -1, 1000}) {
    try {
      list.ReplaceImage(index, Picture(1, 1, kWhite), clNone);
      ADD_FAILURE() << "index " << index << " was accepted";
    } catch (const SkinError& error) {
      EXPECT_STREQ(error.what(), "Unable to Replace Image");
    }
  }
  EXPECT_EQ(list.ImageCount(), 11);
  EXPECT_EQ(list.Capacity(), 12);
  EXPECT_EQ(list.Generation(), generation);
  EXPECT_EQ(notices.count, 0);
}

TEST(ImageListReplace, ChangesOnlyTheImageEvenWhenFull) {
  ImageList list(2, 1);
  for (int i = 0; i < 4; ++i) list.AppendImage(Picture(2, 1, kBlue), clNone);
  NoticeCounter notices(list);
  list.ReplaceImage(2, Picture(2, 1, kWhite, kFuchsia, {0}), clFuchsia);
  EXPECT_EQ(list.ImageCount(), 4);
  EXPECT_EQ(list.Capacity(), 4);
  EXPECT_EQ(list.ImageAt(2).pixels, (std::vector<Argb>{kBlack, kWhite}));
  EXPECT_EQ(list.ImageAt(2).mask, (std::vector<std::uint8_t>{1, 0}));
  EXPECT_EQ(list.ImageAt(1).pixels, (std::vector<Argb>{kBlue, kBlue}));
  EXPECT_EQ(notices.count, 1);
  EXPECT_THROW(list.ReplaceImage(0, Picture(1, 1, kBlue), clNone), SkinError);
  EXPECT_EQ(notices.count, 1);
}

TEST(ImageListSize, NewSizeEmptiesTheListEqualSizeChangesNothing) {
  ImageList list(16, 16);
  for (int i = 0; i < 5; ++i) list.AppendImage(Picture(16, 16, kBlue), clNone);
  NoticeCounter notices(list);
  const auto generation = list.Generation();
  list.SetWidth(16);
  list.SetHeight(16);
  list.SetSize(16, 16);
  EXPECT_EQ(list.ImageCount(), 5);
  EXPECT_EQ(notices.count, 0);
  EXPECT_EQ(list.Generation(), generation);

  list.SetWidth(24);
  EXPECT_EQ(list.Width(), 24);
  EXPECT_EQ(list.ImageCount(), 0);
  EXPECT_EQ(list.Capacity(), ImageList::kGrowBy);
  EXPECT_EQ(notices.count, 1);
  list.SetHeight(24);
  EXPECT_EQ(notices.count, 2);
  EXPECT_GT(list.Generation(), generation + 1);
}

TEST(ImageListContent, SetContentKeepsCapacityAtLeastTheCount) {
  ImageList list(1, 1);
  NoticeCounter notices(list);
  std::vector<ImageList::Image> images(5, ImageList::Image{{kBlue, kBlue}, {0, 0}});
  list.SetContent(2, 1, 3, images);
  EXPECT_EQ(list.Capacity(), 5);
  list.SetContent(2, 1, 14, images);
  EXPECT_EQ(list.Capacity(), 14);
  EXPECT_EQ(list.Width(), 2);
  EXPECT_EQ(notices.count, 2);
  // Images of another size would break every later read of the cells.
  EXPECT_THROW(list.SetContent(3, 1, 8, images), SkinError);
  EXPECT_EQ(list.Width(), 2);
  EXPECT_EQ(notices.count, 2);
}

TEST(ImageListContent, ClearNotifiesOnce) {
  ImageList list(1, 1);
  list.AppendImage(Picture(1, 1, kBlue), clNone);
  NoticeCounter notices(list);
  list.Clear();
  EXPECT_EQ(list.ImageCount(), 0);
  EXPECT_EQ(notices.count, 1);
}

TEST(ImageListContent, AssignCopiesContentAndPropertiesButNotObserversOrName) {
  ImageList source(2, 1);
  source.name = "ilSource";
  source.properties.bkColor = clWhite;
  source.properties.allocBy = 8;
  for (int i = 0; i < 5; ++i) source.AppendImage(Picture(2, 1, kBlue, kFuchsia, {i % 2}), clFuchsia);
  NoticeCounter sourceNotices(source);

  ImageList target(16, 16);
  target.name = "ilTarget";
  NoticeCounter targetNotices(target);
  target.Assign(source);
  EXPECT_EQ(target.name, "ilTarget");
  EXPECT_EQ(target.Width(), 2);
  EXPECT_EQ(target.Height(), 1);
  EXPECT_EQ(target.Capacity(), 8);
  EXPECT_EQ(target.properties.bkColor, clWhite);
  EXPECT_EQ(target.properties.allocBy, 8);
  ASSERT_EQ(target.ImageCount(), 5);
  EXPECT_EQ(target.ImageAt(3).mask, source.ImageAt(3).mask);
  EXPECT_EQ(targetNotices.count, 1);
  EXPECT_EQ(sourceNotices.count, 0);

  // The copy is independent: changing it leaves the source alone.
  target.ReplaceImage(0, Picture(2, 1, kWhite), clNone);
  EXPECT_EQ(source.ImageAt(0).pixels[1], kBlue);
  EXPECT_EQ(sourceNotices.count, 0);
}

TEST(ImageListObservers, AnObserverMayDestroyTheListItIsToldAbout) {
  auto list = std::make_unique<ImageList>(1, 1);
  int laterCalls = 0;
  // A window that closes on a change frees its lists while they are still telling.
  Connection closer = list->OnChange([&] { list.reset(); });
  Connection later = list->OnChange([&] { ++laterCalls; });
  list->Clear();
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(laterCalls, 0);
  // Handles that outlive the list let go without touching it.
  closer.Reset();
  later.Reset();
}

TEST(ImageListContent, ImageBitmapGivesTheStoredPixels) {
  ImageList list(3, 2);
  list.AppendImage(Picture(3, 2, kBlue, kFuchsia, {4}), clFuchsia);
  const Bitmap bitmap = list.ImageBitmap(0);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.PixelAt(1, 1), kBlack);
  EXPECT_EQ(bitmap.PixelAt(0, 1), kBlue);
  EXPECT_THROW(list.ImageBitmap(1), std::out_of_range);
}

}  // namespace
}  // namespace tessary
