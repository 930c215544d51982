#include "widgets/controls/PaintedControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessary::widgets {

PaintedControl::PaintedControl(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void PaintedControl::ClearHot() {
  if (!hot_) return;
  hot_ = false;
  update();
}

void PaintedControl::BeginPress() {
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  ClearHot();
  pressing_ = true;
  pressInside_ = true;
  update();
}

void PaintedControl::TrackPress(QPoint pos) {
  if (!pressing_) return;
  const bool inside = rect().contains(pos);
  if (inside == pressInside_) return;
  pressInside_ = inside;
  update();
}

bool PaintedControl::EndPress(QPoint pos) {
  if (!pressing_) return false;
  pressing_ = false;
  update();
  return rect().contains(pos);
}

void PaintedControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  BeginPress();
}

void PaintedControl::mouseMoveEvent(QMouseEvent* event) { TrackPress(event->position().toPoint()); }

void PaintedControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  if (EndPress(event->position().toPoint())) Click();
}

void PaintedControl::keyPressEvent(QKeyEvent* event) {
  if (IsClickKey(*event)) return Click();
  QWidget::keyPressEvent(event);
}

void PaintedControl::enterEvent(QEnterEvent* event) {
  hot_ = true;
  update();
  QWidget::enterEvent(event);
}

void PaintedControl::leaveEvent(QEvent* event) {
  ClearHot();
  QWidget::leaveEvent(event);
}

void PaintedControl::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void PaintedControl::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void PaintedControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange ||
      event->type() == QEvent::PaletteChange)
    update();
  QWidget::changeEvent(event);
}

bool IsClickKey(const QKeyEvent& key) {
  const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const bool clickKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
  return plain && clickKey && !key.isAutoRepeat();
}

void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // Every other pixel along the edge, the phase running on around the corners.
  const auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) painter.fillRect(x, y, 1, 1, colour);
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    dot(rect.right(), y);
  }
}

}  // namespace tessary::widgets
