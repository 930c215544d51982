// The yardstick of the editor's start-up benchmark: a bare QMainWindow program that shows
// its window maximised and ends at its first painted frame, as the editor does when asked.
#include <QApplication>
#include <QMainWindow>

#include "app/FirstFrame.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  tessary::app::QuitAtFirstFrame(window);
  window.showMaximized();
  return QApplication::exec();
}
