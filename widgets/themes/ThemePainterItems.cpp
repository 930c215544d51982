// The shared painter: item faces on bars and menu bars, menu lines, images, arrows, check
// marks, separators and popups.
#include <QPainter>
#include <algorithm>

#include "widgets/DeviceGrid.h"
#include "widgets/DevicePictures.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/themes/ThemeColours.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

constexpr int kDropDownTriangleWidth = 5;
constexpr int kSubmenuTriangleHeight = 7;
constexpr int kCheckedImageRing = 2;    // gap plus edge around a checked menu image
constexpr int kCheckBoxMargin = 2;      // space around the box of a check mark
constexpr int kAccentLine = 2;          // thickness of the accent under a checked button
constexpr int kSeparatorIndent = 4;     // after the image column
constexpr int kBarSeparatorGap = 3;     // above and below a flat separator on a bar
constexpr int kLiftShadowPercent = 70;  // the hovered image's shadow: the hot face darkened

bool IsPopup(int viewKind) { return (viewKind & vkPopup) == vkPopup; }
bool Hot(const ItemState& state) { return state.hoverKind != hkNone; }

}  // namespace

void ThemePainter::PaintFaceOf(QPainter& p, const QRect& rect, const FaceColours& face, int openSides) const {
  const auto colour = [this](Colour c) { return c == clNone ? QColor() : C(c); };
  PaintFace(p, rect,
            FaceLook{colour(face.fill), colour(face.fillEnd), colour(face.frame),
                     def_.faceFill == FaceFillStyle::Glossy, def_.metrics.itemRadius, openSides});
}

const FaceColours& ThemePainter::ButtonFace(const ItemState& state) const {
  static const FaceColours kNoFace;
  const bool hot = Hot(state) && state.enabled;
  if (state.OnMenuBar()) {
    if (!state.enabled) return kNoFace;
    if (Pressed(state)) return pal_.menuBarPushed;
    return hot ? pal_.menuBarHot : kNoFace;
  }
  if (!state.enabled) return state.checked ? pal_.checked : kNoFace;
  if (Pressed(state)) return pal_.pushed;
  if (state.checked) return hot ? pal_.checkedHot : pal_.checked;
  return hot ? pal_.hot : kNoFace;
}

void ThemePainter::PaintRaisedButton(QPainter& p, const QRect& r, const ItemState& state) const {
  const bool pressed = Pressed(state);
  if (state.OnMenuBar() && FlatMenus()) {
    if (state.enabled && (Hot(state) || pressed)) p.fillRect(r, C(pal_.selection.fill));
    return;
  }
  if (!state.enabled && !state.checked) return;
  const bool hot = Hot(state) && state.enabled;
  if (pressed && state.enabled) {
    DrawEdge(p, r, C(pal_.shadow), C(pal_.highlight));
  } else if (state.checked) {
    // A latched button shows a dithered face until the mouse is over it.
    if (!hot && state.enabled) FillDithered(p, r.adjusted(1, 1, -1, -1), C(pal_.dither), C(pal_.barFace));
    DrawEdge(p, r, C(pal_.shadow), C(pal_.highlight));
  } else if (hot) {
    DrawEdge(p, r, C(pal_.highlight), C(pal_.shadow));
  }
}

void ThemePainter::PaintButtonFrame(QPainter& p, const QRect& r, const ItemState& state) const {
  if (RaisedItems()) {
    PaintRaisedButton(p, r, state);
    return;
  }
  const FaceColours& face = ButtonFace(state);
  if (face.Empty()) return;
  int open = 0;
  if (state.splitPart == spSplitCaption) open = sdRight;
  else if (state.splitPart == spSplitArrow) open = sdLeft;
  else if (state.OnMenuBar() && def_.menuBarOpenTab && Pressed(state)) open = sdBottom;
  PaintFaceOf(p, r, face, open);
  // The two parts of a split button are divided by a line of the frame.
  if (state.splitPart == spSplitCaption && face.frame != clNone) {
    DrawRoundedOutline(p, r, 0, 0, sdRight, C(face.frame));
  }
  if (pal_.accent != clNone && state.checked && state.enabled && !state.OnMenuBar()) {
    FillSnapped(p, QRect(r.left() + 2, r.bottom() - kAccentLine, r.width() - 4, kAccentLine), C(pal_.accent));
  }
}

