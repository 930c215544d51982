#include "app/ArrowKeyGroup.h"

#include <QEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tessary::app {

ArrowKeyGroup::ArrowKeyGroup(std::vector<QWidget*> members, std::function<void(QWidget&)> arrive)
    : QObject(members.front()), members_(std::move(members)), arrive_(std::move(arrive)) {
  for (QWidget* member : members_) {
    policies_.push_back(member->focusPolicy());
    member->installEventFilter(this);
  }
  SetStop(members_.front());
}

void ArrowKeyGroup::SetStop(QWidget* member) {
  stop_ = member;
  for (std::size_t i = 0; i < members_.size(); ++i) {
    // The others keep taking a click's focus, where they did, but Tab passes them by.
    const Qt::FocusPolicy own = policies_[i];
    const Qt::FocusPolicy other = (own & Qt::ClickFocus) != 0 ? Qt::ClickFocus : Qt::NoFocus;
    members_[i]->setFocusPolicy(members_[i] == member ? own : other);
  }
}

bool ArrowKeyGroup::eventFilter(QObject* watched, QEvent* event) {
  auto* member = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::FocusIn) {
    if (member != stop_) SetStop(member);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  const auto at = static_cast<int>(std::find(members_.begin(), members_.end(), member) - members_.begin());
  const int last = static_cast<int>(members_.size()) - 1;
  int to = at;
  switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: to = at - 1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: to = at + 1; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = last; break;
    default: return false;
  }
  // Disabled members are passed over; the ends do not wrap round.
  const int step = to < at ? -1 : 1;
  while (to >= 0 && to <= last && !members_[static_cast<std::size_t>(to)]->isEnabled()) to += step;
  if (to >= 0 && to <= last && to != at) {
    QWidget* target = members_[static_cast<std::size_t>(to)];
    SetStop(target);
    target->setFocus(Qt::OtherFocusReason);
    if (arrive_) arrive_(*target);
  }
  return true;
}

}  // namespace tessary::app
