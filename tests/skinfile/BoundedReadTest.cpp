// Hostile and unlucky files: a few bytes that describe a huge picture or value. Each is refused (or read) with the
// usual message, without building, decoding or reading what it claims: where that is the
// only difference, the rise of resident memory during the read shows it.
#include <gtest/gtest.h>

#include <functional>

#include "skin/Limits.h"
#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/ImageListPayload.h"
#include "skinfile/SkinFile.h"
#include "skinfile/ValueTags.h"
#include "tests/skinfile/BmpTestBuilder.h"
#include "tests/support/ResidentPeak.h"

namespace tessary {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BmpSpec;
using test::BuildBmp;

constexpr std::int64_t kMiB = 1 << 20;
// What a refused read may cost beyond its input: the start of a file, one record.
constexpr std::int64_t kSmallRise = 32 * kMiB;

// The message, with the system's reason after it where there is one, or "no error".
std::string Outcome(const std::function<void()>& read) {
  try {
    read();
  } catch (const SkinError& error) {
    return error.Reason().empty() ? std::string(error.what()) : std::string(error.what()) + ": " + error.Reason();
  }
  return "no error";
}

// A 1-bit picture of width x height whose bytes are all present.
Bytes MonoBmp(int width, int height) {
  BmpSpec s;
  s.bits = 1;
  s.width = width;
  s.height = height;
  s.table = {0x000000, 0xFFFFFF};
  s.pixels.assign(static_cast<std::size_t>((width + 31) / 32 * 4) * static_cast<std::size_t>(height), 0);
  return BuildBmp(s);
}

Bytes Rle8(int width, int height, Bytes data) {
  BmpSpec s;
  s.bits = 8;
  s.compression = kBmpRle8;
  s.width = width;
  s.height = height;
  s.table = {0x000000};
  s.coloursUsed = 1;
  s.imageSize = static_cast<std::uint32_t>(data.size());
  s.pixels = std::move(data);
  return BuildBmp(s);
}

// An image-list payload of the older layout: image and mask pictures for `count` images.
Bytes OlderLayout(const Bytes& image, const Bytes& mask, std::int32_t count) {
  Bytes out;
  ByteWriter w(out);
  w.U32(static_cast<std::uint32_t>(image.size()));
  w.I32(count);
  w.Bytes(image);
  w.Bytes(mask);
  return out;
}

// A top-level record of `className` named `name` holding `entries` (raw) and `children`.
Bytes RecordOf(std::string_view className, std::string_view name, const Bytes& entries, const Bytes& children = {}) {
  Bytes out;
  ComponentWriter writer(out);
  writer.Signature();
  writer.ShortString(className);
  writer.ShortString(name);
  out.insert(out.end(), entries.begin(), entries.end());
  out.push_back(0);
  out.insert(out.end(), children.begin(), children.end());
  out.push_back(0);
  return out;
}

// An entry `path` whose value is a list of `count` one-byte values.
Bytes ListEntry(std::string_view path, std::size_t count) {
  Bytes out;
  ComponentWriter(out).ShortString(path);
  out.push_back(TagByte(ValueTag::kList));
  out.insert(out.end(), count, TagByte(ValueTag::kFalse));
  out.push_back(TagByte(ValueTag::kNull));
  return out;
}

Bytes DataEntry(std::string_view path, const Bytes& data) {
  Bytes out;
  ComponentWriter writer(out);
  writer.ShortString(path);
  writer.Binary(data);
  return out;
}

// The start-up skin's file with the bgTop record replaced.
Bytes SkinFileWithTop(const Bytes& record) {
  const Bytes file = BuildSkinFile(Skin());
  const SkinFileInfo info = InspectSkinFile(file, SkinFileFormat::kSkn);
  Bytes out(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(info.records[0].offset));
  out.insert(out.end(), record.begin(), record.end());
  out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(info.records[1].offset), file.end());
  return out;
}

void ReadSkn(const Bytes& file) {
  Skin skin;
  ReadSkinFile(file, SkinFileFormat::kSkn, skin);
}

TEST(BoundedReads, HostileFilesAreRefusedWithoutBuildingWhatTheyClaim) {
  struct Case {
    const char* what;
    std::function<std::string()> read;
    std::string outcome;
    bool small;  // the read must cost little memory beyond its input
  };
  const Case cases[] = {
      {"older-layout pictures larger than any list are not decoded to cut a cell",
       [] {
         ImageList list(16, 16);
         return Outcome([&] { ReadImageListPayload(OlderLayout(MonoBmp(4096, 1025), MonoBmp(4096, 1025), 1), list); });
       },
       msg::kImageListRead, false},
      {"older-layout pictures no larger than the largest list are read",
       [] {
         ImageList list(16, 16);
         return Outcome([&] { ReadImageListPayload(OlderLayout(MonoBmp(4096, 1024), MonoBmp(4096, 1024), 1), list); });
       },
       "no error", false},
      {"RLE data far too short for its picture",
       [] { return Outcome([] { ReadBmp(Rle8(1024, 1024, {0, 1})); }); }, msg::kBitmapNotValid, false},
      {"RLE data for a small picture may leave it all unwritten",
       [] { return Outcome([] { ReadBmp(Rle8(256, 256, {0, 1})); }); }, "no error", false},
      {"a background larger than a dock ever shows",
       [] { return Outcome([] { ReadSkn(SkinFileWithTop(RecordOf("TTBBackground", "bgTop", DataEntry("Bitmap.Data", test::Payload(MonoBmp(4097, 2048)))))); }); },
       "Error reading bgTop.Bitmap.Data: Bitmap image is not valid", false},
      {"a background as large as a 4096 x 2048 strip",
       [] { return Outcome([] { ReadSkn(SkinFileWithTop(RecordOf("TTBBackground", "bgTop", DataEntry("Bitmap.Data", test::Payload(MonoBmp(4096, 2048)))))); }); },
       "no error", false},
      {"an unknown property's two million values are stepped over, not built",
       [] { return Outcome([] { ReadSkn(SkinFileWithTop(RecordOf("TTBBackground", "bgTop", ListEntry("Nope", 2'000'000)))); }); },
       "Error reading bgTop.Nope: Property Nope does not exist", true},
      {"a child record's million values are stepped over when reading and inspecting",
       [] {
         const Bytes child = [] {
           Bytes out = {6, 'T', 'O', 't', 'h', 'e', 'r', 1, 'c'};
           const Bytes entry = ListEntry("Values", 1'000'000);
           out.insert(out.end(), entry.begin(), entry.end());
           out.push_back(0);  // end of its properties
           out.push_back(0);  // end of its children
           return out;
         }();
         const Bytes file = SkinFileWithTop(RecordOf("TTBBackground", "bgTop", {}, child));
         return Outcome([&] {
           ReadSkn(file);
           InspectSkinFile(file, SkinFileFormat::kSkn);
         });
       },
       "no error", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const test::ResidentPeak peak;
    EXPECT_EQ(c.read(), c.outcome);
    if (!test::ResidentPeak::Measurable()) continue;
    if (c.small) EXPECT_LE(peak.Rise(), kSmallRise) << peak.Rise() / kMiB << " MiB";
  }
}

}  // namespace
}  // namespace tessary
