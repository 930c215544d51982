#pragma once
// The one painter every theme shares: it implements the Theme interface from a
// ThemeDefinition (palette, metrics, style switches, caption rule). Each instance keeps
// its own copy of the palette, which the definition's colour set-up derives again from
// the system colours and the skin text colour whenever they change.
#include <QString>

#include "widgets/Theme.h"
#include "widgets/themes/ThemeDefinition.h"

namespace tessary::widgets {

class ThemePainter : public Theme {
 public:
  // A theme registered under `name`, painted from `definition` (which must outlive it).
  ThemePainter(const ThemeDefinition& definition, QString name);

  // The definition this instance paints from, and the instance's colours.
  const ThemeDefinition& Definition() const { return def_; }
  const ThemePalette& Palette() const { return pal_; }
  // The theme's text colour T for an item state, as a skin colour (system colours kept).
  Colour TextColourValue(const ItemState& state) const;
  // The caption passes for a state with the current S and flags (what PaintItemCaption draws).
  CaptionDraws CaptionPasses(const ItemState& state) const;

  QString Name() const override { return name_; }

  int DragHandleSize(int viewKind) const override;
  QMargins BarBorder(int viewKind) const override;
  QMargins ItemPadding(const ItemState& state) const override;
  int SplitArrowWidth() const override;
  int DropDownArrowWidth() const override;
  int MenuItemHeight(int imageHeight, int textHeight) const override;
  int MenuSeparatorHeight() const override;
  int MenuImageColumnWidth(int imageWidth) const override;
  QMargins PopupBorder(int viewKind) const override;
  int FloatingCaptionHeight() const override;
  QMargins FloatingBorder() const override;
  int ChevronSize() const override;

  QColor ViewColour(int viewKind) const override;
  QColor ItemTextColour(const ItemState& state) const override;
  QColor DockColour() const override;

  void PaintDock(QPainter& p, const QRect& rect) const override;
  void PaintBarBackground(QPainter& p, const QRect& rect, int viewKind) const override;
  void PaintBarFrame(QPainter& p, const QRect& outer, const QRect& client, int viewKind, bool dragHandle,
                     bool backgroundShows) const override;
  QRegion BarCorners(const QRect& outer, int viewKind) const override;
  void PaintItemFrame(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintItemImage(QPainter& p, const QRect& rect, const ItemState& state, const QPixmap& image) const override;
  void PaintItemCaption(QPainter& p, const QRect& rect, const ItemState& state, const QString& caption, int flags,
                        bool rotated) const override;
  void PaintDropDownArrow(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintSubmenuArrow(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintCheckMark(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintSeparator(QPainter& p, const QRect& rect, int viewKind, bool horizontal,
                      int imageColumnWidth) const override;
  void PaintPopupBackground(QPainter& p, const QRect& rect, int viewKind, int imageColumnWidth) const override;
  void PaintPopupFrame(QPainter& p, const QRect& rect, int viewKind) const override;
  QRect FloatingCloseButtonRect(const QRect& captionRect) const override;
  void PaintFloatingFrame(QPainter& p, const QRect& rect, const QRect& captionRect, const QString& caption,
                          bool active) const override;
  void PaintFloatingCloseButton(QPainter& p, const QRect& rect, bool pressed) const override;
  void PaintChevron(QPainter& p, const QRect& rect, const ItemState& state) const override;

  bool FlatMenus() const override;
  bool VisualStyles() const override;

  // Copies the definition's palette and lets the definition derive this instance's colours.
  void SetupColours() override;

 private:
  QColor C(Colour colour) const;
  bool RaisedItems() const { return def_.itemFrames == ItemFrameStyle::Raised3D; }
  // Whether a bar item in this state is drawn pressed in (and its content shifted).
  bool Sunken(const ItemState& state) const;
  // Pressed: held down, or the item whose list is open (the caption part of a split item
  // is not pressed while its arrow's list is open).
  static bool Pressed(const ItemState& state);
  // Glyph colour for arrows in this state; colour of check marks and radio dots.
  QColor GlyphColour(const ItemState& state) const;
  QColor MarkColour(const ItemState& state) const;
  // The face a bar item or menu-bar item shows in this state (empty: none).
  const FaceColours& ButtonFace(const ItemState& state) const;
  void PaintFaceOf(QPainter& p, const QRect& rect, const FaceColours& face, int openSides = 0) const;
  void PaintRaisedButton(QPainter& p, const QRect& rect, const ItemState& state) const;
  void PaintButtonFrame(QPainter& p, const QRect& rect, const ItemState& state) const;
  void PaintMenuLine(QPainter& p, const QRect& rect, const ItemState& state) const;
  void PaintDisabledImage(QPainter& p, QPoint at, const QPixmap& image) const;
  void PaintGrip(QPainter& p, const QRect& area) const;
  void PaintBarEdge(QPainter& p, const QRect& bar) const;
  void PaintThickRaised(QPainter& p, const QRect& rect) const;
  void PaintCaptionBar(QPainter& p, const QRect& captionRect, const QString& caption, bool active) const;
  void PaintCloseButton(QPainter& p, const QRect& rect, bool pressed, bool active) const;

  const ThemeDefinition& def_;
  QString name_;
  ThemePalette pal_;
};

}  // namespace tessary::widgets
