#pragma once
// A drop-down list of named colours: each entry a swatch of its colour beside its text,
// drawn by the control itself, 16 pixels high. Change is raised when the user picks an
// entry (mouse or keyboard), never when the selection is set in code.
#include "skin/Colour.h"
#include "widgets/controls/DropDownField.h"

namespace tessary::widgets {

class TColorBox : public DropDownList {
  Q_OBJECT

 public:
  // What the selected colour reads as while no entry is selected.
  static constexpr Colour kNoSelection = 0xFF000000;

  explicit TColorBox(QWidget* parent = nullptr);

  // Appends an entry.
  void AddColour(const QString& text, Colour colour);
  Colour ColourAt(int index) const;
  // The selected entry's colour, or kNoSelection.
  Colour Selected() const;
  // Selects an entry (-1: none) without raising Change.
  void SetItemIndex(int index);

  int EntryHeight() const override { return kEntryHeight; }
  void DrawEntry(QPainter& painter, int index, const QRect& rect, bool selected) override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // The user picked an entry.
  void Change();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kEntryHeight = 16;
};

}  // namespace tessary::widgets
