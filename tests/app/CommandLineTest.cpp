// tessary's command line: help and version on stdout with exit 0, an unknown option or a
// second file refused on stderr with exit 2, anything else the file to open.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"

namespace tessary::app {
namespace {

TEST(CommandLine, AnswersHelpAndVersionRefusesWhatItDoesNotKnowAndNamesTheFile) {
  const std::string usage = "Usage: tessary [FILE]\nRun 'tessary --help' for the options.\n";
  const struct {
    std::vector<std::string> args;
    std::optional<int> exitCode;
    std::string file;
    std::string out;  // the start of stdout
    std::string err;
  } cases[] = {
      {{}, std::nullopt, "", "", ""},
      {{"my.skn"}, std::nullopt, "my.skn", "", ""},
      {{"--", "-x.skn"}, std::nullopt, "-x.skn", "", ""},
      {{"-"}, std::nullopt, "-", "", ""},
      {{"--help"}, 0, "", "Usage: tessary [FILE]\n\n", ""},
      {{"my.skn", "-h"}, 0, "", "Usage: tessary [FILE]\n\n", ""},
      {{"--version"}, 0, "", "tessary " TESSARY_VERSION "\n", ""},
      {{"--", "--help"}, std::nullopt, "--help", "", ""},
      {{"--verbose", "my.skn"}, 2, "", "", "tessary: unknown option '--verbose'\n" + usage},
      {{"a.skn", "b.skn"}, 2, "", "", "tessary: unexpected argument 'b.skn'\n" + usage},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    const CommandLine line = ReadCommandLine(c.args, out, err);
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.front());
    EXPECT_EQ(line.exitCode, c.exitCode);
    EXPECT_EQ(line.file, c.file);
    EXPECT_EQ(out.str().rfind(c.out, 0), 0u) << out.str();
    EXPECT_EQ(err.str(), c.err);
  }
}

}  // namespace
}  // namespace tessary::app
