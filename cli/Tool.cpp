#include "cli/Tool.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <iostream>
#include <new>

#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/RenderPart.h"
#include "cli/StdioOutput.h"
#include "skin/Error.h"
#include "skinfile/TemporaryFiles.h"
#include "skinfile/TextEncoding.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kProgram = "tessary-skin";
constexpr std::string_view kHelpFlag = "--help";
constexpr std::string_view kShortHelpFlag = "-h";
constexpr std::string_view kVersionFlag = "--version";

bool IsHelpFlag(std::string_view arg) { return arg == kHelpFlag || arg == kShortHelpFlag; }

void PrintOverview(std::ostream& out) {
  out << "Usage: " << kProgram << " COMMAND [ARGUMENTS]\n\n"
      << "Inspects, checks, converts, exports, packs and renders Corvane skins, with no display.\n\n"
      << "Commands:\n";
  std::size_t width = 0;
  for (const Command& command : Commands()) width = std::max(width, command.name.size());
  for (const Command& command : Commands()) {
    out << "  " << command.name << std::string(width - command.name.size() + 2, ' ') << command.summary << "\n";
  }
  out << "\nA FILE whose name ends in .crs (in any letter case) is read as an old skin file,\n"
      << "any other name as a skin file (.skn). Old skin files are never written.\n"
      << "Run '" << kProgram << " COMMAND --help' for the details of one command,\n"
      << "'" << kProgram << " " << kVersionFlag << "' for the version.\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
  out << "Usage: " << kProgram << " " << command.name << " " << command.usage << "\n\n"
      << command.summary << ".\n\n"
      << command.details;
}

int ToolUsageError(std::string_view problem, std::ostream& err) {
  err << kProgram << ": " << EscapeControls(problem) << "\n"
      << "Usage: " << kProgram << " COMMAND [ARGUMENTS]\n"
      << "Run '" << kProgram << " --help' for the list of commands.\n";
  return kExitUsage;
}

int CommandUsageError(const Command& command, std::string_view problem, std::ostream& err) {
  err << kProgram << ": " << command.name << ": " << EscapeControls(problem) << "\n"
      << "Usage: " << kProgram << " " << command.name << " " << command.usage << "\n"
      << "Run '" << kProgram << " " << command.name << " --help' for details.\n";
  return kExitUsage;
}

// "--help" anywhere among the flags (not after "--") asks for the command's help.
bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (IsHelpFlag(arg)) return true;
  }
  return false;
}

// What a script reads must have arrived: output that could not be written (a full disk)
// fails the command, whatever it did besides.
int Finish(int exitCode, std::ostream& out, std::ostream& err) {
  errno = 0;
  out.flush();
  if (out) return exitCode;
  int reason = errno != 0 ? errno : EIO;
  // The write that failed may lie well before this flush.
  if (const auto* system = dynamic_cast<const StdioOutput*>(out.rdbuf()); system && system->FailureReason() != 0) {
    reason = system->FailureReason();
  }
  const SkinError failure(msg::kStreamWriteError, SystemReason(reason));
  err << kProgram << ": standard output: " << WithReason(failure) << "\n";
  return kExitFailure;
}

}  // namespace

int RunTool(const std::string& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return ToolUsageError("missing command", err);
  const std::string& name = args.front();
  if (IsHelpFlag(name)) {
    PrintOverview(out);
    return Finish(kExitOk, out, err);
  }
  if (name == kVersionFlag) {
    out << kProgram << " " << TESSARY_VERSION << "\n";
    return Finish(kExitOk, out, err);
  }
  const Command* command = FindCommand(name);
  if (command == nullptr) return ToolUsageError("unknown command '" + name + "'", err);

  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (AsksForHelp(rest)) {
    PrintCommandHelp(*command, out);
    return Finish(kExitOk, out, err);
  }
  try {
    if (command->run == nullptr) RunInRenderPart(program, args);
    return Finish(command->run(Invocation{std::move(rest), out, err}), out, err);
  } catch (const UsageError& error) {
    return CommandUsageError(*command, error.what(), err);
  } catch (const FileError& error) {
    err << kProgram << ": " << EscapeControls(error.Path()) << ": " << EscapeControls(error.what()) << "\n";
  } catch (const SkinError& error) {
    err << kProgram << ": " << EscapeControls(error.what()) << "\n";
  } catch (const std::bad_alloc&) {
    err << kProgram << ": out of memory\n";
  } catch (const std::exception& error) {
    err << kProgram << ": " << EscapeControls(error.what()) << "\n";
  }
  return kExitFailure;
}

int ToolMain(int argc, char** argv) {
  // Ctrl-C, SIGTERM or a closed terminal while a file is written removes the temporary
  // file or folder, then ends the tool as the signal would have.
  InstallInterruptCleanup();
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    StdioOutput outBuffer(stdout);
    StdioOutput errBuffer(stderr);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    const int exitCode = RunTool(argc > 0 ? argv[0] : "", args, out, err);
    ThrowIfInterrupted();  // a signal held while a failed command cleaned up
    return exitCode;
  } catch (const Interrupted& interrupted) {
    RaiseInterrupt(interrupted.signal);
  }
}

}  // namespace tessary::cli
