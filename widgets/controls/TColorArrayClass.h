#pragma once
// A grid of XSize x YSize colours addressed by column x (1..XSize) and row y (1..YSize),
// stored column by column (all rows of column 1 from top to bottom, then column 2, ...).
// The colour button keeps its palette and its custom colours in two of these.
#include <vector>

#include "skin/Colour.h"

namespace tessary::widgets {

namespace msg {
inline constexpr const char* kArrayIndexOutOfBounds = "Array index out of bounds";
}

class TColorArrayClass {
 public:
  // A grid of the given size, filled with `fill`.
  TColorArrayClass(int xSize, int ySize, Colour fill = clBlack);
  // A grid of the given size from colours column by column; missing colours are black,
  // extra ones are dropped.
  TColorArrayClass(int xSize, int ySize, const std::vector<Colour>& columnByColumn);

  int XSize() const { return xSize_; }
  int YSize() const { return ySize_; }
  // The colour at (x, y); any other address throws "Array index out of bounds".
  Colour At(int x, int y) const;
  void Set(int x, int y, Colour colour);
  // Every colour, column by column (the stored "Colors" list).
  const std::vector<Colour>& Colors() const { return colours_; }

  // Same size and every colour equal.
  bool operator==(const TColorArrayClass& other) const = default;

 private:
  std::size_t Offset(int x, int y) const;

  int xSize_;
  int ySize_;
  std::vector<Colour> colours_;
};

// The twenty palette colours of a new colour button (4 columns, 5 rows).
TColorArrayClass DefaultPaletteColours();
// The sixteen custom colours of a new colour button (8 columns, 2 rows), all white.
TColorArrayClass DefaultCustomColours();

}  // namespace tessary::widgets
