#pragma once
// The fixed contents of the control panel's two lists that hold skin values: the theme
// list ListBox1 and the caption-colour list ColorBox. The window fills the controls from
// these, and the commands decide selections against them.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "editing/SkinView.h"

namespace tessary {

// ListBox1's theme names, kept sorted.
inline constexpr std::array<std::string_view, 8> kThemeListNames = {
    "Default", "MonaiXP", "Nexos4", "Office11Adaptive", "OfficeXP", "Roma", "Tristan2", "Xito"};

// The ListBox1 entry a start-up window selects (without applying it).
inline constexpr int kStartupThemeIndex = 1;

// Index of the entry whose text equals `name` exactly; -1 if none.
int ThemeListIndex(std::string_view name);

// The entry that equals `name` without regard to ASCII letter case (the theme switch
// finds registered themes that way); nothing if none.
std::optional<std::string_view> ThemeListEntryFor(std::string_view name);

// ColorBox's 50 entries: the colour identifier table in order without clNone and
// clDefault, each with its identifier as text.
std::vector<ColorBoxEntry> ColorBoxStandardEntries();

// The entry ColorBox gets for a colour it does not offer: the colour's own text.
ColorBoxEntry ColorBoxEntryFor(Colour colour);

// Index of the first entry with this colour; -1 if none.
int ColorBoxIndex(std::span<const ColorBoxEntry> entries, Colour colour);

}  // namespace tessary
