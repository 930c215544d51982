#include "widgets/controls/TdfsColorButton.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "widgets/DeviceGrid.h"
#include "widgets/DevicePictures.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {
namespace {

// The swatch lies this far in from the left/right and top/bottom edges, its right edge a
// further kArrowRoom left; the etched line runs kLineGap right of it, the arrow after it.
constexpr int kSwatchSide = 6;
constexpr int kSwatchTopBottom = 5;
constexpr int kArrowRoom = 10;
constexpr int kLineGap = 3;
constexpr int kArrowGap = 3;  // clear of the focus rectangle on the right
constexpr int kFocusInset = 3;

constexpr Colour clWindowFrame = 0x80000006;

}  // namespace

TdfsColorButton::TdfsColorButton(QWidget* parent) : PaintedControl(parent) { resize(sizeHint()); }

TdfsColorButton::~TdfsColorButton() = default;

void TdfsColorButton::SetColor(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
  QAccessibleValueChangeEvent changed(this, palette::ColourHint(colour_));
  QAccessible::updateAccessibility(&changed);
  emit ColorChange();
}

void TdfsColorButton::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void TdfsColorButton::Click() { OpenPalette(); }

void TdfsColorButton::OpenPalette() {
  if (palette_ != nullptr) return;
  TDFSColorButtonPalette::Settings settings;
  settings.otherCaption = otherBtnCaption_;
  settings.otherColour = otherColour_;
  settings.current = colour_;
  settings.palette = paletteColours_;
  settings.custom = customColours_;
  settings.dialog = dialog_;
  palette_ = new TDFSColorButtonPalette(
      std::move(settings), [this](const TDFSColorButtonPalette::Result& result) { PaletteClosed(result); }, this);
  update();
  palette_->Popup(QRect(mapToGlobal(QPoint(0, 0)), size()));
  TellExpandedChanged();
}

void TdfsColorButton::TellExpandedChanged() {
  QAccessible::State expanded;
  expanded.expanded = true;
  QAccessibleStateChangeEvent changed(this, expanded);
  QAccessible::updateAccessibility(&changed);
}

void TdfsColorButton::PaletteClosed(const TDFSColorButtonPalette::Result& result) {
  if (palette_ != nullptr) customColours_ = palette_->CustomColours();
  palette_ = nullptr;
  update();
  TellExpandedChanged();
  if (result.picked) {
    if (result.fromOther) otherColour_ = result.colour;
    SetColor(result.colour);
  }
}

void TdfsColorButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool down = ShowsPressed() || palette_ != nullptr;
  if (flat_ && !down && !Hot()) {
    p.fillRect(rect(), ToQColor(clBtnFace));
  } else {
    const ButtonLook look = !isEnabled() ? ButtonLook::Disabled
                            : down       ? ButtonLook::Pressed
                            : Hot()      ? ButtonLook::Hot
                                         : ButtonLook::Normal;
    DrawPicture(p, QPoint(0, 0), ButtonLookPixmap(look, size()));
  }
  // Everything inside moves by one pixel while the face is pressed.
  if (down) p.translate(1, 1);
  if (hasFocus())
    DrawFocusRect(p, rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset),
                  palette().color(QPalette::Active, QPalette::ButtonText));

  const QRect swatch = rect().adjusted(kSwatchSide, kSwatchTopBottom, -kSwatchSide - kArrowRoom, -kSwatchTopBottom);
  const QColor frame = ToQColor(clWindowFrame);
  DrawEdge(p, swatch, frame, frame);
  const QRect fill = swatch.adjusted(1, 1, -1, -1);
  if (isEnabled()) p.fillRect(fill, ToQColor(colour_));
  else FillDithered(p, fill, ToQColor(clBtnShadow), ToQColor(clBtnFace));

  const int lineX = swatch.right() + kLineGap;
  FillSnapped(p, QRect(lineX, swatch.top(), 1, swatch.height()), ToQColor(clBtnShadow));
  FillSnapped(p, QRect(lineX + 1, swatch.top(), 1, swatch.height()), ToQColor(clBtnHighlight));
  const QPixmap arrow = DropDownArrowPixmap(!isEnabled());
  DrawPicture(p, QPoint(lineX + kArrowGap, (height() - arrow.height()) / 2), arrow);
}

void TdfsColorButton::keyPressEvent(QKeyEvent* event) {
  // Besides Enter and Space, the keys that open drop-down lists.
  const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  if ((held == Qt::NoModifier && event->key() == Qt::Key_F4) ||
      (held == Qt::AltModifier && event->key() == Qt::Key_Down))
    return Click();
  PaintedControl::keyPressEvent(event);
}

}  // namespace tessary::widgets
