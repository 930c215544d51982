#include "app/CommandLine.h"

#include <string_view>

namespace tessary::app {
namespace {

constexpr std::string_view kProgram = "tessary";
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

void PrintHelp(std::ostream& out) {
  out << "Usage: " << kProgram << " [FILE]\n\n"
      << "Edits skins of the Corvane web browser. FILE, a skin file (.skn) or an old skin\n"
      << "file (.crs), is opened once the window shows.\n\n"
      << "Options:\n"
      << "  -h, --help   print this help and exit\n"
      << "  --version    print the version and exit\n";
}

int UsageError(const std::string& problem, std::ostream& err) {
  err << kProgram << ": " << problem << "\n"
      << "Usage: " << kProgram << " [FILE]\n"
      << "Run '" << kProgram << " --help' for the options.\n";
  return kExitUsage;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help") {
      PrintHelp(out);
      return kExitOk;
    }
    if (arg == "--version") {
      out << kProgram << " " << TESSARY_VERSION << "\n";
      return kExitOk;
    }
  }
  return std::nullopt;
}

CommandLine ReadCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (const std::optional<int> answered = AnswerHelpOrVersion(args, out)) return {answered, {}};
  std::vector<std::string> files;
  bool options = true;
  for (const std::string& arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && IsOption(arg)) {
      return {UsageError("unknown option '" + arg + "'", err), {}};
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() > 1) return {UsageError("unexpected argument '" + files[1] + "'", err), {}};
  return {std::nullopt, files.empty() ? std::string() : files.front()};
}

}  // namespace tessary::app
