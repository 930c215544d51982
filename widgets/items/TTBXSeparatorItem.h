#pragma once
// A separator: a gap of a given width on a bar, a line across a menu.
#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

class TTBXSeparatorItem : public TTBCustomItem {
 public:
  explicit TTBXSeparatorItem(int width = 6) : TTBCustomItem(ItemKind::Separator), width_(width) {}
  // Width of the gap on a bar.
  int Width() const { return width_; }
  QSize OwnBarSize() const override { return {width_, 0}; }

 private:
  int width_;
};

}  // namespace tessary::widgets
