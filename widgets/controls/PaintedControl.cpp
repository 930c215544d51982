#include "widgets/controls/PaintedControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/ClickKey.h"

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

}  // namespace tessary::widgets
