#include "widgets/controls/BevelPanel.h"

#include <QAccessible>
#include <QPainter>

#include "widgets/PaintPrimitives.h"

namespace tessary::widgets {
namespace {

// Draws one bevel just inside `r`; none draws nothing.
void DrawBevel(QPainter& p, const QRect& r, BevelPanel::Bevel bevel) {
  if (bevel == BevelPanel::Bevel::None) return;
  const QColor light = ToQColor(clBtnHighlight);
  const QColor dark = ToQColor(clBtnShadow);
  if (bevel == BevelPanel::Bevel::Raised) DrawEdge(p, r, light, dark);
  else DrawEdge(p, r, dark, light);
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void BevelPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  update();
}

void BevelPanel::SetCaptionAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void BevelPanel::SetBevels(Bevel outer, Bevel inner) {
  outer_ = outer;
  inner_ = inner;
  update();
}

int BevelPanel::BevelWidth() const { return (outer_ != Bevel::None) + (inner_ != Bevel::None); }

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  QRect r = rect();
  DrawBevel(p, r, outer_);
  if (outer_ != Bevel::None) r.adjust(1, 1, -1, -1);
  DrawBevel(p, r, inner_);
  if (caption_.isEmpty()) return;
  const int inset = BevelWidth();
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.setFont(font());
  p.drawText(rect().adjusted(inset, inset, -inset, -inset),
             static_cast<int>(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine), caption_);
}

}  // namespace tessary::widgets
