#pragma once
// A flat panel of the status bar: a container with a one-pixel two-colour frame and a
// one-line caption. A transparent panel fills nothing, so what its parent painted shows
// under it (on the status bar: the bottom dock's picture, its tiles running on under the
// panel); an opaque one fills with its colour. A disabled panel draws its caption embossed.
#include <QString>

#include "preview/TFlatControl.h"

namespace tessary::preview {

// Horizontal placement of a caption.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TFlatPanel : public TFlatControl {
  Q_OBJECT

 public:
  // A new panel is 185 x 41, opaque, centred caption, following its parent's colour.
  explicit TFlatPanel(QWidget* parent = nullptr);

  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

  void SetAlignment(TAlignment alignment);
  TAlignment Alignment() const { return alignment_; }

  // The frame: left and top edges (colour index 0), right and bottom edges (index 1).
  Colour ColorHighLight() const { return Colors(0); }
  Colour ColorShadow() const { return Colors(1); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TAlignment alignment_ = TAlignment::taCenter;
};

}  // namespace tessary::preview
