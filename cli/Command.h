#pragma once
// The subcommands of tessary-skin as data: one table of {name, summary, usage, details,
// part, function} drives both dispatch and every help text.
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

// Where a command's code is. Commands that draw need Qt, which tessary-skin never loads (so
// that reading and checking files starts as fast as cmp): they are compiled only into
// tessary-skin-render, a program of their own that tessary-skin starts for them.
enum class Part {
  kCore,    // in tessary-skin (and in the render part too)
  kRender,  // only in tessary-skin-render
};

// A command's entry point: returns the exit code; throws UsageError or FileError.
using Runner = int (*)(const Invocation&);

struct Command {
  std::string_view name;
  std::string_view summary;  // one line for the command overview
  std::string_view usage;    // what follows the command name, e.g. "FILE [--json]"
  std::string_view details;  // the rest of "tessary-skin NAME --help"
  Part part;
  Runner run;  // null in a program that does not hold the command's part
};

// Every subcommand, in the order the overview lists them.
std::span<const Command> Commands();

// The subcommand of that exact name, or nullptr.
const Command* FindCommand(std::string_view name);

// The subcommands' entry points (one file each; those of the render part in cli/render/).
int RunNew(const Invocation& invocation);
int RunInfo(const Invocation& invocation);
int RunCheck(const Invocation& invocation);
int RunConvert(const Invocation& invocation);
int RunExport(const Invocation& invocation);
int RunPack(const Invocation& invocation);
int RunRender(const Invocation& invocation);
int RunThumbnail(const Invocation& invocation);

}  // namespace tessary::cli
