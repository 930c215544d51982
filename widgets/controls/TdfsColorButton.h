#pragma once
// The colour button: shows its colour as a swatch beside a drop-down arrow; a click opens
// the palette window under it (above it when the screen has no room below). A pick sets the
// colour, and a colour from the other cell or the colour dialog also becomes the other
// colour. ColorChange is raised only when the colour really changes (or when asked to).
#include <QPointer>

#include "skin/Colour.h"
#include "widgets/controls/ColourDialogHook.h"
#include "widgets/controls/PaintedControl.h"
#include "widgets/controls/TColorArrayClass.h"
#include "widgets/controls/TDFSColorButtonPalette.h"

namespace tessary::widgets {

class TdfsColorButton : public PaintedControl {
  Q_OBJECT

 public:
  explicit TdfsColorButton(QWidget* parent = nullptr);
  ~TdfsColorButton() override;

  // The current colour, shown on the face. Setting another value repaints and raises
  // ColorChange; setting the same value does nothing.
  Colour Color() const { return colour_; }
  void SetColor(Colour colour);
  // Raises ColorChange without a change (after the colour was read from a file).
  void RaiseColorChange() { emit ColorChange(); }

  // The colour offered in the palette's other cell.
  Colour OtherColor() const { return otherColour_; }
  void SetOtherColor(Colour colour) { otherColour_ = colour; }
  // Caption of the palette's push button ("&Other").
  QString OtherBtnCaption() const { return otherBtnCaption_; }
  void SetOtherBtnCaption(const QString& caption) { otherBtnCaption_ = caption; }
  // The palette's colours (4 x 5) and the colour dialog's custom colours (8 x 2).
  const TColorArrayClass& PaletteColors() const { return paletteColours_; }
  void SetPaletteColors(const TColorArrayClass& colours) { paletteColours_ = colours; }
  const TColorArrayClass& CustomColors() const { return customColours_; }
  void SetCustomColors(const TColorArrayClass& colours) { customColours_ = colours; }
  // Flat face: no button frame unless the mouse is over it or it is pressed.
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

  // The colour dialog "&Other" opens (none: Qt's own).
  void SetColourDialog(ColourDialogHook dialog) { dialog_ = std::move(dialog); }

  // The open palette, or none.
  TDFSColorButtonPalette* Palette() const { return palette_; }
  // What a click does: opens the palette.
  void Click() override;

  QSize sizeHint() const override { return {45, 22}; }

 signals:
  // The colour changed.
  void ColorChange();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenPalette();
  void PaletteClosed(const TDFSColorButtonPalette::Result& result);
  void TellExpandedChanged();

  Colour colour_ = 0x00000000;
  Colour otherColour_ = clBtnFace;
  QString otherBtnCaption_ = QStringLiteral("&Other");
  TColorArrayClass paletteColours_ = DefaultPaletteColours();
  TColorArrayClass customColours_ = DefaultCustomColours();
  bool flat_ = false;
  ColourDialogHook dialog_;

  QPointer<TDFSColorButtonPalette> palette_;
};

}  // namespace tessary::widgets
