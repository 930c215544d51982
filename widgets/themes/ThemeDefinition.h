#pragma once
// A theme as data: its palette, metrics and a few style switches, read by the one shared
// ThemePainter. A new theme is a new definition, not new painting code.
#include <cstdint>

#include "skin/Colour.h"
#include "widgets/themes/CaptionRule.h"

namespace tessary::widgets {

// A plain colour from its red, green and blue parts (colours are stored 0x00BBGGRR).
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

// How an item's face looks in one state: a fill (solid, or a vertical gradient from `fill`
// to `fillEnd`) and a one-pixel frame. clNone leaves that part out.
struct FaceColours {
  Colour fill = clNone;
  Colour fillEnd = clNone;
  Colour frame = clNone;

  bool Empty() const { return fill == clNone && frame == clNone; }
};

// Colours of a theme. System colours (0x80000000 + n) are resolved at paint time, so a
// theme built on them follows the system scheme. A text colour of clNone falls back to the
// one it refines (hotText to text, menuBarHotText to hotText, ...).
struct ThemePalette {
  // Docks and bars.
  Colour dock = clBtnFace;
  Colour dockEnd = clNone;  // horizontal gradient end of the dock (clNone: plain)
  Colour boundLines = clBtnShadow;
  Colour barFace = clBtnFace;  // bar client area (gradient start)
  Colour barFaceEnd = clNone;  // gradient end (BarFillStyle other than Plain)
  Colour barEdge = clNone;     // outline or bottom line of a bar (BarEdgeStyle)
  Colour grip = clNone;        // flat grips; clNone: raised grips from highlight and shadow

  // Three-dimensional edges.
  Colour highlight = clBtnHighlight;  // light side of a thin raised edge
  Colour light = cl3DLight;           // outer light side of a thick raised edge
  Colour shadow = clBtnShadow;        // dark side of a thin raised edge
  Colour darkShadow = cl3DDkShadow;   // outer dark side of a thick raised edge

  // Bar items: the text colour T per state, and the faces (ItemFrameStyle::Faces).
  Colour text = clBtnText;
  Colour hotText = clNone;
  Colour pushedText = clNone;
  Colour disabledText = clGrayText;
  FaceColours hot{};
  FaceColours pushed{};
  FaceColours checked{};
  FaceColours checkedHot{};
  Colour dither = clBtnHighlight;  // raised frames: checkerboard partner of a checked face
  Colour accent = clNone;          // a bar under checked buttons and beside the selected line
  Colour glyph = clBtnText;        // arrows and the chevron on bars

  // Menu-bar items.
  FaceColours menuBarHot{};
  FaceColours menuBarPushed{};
  Colour menuBarHotText = clNone;
  Colour menuBarPushedText = clNone;

  // Popups.
  Colour menu = clBtnFace;
  Colour menuImageColumn = clNone;     // image column (clNone: none)
  Colour menuImageColumnEnd = clNone;  // its horizontal gradient end
  Colour menuText = clMenuText;
  FaceColours selection{clHighlight};  // the highlighted line
  FaceColours selectionDisabled{};     // ... when it is disabled (empty: as selection)
  Colour selectionText = clHighlightText;
  FaceColours menuCheck{};       // box around a checked line's image or mark
  Colour mark = clNone;          // check marks and radio dots (clNone: menu text)
  Colour markDisabled = clNone;  // ... of a disabled line (clNone: disabled text)
  Colour separator = clBtnShadow;
  Colour separatorLight = clBtnHighlight;  // line under it (clNone: single line)
  Colour popupFrame = clBtnShadow;         // PopupFrameStyle::Flat

  // Chevron: its face when not hovered (clNone: like a bar button) and its glyph.
  FaceColours chevron{};
  Colour chevronGlyph = clNone;

