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
  QSize OwnBarSize() const override { return control_ ? control_->size() : QSize(); }

 private:
  QPointer<QWidget> control_;
};

}  // namespace tessary::widgets
