#pragma once
// Reads component records.
//
// Record layout (integers little-endian; a short string is a length byte n and n bytes):
//   signature      "TPF0" (top-level records only; child records start at the prefix)
//   prefix         optional: a byte 0xF0 + flags (1 inherited, 2 child position follows,
//                  4 inline); with flag 2 an integer value (tags 2-4) follows
//   class name     short string, e.g. "TTBBackground"
//   component name short string, e.g. "bgTop"
//   properties     entries of: path (short string, names joined by "."), then a value
//   0              end of properties
//   children       nested records without the signature
//   0              end of children
// A value is a tag byte (ValueTags.h) and the payload the tag prescribes.
//
// The reader never trusts a length from the input: every length is checked against the
// bytes present before anything is allocated or copied, and nesting is bounded. After a
// record, successful or not, the source stands wherever reading stopped; after a successful
// one that is exactly the first byte past the record.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skinfile/ByteReader.h"
#include "skinfile/PropertyTable.h"
#include "skinfile/RecordValue.h"
#include "skinfile/ValueTags.h"

namespace tessary {

// A record's class, component name and property paths in file order.
struct RecordOutline {
  std::string className;
  std::string name;
  std::vector<std::string> properties;
};

// What a record is checked against beyond its target.
struct ReadContext {
  // The names of the other components of the skin: a record may not take one of them.
  std::vector<std::string> otherComponentNames{};
  // The handlers a handler property may name (the skin's components have none).
  std::vector<std::string> handlerNames{};
};

class ComponentReader {
 public:
  explicit ComponentReader(ByteReader& in) : in_(in) {}

  // Reads one record and applies it to `object`, described by `info`, whose component
  // name is `currentName`. A property the record lacks keeps its value. The target is
  // not renamed by a record of another name. Errors after a property path are reported
  // as "Error reading <name>.<path>: <message>".
  void ReadComponent(const ClassInfo& info, void* object, std::string_view currentName,
                     const ReadContext& context = {});

  // Reads one record as plain data (any class, any values, children included). Value
  // errors are reported like ReadComponent's, with the record's own name.
  Record ReadRecord(bool withSignature = true);

  // Reads one record's class, name and property paths; its values and children are
  // stepped over without being built (for a look at a record's layout).
  RecordOutline ReadOutline();

  // Reads one value as plain data.
  Value ReadValue();
  // Steps over one value, checking it as ReadValue does, without building it.
  void SkipValue();

 private:
  void ReadSignature();
  void ReadPrefix(std::optional<std::uint8_t>* flags, std::optional<Value>* childPosition);
  void ApplyEntry(const ClassInfo& info, void* object, std::string_view path, const ReadContext& context);
  void ReadPublished(const PropertyInfo& property, void* object, const ReadContext& context);
  void ReadDefined(const PropertyInfo& property, void* object);
  std::int64_t ReadInteger(ValueTag tag);
  std::string ReadIdentifierName(ValueTag tag);
  std::int64_t MemberOrdinal(const PropertyInfo& property, std::string_view name);
  std::string ReadText(ValueTag tag);
  std::span<const std::uint8_t> ReadBlock(std::size_t unitSize);
  // One value into `value`, or stepped over when it is null.
  void ReadValueInto(Value* value);
  // Entries up to the end marker, kept in `entries` and their paths in `paths` where given
  // (else stepped over); with an owner, value errors name it and the path.
  void ReadEntries(std::string_view owner, std::vector<PropertyEntry>* entries,
                   std::vector<std::string>* paths = nullptr);
  // One record, kept where given (the outline takes its names and paths), else stepped over.
  void ReadRecordInto(bool withSignature, Record* record, RecordOutline* outline);
  ValueTag ReadTag();

  ByteReader& in_;
  int depth_ = 0;
};

// True for a name a component may have: a letter or '_', then letters, digits and '_'.
bool IsValidComponentName(std::string_view name);

}  // namespace tessary
