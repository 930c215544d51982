#include "cli/RenderPart.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "skin/Error.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define TESSARY_HAS_EXEC 1
#endif

namespace tessary::cli {
namespace {

namespace fs = std::filesystem;

// The running program's file: what the system says it is (Linux), else argv[0], found on
// PATH when it names no folder, as the shell found it.
fs::path ProgramFile(const std::string& program) {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error) return self;
  const fs::path given(program);
  if (given.has_parent_path()) return fs::absolute(given, error);
  if (const char* path = std::getenv("PATH"); path != nullptr) {
    std::string_view folders(path);
    while (true) {
      const std::size_t end = folders.find(':');
      const fs::path candidate = fs::path(folders.substr(0, end)) / given;
      if (fs::is_regular_file(candidate, error)) return candidate;
      if (end == std::string_view::npos) break;
      folders.remove_prefix(end + 1);
    }
  }
  return given;
}

fs::path FindRenderPart(const std::string& program) {
  const fs::path folder = ProgramFile(program).parent_path();
  std::error_code error;
  for (const fs::path& candidate : {folder / kRenderPartName, folder / TESSARY_RENDER_PART_DIR / kRenderPartName}) {
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  throw std::runtime_error(std::string("this command needs ") + kRenderPartName +
                           ", which is neither beside this program nor in " +
                           (folder / TESSARY_RENDER_PART_DIR).lexically_normal().string());
}

}  // namespace

void RunInRenderPart(const std::string& program, const std::vector<std::string>& args) {
  const fs::path renderPart = FindRenderPart(program);
  const std::string file = renderPart.string();
#ifdef TESSARY_HAS_EXEC
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(file.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::cout.flush();
  std::cerr.flush();
  ::execv(file.c_str(), argv.data());
  throw std::runtime_error(file + ": cannot be started: " + SystemReason(errno));
#else
  throw std::runtime_error(file + ": cannot be started on this system");
#endif
}

}  // namespace tessary::cli
