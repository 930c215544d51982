#pragma once
// Little-endian reading over a byte span that never reads past the end: a short read is
// an error (kStreamReadError by default), never zero-filled.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Error.h"
#include "skin/SharedBytes.h"

namespace tessary {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes, const char* shortReadMessage = msg::kStreamReadError)
      : bytes_(bytes), shortRead_(shortReadMessage) {}
  // Over shared bytes, TakeShared hands out slices of them instead of copies.
  explicit ByteReader(const SharedBytes& bytes, const char* shortReadMessage = msg::kStreamReadError)
      : bytes_(bytes.Span()), shared_(bytes), shortRead_(shortReadMessage) {}

  std::size_t Position() const { return pos_; }
  std::size_t Size() const { return bytes_.size(); }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

  // Moves to an absolute position; past the end is a short read.
  void Seek(std::size_t position) {
    if (position > bytes_.size()) Fail(shortRead_);
    pos_ = position;
  }
  void Skip(std::size_t count) { Take(count); }

  // The next `count` bytes, checked against what is present.
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > Remaining()) Fail(shortRead_);
    auto out = bytes_.subspan(pos_, count);
    pos_ += count;
    return out;
  }
  // The next `count` bytes as shared bytes: a slice when the reader is over shared bytes,
  // else a copy.
  SharedBytes TakeShared(std::size_t count) {
    const std::size_t at = pos_;
    const auto bytes = Take(count);
    return shared_.empty() ? SharedBytes::Copy(bytes) : shared_.Slice(at, count);
  }
  std::uint8_t PeekU8() const {
    if (AtEnd()) Fail(shortRead_);
    return bytes_[pos_];
  }

  std::uint8_t U8() { return Take(1)[0]; }
  std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
  std::uint16_t U16() {
    auto b = Take(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() {
    auto b = Take(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::uint64_t U64() {
    const std::uint64_t low = U32();
    return low | (static_cast<std::uint64_t>(U32()) << 32);
  }
  std::int64_t I64() { return static_cast<std::int64_t>(U64()); }

  // `count` bytes as text (one byte per character).
  std::string Text(std::size_t count) {
    auto b = Take(count);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
  }
  // A length byte n, then n bytes.
  std::string ShortString() { return Text(U8()); }

 private:
  std::span<const std::uint8_t> bytes_;
  SharedBytes shared_;
  std::size_t pos_ = 0;
  const char* shortRead_;
};

// Little-endian appending to a byte vector.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  std::size_t Size() const { return out_.size(); }
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void U64(std::uint64_t v) {
    U32(static_cast<std::uint32_t>(v));
    U32(static_cast<std::uint32_t>(v >> 32));
  }
  void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bytes(std::span<const std::uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
  void Text(std::string_view text) { out_.insert(out_.end(), text.begin(), text.end()); }
  void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }
  // Overwrites 4 bytes at an earlier position (sizes known only after writing).
  void PatchU32(std::size_t position, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) out_[position + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace tessary
