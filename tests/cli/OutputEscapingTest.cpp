// Texts that come from files and file names reach a terminal: their control characters are
// shown escaped in every message and listing, so a file can neither drive the terminal nor
// forge a line that no file earned.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/Tool.h"
#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

std::vector<std::uint8_t> SkinBytes(const std::string& themeName = {}) {
  Skin skin;
  LoadStartupSkin(skin);
  if (!themeName.empty()) skin.themeName = themeName;
  return BuildSkinFile(skin);
}

// The startup skin with the first property named `from` in record `record` renamed `to`.
std::vector<std::uint8_t> WithPropertyRenamed(std::size_t record, const std::string& from, const std::string& to) {
  std::vector<std::uint8_t> bytes = SkinBytes();
  const RecordInfo info = InspectSkinFile(bytes, SkinFileFormat::kSkn).records.at(record);
  std::string stored(1, static_cast<char>(from.size()));
  stored += from;
  const auto start = bytes.begin() + static_cast<std::ptrdiff_t>(info.offset);
  const auto found = std::search(start, start + static_cast<std::ptrdiff_t>(info.length), stored.begin(), stored.end());
  EXPECT_NE(found, start + static_cast<std::ptrdiff_t>(info.length));
  const auto at = bytes.erase(found, found + static_cast<std::ptrdiff_t>(stored.size()));
  std::string renamed(1, static_cast<char>(to.size()));
  renamed += to;
  bytes.insert(at, renamed.begin(), renamed.end());
  return bytes;
}

struct EscapeCase {
  const char* what;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
  std::vector<std::string> args;  // file names are relative to the test's folder
  std::string out;
  std::string err;
};

TEST(ToolOutput, FileTextsAndNamesShowTheirControlCharactersEscaped) {
  const EscapeCase cases[] = {
      {"a property name cannot forge a verdict line",
       {{"forged.skn", WithPropertyRenamed(5, "Bitmap", "X\nvictim.skn: ok\n")}, {"other.skn", SkinBytes()}},
       {"check", "forged.skn", "other.skn"},
       "forged.skn: Error reading ilHot.X\\nvictim.skn: ok\\n: Property X\\nvictim does not exist\n"
       "other.skn: ok\n",
       ""},
      {"nor as the one error of another command",
       {{"forged.skn", WithPropertyRenamed(5, "Bitmap", "X\r\x1b[2K")}},
       {"info", "forged.skn"},
       "",
       "tessary-skin: forged.skn: Error reading ilHot.X\\r\\x1b[2K: Property X\\r\\x1b[2K does not exist\n"},
      {"a theme name cannot set the terminal's title (Latin-1 C1 controls too)",
       {{"title.skn", SkinBytes("\x1b]0;owned\x07\x9b"
                                "31m")}},
       {"info", "title.skn"},
       "Theme:         \\x1b]0;owned\\x07\\u009b31m\n",
       ""},
      {"file names: escapes, tabs, DEL and bytes that are not UTF-8",
       {},
       {"check", "a\x1b[31m.skn", "b\t\x7f\xff.skn", "caf\xc3\xa9.skn"},
       "a\\x1b[31m.skn: Cannot open file a\\x1b[31m.skn: No such file or directory\n"
       "b\\t\\x7f\\xff.skn: Cannot open file b\\t\\x7f\\xff.skn: No such file or directory\n"
       "caf\xc3\xa9.skn: Cannot open file caf\xc3\xa9.skn: No such file or directory\n",
       ""},
      {"a mistyped command",
       {},
       {"\x1b[2Jcheck"},
       "",
       "tessary-skin: unknown command '\\x1b[2Jcheck'\n"
       "Usage: tessary-skin COMMAND [ARGUMENTS]\n"
       "Run 'tessary-skin --help' for the list of commands.\n"},
  };
  for (const EscapeCase& row : cases) {
    SCOPED_TRACE(row.what);
    ToolFolder folder;
    for (const auto& [name, bytes] : row.files) folder.Write(name, bytes);
    std::vector<std::string> args = row.args;
    std::string prefix = folder.Path("");
    for (std::size_t i = 1; i < args.size(); ++i) args[i] = folder.Path(args[i]);
    std::ostringstream out;
    std::ostringstream err;
    RunTool("tessary-skin", args, out, err);
    // Messages name the paths as given; the rows give them relative to the folder.
    auto relative = [&](std::string text) {
      for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix)) {
        text.erase(at, prefix.size());
      }
      return text;
    };
    if (row.args[0] == "info" && !row.out.empty()) {
      EXPECT_NE(out.str().find(row.out), std::string::npos) << out.str();
    } else {
      EXPECT_EQ(relative(out.str()), row.out);
    }
    EXPECT_EQ(relative(err.str()), row.err);
  }
}

}  // namespace
}  // namespace tessary::cli::test
