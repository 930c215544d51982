// The dock background's data side: when it re-prepares and tells its listeners, how the
// stretch follows the dock's size, and what painting gets with transparency.
#include <gtest/gtest.h>

#include "skin/TTBBackground.h"

namespace tessary {
namespace {

// Pixels 0xFF0000nn from the values nn.
std::vector<Argb> Opaque(std::initializer_list<Argb> values) {
  std::vector<Argb> out;
  for (Argb v : values) out.push_back(0xFF000000u | v);
  return out;
}

Bitmap TwoByTwo() { return Bitmap::FromArgb(2, 2, Opaque({1, 2, 3, 4})); }

class TTBBackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    background.AddChangeListener(this, [this] { ++notices; });
  }
  TTBBackground background;
  int notices = 0;
};

TEST_F(TTBBackgroundTest, StartsEmptyWithButtonFace) {
  TTBBackground fresh;
  EXPECT_EQ(fresh.BkColor(), clBtnFace);
  EXPECT_FALSE(fresh.Transparent());
  EXPECT_FALSE(fresh.StretchBitmap());
  EXPECT_FALSE(fresh.HasPicture());
  EXPECT_EQ(fresh.ListenerCount(), 0u);
  EXPECT_TRUE(fresh.PaintPixels().empty());
}

TEST_F(TTBBackgroundTest, SettingTheBitmapAlwaysNotifies) {
  background.SetBitmap(TwoByTwo());
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(background.HasPicture());
  EXPECT_TRUE(background.Prepared().SamePixels(TwoByTwo()));
  background.SetBitmap(TwoByTwo());  // the same picture again still counts as a load
  EXPECT_EQ(notices, 2);
  background.SetBitmap(Bitmap());
  EXPECT_EQ(notices, 3);
  EXPECT_FALSE(background.HasPicture());
}

TEST_F(TTBBackgroundTest, BkColorMattersOnlyWhileTransparent) {
  background.SetBitmap(TwoByTwo());
  const auto generation = background.Generation();
  background.SetBkColor(clRed);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(background.Generation(), generation);
  background.SetTransparent(true);
  EXPECT_EQ(notices, 2);
  background.SetTransparent(true);  // unchanged
  EXPECT_EQ(notices, 2);
  background.SetBkColor(clWhite);
  EXPECT_EQ(notices, 3);
  background.SetBkColor(clWhite);
  EXPECT_EQ(notices, 3);
}

TEST_F(TTBBackgroundTest, TransparentReplacesTheBottomLeftColourEverywhere) {
  background.SetBitmap(Bitmap::FromArgb(3, 2,
                                        Opaque({5, 1, 5,  //
                                                5, 2, 3})));
  EXPECT_EQ(background.PaintPixels(), Opaque({5, 1, 5, 5, 2, 3}));
  background.SetBkColor(clRed);  // 0x0000FF as 0x00BBGGRR
  background.SetTransparent(true);
  EXPECT_EQ(background.PaintPixels(), (std::vector<Argb>{0xFFFF0000, 0xFF000001, 0xFFFF0000,  //
                                                         0xFFFF0000, 0xFF000002, 0xFF000003}));
  background.SetBkColor(clBtnFace);  // resolved through the fixed scheme
  EXPECT_EQ(background.PaintPixels()[0], ColourToArgb(clBtnFace));
  // The prepared picture itself keeps its colours.
  EXPECT_EQ(background.Prepared().PixelAt(0, 0), 0xFF000005u);
}

TEST_F(TTBBackgroundTest, NoneAsBkColorLeavesTransparentPixelsAsTheyAre) {
  background.SetBitmap(TwoByTwo());
  background.SetBkColor(clNone);
  background.SetTransparent(true);
  EXPECT_EQ(background.PaintPixels(), Opaque({1, 2, 3, 4}));
}

TEST_F(TTBBackgroundTest, PaintPixelsAreCachedUntilTheNextChange) {
  background.SetBitmap(TwoByTwo());
  background.SetTransparent(true);
  background.SetBkColor(clWhite);
  const Argb* first = background.PaintPixels().data();
  EXPECT_EQ(background.PaintPixels().data(), first);
  EXPECT_EQ(background.PaintPixels()[2], 0xFFFFFFFFu);
  background.SetBkColor(clBlack);
  EXPECT_EQ(background.PaintPixels()[2], 0xFF000000u);
}

