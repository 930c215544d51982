#pragma once
// A theme as data: its palette, metrics and a few style switches, read by the one shared
// ThemePainter. A new theme is a new definition, not new painting code.
#include "skin/Colour.h"
#include "widgets/themes/CaptionRule.h"

namespace tessary::widgets {

// Colours of a theme. System colours (0x80000000 + n) are resolved at paint time, so a
// theme built on them follows the system scheme.
struct ThemePalette {
  Colour dock;            // dock client area
  Colour barFace;         // bar client area (gradient start)
  Colour barFaceEnd;      // gradient end (BarFillStyle::VerticalGradient)
  Colour highlight;       // light side of a thin raised edge
  Colour light;           // outer light side of a thick raised edge
  Colour shadow;          // dark side of a thin raised edge
  Colour darkShadow;      // outer dark side of a thick raised edge
  Colour boundLines;      // dock bound lines
  Colour text;            // T of an enabled bar item
  Colour disabledText;    // T of a disabled item
  Colour hotFace;         // flat frames: face of a hovered item
  Colour pushedFace;      // flat frames: face of a pushed item
  Colour checkedFace;     // flat frames: face of a checked item; raised frames: dither partner
  Colour itemFrame;       // flat frames: the frame line around a hot/pushed item
  Colour menu;            // popup background
  Colour menuImageColumn; // popup image column (equal to menu: no column)
  Colour menuText;        // T of a menu line
  Colour selection;       // selected menu line
  Colour selectionText;   // T of a selected menu line
  Colour separator;       // dark line of a separator
  Colour separatorLight;  // light line under it (clNone: single line)
  Colour popupFrame;      // flat popup frame line (PopupFrameStyle::Flat)
  Colour caption;         // floating window caption, active (gradient start)
  Colour captionEnd;      // active caption gradient end
  Colour captionText;
  Colour inactiveCaption;
  Colour inactiveCaptionEnd;
  Colour inactiveCaptionText;
  Colour glyph;           // arrows, check marks, chevron
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
};

enum class ItemFrameStyle { Raised3D, Flat };           // thin 3D edges, or a flat coloured frame
enum class BarFillStyle { Plain, VerticalGradient };
enum class GripStyle { DoubleLine, Dots };
enum class PopupFrameStyle { Raised3D, Flat };
enum class MenuSelectionStyle { Solid, Framed };       // filled line, or filled with a frame

struct ThemeDefinition {
  const char* name;
  ThemePalette palette;
  ThemeMetrics metrics;
  ItemFrameStyle itemFrames;
  BarFillStyle barFill;
  GripStyle grip;
  PopupFrameStyle popupFrame;
  MenuSelectionStyle menuSelection;
  bool raisedBarBorder;    // a raised edge around docked bars
  bool captionGradient;    // floating caption drawn as a horizontal gradient
  CaptionRule captionRule;
};

}  // namespace tessary::widgets
