// Skin files and old skin files: any input is read completely or refused with a SkinError,
// and a refused input leaves the skin as it was.
#include "skinfile/SkinFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/Error.h"
#include "skin/Skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessary;
  const std::span<const std::uint8_t> bytes(data, size);
  for (SkinFileFormat format : {SkinFileFormat::kSkn, SkinFileFormat::kCrs}) {
    Skin skin;
    const auto before = BuildSkinFile(skin);
    try {
      ReadSkinFile(bytes, format, skin);
      BuildSkinFile(skin);  // whatever was read can be saved again
    } catch (const SkinError&) {
      if (BuildSkinFile(skin) != before) std::abort();
    }
    try {
      InspectSkinFile(bytes, format);
    } catch (const SkinError&) {
    }
  }
  return 0;
}