void ThemePainter::PaintMenuLine(QPainter& p, const QRect& r, const ItemState& state) const {
  if (!Hot(state)) return;
  const bool disabledLook = !state.enabled && !pal_.selectionDisabled.Empty();
  const QRect area = r.adjusted(def_.metrics.selectionInset, 0, -def_.metrics.selectionInset, 0);
  PaintFaceOf(p, area, disabledLook ? pal_.selectionDisabled : pal_.selection);
  if (pal_.accent != clNone && state.enabled) {
    FillSnapped(p, QRect(area.left() + 1, area.top() + 2, kAccentLine, area.height() - 4), C(pal_.accent));
  }
}

void ThemePainter::PaintItemFrame(QPainter& p, const QRect& rect, const ItemState& state) const {
  if (state.ToolbarStyle()) PaintButtonFrame(p, rect, state);
  else PaintMenuLine(p, rect, state);
}

void ThemePainter::PaintDisabledImage(QPainter& p, QPoint at, const QPixmap& image) const {
  switch (def_.disabledImages) {
    case DisabledImageStyle::Embossed:
      if (VisualStyles()) {
        p.save();
        p.setOpacity(0.4);
        DrawPicture(p, at, image);
        p.restore();
      } else {
        DrawPicture(p, at + QPoint(1, 1), ImageMask(image, C(pal_.highlight)));
        DrawPicture(p, at, ImageMask(image, C(pal_.shadow)));
      }
      return;
    case DisabledImageStyle::Silhouette:
      DrawPicture(p, at, ImageSilhouette(image, C(Mix(pal_.disabledText, pal_.barFace, 60))));
      return;
    case DisabledImageStyle::Faded: DrawPicture(p, at, FadedImage(image)); return;
  }
}

void ThemePainter::PaintItemImage(QPainter& p, const QRect& rect, const ItemState& state, const QPixmap& image) const {
  if (image.isNull()) return;
  const QSize size = image.deviceIndependentSize().toSize();
  QPoint at(rect.left() + (rect.width() - size.width()) / 2, rect.top() + (rect.height() - size.height()) / 2);
  if (Sunken(state)) at += QPoint(1, 1);

  if (!state.ToolbarStyle() && state.checked) {
    // A checked menu line shows its image in a box: pressed in, or framed.
    const QRect ring =
        QRect(at, size).adjusted(-kCheckedImageRing, -kCheckedImageRing, kCheckedImageRing, kCheckedImageRing);
    if (RaisedItems()) {
      if (state.enabled && !Hot(state)) FillDithered(p, ring.adjusted(1, 1, -1, -1), C(pal_.dither), C(pal_.menu));
      DrawEdge(p, ring, C(pal_.shadow), C(pal_.highlight));
    } else {
      PaintFaceOf(p, ring, pal_.menuCheck.Empty() ? pal_.checked : pal_.menuCheck);
    }
  }

  if (!state.enabled) {
    PaintDisabledImage(p, at, image);
    return;
  }
  const bool lift = def_.hotImageLift && state.ToolbarStyle() && Hot(state) && !Pressed(state) && !state.checked &&
                    !state.OnMenuBar();
  if (lift) {
    // The hovered image rises up-left over its own flat shadow.
    const Colour base = pal_.hot.fill != clNone ? pal_.hot.fill : pal_.barFace;
    DrawPicture(p, at + QPoint(1, 1), ImageSilhouette(image, C(Mix(base, clBlack, kLiftShadowPercent))));
    at -= QPoint(1, 1);
  }
  DrawPicture(p, at, image);
}

void ThemePainter::PaintDropDownArrow(QPainter& p, const QRect& rect, const ItemState& state) const {
  QPoint centre = rect.center();
  if (Sunken(state)) centre += QPoint(1, 1);
  // The arrow belongs to its caption: it is drawn in the colours the theme gives the
  // caption in this state (embossed where the caption is), so a light skin text colour over
  // a dark picture shows both. Only the passes' offsets from one another apply: the caption
  // rule's own shift of the text is for the text.
  const CaptionDraws passes = CaptionPasses(state);
  if (passes.size() == 0) return;
  const QPoint last = passes[passes.size() - 1].offset;
  for (const CaptionDraw& pass : passes) {
    DrawDownTriangle(p, centre + pass.offset - last, kDropDownTriangleWidth, C(pass.colour));
  }
}

