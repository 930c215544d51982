#pragma once
// What the control panel's drop-down lists share: the closed field's one-pixel frame (blue
// while focused or under the mouse) with a push-button-look drop-down button at the right,
// and an open list that drops below the control instead of laying itself over it.
#include <QRect>

class QComboBox;
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

}  // namespace tessary::widgets
