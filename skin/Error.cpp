#include "skin/Error.h"

#include <system_error>

namespace tessary {

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const char conversion = pattern[i + 1];
      if (conversion == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (conversion == 's' || conversion == 'd') {
        if (next != args.end()) out += *next++;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

void Fail(std::string_view pattern, std::initializer_list<std::string_view> args) {
  throw SkinError(FormatMessage(pattern, args));
}

void FailBecause(std::string reason, std::string_view pattern, std::initializer_list<std::string_view> args) {
  throw SkinError(FormatMessage(pattern, args), std::move(reason));
}

std::string SystemReason(int errorNumber) { return std::generic_category().message(errorNumber); }

}  // namespace tessary
