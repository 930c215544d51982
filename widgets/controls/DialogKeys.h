#pragma once
// The keys a window hands to its push buttons and radio boxes when the focused control does
// not use them: Enter clicks the Default push button, Esc the Cancel push button (both only
// without Shift, Ctrl or Alt and when the button can take the focus), and a letter typed
// alone works the control whose caption marks it as accelerator. Installed once per window
// by the controls themselves; key presses that no control took reach it. It knows the
// controls only as DialogKeyControl, which they implement.
#include <QChar>
#include <QObject>

class QKeyEvent;
class QWidget;

namespace tessary::widgets {

// What a control offers the window's dialog keys.
class DialogKeyControl {
 public:
  virtual ~DialogKeyControl() = default;
  // The accelerator letter in lower case, or a null character.
  virtual QChar Accelerator() const = 0;
  // What the accelerator letter does.
  virtual void Accelerate() = 0;
  // What a click does (Enter on the Default button, Esc on the Cancel button).
  virtual void Click() = 0;
  // Whether Enter / Esc anywhere in the window clicks this control.
  virtual bool AnswersEnter() const { return false; }
  virtual bool AnswersEscape() const { return false; }
};

class DialogKeys : public QObject {
  Q_OBJECT

 public:
  // Makes sure `window` has its dialog keys (one per window).
  static void Install(QWidget* window);

  // Handles a key press that reached `window` unused; true when a control took it.
  static bool Handle(QWidget* window, const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit DialogKeys(QWidget* window);
};

}  // namespace tessary::widgets
