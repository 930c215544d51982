#pragma once
// The control panel's push button: painted from the push-button strip (normal, pressed,
// disabled, hot and focused looks, widened without bending the rounded corners), with a
// one-line caption. A press and release on it clicks it, as do Enter and Space while it has
// the focus and its accelerator letter; Enter anywhere else in the window clicks the
// Default button and Esc the Cancel button.

#include "widgets/controls/CaptionedControl.h"
#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {

class TXP_Button : public CaptionedControl {
  Q_OBJECT

 public:
  explicit TXP_Button(QWidget* parent = nullptr, const QString& caption = {});

  // Enter in the window (focus on no push button) clicks the Default button.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // Esc in the window clicks the Cancel button.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel);
  bool AnswersEnter() const override { return default_; }
  bool AnswersEscape() const override { return cancel_; }
  // Handed to the window on click: a dialog finishes with it (0 = none).
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The look the button paints now (decided here, drawn by paintEvent).
  ButtonLook Look() const;

  // Copies ModalResult to the window, then raises clicked().
  void Click() override;
  // Takes the focus and clicks.
  void Accelerate() override;

  QSize sizeHint() const override { return {75, 24}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

}  // namespace tessary::widgets
