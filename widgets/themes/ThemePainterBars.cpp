// The shared painter: docks, bar backgrounds, edges and drag handles, floating windows and
// the chevron.
#include <QPainter>
#include <algorithm>

#include "widgets/DeviceGrid.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/ThemeColours.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

constexpr int kGripBarWidth = 3;    // one raised bar of the double-line grip
constexpr int kGripDotStep = 4;     // distance between the dots of a dotted grip
constexpr int kGripRidgeWidth = 5;  // length of a ridge across the handle
constexpr int kGripEndGap = 3;      // space above and below a flat grip
constexpr int kAccentBarWidth = 2;  // the flat single-bar grip
constexpr int kCaptionTextIndent = 3;
constexpr int kCloseButtonInset = 2;
constexpr int kPressedClosePercent = 75;  // a held flat close button: the caption darkened

bool IsFloating(int viewKind) { return (viewKind & vkFloating) != 0; }
bool IsPopup(int viewKind) { return (viewKind & vkPopup) == vkPopup; }

}  // namespace

void ThemePainter::PaintDock(QPainter& p, const QRect& rect) const {
  FillGradient(p, rect, C(pal_.dock), pal_.dockEnd == clNone ? QColor() : C(pal_.dockEnd), /*horizontal=*/true);
}

void ThemePainter::PaintBarBackground(QPainter& p, const QRect& rect, int) const {
  if (def_.barFill == BarFillStyle::Plain || pal_.barFaceEnd == clNone) {
    p.fillRect(rect, C(pal_.barFace));
    return;
  }
  FillGradient(p, rect, C(pal_.barFace), C(pal_.barFaceEnd), false, def_.barFill == BarFillStyle::Glossy);
}

void ThemePainter::PaintGrip(QPainter& p, const QRect& area) const {
  if (area.width() <= 0 || area.height() <= 0) return;
  const QColor light = C(pal_.highlight);
  const QColor dark = C(pal_.grip != clNone ? pal_.grip : pal_.shadow);
  const int centreX = area.left() + (area.width() - 1) / 2;
  switch (def_.grip) {
    case GripStyle::DoubleLine:
      for (int i = 0; i < 2; ++i) {
        DrawEdge(p, QRect(area.left() + 1 + i * kGripBarWidth, area.top(), kGripBarWidth, area.height()), light,
                 C(pal_.shadow));
      }
      return;
    case GripStyle::Dots:
      // A column of 2 x 2 dots, each with a light dot below-right.
      for (int y = area.top() + 2; y + 2 < area.bottom(); y += kGripDotStep) {
        FillSnapped(p, QRect(centreX, y + 1, 2, 2), light);
        FillSnapped(p, QRect(centreX - 1, y, 2, 2), dark);
      }
      return;
    case GripStyle::DottedLine:
      for (int y = area.top() + kGripEndGap; y < area.bottom() - kGripEndGap; y += 2) {
        FillSnapped(p, QRect(centreX, y, 1, 1), dark);
        FillSnapped(p, QRect(centreX - 2, y + 1, 1, 1), dark);
      }
      return;
    case GripStyle::Ridges: {
      const int left = area.left() + (area.width() - kGripRidgeWidth) / 2;
      for (int y = area.top() + kGripEndGap; y + 1 < area.bottom() - kGripEndGap; y += 3) {
        FillSnapped(p, QRect(left, y, kGripRidgeWidth, 1), dark);
        FillSnapped(p, QRect(left, y + 1, kGripRidgeWidth, 1), light);
      }
      return;
    }
    case GripStyle::DotGrid:
      for (int y = area.top() + kGripEndGap; y + 2 <= area.bottom() - kGripEndGap; y += kGripDotStep) {
        FillSnapped(p, QRect(centreX - 2, y, 2, 2), dark);
        FillSnapped(p, QRect(centreX + 1, y, 2, 2), dark);
      }
      return;
    case GripStyle::Bar: {
      const int gap = std::max(kGripEndGap, area.height() / 4);
      FillSnapped(p, QRect(centreX, area.top() + gap, kAccentBarWidth, area.height() - 2 * gap), dark);
      return;
    }
  }
}

void ThemePainter::PaintBarEdge(QPainter& p, const QRect& bar) const {
  const QRect outer = bar.marginsRemoved(QMargins(1, 1, 1, 1) * def_.metrics.barInset);
  const QColor edge = pal_.barEdge == clNone ? QColor() : C(pal_.barEdge);
  const int radius = def_.metrics.barRadius;
  switch (def_.barEdge) {
    case BarEdgeStyle::Raised3D: DrawEdge(p, outer, C(pal_.highlight), C(pal_.shadow)); return;
    case BarEdgeStyle::None: return;
    case BarEdgeStyle::Outline: DrawRoundedOutline(p, outer, radius, crAll, sdAll, edge); return;
    case BarEdgeStyle::BottomLine: DrawRoundedOutline(p, outer, radius, crAll, sdBottom, edge); return;
    case BarEdgeStyle::Shadow: DrawRoundedOutline(p, outer, radius, crAll, sdBottom | sdRight, edge); return;
  }
}

void ThemePainter::PaintBarFrame(QPainter& p, const QRect& outer, const QRect& client, int viewKind, bool dragHandle,
                                 bool) const {
  if (IsFloating(viewKind) || outer.isEmpty()) return;
  PaintBarEdge(p, outer);
  if (dragHandle && DragHandleSize(viewKind) > 0) {
    const int left = outer.left() + BarBorder(viewKind).left();
    const QRect handle(left, client.top(), std::min(DragHandleSize(viewKind), client.left() - left), client.height());
    PaintGrip(p, handle);
  }
}

