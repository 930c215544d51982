#include "widgets/DragOutline.h"

#include <QPainter>
#include <QRegion>

namespace tessary::widgets {

DragOutline::DragOutline()
    : QWidget(nullptr,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void DragOutline::ShowAt(const QRect& globalRect) {
  if (globalRect.width() <= 2 * kThickness || globalRect.height() <= 2 * kThickness) {
    hide();
    return;
  }
  setGeometry(globalRect);
  const QRect local(QPoint(0, 0), globalRect.size());
  setMask(QRegion(local).subtracted(QRegion(local.adjusted(kThickness, kThickness, -kThickness, -kThickness))));
  show();
  raise();
}

void DragOutline::paintEvent(QPaintEvent*) {
  // A 50 % dither of dark and light reads on any background, like the classic drag frame.
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.fillRect(rect(), QBrush(QColor(0x40, 0x40, 0x40), Qt::Dense4Pattern));
}

}  // namespace tessary::widgets
