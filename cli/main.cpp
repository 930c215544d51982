// tessary-skin: the command-line companion of the skin editor. All the work is in the
// tessary_cli library; no Qt application object is needed (PNG and JSON need none).
#include <QtGlobal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Tool.h"
#include "skinfile/TemporaryFiles.h"

int main(int argc, char** argv) {
  // Ctrl-C, SIGTERM or a closed terminal while a file is written removes the temporary
  // file or folder, then ends the tool as the signal would have.
  tessary::InstallInterruptCleanup();
  // Scripts read stderr: the tool's own "tessary-skin: FILE: MESSAGE" line is all they get,
  // not the image decoder's chatter (such as "libpng error: Read Error") before it.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    const int exitCode = tessary::cli::RunTool(args, std::cout, std::cerr);
    tessary::ThrowIfInterrupted();  // a signal held while a failed command cleaned up
    return exitCode;
  } catch (const tessary::Interrupted& interrupted) {
    tessary::RaiseInterrupt(interrupted.signal);
  }
}
