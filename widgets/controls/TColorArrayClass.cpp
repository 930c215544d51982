#include "widgets/controls/TColorArrayClass.h"

#include <algorithm>
#include <array>

#include "skin/Error.h"

namespace tessary::widgets {
namespace {

// Column by column, each column from top to bottom.
constexpr std::array<Colour, 20> kPaletteColours{
    0x00FFFFFF, 0x000000FF, 0x0000FF00, 0x00FF0000, 0x00BFD7BF,  // column 1
    0x00000000, 0x0000007F, 0x00007F00, 0x007F0000, 0x00EFBF9F,  // column 2
    0x00BFBFBF, 0x0000FFFF, 0x00FFFF00, 0x00FF00FF, 0x00EFF7FF,  // column 3
    0x007F7F7F, 0x00007F7F, 0x007F7F00, 0x007F007F, 0x009F9F9F,  // column 4
};

}  // namespace

TColorArrayClass::TColorArrayClass(int xSize, int ySize, Colour fill)
    : xSize_(std::max(xSize, 0)),
      ySize_(std::max(ySize, 0)),
      colours_(static_cast<std::size_t>(xSize_) * static_cast<std::size_t>(ySize_), fill) {}

TColorArrayClass::TColorArrayClass(int xSize, int ySize, const std::vector<Colour>& columnByColumn)
    : TColorArrayClass(xSize, ySize) {
  std::copy_n(columnByColumn.begin(), std::min(columnByColumn.size(), colours_.size()), colours_.begin());
}

std::size_t TColorArrayClass::Offset(int x, int y) const {
  if (x < 1 || x > xSize_ || y < 1 || y > ySize_) Fail(msg::kArrayIndexOutOfBounds);
  return static_cast<std::size_t>(x - 1) * static_cast<std::size_t>(ySize_) + static_cast<std::size_t>(y - 1);
}

Colour TColorArrayClass::At(int x, int y) const { return colours_[Offset(x, y)]; }

void TColorArrayClass::Set(int x, int y, Colour colour) { colours_[Offset(x, y)] = colour; }

TColorArrayClass DefaultPaletteColours() {
  return TColorArrayClass(4, 5, std::vector<Colour>(kPaletteColours.begin(), kPaletteColours.end()));
}

TColorArrayClass DefaultCustomColours() { return TColorArrayClass(8, 2, clWhite); }

}  // namespace tessary::widgets
