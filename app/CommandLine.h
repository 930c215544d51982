#pragma once
// What `tessary` answers from its arguments alone, before any window or display exists:
// "--help" and "--version" on standard output, and a usage line for an option it does not
// know. Qt's own display options (-platform NAME, -style NAME, ...) pass on to Qt.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessary::app {

struct EditorArguments {
  std::optional<std::string> file;  // the skin file to open once the window shows
};

// The file to open, or, when the arguments are answered here (help, version, a usage error
// on `err`), the exit code: 0, or 2 for arguments the editor does not take.
struct CommandLineAnswer {
  EditorArguments arguments;
  std::optional<int> exitCode;
};

// `args` without the program name.
CommandLineAnswer AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tessary::app
