#pragma once
// Caption colour rules: which colour(s) a theme draws an item caption in and where, as a
// pure function of the item state, so each rule can be tested without painting.
#include <QPoint>
#include <array>
#include <cstddef>

#include "skin/Colour.h"
#include "widgets/Theme.h"

namespace tessary::widgets {

// One pass of the caption: the colour and the offset from the given rectangle.
struct CaptionDraw {
  Colour colour = clBtnText;
  QPoint offset;
  bool operator==(const CaptionDraw&) const = default;
};

// The passes in drawing order (one, or two for an embossed caption).
struct CaptionDraws {
  std::array<CaptionDraw, 2> passes{};
  std::size_t count = 0;

  void Add(Colour colour, QPoint offset = {}) { passes[count++] = CaptionDraw{colour, offset}; }
  const CaptionDraw* begin() const { return passes.data(); }
  const CaptionDraw* end() const { return passes.data() + count; }
  std::size_t size() const { return count; }
  const CaptionDraw& operator[](std::size_t i) const { return passes[i]; }
};

// What a rule reads besides the item state.
struct CaptionContext {
  Colour skinText = clBtnText;   // S: the process-wide skin text colour
  Colour themeText = clBtnText;  // T: the theme's text colour for the item's state
  bool flatMenus = false;        // flat menus in effect
  bool visualStyles = false;     // system visual styles in use
  // The state colour: T, replaced by the item's own font colour when it has one.
  Colour stateColour = clBtnText;
  Colour disabledText = clGrayText;  // the theme instance's disabled-text colour
};

using CaptionRule = CaptionDraws (*)(const ItemState& state, const CaptionContext& context);

// The classic raised-3D rule: T for a highlighted line in a popup, S everywhere else;
// pushed or checked bar buttons shift by one pixel; disabled captions are embossed unless
// visual styles are in use.
CaptionDraws DefaultCaptionRule(const ItemState& state, const CaptionContext& context);

// Flat themes that colour every menu line themselves: T in a popup, T for a hovered item
// whose state colour is set, S otherwise.
CaptionDraws FlatCaptionRule(const ItemState& state, const CaptionContext& context);

// S everywhere.
CaptionDraws SkinTextCaptionRule(const ItemState& state, const CaptionContext& context);

// Bar buttons in S; highlighted menu-bar items and menu lines in the highlight text colour;
// disabled captions in the theme's disabled-text colour. The MonaiXP variant draws one
// pixel up-left of the rectangle (back in place when pressed) and other menu lines in the
// menu text colour; the Roma variant draws pressed captions one pixel down-right.
CaptionDraws MonaiCaptionRule(const ItemState& state, const CaptionContext& context);
CaptionDraws RomaCaptionRule(const ItemState& state, const CaptionContext& context);

// Light theme with dark selections: white on a pressed menu-bar item and a highlighted menu
// line, the button text colour on a hovered menu-bar item, S elsewhere.
CaptionDraws NexosCaptionRule(const ItemState& state, const CaptionContext& context);

}  // namespace tessary::widgets
