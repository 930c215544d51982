// The editor window starts with the start-up skin and closes cleanly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>

#include "app/TfrmMain.h"

namespace tessary::app {
namespace {

TEST(EditorWindow, OpensTitledWithTheStartupSkinAndCloses) {
  auto* window = new TfrmMain;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  QApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessary 2.0"));
  EXPECT_EQ(window->skin().ilLButtons.ImageCount(), 21);
  EXPECT_EQ(window->skin().ilMain.ImageCount(), 59);
  EXPECT_TRUE(window->close());
  QApplication::processEvents();
}

// The real program starts headless and ends with status 0 when asked to quit.
TEST(EditorProgram, StartsAndQuitsCleanly) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("TESSARY_QUIT_AFTER_MS"), QStringLiteral("300"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(TESSARY_EDITOR), {});
  ASSERT_TRUE(process.waitForStarted(10000));
  ASSERT_TRUE(process.waitForFinished(30000)) << "the editor did not quit";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace tessary::app
