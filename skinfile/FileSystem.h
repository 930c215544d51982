#pragma once
// The one place where the program meets the operating system's files: opening, reading,
// writing, flushing, renaming and removing them, and folders held open while a file is
// written in them. Names are UTF-8 everywhere else in the program and are converted here
// (to UTF-16 on Windows). Every call reports failure as an error number of <cerrno>
// (0 = done), which the file layer turns into the user's message with the system's reason.
//
// FileSystemPosix.cpp implements it with the POSIX calls, FileSystemWindows.cpp with the C
// runtime of Windows; each compiles to nothing on the other kind of system.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace tessary::os {

// A UTF-8 name as the standard library's path, and back (the bytes of a name that is not
// valid UTF-8 pass through unchanged where the system's names are bytes).
inline std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// An open file or folder, closed when destroyed.
class Handle {
 public:
  Handle() = default;
  explicit Handle(int descriptor) : descriptor_(descriptor) {}
  ~Handle() { Close(); }
  Handle(Handle&& other) noexcept : descriptor_(other.descriptor_) { other.descriptor_ = -1; }
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) {
      Close();
      descriptor_ = other.descriptor_;
      other.descriptor_ = -1;
    }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool IsOpen() const { return descriptor_ >= 0; }
  int Descriptor() const { return descriptor_; }
  // Closes now: the error number of a failed close (a write the system reports only then).
  int Close();

 private:
  int descriptor_ = -1;
};

enum class Kind {
  kMissing,
  kRegular,
  kFolder,
  kOther,  // a device, pipe or socket
};

struct Status {
  Kind kind = Kind::kMissing;
  std::uint64_t size = 0;   // bytes of a regular file
  std::uint32_t mode = 0;   // permission bits with the set-id and sticky bits (07777)
  std::int64_t owner = -1;  // user and group, where the system has them
  std::int64_t group = -1;
};
// The write bits of Status::mode: a file with none is read-only for everybody.
inline constexpr std::uint32_t kAnyWrite = 0222;

// What `path` names, links followed (ENOENT when nothing, ELOOP for a loop of links).
int StatusOf(const std::string& path, Status& status);
// 0 when the user may write `path`, else why not.
int MayWrite(const std::string& path);

// Opens for reading without waiting: a FIFO nobody writes to does not block the caller.
// `status` describes what was opened.
int OpenForReading(const std::string& path, Handle& file, Status& status);
// Makes reads of the pipe or device `file`, opened from `path`, wait for data again; a FIFO
// is opened again to wait for a writer, as a reader that names it on purpose expects.
int WaitForData(Handle& file, const std::string& path);
// Reads up to into.size() bytes; `count` gets how many were read (0 at the end).
int Read(const Handle& file, std::span<std::uint8_t> into, std::size_t& count);

// Creates or truncates `path` (a device or pipe is opened, not replaced) for writing.
int OpenForWriting(const std::string& path, Handle& file);
// Writes all of `bytes`.
int Write(const Handle& file, std::span<const std::uint8_t> bytes);
// Makes what was written durable: it survives a power cut once this returns.
int Flush(const Handle& file);

// A folder held open while files are written, renamed and removed in it by their plain
// names, so that a folder moved meanwhile takes its files along instead of leaving them
// where it was.
struct Folder {
  Handle handle;     // the open folder (none on Windows, which works by names)
  std::string path;  // where it was when opened
};
int OpenFolder(const std::string& path, Folder& folder);
// Creates the file `name` in the folder, failing when it exists. It gets the permission
// bits of `like` (and its owner and group where the system allows), else the user's
// default, and is readable by nobody else before that.
int CreateIn(const Folder& folder, const std::string& name, const Status* like, Handle& file);
// Renames `from` to `to` within the folder, replacing `to`.
int RenameIn(const Folder& folder, const std::string& from, const std::string& to);
int RemoveIn(const Folder& folder, const std::string& name);
// Makes the folder's entries (a rename in it) durable.
int FlushFolder(const Folder& folder);

// Makes everything written into the folder `path` durable, in one call for many files
// (the whole file system where the system has nothing finer).
int FlushFilesIn(const std::string& path);

// Creates the folder `path` with the permission bits, owner and group of `like` (the
// set-group-id bit too) where given and the system allows, else the user's default.
int CreateFolder(const std::string& path, const Status* like);

// Removes `name` from the folder whose handle's descriptor is `folder` (or the whole path
// `name` when `folder` is -1) using only what a signal handler may call.
void RemoveInSignalHandler(int folder, const char* name);
// Lets a write past the file-size limit fail with EFBIG instead of ending the process.
void IgnoreFileSizeSignal();

// `size` bytes of memory that are about to be read over, so not cleared first.
std::shared_ptr<std::uint8_t[]> UnclearedBlock(std::size_t size);

}  // namespace tessary::os
