#include "widgets/controls/TColorBox.h"

#include <QPainter>

#include "widgets/PaintPrimitives.h"
#include "widgets/controls/PaintedControl.h"

namespace tessary::widgets {
namespace {

constexpr int kSwatchWidth = 22;  // the swatch, framed, left of the text
constexpr int kTextGap = 4;

}  // namespace

TColorBox::TColorBox(QWidget* parent) : DropDownList(parent) {
  // activated() is the user's pick, by mouse in the list or by keys on the closed control.
  connect(this, &QComboBox::activated, this, &TColorBox::Change);
}

void TColorBox::AddColour(const QString& text, Colour colour) { addItem(text, QVariant::fromValue<quint32>(colour)); }

Colour TColorBox::ColourAt(int index) const {
  if (index < 0 || index >= count()) return kNoSelection;
  return itemData(index).value<quint32>();
}

Colour TColorBox::Selected() const { return ColourAt(currentIndex()); }

void TColorBox::SetItemIndex(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(index);
  update();
}

void TColorBox::DrawEntry(QPainter& p, int index, const QRect& rect, bool selected) {
  p.fillRect(rect, selected ? palette().color(QPalette::Highlight) : palette().color(QPalette::Base));
  if (index < 0 || index >= count()) return;
  const QRect swatch(rect.left() + 2, rect.top() + 2, kSwatchWidth, rect.height() - 4);
  p.fillRect(swatch, ToQColor(ColourAt(index)));
  p.setPen(ToQColor(clBlack));
  p.drawRect(swatch.adjusted(0, 0, -1, -1));
  const QRect text(swatch.right() + 1 + kTextGap, rect.top(), rect.right() - swatch.right() - kTextGap, rect.height());
  p.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
  p.setFont(font());
  p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
}

QSize TColorBox::sizeHint() const {
  return {
      2 * dropdown::kFrame + kSwatchWidth + kTextGap + dropdown::kButtonWidth + 4 * fontMetrics().averageCharWidth(),
      std::max(fontMetrics().height() + 4, kEntryHeight + 4) + 2 * dropdown::kFrame};
}

void TColorBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintDropDownFrame(p, *this);
  const QRect field = DropDownFieldRect(*this);
  DrawEntry(p, currentIndex(), field, false);
  if (hasFocus() && !DropDownOpen(*this)) DrawFocusRect(p, field, palette().color(QPalette::Text));
}

}  // namespace tessary::widgets
