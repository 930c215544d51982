#pragma once
// The control panel's push button: painted from the push-button strip (normal, pressed,
// disabled, hot and focused looks, widened without bending the rounded corners), with a
// one-line caption and an optional picture. A press and release on it clicks it, as do
// Enter and Space while it has the focus and its accelerator letter; Enter anywhere else in
// the window clicks the Default button and Esc the Cancel button.
#include <QColor>
#include <QPixmap>

#include "widgets/controls/CaptionedControl.h"
#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {

class TXP_Button : public CaptionedControl {
  Q_OBJECT

 public:
  // Where the picture goes: above the caption, or to its left.
  enum PicPos { pTop, pLeft };

  explicit TXP_Button(QWidget* parent = nullptr, const QString& caption = {});

  // Optional picture drawn with the caption.
  QPixmap Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  PicPos PicturePosition() const { return picPos_; }
  void SetPicturePosition(PicPos position);
  // Pixels between picture and caption.
  int PicOffset() const { return picOffset_; }
  void SetPicOffset(int pixels);
  // Draw the picture with PicTransColor left out.
  bool PicTrans() const { return picTrans_; }
  void SetPicTrans(bool transparent);
  QColor PicTransColor() const { return picTransColor_; }
  void SetPicTransColor(const QColor& colour);

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
  QPixmap ShownPicture() const;

  QPixmap picture_;
  PicPos picPos_ = pTop;
  int picOffset_ = 2;
  bool picTrans_ = false;
  QColor picTransColor_ = Qt::black;
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

}  // namespace tessary::widgets
