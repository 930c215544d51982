// tessary-skin-render: the part of tessary-skin that draws with Qt. tessary-skin starts it,
// with the same arguments, for the commands the table marks Part::kRender; it runs them
// through the same dispatch, so usage errors and messages are the tool's own.
#include <QtGlobal>

#include "cli/Tool.h"

int main(int argc, char** argv) {
  // Scripts read stderr: the tool's own "tessary-skin: FILE: MESSAGE" line is all they get,
  // not Qt's chatter (such as a font or platform notice) before it.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return tessary::cli::ToolMain(argc, argv);
}
