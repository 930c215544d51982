// Component records: any input either fails with a SkinError or parses; a parsed record is
// written back to exactly the bytes it was read from, and applying the input to the skin's
// two component classes never crashes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentReader.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/SkinProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessary;
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    ByteReader in(bytes);
    const Record record = ComponentReader(in).ReadRecord();
    std::vector<std::uint8_t> written;
    ComponentWriter(written).WriteRecord(record);
    if (!std::ranges::equal(written, bytes.first(in.Position()))) std::abort();
  } catch (const SkinError&) {
  }
  Skin skin;
  try {
    ByteReader in(bytes);
    ReadComponent(in, skin.bgTop);
  } catch (const SkinError&) {
  }
  try {
    ByteReader in(bytes);
    ReadComponent(in, skin.ilHot);
  } catch (const SkinError&) {
  }
  return 0;
}
