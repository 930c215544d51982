#pragma once
// The skin directory that `export` writes and `pack` reads back:
//
//   skin.ini                 [Skin]  TopStretch, BottomStretch  0 = tiled, 1 = stretched
//                                    TextColor, GaugeColor      colour texts as a skin file
//                                                               stores them ("clWindowText",
//                                                               "$00996633")
//                                    Theme                      the theme name
//                            [bgTop], [bgBottom]
//                                    BkColor                    colour text
//                                    Transparent                0 or 1
//                            [ilLButtons] ... [ilPage], one per image list
//                                    Count                      number of images
//                                    Capacity                   cells the list has room for
//                            and in any of these sections the component's other stored
//                            properties (Tag, Left, Top, Width, Height, ShareImages, ...)
//                            where they differ from the start-up skin (ComponentSettings.h)
//   bgTop.bmp, bgBottom.bmp  the picture's BMP file, byte for byte as the skin file holds
//                            it; absent when the background has no picture
//   ilLButtons/00.png ...    image NN of the list (two digits, more past 99): RGBA, alpha 0
//                            where the image's mask is transparent, 255 elsewhere
//
// An export of an old skin file (.crs) writes only what such a file holds: no TextColor,
// GaugeColor or Theme, and no [ilMain]/[ilPage] sections or folders.
// `pack` also takes ilXxx/NN.bmp, masked with the list's colour as the editor does.
#include <string>
#include <string_view>

namespace tessary::cli::skindir {

inline constexpr std::string_view kIniFile = "skin.ini";
inline constexpr std::string_view kSkinSection = "Skin";
inline constexpr std::string_view kTopStretch = "TopStretch";
inline constexpr std::string_view kBottomStretch = "BottomStretch";
inline constexpr std::string_view kTextColor = "TextColor";
inline constexpr std::string_view kGaugeColor = "GaugeColor";
inline constexpr std::string_view kTheme = "Theme";
inline constexpr std::string_view kBkColor = "BkColor";
inline constexpr std::string_view kTransparent = "Transparent";
inline constexpr std::string_view kCount = "Count";
inline constexpr std::string_view kCapacity = "Capacity";

inline constexpr std::string_view kBmpExtension = ".bmp";
inline constexpr std::string_view kPngExtension = ".png";
inline constexpr std::size_t kSlotDigits = 2;

inline constexpr std::string_view kTrue = "1";
inline constexpr std::string_view kFalse = "0";

// "05.png" for slot 5.
inline std::string SlotFileName(int slot, std::string_view extension) {
  std::string digits = std::to_string(slot);
  if (digits.size() < kSlotDigits) digits.insert(0, kSlotDigits - digits.size(), '0');
  return digits + std::string(extension);
}

}  // namespace tessary::cli::skindir
