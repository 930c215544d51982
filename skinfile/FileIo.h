#pragma once
// Files on disk as skin files and pictures need them, through the file-system seam
// (FileSystem.h). Names are UTF-8.
//
// Reading: a file is read once, into memory that is not cleared first, and handed out as
// shared bytes that the pictures read from it slice rather than copy. A reader that can tell
// a wrong file by its start looks at that first, so a huge file of anything else is refused
// without being read. No more than kMaxFileBytes (skin/Limits.h) is read from any file,
// pipe or device. Only regular files are read unless the caller asks for pipes and devices
// too (a file the user named on purpose, such as /dev/stdin): a FIFO found in a folder or
// chosen in the editor is refused, never waited on.
//
// Writing a file the user names (Save, new, pack, convert) is safe:
//  - a symbolic link is followed to its final target (one that does not exist yet too),
//    and that is written: the link stays a link;
//  - an existing target the user may not write is refused; a file marked read-only for
//    everybody is refused even where the system would let the user write it (root);
//  - anything that is not a regular file (a device, a pipe) is written straight, never
//    replaced;
//  - a regular file, or a new one, is written as a temporary file beside it and renamed
//    over it only when everything was written and flushed to the disk (then the folder is
//    flushed too), so that neither a failure nor a power cut leaves a half-written file;
//  - the temporary file is created with the replaced file's permissions, owner and group
//    (where the system allows), so a private file is never readable by others, not even
//    while it is being written;
//  - it is created, renamed and removed through a handle of its folder, so a folder moved
//    away meanwhile keeps no stray temporary file; it is removed on any failure and on an
//    interrupt (TemporaryFiles.h).
// Errors carry the system's reason (SkinError::Reason).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "skin/Limits.h"
#include "skin/SharedBytes.h"

namespace tessary {

// How a file is read.
struct FileRead {
  // Pipes and devices are read too, to their end (else only regular files are).
  bool streams = false;
  // The first `startSize` bytes are shown to `startLooksRight` before anything else is
  // read; when it says no, only they are returned, for the reader to refuse as it would
  // refuse the whole file.
  std::size_t startSize = 0;
  std::function<bool(std::span<const std::uint8_t>)> startLooksRight;
  // The most bytes read; a longer file is "Stream read error: File too large".
  std::uint64_t limit = kMaxFileBytes;
};

// The file's bytes ("Cannot open file %s" with the reason, "Stream read error").
SharedBytes ReadFileBytes(const std::string& path, const FileRead& how = {});

// Writes the pieces, in order, as the whole content of `path`, safely as above ("Cannot
// create file %s", "Stream write error").
void WriteFileSafely(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces);

// Creates or truncates `path` and writes `bytes`, with no temporary file: for files inside
// a folder that is itself still temporary ("Cannot create file %s" with `shown`, the name
// the user knows the file by, "Stream write error").
void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes, const std::string& shown);

// A folder written as a whole: created beside the folder it is to become, filled, and then
// renamed into its place once every file in it is on the disk. With `like` (an existing
// empty folder it replaces) it is created with that folder's permissions, owner, group and
// set-group-id bit where the system allows, so that its files get the group they would
// have got there and a private folder is never open to others; else as the user's new
// folders are. Both return the error number, 0 when done.
int CreateFolderLike(const std::string& path, const std::string* like);
int PutFolderInPlace(const std::string& temporary, const std::string& target);

// The final target of a chain of symbolic links (the path itself when it is no link).
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// A name for a temporary file or folder beside `target`: "<name>.~<random>.tmp", with the
// name shortened where the whole would pass the length a file name may have.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

}  // namespace tessary