void ThemePainter::PaintSubmenuArrow(QPainter& p, const QRect& rect, const ItemState& state) const {
  DrawRightTriangle(p, rect.center(), kSubmenuTriangleHeight, GlyphColour(state));
}

void ThemePainter::PaintCheckMark(QPainter& p, const QRect& rect, const ItemState& state) const {
  const Glyph glyph = state.radio ? RadioDotGlyph() : CheckMarkGlyph();
  const QRect r = Sunken(state) ? rect.translated(1, 1) : rect;
  if (RaisedItems()) {
    if (!state.enabled && !VisualStyles() && !Hot(state)) {
      DrawGlyphCentred(p, glyph, r.translated(1, 1), C(pal_.highlight));
      DrawGlyphCentred(p, glyph, r, C(pal_.shadow));
      return;
    }
  } else if (!pal_.menuCheck.Empty()) {
    const int side = std::max(std::min(r.width(), r.height()) - 2 * kCheckBoxMargin, glyph.Height() + 4);
    const QRect box(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    PaintFaceOf(p, box, pal_.menuCheck);
  }
  DrawGlyphCentred(p, glyph, r, MarkColour(state));
}

void ThemePainter::PaintSeparator(QPainter& p, const QRect& area, int viewKind, bool horizontal,
                                  int imageColumnWidth) const {
  const bool etched = pal_.separatorLight != clNone;
  const int thickness = etched ? 2 : 1;
  QRect rect = area;
  if (horizontal && IsPopup(viewKind) && def_.menuSeparatorIndent && imageColumnWidth > 0) {
    rect.setLeft(rect.left() + imageColumnWidth + kSeparatorIndent);
  }
  if (!horizontal && !RaisedItems()) rect.adjust(0, kBarSeparatorGap, 0, -kBarSeparatorGap);
  // The line, and the light line beside it, each a whole number of device pixels thick
  // and as thick as the other.
  const DeviceGrid grid(p);
  QRect line;
  if (horizontal) line = QRect(rect.left(), rect.top() + (rect.height() - thickness) / 2, rect.width(), 1);
  else line = QRect(rect.left() + (rect.width() - thickness) / 2, rect.top(), 1, rect.height());
  if (grid.Snaps()) line = grid.Snap(line);
  const QPoint beside = horizontal ? QPoint(0, line.height()) : QPoint(line.width(), 0);
  const DevicePainting inDevice(p, grid);
  p.fillRect(line, C(pal_.separator));
  if (etched) p.fillRect(line.translated(beside), C(pal_.separatorLight));
}

void ThemePainter::PaintPopupBackground(QPainter& p, const QRect& rect, int viewKind, int imageColumnWidth) const {
  p.fillRect(rect, C(pal_.menu));
  if (imageColumnWidth > 0 && pal_.menuImageColumn != clNone) {
    const int left = rect.left() + PopupBorder(viewKind).left();
    const QColor end = pal_.menuImageColumnEnd == clNone ? QColor() : C(pal_.menuImageColumnEnd);
    FillGradient(p, QRect(left, rect.top(), imageColumnWidth, rect.height()), C(pal_.menuImageColumn), end,
                 /*horizontal=*/true);
  }
}

void ThemePainter::PaintPopupFrame(QPainter& p, const QRect& rect, int) const {
  int drawn = 1;
  if (def_.popupFrame == PopupFrameStyle::Raised3D) {
    PaintThickRaised(p, rect);
    drawn = 2;
  } else {
    DrawEdge(p, rect, C(pal_.popupFrame), C(pal_.popupFrame));
  }
  // The rest of the border in the menu colour.
  for (int i = drawn; i < def_.metrics.popupBorder; ++i) {
    DrawEdge(p, rect.adjusted(i, i, -i, -i), C(pal_.menu), C(pal_.menu));
  }
}

}  // namespace tessary::widgets
