#pragma once
// What the file layer asks of the system while a test watches: the test program puts its
// own fsync, rename and write in front of the C library's (they then call the real ones)
// and, while a log is open, notes the calls about files and folders of the watched folder.
// Temporary names ("x.skn.~123.tmp") are noted as "x.skn.~tmp".
#include <functional>
#include <string>
#include <vector>

namespace tessary::test {

struct Watch;

class SystemCallLog {
 public:
  // Watches calls about `folder` and what is in it, until destroyed.
  explicit SystemCallLog(std::string folder);
  ~SystemCallLog();
  SystemCallLog(const SystemCallLog&) = delete;
  SystemCallLog& operator=(const SystemCallLog&) = delete;

  // "write NAME mode 600" (the first write into a temporary file, with its permission bits
  // then),
  // "fsync NAME" ("fsync ." for the folder), "rename FROM TO".
  std::vector<std::string> Calls() const;

  // Runs once, at the first write into a temporary file (to disturb a save midway).
  void AtFirstTemporaryWrite(std::function<void()> action);

 private:
  Watch* watch_;
};

}  // namespace tessary::test
