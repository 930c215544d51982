#include "cli/Arguments.h"

#include <algorithm>

#include "cli/CliError.h"

namespace tessary::cli {

namespace {

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool Arguments::Has(std::string_view flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }

const std::string* Arguments::Value(std::string_view option) const {
  const std::string* value = nullptr;
  for (const auto& [name, given] : values) {
    if (name == option) value = &given;
  }
  return value;
}

Arguments ParseArguments(const std::vector<std::string>& args, std::span<const std::string_view> knownFlags,
                         std::size_t minPositional, std::size_t maxPositional,
                         std::span<const std::string_view> valueOptions) {
  Arguments parsed;
  bool flagsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!flagsEnded && arg == "--") {
      flagsEnded = true;
    } else if (!flagsEnded && Contains(valueOptions, arg)) {
      if (i + 1 >= args.size()) throw UsageError("option '" + arg + "' needs a value");
      parsed.values.emplace_back(arg, args[++i]);
    } else if (!flagsEnded && arg.size() > 1 && arg[0] == '-') {
      if (!Contains(knownFlags, arg)) throw UsageError("unknown option '" + arg + "'");
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
