#pragma once
// Colours of the skin: a 32-bit value. 0x00BBGGRR is a plain colour; 0x80000000 + n names
// system colour n and is resolved only when painted; clNone and clDefault are markers.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessary {

using Colour = std::uint32_t;

inline constexpr Colour clNone = 0x1FFFFFFF;
inline constexpr Colour clDefault = 0x20000000;
inline constexpr Colour clBlack = 0x00000000;
inline constexpr Colour clRed = 0x000000FF;
inline constexpr Colour clFuchsia = 0x00FF00FF;
inline constexpr Colour clWhite = 0x00FFFFFF;
inline constexpr Colour clScrollBar = 0x80000000;
inline constexpr Colour clActiveCaption = 0x80000002;
inline constexpr Colour clInactiveCaption = 0x80000003;
inline constexpr Colour clMenu = 0x80000004;
inline constexpr Colour clWindow = 0x80000005;
inline constexpr Colour clMenuText = 0x80000007;
inline constexpr Colour clWindowText = 0x80000008;
inline constexpr Colour clCaptionText = 0x80000009;
inline constexpr Colour clHighlight = 0x8000000D;
inline constexpr Colour clHighlightText = 0x8000000E;
inline constexpr Colour clBtnFace = 0x8000000F;
inline constexpr Colour clBtnShadow = 0x80000010;
inline constexpr Colour clGrayText = 0x80000011;
inline constexpr Colour clBtnText = 0x80000012;
inline constexpr Colour clInactiveCaptionText = 0x80000013;
inline constexpr Colour clBtnHighlight = 0x80000014;
inline constexpr Colour cl3DDkShadow = 0x80000015;
inline constexpr Colour cl3DLight = 0x80000016;
inline constexpr Colour clGradientActiveCaption = 0x8000001B;
inline constexpr Colour clGradientInactiveCaption = 0x8000001C;
inline constexpr Colour clMenuHighlight = 0x8000001D;
inline constexpr Colour clMenuBar = 0x8000001E;

// One entry of the colour identifier table.
struct ColourName {
  std::string_view name;
  Colour value;
};

// The 52 colour identifiers in table order (the order decides which name a value gets,
// and the order ColorBox offers them in).
std::span<const ColourName> ColourNames();

// The identifier of the first table entry with this value, if any.
std::optional<std::string_view> ColourIdentifier(Colour colour);

// The value of the identifier, compared without regard to ASCII case, if any.
std::optional<Colour> ColourFromIdentifier(std::string_view identifier);

// Identifier when the table has the value, else "$" and eight upper-case hex digits.
std::string ColourToText(Colour colour);

// Identifier (any case) or integer text ("-12", "$996633", "0x996633", " 255").
// Throws SkinError "'%s' is not a valid integer value" when it is neither.
Colour TextToColour(std::string_view text);

// Reads a 32-bit integer as colour texts and stored properties allow: leading blanks, then
// a signed decimal that fits 32 bits, or (unsigned) "$", "x", "X", "0x", "0X" and at most
// eight significant hex digits. Nothing else may follow.
std::optional<std::int32_t> ParseInteger(std::string_view text);

inline constexpr bool IsSystemColour(Colour colour) { return (colour & 0x80000000u) != 0; }

// A system colour resolved through the fixed scheme (the same on every desktop and in tests);
// a plain colour is returned as it is (without its top byte). clNone and clDefault are returned
// unchanged: the caller decides what "no colour" paints as.
Colour ResolveColour(Colour colour);

// 0xFFRRGGBB (the order Qt's QRgb uses) of a colour after ResolveColour.
std::uint32_t ColourToArgb(Colour colour);

// 0x00BBGGRR of a 0xAARRGGBB pixel.
inline constexpr Colour ArgbToColour(std::uint32_t argb) {
  return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

}  // namespace tessary
