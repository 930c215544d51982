#include "widgets/controls/TXP_RadioBox.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/DevicePictures.h"
#include "widgets/PaintPrimitives.h"

namespace tessary::widgets {
namespace {

const QColor kGreyText(0x80, 0x80, 0x80);
// The caption starts this far right of the mark; the focus rectangle one pixel earlier.
constexpr int kCaptionGap = 4;
constexpr int kFocusGap = 3;

}  // namespace

TXP_RadioBox::TXP_RadioBox(QWidget* parent, const QString& caption) : CaptionedControl(parent) {
  // The painting covers the whole box: nothing is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(sizeHint());
  SetCaption(caption);
}

void TXP_RadioBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && parentWidget() != nullptr) {
    for (auto* other : parentWidget()->findChildren<TXP_RadioBox*>(Qt::FindDirectChildrenOnly))
      if (other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
  update();
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
  emit CheckedChanged(checked);
}

void TXP_RadioBox::SetColor(Colour colour) {
  colour_ = colour;
  update();
}

RadioMark TXP_RadioBox::Mark() const {
  if (!isEnabled()) return checked_ ? RadioMark::DisabledChecked : RadioMark::DisabledUnchecked;
  if (Hot()) return checked_ ? RadioMark::HotChecked : RadioMark::HotUnchecked;
  return checked_ ? RadioMark::Checked : RadioMark::Unchecked;
}

void TXP_RadioBox::Click() {
  SetChecked(true);
  emit clicked();
}

void TXP_RadioBox::Accelerate() {
  setFocus(Qt::ShortcutFocusReason);
  Click();
}

void TXP_RadioBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(colour_));
  const int markTop = (height() - kRadioCell.height()) / 2;
  DrawPicture(p, QPoint(0, markTop), RadioMarkPixmap(Mark()));

  const QFontMetrics fm = fontMetrics();
  const int textLeft = kRadioCell.width() + kCaptionGap;
  const QColor text = isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText) : kGreyText;
  p.setPen(text);
  p.drawText(QRect(textLeft, 0, width() - textLeft, height()),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, Caption());
  if (hasFocus() && isEnabled()) {
    const int textTop = (height() - fm.height()) / 2;
    const int focusLeft = kRadioCell.width() + kFocusGap;
    DrawFocusRect(p,
                  QRect(focusLeft, textTop - 1, fm.horizontalAdvance(PlainCaption()) + 2 * (textLeft - focusLeft),
                        fm.height() + 2),
                  text);
  }
}

void TXP_RadioBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  BeginPress();
  SetChecked(true);
}

void TXP_RadioBox::mouseReleaseEvent(QMouseEvent* event) {
  // The click follows the release wherever it happens: the box is already checked.
  if (event->button() != Qt::LeftButton || !Pressing()) return QWidget::mouseReleaseEvent(event);
  EndPress(event->position().toPoint());
  emit clicked();
}

}  // namespace tessary::widgets
