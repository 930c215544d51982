#include "widgets/controls/PressableAccessible.h"

#include <QWidget>
#include <set>

namespace tessary::widgets {

PressableAccessible::PressableAccessible(QWidget* widget, QAccessible::Role role, QString action,
                                         std::function<void()> click)
    : QAccessibleWidget(widget, role), action_(std::move(action)), click_(std::move(click)) {}

QStringList PressableAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  if (widget()->isEnabled()) names.prepend(action_);
  return names;
}

void PressableAccessible::doAction(const QString& name) {
  if (name != action_ || !widget()->isEnabled()) {
    QAccessibleWidget::doAction(name);
    return;
  }
  // The click may open a dialog, a menu or a message box: it runs from the event loop, so
  // that the screen reader or test tool asking gets its reply at once, not when that closes.
  QWidget* control = widget();
  QMetaObject::invokeMethod(
      control,
      [control, click = click_] {
        if (control->isEnabled()) click();
      },
      Qt::QueuedConnection);
}

void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory) {
  static std::set<QAccessible::InterfaceFactory> installed;
  if (installed.insert(factory).second) QAccessible::installFactory(factory);
}

}  // namespace tessary::widgets
