#include "widgets/controls/ControlsAccessible.h"

#include <QAccessibleWidget>

#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TXP_RadioBox.h"

namespace tessary::widgets {
namespace {

// Push buttons and radio boxes: named by their captions, worked by Press or Toggle.
class CaptionedAccessible : public QAccessibleWidget {
 public:
  CaptionedAccessible(CaptionedControl* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? Control()->PlainCaption() : name;
    }
    if (t == QAccessible::Accelerator) {
      const QChar letter = Control()->Accelerator();
      return letter.isNull() ? QString() : QStringLiteral("Alt+") + letter.toUpper();
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* radio = qobject_cast<const TXP_RadioBox*>(object())) {
      s.checkable = true;
      s.checked = radio->Checked();
    } else if (const auto* button = qobject_cast<const TXP_Button*>(object())) {
      s.defaultButton = button->Default();
      s.pressed = button->Look() == ButtonLook::Pressed;
    }
    return s;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(OwnAction());
    return names;
  }

  void doAction(const QString& name) override {
    if (name == OwnAction() && widget()->isEnabled())
      Control()->Click();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  CaptionedControl* Control() const { return static_cast<CaptionedControl*>(widget()); }
  QString OwnAction() const { return role() == QAccessible::RadioButton ? toggleAction() : pressAction(); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TXP_Button*>(object)) return new CaptionedAccessible(button, QAccessible::Button);
  if (auto* radio = qobject_cast<TXP_RadioBox*>(object)) return new CaptionedAccessible(radio, QAccessible::RadioButton);
  return nullptr;
}

}  // namespace

void InstallControlsAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace tessary::widgets
