#include "skinfile/ComponentWriter.h"

#include <limits>

#include "skin/Error.h"
#include "skinfile/TextEncoding.h"

namespace tessary {
namespace {

constexpr char kPathSeparator = '.';
constexpr std::size_t kUtf16UnitBytes = 2;

// The identifiers that the encoding stores as bare tags instead of tag 7.
struct BareIdentifier {
  std::string_view name;
  ValueTag tag;
};
constexpr BareIdentifier kBareIdentifiers[] = {
    {"False", ValueTag::kFalse}, {"True", ValueTag::kTrue}, {"Null", ValueTag::kNull}, {"nil", ValueTag::kNil}};

bool IsNumberKind(PropertyKind kind) {
  return kind == PropertyKind::kInteger || kind == PropertyKind::kInt64 || kind == PropertyKind::kColour ||
         kind == PropertyKind::kEnumeration || kind == PropertyKind::kBoolean || kind == PropertyKind::kSet;
}

}  // namespace

void ComponentWriter::Signature() { bytes_.Bytes(kRecordSignature); }

void ComponentWriter::Prefix(std::uint8_t flags, std::optional<std::int64_t> childPosition) {
  bytes_.U8(static_cast<std::uint8_t>(kPrefixBase | (flags & kPrefixFlagMask)));
  if ((flags & kPrefixChildPosition) != 0) Integer(childPosition.value_or(0));
}

void ComponentWriter::ShortString(std::string_view text) {
  if (text.size() > kMaxShortString) text = text.substr(0, kMaxShortString);
  bytes_.U8(static_cast<std::uint8_t>(text.size()));
  bytes_.Text(text);
}

void ComponentWriter::Integer(std::int64_t value) {
  if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max()) {
    Tag(ValueTag::kInt8);
    bytes_.U8(static_cast<std::uint8_t>(value));
  } else if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()) {
    Tag(ValueTag::kInt16);
    bytes_.I16(static_cast<std::int16_t>(value));
  } else if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
    Tag(ValueTag::kInt32);
    bytes_.I32(static_cast<std::int32_t>(value));
  } else {
    Tag(ValueTag::kInt64);
    bytes_.U64(static_cast<std::uint64_t>(value));
  }
}

void ComponentWriter::ColourValue(Colour colour) {
  if (auto identifier = ColourIdentifier(colour)) {
    Tag(ValueTag::kIdent);
    ShortString(*identifier);
  } else {
    // The colour type is a signed 32-bit integer: system-colour-like values come out negative.
    Integer(static_cast<std::int32_t>(colour));
  }
}

void ComponentWriter::Identifier(std::string_view name) {
  for (const BareIdentifier& bare : kBareIdentifiers) {
    if (EqualsIgnoringAsciiCase(bare.name, name)) {
      Tag(bare.tag);
      return;
    }
  }
  Tag(ValueTag::kIdent);
  ShortString(name);
}

void ComponentWriter::Text(std::string_view utf8) {
  // Texts whose UTF-8 form is at least twice their UTF-16 form are cheaper as UTF-16.
  const std::size_t units = Utf16Length(utf8);
  if (utf8.size() >= kUtf16UnitBytes * units) {
    if (units > std::numeric_limits<std::uint32_t>::max()) Fail(msg::kStreamWriteError);
    Tag(ValueTag::kWString);
    bytes_.U32(static_cast<std::uint32_t>(units));
    for (char16_t unit : Utf8ToUtf16(utf8)) bytes_.U16(unit);
    return;
  }
  // Text that survives the 8-bit code page unchanged is stored as 8-bit text; anything
  // the code page would alter is stored as UTF-8.
  if (Utf8ToCp1252(utf8) != utf8) {
    if (utf8.size() > std::numeric_limits<std::uint32_t>::max()) Fail(msg::kStreamWriteError);
    Tag(ValueTag::kUtf8String);
    bytes_.U32(static_cast<std::uint32_t>(utf8.size()));
    bytes_.Text(utf8);
  } else if (utf8.size() <= kMaxShortString) {
    Tag(ValueTag::kString);
    ShortString(utf8);
  } else {
    if (utf8.size() > std::numeric_limits<std::uint32_t>::max()) Fail(msg::kStreamWriteError);
    Tag(ValueTag::kLString);
    bytes_.U32(static_cast<std::uint32_t>(utf8.size()));
    bytes_.Text(utf8);
  }
}

void ComponentWriter::Set(std::uint32_t members, std::span<const std::string_view> memberNames) {
  Tag(ValueTag::kSet);
  for (std::size_t ordinal = 0; ordinal < memberNames.size() && ordinal <= kMaxSetOrdinal; ++ordinal) {
    if ((members >> ordinal) & 1u) ShortString(memberNames[ordinal]);
  }
  bytes_.U8(0);
}

void ComponentWriter::Binary(std::span<const std::uint8_t> bytes) {
  const std::size_t at = BeginBinary();
  bytes_.Bytes(bytes);
  EndBinary(at);
}

std::size_t ComponentWriter::BeginBinary() {
  Tag(ValueTag::kBinary);
  const std::size_t at = bytes_.Size();
  bytes_.U32(0);
  return at;
}

void ComponentWriter::EndBinary(std::size_t lengthPosition) {
  const std::size_t length = bytes_.Size() - lengthPosition - sizeof(std::uint32_t) +
                             (splices_ != nullptr ? splices_->SizeFrom(lengthPosition) : 0);
  if (length > std::numeric_limits<std::uint32_t>::max()) Fail(msg::kStreamWriteError);
  bytes_.PatchU32(lengthPosition, static_cast<std::uint32_t>(length));
}

