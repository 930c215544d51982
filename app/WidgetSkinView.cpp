#include "app/WidgetSkinView.h"

#include <QPalette>

#include "widgets/ThemeRegistry.h"

namespace tessary::app {

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
  // For frmMain this repaints every widget of the window too: children are painted again
  // with the region of their parent that is painted again.
  widget->update();
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
