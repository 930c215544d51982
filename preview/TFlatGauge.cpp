#include "preview/TFlatGauge.h"

#include <QPainter>
#include <algorithm>

#include "preview/FlatPainting.h"

namespace tessary::preview {

namespace {

// Gap between the frame and the bar: the frame itself and one pixel of background.
constexpr int kBarInset = 2;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine;
// The bar colour a new gauge has: red 51, green 102, blue 153.
constexpr Colour kNewBarColour = 0x00996633;

}  // namespace

TFlatGauge::TFlatGauge(QWidget* parent) : TFlatControl(QSize(145, 25), kFlatFrameColour, kNewBarColour, parent) {}

TFlatGauge::Look TFlatGauge::LookFor(const QRect& client, std::int32_t minValue, std::int32_t maxValue,
                                     std::int32_t progress) {
  Look look;
  look.inner = client.adjusted(kBarInset, kBarInset, -kBarInset, -kBarInset);
  // 64-bit arithmetic: a range of the whole 32-bit span times a width stays exact. A range
  // of zero width has no proportion to show (and nothing to divide by).
  const std::int64_t range = std::int64_t{maxValue} - minValue;
  const std::int64_t done =
      std::clamp<std::int64_t>(std::int64_t{progress} - minValue, 0, std::max<std::int64_t>(range, 0));
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
  TellValueChanged(progress_);
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

void TFlatGauge::SetUseAdvColors(bool use) {
  useAdvColours_ = use;
  ColourChanged();
  update();
}

void TFlatGauge::SetAdvColorBorder(std::uint8_t strength) {
  advColourBorder_ = strength;
  ColourChanged();
  update();
}

void TFlatGauge::ColourChanged() {
  if (!useAdvColours_) return;
  const Colour base = ResolveColour(Color());
  const auto keep = static_cast<Colour>(100 - std::clamp<int>(advColourBorder_, 0, 100));
  Colour border = 0;
  for (int shift : {0, 8, 16}) border |= ((base >> shift) & 0xFFu) * keep / 100 << shift;
  SetColors(0, border);
}

void TFlatGauge::paintEvent(QPaintEvent*) {
  const Look look = CurrentLook();
  if (look.showText != showText_) {
    // The flag reads what is drawn; a change asks for one more paint, as a setter would.
    showText_ = look.showText;
    update();
  }
  QPainter painter(this);
  if (!Transparent()) painter.fillRect(rect(), QtColour(Color()));
  DrawFlatFrame(painter, rect(), ColorBorder(), ColorBorder());
  if (!look.bar.isEmpty()) painter.fillRect(look.bar, QtColour(BarColor()));
  if (!look.showText) return;
  painter.setFont(font());
  painter.setPen(QtColour(FontColour()));
  painter.drawText(look.inner, kTextFlags, look.text);
  // The part of the text over the bar again, in the background colour.
  painter.setClipRect(look.bar);
  painter.setPen(QtColour(Color()));
  painter.drawText(look.inner, kTextFlags, look.text);
}

}  // namespace tessary::preview
