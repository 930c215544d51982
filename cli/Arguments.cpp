#include "cli/Arguments.h"

#include <algorithm>

#include "cli/CliError.h"

namespace tessary::cli {

bool Arguments::Has(std::string_view flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }

Arguments ParseArguments(const std::vector<std::string>& args, std::span<const std::string_view> knownFlags,
                         std::size_t minPositional, std::size_t maxPositional) {
  Arguments parsed;
  bool flagsEnded = false;
  for (const std::string& arg : args) {
    if (!flagsEnded && arg == "--") {
      flagsEnded = true;
    } else if (!flagsEnded && arg.size() > 1 && arg[0] == '-') {
      if (std::find(knownFlags.begin(), knownFlags.end(), arg) == knownFlags.end()) {
        throw UsageError("unknown option '" + arg + "'");
      }
      if (!parsed.Has(arg)) parsed.flags.push_back(arg);
    } else {
      parsed.positional.push_back(arg);
    }
  }
  CheckFileNames(parsed.positional);
  if (parsed.positional.size() < minPositional) throw UsageError("missing argument");
  if (parsed.positional.size() > maxPositional) {
    throw UsageError("unexpected argument '" + parsed.positional[maxPositional] + "'");
  }
  return parsed;
}

void CheckFileNames(std::span<const std::string> names) {
  for (const std::string& name : names) {
    if (name.empty()) throw UsageError("empty file name");
  }
}

}  // namespace tessary::cli
