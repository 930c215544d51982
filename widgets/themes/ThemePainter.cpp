// The shared painter: metrics, colours, the colour set-up and item captions. Bars, docks
// and floating frames are painted in ThemePainterBars.cpp, items and popups in
// ThemePainterItems.cpp.
#include "widgets/themes/ThemePainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "widgets/CaptionText.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

bool IsFloating(int viewKind) { return (viewKind & vkFloating) != 0; }
bool IsPopup(int viewKind) { return (viewKind & vkPopup) == vkPopup; }
bool Hot(const ItemState& state) { return state.hoverKind != hkNone; }

// The first of the colours that is set.
Colour Or(Colour a, Colour b) { return a != clNone ? a : b; }

}  // namespace

ThemePainter::ThemePainter(const ThemeDefinition& definition, QString name) : def_(definition), name_(std::move(name)) {
  ThemePainter::SetupColours();
}

void ThemePainter::SetupColours() {
  pal_ = def_.palette;
  if (def_.setupColours != nullptr) {
    def_.setupColours(pal_, ColourEnvironment{SkinTextColour(), DisplayBitsPerPixel()});
  }
}

QColor ThemePainter::C(Colour colour) const { return ToQColor(colour); }

bool ThemePainter::FlatMenus() const { return FlatMenusInEffect(); }
bool ThemePainter::VisualStyles() const { return VisualStylesInUse(); }

bool ThemePainter::Pressed(const ItemState& state) {
  return state.pushed || (state.popupParent && state.splitPart != spSplitCaption);
}

bool ThemePainter::Sunken(const ItemState& state) const {
  const bool shifts = RaisedItems() || def_.pressedShift;
  return shifts && state.ToolbarStyle() && state.enabled && (Pressed(state) || state.checked) &&
         !(state.OnMenuBar() && (FlatMenus() || !RaisedItems()));
}

// ---- metrics ----

int ThemePainter::DragHandleSize(int viewKind) const {
  return IsFloating(viewKind) || IsPopup(viewKind) ? 0 : def_.metrics.dragHandle;
}

QMargins ThemePainter::BarBorder(int viewKind) const {
  if (IsFloating(viewKind) || IsPopup(viewKind)) return {};
  const int b = def_.metrics.barBorder;
  return {b, b, b, b};
}

QMargins ThemePainter::ItemPadding(const ItemState& state) const {
  if (!state.ToolbarStyle()) return {2, 2, 2, 2};
  const int x = def_.metrics.itemPaddingX;
  const int y = def_.metrics.itemPaddingY;
  return {x, y, x, y};
}

int ThemePainter::SplitArrowWidth() const { return def_.metrics.splitArrow; }
int ThemePainter::DropDownArrowWidth() const { return def_.metrics.dropDownArrow; }

int ThemePainter::MenuItemHeight(int imageHeight, int textHeight) const {
  return std::max(imageHeight, textHeight) + def_.metrics.menuLinePadding;
}

int ThemePainter::MenuSeparatorHeight() const { return def_.metrics.menuSeparator; }

int ThemePainter::MenuImageColumnWidth(int imageWidth) const { return imageWidth + def_.metrics.menuImageMargin; }

QMargins ThemePainter::PopupBorder(int) const {
  const int b = def_.metrics.popupBorder;
  return {b, b, b, b};
}

int ThemePainter::FloatingCaptionHeight() const {
  const QFontMetrics fm(QGuiApplication::font());
  return std::max(def_.metrics.floatingCaptionMin, fm.height() + 2);
}

QMargins ThemePainter::FloatingBorder() const {
  const int b = def_.metrics.floatingBorder;
  return {b, b, b, b};
}

int ThemePainter::ChevronSize() const { return def_.metrics.chevron; }

// ---- colours ----

QColor ThemePainter::ViewColour(int viewKind) const {
  if (IsPopup(viewKind)) return C(pal_.menu);
  if (def_.barFill == BarFillStyle::Plain || pal_.barFaceEnd == clNone) return C(pal_.barFace);
  return C(Mix(pal_.barFace, pal_.barFaceEnd, 50));
}

