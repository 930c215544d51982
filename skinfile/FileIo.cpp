#include "skinfile/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "skin/Error.h"
#include "skinfile/FileSystem.h"
#include "skinfile/TemporaryFiles.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before giving up (the system's own limit is about as many).
constexpr int kMaxLinks = 40;
// The longest file name (one path component) the common file systems take, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
// A pipe or device, whose size is not known beforehand, is read in pieces of this size at
// first; the memory grows to what arrives, never past the limit.
constexpr std::size_t kStreamChunk = 64 * 1024;
// Why a pipe or device is refused where only files are read.
constexpr const char* kNotAFile = "not a regular file";

// The second and later bytes of a UTF-8 character.
bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

[[noreturn]] void FailToRead(int error) { FailBecause(SystemReason(error), msg::kStreamReadError); }

// Reads until `into` is full or the file ends; how many bytes were read.
std::size_t ReadFully(const os::Handle& file, std::span<std::uint8_t> into) {
  std::size_t done = 0;
  while (done < into.size()) {
    std::size_t count = 0;
    if (const int error = os::Read(file, into.subspan(done), count)) FailToRead(error);
    if (count == 0) break;
    done += count;
  }
  return done;
}

// Memory that grows as a pipe delivers, without holding an old and a new copy at once
// where the system can grow a block in place (large blocks are moved by the page tables).
class GrowingBlock {
 public:
  ~GrowingBlock() { std::free(data_); }
  std::uint8_t* Room(std::size_t wanted, std::size_t most) {
    if (wanted > capacity_) {
      const std::size_t grown = std::min(std::max(wanted, 2 * capacity_), most);
      auto* moved = static_cast<std::uint8_t*>(std::realloc(data_, grown));
      if (moved == nullptr) throw std::bad_alloc();
      data_ = moved;
      capacity_ = grown;
    }
    return data_;
  }
  // The bytes, owned by the result from now on.
  SharedBytes Take(std::size_t size) {
    std::shared_ptr<std::uint8_t[]> owner(data_, [](std::uint8_t* p) { std::free(p); });
    data_ = nullptr;
    capacity_ = 0;
    const std::span<const std::uint8_t> bytes(owner.get(), size);
    return SharedBytes(std::move(owner), bytes);
  }

 private:
  std::uint8_t* data_ = nullptr;
  std::size_t capacity_ = 0;
};

SharedBytes ReadStream(const os::Handle& file, const FileRead& how) {
  // One byte past the limit tells a stream that is too long from one that just fits.
  const std::size_t most = static_cast<std::size_t>(how.limit) + 1;
  GrowingBlock block;
  std::size_t size = 0;
  if (how.startLooksRight) {
    const std::size_t start = std::min(how.startSize, most);
    size = ReadFully(file, {block.Room(start, most), start});
    if (!how.startLooksRight({block.Room(start, most), size})) return block.Take(size);
  }
  for (;;) {
    const std::size_t piece = std::min(kStreamChunk, most - size);
    if (piece == 0) FailToRead(EFBIG);
    std::size_t count = 0;
    if (const int error = os::Read(file, {block.Room(size + piece, most) + size, piece}, count)) FailToRead(error);
    if (count == 0) break;
    size += count;
  }
  return block.Take(size);
}

SharedBytes ReadRegularFile(const os::Handle& file, std::uint64_t size, const FileRead& how) {
  std::vector<std::uint8_t> start;
  if (how.startLooksRight) {
    start.resize(static_cast<std::size_t>(std::min<std::uint64_t>(how.startSize, size)));
    start.resize(ReadFully(file, start));
    if (!how.startLooksRight(start)) return SharedBytes::FromVector(std::move(start));
  }
  if (size > how.limit) FailToRead(EFBIG);
  const auto whole = static_cast<std::size_t>(size);
  std::shared_ptr<std::uint8_t[]> block = os::UnclearedBlock(whole);
  std::copy(start.begin(), start.end(), block.get());
  // A file that shrank since its size was taken is read as it is now.
  const std::size_t read =
      start.size() + (start.size() < whole ? ReadFully(file, {block.get() + start.size(), whole - start.size()}) : 0);
  const std::span<const std::uint8_t> bytes(block.get(), read);
  return SharedBytes(std::move(block), bytes);
}

// Whether the user may replace an existing file: the system says so, and the file is not
// marked read-only for everybody (which the system ignores for root).
int WriteRefusal(const std::string& path, const os::Status& status) {
  if ((status.mode & os::kAnyWrite) == 0) return EACCES;
  return os::MayWrite(path);
}

// Writes every piece and closes the file, flushed to the disk when `flush`; the error
// number of the first failure, or 0.
int WriteAndClose(os::Handle& file, std::span<const std::span<const std::uint8_t>> pieces, bool flush) {
  int error = 0;
  for (std::span<const std::uint8_t> piece : pieces) {
    if ((error = os::Write(file, piece)) != 0) break;
  }
  if (error == 0 && flush) error = os::Flush(file);
  const int closed = file.Close();
  return error != 0 ? error : closed;
}

