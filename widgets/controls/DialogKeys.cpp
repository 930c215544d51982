#include "widgets/controls/DialogKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace tessary::widgets {
namespace {

bool CanTakeFocus(const QWidget* control) { return control->isVisible() && control->isEnabled(); }

// The first control of the window (in creation order) that `wanted` picks and that can
// take the focus.
template <typename Wanted>
DialogKeyControl* FindControl(QWidget* window, Wanted wanted) {
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    auto* control = dynamic_cast<DialogKeyControl*>(widget);
    if (control != nullptr && widget->window() == window && wanted(*control) && CanTakeFocus(widget)) return control;
  }
  return nullptr;
}

bool ClickFound(DialogKeyControl* control) {
  if (control == nullptr) return false;
  control->Click();
  return true;
}

}  // namespace

DialogKeys::DialogKeys(QWidget* window) : QObject(window) { window->installEventFilter(this); }

void DialogKeys::Install(QWidget* window) {
  if (window == nullptr || window->findChild<DialogKeys*>(QString(), Qt::FindDirectChildrenOnly) != nullptr) return;
  new DialogKeys(window);
}

bool DialogKeys::Handle(QWidget* window, const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held != Qt::NoModifier) return false;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    return ClickFound(FindControl(window, [](const DialogKeyControl& c) { return c.AnswersEnter(); }));
  if (key.key() == Qt::Key_Escape)
    return ClickFound(FindControl(window, [](const DialogKeyControl& c) { return c.AnswersEscape(); }));
  const QString text = key.text();
  if (text.size() != 1 || !text[0].isLetterOrNumber()) return false;
  const QChar letter = text[0].toLower();
  if (DialogKeyControl* control =
          FindControl(window, [&](const DialogKeyControl& c) { return c.Accelerator() == letter; })) {
    control->Accelerate();
    return true;
  }
  return false;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == parent())
    return Handle(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
  return QObject::eventFilter(watched, event);
}

}  // namespace tessary::widgets
