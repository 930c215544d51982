#pragma once
// A button: runs its command (or click handler) when clicked; shows image, caption or both.
#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

class TTBXItem : public TTBCustomItem {
 public:
  TTBXItem() : TTBCustomItem(ItemKind::Button) {}
};

}  // namespace tessary::widgets