TEST_F(TTBBackgroundTest, StretchWaitsForASizeAndFollowsIt) {
  background.SetBitmap(TwoByTwo());
  background.SetStretchSize(8, 8);  // ignored while not stretching: not even recorded
  EXPECT_EQ(background.StretchWidth(), 0);
  EXPECT_EQ(notices, 1);

  background.SetStretchBitmap(true);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(background.Prepared().Width(), 2);  // no size yet: tiled at its own size

  background.SetStretchSize(4, 2);
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(background.Prepared().Pixels(), Opaque({1, 1, 2, 2, 3, 3, 4, 4}));
  background.SetStretchSize(4, 2);  // same size: nothing
  EXPECT_EQ(notices, 3);

  background.SetStretchBitmap(false);
  EXPECT_EQ(notices, 4);
  EXPECT_TRUE(background.Prepared().SamePixels(TwoByTwo()));
  EXPECT_EQ(background.StretchWidth(), 4);  // kept for when stretching comes back
  background.SetStretchBitmap(true);
  EXPECT_EQ(background.Prepared().Width(), 4);
}

TEST_F(TTBBackgroundTest, ZeroExtentInOneDirectionKeepsThePicturesOwnSize) {
  background.SetBitmap(TwoByTwo());
  background.SetStretchBitmap(true);
  background.SetStretchSize(6, 0);
  EXPECT_TRUE(background.HasPicture());
  EXPECT_EQ(background.Prepared().Width(), 6);
  EXPECT_EQ(background.Prepared().Height(), 2);
  background.SetStretchSize(0, 3);
  EXPECT_EQ(background.Prepared().Width(), 2);
  EXPECT_EQ(background.Prepared().Height(), 3);
}

TEST_F(TTBBackgroundTest, SizeBeyondThePictureLimitIsTiledNotRefused) {
  background.SetBitmap(TwoByTwo());
  background.SetStretchBitmap(true);
  EXPECT_NO_THROW(background.SetStretchSize(kMaxBitmapSide, kMaxBitmapSide));
  EXPECT_TRUE(background.Prepared().SamePixels(TwoByTwo()));
}

TEST_F(TTBBackgroundTest, ClearingAStretchedPictureLeavesNothingToPaint) {
  background.SetStretchBitmap(true);
  background.SetStretchSize(50, 20);
  background.SetBitmap(TwoByTwo());
  EXPECT_EQ(background.Prepared().Width(), 50);
  background.SetBitmap(Bitmap());
  EXPECT_FALSE(background.HasPicture());
  EXPECT_TRUE(background.PaintPixels().empty());
}

TEST_F(TTBBackgroundTest, SystemColourChangeRebuildsOnlyForTransparentSystemColours) {
  background.SetBitmap(TwoByTwo());
  background.SystemColoursChanged();
  EXPECT_EQ(notices, 1);  // not transparent
  background.SetTransparent(true);
  background.SystemColoursChanged();
  EXPECT_EQ(notices, 3);  // clBtnFace is a system colour
  background.SetBkColor(clFuchsia);
  background.SystemColoursChanged();
  EXPECT_EQ(notices, 4);  // the colour change only
}

TEST_F(TTBBackgroundTest, ListenersAreKeyedCalledInOrderAndMayLeaveWhileCalled) {
  std::vector<int> calls;
  int first = 0, second = 0;
  background.AddChangeListener(&first, [&] { calls.push_back(1); });
  background.AddChangeListener(&first, [&] { calls.push_back(99); });  // same key: kept once
  background.AddChangeListener(&second, [&] {
    calls.push_back(2);
    background.RemoveChangeListener(&second);
  });
  EXPECT_EQ(background.ListenerCount(), 3u);
  background.RemoveChangeListener(&calls);  // unknown key: nothing
  EXPECT_EQ(background.ListenerCount(), 3u);

  background.SetTransparent(true);
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
  background.SetTransparent(false);
  EXPECT_EQ(calls, (std::vector<int>{1, 2, 1}));
  background.RemoveChangeListener(&first);
  EXPECT_EQ(background.ListenerCount(), 1u);
}

TEST_F(TTBBackgroundTest, CopiesTakeContentButNotListenersAndAssignNotifiesOnce) {
  TTBBackground source;
  source.SetBitmap(TwoByTwo());
  source.SetTransparent(true);
  source.SetBkColor(clRed);
  source.SetStretchBitmap(true);
  source.SetStretchSize(4, 4);
  source.name = "bgTop";
  source.AddChangeListener(&source, [] {});

  const TTBBackground copy(source);
  EXPECT_EQ(copy.ListenerCount(), 0u);
  EXPECT_EQ(copy.name, "bgTop");
  EXPECT_EQ(copy.PaintPixels(), source.PaintPixels());

  background = source;
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(background.ListenerCount(), 1u);  // its own listener stays
  EXPECT_EQ(background.Prepared().Width(), 4);
  EXPECT_EQ(background.PaintPixels(), source.PaintPixels());
}

}  // namespace
}  // namespace tessary
