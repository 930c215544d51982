#include "cli/Json.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "skinfile/TextEncoding.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kIndent = "    ";
constexpr std::string_view kHexDigits = "0123456789abcdef";

void WriteString(std::string& out, std::string_view text) {
  out += '"';
  // Malformed UTF-8 (a file name is any bytes) becomes U+FFFD, so the document stays UTF-8.
  for (const char byte : Utf16ToUtf8(Utf8ToUtf16(text))) {
    const unsigned char c = static_cast<unsigned char>(byte);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      switch (c) {
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
          out += "\\u00";
          out += kHexDigits[std::size_t{c} >> 4];
          out += kHexDigits[std::size_t{c} & 0xF];
      }
    } else {
      out += byte;
    }
  }
  out += '"';
}

void WriteIndent(std::string& out, int depth) {
  for (int i = 0; i < depth; ++i) out += kIndent;
}

}  // namespace

JsonValue::JsonValue(bool value) : kind_(Kind::kBool), boolean_(value) {}
JsonValue::JsonValue(int value) : kind_(Kind::kInteger), integer_(value) {}
JsonValue::JsonValue(std::int64_t value) : kind_(Kind::kInteger), integer_(value) {}
JsonValue::JsonValue(std::string text) : kind_(Kind::kString), text_(std::move(text)) {}
JsonValue::JsonValue(const char* text) : kind_(Kind::kString), text_(text) {}

JsonValue JsonValue::Array() { return JsonValue(Kind::kArray); }
JsonValue JsonValue::Object() { return JsonValue(Kind::kObject); }

JsonValue& JsonValue::Append(JsonValue item) {
  items_.push_back(std::move(item));
  return *this;
}

JsonValue& JsonValue::Set(std::string_view key, JsonValue value) {
  const auto found = std::find(keys_.begin(), keys_.end(), key);
  if (found != keys_.end()) {
    items_[static_cast<std::size_t>(found - keys_.begin())] = std::move(value);
  } else {
    keys_.emplace_back(key);
    items_.push_back(std::move(value));
  }
  return *this;
}

std::string JsonValue::ToText() const {
  std::string out;
  Write(out, 0);
  out += '\n';
  return out;
}

void JsonValue::Write(std::string& out, int depth) const {
  switch (kind_) {
    case Kind::kBool: out += boolean_ ? "true" : "false"; return;
    case Kind::kInteger: out += std::to_string(integer_); return;
    case Kind::kString: WriteString(out, text_); return;
    case Kind::kArray:
    case Kind::kObject: break;
  }
  const bool object = kind_ == Kind::kObject;
  std::vector<std::size_t> order(items_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (object) std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys_[a] < keys_[b]; });
  out += object ? "{\n" : "[\n";
  for (std::size_t i = 0; i < order.size(); ++i) {
    WriteIndent(out, depth + 1);
    if (object) {
      WriteString(out, keys_[order[i]]);
      out += ": ";
    }
    items_[order[i]].Write(out, depth + 1);
    out += i + 1 < order.size() ? ",\n" : "\n";
  }
  WriteIndent(out, depth);
  out += object ? '}' : ']';
}

}  // namespace tessary::cli
