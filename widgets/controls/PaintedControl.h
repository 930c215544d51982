#pragma once
// What the control panel's self-painted controls share: the hot look from the mouse entering
// until it leaves or presses; the push-button press rule (pressed while the left button is
// down and the mouse over the control, clicked when released over it); Enter and Space
// clicking the focused control; and repainting on focus, font, palette and enabled changes.
#include <QWidget>

class QKeyEvent;

namespace tessary::widgets {

class PaintedControl : public QWidget {
  Q_OBJECT

 public:
  explicit PaintedControl(QWidget* parent = nullptr);

  // What a click does; screen readers' Press/Toggle actions call it too.
  virtual void Click() = 0;

 protected:
  // True from the mouse entering until it leaves or a button goes down on the control.
  bool Hot() const { return hot_; }
  void ClearHot();

  // The left button went down on the control: takes the focus (when a click may give it),
  // clears the hot look and shows the control pressed.
  void BeginPress();
  // The mouse moved while pressed: pressed only while over the control.
  void TrackPress(QPoint pos);
  // The left button came up: true when it came up over the control (a click).
  bool EndPress(QPoint pos);
  bool Pressing() const { return pressing_; }
  bool ShowsPressed() const { return pressing_ && pressInside_; }

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool hot_ = false;
  bool pressing_ = false;
  bool pressInside_ = false;
};

}  // namespace tessary::widgets
