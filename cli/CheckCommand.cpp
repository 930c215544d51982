// tessary-skin check FILE...: reads every file as the editor's Open (.skn) or Import Old
// Skins (.crs) would and reports each on its own line of standard output, so that one bad
// file does not hide the verdict on the others. Names and messages are shown with their
// control characters escaped, so no file can forge or hide a verdict line.
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/SkinFiles.h"
#include "skinfile/StartupSkin.h"
#include "skinfile/TextEncoding.h"

namespace tessary::cli {

int RunCheck(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 1, kAnyNumber);
  Skin startup;
  LoadStartupSkin(startup);
  int exitCode = kExitOk;
  for (const std::string& path : arguments.positional) {
    // Each file is read over a fresh start-up skin, as if the editor had just started.
    Skin skin(startup);
    try {
      ReadSkinOver(path, skin);
      invocation.out << EscapeControls(path) << ": ok\n";
    } catch (const FileError& error) {
      invocation.out << EscapeControls(path) << ": " << EscapeControls(error.what()) << "\n";
      exitCode = kExitFailure;
    }
  }
  return exitCode;
}

}  // namespace tessary::cli
