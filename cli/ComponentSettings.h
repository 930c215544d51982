#pragma once
// The stored properties of a skin component (Tag, BkColor, Height, Left, ...) as skin.ini
// keys. A skin file carries whatever its records held when it was opened, and Save writes
// those values again; export has to write them out and pack has to put them back, or a
// packed export of such a file would lose them (a list of other image sizes would even be
// refused). The keys are the property names; pack applies them through the same setters a
// record uses, with the same side effects (a new Width or Height empties the list).
//
// Value texts: colours as a skin file's header writes them ("clNone", "$00996633"),
// integers in decimal, booleans 0 or 1, enumerations by their names ("dsNormal").
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skinfile/PropertyTable.h"

namespace tessary::cli {

inline constexpr const char* kNotValidBoolean = "'%s' is not a valid boolean value (0 or 1)";

// The properties `object` holds with values other than `reference`'s (the start-up skin's
// component), as key and text, in the order records store them. Properties named in
// `always` are given whatever their value.
std::vector<std::pair<std::string, std::string>> ChangedSettings(const ClassInfo& info, const void* object,
                                                                 const void* reference,
                                                                 std::span<const std::string_view> always = {});

// Whether skin.ini may set this key (any letter case) on a component of the class.
bool IsSettingKey(const ClassInfo& info, std::string_view key);

// Reads a 0/1 flag, exactly as kNotValidBoolean says; throws it for anything else.
bool ParseFlag(std::string_view text);

// Sets the property named `key` from its text. Throws SkinError for a text the property
// cannot take ("'%s' is not a valid integer value", kNotValidBoolean, "Invalid property
// value" for an unknown enumeration name) and the setter's own errors.
void ApplySetting(const ClassInfo& info, void* object, std::string_view key, std::string_view text);

}  // namespace tessary::cli
