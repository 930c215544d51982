#pragma once
// A scroll bar that keeps its last painting while nothing on it is hovered or pressed. The
// style paints a tall bar with gradients and translucent lines, work the paint engine hands
// to helper threads span by span; a window repaints the bar unchanged far more often than
// the bar changes, so an idle bar is painted once and copied after that.
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <optional>

namespace tessary::widgets {

class CachedScrollBar : public QScrollBar {
 public:
  explicit CachedScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the style paints an idle bar from (the style option with nothing active, plus
  // what the option does not carry).
  struct Look {
    QStyleOptionSlider option;
    const QStyle* style = nullptr;
    qreal pixelRatio = 1;
    bool operator==(const Look& other) const;
  };
  // The bar as the style shows it with no part hovered or pressed; nullopt while the user
  // is on it (the style then shows the part under the pointer), or when the style makes
  // the bar come and go.
  std::optional<Look> IdleLook() const;

  bool hovered_ = false;  // the pointer is over the bar
  bool pressed_ = false;  // a mouse button went down on the bar and is still held
  QImage painted_;        // the idle bar, opaque
  std::optional<Look> paintedLook_;
};

}  // namespace tessary::widgets
