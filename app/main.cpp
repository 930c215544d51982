// Tessary: the skin editor. `tessary FILE` opens a skin file (.skn) or imports an old one
// (.crs) once the window shows.
#include <QTimer>
#include <iostream>

#include "app/CommandLine.h"
#include "app/FirstFrame.h"
#include "app/GuardedApplication.h"
#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "skinfile/TemporaryFiles.h"

int main(int argc, char** argv) {
  // --help and --version before the toolkit starts, which needs a display.
  if (const auto answered = tessary::app::AnswerHelpOrVersion({argv + 1, argv + argc}, std::cout)) return *answered;
  // Ctrl-C, SIGTERM or a closed terminal while a skin is being saved removes the temporary
  // file beside it, then ends the editor as the signal would have (as tessary-skin does).
  tessary::InstallInterruptCleanup();
  tessary::app::GuardedApplication application(argc, argv);
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
  const tessary::app::CommandLine commandLine = tessary::app::ReadCommandLine(arguments, std::cout, std::cerr);
  if (commandLine.exitCode) return *commandLine.exitCode;
  tessary::app::StartApplication();
  tessary::app::WindowServices services;
  services.remembersSkins = true;
  tessary::app::TfrmMain window(std::move(services));
  if (qEnvironmentVariableIsSet("TESSARY_QUIT_AT_FIRST_FRAME")) tessary::app::QuitAtFirstFrame(window);
  window.showMaximized();
  if (!commandLine.file.empty()) {
    // Once the window stands, so that an error box has it to sit on.
    QTimer::singleShot(0, &window,
                       [&window, file = QString::fromStdString(commandLine.file)] { window.OpenAtStartup(file); });
  }

  // Scripted runs (tests, screenshots) can ask the editor to close itself after a while,
  // exactly as a user closing the window would.
  bool ok = false;
  const int quitAfter = qEnvironmentVariableIntValue("TESSARY_QUIT_AFTER_MS", &ok);
  if (ok && quitAfter >= 0) QTimer::singleShot(quitAfter, &window, &QWidget::close);

  return QApplication::exec();
}
