#pragma once
// The editor's one error handler: every command runs inside RunCommand, so that an error
// escaping it is shown in the "Tessary" box and the program goes on. What the command
// changed before the error stays changed (the commands themselves change nothing until
// they have everything they need).
#include <functional>
#include <string>
#include <string_view>

#include "editing/Dialogs.h"

namespace tessary {

// The box's text: the message, with "." appended when it is not empty and its last
// character sorts after "." ("Stream read error" gets one, "...24*24!" and "...x.bmp." do not).
std::string ErrorBoxText(std::string_view message);

// Runs `command`; an exception escaping it is shown with ShowApplicationError. True when
// the command ended without one.
bool RunCommand(Dialogs& dialogs, const std::function<void()>& command);

// `command` wrapped in RunCommand, ready to connect to any signal (its arguments are
// dropped): connect(button, &QAbstractButton::clicked, this, Guarded(dialogs, [this] {...})).
template <typename Command>
auto Guarded(Dialogs& dialogs, Command command) {
  return [&dialogs, command = std::move(command)] { RunCommand(dialogs, command); };
}

}  // namespace tessary
