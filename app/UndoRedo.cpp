#include "app/UndoRedo.h"

#include <QAction>

#include "editing/CommandRunner.h"
#include "preview/TGButton.h"

namespace tessary::app {
namespace {

using CP = ControlPanel;

struct HistoryControl {
  widgets::TXP_Button* ControlPanel::*button;
  const char* actionName;
  QKeyCombination keys[2];  // the second may be none (Qt::Key_unknown)
  void (EditHistory::*step)();
  bool (EditHistory::*possible)() const;
};
constexpr HistoryControl kControls[] = {
    {&CP::btnUndo, "actUndo", {Qt::CTRL | Qt::Key_Z, Qt::Key_unknown}, &EditHistory::Undo, &EditHistory::CanUndo},
    {&CP::btnRedo,
     "actRedo",
     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y},
     &EditHistory::Redo,
     &EditHistory::CanRedo},
};

// Push buttons and samples open dialogs: the focus is never handed to one unasked.
bool OpensADialog(const QWidget* widget) {
  return qobject_cast<const widgets::TXP_Button*>(widget) != nullptr ||
         qobject_cast<const preview::TGButton*>(widget) != nullptr;
}

// Where the focus goes from a history button about to be disabled: to the other one when
// it is enabled (after Undo, Redo), else to the nearest control before it in the keyboard
// order that opens no dialog. Qt alone would pass it on to the next stop, "Save", where
// the next Space would open the Save dialog.
void PassFocusOn(widgets::TXP_Button& from, widgets::TXP_Button& other) {
  if (other.isEnabled()) return other.setFocus(Qt::OtherFocusReason);
  for (QWidget* w = from.previousInFocusChain(); w != nullptr && w != &from; w = w->previousInFocusChain()) {
    if (w->window() == from.window() && w->isEnabled() && w->isVisibleTo(from.window()) &&
        (w->focusPolicy() & Qt::TabFocus) != 0 && !OpensADialog(w))
      return w->setFocus(Qt::OtherFocusReason);
  }
}

void FollowHistory(const ControlPanel& panel, const EditHistory& history) {
  // Enable first, so that a button losing its state with the focus can hand it over.
  for (const HistoryControl& control : kControls)
    if ((history.*control.possible)()) (panel.*control.button)->setEnabled(true);
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const HistoryControl& control = kControls[i];
    widgets::TXP_Button& button = *(panel.*control.button);
    if ((history.*control.possible)()) continue;
    if (button.hasFocus()) PassFocusOn(button, *(panel.*kControls[1 - i].button));
    button.setEnabled(false);
  }
}

}  // namespace

Connection WireUndoRedo(const ControlPanel& panel, EditHistory& history, Dialogs& dialogs, QWidget& window) {
  for (const HistoryControl& control : kControls) {
    const auto step = Guarded(dialogs, [&history, step = control.step] { (history.*step)(); });
    QObject::connect(panel.*control.button, &widgets::TXP_Button::clicked, &window, step);
    auto* action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(control.actionName));
    QList<QKeySequence> keys;
    for (QKeyCombination key : control.keys)
      if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, step);
    window.addAction(action);
  }
  FollowHistory(panel, history);
  return history.OnStateChanged([&panel, &history] { FollowHistory(panel, history); });
}

}  // namespace tessary::app
