#pragma once
// A drop-down list of named colours: each entry a swatch of its colour beside its text,
// drawn by the control itself, 16 pixels high. Change is raised when the user picks an
// entry (mouse or keyboard), never when the selection is set in code.
#include <QComboBox>

#include "skin/Colour.h"

namespace tessary::widgets {

class TColorBox : public QComboBox {
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

  // Height of one entry of the open list.
  int EntryHeight() const { return kEntryHeight; }
  // Draws entry `index` into `rect` (shared by the closed field and the open list).
  void DrawEntry(QPainter& painter, int index, const QRect& rect, bool selected) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  void showPopup() override;
  void hidePopup() override;

 signals:
  // The user picked an entry.
  void Change();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  static constexpr int kEntryHeight = 16;
};

}  // namespace tessary::widgets
