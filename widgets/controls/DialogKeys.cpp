#include "widgets/controls/DialogKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "widgets/controls/CaptionedControl.h"
#include "widgets/controls/TXP_Button.h"

namespace tessary::widgets {
namespace {

constexpr const char* kObjectName = "tessary-dialog-keys";

bool CanTakeFocus(const QWidget* control) { return control->isVisible() && control->isEnabled(); }

// The first push button of the window (in creation order) that `wanted` picks.
template <typename Wanted>
TXP_Button* FindButton(QWidget* window, Wanted wanted) {
  for (TXP_Button* button : window->findChildren<TXP_Button*>())
    if (button->window() == window && wanted(*button) && CanTakeFocus(button)) return button;
  return nullptr;
}

}  // namespace

DialogKeys::DialogKeys(QWidget* window) : QObject(window) {
  setObjectName(QString::fromLatin1(kObjectName));
  window->installEventFilter(this);
}

void DialogKeys::Install(QWidget* window) {
  if (window == nullptr ||
      window->findChild<DialogKeys*>(QString::fromLatin1(kObjectName), Qt::FindDirectChildrenOnly) != nullptr)
    return;
  new DialogKeys(window);
}

bool DialogKeys::Handle(QWidget* window, const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held != Qt::NoModifier) return false;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    if (TXP_Button* button = FindButton(window, [](const TXP_Button& b) { return b.Default(); })) {
      button->Click();
      return true;
    }
    return false;
  }
  if (key.key() == Qt::Key_Escape) {
    if (TXP_Button* button = FindButton(window, [](const TXP_Button& b) { return b.Cancel(); })) {
      button->Click();
      return true;
    }
    return false;
  }
  const QString text = key.text();
  if (text.size() != 1 || !text[0].isLetterOrNumber()) return false;
  const QChar letter = text[0].toLower();
  for (CaptionedControl* control : window->findChildren<CaptionedControl*>()) {
    if (control->window() == window && control->Accelerator() == letter && CanTakeFocus(control)) {
      control->Accelerate();
      return true;
    }
  }
  return false;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == parent())
    return Handle(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
  return QObject::eventFilter(watched, event);
}

}  // namespace tessary::widgets
