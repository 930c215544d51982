#pragma once
// The subcommands of tessary-skin as data: one table of {name, summary, usage, details,
// function} drives both dispatch and every help text.
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::cli {

// What a subcommand is given: its own arguments (without the command name and without
// "--help", which the dispatcher answers) and the two output streams.
struct Invocation {
  std::vector<std::string> args;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  std::string_view name;
  std::string_view summary;       // one line for the command overview
  std::string_view usage;         // what follows the command name, e.g. "FILE [--json]"
  std::string_view details;       // the rest of "tessary-skin NAME --help"
  int (*run)(const Invocation&);  // returns the exit code; throws UsageError or FileError
};

// Every subcommand, in the order the overview lists them.
std::span<const Command> Commands();

// The subcommand of that exact name, or nullptr.
const Command* FindCommand(std::string_view name);

// The subcommands' entry points (one file each).
int RunNew(const Invocation& invocation);
int RunInfo(const Invocation& invocation);
int RunCheck(const Invocation& invocation);
int RunConvert(const Invocation& invocation);
int RunExport(const Invocation& invocation);
int RunPack(const Invocation& invocation);
int RunRender(const Invocation& invocation);

}  // namespace tessary::cli
