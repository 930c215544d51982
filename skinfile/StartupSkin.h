#pragma once
// The skin the editor starts with: default images from the stored resource, no
// background pictures, caption colour clWindowText, progress colour $00996633, "MonaiXP".
#include <cstdint>
#include <span>

#include "skin/Skin.h"

namespace tessary {

// Fills `skin` with the start-up content (images decoded from the embedded resource).
void LoadStartupSkin(Skin& skin);

// The embedded resource: the eight image-list payloads in skin-file order.
std::span<const std::uint8_t> DefaultSkinResource();

}  // namespace tessary
