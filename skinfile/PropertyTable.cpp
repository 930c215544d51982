#include "skinfile/PropertyTable.h"

#include "skinfile/TextEncoding.h"

namespace tessary {

const PropertyInfo* FindProperty(std::span<const PropertyInfo> properties, std::string_view name) {
  for (const PropertyInfo& property : properties) {
    if (EqualsIgnoringAsciiCase(property.name, name)) return &property;
  }
  return nullptr;
}

}  // namespace tessary
