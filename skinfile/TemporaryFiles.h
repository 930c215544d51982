#pragma once
// Temporary files and folders the program is writing beside the user's files, so that an
// interrupt (Ctrl-C, SIGTERM, a closed terminal) does not leave them behind.
//
// A pending temporary file is removed by the signal handler itself, which then lets the
// signal end the process as it would have. A folder cannot be removed safely inside a
// handler, so while one is pending the signal is held: the writer calls ThrowIfInterrupted
// between files, removes its folder while the Interrupted exception unwinds, and the entry
// point raises the signal again. A second signal while one is held ends the process at once.
#include <string>

namespace tessary {

class PendingTemporary {
 public:
  enum class Kind { kFile, kFolder };

  // Registers `path` until this object is destroyed (it does not remove the path itself).
  // With `folder`, the descriptor of an open folder (FileSystem.h), `path` is a name in it.
  PendingTemporary(std::string path, Kind kind, int folder = -1);
  ~PendingTemporary();
  PendingTemporary(const PendingTemporary&) = delete;
  PendingTemporary& operator=(const PendingTemporary&) = delete;

 private:
  std::string path_;
  int slot_ = -1;  // -1 when every slot was taken: then nothing is removed on an interrupt
};

// Thrown by ThrowIfInterrupted; not a std::exception, so that no "catch every error" of a
// command turns an interrupt into an error message.
struct Interrupted {
  int signal;
};

// Installs the handlers for SIGINT, SIGTERM and SIGHUP (where the system has them), and
// lets a write past the file-size limit (ulimit -f) fail as a write error, removing its
// temporary file, instead of ending the process by SIGXFSZ.
void InstallInterruptCleanup();

// Throws Interrupted when a signal is being held for a pending temporary folder.
void ThrowIfInterrupted();

// Ends the process by `signal` as if no handler had been installed.
[[noreturn]] void RaiseInterrupt(int signal);

}  // namespace tessary
