#include "preview/ShortcutDispatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <iterator>

#include "preview/CommandVocabulary.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::preview {

namespace {

// Whether an open menu or list, or a menu bar in keyboard mode, owns the keyboard now.
bool MenusHaveTheKeyboard() {
  return QApplication::activePopupWidget() != nullptr || widgets::TTBXToolbar::KeyboardOwner() != nullptr;
}

// The keys every text box edits with: select all, copy, cut and paste, and the older
// Insert and Delete forms of the last three.
constexpr QKeyCombination kTextEditingKeys[] = {
    Qt::CTRL | Qt::Key_A,      Qt::CTRL | Qt::Key_C,       Qt::CTRL | Qt::Key_X,       Qt::CTRL | Qt::Key_V,
    Qt::CTRL | Qt::Key_Insert, Qt::SHIFT | Qt::Key_Insert, Qt::SHIFT | Qt::Key_Delete,
};

bool IsTextEditingKey(const QKeyEvent& key) {
  const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key()));
  return std::find(std::begin(kTextEditingKeys), std::end(kTextEditingKeys), pressed) != std::end(kTextEditingKeys);
}

// A text box the user can type into has the focus (the note, the search box).
bool EditableTextHasFocus() {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr || !focus->isEnabled()) return false;
  if (const auto* line = qobject_cast<const QLineEdit*>(focus)) return !line->isReadOnly();
  // An editable combo box (the search box) has the focus for its line.
  if (const auto* combo = qobject_cast<const QComboBox*>(focus))
    return combo->isEditable() && combo->lineEdit() != nullptr && !combo->lineEdit()->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(focus)) return !plain->isReadOnly();
  if (const auto* rich = qobject_cast<const QTextEdit*>(focus)) return !rich->isReadOnly();
  return false;
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
  // A text box with the focus edits with its own keys: the mock-up's commands of those
  // keys do nothing, and taking them would lose the user the clipboard.
  if (IsTextEditingKey(*key) && EditableTextHasFocus()) return false;
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
