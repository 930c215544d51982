#pragma once
// Splitting a subcommand's arguments into file names and the few flags it knows.
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessary::cli {

struct Arguments {
  std::vector<std::string> positional;
  std::vector<std::string> flags;
  std::vector<std::pair<std::string, std::string>> values;  // options with a value, last one given wins

  // Whether the flag was given.
  bool Has(std::string_view flag) const;
  // The value given to an option that takes one, or nullptr.
  const std::string* Value(std::string_view option) const;
};

inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

// Sorts `args` into positionals, flags and options with values: anything starting with "-"
// (but "-" alone) is a flag and must be one of `knownFlags`, or one of `valueOptions`,
// which takes the next argument as its value; after "--" everything is positional, so a
// file named "-x" can be given. Throws UsageError for an unknown option, an option without
// its value, or a number of positionals outside minPositional..maxPositional, or an empty one.
Arguments ParseArguments(const std::vector<std::string>& args, std::span<const std::string_view> knownFlags,
                         std::size_t minPositional, std::size_t maxPositional,
                         std::span<const std::string_view> valueOptions = {});

// Refuses (UsageError) an empty file name: an unset variable in a script, which would
// otherwise be reported as a file called "".
void CheckFileNames(std::span<const std::string> names);

}  // namespace tessary::cli
