// The file-system seam (FileSystem.h) on Windows, through the C runtime's wide-character
// calls: the program's UTF-8 names become UTF-16 here. Windows has no open folder handles
// to create files by, no owners to copy and no signal that ends a process for a file's
// size, so those parts work by name or do nothing.
#if defined(_WIN32)
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

#include "skinfile/FileSystem.h"

namespace tessary::os {
namespace {

constexpr int kPermissionBits = 0777;
constexpr unsigned kMostPerCall = INT_MAX;

int LastError() { return errno != 0 ? errno : EIO; }

std::wstring Wide(const std::string& utf8) { return PathOf(utf8).wstring(); }

std::wstring InFolder(const Folder& folder, const std::string& name) {
  return (PathOf(folder.path) / PathOf(name)).wstring();
}

Status StatusFrom(const struct _stat64& info) {
  Status status;
  status.kind = (info.st_mode & _S_IFMT) == _S_IFREG   ? Kind::kRegular
                : (info.st_mode & _S_IFMT) == _S_IFDIR ? Kind::kFolder
                                                       : Kind::kOther;
  status.size = status.kind == Kind::kRegular ? static_cast<std::uint64_t>(info.st_size) : 0;
  status.mode = static_cast<std::uint32_t>(info.st_mode & kPermissionBits);
  return status;
}

// The C runtime's error number for what the system said about a rename.
int ErrorOfLastCall() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return EACCES;
    case ERROR_DISK_FULL: return ENOSPC;
    default: return EIO;
  }
}

}  // namespace

int Handle::Close() {
  if (descriptor_ < 0) return 0;
  const int closed = _close(descriptor_);
  descriptor_ = -1;
  return closed == 0 ? 0 : LastError();
}

int StatusOf(const std::string& path, Status& status) {
  struct _stat64 info {};
  if (_wstat64(Wide(path).c_str(), &info) != 0) return LastError();
  status = StatusFrom(info);
  return 0;
}

int MayWrite(const std::string& path) { return _waccess(Wide(path).c_str(), 2) == 0 ? 0 : LastError(); }

int OpenForReading(const std::string& path, Handle& file, Status& status) {
  int descriptor = -1;
  if (_wsopen_s(&descriptor, Wide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0) != 0)
    return LastError();
  file = Handle(descriptor);
  struct _stat64 info {};
  if (_fstat64(descriptor, &info) != 0) return LastError();
  status = StatusFrom(info);
  return 0;
}

int WaitForData(Handle&, const std::string&) { return 0; }

int Read(const Handle& file, std::span<std::uint8_t> into, std::size_t& count) {
  const int read =
      _read(file.Descriptor(), into.data(), static_cast<unsigned>(std::min<std::size_t>(into.size(), kMostPerCall)));
  if (read < 0) return LastError();
  count = static_cast<std::size_t>(read);
  return 0;
}

int OpenForWriting(const std::string& path, Handle& file) {
  int descriptor = -1;
  if (_wsopen_s(&descriptor, Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                _S_IREAD | _S_IWRITE) != 0)
    return LastError();
  file = Handle(descriptor);
  return 0;
}

int Write(const Handle& file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const int written = _write(file.Descriptor(), bytes.data(),
                               static_cast<unsigned>(std::min<std::size_t>(bytes.size(), kMostPerCall)));
    if (written < 0) return LastError();
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return 0;
}

int Flush(const Handle& file) { return _commit(file.Descriptor()) == 0 ? 0 : LastError(); }

int OpenFolder(const std::string& path, Folder& folder) {
  Status status;
  if (const int error = StatusOf(path, status)) return error;
  if (status.kind != Kind::kFolder) return ENOTDIR;
  folder.path = path;
  return 0;
}

int CreateIn(const Folder& folder, const std::string& name, const Status* like, Handle& file) {
  int descriptor = -1;
  // Read-only files stay read-only: the only permission Windows keeps is the write bit.
  const int permissions = like != nullptr && (like->mode & kAnyWrite) == 0 ? _S_IREAD : _S_IREAD | _S_IWRITE;
  if (_wsopen_s(&descriptor, InFolder(folder, name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _SH_DENYNO, permissions) != 0)
    return LastError();
  file = Handle(descriptor);
  return 0;
}

int RenameIn(const Folder& folder, const std::string& from, const std::string& to) {
  if (MoveFileExW(InFolder(folder, from).c_str(), InFolder(folder, to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  return ErrorOfLastCall();
}

int RemoveIn(const Folder& folder, const std::string& name) {
  return _wremove(InFolder(folder, name).c_str()) == 0 ? 0 : LastError();
}

int FlushFolder(const Folder&) { return 0; }  // the rename above was written through

int FlushFilesIn(const std::string&) { return 0; }  // files are flushed as they close on rename

int CreateFolder(const std::string& path, const Status*) { return _wmkdir(Wide(path).c_str()) == 0 ? 0 : LastError(); }

void RemoveInSignalHandler(int, const char* name) {
  // Windows runs console signal handlers on a thread of their own, so the name may be
  // converted here.
  _wremove(Wide(name).c_str());
}

void IgnoreFileSizeSignal() {}

std::shared_ptr<std::uint8_t[]> UnclearedBlock(std::size_t size) {
  return std::shared_ptr<std::uint8_t[]>(new std::uint8_t[size == 0 ? 1 : size]);
}

}  // namespace tessary::os
#endif
