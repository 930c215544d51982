#pragma once
// The window's side of the editing commands: carries out what SkinView asks on real
// widgets. The window binds each repaint target to its widget, and gives the two pieces
// that belong to its own controls (the gauge's bar colour, applying a ControlState).
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "editing/SkinView.h"
#include "widgets/TTBXSwitcher.h"

namespace tessary::app {

class WidgetSkinView : public SkinView {
 public:
  // Themes are switched through `switcher` (the window's TBXSwitcher).
  explicit WidgetSkinView(widgets::TTBXSwitcher& switcher);

  // The widget a target stands for; an unbound target is ignored (a part the window does
  // not have yet).
  void Bind(RepaintTarget target, QWidget* widget);

  // Sets WBGauge's bar colour.
  std::function<void(Colour)> setGaugeColour;
  // Makes the radio boxes, ColorBox, dfsColorButton and ListBox1 show a state, without
  // running their commands (block their signals while setting them).
  std::function<void(const ControlState&)> showControls;

  // Updates the widget and its children (frmMain: the whole window).
  void Repaint(RepaintTarget target) override;
  // Sets the widget's text colour (the palette roles labels and panels draw text with).
  void SetFontColour(RepaintTarget target, Colour colour) override;
  void SetSkinTextColour(Colour colour) override;
  void SetGaugeColour(Colour colour) override;
  void SwitchTheme(const std::string& name) override;
  std::string ShownTheme() const override;
  void ShowControls(const ControlState& state) override;

 private:
  static constexpr std::size_t kTargetCount = static_cast<std::size_t>(RepaintTarget::frmMain) + 1;
  QWidget* WidgetOf(RepaintTarget target) const;

  widgets::TTBXSwitcher& switcher_;
  std::array<QPointer<QWidget>, kTargetCount> widgets_;
};

}  // namespace tessary::app
