#include "widgets/themes/CaptionRule.h"

namespace tessary::widgets {

CaptionDraws DefaultCaptionRule(const ItemState& state, const CaptionContext& context) {
  const Colour c = (state.InPopup() && state.hoverKind != hkNone) ? context.themeText : context.skinText;
  CaptionDraws draws;
  if (!state.ToolbarStyle() && !state.enabled && state.hoverKind == hkKeyboard) {
    draws.Add(c);
  } else if (state.enabled) {
    // A pressed button's face moves down-right; a flat menu bar has no pressed face.
    const bool sunken =
        state.ToolbarStyle() && (state.pushed || state.checked) && !(state.OnMenuBar() && context.flatMenus);
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

namespace tessary::widgets {
namespace {

bool Hovered(const ItemState& state) { return state.hoverKind != hkNone; }

// The colour rule MonaiXP and Roma share; `otherMenuLines` colours the menu lines and
// menu-bar items that are not highlighted.
Colour HighlightTextRule(const ItemState& state, const CaptionContext& context, Colour otherMenuLines) {
  if (!state.ToolbarStyle() && !state.enabled && state.hoverKind == hkKeyboard) return clBtnShadow;
  if (!state.enabled) return context.disabledText;
  if (state.ToolbarStyle() && !state.OnMenuBar()) return context.skinText;
  if (Hovered(state)) return clHighlightText;
  return otherMenuLines;
}

bool PressedOffBar(const ItemState& state) { return (state.pushed || state.checked) && !state.OnMenuBar(); }

}  // namespace

CaptionDraws FlatCaptionRule(const ItemState& state, const CaptionContext& context) {
  CaptionDraws draws;
  if (state.InPopup() || (context.stateColour != clNone && Hovered(state))) {
    draws.Add(context.themeText);
  } else {
    draws.Add(context.skinText);
  }
  return draws;
}

CaptionDraws SkinTextCaptionRule(const ItemState&, const CaptionContext& context) {
  CaptionDraws draws;
  draws.Add(context.skinText);
  return draws;
}

CaptionDraws MonaiCaptionRule(const ItemState& state, const CaptionContext& context) {
  const Colour others = state.InPopup() ? clMenuText : context.skinText;
  CaptionDraws draws;
  draws.Add(HighlightTextRule(state, context, others), PressedOffBar(state) ? QPoint() : QPoint(-1, -1));
  return draws;
}

CaptionDraws RomaCaptionRule(const ItemState& state, const CaptionContext& context) {
  CaptionDraws draws;
  draws.Add(HighlightTextRule(state, context, context.skinText), PressedOffBar(state) ? QPoint(1, 1) : QPoint());
  return draws;
}

CaptionDraws NexosCaptionRule(const ItemState& state, const CaptionContext& context) {
  CaptionDraws draws;
  if (state.OnMenuBar() && Hovered(state)) {
    draws.Add(state.pushed || state.checked ? clWhite : clBtnText);
  } else if (state.splitPart == spSplitCaption && state.popupParent) {
    draws.Add(context.skinText);
  } else if (state.InPopup() && Hovered(state)) {
    draws.Add(clWhite);
  } else {
    draws.Add(context.skinText);
  }
  return draws;
}

}  // namespace tessary::widgets
