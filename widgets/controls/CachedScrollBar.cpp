#include "widgets/controls/CachedScrollBar.h"

#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessary::widgets {

CachedScrollBar::CachedScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

bool CachedScrollBar::Look::operator==(const Look& other) const {
  const QStyleOptionSlider& a = option;
  const QStyleOptionSlider& b = other.option;
  return style == other.style && pixelRatio == other.pixelRatio && a.rect == b.rect && a.state == b.state &&
         a.direction == b.direction && a.palette.cacheKey() == b.palette.cacheKey() && a.orientation == b.orientation &&
         a.minimum == b.minimum && a.maximum == b.maximum && a.sliderPosition == b.sliderPosition &&
         a.sliderValue == b.sliderValue && a.singleStep == b.singleStep && a.pageStep == b.pageStep &&
         a.upsideDown == b.upsideDown && a.subControls == b.subControls && a.activeSubControls == b.activeSubControls;
}

std::optional<CachedScrollBar::Look> CachedScrollBar::IdleLook() const {
  if (hovered_ || pressed_ || underMouse() || isSliderDown()) return std::nullopt;
  Look look;
  initStyleOption(&look.option);
  if (style()->styleHint(QStyle::SH_ScrollBar_Transient, &look.option, this)) return std::nullopt;
  look.option.subControls = QStyle::SC_All;
  look.option.activeSubControls = QStyle::SC_None;
  // Without the bar as its object the style paints the state itself, not a step of an
  // animation towards it.
  look.option.styleObject = nullptr;
  look.style = style();
  look.pixelRatio = devicePixelRatioF();
  return look;
}

bool CachedScrollBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: hovered_ = true; break;
    case QEvent::HoverLeave: hovered_ = false; break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: pressed_ = static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton; break;
    default: break;
  }
  return QScrollBar::event(event);
}

void CachedScrollBar::paintEvent(QPaintEvent* event) {
  std::optional<Look> look = IdleLook();
  if (!look) {
    paintedLook_.reset();
    QScrollBar::paintEvent(event);
    return;
  }
  if (!(paintedLook_ == look)) {
    painted_ = QImage(size() * look->pixelRatio, QImage::Format_ARGB32_Premultiplied);
    painted_.setDevicePixelRatio(look->pixelRatio);
    painted_.fill(palette().color(QPalette::Window));
    {
      QPainter p(&painted_);
      style()->drawComplexControl(QStyle::CC_ScrollBar, &look->option, &p, this);
    }
    painted_ = std::move(painted_).convertToFormat(QImage::Format_RGB32);
    paintedLook_ = std::move(look);
  }
  QPainter p(this);
  p.drawImage(0, 0, painted_);
}

}  // namespace tessary::widgets
