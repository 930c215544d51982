#include "app/PictureMenus.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTimer>

#include "app/ControlPanelWiring.h"
#include "editing/CommandRunner.h"

namespace tessary::app {

bool IsContextMenuKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
         (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

PictureMenus::PictureMenus(QWidget& window, const ControlPanel& panel, const preview::CommandVocabulary& vocabulary,
                           PictureActions& actions, Dialogs& dialogs)
    : QObject(&window), window_(window), panel_(panel), vocabulary_(vocabulary), actions_(actions), dialogs_(dialogs) {
  // On the application, after the shortcut dispatcher, so that it is asked first: the
  // menu keys on a place open its menu whatever the mock-up's vocabulary binds them to.
  QCoreApplication::instance()->installEventFilter(this);
}

PictureMenus::~PictureMenus() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool PictureMenus::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::ContextMenu && type != QEvent::KeyPress) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != &window_) return false;
  std::optional<QPoint> pos;
  if (type == QEvent::KeyPress) {
    if (!IsContextMenuKey(*static_cast<QKeyEvent*>(event))) return false;
  } else {
    auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() != QContextMenuEvent::Keyboard) pos = request->pos();
  }
  return OpenMenu(widget, pos) != nullptr;
}

QMenu* PictureMenus::OpenMenu(QWidget* widget, std::optional<QPoint> pos) {
  const std::optional<PicturePlace> place = PicturePlaceAt(panel_, vocabulary_, widget, pos);
  if (!place) return nullptr;
  if (menu_ != nullptr) menu_->close();
  auto* menu = new QMenu(&window_);
  menu->setObjectName(QStringLiteral("pictureMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setAccessibleName(widget->accessibleName());
  for (const PictureMenuEntry& entry : actions_.Menu(*place)) {
    if (entry.separatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
    action->setEnabled(entry.enabled);
    // Run once the menu is gone: a dialog must not open inside the menu's (or a screen
    // reader's) call.
    connect(action, &QAction::triggered, &window_, [this, run = entry.action, at = *place] {
      QTimer::singleShot(0, &window_, Guarded(dialogs_, [this, run, at] { actions_.Run(run, at); }));
    });
  }
  // Below the place the keyboard is on, or where the pointer is.
  QRect area = widget->rect();
  for (const PlaceView& view : ViewsOfPlace(panel_, vocabulary_, *place))
    if (view.widget == widget && (!pos || view.area.contains(*pos))) area = view.area;
  menu->popup(widget->mapToGlobal(pos.value_or(area.bottomLeft())));
  menu_ = menu;
  return menu;
}

}  // namespace tessary::app
