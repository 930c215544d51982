#include "app/CommandLine.h"

#include <string_view>

#include "skinfile/TextEncoding.h"

namespace tessary::app {
namespace {

constexpr std::string_view kProgram = "tessary";
constexpr int kExitUsage = 2;

// Qt's display options: the application object takes them out of the arguments.
struct QtOption {
  std::string_view name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"style", true},
    {"stylesheet", true},      {"session", true},
    {"display", true},         {"geometry", true},
    {"title", true},           {"name", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},           {"testability", false},
};

// A Qt option as Qt reads it: one or two leading dashes, "-style=NAME" or "-style NAME".
const QtOption* FindQtOption(std::string_view arg) {
  arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
  const std::string_view name = arg.substr(0, arg.find('='));
  for (const QtOption& option : kQtOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

void PrintHelp(std::ostream& out) {
  out << "Usage: " << kProgram << " [OPTION]... [FILE]\n\n"
      << "Edits Corvane skins. FILE, when given, is opened once the window shows: a skin file\n"
      << "(.skn), or an old skin file (.crs, in any letter case), which is imported.\n\n"
      << "Options:\n"
      << "  -h, --help     show this help and exit\n"
      << "      --version  show the version and exit\n"
      << "Qt's display options (such as -platform NAME or -style NAME) are taken as well.\n"
      << "'tessary-skin --help' lists what can be done to skins without a display.\n";
}

int UsageError(std::string_view problem, std::ostream& err) {
  err << kProgram << ": " << problem << "\n"
      << "Usage: " << kProgram << " [OPTION]... [FILE]\n"
      << "Run '" << kProgram << " --help' for the options.\n";
  return kExitUsage;
}

}  // namespace

CommandLineAnswer AnswerCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLineAnswer answer;
  std::vector<std::string> files;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options || arg.size() < 2 || arg[0] != '-') {
      files.push_back(arg);
    } else if (arg == "--") {
      options = false;
    } else if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      answer.exitCode = 0;
      return answer;
    } else if (arg == "--version") {
      out << kProgram << " " << TESSARY_VERSION << "\n";
      answer.exitCode = 0;
      return answer;
    } else if (const QtOption* qt = FindQtOption(arg)) {
      if (qt->takesValue && arg.find('=') == std::string::npos) ++i;
    } else {
      answer.exitCode = UsageError("unknown option '" + EscapeControls(arg) + "'", err);
      return answer;
    }
  }
  if (files.size() > 1) {
    answer.exitCode = UsageError("one file at a time, not " + std::to_string(files.size()), err);
    return answer;
  }
  if (!files.empty()) answer.arguments.file = files.front();
  return answer;
}

}  // namespace tessary::app
