#pragma once
// The application object of the editor: an error that escapes an event handler outside
// the commands' own error handler is shown in the "Tessary" box as theirs are, and the
// program goes on.
#include <QApplication>

namespace tessary::app {

class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tessary::app
