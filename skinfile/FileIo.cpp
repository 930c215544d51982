#include "skinfile/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <system_error>
#include <vector>

#include "skin/Error.h"
#include "skin/Limits.h"
#include "skinfile/TemporaryFiles.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif
#if __has_include(<sys/stat.h>)
#include <sys/stat.h>
#endif
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace tessary {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before giving up (the system's own limit is about as many).
constexpr int kMaxLinks = 40;
// The longest file name (one path component) the common file systems take, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
// Reading a pipe or device, whose size is not known beforehand: in chunks, and no more
// than kMaxFileBytes (skin/Limits.h), so that an endless source such as /dev/zero is
// refused instead of filling the memory.
constexpr std::size_t kStreamChunk = 64 * 1024;
constexpr std::size_t kMaxStreamBytes = kMaxFileBytes;

// The second and later bytes of a UTF-8 character.
bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// Opens without a stdio buffer: large reads and writes go straight to the system.
File Open(const fs::path& path, const char* mode) {
  File file(std::fopen(path.string().c_str(), mode));
  if (file) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

// Writes every piece and closes the file; the errno value of the first failure, or 0.
int WriteAndClose(File file, std::span<const std::span<const std::uint8_t>> pieces) {
  int error = 0;
  for (std::span<const std::uint8_t> piece : pieces) {
    errno = 0;
    if (std::fwrite(piece.data(), 1, piece.size(), file.get()) != piece.size()) {
      error = errno != 0 ? errno : EIO;
      break;
    }
  }
  errno = 0;
  if (std::fclose(file.release()) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  return error;
}

// Memory for `size` bytes that are about to be read over, so not cleared first. A large
// block asks for huge pages where the system offers them: a 24 MB file then costs a dozen
// page faults instead of six thousand.
std::shared_ptr<std::uint8_t[]> UnclearedBlock(std::size_t size) {
#ifdef MADV_HUGEPAGE
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

// Whether the user may replace an existing file: the system says so, and the file is not
// marked read-only for everybody (which the system ignores for root).
int WriteRefusal(const fs::path& path, fs::file_status status) {
  constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kAnyWrite) == fs::perms::none) return EACCES;
#if __has_include(<unistd.h>)
  if (::access(path.string().c_str(), W_OK) != 0) return errno;
#endif
  return 0;
}

// Gives `to` the owner and group of `from` where the system allows it: root saving a
// user's file leaves it the user's, a user's save keeps a shared file's group. Where it
// does not allow it, the new file is the user's own, as any file the user creates.
void KeepOwner(const fs::path& from, const fs::path& to) {
#if __has_include(<sys/stat.h>) && __has_include(<unistd.h>)
  struct stat owner {};
  if (::stat(from.c_str(), &owner) != 0) return;
  // Failing the owner, at least the group; failing that too, the user's own is right.
  if (::chown(to.c_str(), owner.st_uid, owner.st_gid) != 0)
    (void)::chown(to.c_str(), static_cast<uid_t>(-1), owner.st_gid);
#endif
}

// Creates or truncates `path` and writes the pieces to it, with no temporary file
// ("Cannot create file %s" with `shown`, "Stream write error").
void WriteStraight(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces,
                   const std::string& shown) {
  errno = 0;
  File file = Open(path, "wb");
  if (!file) FailBecause(SystemReason(errno != 0 ? errno : EACCES), msg::kCannotCreateFile, {shown});
  if (const int failure = WriteAndClose(std::move(file), pieces))
    FailBecause(SystemReason(failure), msg::kStreamWriteError);
}

}  // namespace

fs::path ResolveLinks(const fs::path& path) {
  fs::path resolved = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(resolved, error))) return resolved;
    const fs::path target = fs::read_symlink(resolved, error);
    if (error) return resolved;
    resolved = target.is_absolute() ? target : resolved.parent_path() / target;
  }
  return resolved;
}

fs::path TemporaryPathBeside(const fs::path& target) {
  std::random_device random;
  const std::string mark = ".~" + std::to_string(random()) + std::to_string(random()) + ".tmp";
  // A name near the system's length limit is itself fine, but with the mark added it would
  // not be: the temporary name keeps only as much of it as fits, cut between characters.
  std::string name = target.filename().string();
  const std::size_t room = kMaxNameBytes - mark.size();
  if (name.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && IsUtf8Continuation(static_cast<unsigned char>(name[cut]))) --cut;
    name.resize(cut);
  }
  return target.parent_path() / (name + mark);
}

