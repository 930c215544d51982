#pragma once
// How far the process's resident memory rose from a moment on (Linux: the peak the kernel
// records, reset through /proc/self/clear_refs), for tests that require a reader to refuse
// a file without building or reading what it describes. Not measurable under
// AddressSanitizer, which keeps freed memory resident, nor where the kernel offers no reset.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace tessary::test {

class ResidentPeak {
 public:
  ResidentPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak to the current size
    start_ = Field("VmRSS:");
  }

  static bool Measurable() {
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return std::ofstream("/proc/self/clear_refs").good() && Field("VmHWM:") > 0;
#endif
  }

  // Bytes the resident memory rose to above where it was when this was made.
  std::int64_t Rise() const { return Field("VmHWM:") - start_; }

 private:
  static std::int64_t Field(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind(name, 0) != 0) continue;
      std::int64_t kilobytes = 0;
      std::istringstream(line.substr(name.size())) >> kilobytes;
      return kilobytes * 1024;
    }
    return 0;
  }

  std::int64_t start_ = 0;
};

}  // namespace tessary::test
