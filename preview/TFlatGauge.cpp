#include "preview/TFlatGauge.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "preview/FlatPainting.h"
#include "preview/TFlatPanel.h"
#include "preview/accessibility/PreviewAccessibility.h"

namespace tessary::preview {

namespace {

// Gap between the frame and the bar: the frame itself and one pixel of background.
constexpr int kBarInset = 2;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine;

}  // namespace

TFlatGauge::TFlatGauge(QWidget* parent) : QWidget(parent), colorBorder_(kFlatFrameColour) {
  InstallPreviewAccessibility();
  resize(145, 25);
}

TFlatGauge::Look TFlatGauge::LookFor(const QRect& client, std::int32_t minValue, std::int32_t maxValue,
                                     std::int32_t progress) {
  Look look;
  look.inner = client.adjusted(kBarInset, kBarInset, -kBarInset, -kBarInset);
  // 64-bit arithmetic: a range of the whole 32-bit span times a width stays exact. A range
  // of zero width has no proportion to show (and nothing to divide by).
  const std::int64_t range = std::int64_t{maxValue} - minValue;
  const std::int64_t done = std::clamp<std::int64_t>(std::int64_t{progress} - minValue, 0, std::max<std::int64_t>(range, 0));
  if (range <= 0 || done == 0) {
    look.bar = QRect(look.inner.topLeft(), QSize(0, look.inner.height()));
    return look;
  }
  const int width = static_cast<int>(std::max(0, look.inner.width()) * done / range);
  look.bar = QRect(look.inner.topLeft(), QSize(width, look.inner.height()));
  look.showText = true;
  look.text = QString::number(done * 100 / range) + QStringLiteral(" %");
  return look;
}

TFlatGauge::Look TFlatGauge::CurrentLook() const { return LookFor(rect(), minValue_, maxValue_, progress_); }

void TFlatGauge::SetProgress(std::int32_t progress) {
  const std::int32_t clamped = std::clamp(progress, minValue_, maxValue_);
  if (clamped == progress_) return;
  progress_ = clamped;
  update();
  NotifyAccessibleValueChanged(this, progress_);
}

void TFlatGauge::SetMinValue(std::int32_t value) {
  if (value == minValue_) return;
  minValue_ = std::min(value, maxValue_);
  // Progress follows into the range (to the stored end, never past MaxValue).
  if (progress_ < minValue_) SetProgress(minValue_);
  update();
}

void TFlatGauge::SetMaxValue(std::int32_t value) {
  if (value == maxValue_) return;
  maxValue_ = std::max(value, minValue_);
  if (progress_ > maxValue_) SetProgress(maxValue_);
  update();
}

void TFlatGauge::SetShowText(bool show) {
  if (show == showText_) return;
  showText_ = show;
  repaint();
}

void TFlatGauge::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TFlatGauge::SetColor(Colour colour) {
  color_ = colour;
  parentColor_ = false;
  DeriveBorder();
  update();
}

Colour TFlatGauge::Color() const { return parentColor_ ? ParentColourOf(*this) : color_; }

void TFlatGauge::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  DeriveBorder();
  update();
}

void TFlatGauge::SetColors(int index, Colour colour) {
  if (index == 0) colorBorder_ = colour;
  else if (index == 1) barColor_ = colour;
  update();
}

void TFlatGauge::SetUseAdvColors(bool use) {
  useAdvColors_ = use;
  DeriveBorder();
  update();
}

void TFlatGauge::SetAdvColorBorder(std::uint8_t strength) {
  advColorBorder_ = strength;
  DeriveBorder();
  update();
}

void TFlatGauge::DeriveBorder() {
  if (!useAdvColors_) return;
  const Colour base = ResolveColour(Color());
  const int keep = 100 - std::min<int>(advColorBorder_, 100);
  Colour border = 0;
  for (int shift : {0, 8, 16}) border |= static_cast<Colour>(((base >> shift) & 0xFFu) * keep / 100) << shift;
  colorBorder_ = border;
}

Colour TFlatGauge::FontColour() const {
  return ArgbToColour(palette().color(QPalette::Active, QPalette::WindowText).rgb());
}

void TFlatGauge::paintEvent(QPaintEvent*) {
  const Look look = CurrentLook();
  if (look.showText != showText_) {
    // The flag reads what is drawn; a change asks for one more paint, as a setter would.
    showText_ = look.showText;
    update();
  }
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), QtColour(Color()));
  DrawFlatFrame(painter, rect(), colorBorder_, colorBorder_);
  if (!look.bar.isEmpty()) painter.fillRect(look.bar, QtColour(barColor_));
  if (!look.showText) return;
  painter.setFont(font());
  painter.setPen(QtColour(FontColour()));
  painter.drawText(look.inner, kTextFlags, look.text);
  // The part of the text over the bar again, in the background colour.
  painter.setClipRect(look.bar);
  painter.setPen(QtColour(Color()));
  painter.drawText(look.inner, kTextFlags, look.text);
}

void TFlatGauge::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    // The parent handed on a new colour (a theme switch): derived colours follow it.
    DeriveBorder();
    update();
  } else if (event->type() == QEvent::FontChange) {
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace tessary::preview
