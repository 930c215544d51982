#pragma once
// Output built in memory without copying its large parts. What is made for the output
// (headers, records, image lists) is appended to a byte vector; shared bytes that go out
// unchanged (a background's pixel rows as read from a file) are not copied into it but
// recorded as splices: "these bytes come before position p of the vector". A save then
// writes the pieces in order, a few large writes with no intermediate copy.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/SharedBytes.h"

namespace tessary {

class Splices {
 public:
  // Shared bytes shorter than this are copied: another piece to write costs more.
  static constexpr std::size_t kMinimumSize = 64 * 1024;

  // Appends `bytes` to the output: as a splice at the end of `out` when they are large
  // enough and `splices` is given, else copied into `out`.
  static void Append(std::vector<std::uint8_t>& out, const SharedBytes& bytes, Splices* splices) {
    if (splices != nullptr && bytes.size() >= kMinimumSize) {
      splices->entries_.push_back({out.size(), bytes});
    } else {
      out.insert(out.end(), bytes.begin(), bytes.end());
    }
  }

  // Bytes spliced at positions from `position` on (a length written at `position` of the
  // vector counts them).
  std::size_t SizeFrom(std::size_t position) const {
    std::size_t size = 0;
    for (const Entry& entry : entries_) {
      if (entry.position >= position) size += entry.bytes.size();
    }
    return size;
  }

  // The whole output in order: pieces of `built` with the splices between them.
  std::vector<std::span<const std::uint8_t>> Pieces(std::span<const std::uint8_t> built) const {
    std::vector<std::span<const std::uint8_t>> pieces;
    std::size_t at = 0;
    for (const Entry& entry : entries_) {
      if (entry.position > at) pieces.push_back(built.subspan(at, entry.position - at));
      pieces.push_back(entry.bytes.Span());
      at = entry.position;
    }
    if (at < built.size()) pieces.push_back(built.subspan(at));
    return pieces;
  }

 private:
  struct Entry {
    std::size_t position;  // never decreases: splices are only added at the end
    SharedBytes bytes;
  };
  std::vector<Entry> entries_;
};

}  // namespace tessary
