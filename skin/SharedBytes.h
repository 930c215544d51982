#pragma once
// Immutable bytes with shared ownership, and slices of them that keep the whole alive. A
// file is read into memory once; the pictures read from it keep slices of that memory
// instead of copies, and a save writes those slices straight out again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace tessary {

class SharedBytes {
 public:
  SharedBytes() = default;

  // `bytes` must stay valid while `owner` lives.
  SharedBytes(std::shared_ptr<const void> owner, std::span<const std::uint8_t> bytes)
      : owner_(std::move(owner)), bytes_(bytes) {}

  // Takes the vector over (no copy of its bytes).
  static SharedBytes FromVector(std::vector<std::uint8_t> bytes) {
    auto owned = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    const std::span<const std::uint8_t> view(*owned);
    return SharedBytes(std::move(owned), view);
  }

  // A copy of bytes whose owner is unknown.
  static SharedBytes Copy(std::span<const std::uint8_t> bytes) {
    return FromVector(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }

  std::span<const std::uint8_t> Span() const { return bytes_; }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  auto begin() const { return bytes_.begin(); }
  auto end() const { return bytes_.end(); }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

  // `count` bytes from `offset`, sharing this owner; the caller has checked the range.
  SharedBytes Slice(std::size_t offset, std::size_t count) const {
    return SharedBytes(owner_, bytes_.subspan(offset, count));
  }

  // Whether both views share one owner (so one is no copy of the other).
  bool SharesOwnerWith(const SharedBytes& other) const { return owner_ && owner_ == other.owner_; }

 private:
  std::shared_ptr<const void> owner_;
  std::span<const std::uint8_t> bytes_;
};

}  // namespace tessary
