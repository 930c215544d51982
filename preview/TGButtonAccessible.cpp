// Screen-reader access to TGButton: a push button named by what the editor calls it (for a
// sample, its row and command, e.g. "Hot: actNTV"), else its command's caption, else its
// hint; Press does what a click does.
#include <QAccessibleWidget>

#include "preview/TGButton.h"
#include "widgets/Command.h"
#include "widgets/Theme.h"
#include "widgets/themes/CaptionText.h"

namespace tessary::preview {
namespace {

class TGButtonAccessible : public QAccessibleWidget {
 public:
  explicit TGButtonAccessible(TGButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      if (const QString name = widget()->accessibleName(); !name.isEmpty()) return name;
      if (const widgets::Command* command = Button()->Command(); command != nullptr && !command->Caption().isEmpty())
        return widgets::SplitPrefix(command->Caption(), widgets::cfHidePrefix).plain;
      return Button()->Hint();
    }
    if (t == QAccessible::Description) return Button()->Hint();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.hotTracked = Button()->Hovered();
    s.pressed = Button()->Hovered() && Button()->Down();
    return s;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& name) override {
    if (name == pressAction())
      Button()->Click();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  TGButton* Button() const { return static_cast<TGButton*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TGButton*>(object)) return new TGButtonAccessible(button);
  return nullptr;
}

}  // namespace

void InstallTGButtonAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace tessary::preview
