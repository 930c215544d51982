#include "editing/CommandRunner.h"

#include <exception>
#include <new>

#include "skin/Error.h"

namespace tessary {
namespace {

// Nothing of ours throws anything else; a library might, and the program must go on.
constexpr const char* kUnknownError = "Unexpected error";

}  // namespace

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // Compared as a byte value: the last byte of a UTF-8 character sorts after "." too.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

bool RunCommand(Dialogs& dialogs, const std::function<void()>& command) {
  std::string text;
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    text = ErrorBoxText(msg::kOutOfMemory);
  } catch (const SkinError& error) {
    text = ErrorBoxText(error.what());
    // A message that does not name its file ("Stream write error") gets the file and the
    // system's reason below it, as tessary-skin gives them.
    if (!error.File().empty()) {
      text += "\n\n" + error.File() + (error.Reason().empty() ? "" : ": " + error.Reason());
    }
  } catch (const std::exception& error) {
    text = ErrorBoxText(error.what());
  } catch (...) {
    text = ErrorBoxText(kUnknownError);
  }
  // Shown outside the handler: the box runs an event loop.
  dialogs.ShowApplicationError(text);
  return false;
}

}  // namespace tessary
