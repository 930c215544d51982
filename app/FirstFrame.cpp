#include "app/FirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace tessary::app {
namespace {

// Watches the paint events of a window and its children; the first one ends the run once
// the frame is complete (the rest of that paint pass runs first).
class FirstFrameWatch : public QObject {
 public:
  explicit FirstFrameWatch(QWidget& window) : QObject(&window), window_(window) { qApp->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        (watched == &window_ || window_.isAncestorOf(static_cast<QWidget*>(watched)))) {
      qApp->removeEventFilter(this);
      QTimer::singleShot(0, qApp, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-frame-ns %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

void QuitAtFirstFrame(QWidget& window) { new FirstFrameWatch(window); }

}  // namespace tessary::app
