#pragma once
// Errors carry the program's exact message texts and travel as exceptions to one handler
// per entry point (the editor's error box, the CLI's stderr line).
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tessary {

// Message texts shown to the user. "%s" and "%d" are filled with FormatMessage.
namespace msg {
inline constexpr const char* kNotValidInteger = "'%s' is not a valid integer value";
inline constexpr const char* kUnableToReplaceImage = "Unable to Replace Image";
inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kStreamWriteError = "Stream write error";
inline constexpr const char* kImageListRead = "Failed to read ImageList data from stream";
inline constexpr const char* kImageListWrite = "Failed to write ImageList data to stream";
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kCannotOpenFile = "Cannot open file %s";
inline constexpr const char* kCannotCreateFile = "Cannot create file %s";
inline constexpr const char* kPropertyDoesNotExist = "Property %s does not exist";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kPropertyReadOnly = "Property is read-only";
inline constexpr const char* kInvalidComponentName = "''%s'' is not a valid component name";
inline constexpr const char* kDuplicateComponentName = "A component named %s already exists";
inline constexpr const char* kErrorReading = "Error reading %s%s%s: %s";
inline constexpr const char* kOutOfMemory = "Out of memory";
}  // namespace msg

// Fills each "%s" with the next argument and each "%d" with the next argument as written;
// "%%" is a literal percent sign. Missing arguments leave the placeholder empty.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// The one exception type of the core: what() is the exact message the user sees. A file
// operation that the system refused also carries the system's reason ("Permission
// denied"): the editor shows the message alone, tessary-skin adds the reason after it.
class SkinError : public std::runtime_error {
 public:
  // `file`: the file a message that does not name it is about ("Stream write error" while
  // saving x.skn), for the lines an error box shows below the message.
  explicit SkinError(const std::string& message, std::string reason = {}, std::string file = {})
      : std::runtime_error(message), reason_(std::move(reason)), file_(std::move(file)) {}
  const std::string& Reason() const { return reason_; }
  const std::string& File() const { return file_; }

 private:
  std::string reason_;
  std::string file_;
};

// Throws SkinError(FormatMessage(pattern, args)).
[[noreturn]] void Fail(std::string_view pattern, std::initializer_list<std::string_view> args = {});

// The same with the system's reason, e.g. the text of an errno value (see SystemReason).
[[noreturn]] void FailBecause(std::string reason, std::string_view pattern,
                              std::initializer_list<std::string_view> args = {});

// The system's text for an errno value ("No such file or directory").
std::string SystemReason(int errorNumber);

}  // namespace tessary
