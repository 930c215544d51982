#include "widgets/EscapeFilter.h"

#include <QApplication>
#include <QKeyEvent>

namespace tessary::widgets {

EscapeFilter::EscapeFilter(std::function<void()> onEscape) : onEscape_(std::move(onEscape)) {
  qApp->installEventFilter(this);
}

EscapeFilter::~EscapeFilter() { qApp->removeEventFilter(this); }

bool EscapeFilter::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (!key || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return QObject::eventFilter(watched, event);
  // A shortcut bound to Esc must not fire as well: the override is taken and the key
  // press that follows it runs the handler.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (onEscape_) {
    // The handler usually destroys this filter: it runs on a copy.
    const std::function<void()> handler = onEscape_;
    handler();
  }
  return true;
}

}  // namespace tessary::widgets
