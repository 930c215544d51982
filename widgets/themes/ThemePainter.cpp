#include "widgets/themes/ThemePainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "widgets/ThemeRegistry.h"
#include "widgets/themes/CaptionText.h"
#include "widgets/themes/PaintPrimitives.h"

namespace tessary::widgets {
namespace {

constexpr int kDropDownTriangleWidth = 5;
constexpr int kSubmenuTriangleHeight = 7;
constexpr int kGripBarWidth = 3;            // one raised bar of the double-line grip
constexpr int kCheckedImageRing = 2;        // gap plus edge around a checked menu image
constexpr int kCaptionTextIndent = 3;
constexpr int kCloseButtonInset = 2;

bool IsFloating(int viewKind) { return (viewKind & vkFloating) != 0; }
bool IsPopup(int viewKind) { return (viewKind & vkPopup) == vkPopup; }

// Hovered in a way that shows a hot look (hover kind 1 or 2; 0 is "no highlight").
bool Hot(const ItemState& state) { return state.hoverKind != hkNone; }

}  // namespace

ThemePainter::ThemePainter(const ThemeDefinition& definition, QString name)
    : def_(definition), name_(std::move(name)) {}

QColor ThemePainter::C(Colour colour) const { return ToQColor(colour); }

bool ThemePainter::FlatMenus() const { return FlatMenusInEffect(); }
bool ThemePainter::VisualStyles() const { return VisualStylesInUse(); }

bool ThemePainter::Sunken(const ItemState& state) const {
  return state.ToolbarStyle() && state.enabled &&
         (state.pushed || state.checked || state.popupParent) &&
         !(state.OnMenuBar() && FlatMenus());
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

int ThemePainter::MenuImageColumnWidth(int imageWidth) const {
  return imageWidth + def_.metrics.menuImageMargin;
}

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
  return C(IsPopup(viewKind) ? def_.palette.menu : def_.palette.barFace);
}

Colour ThemePainter::TextColourValue(const ItemState& state) const {
  const ThemePalette& pal = def_.palette;
  if (!state.enabled) return pal.disabledText;
  if (!state.ToolbarStyle()) return Hot(state) ? pal.selectionText : pal.menuText;
  if (state.OnMenuBar() && FlatMenus() && (Hot(state) || state.pushed)) return pal.selectionText;
  return pal.text;
}

QColor ThemePainter::ItemTextColour(const ItemState& state) const {
  return C(TextColourValue(state));
}

QColor ThemePainter::DockColour() const { return C(def_.palette.boundLines); }

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
  return def_.captionRule(state, context);
}

QColor ThemePainter::GlyphColour(const ItemState& state) const {
  const ThemePalette& pal = def_.palette;
  if (!state.enabled) return C(pal.disabledText);
  if (!state.ToolbarStyle()) return C(Hot(state) ? pal.selectionText : pal.menuText);
  return C(pal.glyph);
}

// ---- painting ----

void ThemePainter::PaintDock(QPainter& p, const QRect& rect) const {
  p.fillRect(rect, C(def_.palette.dock));
}

void ThemePainter::PaintBarBackground(QPainter& p, const QRect& rect, int) const {
  const ThemePalette& pal = def_.palette;
  if (def_.barFill == BarFillStyle::VerticalGradient) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, C(pal.barFace));
    gradient.setColorAt(1, C(pal.barFaceEnd));
    p.fillRect(rect, gradient);
  } else {
    p.fillRect(rect, C(pal.barFace));
  }
}

void ThemePainter::PaintGrip(QPainter& p, const QRect& area) const {
  const ThemePalette& pal = def_.palette;
  if (area.width() <= 0 || area.height() <= 0) return;
  if (def_.grip == GripStyle::DoubleLine) {
    for (int i = 0; i < 2; ++i) {
      const QRect bar(area.left() + 1 + i * kGripBarWidth, area.top(), kGripBarWidth,
                      area.height());
      DrawEdge(p, bar, C(pal.highlight), C(pal.shadow));
    }
    return;
  }
  // Dots: a column of 2 x 2 raised dots every 4 pixels.
  const int x = area.left() + (area.width() - 3) / 2;
  for (int y = area.top() + 1; y + 2 < area.bottom(); y += 4) {
    p.fillRect(QRect(x + 1, y + 1, 2, 2), C(pal.highlight));
    p.fillRect(QRect(x, y, 2, 2), C(pal.shadow));
  }
}

