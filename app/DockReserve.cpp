#include "app/DockReserve.h"

#include <QEvent>
#include <algorithm>

namespace tessary::app {

DockReserve::DockReserve(widgets::TTBDock& dock, QWidget& spacer) : QObject(&dock), dock_(dock), spacer_(spacer) {
  dock.installEventFilter(this);
  Update();
}

void DockReserve::Update() {
  // A hidden dock takes no room, and keeps none.
  const int reserve = dock_.isHidden() ? 0 : std::max(0, dock_.TallestHeight() - dock_.height());
  if (spacer_.minimumHeight() != reserve || spacer_.maximumHeight() != reserve) spacer_.setFixedHeight(reserve);
}

bool DockReserve::eventFilter(QObject* watched, QEvent* event) {
  // The dock sets its height as it arranges its bars (a theme switch, a bar closed, floated
  // or docked), which resizes it at once: the spacer follows in the same layout pass, so
  // the window never shows the panel moved.
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide: Update(); break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tessary::app
