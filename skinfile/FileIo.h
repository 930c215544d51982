#pragma once
// Files on disk as skin files and pictures need them.
//
// Reading: a file is read once, into memory that is not cleared first, and handed out as
// shared bytes that the pictures read from it slice rather than copy.
//
// Writing a file the user names (Save, new, pack, convert) is safe:
//  - a symbolic link is followed to its final target (one that does not exist yet too),
//    and that is written: the link stays a link;
//  - an existing target the user may not write is refused; a file marked read-only for
//    everybody is refused even where the system would let the user write it (root);
//  - anything that is not a regular file (a device, a pipe) is written straight, never
//    replaced;
//  - a regular file, or a new one, is written as a temporary file beside it and renamed
//    over it only when everything was written; a replaced file keeps its permissions; the
//    temporary file is removed on any failure and on an interrupt (TemporaryFiles.h).
// Errors carry the system's reason (SkinError::Reason).
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "skin/SharedBytes.h"

namespace tessary {

// The whole file ("Cannot open file %s", "Stream read error"). A pipe or device is read to
// its end.
SharedBytes ReadFileBytes(const std::string& path);

// Writes the pieces, in order, as the whole content of `path`, safely as above ("Cannot
// create file %s", "Stream write error").
void WriteFileSafely(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces);

// Creates or truncates `path` and writes `bytes`, with no temporary file: for files inside
// a folder that is itself still temporary ("Cannot create file %s" with `shown`, the name
// the user knows the file by, "Stream write error").
void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes, const std::string& shown);

// The final target of a chain of symbolic links (the path itself when it is no link).
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// A name for a temporary file or folder beside `target`: "<name>.~<random>.tmp", with the
// name shortened where the whole would pass the length a file name may have.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

}  // namespace tessary
