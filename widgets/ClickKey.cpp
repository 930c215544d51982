#include "widgets/ClickKey.h"

#include <QKeyEvent>

namespace tessary::widgets {

bool IsClickKey(const QKeyEvent& key) {
  const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const bool clickKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
  return plain && clickKey && !key.isAutoRepeat();
}

}  // namespace tessary::widgets
