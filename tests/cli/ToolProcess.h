#pragma once
// Runs the built tessary-skin as a separate process in a folder of its own, the way a
// script or a build server runs it: no display, exact stdout, stderr and exit code.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tessary::cli::test {

struct ToolResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A temporary working folder; tools run inside it, so messages name relative paths.
class ToolFolder {
 public:
  ToolFolder() { dir_.setAutoRemove(true); }

  std::string Path(const std::string& relative) const {
    return (std::filesystem::path(dir_.path().toStdString()) / relative).string();
  }

  // `output`: a file standard output goes to instead of the result; `input`: what the tool
  // reads from a pipe on its standard input.
  ToolResult Run(const QStringList& args, const QString& output = {}, const std::string& input = {}) const {
    QProcess process;
    if (!output.isEmpty()) process.setStandardOutputFile(output);
    process.setWorkingDirectory(dir_.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(TESSARY_SKIN_TOOL, args);
    if (!input.empty()) {
      process.waitForStarted();
      process.write(input.data(), static_cast<qint64>(input.size()));
    }
    process.closeWriteChannel();
    process.waitForFinished(120000);
    ToolResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
  }

  std::vector<std::uint8_t> Read(const std::string& relative) const {
    std::ifstream file(Path(relative), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
  }

  void Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
    std::ofstream file(Path(relative), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  void WriteText(const std::string& relative, const std::string& text) const {
    Write(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  bool Exists(const std::string& relative) const { return std::filesystem::exists(Path(relative)); }

 private:
  QTemporaryDir dir_;
};

}  // namespace tessary::cli::test
