#pragma once
// Observers in the core are plain callbacks with connection handles: no Qt signals here.
// A Connection disconnects when it is destroyed or reset; copying a Signal's owner never
// copies its observers.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tessary {

class Connection;

template <typename... Args>
class Signal {
 public:
  using Slot = std::function<void(Args...)>;

  Signal() = default;
  Signal(const Signal&) : Signal() {}  // observers are not copied
  Signal& operator=(const Signal&) { return *this; }
  ~Signal() { state_->alive = false; }

  // Registers a callback; it stays registered while the returned handle lives.
  [[nodiscard]] Connection Connect(Slot slot);

  // Calls every connected observer once, in connection order. Observers connected or
  // disconnected during the call take effect for the next one. An observer may destroy the
  // signal's owner: the observers after it are then not called.
  void Emit(Args... args) const {
    const std::shared_ptr<State> state = state_;  // outlives the owner if an observer frees it
    auto observers = state->observers;            // copy: an observer may disconnect itself
    for (auto& [id, slot] : observers) {
      if (!state->alive) return;
      if (state->IsConnected(id)) slot(args...);
    }
  }

 private:
  // No member may be called "slots" or "signals": Qt defines those words as macros.
  struct State {
    bool alive = true;
    int nextId = 1;
    std::vector<std::pair<int, Slot>> observers;
    bool IsConnected(int id) const {
      for (auto& entry : observers)
        if (entry.first == id) return true;
      return false;
    }
    void Disconnect(int id) {
      for (auto it = observers.begin(); it != observers.end(); ++it) {
        if (it->first == id) {
          observers.erase(it);
          return;
        }
      }
    }
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

// Handle of one registration. Move-only; disconnects on destruction.
class Connection {
 public:
  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, {})) {}
  Connection& operator=(Connection&& other) noexcept {
    if (this != &other) {
      Reset();
      disconnect_ = std::exchange(other.disconnect_, {});
    }
    return *this;
  }
  ~Connection() { Reset(); }

  void Reset() {
    if (disconnect_) std::exchange(disconnect_, {})();
  }
  bool IsConnected() const { return static_cast<bool>(disconnect_); }

 private:
  template <typename...>
  friend class Signal;
  explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
  std::function<void()> disconnect_;
};

template <typename... Args>
Connection Signal<Args...>::Connect(Slot slot) {
  const int id = state_->nextId++;
  state_->observers.emplace_back(id, std::move(slot));
  std::weak_ptr<State> weak = state_;
  return Connection([weak, id] {
    if (auto state = weak.lock()) state->Disconnect(id);
  });
}

}  // namespace tessary
