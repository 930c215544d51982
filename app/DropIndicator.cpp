#include "app/DropIndicator.h"

#include <QPainter>
#include <algorithm>

namespace tessary::app {
namespace {

constexpr int kFrameWidth = 2;
constexpr int kPadding = 4;
constexpr QPoint kOffsetFromPointer{16, 18};  // below and right of the cursor's arrow
constexpr QRgb kTakesColour = 0x2E7D32;       // a green that reads on every theme's face
constexpr QRgb kRefusedColour = 0xC62828;
constexpr int kAreaFillAlpha = 40;

}  // namespace

DropIndicator::DropIndicator(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("dropIndicator"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void DropIndicator::ShowVerdict(bool takes, const QString& text, QRect area, QPoint pointer) {
  if (isVisible() && takes == takes_ && text == text_ && area == area_ && pointer == pointer_) return;
  takes_ = takes;
  text_ = text;
  area_ = area;
  pointer_ = pointer;
  setGeometry(parentWidget()->rect());
  raise();
  show();
  update();
}

void DropIndicator::Clear() {
  text_.clear();
  area_ = {};
  hide();
}

QRect DropIndicator::TextBox() const {
  const QSize text = fontMetrics().size(Qt::TextSingleLine, text_) + QSize(2 * kPadding, 2 * kPadding);
  QRect box(pointer_ + kOffsetFromPointer, text);
  // Kept on the window: to the pointer's left near the right edge, above it near the bottom.
  if (box.right() > width()) box.moveRight(pointer_.x() - kOffsetFromPointer.x());
  if (box.bottom() > height()) box.moveBottom(pointer_.y() - kPadding);
  box.moveLeft(std::max(box.left(), 0));
  box.moveTop(std::max(box.top(), 0));
  return box;
}

void DropIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = QColor::fromRgb(takes_ ? kTakesColour : kRefusedColour);
  if (!area_.isEmpty()) {
    // A place that takes the file is filled lightly; one that refuses it is only framed.
    QColor fill = colour;
    fill.setAlpha(kAreaFillAlpha);
    if (takes_) painter.fillRect(area_, fill);
    painter.setPen(QPen(colour, kFrameWidth));
    painter.drawRect(area_.adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2));
  }
  if (text_.isEmpty()) return;
  const QRect box = TextBox();
  painter.fillRect(box, colour);
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, text_);
}

}  // namespace tessary::app
