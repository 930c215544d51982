// Tessary: the skin editor. `tessary FILE` opens a skin file (.skn) or imports an old one
// (.crs) once the window shows; `tessary --help` and `--version` answer without a window.
#include <QTimer>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/FirstFrame.h"
#include "app/GuardedApplication.h"
#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "skinfile/TemporaryFiles.h"

int main(int argc, char** argv) {
  // Ctrl-C, SIGTERM or a closed terminal while a skin is being saved removes the temporary
  // file beside it, then ends the editor as the signal would have (as tessary-skin does).
  tessary::InstallInterruptCleanup();
  // Help, the version and mistyped options are answered before any window or display.
  const tessary::app::CommandLineAnswer answer =
      tessary::app::AnswerCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  if (answer.exitCode) return std::cout.flush() ? *answer.exitCode : 1;
  tessary::app::GuardedApplication application(argc, argv);
  tessary::app::StartApplication();
  tessary::app::WindowServices services;
  services.remembersSkins = true;
  tessary::app::TfrmMain window(std::move(services));
  if (qEnvironmentVariableIsSet("TESSARY_QUIT_AT_FIRST_FRAME")) tessary::app::QuitAtFirstFrame(window);
  window.showMaximized();
  if (answer.arguments.file) {
    // Once the window stands, so that an error box has it to sit on.
    const QString file = QString::fromLocal8Bit(*answer.arguments.file);
    QTimer::singleShot(0, &window, [&window, file] { window.OpenAtStartup(file); });
  }

  // Scripted runs (tests, screenshots) can ask the editor to close itself after a while,
  // exactly as a user closing the window would.
  bool ok = false;
  const int quitAfter = qEnvironmentVariableIntValue("TESSARY_QUIT_AFTER_MS", &ok);
  if (ok && quitAfter >= 0) QTimer::singleShot(quitAfter, &window, &QWidget::close);

  return QApplication::exec();
}
