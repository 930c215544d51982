#include "cli/StdioOutput.h"

#include <cerrno>

namespace tessary::cli {

void StdioOutput::NoteFailure() {
  if (failure_ == 0) failure_ = errno != 0 ? errno : EIO;
}

StdioOutput::int_type StdioOutput::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  errno = 0;
  if (std::fputc(traits_type::to_char_type(c), file_) == EOF) {
    NoteFailure();
    return traits_type::eof();
  }
  return c;
}

std::streamsize StdioOutput::xsputn(const char* text, std::streamsize count) {
  errno = 0;
  const std::size_t written = std::fwrite(text, 1, static_cast<std::size_t>(count), file_);
  if (written != static_cast<std::size_t>(count)) NoteFailure();
  return static_cast<std::streamsize>(written);
}

int StdioOutput::sync() {
  errno = 0;
  if (std::fflush(file_) == 0) return 0;
  NoteFailure();
  return -1;
}

}  // namespace tessary::cli
