// Save after Open: whatever skin file or old skin file reads is saved, the saved file is
// opened again and saved again, and the two saves are the same bytes. Reading over the
// components' class defaults makes a record mean exactly what it stores, so a difference is
// a reader or writer that loses, adds or changes something on the way.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/SkinFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessary;
  const std::span<const std::uint8_t> bytes(data, size);
  for (SkinFileFormat format : {SkinFileFormat::kSkn, SkinFileFormat::kCrs}) {
    Skin first = ClassDefaultSkin();
    try {
      ReadSkinFile(bytes, format, first);
    } catch (const SkinError&) {
      continue;
    }
    const std::vector<std::uint8_t> saved = BuildSkinFile(first);
    Skin second = ClassDefaultSkin();
    try {
      ReadSkinFile(std::span<const std::uint8_t>(saved), SkinFileFormat::kSkn, second);
    } catch (const SkinError&) {
      std::abort();  // a saved skin always opens
    }
    if (BuildSkinFile(second) != saved) std::abort();
  }
  return 0;
}
