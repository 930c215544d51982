#pragma once
// What the control panel's push buttons and radio boxes share beyond painting: a caption
// whose "&" marks the accelerator letter, the tab-stop switch, a click event, and taking
// part in the window's dialog keys (Enter, Esc, accelerator letters).
#include <QChar>
#include <QString>

#include "widgets/controls/DialogKeys.h"
#include "widgets/controls/PaintedControl.h"

namespace tessary::widgets {

class CaptionedControl : public PaintedControl, public DialogKeyControl {
  Q_OBJECT

 public:
  explicit CaptionedControl(QWidget* parent = nullptr);

  // The caption as set ("&" marks the accelerator letter, "&&" is one ampersand).
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // The caption as read aloud: markers removed.
  QString PlainCaption() const;
  // The accelerator letter in lower case, or a null character when the caption has none.
  QChar Accelerator() const override;

  // Whether Tab stops at the control (a click focuses it either way).
  bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
  void SetTabStop(bool tabStop);

  // What the accelerator letter does (Alt with the letter, or the letter alone when the
  // focused control does not take characters).
  void Accelerate() override = 0;
  // What a click does; screen readers' Press/Toggle actions and the dialog keys call it too.
  void Click() override = 0;

 signals:
  // The click event.
  void clicked();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void GrabAccelerator();

  QString caption_;
  int shortcutId_ = 0;
};

}  // namespace tessary::widgets
