#pragma once
// What the small programs that show the library's bars and menus share: their command-line
// options, the theme (--theme NAME) and window font they start with, and --screenshot FILE,
// which saves the screen around the window a moment after start and quits.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "widgets/ThemeRegistry.h"

namespace tessary::widgets::demo {

class DemoProgram {
 public:
  // Switches to the asked theme and sets the window font (the program has started the
  // library).
  explicit DemoProgram(QApplication& app) : app_(app), args_(QApplication::arguments()) {
    if (!Value("--theme").isEmpty()) SwitchTheme(Value("--theme"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);
  }

  bool Option(const char* name) const { return args_.contains(QString::fromLatin1(name)); }
  // The argument after `name` (empty when absent).
  QString Value(const char* name) const {
    const qsizetype at = args_.indexOf(QString::fromLatin1(name));
    return at >= 0 && at + 1 < args_.size() ? args_[at + 1] : QString();
  }

  // With --screenshot FILE: after `delayMs`, saves the screen from the window's top-left
  // corner to `margin` beyond its bottom-right one (where popups hang) and quits.
  void ScreenshotLater(const QWidget& window, QSize margin, int delayMs = 900) {
    const QString file = Value("--screenshot");
    if (file.isEmpty()) return;
    QTimer::singleShot(delayMs, &app_, [this, &window, margin, file] {
      const QRect area = window.frameGeometry().adjusted(0, 0, margin.width(), margin.height());
      window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
      app_.quit();
    });
  }

 private:
  QApplication& app_;
  QStringList args_;
};

}  // namespace tessary::widgets::demo