// Creates or truncates `path` and writes the pieces to it, with no temporary file
// ("Cannot create file %s" with `shown`, "Stream write error").
void WriteStraight(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces,
                   const std::string& shown, bool flush) {
  os::Handle file;
  if (const int error = os::OpenForWriting(path, file))
    FailBecause(SystemReason(error), msg::kCannotCreateFile, {shown});
  if (const int failure = WriteAndClose(file, pieces, flush))
    throw SkinError(msg::kStreamWriteError, SystemReason(failure), shown);
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
  std::string name = os::Utf8Of(target.filename());
  const std::size_t room = kMaxNameBytes - mark.size();
  if (name.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && IsUtf8Continuation(static_cast<unsigned char>(name[cut]))) --cut;
    name.resize(cut);
  }
  return target.parent_path() / os::PathOf(name + mark);
}

SharedBytes ReadFileBytes(const std::string& path, const FileRead& how) {
  os::Handle file;
  os::Status status;
  if (const int error = os::OpenForReading(path, file, status))
    FailBecause(SystemReason(error), msg::kCannotOpenFile, {path});
  switch (status.kind) {
    case os::Kind::kRegular: return ReadRegularFile(file, status.size, how);
    // A folder opens as a stream on some systems; it is no file to read.
    case os::Kind::kFolder: FailBecause(SystemReason(EISDIR), msg::kCannotOpenFile, {path});
    default: break;
  }
  if (!how.streams) FailBecause(kNotAFile, msg::kCannotOpenFile, {path});
  if (const int error = os::WaitForData(file, path)) FailBecause(SystemReason(error), msg::kCannotOpenFile, {path});
  return ReadStream(file, how);
}

void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes, const std::string& shown) {
  const std::span<const std::uint8_t> pieces[] = {bytes};
  // Flushed with all the others when their folder is put in place.
  WriteStraight(path, pieces, shown, false);
}

int CreateFolderLike(const std::string& path, const std::string* like) {
  os::Status model;
  const bool copies = like != nullptr && os::StatusOf(*like, model) == 0;
  return os::CreateFolder(path, copies ? &model : nullptr);
}

int PutFolderInPlace(const std::string& temporary, const std::string& target) {
  if (const int error = os::FlushFilesIn(temporary)) return error;
  const fs::path place = os::PathOf(target);
  const fs::path parent = place.parent_path();
  os::Folder folder;
  if (const int error = os::OpenFolder(parent.empty() ? "." : os::Utf8Of(parent), folder)) return error;
  // The temporary folder is made beside its target, so both are names in one folder.
  if (const int error =
          os::RenameIn(folder, os::Utf8Of(os::PathOf(temporary).filename()), os::Utf8Of(place.filename())))
    return error;
  os::FlushFolder(folder);
  return 0;
}

void WriteFileSafely(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces) {
  // What the name stands for, with the links followed by the system: that includes links
  // such as /dev/stdout, which lead to a pipe or terminal that has no name to follow. A
  // name the system cannot follow (a loop of links) is refused, not replaced.
  os::Status status;
  const int unknown = os::StatusOf(path, status);
  if (unknown != 0 && unknown != ENOENT && unknown != ENOTDIR)
    FailBecause(SystemReason(unknown), msg::kCannotCreateFile, {path});
  const bool exists = unknown == 0;
  if (status.kind == os::Kind::kFolder) FailBecause(SystemReason(EISDIR), msg::kCannotCreateFile, {path});
  if (exists) {
    if (const int refusal = WriteRefusal(path, status))
      FailBecause(SystemReason(refusal), msg::kCannotCreateFile, {path});
  }

  // A device or a pipe is written straight: renaming over it would replace it.
  if (exists && status.kind != os::Kind::kRegular) {
    WriteStraight(path, pieces, path, false);
    return;
  }

  // Beside the link's target, so that the rename stays on one file system, and through a
  // handle of its folder, so that the temporary file goes wherever the folder goes.
  const fs::path target = ResolveLinks(os::PathOf(path));
  const fs::path parent = target.parent_path();
  os::Folder folder;
  if (const int error = os::OpenFolder(parent.empty() ? "." : os::Utf8Of(parent), folder))
    FailBecause(SystemReason(error), msg::kCannotCreateFile, {path});
  const std::string targetName = os::Utf8Of(target.filename());
  const std::string temporaryName = os::Utf8Of(TemporaryPathBeside(target).filename());
  const bool byHandle = folder.handle.IsOpen();
  const PendingTemporary pending(byHandle ? temporaryName : os::Utf8Of(parent / os::PathOf(temporaryName)),
                                 PendingTemporary::Kind::kFile, byHandle ? folder.handle.Descriptor() : -1);

  os::Handle file;
  if (const int error = os::CreateIn(folder, temporaryName, exists ? &status : nullptr, file))
    FailBecause(SystemReason(error), msg::kCannotCreateFile, {path});
  // The old file is replaced only by a complete new one that is on the disk.
  if (const int failure = WriteAndClose(file, pieces, true)) {
    os::RemoveIn(folder, temporaryName);
    throw SkinError(msg::kStreamWriteError, SystemReason(failure), path);
  }
  if (const int error = os::RenameIn(folder, temporaryName, targetName)) {
    os::RemoveIn(folder, temporaryName);
    FailBecause(SystemReason(error), msg::kCannotCreateFile, {path});
  }
  // The rename itself on the disk; the file is saved whatever this says.
  os::FlushFolder(folder);
}

}  // namespace tessary
