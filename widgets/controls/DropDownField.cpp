#include "widgets/controls/DropDownField.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QPainter>
#include <QProxyStyle>

#include "widgets/DevicePictures.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/ControlStrips.h"

namespace tessary::widgets {
namespace {

using namespace dropdown;

const QColor kBorder(0x70, 0x7A, 0x86);
const QColor kBorderAccent(0x3A, 0x79, 0xB8);

// The open list drops below the control (above it when the screen has no room), a fixed
// number of entries high, instead of laying itself over the control as some styles do.
class DropDownStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Entries of the open list are drawn by the control's own drawing rule.
class EntryDelegate : public QAbstractItemDelegate {
 public:
  explicit EntryDelegate(DropDownList* list) : QAbstractItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    list_->DrawEntry(*painter, index.row(), option.rect, option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {list_->width(), list_->EntryHeight()};
  }

 private:
  DropDownList* list_;
};

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  InstallDropDownStyle(*this);
  setItemDelegate(new EntryDelegate(this));
  setAttribute(Qt::WA_Hover);
}

void DropDownList::showPopup() {
  QComboBox::showPopup();
  update();
}

void DropDownList::hidePopup() {
  QComboBox::hidePopup();
  update();
}

void DropDownList::enterEvent(QEnterEvent* event) {
  update();
  QComboBox::enterEvent(event);
}

void DropDownList::leaveEvent(QEvent* event) {
  update();
  QComboBox::leaveEvent(event);
}

void InstallDropDownStyle(QComboBox& combo) {
  auto* style = new DropDownStyle;
  style->setParent(&combo);
  combo.setStyle(style);
}

QRect DropDownFieldRect(const QComboBox& combo) {
  return combo.rect().adjusted(kFrame, kFrame, -kFrame - kButtonWidth, -kFrame);
}

bool DropDownOpen(const QComboBox& combo) { return combo.view() != nullptr && combo.view()->isVisible(); }

void PaintDropDownFrame(QPainter& p, const QComboBox& combo) {
  const bool enabled = combo.isEnabled();
  const bool accent = enabled && (combo.hasFocus() || combo.underMouse());
  p.fillRect(combo.rect(), accent ? kBorderAccent : enabled ? kBorder : ToQColor(clBtnShadow));
  const QRect field = DropDownFieldRect(combo);
  const QRect button(field.right() + 1, kFrame, kButtonWidth, combo.height() - 2 * kFrame);
  const ButtonLook look = !enabled              ? ButtonLook::Disabled
                          : DropDownOpen(combo) ? ButtonLook::Pressed
                          : combo.underMouse()  ? ButtonLook::Hot
                                                : ButtonLook::Normal;
  DrawPicture(p, button.topLeft(), ButtonLookPixmap(look, button.size()));
  const QPixmap arrow = DropDownArrowPixmap(!enabled);
  DrawPicture(p,
              QPoint(button.left() + (button.width() - arrow.width()) / 2,
                     button.top() + (button.height() - arrow.height()) / 2),
              arrow);
}

}  // namespace tessary::widgets
