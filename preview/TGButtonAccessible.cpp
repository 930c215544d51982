// Screen-reader access to TGButton: a push button named by what the editor calls it (for a
// sample, its row and the window-control button it stands for, e.g. "Hot: Close"), else its command's caption, else its
// hint; Press does what a click does.
#include "preview/TGButton.h"
#include "widgets/CaptionText.h"
#include "widgets/Command.h"
#include "widgets/Theme.h"
#include "widgets/controls/PressableAccessible.h"

namespace tessary::preview {
namespace {

class TGButtonAccessible : public widgets::PressableAccessible {
 public:
  explicit TGButtonAccessible(TGButton* button)
      : PressableAccessible(button, QAccessible::Button, pressAction(), [button] { button->Click(); }) {}

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

 private:
  TGButton* Button() const { return static_cast<TGButton*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TGButton*>(object)) return new TGButtonAccessible(button);
  return nullptr;
}

}  // namespace

void InstallTGButtonAccessibility() { widgets::InstallAccessibleFactoryOnce(Factory); }

}  // namespace tessary::preview
