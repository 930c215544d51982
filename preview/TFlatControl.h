#pragma once
// What the status bar's flat panel and gauge share: transparency, a fill colour that
// follows the parent's unless set, two colours set by index (the frame's, and the panel's
// shadow or the gauge's bar), and the font colour their text is drawn in. Every change
// repaints the control; a new colour handed down by the parent (a theme switch) too.
#include <QWidget>
#include <array>

#include "skin/Colour.h"

namespace tessary::preview {

// The frame colour a new flat panel or gauge has: red 160, green 150, blue 131.
inline constexpr Colour kFlatFrameColour = 0x008396A0;

class TFlatControl : public QWidget {
  Q_OBJECT

 public:
  // Paint nothing under the control (its parent's painting shows) instead of filling it.
  // Setting it always repaints (also when unchanged).
  void SetTransparent(bool transparent);
  bool Transparent() const { return transparent_; }

  // The fill colour when opaque. Setting one turns ParentColor off; with ParentColor on
  // the control takes the colour its parent hands its children (the palette's window
  // colour, which a themed bar sets to the theme's colour for its kind).
  void SetColor(Colour colour);
  Colour Color() const;
  void SetParentColor(bool parentColour);
  bool ParentColor() const { return parentColour_; }

  // The two colours by index, 0 or 1; another index changes nothing. Always repaints.
  void SetColors(int index, Colour colour);
  Colour Colors(int index) const { return colours_.at(static_cast<std::size_t>(index)); }

  // The colour text is drawn in: the palette's window-text colour (the font's colour).
  Colour FontColour() const;

 protected:
  TFlatControl(QSize size, Colour first, Colour second, QWidget* parent);
  // Called after Color may have changed (set, ParentColor switched, the parent's changed).
  virtual void ColourChanged() {}
  void changeEvent(QEvent* event) override;
  // Tells assistive tools that the control's name (a panel's caption) or value (a gauge's
  // progress) changed.
  void TellNameChanged();
  void TellValueChanged(int value);

 private:
  bool transparent_ = false;
  Colour colour_ = clBtnFace;
  bool parentColour_ = true;
  std::array<Colour, 2> colours_;
};

}  // namespace tessary::preview
