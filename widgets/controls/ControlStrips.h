#pragma once
// The pictures the control panel's own controls are painted from (push-button looks, radio
// marks, drop-down arrows), decoded once from the program's stored resource, and the
// scaling that widens a push-button look to any size without bending its rounded corners.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <cstddef>
#include <span>

namespace tessary::widgets {

// The five looks of the push-button strip, in strip order.
enum class ButtonLook { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4, Focused = 5 };
// The six radio marks of the radio-box strip, in strip order.
enum class RadioMark {
  Unchecked = 1,
  Checked = 2,
  DisabledUnchecked = 3,
  DisabledChecked = 4,
  HotUnchecked = 5,
  HotChecked = 6
};

inline constexpr QSize kButtonCell{18, 21};
inline constexpr QSize kRadioCell{13, 13};

// The stored resource the pictures are decoded from.
std::span<const unsigned char> ControlStripsResource();

// Decodes one picture of a control-strip resource by name: a null image when the resource
// does not hold it or is damaged (every length is checked against the bytes present).
QImage DecodeStripPicture(std::span<const unsigned char> resource, const char* name);

// Widens or narrows `source` to `size` keeping its corners: the left and right halves and the
// top and bottom halves keep their pixels, the single middle column and middle row fill the
// space between them. A size smaller than the source keeps as much of each side as fits.
QImage ScaleKeepingCorners(const QImage& source, QSize size);

// One push-button look scaled to `size` (premultiplied, cached per look and size).
QPixmap ButtonLookPixmap(ButtonLook look, QSize size);
// One radio mark, 13 x 13.
QPixmap RadioMarkPixmap(RadioMark mark);
// The drop-down arrow (7 x 4), or its engraved disabled form (8 x 5).
QPixmap DropDownArrowPixmap(bool disabled);

}  // namespace tessary::widgets
