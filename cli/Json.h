#pragma once
// JSON for info --json: a small tree of values written as indented text. An object's keys
// are written in sorted order, so the text is the same whatever order they were set in.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::cli {

class JsonValue {
 public:
  JsonValue(bool value);          // NOLINT: values convert as they read
  JsonValue(int value);           // NOLINT
  JsonValue(std::int64_t value);  // NOLINT
  JsonValue(std::string text);    // NOLINT: UTF-8
  JsonValue(const char* text);    // NOLINT: UTF-8

  static JsonValue Array();
  static JsonValue Object();

  // An array's next item.
  JsonValue& Append(JsonValue item);
  // An object's member: set, or replaced when the key is there already.
  JsonValue& Set(std::string_view key, JsonValue value);

  // The value as a document: four spaces per level, one member or item per line, a line
  // break at the end. Control characters, quotes and backslashes in texts are escaped;
  // malformed UTF-8 becomes U+FFFD.
  std::string ToText() const;

 private:
  enum class Kind { kBool, kInteger, kString, kArray, kObject };
  explicit JsonValue(Kind kind) : kind_(kind) {}
  void Write(std::string& out, int depth) const;

  Kind kind_;
  bool boolean_ = false;
  std::int64_t integer_ = 0;
  std::string text_;
  std::vector<std::string> keys_;  // an object's keys, one per item
  std::vector<JsonValue> items_;   // an array's items or an object's values
};

}  // namespace tessary::cli
