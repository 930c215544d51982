#pragma once
// The control panel's radio box: a radio mark from the radio strip and a one-line caption on
// a filled background. It checks itself when the mouse button goes down on it (or on Enter,
// Space or its accelerator letter) and raises its click event after, on release, so the
// handler always reads the new state; a click on a checked box raises the event too.
// Checking one unchecks the other boxes of its parent that share its group number.
#include "skin/Colour.h"
#include "widgets/controls/CaptionedControl.h"
#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {

class TXP_RadioBox : public CaptionedControl {
  Q_OBJECT

 public:
  // The background colour of a new radio box.
  static constexpr Colour kDefaultColour = 0x00E6F6F8;

  explicit TXP_RadioBox(QWidget* parent = nullptr, const QString& caption = {});

  bool Checked() const { return checked_; }
  // True unchecks the other boxes of the group; setting the current value does nothing.
  void SetChecked(bool checked);
  // Boxes of one parent with the same group number exclude each other.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int group) { groupIndex_ = group; }
  // Background colour (plain or system colour).
  Colour Color() const { return colour_; }
  void SetColor(Colour colour);

  // The mark the box paints now (decided here, drawn by paintEvent).
  RadioMark Mark() const;

  // Checks the box and raises clicked() (what Enter and Space do).
  void Click() override;
  // Takes the focus, checks the box and raises clicked().
  void Accelerate() override;

  QSize sizeHint() const override { return {121, 17}; }

 signals:
  // The box was checked or unchecked, by the user or by code.
  void CheckedChanged(bool checked);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool checked_ = false;
  int groupIndex_ = 0;
  Colour colour_ = kDefaultColour;
};

}  // namespace tessary::widgets
