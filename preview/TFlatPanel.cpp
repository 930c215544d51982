#include "preview/TFlatPanel.h"

#include <QEvent>
#include <QPainter>

#include "preview/FlatPainting.h"
#include "preview/accessibility/PreviewAccessibility.h"

namespace tessary::preview {

namespace {

int TextFlags(TAlignment alignment) {
  const int vertical = Qt::AlignVCenter | Qt::TextSingleLine;
  switch (alignment) {
    case TAlignment::taLeftJustify: return vertical | Qt::AlignLeft;
    case TAlignment::taRightJustify: return vertical | Qt::AlignRight;
    case TAlignment::taCenter: break;
  }
  return vertical | Qt::AlignHCenter;
}

}  // namespace

TFlatPanel::TFlatPanel(QWidget* parent) : QWidget(parent) {
  InstallPreviewAccessibility();
  resize(185, 41);
}

void TFlatPanel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TFlatPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
  NotifyAccessibleNameChanged(this);
}

void TFlatPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void TFlatPanel::SetColor(Colour colour) {
  color_ = colour;
  parentColor_ = false;
  update();
}

Colour TFlatPanel::Color() const { return parentColor_ ? ParentColourOf(*this) : color_; }

void TFlatPanel::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  update();
}

void TFlatPanel::SetColors(int index, Colour colour) {
  if (index == 0) colorHighLight_ = colour;
  else if (index == 1) colorShadow_ = colour;
  update();
}

Colour TFlatPanel::FontColour() const {
  return ArgbToColour(palette().color(QPalette::Active, QPalette::WindowText).rgb());
}

void TFlatPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = rect();
  // Transparent: nothing is filled; Qt has painted the parent's surface under the panel.
  if (!transparent_) painter.fillRect(client, QtColour(Color()));
  DrawFlatFrame(painter, client, colorHighLight_, colorShadow_);
  if (caption_.isEmpty()) return;
  painter.setFont(font());
  const int flags = TextFlags(alignment_);
  if (isEnabled()) {
    painter.setPen(QtColour(FontColour()));
    painter.drawText(client, flags, caption_);
    return;
  }
  // Disabled: embossed, whatever the font colour.
  painter.setPen(QtColour(clBtnHighlight));
  painter.drawText(client.translated(1, 1), flags, caption_);
  painter.setPen(QtColour(clBtnShadow));
  painter.drawText(client, flags, caption_);
}

void TFlatPanel::changeEvent(QEvent* event) {
  // A new parent colour (a theme switch), font colour or font repaints the panel.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
      event->type() == QEvent::EnabledChange)
    update();
  QWidget::changeEvent(event);
}

}  // namespace tessary::preview