void ThemePainter::PaintBarFrame(QPainter& p, const QRect& outer, const QRect& client,
                                 int viewKind, bool dragHandle, bool backgroundShows) const {
  if (IsFloating(viewKind) || outer.isEmpty()) return;
  const ThemePalette& pal = def_.palette;
  if (!backgroundShows) {
    // The ring between the outer edge and the client area.
    p.save();
    p.setClipRegion(QRegion(outer).subtracted(QRegion(client)));
    PaintBarBackground(p, outer, viewKind);
    p.restore();
  }
  if (def_.raisedBarBorder) DrawEdge(p, outer, C(pal.highlight), C(pal.shadow));
  else if (!backgroundShows) DrawEdge(p, outer, C(pal.barFace), C(pal.barFace));
  if (dragHandle && DragHandleSize(viewKind) > 0) {
    const int left = outer.left() + BarBorder(viewKind).left();
    const QRect handle(left, client.top(), std::min(DragHandleSize(viewKind), client.left() - left),
                       client.height());
    PaintGrip(p, handle);
  }
}

void ThemePainter::PaintButtonFrame(QPainter& p, const QRect& r, const ItemState& state) const {
  const ThemePalette& pal = def_.palette;
  const bool pressed = state.pushed || state.popupParent;
  if (state.OnMenuBar() && FlatMenus()) {
    if (state.enabled && (Hot(state) || pressed)) p.fillRect(r, C(pal.selection));
    return;
  }
  if (!state.enabled && !state.checked) return;
  const bool hot = Hot(state) && state.enabled;
  if (def_.itemFrames == ItemFrameStyle::Flat) {
    if (!(hot || pressed || state.checked)) return;
    const Colour face = pressed ? pal.pushedFace : state.checked ? pal.checkedFace : pal.hotFace;
    p.fillRect(r, C(face));
    DrawEdge(p, r, C(pal.itemFrame), C(pal.itemFrame));
    return;
  }
  if (pressed && state.enabled) {
    DrawEdge(p, r, C(pal.shadow), C(pal.highlight));
  } else if (state.checked) {
    // A latched button shows a dithered face until the mouse is over it.
    if (!hot && state.enabled) {
      FillDithered(p, r.adjusted(1, 1, -1, -1), C(pal.checkedFace), C(pal.barFace));
    }
    DrawEdge(p, r, C(pal.shadow), C(pal.highlight));
  } else if (hot) {
    DrawEdge(p, r, C(pal.highlight), C(pal.shadow));
  }
}

void ThemePainter::PaintMenuLine(QPainter& p, const QRect& r, const ItemState& state) const {
  if (!Hot(state)) return;
  const ThemePalette& pal = def_.palette;
  p.fillRect(r, C(pal.selection));
  if (def_.menuSelection == MenuSelectionStyle::Framed) {
    DrawEdge(p, r, C(pal.itemFrame), C(pal.itemFrame));
  }
}

void ThemePainter::PaintItemFrame(QPainter& p, const QRect& rect, const ItemState& state) const {
  if (state.ToolbarStyle()) PaintButtonFrame(p, rect, state);
  else PaintMenuLine(p, rect, state);
}

