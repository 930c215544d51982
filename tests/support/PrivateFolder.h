#pragma once
// A folder of its own for one test, made under the system's temporary folder with a name
// nobody else can have chosen, and removed with everything in it at the end: tests that
// share a fixed folder remove each other's files when two runs meet on one machine.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace tessary::test {

class PrivateFolder {
 public:
  PrivateFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "tessary-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    path_ = name;
  }
  ~PrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  const std::filesystem::path& Root() const { return path_; }
  // `relative` inside the folder.
  std::string Path(const std::string& relative) const { return (path_ / relative).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace tessary::test