SharedBytes ReadFileBytes(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  // A folder opens as a stream on some systems; it is no file to read.
  if (fs::is_directory(status)) FailBecause(SystemReason(EISDIR), msg::kCannotOpenFile, {path});
  errno = 0;
  File file = Open(path, "rb");
  if (!file) FailBecause(SystemReason(errno != 0 ? errno : ENOENT), msg::kCannotOpenFile, {path});

  if (fs::is_regular_file(status)) {
    const auto size = static_cast<std::size_t>(fs::file_size(path, error));
    if (error) FailBecause(error.message(), msg::kCannotOpenFile, {path});
    std::shared_ptr<std::uint8_t[]> block = UnclearedBlock(size);
    const std::size_t read = std::fread(block.get(), 1, size, file.get());
    if (std::ferror(file.get())) FailBecause(SystemReason(errno), msg::kStreamReadError);
    // A file that shrank since its size was taken is read as it is now.
    const std::span<const std::uint8_t> bytes(block.get(), read);
    return SharedBytes(std::move(block), bytes);
  }
  std::vector<std::uint8_t> bytes;
  for (;;) {
    const std::size_t at = bytes.size();
    if (at > kMaxStreamBytes) FailBecause(SystemReason(EFBIG), msg::kStreamReadError);
    // Room grows by doubling, but never far past the limit.
    if (bytes.capacity() < at + kStreamChunk)
      bytes.reserve(std::min(2 * at + kStreamChunk, kMaxStreamBytes + kStreamChunk));
    bytes.resize(at + kStreamChunk);
    const std::size_t read = std::fread(bytes.data() + at, 1, kStreamChunk, file.get());
    bytes.resize(at + read);
    if (read < kStreamChunk) break;
  }
  if (std::ferror(file.get())) FailBecause(SystemReason(errno), msg::kStreamReadError);
  return SharedBytes::FromVector(std::move(bytes));
}

void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes, const std::string& shown) {
  const std::span<const std::uint8_t> pieces[] = {bytes};
  WriteStraight(path, pieces, shown);
}

void WriteFileSafely(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces) {
  std::error_code error;
  // What the name stands for, with the links followed by the system: that includes links
  // such as /dev/stdout, which lead to a pipe or terminal that has no name to follow. A
  // name the system cannot follow (a loop of links) is refused, not replaced.
  const fs::file_status status = fs::status(path, error);
  if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
    FailBecause(error.message(), msg::kCannotCreateFile, {path});
  }
  const bool exists = fs::exists(status);
  if (fs::is_directory(status)) FailBecause(SystemReason(EISDIR), msg::kCannotCreateFile, {path});
  if (exists) {
    if (const int refusal = WriteRefusal(path, status)) {
      FailBecause(SystemReason(refusal), msg::kCannotCreateFile, {path});
    }
  }

  // A device or a pipe is written straight: renaming over it would replace it.
  if (exists && !fs::is_regular_file(status)) {
    WriteStraight(path, pieces, path);
    return;
  }

  // Beside the link's target, so that the rename stays on one file system.
  const fs::path target = ResolveLinks(path);
  const fs::path temporary = TemporaryPathBeside(target);
  const PendingTemporary pending(temporary.string(), PendingTemporary::Kind::kFile);
  errno = 0;
  File file = Open(temporary, "wbx");
  if (!file) FailBecause(SystemReason(errno != 0 ? errno : EACCES), msg::kCannotCreateFile, {path});
  std::error_code ignored;
  if (const int failure = WriteAndClose(std::move(file), pieces)) {
    fs::remove(temporary, ignored);
    FailBecause(SystemReason(failure), msg::kStreamWriteError);
  }
  // A replaced file keeps its owner, group and permissions.
  if (exists) {
    KeepOwner(target, temporary);
    fs::permissions(temporary, status.permissions(), ignored);
  }
  // The old file is replaced only by a complete new one.
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, ignored);
    FailBecause(error.message(), msg::kCannotCreateFile, {path});
  }
}

}  // namespace tessary
