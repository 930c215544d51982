#pragma once
// Writes component records: the signature, the record head, typed values and property
// entries, either from a class table (PropertyTable.h) and an object, or from a plain
// Record (RecordValue.h). Output is appended to a byte vector, the memory buffer that a
// skin file is built in before it is written in one piece.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Colour.h"
#include "skinfile/ByteReader.h"
#include "skinfile/PropertyTable.h"
#include "skinfile/RecordValue.h"
#include "skinfile/ValueTags.h"

namespace tessary {

class ComponentWriter {
 public:
  // With `splices`, large shared bytes of defined data properties are spliced in rather
  // than copied into `out` (Splices.h).
  explicit ComponentWriter(std::vector<std::uint8_t>& out, Splices* splices = nullptr)
      : out_(out), bytes_(out), splices_(splices) {}

  // Appends one complete record for `object`: signature, class name, `name`, the stored
  // properties the table selects, and the two end markers.
  void WriteComponent(const ClassInfo& info, const void* object, std::string_view name);

  // Appends a plain record; nested children are written without the signature.
  void WriteRecord(const Record& record, bool withSignature = true);

  // Appends a plain value exactly as it is held (tags are not re-chosen).
  void WriteValue(const Value& value);

  // Building blocks, each appending one element of the encoding.
  void Signature();
  void Prefix(std::uint8_t flags, std::optional<std::int64_t> childPosition = std::nullopt);
  void ShortString(std::string_view text);  // cut to 255 bytes
  void Tag(ValueTag tag) { bytes_.U8(TagByte(tag)); }
  void Integer(std::int64_t value);        // tag 2, 3, 4 or 19 by range
  void ColourValue(Colour colour);         // identifier when the colour table names it
  void Identifier(std::string_view name);  // False/True/Null/nil as bare tags
  void Text(std::string_view utf8);        // tag 6, 12, 18 or 20 by the text rule
  void Set(std::uint32_t members, std::span<const std::string_view> memberNames);
  void Binary(std::span<const std::uint8_t> bytes);
  // A byte block whose content is appended by the caller between these two calls (so a
  // payload is written straight into the output without an intermediate copy).
  std::size_t BeginBinary();
  void EndBinary(std::size_t lengthPosition);

 private:
  void WriteProperties(const ClassInfo& info, const void* object, const std::string& prefix);
  void WritePublished(const PropertyInfo& property, const void* object, const std::string& prefix);
  void WriteDefined(const PropertyInfo& property, const void* object, const std::string& prefix);
  void WriteEntries(const std::vector<PropertyEntry>& entries);

  std::vector<std::uint8_t>& out_;
  ByteWriter bytes_;
  Splices* splices_;
};

}  // namespace tessary
