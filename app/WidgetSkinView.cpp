#include "app/WidgetSkinView.h"

#include <QPalette>

#include "widgets/ThemeRegistry.h"

namespace tessary::app {
namespace {

// Whether the toolkit counts `widget` as opaque, which keeps it out of its parent's repaint.
bool PaintsItsWholeArea(const QWidget& widget) {
  if (widget.testAttribute(Qt::WA_OpaquePaintEvent) || widget.testAttribute(Qt::WA_PaintOnScreen)) return true;
  if (!widget.autoFillBackground()) return false;
  const QBrush& fill = widget.palette().brush(widget.backgroundRole());
  return fill.style() == Qt::SolidPattern && fill.isOpaque();
}

}  // namespace

WidgetSkinView::WidgetSkinView(widgets::TTBXSwitcher& switcher) : switcher_(switcher) {}

void WidgetSkinView::Bind(RepaintTarget target, QWidget* widget) {
  widgets_.at(static_cast<std::size_t>(target)) = widget;
}

QWidget* WidgetSkinView::WidgetOf(RepaintTarget target) const {
  return widgets_.at(static_cast<std::size_t>(target)).data();
}

void WidgetSkinView::Repaint(RepaintTarget target) {
  QWidget* widget = WidgetOf(target);
  if (widget == nullptr) return;
  // A parent's repaint paints its children with it, except those that paint their whole
  // area themselves (a panel, a bar, a sample row): the toolkit leaves them and what lies in
  // them out, so they are asked on their own. Updating frmMain alone left the samples and
  // the image combo boxes showing the old images; asking every child would paint most of
  // them twice.
  widget->update();
  for (QWidget* child : widget->findChildren<QWidget*>())
    if (PaintsItsWholeArea(*child)) child->update();
}

void WidgetSkinView::SetFontColour(RepaintTarget target, Colour colour) {
  QWidget* widget = WidgetOf(target);
  if (widget == nullptr) return;
  const QColor text = QColor::fromRgb(ColourToArgb(colour));
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, text);
  }
  widget->setPalette(palette);  // repaints the widget
}

void WidgetSkinView::SetSkinTextColour(Colour colour) { widgets::SetSkinTextColour(colour); }

void WidgetSkinView::SetGaugeColour(Colour colour) {
  if (setGaugeColour) setGaugeColour(colour);
}

void WidgetSkinView::SwitchTheme(const std::string& name) { switcher_.SetTheme(QString::fromStdString(name)); }

std::string WidgetSkinView::ShownTheme() const { return switcher_.Theme().toStdString(); }

void WidgetSkinView::ShowControls(const ControlState& state) {
  if (showControls) showControls(state);
}

}  // namespace tessary::app
