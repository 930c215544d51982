#pragma once
// The one painter every theme shares: it implements the Theme interface from a
// ThemeDefinition (palette, metrics, style switches, caption rule).
#include <QString>

#include "widgets/Theme.h"
#include "widgets/themes/ThemeDefinition.h"

namespace tessary::widgets {

class ThemePainter : public Theme {
 public:
  // A theme registered under `name`, painted from `definition` (which must outlive it).
  ThemePainter(const ThemeDefinition& definition, QString name);

  // The definition this instance paints from.
  const ThemeDefinition& Definition() const { return def_; }
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
  void PaintBarFrame(QPainter& p, const QRect& outer, const QRect& client, int viewKind,
                     bool dragHandle, bool backgroundShows) const override;
  void PaintItemFrame(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintItemImage(QPainter& p, const QRect& rect, const ItemState& state,
                      const QPixmap& image) const override;
  void PaintItemCaption(QPainter& p, const QRect& rect, const ItemState& state,
                        const QString& caption, int flags, bool rotated) const override;
  void PaintDropDownArrow(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintSubmenuArrow(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintCheckMark(QPainter& p, const QRect& rect, const ItemState& state) const override;
  void PaintSeparator(QPainter& p, const QRect& rect, int viewKind, bool horizontal) const override;
  void PaintPopupBackground(QPainter& p, const QRect& rect, int viewKind,
                            int imageColumnWidth) const override;
  void PaintPopupFrame(QPainter& p, const QRect& rect, int viewKind) const override;
  QRect FloatingCloseButtonRect(const QRect& captionRect) const override;
  void PaintFloatingFrame(QPainter& p, const QRect& rect, const QRect& captionRect,
                          const QString& caption, bool active) const override;
  void PaintFloatingCloseButton(QPainter& p, const QRect& rect, bool pressed) const override;
  void PaintChevron(QPainter& p, const QRect& rect, const ItemState& state) const override;

  bool FlatMenus() const override;
  bool VisualStyles() const override;

 private:
  QColor C(Colour colour) const;
  // Whether a bar item in this state is drawn pressed in (and its content shifted).
  bool Sunken(const ItemState& state) const;
  // Glyph colour for arrows and marks in this state (disabled glyphs are engraved).
  QColor GlyphColour(const ItemState& state) const;
  void PaintButtonFrame(QPainter& p, const QRect& rect, const ItemState& state) const;
  void PaintMenuLine(QPainter& p, const QRect& rect, const ItemState& state) const;
  void PaintGrip(QPainter& p, const QRect& area) const;
  void PaintThickRaised(QPainter& p, const QRect& rect) const;

  const ThemeDefinition& def_;
  QString name_;
};

}  // namespace tessary::widgets
