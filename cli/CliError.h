#pragma once
// The two ways a subcommand fails. A usage error (wrong arguments) ends the tool with exit
// code 2 and the command's usage text; a file error ends it with exit code 1 and the line
// "tessary-skin: FILE: MESSAGE", where MESSAGE is the editor's own text for the problem,
// followed by the system's reason where there is one ("Cannot open file x.skn: Permission
// denied").
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "skin/Error.h"

namespace tessary::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

class FileError : public std::runtime_error {
 public:
  FileError(std::string path, const std::string& message) : std::runtime_error(message), path_(std::move(path)) {}
  // The file (or "file:line") the message is about, as the user named it.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The editor's message with the reason after it.
inline std::string WithReason(const SkinError& error) {
  return error.Reason().empty() ? std::string(error.what()) : std::string(error.what()) + ": " + error.Reason();
}

// Runs `action`, turning a SkinError it throws into a FileError about `path`, and so a
// file too large for the memory ("Out of memory").
template <typename Action>
decltype(auto) ForFile(const std::string& path, Action&& action) {
  try {
    return action();
  } catch (const SkinError& error) {
    throw FileError(path, WithReason(error));
  } catch (const std::bad_alloc&) {
    throw FileError(path, msg::kOutOfMemory);
  }
}

}  // namespace tessary::cli
