#pragma once
// Sizes and tags of the BMP file format, shared by the BMP reader and writer and by the
// image-list payload, whose two bitmaps are BMP files.
#include <cstddef>
#include <cstdint>

namespace tessary {

inline constexpr std::uint8_t kBmpMagic[2] = {'B', 'M'};
inline constexpr std::uint32_t kBmpFileHeaderSize = 14;  // magic, total size, two reserved words, offset
inline constexpr std::uint32_t kBmpCoreHeaderSize = 12;
inline constexpr std::uint32_t kBmpInfoHeaderSize = 40;
// An info header at least this long holds the three colour masks itself.
inline constexpr std::uint32_t kBmpHeaderWithMasksSize = 52;
inline constexpr std::uint32_t kBmpMasksSize = 12;     // red, green, blue masks after a 40-byte header
inline constexpr std::uint32_t kBmpInfoEntrySize = 4;  // blue, green, red, reserved
inline constexpr std::uint32_t kBmpCoreEntrySize = 3;  // blue, green, red
inline constexpr std::uint16_t kBmpPlanes = 1;

}  // namespace tessary
