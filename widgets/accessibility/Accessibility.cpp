#include "widgets/accessibility/Accessibility.h"

#include <QAccessible>

#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/accessibility/AccessibleViews.h"

namespace tessary::widgets {

namespace {

std::function<void(QAccessibleInterface*)>& FocusListener() {
  static std::function<void(QAccessibleInterface*)> listener;
  return listener;
}

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
  if (auto* bar = qobject_cast<TTBXToolbar*>(object)) return new AccessibleBar(bar);
  if (auto* popup = qobject_cast<PopupWindow*>(object)) return new AccessiblePopup(popup);
  if (auto* window = qobject_cast<TTBXToolWindow*>(object)) return new AccessibleToolWindow(window);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CreateInterface);
    return true;
  }();
  (void)installed;
}

void NotifyAccessibleFocus(QWidget* view, const TTBCustomItem* item) {
  if ((!QAccessible::isActive() && !FocusListener()) || view == nullptr || item == nullptr) return;
  auto* itemView = dynamic_cast<AccessibleItemView*>(QAccessible::queryAccessibleInterface(view));
  if (QAccessibleInterface* line = itemView ? itemView->InterfaceFor(const_cast<TTBCustomItem*>(item)) : nullptr) {
    if (FocusListener()) FocusListener()(line);
    QAccessibleEvent event(line, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

void SetAccessibleFocusListener(std::function<void(QAccessibleInterface*)> listener) {
  FocusListener() = std::move(listener);
}

}  // namespace tessary::widgets
