#include "app/FileCommandsWiring.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include "editing/CommandRunner.h"
#include "editing/FileCommands.h"

namespace tessary::app {
namespace {

bool IsQuickSaveKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_S && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

}  // namespace

FileCommandsWiring::FileCommandsWiring(QWidget& window, const ControlPanel& panel, SkinEditor& editor,
                                       EditHistory& history, Dialogs& dialogs)
    : QObject(&window), window_(window), panel_(panel), editor_(editor), history_(history), dialogs_(dialogs) {
  connect(panel.btnSave, &widgets::TXP_Button::clicked, this,
          Guarded(dialogs, [this] { SaveWithDialog(editor_, history_); }));
  connect(panel.btnNew, &widgets::TXP_Button::clicked, this,
          Guarded(dialogs, [this] { NewSkin(editor_, history_, dialogs_); }));
  historyWatch_ = history.OnStateChanged([this] { ShowSaveTarget(); });
  ShowSaveTarget();
  QCoreApplication::instance()->installEventFilter(this);
}

FileCommandsWiring::~FileCommandsWiring() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void FileCommandsWiring::ShowSaveTarget() {
  const QString file = QString::fromStdString(history_.File());
  panel_.btnSave->setToolTip(file.isEmpty() ? QString()
                                            : QString::fromLatin1(kSaveToolTip).arg(QDir::toNativeSeparators(file)));
}

bool FileCommandsWiring::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType()) return false;
  if (!IsQuickSaveKey(*static_cast<QKeyEvent*>(event))) return false;
  // A dialog or menu over the window keeps its keys; a floating bar is part of the window.
  const QWidget* top = static_cast<QWidget*>(watched)->window();
  if (top != &window_ && top->parentWidget() != &window_) return false;
  if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) return false;
  // Claimed as a key press, so that no shortcut (and no text box) takes it on the way.
  event->accept();
  if (type == QEvent::KeyPress) RunCommand(dialogs_, [this] { QuickSave(editor_, history_); });
  return true;
}

}  // namespace tessary::app
