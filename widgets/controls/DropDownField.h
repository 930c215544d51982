#pragma once
// What the control panel's drop-down lists share: the closed field's one-pixel frame (blue
// while focused or under the mouse) with a push-button-look drop-down button at the right,
// and an open list that drops below the control instead of laying itself over it.
#include <QComboBox>
#include <QRect>

class QPainter;

namespace tessary::widgets {

namespace dropdown {
inline constexpr int kFrame = 1;         // the frame around the field and button
inline constexpr int kButtonWidth = 16;  // the drop-down button
}  // namespace dropdown

// Gives `combo` the drop-below behaviour of its open list (call once, after construction).
void InstallDropDownStyle(QComboBox& combo);

// Where the closed control draws its selected entry: inside the frame, left of the button.
QRect DropDownFieldRect(const QComboBox& combo);

// Paints the frame and the drop-down button of the closed control (pressed while its list
// is open, hot under the mouse, greyed when disabled); the field is left to the caller.
void PaintDropDownFrame(QPainter& painter, const QComboBox& combo);

// True while the control's list is open.
bool DropDownOpen(const QComboBox& combo);

// The base of the control panel's drop-down lists: no typing, entries drawn by the control
// itself (DrawEntry) in the closed field and the open list, the look above, hover and
// open/closed repaints, and screen-reader access by label and value.
class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(QWidget* parent = nullptr);

  // Draws entry `index` into `rect` (shared by the closed field and the open list).
  virtual void DrawEntry(QPainter& painter, int index, const QRect& rect, bool selected) = 0;
  // Height of one entry of the open list.
  virtual int EntryHeight() const = 0;

  void showPopup() override;
  void hidePopup() override;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace tessary::widgets
