#pragma once
// A label: a caption on a bar ("&" underlines the next letter), drawn transparent so the
// bar's background shows around the letters; it does not react to the mouse.
#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

class TTBXLabelItem : public TTBCustomItem {
 public:
  explicit TTBXLabelItem(const QString& caption) : TTBCustomItem(ItemKind::Label) { SetCaption(caption); }
};

}  // namespace tessary::widgets
