#include "widgets/controls/TXP_Button.h"

#include <QBitmap>
#include <QDialog>
#include <QPainter>

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

void TXP_Button::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TXP_Button::SetPicturePosition(PicPos position) {
  picPos_ = position;
  update();
}

void TXP_Button::SetPicOffset(int pixels) {
  picOffset_ = pixels;
  update();
}

void TXP_Button::SetPicTrans(bool transparent) {
  picTrans_ = transparent;
  update();
}

void TXP_Button::SetPicTransColor(const QColor& colour) {
  picTransColor_ = colour;
  update();
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

QPixmap TXP_Button::ShownPicture() const {
  if (!picTrans_ || picture_.isNull()) return picture_;
  QPixmap keyed = picture_;
  keyed.setMask(picture_.createMaskFromColor(picTransColor_, Qt::MaskInColor));
  return keyed;
}

void TXP_Button::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, ButtonLookPixmap(Look(), size()));

  p.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText) : kGreyText);
  const QFontMetrics fm = fontMetrics();
  const QPixmap picture = ShownPicture();
  if (picture.isNull()) {
    p.drawText(rect(), Qt::AlignCenter | kCaptionFlags, Caption());
    return;
  }
  const QSize pic = picture.deviceIndependentSize().toSize();
  if (picPos_ == pTop) {
    // Picture, offset and one line of text centred together; the caption below the picture.
    const int top = (height() - (pic.height() + picOffset_ + fm.height())) / 2;
    p.drawPixmap((width() - pic.width()) / 2, top, picture);
    p.drawText(QRect(0, top + pic.height() + picOffset_, width(), fm.height()), Qt::AlignCenter | kCaptionFlags,
               Caption());
  } else {
    const int textWidth = fm.horizontalAdvance(PlainCaption());
    const int left = (width() - (pic.width() + picOffset_ + textWidth)) / 2;
    p.drawPixmap(left, (height() - pic.height()) / 2, picture);
    p.drawText(QRect(left + pic.width() + picOffset_, 0, textWidth + 1, height()),
               Qt::AlignLeft | Qt::AlignVCenter | kCaptionFlags, Caption());
  }
}

}  // namespace tessary::widgets