  // Floating windows.
  Colour floatingFrame = clNone;  // FloatingFrameStyle::Flat outer line
  Colour caption = clActiveCaption;
  Colour captionEnd = clNone;  // horizontal gradient end (clNone: solid)
  Colour captionText = clCaptionText;
  Colour inactiveCaption = clInactiveCaption;
  Colour inactiveCaptionEnd = clNone;
  Colour inactiveCaptionText = clInactiveCaptionText;
};

// Sizes in pixels.
struct ThemeMetrics {
  int dragHandle;          // drag handle width on a docked bar
  int barBorder;           // border of a docked bar on each side
  int itemPaddingX;        // space left and right of a bar button's content
  int itemPaddingY;        // space above and below it
  int splitArrow;          // arrow part of a split button
  int dropDownArrow;       // arrow beside a drop-down button's content
  int menuLinePadding;     // added to the taller of image and text in a menu line
  int menuSeparator;       // height of a separator line in a menu
  int menuImageMargin;     // added to the image width for the image column
  int popupBorder;         // popup frame thickness
  int floatingBorder;      // floating window frame thickness
  int floatingCaptionMin;  // smallest floating caption height
  int chevron;             // chevron button width
  int itemRadius = 0;      // corner radius of item faces
  int barRadius = 0;       // corner radius of docked bars (rounded bar ends)
  int barInset = 0;        // width of the ring of dock that shows around a docked bar
  int selectionInset = 0;  // horizontal gap between a menu line and its selection face
};

enum class ItemFrameStyle { Raised3D, Faces };  // thin 3D edges, or the palette's faces
enum class FaceFillStyle { Gradient, Glossy };  // a face's fill from fill to fillEnd
enum class BarFillStyle { Plain, VerticalGradient, Glossy };
// The bar's outer edge: a raised 3D edge, nothing, a one-pixel outline, a line along the
// bottom, or a shadow line along the bottom and right.
enum class BarEdgeStyle { Raised3D, None, Outline, BottomLine, Shadow };
// Drag handles: two raised bars; a column of raised dots; a dotted line; short raised
// ridges across the handle; two columns of flat dots; one short flat bar.
enum class GripStyle { DoubleLine, Dots, DottedLine, Ridges, DotGrid, Bar };
enum class PopupFrameStyle { Raised3D, Flat };
enum class DisabledImageStyle { Embossed, Silhouette, Faded };
enum class FloatingFrameStyle { Raised3D, Flat };

// What a theme's colour set-up reads besides the system colours.
struct ColourEnvironment {
  Colour skinText = clBtnText;  // S
  int bitsPerPixel = 32;        // display depth
};

// Derives the colours of one instance (from the system colours, S, the display) on top of
// the definition's palette. Runs when the instance is created and whenever the system
// colours or the display change.
using ColourSetup = void (*)(ThemePalette& palette, const ColourEnvironment& environment);

struct ThemeDefinition {
  const char* name;
  ThemePalette palette;
  ThemeMetrics metrics;
  ItemFrameStyle itemFrames = ItemFrameStyle::Raised3D;
  FaceFillStyle faceFill = FaceFillStyle::Gradient;
  BarFillStyle barFill = BarFillStyle::Plain;
  BarEdgeStyle barEdge = BarEdgeStyle::Raised3D;
  GripStyle grip = GripStyle::DoubleLine;
  PopupFrameStyle popupFrame = PopupFrameStyle::Raised3D;
  DisabledImageStyle disabledImages = DisabledImageStyle::Embossed;
  FloatingFrameStyle floatingFrame = FloatingFrameStyle::Raised3D;
  bool pressedShift = false;         // pressed and checked buttons move their content down-right
  bool menuBarOpenTab = false;       // an open menu's title joins the menu as a tab
  bool hotImageLift = false;         // a hovered button's image rises over its shadow
  bool menuSeparatorIndent = false;  // menu separators start after the image column
  CaptionRule captionRule = DefaultCaptionRule;
  ColourSetup setupColours = nullptr;
};

}  // namespace tessary::widgets
