#pragma once
// The accessibility of a self-painted control that a click works: its role, and one action
// (Press, or Toggle for a radio box) that does what a click does, offered while the control
// is enabled, ahead of the widget's own actions.
#include <QAccessible>
#include <QAccessibleWidget>
#include <functional>

namespace tessary::widgets {

class PressableAccessible : public QAccessibleWidget {
 public:
  // `click` runs when a screen reader or test tool invokes `action`: queued, from the event
  // loop, as the click of a Qt button pressed this way is.
  PressableAccessible(QWidget* widget, QAccessible::Role role, QString action, std::function<void()> click);

  QStringList actionNames() const override;
  void doAction(const QString& name) override;

 private:
  QString action_;
  std::function<void()> click_;
};

// Installs an accessibility factory unless it is installed already.
void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);

}  // namespace tessary::widgets
