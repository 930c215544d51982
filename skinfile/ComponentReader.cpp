#include "skinfile/ComponentReader.h"

#include <algorithm>
#include <cstring>

#include "skin/Colour.h"
#include "skin/Error.h"
#include "skin/Limits.h"
#include "skinfile/TextEncoding.h"

namespace tessary {
namespace {

constexpr char kPathSeparator = '.';
constexpr std::size_t kUtf16UnitBytes = 2;
constexpr std::size_t kExtendedBytes = 10;
constexpr std::size_t kSingleBytes = 4;
constexpr std::size_t kDateBytes = 8;
constexpr std::uint32_t kLowWordMask = 0xFFFF;

// Bounds how deeply lists, collections and child records nest.
class NestingGuard {
 public:
  explicit NestingGuard(int& depth) : depth_(depth) {
    if (++depth_ > kMaxNesting) {
      --depth_;
      Fail(msg::kInvalidStreamFormat);
    }
  }
  ~NestingGuard() { --depth_; }
  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;

 private:
  int& depth_;
};

bool IsIntegerTag(ValueTag tag) { return tag == ValueTag::kInt8 || tag == ValueTag::kInt16 || tag == ValueTag::kInt32; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

void CheckComponentName(std::string_view readName, std::string_view currentName, const ReadContext& context) {
  if (readName == currentName) return;
  const std::string name(readName);
  if (!IsValidComponentName(readName)) Fail(msg::kInvalidComponentName, {name});
  // Another letter case of the component's own name is no clash.
  if (EqualsIgnoringAsciiCase(readName, currentName)) return;
  for (const std::string& other : context.otherComponentNames) {
    if (EqualsIgnoringAsciiCase(other, readName)) Fail(msg::kDuplicateComponentName, {name});
  }
}

}  // namespace

bool IsValidComponentName(std::string_view name) {
  if (name.empty() || IsAsciiDigit(name.front())) return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_'; });
}

ValueTag ComponentReader::ReadTag() {
  const std::uint8_t tag = in_.U8();
  if (tag > kLastValueTag) Fail(msg::kInvalidPropertyValue);
  return static_cast<ValueTag>(tag);
}

void ComponentReader::ReadSignature() {
  const auto signature = in_.Take(kRecordSignature.size());
  if (!std::equal(signature.begin(), signature.end(), kRecordSignature.begin())) Fail(msg::kInvalidStreamFormat);
}

void ComponentReader::ReadPrefix(std::optional<std::uint8_t>* flags, std::optional<Value>* childPosition) {
  if (in_.PeekU8() < kPrefixBase) return;
  const std::uint8_t bits = in_.U8() & kPrefixFlagMask;
  if (flags) *flags = bits;
  if ((bits & kPrefixChildPosition) == 0) return;
  const ValueTag tag = ReadTag();
  if (!IsIntegerTag(tag)) Fail(msg::kInvalidPropertyValue);
  Value position;
  position.tag = tag;
  position.integer = ReadInteger(tag);
  if (childPosition) *childPosition = std::move(position);
}

std::int64_t ComponentReader::ReadInteger(ValueTag tag) {
  switch (tag) {
    case ValueTag::kInt8: return in_.I8();
    case ValueTag::kInt16: return in_.I16();
    case ValueTag::kInt32: return in_.I32();
    default: Fail(msg::kInvalidPropertyValue);
  }
}

std::span<const std::uint8_t> ComponentReader::ReadBlock(std::size_t unitSize) {
  const std::size_t count = in_.U32();
  // Compared by division so a count near 2^32 cannot overflow on a 32-bit size_t.
  if (count > in_.Remaining() / unitSize) Fail(msg::kStreamReadError);
  return in_.Take(count * unitSize);
}

std::string ComponentReader::ReadText(ValueTag tag) {
  switch (tag) {
    case ValueTag::kString: return Cp1252ToUtf8(in_.ShortString());
    case ValueTag::kLString: {
      auto bytes = ReadBlock(1);
      return Cp1252ToUtf8({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    case ValueTag::kUtf8String: {
      auto bytes = ReadBlock(1);
      return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    case ValueTag::kWString: {
      auto bytes = ReadBlock(kUtf16UnitBytes);
      std::u16string units(bytes.size() / kUtf16UnitBytes, u'\0');
      for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
      }
      return Utf16ToUtf8(units);
    }
    default: Fail(msg::kInvalidPropertyValue);
  }
}

std::string ComponentReader::ReadIdentifierName(ValueTag tag) {
  switch (tag) {
    case ValueTag::kIdent: return in_.ShortString();
    case ValueTag::kFalse: return "False";
    case ValueTag::kTrue: return "True";
    case ValueTag::kNull: return "Null";
    case ValueTag::kNil: return "nil";
    default: Fail(msg::kInvalidPropertyValue);
  }
}

std::int64_t ComponentReader::MemberOrdinal(const PropertyInfo& property, std::string_view name) {
  for (std::size_t ordinal = 0; ordinal < property.memberNames.size(); ++ordinal) {
    if (EqualsIgnoringAsciiCase(property.memberNames[ordinal], name)) return static_cast<std::int64_t>(ordinal);
  }
  // A name outside the type would give an ordinal of no member; refused instead.
  Fail(msg::kInvalidPropertyValue);
}

void ComponentReader::ReadComponent(const ClassInfo& info, void* object, std::string_view currentName,
                                    const ReadContext& context) {
  ReadSignature();
  ReadPrefix(nullptr, nullptr);
  in_.ShortString();  // the class name is not compared: a record of another class fails at
                      // its first property the target lacks
  const std::string readName = in_.ShortString();
  CheckComponentName(readName, currentName, context);
  const std::string shownName(currentName.empty() ? info.className : currentName);

  while (in_.PeekU8() != TagByte(ValueTag::kNull)) {
    const std::string path = in_.ShortString();
    try {
      ApplyEntry(info, object, path, context);
    } catch (const SkinError& error) {
      throw SkinError(FormatMessage(msg::kErrorReading, {shownName, ".", path, error.what()}));
    }
  }
  in_.U8();
  // The described classes own no children; any found are stepped over, not applied.
  while (in_.PeekU8() != TagByte(ValueTag::kNull)) ReadRecordInto(false, nullptr, nullptr);
  in_.U8();
}

void ComponentReader::ApplyEntry(const ClassInfo& info, void* object, std::string_view path,
                                 const ReadContext& context) {
  const ClassInfo* currentClass = &info;
  void* current = object;
  std::string_view rest = path;
  for (std::size_t dot = rest.find(kPathSeparator); dot != std::string_view::npos; dot = rest.find(kPathSeparator)) {
    const std::string_view part = rest.substr(0, dot);
    const PropertyInfo* property = FindProperty(currentClass->published, part);
    if (!property) Fail(msg::kPropertyDoesNotExist, {part});
    if (property->kind != PropertyKind::kObject) Fail(msg::kInvalidPropertyPath);
    current = property->editObject(current);
    if (!current) Fail(msg::kInvalidPropertyPath);
    currentClass = property->objectClass;
    rest = rest.substr(dot + 1);
  }
  if (const PropertyInfo* property = FindProperty(currentClass->published, rest)) {
    ReadPublished(*property, current, context);
  } else if (const PropertyInfo* defined = FindProperty(currentClass->defined, rest)) {
    ReadDefined(*defined, current);
  } else {
    // Refused whatever it holds: stepped over, not built.
    SkipValue();
    Fail(msg::kPropertyDoesNotExist, {rest});
  }
}

void ComponentReader::ReadPublished(const PropertyInfo& property, void* object, const ReadContext& context) {
  switch (property.kind) {
    case PropertyKind::kText:
    case PropertyKind::kHandler:
      if (!property.setText) Fail(msg::kPropertyReadOnly);
      break;
    case PropertyKind::kObject: break;  // a sub-object is filled through its own properties
    default:
      if (!property.setNumber) Fail(msg::kPropertyReadOnly);
      break;
  }
  const ValueTag tag = ReadTag();
  switch (property.kind) {
    case PropertyKind::kInteger: property.setNumber(object, ReadInteger(tag)); break;
    case PropertyKind::kInt64:
      property.setNumber(object, tag == ValueTag::kInt64 ? in_.I64() : ReadInteger(tag));
      break;
    case PropertyKind::kColour:
      if (tag == ValueTag::kIdent) {
        const auto colour = ColourFromIdentifier(in_.ShortString());
        if (!colour) Fail(msg::kInvalidPropertyValue);
        property.setNumber(object, *colour);
      } else {
        property.setNumber(object, static_cast<Colour>(static_cast<std::int32_t>(ReadInteger(tag))));
      }
      break;
    case PropertyKind::kEnumeration:
    case PropertyKind::kBoolean: property.setNumber(object, MemberOrdinal(property, ReadIdentifierName(tag))); break;
    case PropertyKind::kSet: {
      if (tag != ValueTag::kSet) Fail(msg::kInvalidPropertyValue);
      std::uint32_t members = 0;
      for (std::string name = in_.ShortString(); !name.empty(); name = in_.ShortString()) {
        const std::int64_t ordinal = MemberOrdinal(property, name);
        if (ordinal <= kMaxSetOrdinal) members |= 1u << ordinal;
      }
      property.setNumber(object, members);
      break;
    }
    case PropertyKind::kText: property.setText(object, ReadText(tag)); break;
    case PropertyKind::kHandler: {
      if (tag == ValueTag::kNil) {
        property.setText(object, {});
        break;
      }
      const std::string name = ReadIdentifierName(tag);
      auto found = std::find_if(context.handlerNames.begin(), context.handlerNames.end(),
                                [&](const std::string& handler) { return EqualsIgnoringAsciiCase(handler, name); });
      if (found == context.handlerNames.end()) Fail(msg::kInvalidPropertyValue);
      property.setText(object, *found);
      break;
    }
    case PropertyKind::kObject:
      // nil empties the object; collections and references to other components do not
      // occur in the described classes.
      if (tag != ValueTag::kNil) Fail(msg::kInvalidPropertyValue);
      if (!property.clearObject) Fail(msg::kPropertyReadOnly);
      property.clearObject(object);
      break;
    case PropertyKind::kData:
    case PropertyKind::kDesignWord:
      Fail(msg::kInvalidPropertyValue);  // defined properties never sit among published ones
  }
}

void ComponentReader::ReadDefined(const PropertyInfo& property, void* object) {
  const ValueTag tag = ReadTag();
  if (property.kind == PropertyKind::kDesignWord) {
    property.setNumber(object, static_cast<std::uint32_t>(ReadInteger(tag)) & kLowWordMask);
    return;
  }
  if (tag != ValueTag::kBinary) Fail(msg::kInvalidPropertyValue);
  const std::size_t count = in_.U32();
  if (count > in_.Remaining()) Fail(msg::kStreamReadError);
  property.readData(object, in_.TakeShared(count));
}

Value ComponentReader::ReadValue() {
  Value value;
  ReadValueInto(&value);
  return value;
}

void ComponentReader::SkipValue() { ReadValueInto(nullptr); }

void ComponentReader::ReadValueInto(Value* value) {
  const ValueTag tag = ReadTag();
  if (value) value->tag = tag;
  switch (tag) {
    case ValueTag::kNull:
    case ValueTag::kFalse:
    case ValueTag::kTrue:
    case ValueTag::kNil: break;
    case ValueTag::kList: {
      NestingGuard guard(depth_);
      while (in_.PeekU8() != TagByte(ValueTag::kNull)) ReadValueInto(value ? &value->items.emplace_back() : nullptr);
      in_.U8();
      break;
    }
    case ValueTag::kInt8:
    case ValueTag::kInt16:
    case ValueTag::kInt32: {
      const std::int64_t integer = ReadInteger(tag);
      if (value) value->integer = integer;
      break;
    }
    case ValueTag::kInt64:
    case ValueTag::kCurrency: {
      const std::int64_t integer = in_.I64();
      if (value) value->integer = integer;
      break;
    }
    case ValueTag::kExtended:
    case ValueTag::kSingle:
    case ValueTag::kDate: {
      const std::size_t size = tag == ValueTag::kExtended ? kExtendedBytes
                               : tag == ValueTag::kSingle ? kSingleBytes
                                                          : kDateBytes;
      const auto bytes = in_.Take(size);
      if (value) value->bytes.assign(bytes.begin(), bytes.end());
      break;
    }
    case ValueTag::kString:
    case ValueTag::kIdent:
    case ValueTag::kLString:
    case ValueTag::kUtf8String: {
      const auto bytes = tag == ValueTag::kString || tag == ValueTag::kIdent ? in_.Take(in_.U8()) : ReadBlock(1);
      if (value) value->text.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
      break;
    }
    case ValueTag::kBinary:
    case ValueTag::kWString: {
      const auto bytes = ReadBlock(tag == ValueTag::kBinary ? 1 : kUtf16UnitBytes);
      if (value) value->bytes.assign(bytes.begin(), bytes.end());
      break;
    }
    case ValueTag::kSet:
      for (std::size_t length = in_.U8(); length != 0; length = in_.U8()) {
        const auto name = in_.Take(length);
        if (value) value->names.emplace_back(reinterpret_cast<const char*>(name.data()), name.size());
      }
      break;
    case ValueTag::kCollection: {
      NestingGuard guard(depth_);
      while (in_.PeekU8() != TagByte(ValueTag::kNull)) {
        CollectionItem* item = value ? &value->collection.emplace_back() : nullptr;
        ValueTag itemTag = ReadTag();
        if (IsIntegerTag(itemTag)) {
          Value index;
          index.tag = itemTag;
          index.integer = ReadInteger(itemTag);
          if (item) item->index = std::move(index);
          itemTag = ReadTag();
        }
        if (itemTag != ValueTag::kList) Fail(msg::kInvalidPropertyValue);
        // Errors are reported for the owning entry.
        ReadEntries({}, item ? &item->properties : nullptr);
      }
      in_.U8();
      break;
    }
  }
}

void ComponentReader::ReadEntries(std::string_view owner, std::vector<PropertyEntry>* entries,
                                  std::vector<std::string>* paths) {
  while (in_.PeekU8() != TagByte(ValueTag::kNull)) {
    std::string path = in_.ShortString();
    Value* value = nullptr;
    if (entries) {
      PropertyEntry& entry = entries->emplace_back();
      entry.path = path;
      value = &entry.value;
    }
    if (owner.empty()) {
      ReadValueInto(value);
    } else {
      try {
        ReadValueInto(value);
      } catch (const SkinError& error) {
        throw SkinError(FormatMessage(msg::kErrorReading, {owner, ".", path, error.what()}));
      }
    }
    if (paths) paths->push_back(std::move(path));
  }
  in_.U8();
}

void ComponentReader::ReadRecordInto(bool withSignature, Record* record, RecordOutline* outline) {
  NestingGuard guard(depth_);
  if (withSignature) ReadSignature();
  Record stepped;  // what is stepped over still has its names read (for messages)
  Record& target = record ? *record : stepped;
  ReadPrefix(&target.prefixFlags, &target.childPosition);
  target.className = in_.ShortString();
  target.name = in_.ShortString();
  if (outline) {
    outline->className = target.className;
    outline->name = target.name;
  }
  ReadEntries(target.name.empty() ? target.className : target.name, record ? &record->properties : nullptr,
              outline ? &outline->properties : nullptr);
  while (in_.PeekU8() != TagByte(ValueTag::kNull)) {
    ReadRecordInto(false, record ? &record->children.emplace_back() : nullptr, nullptr);
  }
  in_.U8();
}

Record ComponentReader::ReadRecord(bool withSignature) {
  Record record;
  ReadRecordInto(withSignature, &record, nullptr);
  return record;
}

RecordOutline ComponentReader::ReadOutline() {
  RecordOutline outline;
  ReadRecordInto(true, nullptr, &outline);
  return outline;
}

}  // namespace tessary
