#include "widgets/themes/CaptionRule.h"

namespace tessary::widgets {

CaptionDraws DefaultCaptionRule(const ItemState& state, const CaptionContext& context) {
  const Colour c = (state.InPopup() && state.hoverKind != hkNone) ? context.themeText
                                                                   : context.skinText;
  CaptionDraws draws;
  if (!state.ToolbarStyle() && !state.enabled && state.hoverKind == hkKeyboard) {
    draws.Add(c);
  } else if (state.enabled) {
    // A pressed button's face moves down-right; a flat menu bar has no pressed face.
    const bool sunken = state.ToolbarStyle() && (state.pushed || state.checked) &&
                        !(state.OnMenuBar() && context.flatMenus);
    draws.Add(c, sunken ? QPoint(1, 1) : QPoint());
  } else if (context.visualStyles) {
    draws.Add(c);
  } else {
    // Engraved look: a light copy below-right, the shadow colour on top.
    draws.Add(clBtnHighlight, QPoint(1, 1));
    draws.Add(clBtnShadow);
  }
  return draws;
}

}  // namespace tessary::widgets
