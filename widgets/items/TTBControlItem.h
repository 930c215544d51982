#pragma once
// An embedded control (an address box, a search box): a child widget of the bar, placed by
// the bar's layout at the widget's own size. The bar owns the widget through its parent.
#include <QPointer>
#include <QWidget>

#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

class TTBControlItem : public TTBCustomItem {
 public:
  explicit TTBControlItem(QWidget* control) : TTBCustomItem(ItemKind::Control), control_(control) {}
  QWidget* Control() const override { return control_; }
  QSize OwnBarSize() const override;
  int SpareWidth() const override;
  // Lets a bar too short for everything narrow the control down to `width` (its present
  // width stays the one it takes where there is room).
  void SetMinimumWidth(int width);

 private:
  QPointer<QWidget> control_;
  int naturalWidth_ = -1;  // with a minimum width: the width the control takes with room
  int minimumWidth_ = -1;
};

}  // namespace tessary::widgets
