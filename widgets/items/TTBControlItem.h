#pragma once
// An embedded control (an address box, a search box): a child widget of the bar, placed by
// the bar's layout at the widget's own size. The bar owns the widget through its parent.
#include <QPointer>
#include <QWidget>

#include "widgets/items/TTBCustomItem.h"

namespace tessary::widgets {

class TTBControlItem : public TTBCustomItem {
 public:
  explicit TTBControlItem(QWidget* control) : TTBCustomItem(ItemKind::Control), control_(control) {}
  QWidget* Control() const { return control_; }
  bool Selectable() const override { return false; }

 private:
  QPointer<QWidget> control_;
};

}  // namespace tessary::widgets