void ThemePainter::PaintItemImage(QPainter& p, const QRect& rect, const ItemState& state,
                                  const QPixmap& image) const {
  if (image.isNull()) return;
  const ThemePalette& pal = def_.palette;
  const QSize size = image.deviceIndependentSize().toSize();
  QPoint at(rect.left() + (rect.width() - size.width()) / 2,
            rect.top() + (rect.height() - size.height()) / 2);
  if (Sunken(state)) at += QPoint(1, 1);

  if (!state.ToolbarStyle() && state.checked) {
    // A checked menu line shows its image pressed in.
    const QRect ring = QRect(at, size).adjusted(-kCheckedImageRing, -kCheckedImageRing,
                                                kCheckedImageRing, kCheckedImageRing);
    if (state.enabled && !Hot(state)) {
      FillDithered(p, ring.adjusted(1, 1, -1, -1), C(pal.checkedFace), C(pal.menu));
    }
    DrawEdge(p, ring, C(pal.shadow), C(pal.highlight));
  }

  if (state.enabled) {
    p.drawPixmap(at, image);
  } else if (VisualStyles()) {
    p.save();
    p.setOpacity(0.4);
    p.drawPixmap(at, image);
    p.restore();
  } else {
    p.drawPixmap(at + QPoint(1, 1), ImageMask(image, C(pal.highlight)));
    p.drawPixmap(at, ImageMask(image, C(pal.shadow)));
  }
}

void ThemePainter::PaintItemCaption(QPainter& p, const QRect& rect, const ItemState& state,
                                    const QString& caption, int flags, bool rotated) const {
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
    const QString plain = p.fontMetrics().elidedText(SplitPrefix(caption, cfHidePrefix).plain, Qt::ElideRight,
                                                     rect.height());
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

void ThemePainter::PaintDropDownArrow(QPainter& p, const QRect& rect, const ItemState& state) const {
  QPoint centre = rect.center();
  if (Sunken(state)) centre += QPoint(1, 1);
  if (!state.enabled && !VisualStyles() && state.ToolbarStyle()) {
    DrawDownTriangle(p, centre + QPoint(1, 1), kDropDownTriangleWidth, C(def_.palette.highlight));
    DrawDownTriangle(p, centre, kDropDownTriangleWidth, C(def_.palette.shadow));
    return;
  }
  DrawDownTriangle(p, centre, kDropDownTriangleWidth, GlyphColour(state));
}

void ThemePainter::PaintSubmenuArrow(QPainter& p, const QRect& rect, const ItemState& state) const {
  DrawRightTriangle(p, rect.center(), kSubmenuTriangleHeight, GlyphColour(state));
}

void ThemePainter::PaintCheckMark(QPainter& p, const QRect& rect, const ItemState& state) const {
  const Glyph glyph = state.radio ? RadioDotGlyph() : CheckMarkGlyph();
  const QRect r = Sunken(state) ? rect.translated(1, 1) : rect;
  if (!state.enabled && !VisualStyles() && !Hot(state)) {
    DrawGlyphCentred(p, glyph, r.translated(1, 1), C(def_.palette.highlight));
    DrawGlyphCentred(p, glyph, r, C(def_.palette.shadow));
    return;
  }
  DrawGlyphCentred(p, glyph, r, GlyphColour(state));
}

void ThemePainter::PaintSeparator(QPainter& p, const QRect& rect, int, bool horizontal) const {
  const ThemePalette& pal = def_.palette;
  const bool etched = pal.separatorLight != clNone;
  const int thickness = etched ? 2 : 1;
  if (horizontal) {
    const int y = rect.top() + (rect.height() - thickness) / 2;
    p.fillRect(QRect(rect.left(), y, rect.width(), 1), C(pal.separator));
    if (etched) p.fillRect(QRect(rect.left(), y + 1, rect.width(), 1), C(pal.separatorLight));
  } else {
    const int x = rect.left() + (rect.width() - thickness) / 2;
    p.fillRect(QRect(x, rect.top(), 1, rect.height()), C(pal.separator));
    if (etched) p.fillRect(QRect(x + 1, rect.top(), 1, rect.height()), C(pal.separatorLight));
  }
}

void ThemePainter::PaintPopupBackground(QPainter& p, const QRect& rect, int,
                                        int imageColumnWidth) const {
  const ThemePalette& pal = def_.palette;
  p.fillRect(rect, C(pal.menu));
  if (imageColumnWidth > 0 && pal.menuImageColumn != pal.menu) {
    p.fillRect(QRect(rect.left(), rect.top(), imageColumnWidth, rect.height()),
               C(pal.menuImageColumn));
  }
}

void ThemePainter::PaintThickRaised(QPainter& p, const QRect& rect) const {
  const ThemePalette& pal = def_.palette;
  DrawEdge(p, rect, C(pal.light), C(pal.darkShadow));
  DrawEdge(p, rect.adjusted(1, 1, -1, -1), C(pal.highlight), C(pal.shadow));
}

void ThemePainter::PaintPopupFrame(QPainter& p, const QRect& rect, int) const {
  const ThemePalette& pal = def_.palette;
  int drawn = 1;
  if (def_.popupFrame == PopupFrameStyle::Raised3D) {
    PaintThickRaised(p, rect);
    drawn = 2;
  } else {
    DrawEdge(p, rect, C(pal.popupFrame), C(pal.popupFrame));
  }
  // The rest of the border in the menu colour.
  for (int i = drawn; i < def_.metrics.popupBorder; ++i) {
    DrawEdge(p, rect.adjusted(i, i, -i, -i), C(pal.menu), C(pal.menu));
  }
}

QRect ThemePainter::FloatingCloseButtonRect(const QRect& captionRect) const {
  const int h = std::max(captionRect.height() - 2 * kCloseButtonInset, 0);
  const int w = h + 2;
  return QRect(captionRect.right() - kCloseButtonInset - w + 1,
               captionRect.top() + kCloseButtonInset, w, h);
}

void ThemePainter::PaintFloatingFrame(QPainter& p, const QRect& rect, const QRect& captionRect,
                                      const QString& caption, bool active) const {
  const ThemePalette& pal = def_.palette;
  PaintThickRaised(p, rect);
  for (int i = 2; i < def_.metrics.floatingBorder; ++i) {
    DrawEdge(p, rect.adjusted(i, i, -i, -i), C(pal.barFace), C(pal.barFace));
  }
  if (captionRect.isEmpty()) return;

  // A floating bar belongs to its main window: its caption looks active whenever the
  // application is, even though the tool window itself rarely holds the focus.
  active = active || AppActive();
  const Colour from = active ? pal.caption : pal.inactiveCaption;
  const Colour to = active ? pal.captionEnd : pal.inactiveCaptionEnd;
  if (def_.captionGradient) {
    QLinearGradient gradient(captionRect.topLeft(), captionRect.topRight());
    gradient.setColorAt(0, C(from));
    gradient.setColorAt(1, C(to));
    p.fillRect(captionRect, gradient);
  } else {
    p.fillRect(captionRect, C(from));
  }

  const QRect close = FloatingCloseButtonRect(captionRect);
  p.save();
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  p.setPen(C(active ? pal.captionText : pal.inactiveCaptionText));
  const QRect textRect(captionRect.left() + kCaptionTextIndent, captionRect.top(),
                       close.left() - captionRect.left() - 2 * kCaptionTextIndent,
                       captionRect.height());
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             p.fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width()));
  p.restore();

  PaintFloatingCloseButton(p, close, false);
}

