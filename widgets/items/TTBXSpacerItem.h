#pragma once
// A spacer: empty room of a fixed size on a bar.
#include <QSize>

#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

class TTBXSpacerItem : public TTBCustomItem {
 public:
  TTBXSpacerItem(int width, int height) : TTBCustomItem(ItemKind::Spacer), size_(width, height) {}
  QSize Size() const { return size_; }
  QSize OwnBarSize() const override { return size_; }

 private:
  QSize size_;
};

}  // namespace tessary::widgets
