#include "cli/ComponentSettings.h"

#include <algorithm>

#include "skin/AsciiText.h"
#include "skin/Colour.h"
#include "skin/Error.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kTrueText = "1";
constexpr std::string_view kFalseText = "0";
constexpr std::int64_t kDesignWordMask = 0xFFFF;

// The kinds skin.ini carries: plain values. Pictures and images travel as files; handler
// names cannot come from a skin file (no skin component has a handler to name).
bool IsSettingKind(PropertyKind kind) {
  switch (kind) {
    case PropertyKind::kInteger:
    case PropertyKind::kInt64:
    case PropertyKind::kColour:
    case PropertyKind::kEnumeration:
    case PropertyKind::kBoolean:
    case PropertyKind::kDesignWord: return true;
    default: return false;
  }
}

// Every property skin.ini may set, in the order records store them.
std::vector<const PropertyInfo*> Settings(const ClassInfo& info) {
  std::vector<const PropertyInfo*> settings;
  for (std::span<const PropertyInfo> table : {info.published, info.defined}) {
    for (const PropertyInfo& property : table) {
      if (IsSettingKind(property.kind) && property.getNumber && property.setNumber) settings.push_back(&property);
    }
  }
  return settings;
}

const PropertyInfo* FindSetting(const ClassInfo& info, std::string_view key) {
  for (const PropertyInfo* property : Settings(info)) {
    if (EqualsIgnoringCase(property->name, key)) return property;
  }
  return nullptr;
}

std::string SettingText(const PropertyInfo& property, std::int64_t value) {
  switch (property.kind) {
    case PropertyKind::kColour: return ColourToText(static_cast<Colour>(value));
    case PropertyKind::kBoolean: return std::string(value != 0 ? kTrueText : kFalseText);
    case PropertyKind::kEnumeration:
      if (value >= 0 && static_cast<std::size_t>(value) < property.memberNames.size())
        return std::string(property.memberNames[static_cast<std::size_t>(value)]);
      return std::to_string(value);
    default: return std::to_string(value);
  }
}

std::int64_t SettingValue(const PropertyInfo& property, std::string_view text) {
  switch (property.kind) {
    case PropertyKind::kColour: return TextToColour(text);
    case PropertyKind::kBoolean: return ParseFlag(text) ? 1 : 0;
    case PropertyKind::kEnumeration:
      for (std::size_t ordinal = 0; ordinal < property.memberNames.size(); ++ordinal) {
        if (EqualsIgnoringCase(property.memberNames[ordinal], text)) return static_cast<std::int64_t>(ordinal);
      }
      Fail(msg::kInvalidPropertyValue);
    default: {
      const auto number = ParseInteger(text);
      if (!number) Fail(msg::kNotValidInteger, {text});
      // A design position is a 16-bit word, as a record reader keeps it.
      return property.kind == PropertyKind::kDesignWord ? (*number & kDesignWordMask) : *number;
    }
  }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ChangedSettings(const ClassInfo& info, const void* object,
                                                                 const void* reference,
                                                                 std::span<const std::string_view> always) {
  std::vector<std::pair<std::string, std::string>> changed;
  for (const PropertyInfo* property : Settings(info)) {
    const std::int64_t value = property->getNumber(object);
    const bool named = std::find(always.begin(), always.end(), property->name) != always.end();
    if (named || value != property->getNumber(reference)) {
      changed.emplace_back(std::string(property->name), SettingText(*property, value));
    }
  }
  return changed;
}

bool IsSettingKey(const ClassInfo& info, std::string_view key) { return FindSetting(info, key) != nullptr; }

bool ParseFlag(std::string_view text) {
  if (text == kTrueText) return true;
  if (text == kFalseText) return false;
  Fail(kNotValidBoolean, {text});
}

void ApplySetting(const ClassInfo& info, void* object, std::string_view key, std::string_view text) {
  const PropertyInfo* property = FindSetting(info, key);
  if (property == nullptr) Fail(msg::kPropertyDoesNotExist, {key});
  property->setNumber(object, SettingValue(*property, text));
}

}  // namespace tessary::cli
