// How a dock row shares its width: natural widths and kept places when it fits, the
// left-over width to the flexible bars, and, when it is too narrow, every bar giving up
// width in proportion to what it can spare, never below its minimum and never past the end.
#include <gtest/gtest.h>

#include "widgets/RowLayout.h"

namespace tessary::widgets {
namespace {

struct RowCase {
  const char* name;
  std::vector<RowMember> members;  // natural, minimum, flexible, wanted x
  int available;
  std::vector<RowPlace> expected;  // x, width
};

const RowCase kRowCases[] = {
    {"fits: places kept, pushed apart, pulled back from the end",
     {{100, 20, false, 50}, {100, 20, false, 120}, {100, 20, false, 900}},
     500,
     {{50, 100}, {150, 100}, {400, 100}}},
    {"menu bar takes what the fixed tool window leaves",
     {{100, 20, true, 0}, {150, 150, false, 10000}},
     600,
     {{0, 450}, {450, 150}}},
    {"two stretching bars share the left-over width equally",
     {{300, 26, true, 0}, {200, 26, true, 0}},
     700,
     {{0, 400}, {400, 300}}},
    {"too narrow: each gives up in proportion to its room, the fixed one nothing",
     {{280, 20, true, 0}, {500, 30, false, 0}, {140, 140, false, 0}},
     500,
     {{0, 131}, {131, 229}, {360, 140}}},
    {"minimums do not fit: all at their minimum, the last cut at the end",
     {{280, 20, true, 0}, {500, 30, false, 0}, {140, 140, false, 0}},
     100,
     {{0, 20}, {20, 30}, {50, 50}}},
};

TEST(RowLayout, SharesTheRowWidth) {
  for (const RowCase& row : kRowCases) {
    SCOPED_TRACE(row.name);
    const std::vector<RowPlace> places = ArrangeRowMembers(row.members, row.available);
    ASSERT_EQ(places.size(), row.expected.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(places[i].x, row.expected[i].x) << "bar " << i;
      EXPECT_EQ(places[i].width, row.expected[i].width) << "bar " << i;
    }
  }
}

TEST(RowLayout, NeverBelowTheMinimumNorPastTheEndAtAnyWidth) {
  const std::vector<RowMember> members{
      {280, 26, true, 0}, {500, 26, false, 0}, {240, 240, false, 0}, {90, 26, true, 0}};
  for (int available = 0; available <= 1300; available += 7) {
    const std::vector<RowPlace> places = ArrangeRowMembers(members, available);
    int x = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(places[i].x, x) << available;
      if (available >= 26 + 26 + 240 + 26) {
        EXPECT_GE(places[i].width, members[i].minimum) << available;
      }
      x += places[i].width;
    }
    EXPECT_EQ(x, available) << available;  // flexible bars fill the row; squeezed rows end at its end
  }
}

}  // namespace
}  // namespace tessary::widgets