Colour ThemePainter::TextColourValue(const ItemState& state) const {
  if (!state.enabled) return pal_.disabledText;
  if (!state.ToolbarStyle()) return Hot(state) ? pal_.selectionText : pal_.menuText;
  if (state.OnMenuBar()) {
    // Classic menu bars turn into a row of menu lines when menus are flat.
    if (RaisedItems() && FlatMenus() && (Hot(state) || state.pushed)) return pal_.selectionText;
    const Colour hot = Or(pal_.menuBarHotText, Or(pal_.hotText, pal_.text));
    if (state.pushed) return Or(pal_.menuBarPushedText, hot);
    return Hot(state) ? hot : pal_.text;
  }
  if (Pressed(state)) return Or(pal_.pushedText, Or(pal_.hotText, pal_.text));
  if (Hot(state)) return Or(pal_.hotText, pal_.text);
  return pal_.text;
}

QColor ThemePainter::ItemTextColour(const ItemState& state) const { return C(TextColourValue(state)); }

QColor ThemePainter::DockColour() const { return C(pal_.boundLines); }

CaptionDraws ThemePainter::CaptionPasses(const ItemState& state) const {
  CaptionContext context;
  context.themeText = TextColourValue(state);
  context.skinText = SkinTextColour();
  // "No colour" cannot be drawn; such an S leaves the caption in the theme's colour.
  if (context.skinText == clNone || context.skinText == clDefault) {
    context.skinText = context.themeText;
  }
  context.flatMenus = FlatMenus();
  context.visualStyles = VisualStyles();
  // The item painter sets T, then the item's own font colour replaces it when it has one.
  context.stateColour = state.fontColour != clNone ? state.fontColour : context.themeText;
  context.disabledText = pal_.disabledText;
  return def_.captionRule(state, context);
}

QColor ThemePainter::GlyphColour(const ItemState& state) const {
  if (!state.enabled) return C(pal_.disabledText);
  if (!state.ToolbarStyle()) return C(Hot(state) ? pal_.selectionText : pal_.menuText);
  // On a bar, arrows take the text colour of a hovered or pressed face.
  const Colour text = TextColourValue(state);
  return C(text == pal_.text ? pal_.glyph : text);
}

QColor ThemePainter::MarkColour(const ItemState& state) const {
  if (!state.enabled) return C(Or(pal_.markDisabled, pal_.disabledText));
  // A mark drawn straight on a highlighted line takes its text colour; one in its own box
  // keeps the box's.
  if (Hot(state) && pal_.menuCheck.Empty()) return C(pal_.selectionText);
  return C(Or(pal_.mark, pal_.menuText));
}

// ---- captions ----

void ThemePainter::PaintItemCaption(QPainter& p, const QRect& rect, const ItemState& state, const QString& caption,
                                    int flags, bool rotated) const {
  if (caption.isEmpty()) return;
  const CaptionDraws passes = CaptionPasses(state);
  p.save();
  p.setBrush(Qt::NoBrush);
  if (!rotated) {
    for (const CaptionDraw& pass : passes) {
      p.setPen(C(pass.colour));
      DrawCaptionText(p, rect.translated(pass.offset), caption, flags);
    }
  } else {
    // Vertical bars: text runs top to bottom, without the accelerator, cut with "...".
    const QString plain =
        p.fontMetrics().elidedText(SplitPrefix(caption, cfHidePrefix).plain, Qt::ElideRight, rect.height());
    for (const CaptionDraw& pass : passes) {
      p.save();
      const QRect r = rect.translated(pass.offset);
      p.translate(r.right() + 1, r.top());
      p.rotate(90);
      p.setPen(C(pass.colour));
      p.drawText(QRect(0, 0, r.height(), r.width()), Qt::AlignCenter | Qt::TextSingleLine, plain);
      p.restore();
    }
  }
  p.restore();
}

}  // namespace tessary::widgets