QRegion ThemePainter::BarCorners(const QRect& outer, int viewKind) const {
  if (IsFloating(viewKind) || IsPopup(viewKind)) return {};
  const QRect shape = outer.marginsRemoved(QMargins(1, 1, 1, 1) * def_.metrics.barInset);
  return QRegion(outer).subtracted(QRegion(shape)) + CornerRegion(shape, def_.metrics.barRadius, crAll);
}

void ThemePainter::PaintThickRaised(QPainter& p, const QRect& rect) const {
  DrawEdge(p, rect, C(pal_.light), C(pal_.darkShadow));
  DrawEdge(p, rect.adjusted(1, 1, -1, -1), C(pal_.highlight), C(pal_.shadow));
}

QRect ThemePainter::FloatingCloseButtonRect(const QRect& captionRect) const {
  const int h = std::max(captionRect.height() - 2 * kCloseButtonInset, 0);
  const int w = h + 2;
  return QRect(captionRect.right() - kCloseButtonInset - w + 1, captionRect.top() + kCloseButtonInset, w, h);
}

void ThemePainter::PaintCaptionBar(QPainter& p, const QRect& captionRect, const QString& caption, bool active) const {
  const Colour from = active ? pal_.caption : pal_.inactiveCaption;
  const Colour to = active ? pal_.captionEnd : pal_.inactiveCaptionEnd;
  FillGradient(p, captionRect, C(from), to == clNone ? QColor() : C(to), /*horizontal=*/true);

  const QRect close = FloatingCloseButtonRect(captionRect);
  p.save();
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  p.setPen(C(active ? pal_.captionText : pal_.inactiveCaptionText));
  const QRect textRect(captionRect.left() + kCaptionTextIndent, captionRect.top(),
                       close.left() - captionRect.left() - 2 * kCaptionTextIndent, captionRect.height());
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             p.fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width()));
  p.restore();

  PaintCloseButton(p, close, false, active);
}

void ThemePainter::PaintCloseButton(QPainter& p, const QRect& rect, bool pressed, bool active) const {
  if (rect.width() <= 4 || rect.height() <= 4) return;
  const QPoint shift = pressed ? QPoint(1, 1) : QPoint();
  if (def_.floatingFrame == FloatingFrameStyle::Raised3D) {
    p.fillRect(rect, C(pal_.barFace));
    if (pressed) {
      // Pressed in: the edges swap and the cross moves down and right by one pixel.
      DrawEdge(p, rect, C(pal_.darkShadow), C(pal_.light));
      DrawEdge(p, rect.adjusted(1, 1, -1, -1), C(pal_.shadow), C(pal_.highlight));
    } else {
      PaintThickRaised(p, rect);
    }
    DrawGlyphCentred(p, CloseGlyph(), rect.adjusted(2, 2, -2, -2).translated(shift), C(pal_.glyph));
    return;
  }
  // Flat captions show the cross alone; held down it sits on a darker square.
  if (pressed) p.fillRect(rect, C(Mix(pal_.caption, clBlack, kPressedClosePercent)));
  DrawGlyphCentred(p, CloseGlyph(), rect.translated(shift), C(active ? pal_.captionText : pal_.inactiveCaptionText));
}

void ThemePainter::PaintFloatingCloseButton(QPainter& p, const QRect& rect, bool pressed) const {
  PaintCloseButton(p, rect, pressed, true);
}

void ThemePainter::PaintFloatingFrame(QPainter& p, const QRect& rect, const QRect& captionRect, const QString& caption,
                                      bool active) const {
  const int border = def_.metrics.floatingBorder;
  // A floating bar belongs to its main window: its caption looks active whenever the
  // application is, even though the tool window itself rarely holds the focus.
  active = active || AppActive();
  if (def_.floatingFrame == FloatingFrameStyle::Raised3D) {
    PaintThickRaised(p, rect);
    for (int i = 2; i < border; ++i) DrawEdge(p, rect.adjusted(i, i, -i, -i), C(pal_.barFace), C(pal_.barFace));
  } else {
    // A flat frame in the caption's colour inside a one-pixel outline.
    const QColor ring = C(active ? pal_.caption : pal_.inactiveCaption);
    for (int i = 1; i < border; ++i) DrawEdge(p, rect.adjusted(i, i, -i, -i), ring, ring);
    const QColor outline = C(pal_.floatingFrame != clNone ? pal_.floatingFrame : pal_.caption);
    DrawEdge(p, rect, outline, outline);
  }
  if (!captionRect.isEmpty()) PaintCaptionBar(p, captionRect, caption, active);
}

void ThemePainter::PaintChevron(QPainter& p, const QRect& rect, const ItemState& state) const {
  ItemState button = state;
  button.options |= ioToolbarStyle;
  QColor glyph = GlyphColour(button);
  if (!RaisedItems() && !pal_.chevron.Empty() && button.hoverKind == hkNone && !Pressed(button)) {
    // A chevron with a face of its own: a tab at the bar's end.
    PaintFaceOf(p, rect, pal_.chevron);
    if (pal_.chevronGlyph != clNone) glyph = C(pal_.chevronGlyph);
  } else {
    PaintButtonFrame(p, rect, button);
  }
  QRect r = rect;
  if (Sunken(button)) r.translate(1, 1);
  DrawGlyphCentred(p, ChevronGlyph(), r, glyph);
}

}  // namespace tessary::widgets
