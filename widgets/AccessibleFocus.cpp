#include "widgets/AccessibleFocus.h"

#include <QAccessible>

namespace tessary::widgets {

namespace {

std::function<void(QAccessibleInterface*)>& FocusListener() {
  static std::function<void(QAccessibleInterface*)> listener;
  return listener;
}

}  // namespace

void NotifyAccessibleFocus(QWidget* view, const TTBCustomItem* item) {
  if ((!QAccessible::isActive() && !FocusListener()) || view == nullptr || item == nullptr) return;
  auto* source = dynamic_cast<AccessibleItemSource*>(QAccessible::queryAccessibleInterface(view));
  if (QAccessibleInterface* line = source ? source->InterfaceFor(const_cast<TTBCustomItem*>(item)) : nullptr) {
    if (FocusListener()) FocusListener()(line);
    QAccessibleEvent event(line, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

void SetAccessibleFocusListener(std::function<void(QAccessibleInterface*)> listener) {
  FocusListener() = std::move(listener);
}

}  // namespace tessary::widgets
