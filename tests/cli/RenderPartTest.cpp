// tessary-skin loads Qt only in its render part: a running check maps no Qt library, and
// render, which runs in tessary-skin-render, needs that program beside the tool (or where
// installing puts it) and says so when it is missing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

// The files mapped into a process, one per line, from /proc/PID/maps.
std::string MappedFiles(qint64 pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::ostringstream text;
  text << maps.rdbuf();
  return text.str();
}

// Opens the named pipe for writing once its reader has opened it (within 60 s), or -1.
int OpenWhenRead(const std::string& pipe) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 60000) {
    const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) return fd;
    if (errno != ENXIO) return -1;
    QThread::msleep(5);
  }
  return -1;
}

TEST(ToolParts, CheckRunsWithoutMappingQt) {
  ToolFolder folder;
  Skin startup;
  LoadStartupSkin(startup);
  const std::vector<std::uint8_t> skin = BuildSkinFile(startup);
  // check reads a named pipe, so it waits, fully started, until the test writes the skin.
  const std::string pipe = folder.Path("pipe.skn");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  QProcess process;
  process.start(TESSARY_SKIN_TOOL, {"check", QString::fromStdString(pipe)});
  ASSERT_TRUE(process.waitForStarted());
  const int fd = OpenWhenRead(pipe);
  ASSERT_GE(fd, 0) << "check never opened the pipe";
  const std::string mapped = MappedFiles(process.processId());
  EXPECT_NE(mapped.find("/tessary-skin\n"), std::string::npos) << mapped;
  EXPECT_NE(mapped.find("/libc."), std::string::npos) << mapped;  // the maps are read, and list libraries
  EXPECT_EQ(mapped.find("libQt"), std::string::npos) << mapped;
  ASSERT_EQ(::fcntl(fd, F_SETFL, 0), 0);  // blocking writes from here
  EXPECT_EQ(::write(fd, skin.data(), skin.size()), static_cast<ssize_t>(skin.size()));
  ::close(fd);
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(process.readAllStandardOutput().toStdString(), pipe + ": ok\n");
}

TEST(ToolParts, RenderWithoutItsPartSaysWhatIsMissing) {
  ToolFolder folder;
  // The tool alone, as a copy that lost its render part would be.
  const std::string lonely = folder.Path("bin/tessary-skin");
  std::filesystem::create_directories(folder.Path("bin"));
  std::filesystem::copy_file(TESSARY_SKIN_TOOL, lonely);
  SaveSkinFile(folder.Path("ok.skn"), Skin());
  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(folder.Path("")));
  process.start(QString::fromStdString(lonely), {"render", "ok.skn", "out.png"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(process.readAllStandardError().toStdString(),
            "tessary-skin: this command needs tessary-skin-render, which is neither beside this program nor in " +
                (std::filesystem::path(folder.Path("bin")) / TESSARY_RENDER_PART_DIR).lexically_normal().string() +
                "\n");
  EXPECT_FALSE(folder.Exists("out.png"));
  // Its help comes from the table and needs no render part.
  process.start(QString::fromStdString(lonely), {"render", "--help"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(process.readAllStandardOutput().toStdString().rfind("Usage: tessary-skin render FILE OUT.png", 0), 0u);
}

}  // namespace
}  // namespace tessary::cli::test
