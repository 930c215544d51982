// tessary-skin new OUT.skn: the skin the editor starts with, saved as its Save button
// would save it before any change.
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/SkinFiles.h"
#include "skinfile/StartupSkin.h"

namespace tessary::cli {

int RunNew(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 1, 1);
  CheckOutputName(arguments.positional[0]);
  Skin skin;
  LoadStartupSkin(skin);
  SaveSkin(arguments.positional[0], skin);
  return kExitOk;
}

}  // namespace tessary::cli
