#include "preview/ShortcutDispatcher.h"

#include <QApplication>
#include <QKeyEvent>

#include "preview/CommandVocabulary.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::preview {

namespace {

// Whether an open menu or list, or a menu bar in keyboard mode, owns the keyboard now.
bool MenusHaveTheKeyboard() {
  return QApplication::activePopupWidget() != nullptr || widgets::TTBXToolbar::KeyboardOwner() != nullptr;
}

}  // namespace

ShortcutDispatcher::ShortcutDispatcher(CommandVocabulary& vocabulary, QObject* parent)
    : QObject(parent), vocabulary_(vocabulary) {
  QCoreApplication::instance()->installEventFilter(this);
}

ShortcutDispatcher::~ShortcutDispatcher() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool ShortcutDispatcher::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
  // A dialog over the window (a file dialog, a message box, the colour dialog) keeps its
  // keys: Esc closes it and Ctrl+V pastes a path into it.
  if (MenusHaveTheKeyboard() || QApplication::activeModalWidget() != nullptr) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const std::uint16_t code = widgets::ShortcutCode(key->key(), key->modifiers());
  if (code == 0) return false;
  if (type == QEvent::ShortcutOverride) {
    // A key the vocabulary has is claimed as a key press, so that no other shortcut of the
    // application takes it on the way; the focused control still does not see the press.
    if (vocabulary_.ShortcutCommand(code) != nullptr) event->accept();
    return false;
  }
  return vocabulary_.RunShortcut(code);
}

}  // namespace tessary::preview
