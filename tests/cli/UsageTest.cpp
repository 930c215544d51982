// How the tool answers its caller before touching any file: help on stdout with exit 0,
// wrong arguments on stderr with exit 2 and the usage line of the command.
#include <gtest/gtest.h>

#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

TEST(ToolUsage, OverviewListsEveryCommandOnStdout) {
  ToolFolder folder;
  const ToolResult result = folder.Run({"--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.rfind("Usage: tessary-skin COMMAND [ARGUMENTS]\n", 0), 0u) << result.out;
  for (const char* command : {"\n  new ", "\n  info ", "\n  check ", "\n  convert ", "\n  export ", "\n  pack ",
                              "\n  render ", "\n  thumbnail "}) {
    EXPECT_NE(result.out.find(command), std::string::npos) << command;
  }
  // Scripts rely on the extension rule, so the overview states it.
  EXPECT_NE(result.out.find(".crs"), std::string::npos);
}

TEST(ToolUsage, EveryCommandHasHelpWithItsUsageLine) {
  ToolFolder folder;
  const std::pair<const char*, const char*> commands[] = {{"new", "OUT.skn"},
                                                          {"info", "FILE [--json]"},
                                                          {"check", "FILE..."},
                                                          {"convert", "IN.crs OUT.skn"},
                                                          {"export", "FILE DIR"},
                                                          {"pack", "DIR OUT.skn"},
                                                          {"render", "FILE OUT.png [--theme NAME] [--size WxH]"},
                                                          {"thumbnail", "FILE OUT.png [--size N]"}};
  for (const auto& [name, usage] : commands) {
    // --help wins over missing or surplus arguments, wherever it stands.
    const ToolResult result = folder.Run({name, "x", "--help", "y", "z"});
    EXPECT_EQ(result.exitCode, 0) << name;
    EXPECT_EQ(result.err, "") << name;
    EXPECT_EQ(result.out.rfind(std::string("Usage: tessary-skin ") + name + " " + usage + "\n", 0), 0u) << result.out;
  }
}

TEST(ToolUsage, UsageErrorsExitWithTwoAndTheCommandsUsageOnStderr) {
  ToolFolder folder;
  struct Case {
    QStringList args;
    std::string err;
  };
  const Case cases[] = {
      {{},
       "tessary-skin: missing command\nUsage: tessary-skin COMMAND [ARGUMENTS]\n"
       "Run 'tessary-skin --help' for the list of commands.\n"},
      {{"frobnicate"},
       "tessary-skin: unknown command 'frobnicate'\nUsage: tessary-skin COMMAND [ARGUMENTS]\n"
       "Run 'tessary-skin --help' for the list of commands.\n"},
      {{"info"},
       "tessary-skin: info: missing argument\nUsage: tessary-skin info FILE [--json]\n"
       "Run 'tessary-skin info --help' for details.\n"},
      {{"info", "a.skn", "b.skn"},
       "tessary-skin: info: unexpected argument 'b.skn'\n"
       "Usage: tessary-skin info FILE [--json]\n"
       "Run 'tessary-skin info --help' for details.\n"},
      {{"info", "--jsn", "a.skn"},
       "tessary-skin: info: unknown option '--jsn'\n"
       "Usage: tessary-skin info FILE [--json]\n"
       "Run 'tessary-skin info --help' for details.\n"},
      {{"new", "--json", "a.skn"},
       "tessary-skin: new: unknown option '--json'\nUsage: tessary-skin new OUT.skn\n"
       "Run 'tessary-skin new --help' for details.\n"},
      {{"check"},
       "tessary-skin: check: missing argument\nUsage: tessary-skin check FILE...\n"
       "Run 'tessary-skin check --help' for details.\n"},
      {{"pack", "dir"},
       "tessary-skin: pack: missing argument\nUsage: tessary-skin pack DIR OUT.skn\n"
       "Run 'tessary-skin pack --help' for details.\n"},
  };
  for (const Case& c : cases) {
    const ToolResult result = folder.Run(c.args);
    EXPECT_EQ(result.exitCode, 2) << c.args.join(' ').toStdString();
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err);
  }
  // A usage error writes nothing.
  EXPECT_FALSE(folder.Exists("a.skn"));
}

TEST(ToolUsage, DoubleDashMakesTheRestFileNames) {
  ToolFolder folder;
  const ToolResult result = folder.Run({"info", "--", "--json"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "tessary-skin: --json: Cannot open file --json: No such file or directory\n");
  const ToolResult help = folder.Run({"check", "--", "--help"});
  EXPECT_EQ(help.exitCode, 1);
  EXPECT_EQ(help.out, "--help: Cannot open file --help: No such file or directory\n");
}

}  // namespace
}  // namespace tessary::cli::test
