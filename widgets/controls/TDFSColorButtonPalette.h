#pragma once
// The colour button's drop-down palette: a borderless popup with the palette cells, a
// separator, the "other" cell beside a push button that opens the colour dialog. The mouse
// and the arrow keys highlight cells; a click or Enter picks, Esc closes without a pick; a
// press outside closes it, and when that press is on the button that owns the palette it is
// not handed on, so clicking the button to close the palette does not open it again. It
// lives from the click that opens it until it closes, then hands its result to its owner.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "skin/Colour.h"
#include "widgets/controls/ColourDialogHook.h"
#include "widgets/controls/PaletteLayout.h"
#include "widgets/controls/TColorArrayClass.h"

namespace tessary::widgets {

class TXP_Button;

class TDFSColorButtonPalette : public QWidget {
  Q_OBJECT

 public:
  // How the palette closed: with a colour picked, or without.
  struct Result {
    bool picked = false;
    Colour colour = clBlack;
    bool fromOther = false;  // picked from the other cell or the colour dialog
  };

  // What the palette shows and offers.
  struct Settings {
    QString otherCaption = QStringLiteral("&Other");
    Colour otherColour = clBtnFace;
    Colour current = clBlack;  // highlighted when a palette cell has it, else offered as other
    TColorArrayClass palette = DefaultPaletteColours();
    TColorArrayClass custom = DefaultCustomColours();
    ColourDialogHook dialog;  // none: Qt's colour dialog
  };

  // `finished` is called once, when the palette closes; the palette deletes itself after.
  TDFSColorButtonPalette(Settings settings, std::function<void(const Result&)> finished, QWidget* owner);
  ~TDFSColorButtonPalette() override;

  // Places the palette for a button at `buttonGlobal` on the screen and shows it.
  void Popup(const QRect& buttonGlobal);

  PaletteCell Highlighted() const { return highlighted_; }
  void SetHighlighted(PaletteCell cell);
  // The cells as the palette's accessible children are numbered: the palette cells column
  // by column, then the other cell. ChildOfCell gives -1 for none, CellOfChild none for a
  // number that is no cell.
  int CellCount() const { return settings_.palette.XSize() * settings_.palette.YSize() + 1; }
  int ChildOfCell(PaletteCell cell) const;
  PaletteCell CellOfChild(int child) const;
  // The colour a cell shows (the other colour for the other cell).
  Colour CellColour(PaletteCell cell) const;
  Colour OtherColour() const { return settings_.otherColour; }
  const TColorArrayClass& PaletteColours() const { return settings_.palette; }
  const TColorArrayClass& CustomColours() const { return settings_.custom; }
  bool DialogOpen() const { return dialogOpen_; }
  TXP_Button* OtherButton() const { return otherButton_; }

  // Picks a cell's colour and closes (what a click on the cell does); none closes only.
  void Pick(PaletteCell cell);
  // Opens the colour dialog (what "&Other" does).
  void RunColourDialog();
  // Closes without a pick.
  void Dismiss();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Finish(const Result& result);
  void DrawCell(QPainter& p, PaletteCell cell) const;

  Settings settings_;
  std::function<void(const Result&)> finished_;
  PaletteCell highlighted_;
  TXP_Button* otherButton_ = nullptr;
  bool dialogOpen_ = false;
  bool done_ = false;
  bool pressedInside_ = false;
};

}  // namespace tessary::widgets
