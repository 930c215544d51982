#include "tests/skinfile/SystemCallLog.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <set>

namespace tessary::test {

struct Watch {
  std::string folder;
  std::vector<std::string> calls;
  std::set<std::string> written;
  std::function<void()> atFirstWrite;
};

namespace {

std::mutex guard;
Watch* watching = nullptr;
thread_local bool inside = false;  // calls made by the log itself are not watched

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

std::string TargetOf(int descriptor) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
  char target[4096];
  const ssize_t length = ::readlink(link, target, sizeof target);
  return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// The name as noted: relative to the watched folder ("." for itself), temporary marks
// without their random part; empty when outside the folder.
std::string Noted(const std::string& path) {
  std::string name;
  if (path == watching->folder) name = ".";
  else if (path.rfind(watching->folder + "/", 0) == 0) name = path.substr(watching->folder.size() + 1);
  else return {};
  const std::size_t mark = name.find(".~");
  if (mark != std::string::npos && name.ends_with(".tmp")) name = name.substr(0, mark) + ".~tmp";
  return name;
}

std::string PathAt(int folder, const char* name) {
  if (name[0] == '/' || folder == AT_FDCWD) return name;
  return TargetOf(folder) + "/" + name;
}

void Note(const std::string& call) { watching->calls.push_back(call); }

}  // namespace

SystemCallLog::SystemCallLog(std::string folder) : watch_(new Watch{std::move(folder), {}, {}, {}}) {
  const std::lock_guard lock(guard);
  watching = watch_;  // the newest log watches
}

SystemCallLog::~SystemCallLog() {
  const std::lock_guard lock(guard);
  if (watching == watch_) watching = nullptr;
  delete watch_;
}

std::vector<std::string> SystemCallLog::Calls() const {
  const std::lock_guard lock(guard);
  return watch_->calls;
}

void SystemCallLog::AtFirstTemporaryWrite(std::function<void()> action) {
  const std::lock_guard lock(guard);
  watch_->atFirstWrite = std::move(action);
}

}  // namespace tessary::test

using tessary::test::guard;
using tessary::test::inside;
using tessary::test::watching;

extern "C" int fsync(int descriptor) {
  if (!inside) {
    inside = true;
    {
      const std::lock_guard lock(guard);
      if (watching != nullptr) {
        const std::string name = tessary::test::Noted(tessary::test::TargetOf(descriptor));
        if (!name.empty()) tessary::test::Note("fsync " + name);
      }
    }
    inside = false;
  }
  return tessary::test::Real<int (*)(int)>("fsync")(descriptor);
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
  if (!inside) {
    inside = true;
    {
      const std::lock_guard lock(guard);
      if (watching != nullptr) {
        const std::string fromName = tessary::test::Noted(tessary::test::PathAt(fromFolder, from));
        const std::string toName = tessary::test::Noted(tessary::test::PathAt(toFolder, to));
        if (!fromName.empty() || !toName.empty()) tessary::test::Note("rename " + fromName + " " + toName);
      }
    }
    inside = false;
  }
  return tessary::test::Real<int (*)(int, const char*, int, const char*)>("renameat")(fromFolder, from, toFolder, to);
}

extern "C" int rename(const char* from, const char* to) { return renameat(AT_FDCWD, from, AT_FDCWD, to); }

extern "C" ssize_t write(int descriptor, const void* bytes, size_t count) {
  if (!inside) {
    inside = true;
    std::function<void()> disturb;
    {
      const std::lock_guard lock(guard);
      if (watching != nullptr) {
        const std::string name = tessary::test::Noted(tessary::test::TargetOf(descriptor));
        if (name.ends_with(".~tmp") && watching->written.insert(name).second) {
          struct stat status {};
          ::fstat(descriptor, &status);
          char mode[8];
          std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(status.st_mode & 07777));
          tessary::test::Note("write " + name + " mode " + mode);
          std::swap(disturb, watching->atFirstWrite);
        }
      }
    }
    if (disturb) disturb();
    inside = false;
  }
  return tessary::test::Real<ssize_t (*)(int, const void*, size_t)>("write")(descriptor, bytes, count);
}
