#include "app/GuardedApplication.h"

#include <exception>

#include "editing/CommandRunner.h"
#include "platform/QtDialogs.h"

namespace tessary::app {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    const std::exception_ptr error = std::current_exception();
    platform::QtDialogs dialogs(activeWindow());
    RunCommand(dialogs, [&] { std::rethrow_exception(error); });
    return false;
  }
}

}  // namespace tessary::app
