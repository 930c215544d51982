#pragma once
// The byte constants of the component record encoding: value tags, the record signature,
// the prefix byte and its flags, and the sizes of its fields (the limits the reader enforces
// are in skin/Limits.h).
#include <array>
#include <cstddef>
#include <cstdint>

namespace tessary {

// The one-byte tag in front of every stored value; it says how many bytes follow.
enum class ValueTag : std::uint8_t {
  kNull = 0,         // end marker of lists, property entries and records; also "Null"
  kList = 1,         // values up to and including a kNull
  kInt8 = 2,         // 1 byte, signed
  kInt16 = 3,        // 2 bytes, signed
  kInt32 = 4,        // 4 bytes, signed
  kExtended = 5,     // 10 bytes, 80-bit IEEE extended precision
  kString = 6,       // length byte n, n bytes of 8-bit text
  kIdent = 7,        // length byte n, n bytes
  kFalse = 8,        // no payload
  kTrue = 9,         // no payload
  kBinary = 10,      // 32-bit length n, n bytes
  kSet = 11,         // short-string names ended by an empty name
  kLString = 12,     // 32-bit length n, n bytes of 8-bit text
  kNil = 13,         // no payload
  kCollection = 14,  // items up to and including a kNull
  kSingle = 15,      // 4 bytes, IEEE single precision
  kCurrency = 16,    // 8 bytes, signed, units of 1/10000
  kDate = 17,        // 8 bytes, IEEE double precision (days)
  kWString = 18,     // 32-bit count n of UTF-16 code units, 2n bytes
  kInt64 = 19,       // 8 bytes, signed
  kUtf8String = 20,  // 32-bit length n, n bytes of UTF-8
};
inline constexpr std::uint8_t kLastValueTag = 20;

inline constexpr std::uint8_t TagByte(ValueTag tag) { return static_cast<std::uint8_t>(tag); }

// Every top-level record starts with these four bytes; nested child records do not.
inline constexpr std::array<std::uint8_t, 4> kRecordSignature = {'T', 'P', 'F', '0'};

// A byte of kPrefixBase or more where the class name would start is a prefix; its low four
// bits are flags.
inline constexpr std::uint8_t kPrefixBase = 0xF0;
inline constexpr std::uint8_t kPrefixFlagMask = 0x0F;
inline constexpr std::uint8_t kPrefixInherited = 0x01;
inline constexpr std::uint8_t kPrefixChildPosition = 0x02;  // an integer value follows
inline constexpr std::uint8_t kPrefixInline = 0x04;

// Short strings carry a one-byte length.
inline constexpr std::size_t kMaxShortString = 255;

// Members of a set are the ordinals 0 to 31.
inline constexpr int kMaxSetOrdinal = 31;

}  // namespace tessary
