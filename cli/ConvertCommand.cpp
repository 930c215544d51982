// tessary-skin convert IN OUT.skn: Import Old Skins over the start-up skin, then Save.
// A .skn input is opened instead, which rewrites it as Save writes it.
#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/SkinFiles.h"
#include "skinfile/StartupSkin.h"

namespace tessary::cli {

int RunConvert(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 2, 2);
  CheckOutputName(arguments.positional[1]);
  Skin skin;
  LoadStartupSkin(skin);
  ReadSkinOver(arguments.positional[0], skin);
  SaveSkin(arguments.positional[1], skin);
  return kExitOk;
}

}  // namespace tessary::cli
