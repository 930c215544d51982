#pragma once
// How the bars of one dock row share its width. Every bar wants its natural width and can
// go down to its minimum (border, drag handle and chevron; a tool window its fixed
// children). When the row is wide enough, flexible bars (stretching bars, the menu bar)
// share what is left over and the others keep their places; when it is too narrow, each
// bar gives up width in proportion to what it can spare, so every squeezed bar shows its
// chevron instead of one bar vanishing while another keeps everything.
#include <vector>

namespace tessary::widgets {

struct RowMember {
  int natural = 0;
  int minimum = 0;
  bool flexible = false;  // takes a share of the width left over
  int x = 0;              // wanted place in the row (kept where the row has room)
};

struct RowPlace {
  int x = 0;
  int width = 0;
};

// Places `members` (in row order) in a row `available` pixels wide. Nothing runs past the
// row's end: when not even the minimums fit, the last bars are cut at the edge.
std::vector<RowPlace> ArrangeRowMembers(const std::vector<RowMember>& members, int available);

}  // namespace tessary::widgets
