#pragma once
// What `tessary` makes of its command line: --help and --version are answered on standard
// output (before any window, so without a display too); an option the editor does not
// know, or a second file, is refused on standard error with exit code 2, as tessary-skin
// refuses wrong arguments; anything else names the skin to open. After "--" every argument
// is a file name, so a file called "-x.skn" can be given.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessary::app {

struct CommandLine {
  std::optional<int> exitCode;  // set: the program ends with it, and no window is shown
  std::string file;             // the skin to open; empty for none
};

// Answers --help and --version (exit 0) and nothing else: run on the raw arguments before
// the toolkit starts, since they must work where no display is.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out);

// The whole command line (the program's arguments without its name, after the toolkit took
// its own options out).
CommandLine ReadCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tessary::app
