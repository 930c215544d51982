#include "app/UndoRedo.h"

#include <QAction>

#include "editing/CommandRunner.h"

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

void FollowHistory(const ControlPanel& panel, const EditHistory& history) {
  for (const HistoryControl& control : kControls) (panel.*control.button)->setEnabled((history.*control.possible)());
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
