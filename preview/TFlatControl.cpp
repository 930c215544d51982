#include "preview/TFlatControl.h"

#include <QAccessible>
#include <QEvent>

namespace tessary::preview {

TFlatControl::TFlatControl(QSize size, Colour first, Colour second, QWidget* parent)
    : QWidget(parent), colours_{first, second} {
  resize(size);
}

void TFlatControl::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TFlatControl::SetColor(Colour colour) {
  colour_ = colour;
  parentColour_ = false;
  ColourChanged();
  update();
}

Colour TFlatControl::Color() const {
  return parentColour_ ? ArgbToColour(palette().color(QPalette::Window).rgb()) : colour_;
}

void TFlatControl::SetParentColor(bool parentColour) {
  if (parentColour == parentColour_) return;
  parentColour_ = parentColour;
  ColourChanged();
  update();
}

void TFlatControl::SetColors(int index, Colour colour) {
  if (index == 0 || index == 1) colours_[static_cast<std::size_t>(index)] = colour;
  update();
}

Colour TFlatControl::FontColour() const {
  return ArgbToColour(palette().color(QPalette::Active, QPalette::WindowText).rgb());
}

void TFlatControl::changeEvent(QEvent* event) {
  // A new parent colour (a theme switch), font colour, font or enabled state repaints.
  switch (event->type()) {
    case QEvent::PaletteChange:
      ColourChanged();
      update();
      break;
    case QEvent::FontChange:
    case QEvent::EnabledChange: update(); break;
    default: break;
  }
  QWidget::changeEvent(event);
}

void TFlatControl::TellNameChanged() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void TFlatControl::TellValueChanged(int value) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(this, value);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tessary::preview