void ThemePainter::PaintFloatingCloseButton(QPainter& p, const QRect& rect, bool pressed) const {
  if (rect.width() <= 4 || rect.height() <= 4) return;
  const ThemePalette& pal = def_.palette;
  p.fillRect(rect, C(pal.barFace));
  if (pressed) {
    // Pressed in: the edges swap and the cross moves down and right by one pixel.
    DrawEdge(p, rect, C(pal.darkShadow), C(pal.light));
    DrawEdge(p, rect.adjusted(1, 1, -1, -1), C(pal.shadow), C(pal.highlight));
  } else {
    PaintThickRaised(p, rect);
  }
  const QRect glyph = rect.adjusted(2, 2, -2, -2).translated(pressed ? QPoint(1, 1) : QPoint());
  DrawGlyphCentred(p, CloseGlyph(), glyph, C(pal.glyph));
}

void ThemePainter::PaintChevron(QPainter& p, const QRect& rect, const ItemState& state) const {
  ItemState button = state;
  button.options |= ioToolbarStyle;
  PaintButtonFrame(p, rect, button);
  QRect r = rect;
  if (Sunken(button)) r.translate(1, 1);
  DrawGlyphCentred(p, ChevronGlyph(), r, GlyphColour(button));
}

}  // namespace tessary::widgets
