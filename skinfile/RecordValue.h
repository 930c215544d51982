#pragma once
// A component record as plain data: what a record holds without knowing the class it
// describes. The record parser produces it (inspection, skipping records the skin does not
// apply) and the generic writer turns it back into exactly the bytes it came from.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skinfile/ValueTags.h"

namespace tessary {

struct PropertyEntry;
struct CollectionItem;

// One stored value. Which member holds the payload depends on the tag:
//   integer    kInt8, kInt16, kInt32, kInt64, kCurrency (units of 1/10000)
//   text       kString, kIdent, kLString, kUtf8String (the bytes as stored)
//   bytes      kBinary; kExtended, kSingle, kDate and kWString as their raw little-endian
//              bytes, so that a value is written back bit for bit
//   names      kSet
//   items      kList
//   collection kCollection
struct Value {
  ValueTag tag = ValueTag::kNull;
  std::int64_t integer = 0;
  std::string text{};
  std::vector<std::uint8_t> bytes{};
  std::vector<std::string> names{};
  std::vector<Value> items{};
  std::vector<CollectionItem> collection;  // no initializer: CollectionItem is incomplete here

  bool operator==(const Value&) const;
};

// A property path ("Bitmap.Data") and its value.
struct PropertyEntry {
  std::string path{};
  Value value;
  bool operator==(const PropertyEntry&) const = default;
};

// One item of a collection: an optional integer in front (kept only to be written back),
// then the item's property entries.
struct CollectionItem {
  std::optional<Value> index;
  std::vector<PropertyEntry> properties{};
  bool operator==(const CollectionItem&) const = default;
};

// A whole record; children are nested records without the signature.
struct Record {
  std::optional<std::uint8_t> prefixFlags{};  // present when the record had a prefix byte
  std::optional<Value> childPosition{};       // present when the flags ask for it
  std::string className{};
  std::string name{};
  std::vector<PropertyEntry> properties{};
  std::vector<Record> children{};
  bool operator==(const Record&) const = default;
};

inline bool Value::operator==(const Value& other) const {
  return tag == other.tag && integer == other.integer && text == other.text && bytes == other.bytes &&
         names == other.names && items == other.items && collection == other.collection;
}

}  // namespace tessary
