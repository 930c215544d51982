#pragma once
// Text conversions the component records need. Texts inside the program are UTF-8; records
// hold 8-bit text (taken as Windows-1252, the code page of the systems the files come
// from), UTF-16 and UTF-8. Names in records are compared without regard to ASCII case.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// True when both texts are equal after folding ASCII letters to one case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Windows-1252 bytes to UTF-8 (the five unassigned bytes map to the C1 controls of the same
// value, as the system conversion does).
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string Utf8ToCp1252(std::string_view text);

// The header texts of a skin file are Latin-1, one byte per character: to UTF-8, and from
// UTF-8 when every character fits (nothing for one that does not, or malformed UTF-8).
std::string Latin1ToUtf8(std::string_view text);
std::optional<std::string> Utf8ToLatin1(std::string_view text);

// UTF-8 to UTF-16 code units and back. Malformed UTF-8 and unpaired surrogates become
// U+FFFD, so that no input can make a conversion fail.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The text as a terminal may safely show it: control characters (C0, DEL and C1) become
// escapes (\n, \t, \x1b, \u009b) and each byte of malformed UTF-8 \xNN, so that
// a name read from a file can neither drive the terminal nor forge a line of output.
std::string EscapeControls(std::string_view text);

// Number of UTF-16 code units the UTF-8 text takes.
std::size_t Utf16Length(std::string_view text);

}  // namespace tessary
