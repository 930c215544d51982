#include "skin/Colour.h"

#include <array>
#include <cstdio>

#include "skin/Error.h"

namespace tessary {
namespace {

constexpr std::array<ColourName, 52> kColourNames{{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clHotLight", 0x8000001A},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuBar", 0x8000001E},
    {"clMenuHighlight", 0x8000001D},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
}};

// The fixed system colour scheme (the classic blue desktop scheme), as 0x00BBGGRR,
// indexed by system colour number.
constexpr std::array<Colour, 31> kSystemColours{{
    0x00C8D0D4,  //  0 scroll bar
    0x00984E00,  //  1 desktop
    0x00E35400,  //  2 active caption
    0x00DF967A,  //  3 inactive caption
    0x00FFFFFF,  //  4 menu
    0x00FFFFFF,  //  5 window
    0x00000000,  //  6 window frame
    0x00000000,  //  7 menu text
    0x00000000,  //  8 window text
    0x00FFFFFF,  //  9 caption text
    0x00C8D0D4,  // 10 active border
    0x00C8D0D4,  // 11 inactive border
    0x00808080,  // 12 application workspace
    0x00C56A31,  // 13 highlight
    0x00FFFFFF,  // 14 highlight text
    0x00D8E9EC,  // 15 button face
    0x0099A8AC,  // 16 button shadow
    0x0099A8AC,  // 17 grey text
    0x00000000,  // 18 button text
    0x00F8E4D8,  // 19 inactive caption text
    0x00FFFFFF,  // 20 button highlight
    0x00646F71,  // 21 3D dark shadow
    0x00E2EFF1,  // 22 3D light
    0x00000000,  // 23 info text
    0x00E1FFFF,  // 24 info background
    0x00B5B5B5,  // 25 (alternate button face)
    0x00800000,  // 26 hot light
    0x00FF953D,  // 27 gradient active caption
    0x00EBB99D,  // 28 gradient inactive caption
    0x00C56A31,  // 29 menu highlight
    0x00D8E9EC,  // 30 menu bar
}};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::span<const ColourName> ColourNames() { return kColourNames; }

std::optional<std::string_view> ColourIdentifier(Colour colour) {
  for (const ColourName& entry : kColourNames) {
    if (entry.value == colour) return entry.name;
  }
  return std::nullopt;
}

std::optional<Colour> ColourFromIdentifier(std::string_view identifier) {
  for (const ColourName& entry : kColourNames) {
    if (EqualsIgnoringAsciiCase(entry.name, identifier)) return entry.value;
  }
  return std::nullopt;
}

std::string ColourToText(Colour colour) {
  if (auto name = ColourIdentifier(colour)) return std::string(*name);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%.8X", static_cast<unsigned>(colour));
  return buffer;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  text.remove_prefix(i);
  if (text.empty()) return std::nullopt;

  std::size_t prefix = 0;
  if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') {
    prefix = 1;
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    prefix = 2;
  }
  if (prefix > 0) {
    std::string_view digits = text.substr(prefix);
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
      const int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      if (significant > 0 || d != 0) ++significant;
      if (significant > 8) return std::nullopt;
      value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
  }

  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

Colour TextToColour(std::string_view text) {
  if (auto value = ColourFromIdentifier(text)) return *value;
  if (auto number = ParseInteger(text)) return static_cast<Colour>(*number);
  Fail(msg::kNotValidInteger, {text});
}

Colour ResolveColour(Colour colour) {
  if (IsSystemColour(colour)) {
    const std::uint32_t index = colour & 0x7FFFFFFFu;
    return index < kSystemColours.size() ? kSystemColours[index] : 0x00000000;
  }
  if (colour == clNone || colour == clDefault) return colour;
  return colour & 0x00FFFFFFu;
}

std::uint32_t ColourToArgb(Colour colour) {
  const Colour c = ResolveColour(colour) & 0x00FFFFFFu;
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

}  // namespace tessary
