#pragma once
// Describes a class to the component record writer and reader: its class name, its
// published properties in declaration order and its defined properties in the order the
// class adds them. Each class is a constexpr table of PropertyInfo; the one writer and
// the one reader walk these tables, so a class needs no code of its own for records.
//
// Accessors take the object as `void*` / `const void*` because one table may describe a
// sub-object reached through another (a background's picture is reached through the
// background that owns it).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SharedBytes.h"
#include "skinfile/Splices.h"

namespace tessary {

enum class PropertyKind : std::uint8_t {
  kInteger,      // 32-bit signed; tags 2-4
  kInt64,        // 64-bit signed; tag 19 or an integer
  kColour,       // 32-bit colour; an identifier of the colour table or an integer
  kEnumeration,  // ordinal; stored as the identifier of its name
  kBoolean,      // an enumeration of False and True
  kSet,          // bit i = member of ordinal i; stored as tag 11 with member names
  kText,         // UTF-8 inside the program; stored by the text-tag rule
  kHandler,      // the name of an event handler; empty = none
  kObject,       // a sub-object whose properties are stored with the prefix "Name."
  kData,         // defined: a byte block the object writes and reads itself
  kDesignWord,   // defined: a 16-bit design position word stored as an integer
};

struct ClassInfo;

struct PropertyInfo {
  std::string_view name;
  PropertyKind kind;
  // Number kinds are written only when the value differs from this (booleans: 0 or 1).
  std::int64_t defaultValue = 0;
  // Member names by ordinal for kEnumeration, kBoolean and kSet.
  std::span<const std::string_view> memberNames = {};

  // Number kinds, design words. A missing setter makes the property read-only.
  std::int64_t (*getNumber)(const void* object) = nullptr;
  void (*setNumber)(void* object, std::int64_t value) = nullptr;
  // kText and kHandler.
  std::string (*getText)(const void* object) = nullptr;
  void (*setText)(void* object, std::string value) = nullptr;
  // kObject: the class of the sub-object, how to reach it, and how tag 13 (nil) clears it.
  const ClassInfo* objectClass = nullptr;
  const void* (*viewObject)(const void* object) = nullptr;
  void* (*editObject)(void* object) = nullptr;
  void (*clearObject)(void* object) = nullptr;
  // kData: whether there is anything to store, the bytes to store (appended to `out`, large
  // shared parts as splices when `splices` is given), and taking over exactly the bytes of
  // a stored block (a slice of what is read, which the object may keep).
  bool (*hasData)(const void* object) = nullptr;
  void (*writeData)(const void* object, std::vector<std::uint8_t>& out, Splices* splices) = nullptr;
  void (*readData)(void* object, const SharedBytes& bytes) = nullptr;
};

struct ClassInfo {
  std::string_view className;
  std::span<const PropertyInfo> published;
  std::span<const PropertyInfo> defined;
};

// Finds a property by name without regard to ASCII case; nullptr when there is none.
const PropertyInfo* FindProperty(std::span<const PropertyInfo> properties, std::string_view name);

}  // namespace tessary
