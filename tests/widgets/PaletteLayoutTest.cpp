// The colour button's palette apart from painting: its colour grid, the cell under a point,
// the arrow-key walk, where it opens on the screen, the hints, and the custom colours as the
// colour dialog receives and returns them.
#include <gtest/gtest.h>

#include "skin/Error.h"
#include "widgets/controls/ColourDialogHook.h"
#include "widgets/controls/PaletteLayout.h"
#include "widgets/controls/TColorArrayClass.h"

namespace tessary::widgets {
namespace {

using palette::CellAt;
using palette::Walk;

TEST(ColourGrid, IsAddressedFromOneAndStoredColumnByColumn) {
  const TColorArrayClass grid = DefaultPaletteColours();
  EXPECT_EQ(grid.At(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(grid.At(1, 2), 0x000000FFu);
  EXPECT_EQ(grid.At(2, 1), 0x00000000u);
  EXPECT_EQ(grid.At(4, 5), 0x009F9F9Fu);
  EXPECT_EQ(grid.Colors().size(), 20u);
  EXPECT_EQ(grid.Colors()[5], grid.At(2, 1));
  for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {5, 1}, {1, 6}, {-1, -1}}) {
    try {
      (void)grid.At(x, y);
      ADD_FAILURE() << x << "," << y;
    } catch (const SkinError& error) {
      EXPECT_STREQ(error.what(), "Array index out of bounds");
    }
  }
  TColorArrayClass changed = grid;
  EXPECT_TRUE(changed == grid);
  changed.Set(3, 2, clRed);
  EXPECT_FALSE(changed == grid);
  EXPECT_EQ(DefaultCustomColours().Colors(), std::vector<Colour>(16, clWhite));
}

TEST(PaletteLayout, FindsTheCellUnderAPoint) {
  const struct {
    QPoint point;
    int x, y;
  } cases[] = {
      {{0, 0}, 1, 1},      {{17, 17}, 1, 1},   {{18, 0}, 2, 1},
      {{71, 89}, 4, 5},    {{53, 99}, 1, 0},   {{70, 116}, 1, 0},    // the other cell, where it is drawn
      {{52, 108}, -1, -1}, {{60, 98}, -1, -1}, {{60, 117}, -1, -1},  // just beside it
      {{10, 92}, -1, -1},  {{72, 10}, -1, -1}, {{-3, 5}, -1, -1},
  };
  for (const auto& c : cases) {
    const PaletteCell cell = CellAt(c.point, 4, 5);
    EXPECT_TRUE(cell.Same({c.x, c.y})) << c.point.x() << "," << c.point.y() << " gave " << cell.x << "," << cell.y;
  }
  EXPECT_EQ(palette::CellRect({3, 2}), QRect(36, 18, 18, 18));
  EXPECT_EQ(palette::CellRect(PaletteCell::Other()), QRect(53, 99, 18, 18));
}

TEST(PaletteLayout, ArrowKeysWalkAndWrap) {
  const auto walk = [](PaletteCell from, std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) from = Walk(from, key, 4, 5);
    return from;
  };
  const auto D = Qt::Key_Down, U = Qt::Key_Up, L = Qt::Key_Left, R = Qt::Key_Right;
  const struct {
    PaletteCell from;
    std::initializer_list<Qt::Key> keys;
    PaletteCell to;
  } cases[] = {
      {PaletteCell::None(), {L}, {1, 1}},
      {PaletteCell::None(), {D}, {1, 1}},
      {{2, 1}, {D, D, D, D, D}, PaletteCell::Other()},
      {{2, 1}, {D, D, D, D, D, D}, {2, 1}},  // back to the column it left
      {{3, 1}, {U}, PaletteCell::Other()},
      {{3, 1}, {U, U}, {3, 5}},
      {{1, 3}, {L}, {4, 3}},
      {{4, 3}, {R}, {1, 3}},
      {{2, 2}, {R, R}, {4, 2}},
      {PaletteCell::Other(2), {L, R, L}, PaletteCell::Other()},  // nothing on the other cell
  };
  for (const auto& c : cases) {
    const PaletteCell to = walk(c.from, c.keys);
    EXPECT_TRUE(to.Same(c.to)) << c.from.x << "," << c.from.y << " reached " << to.x << "," << to.y;
  }
}

TEST(PaletteLayout, OpensBelowTheButtonOrAboveAndStaysOnTheWorkArea) {
  const QRect work(0, 0, 1280, 1000);
  const struct {
    QRect button;
    QPoint at;
  } cases[] = {
      {{107, 224, 142, 22}, {107, 246}},    // below
      {{107, 880, 142, 22}, {107, 759}},    // 121 above the top: no room below
      {{107, 857, 142, 22}, {107, 879}},    // just fits below
      {{-30, 100, 142, 22}, {0, 122}},      // onto the left edge
      {{1250, 100, 142, 22}, {1202, 122}},  // 78 left of the right edge
      {{1208, 100, 45, 22}, {1208, 122}},   // right edge exactly reached
  };
  for (const auto& c : cases) EXPECT_EQ(palette::Placement(c.button, work), c.at) << c.button.y();
}

TEST(PaletteLayout, HintsGiveRedGreenAndBlueAsThreeDigits) {
  EXPECT_EQ(palette::ColourHint(0x00996633), "RGB = 051 102 153");
  EXPECT_EQ(palette::ColourHint(clWhite), "RGB = 255 255 255");
  EXPECT_EQ(palette::ColourHint(0x000000FF), "RGB = 255 000 000");
  EXPECT_EQ(palette::ColourHint(clBtnFace), "RGB = 236 233 216");  // resolved
}

TEST(CustomColours, TravelAsLetteredEntriesAndComeBackIntoTheirCells) {
  TColorArrayClass custom = DefaultCustomColours();
  custom.Set(3, 1, 0x00996633);
  custom.Set(2, 2, 0x80000005);
  const QStringList entries = CustomColourEntries(custom);
  ASSERT_EQ(entries.size(), 16);
  EXPECT_EQ(entries[0], "ColorA=00FFFFFF");
  EXPECT_EQ(entries[2], "ColorC=00996633");
  EXPECT_EQ(entries[9], "ColorJ=80000005");
  EXPECT_EQ(entries[15], "ColorP=00FFFFFF");

  TColorArrayClass back(8, 2, clBlack);
  ReadCustomColourEntries(entries, back);
  EXPECT_TRUE(back == custom);

  // Entries come back in any order, in any case; a missing or unreadable one gives white.
  ReadCustomColourEntries({"colorb=00123456", "ColorA=zz", "ColorP=00000001", "ColorQ=00000002"}, back);
  EXPECT_EQ(back.At(1, 1), clWhite);
  EXPECT_EQ(back.At(2, 1), 0x00123456u);
  EXPECT_EQ(back.At(3, 1), clWhite);
  EXPECT_EQ(back.At(8, 2), 0x00000001u);
}

}  // namespace
}  // namespace tessary::widgets
