#include "preview/TFlatPanel.h"

#include <QPainter>

#include "preview/FlatPainting.h"

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

TFlatPanel::TFlatPanel(QWidget* parent) : TFlatControl(QSize(185, 41), kFlatFrameColour, kFlatFrameColour, parent) {}

void TFlatPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
  TellNameChanged();
}

void TFlatPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void TFlatPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = rect();
  // Transparent: nothing is filled; Qt has painted the parent's surface under the panel.
  if (!Transparent()) painter.fillRect(client, QtColour(Color()));
  DrawFlatFrame(painter, client, ColorHighLight(), ColorShadow());
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

}  // namespace tessary::preview
