// The file-system seam (FileSystem.h) on Linux, macOS and the other POSIX systems: names
// are bytes there, so the program's UTF-8 names are passed as they are.
#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "skinfile/FileSystem.h"

namespace tessary::os {
namespace {

// Every descriptor is closed across an exec (the editor starts no programs, but a library
// might), and opening a terminal never makes it the process's controlling one.
constexpr int kOpenFlags = O_CLOEXEC | O_NOCTTY;
// A new temporary file or folder before it gets its final permissions: the owner's alone.
constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kPrivateFolder = 0700;
// What a new file or folder gets without a model, before the user's umask.
constexpr mode_t kDefaultFile = 0666;
constexpr mode_t kDefaultFolder = 0777;
constexpr mode_t kPermissionBits = 07777;

int LastError() { return errno != 0 ? errno : EIO; }

Status StatusFrom(const struct stat& info) {
  Status status;
  status.kind = S_ISREG(info.st_mode) ? Kind::kRegular : S_ISDIR(info.st_mode) ? Kind::kFolder : Kind::kOther;
  status.size = status.kind == Kind::kRegular ? static_cast<std::uint64_t>(info.st_size) : 0;
  status.mode = static_cast<std::uint32_t>(info.st_mode & kPermissionBits);
  status.owner = static_cast<std::int64_t>(info.st_uid);
  status.group = static_cast<std::int64_t>(info.st_gid);
  return status;
}

// Gives an open file or folder the owner, group and permission bits of `like`. Failing the
// owner (only root may give files away), at least the group; failing that too, the user's
// own is right, as for any file the user creates. Owner first: changing it clears set-id bits.
void BecomeLike(int descriptor, const Status& like) {
  if (::fchown(descriptor, static_cast<uid_t>(like.owner), static_cast<gid_t>(like.group)) != 0)
    (void)::fchown(descriptor, static_cast<uid_t>(-1), static_cast<gid_t>(like.group));
  (void)::fchmod(descriptor, static_cast<mode_t>(like.mode));
}

}  // namespace

int Handle::Close() {
  if (descriptor_ < 0) return 0;
  const int closed = ::close(descriptor_);
  descriptor_ = -1;
  return closed == 0 || errno == EINTR ? 0 : LastError();
}

int StatusOf(const std::string& path, Status& status) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return LastError();
  status = StatusFrom(info);
  return 0;
}

int MayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0 ? 0 : LastError(); }

int OpenForReading(const std::string& path, Handle& file, Status& status) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | kOpenFlags);
  if (descriptor < 0) return LastError();
  file = Handle(descriptor);
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return LastError();
  status = StatusFrom(info);
  return 0;
}

int WaitForData(Handle& file, const std::string& path) {
  struct stat info {};
  if (::fstat(file.Descriptor(), &info) != 0) return LastError();
  if (S_ISFIFO(info.st_mode)) {
    int descriptor = -1;
    do {
      descriptor = ::open(path.c_str(), O_RDONLY | kOpenFlags);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) return LastError();
    file = Handle(descriptor);
    return 0;
  }
  const int flags = ::fcntl(file.Descriptor(), F_GETFL);
  if (flags < 0 || ::fcntl(file.Descriptor(), F_SETFL, flags & ~O_NONBLOCK) != 0) return LastError();
  return 0;
}

int Read(const Handle& file, std::span<std::uint8_t> into, std::size_t& count) {
  for (;;) {
    const ssize_t read = ::read(file.Descriptor(), into.data(), into.size());
    if (read >= 0) {
      count = static_cast<std::size_t>(read);
      return 0;
    }
    if (errno != EINTR) return LastError();
  }
}

int OpenForWriting(const std::string& path, Handle& file) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | kOpenFlags, kDefaultFile);
  if (descriptor < 0) return LastError();
  file = Handle(descriptor);
  return 0;
}

int Write(const Handle& file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(file.Descriptor(), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return 0;
}

int Flush(const Handle& file) {
  if (::fsync(file.Descriptor()) == 0) return 0;
  // A file system without the notion (some network and virtual ones) has nothing to flush.
  return errno == EINVAL || errno == ENOTSUP ? 0 : LastError();
}

int OpenFolder(const std::string& path, Folder& folder) {
  int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | kOpenFlags);
#ifdef O_PATH
  // A folder the user may write in but not list is still a place to write.
  if (descriptor < 0 && errno == EACCES) descriptor = ::open(path.c_str(), O_PATH | O_DIRECTORY | kOpenFlags);
#endif
  if (descriptor < 0) return LastError();
  folder.handle = Handle(descriptor);
  folder.path = path;
  return 0;
}

int CreateIn(const Folder& folder, const std::string& name, const Status* like, Handle& file) {
  const int descriptor = ::openat(folder.handle.Descriptor(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags,
                                  like != nullptr ? kPrivateFile : kDefaultFile);
  if (descriptor < 0) return LastError();
  file = Handle(descriptor);
  if (like != nullptr) BecomeLike(descriptor, *like);
  return 0;
}

int RenameIn(const Folder& folder, const std::string& from, const std::string& to) {
  const int at = folder.handle.Descriptor();
  return ::renameat(at, from.c_str(), at, to.c_str()) == 0 ? 0 : LastError();
}

int RemoveIn(const Folder& folder, const std::string& name) {
  return ::unlinkat(folder.handle.Descriptor(), name.c_str(), 0) == 0 ? 0 : LastError();
}

int FlushFolder(const Folder& folder) {
  if (::fsync(folder.handle.Descriptor()) == 0) return 0;
  // A folder opened only as a place (it may not be listed) cannot be flushed by the user.
  return errno == EINVAL || errno == ENOTSUP || errno == EBADF ? 0 : LastError();
}

int FlushFilesIn(const std::string& path) {
  const Handle folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | kOpenFlags));
  if (!folder.IsOpen()) return LastError();
#ifdef __linux__
  if (::syncfs(folder.Descriptor()) != 0) return LastError();
#else
  ::sync();
#endif
  return 0;
}

int CreateFolder(const std::string& path, const Status* like) {
  if (::mkdir(path.c_str(), like != nullptr ? kPrivateFolder : kDefaultFolder) != 0) return LastError();
  if (like == nullptr) return 0;
  // By descriptor, not by name: the name may have been swapped for a link meanwhile.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | kOpenFlags);
  if (descriptor < 0) return LastError();
  BecomeLike(descriptor, *like);
  ::close(descriptor);
  return 0;
}

void RemoveInSignalHandler(int folder, const char* name) {
  // unlink and unlinkat are async-signal-safe.
  if (folder >= 0) ::unlinkat(folder, name, 0);
  else ::unlink(name);
}

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

std::shared_ptr<std::uint8_t[]> UnclearedBlock(std::size_t size) {
#ifdef MADV_HUGEPAGE
  // A large block asks for huge pages: a 24 MB file then costs a dozen page faults
  // instead of six thousand.
  constexpr std::size_t kHugePage = 2 * 1024 * 1024;
  if (size >= 2 * kHugePage) {
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    if (void* memory = std::aligned_alloc(kHugePage, rounded)) {
      ::madvise(memory, rounded, MADV_HUGEPAGE);
      return std::shared_ptr<std::uint8_t[]>(static_cast<std::uint8_t*>(memory), [](std::uint8_t* p) { std::free(p); });
    }
  }
#endif
  return std::shared_ptr<std::uint8_t[]>(new std::uint8_t[size == 0 ? 1 : size]);
}

}  // namespace tessary::os
#endif
