#include "widgets/controls/TXP_Button.h"

#include <QDialog>
#include <QPainter>

#include "widgets/DevicePictures.h"
#include "widgets/controls/DialogKeys.h"

namespace tessary::widgets {
namespace {

// Captions of disabled controls.
const QColor kGreyText(0x80, 0x80, 0x80);
constexpr int kCaptionFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

TXP_Button::TXP_Button(QWidget* parent, const QString& caption) : CaptionedControl(parent) {
  resize(sizeHint());
  SetCaption(caption);
}

void TXP_Button::SetDefault(bool isDefault) {
  default_ = isDefault;
  DialogKeys::Install(window());
}

void TXP_Button::SetCancel(bool isCancel) {
  cancel_ = isCancel;
  DialogKeys::Install(window());
}

ButtonLook TXP_Button::Look() const {
  if (!isEnabled()) return ButtonLook::Disabled;
  if (ShowsPressed()) return ButtonLook::Pressed;
  if (Hot()) return ButtonLook::Hot;
  return hasFocus() ? ButtonLook::Focused : ButtonLook::Normal;
}

void TXP_Button::Click() {
  if (modalResult_ != 0) {
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
  }
  emit clicked();
}

void TXP_Button::Accelerate() {
  setFocus(Qt::ShortcutFocusReason);
  Click();
}

void TXP_Button::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawPicture(p, QPoint(0, 0), ButtonLookPixmap(Look(), size()));

  p.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText) : kGreyText);
  p.drawText(rect(), Qt::AlignCenter | kCaptionFlags, Caption());
}

}  // namespace tessary::widgets
