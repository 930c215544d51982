#include "widgets/items/TTBControlItem.h"

#include <algorithm>

namespace tessary::widgets {

QSize TTBControlItem::OwnBarSize() const {
  if (!control_) return {};
  return {naturalWidth_ >= 0 ? naturalWidth_ : control_->width(), control_->height()};
}

int TTBControlItem::SpareWidth() const { return control_ && minimumWidth_ >= 0 ? naturalWidth_ - minimumWidth_ : 0; }

void TTBControlItem::SetMinimumWidth(int width) {
  if (!control_) return;
  naturalWidth_ = control_->width();
  minimumWidth_ = std::clamp(width, 0, naturalWidth_);
  control_->setMinimumWidth(minimumWidth_);
  control_->setMaximumWidth(naturalWidth_);
}

}  // namespace tessary::widgets
