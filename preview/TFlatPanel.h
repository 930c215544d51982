#pragma once
// A flat panel of the status bar: a container with a one-pixel two-colour frame and a
// one-line caption. A transparent panel fills nothing, so what its parent painted shows
// under it (on the status bar: the bottom dock's picture, its tiles running on under the
// panel); an opaque one fills with its colour, which follows the parent's unless set.
// A disabled panel draws its caption embossed.
#include <QString>
#include <QWidget>

#include "skin/Colour.h"

namespace tessary::preview {

// Horizontal placement of a caption.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The frame colour a new flat panel or gauge has: red 160, green 150, blue 131.
inline constexpr Colour kFlatFrameColour = 0x008396A0;

class TFlatPanel : public QWidget {
  Q_OBJECT

 public:
  // A new panel is 185 x 41, opaque, centred caption, following its parent's colour.
  explicit TFlatPanel(QWidget* parent = nullptr);

  // Paint the parent's surface under the panel instead of filling it. Setting it always
  // repaints (also when unchanged).
  void SetTransparent(bool transparent);
  bool Transparent() const { return transparent_; }

  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

  void SetAlignment(TAlignment alignment);
  TAlignment Alignment() const { return alignment_; }

  // The fill colour when opaque. Setting one turns ParentColor off; ParentColor on makes
  // the panel take its parent's colour again (and after every change of it).
  void SetColor(Colour colour);
  Colour Color() const;
  void SetParentColor(bool parentColor);
  bool ParentColor() const { return parentColor_; }

  // The frame's colours by index: 0 ColorHighLight (left and top), 1 ColorShadow (right
  // and bottom); another index changes nothing. Always repaints.
  void SetColors(int index, Colour colour);
  Colour ColorHighLight() const { return colorHighLight_; }
  Colour ColorShadow() const { return colorShadow_; }

  // The caption's colour is the panel's font colour: its palette's window-text colour.
  Colour FontColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool transparent_ = false;
  QString caption_;
  TAlignment alignment_ = TAlignment::taCenter;
  Colour color_ = clBtnFace;
  bool parentColor_ = true;
  Colour colorHighLight_ = kFlatFrameColour;
  Colour colorShadow_ = kFlatFrameColour;
};

}  // namespace tessary::preview
