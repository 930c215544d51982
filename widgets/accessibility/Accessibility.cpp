#include "widgets/accessibility/Accessibility.h"

#include <QAccessible>

#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/accessibility/AccessibleViews.h"

namespace tessary::widgets {

namespace {

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

}  // namespace tessary::widgets
