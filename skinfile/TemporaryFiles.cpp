#include "skinfile/TemporaryFiles.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "skinfile/FileSystem.h"

namespace tessary {
namespace {

// A few at once is all a command needs (one temporary file, or one folder).
constexpr int kSlots = 8;

struct Slot {
  std::atomic<const char*> path{nullptr};
  std::atomic<bool> folder{false};
  std::atomic<int> in{-1};  // the open folder the path is a name in, or -1
};

std::array<Slot, kSlots> pending;
volatile std::sig_atomic_t heldSignal = 0;

constexpr int kInterruptSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

// Only async-signal-safe calls: unlink (RemoveInSignalHandler), signal, raise.
extern "C" void OnInterrupt(int signal) {
  bool folderPending = false;
  for (Slot& slot : pending) {
    const char* path = slot.path.load();
    if (path == nullptr) continue;
    if (slot.folder.load()) {
      folderPending = true;
      continue;
    }
    os::RemoveInSignalHandler(slot.in.load(), path);
  }
  if (folderPending && heldSignal == 0) {
    heldSignal = signal;
    return;
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

PendingTemporary::PendingTemporary(std::string path, Kind kind, int folder) : path_(std::move(path)) {
  // Registration happens on the one thread that writes; the handler only reads, and sees a
  // slot's kind before its path.
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (pending[i].path.load() != nullptr) continue;
    pending[i].folder.store(kind == Kind::kFolder);
    pending[i].in.store(folder);
    pending[i].path.store(path_.c_str());
    slot_ = static_cast<int>(i);
    return;
  }
}

PendingTemporary::~PendingTemporary() {
  if (slot_ >= 0) pending[static_cast<std::size_t>(slot_)].path.store(nullptr);
}

void InstallInterruptCleanup() {
  for (int signal : kInterruptSignals) std::signal(signal, OnInterrupt);
  os::IgnoreFileSizeSignal();
}

void ThrowIfInterrupted() {
  if (heldSignal != 0) throw Interrupted{heldSignal};
}

void RaiseInterrupt(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);  // only if the signal did not end the process
}

}  // namespace tessary
