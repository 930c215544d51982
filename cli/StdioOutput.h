#pragma once
// Standard output and error for the tool, through C's streams, keeping the system's reason
// for the first write that failed: a write too large for the buffer fails inside the
// command, long before the final flush, and the reason ("No space left on device") would be
// lost by then.
#include <cstdio>
#include <streambuf>

namespace tessary::cli {

class StdioOutput : public std::streambuf {
 public:
  explicit StdioOutput(std::FILE* file) : file_(file) {}

  // errno of the first write or flush that failed, 0 while none has.
  int FailureReason() const { return failure_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  void NoteFailure();

  std::FILE* file_;
  int failure_ = 0;
};

}  // namespace tessary::cli
