// tessary-skin: the command-line companion of the skin editor. All the work is in the
// tessary_cli library; no Qt application object is needed (PNG and JSON need none).
#include <QtGlobal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Tool.h"

int main(int argc, char** argv) {
  // Scripts read stderr: the tool's own "tessary-skin: FILE: MESSAGE" line is all they get,
  // not the image decoder's chatter (such as "libpng error: Read Error") before it.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  std::vector<std::string> args(argv + 1, argv + argc);
  return tessary::cli::RunTool(args, std::cout, std::cerr);
}