void ComponentWriter::WriteComponent(const ClassInfo& info, const void* object, std::string_view name) {
  Signature();
  ShortString(info.className);
  ShortString(name);
  WriteProperties(info, object, {});
  Tag(ValueTag::kNull);  // end of properties
  Tag(ValueTag::kNull);  // end of children: the described classes have none
}

void ComponentWriter::WriteProperties(const ClassInfo& info, const void* object, const std::string& prefix) {
  for (const PropertyInfo& property : info.published) WritePublished(property, object, prefix);
  for (const PropertyInfo& property : info.defined) WriteDefined(property, object, prefix);
}

void ComponentWriter::WritePublished(const PropertyInfo& property, const void* object, const std::string& prefix) {
  if (property.kind == PropertyKind::kObject) {
    // The sub-object's own properties are stored under "Name."; a missing object stores nothing.
    if (const void* sub = property.viewObject(object)) {
      WriteProperties(*property.objectClass, sub, prefix + std::string(property.name) + kPathSeparator);
    }
    return;
  }
  // A property that cannot be read back is not stored.
  const bool readOnly = IsNumberKind(property.kind) ? !property.setNumber : !property.setText;
  if (readOnly) return;
  const std::string path = prefix + std::string(property.name);
  if (IsNumberKind(property.kind)) {
    const std::int64_t value = property.getNumber(object);
    if (value == property.defaultValue) return;
    ShortString(path);
    switch (property.kind) {
      case PropertyKind::kColour: ColourValue(static_cast<Colour>(value)); break;
      case PropertyKind::kEnumeration:
      case PropertyKind::kBoolean:
        if (value < 0 || static_cast<std::size_t>(value) >= property.memberNames.size()) {
          Fail(msg::kInvalidPropertyValue);
        }
        Identifier(property.memberNames[static_cast<std::size_t>(value)]);
        break;
      case PropertyKind::kSet: Set(static_cast<std::uint32_t>(value), property.memberNames); break;
      default: Integer(value); break;
    }
    return;
  }
  if (property.kind == PropertyKind::kText || property.kind == PropertyKind::kHandler) {
    const std::string text = property.getText(object);
    if (text.empty()) return;
    ShortString(path);
    if (property.kind == PropertyKind::kText) {
      Text(text);
    } else {
      Identifier(text);
    }
  }
}

void ComponentWriter::WriteDefined(const PropertyInfo& property, const void* object, const std::string& prefix) {
  if (property.kind == PropertyKind::kDesignWord) {
    // The word's unsigned value: 32768 and more take a 32-bit integer.
    const auto word = static_cast<std::uint16_t>(property.getNumber(object));
    if (word == 0) return;
    ShortString(prefix + std::string(property.name));
    Integer(word);
  } else if (property.kind == PropertyKind::kData) {
    if (!property.hasData(object)) return;
    ShortString(prefix + std::string(property.name));
    const std::size_t at = BeginBinary();
    property.writeData(object, out_, splices_);
    EndBinary(at);
  }
}

void ComponentWriter::WriteValue(const Value& value) {
  Tag(value.tag);
  switch (value.tag) {
    case ValueTag::kNull:
    case ValueTag::kFalse:
    case ValueTag::kTrue:
    case ValueTag::kNil: break;
    case ValueTag::kList:
      for (const Value& item : value.items) WriteValue(item);
      Tag(ValueTag::kNull);
      break;
    case ValueTag::kInt8: bytes_.U8(static_cast<std::uint8_t>(value.integer)); break;
    case ValueTag::kInt16: bytes_.I16(static_cast<std::int16_t>(value.integer)); break;
    case ValueTag::kInt32: bytes_.I32(static_cast<std::int32_t>(value.integer)); break;
    case ValueTag::kInt64:
    case ValueTag::kCurrency: bytes_.U64(static_cast<std::uint64_t>(value.integer)); break;
    case ValueTag::kExtended:
    case ValueTag::kSingle:
    case ValueTag::kDate: bytes_.Bytes(value.bytes); break;
    case ValueTag::kString:
    case ValueTag::kIdent: ShortString(value.text); break;
    case ValueTag::kLString:
    case ValueTag::kUtf8String:
      bytes_.U32(static_cast<std::uint32_t>(value.text.size()));
      bytes_.Text(value.text);
      break;
    case ValueTag::kBinary:
      bytes_.U32(static_cast<std::uint32_t>(value.bytes.size()));
      bytes_.Bytes(value.bytes);
      break;
    case ValueTag::kWString:
      bytes_.U32(static_cast<std::uint32_t>(value.bytes.size() / kUtf16UnitBytes));
      bytes_.Bytes(value.bytes);
      break;
    case ValueTag::kSet:
      for (const std::string& name : value.names) ShortString(name);
      bytes_.U8(0);
      break;
    case ValueTag::kCollection:
      for (const CollectionItem& item : value.collection) {
        if (item.index) WriteValue(*item.index);
        Tag(ValueTag::kList);
        WriteEntries(item.properties);
      }
      Tag(ValueTag::kNull);
      break;
  }
}

void ComponentWriter::WriteEntries(const std::vector<PropertyEntry>& entries) {
  for (const PropertyEntry& entry : entries) {
    ShortString(entry.path);
    WriteValue(entry.value);
  }
  Tag(ValueTag::kNull);
}

void ComponentWriter::WriteRecord(const Record& record, bool withSignature) {
  if (withSignature) Signature();
  if (record.prefixFlags) {
    bytes_.U8(static_cast<std::uint8_t>(kPrefixBase | (*record.prefixFlags & kPrefixFlagMask)));
    if (record.childPosition) WriteValue(*record.childPosition);
  }
  ShortString(record.className);
  ShortString(record.name);
  WriteEntries(record.properties);
  for (const Record& child : record.children) WriteRecord(child, false);
  Tag(ValueTag::kNull);
}

}  // namespace tessary
