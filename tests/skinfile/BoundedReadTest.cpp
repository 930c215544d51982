// Hostile and unlucky files: a few bytes that describe a huge picture or value, files far
// larger than any skin, a FIFO where a file should be. Each is refused (or read) with the
// usual message, without building, decoding or reading what it claims: where that is the
// only difference, the rise of resident memory during the read shows it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <future>
#include <thread>

#include "skin/Limits.h"
#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/FileIo.h"
#include "skinfile/ImageListPayload.h"
#include "skinfile/SkinFile.h"
#include "skinfile/ValueTags.h"
#include "tests/skinfile/BmpTestBuilder.h"
#include "tests/support/PrivateFolder.h"
#include "tests/support/ResidentPeak.h"

namespace tessary {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BmpSpec;
using test::BuildBmp;

constexpr std::int64_t kMiB = 1 << 20;
// What a refused read may cost beyond its input: the start of a file, one record.
constexpr std::int64_t kSmallRise = 32 * kMiB;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

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

// A sparse file of `size` bytes that begins with `start`.
void WriteSparse(const std::string& path, const Bytes& start, std::uint64_t size) {
  const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(file, 0);
  ASSERT_EQ(::write(file, start.data(), start.size()), static_cast<ssize_t>(start.size()));
  ASSERT_EQ(::ftruncate(file, static_cast<off_t>(size)), 0);
  ::close(file);
}

// Runs `read` on a thread; should it still wait after a few seconds (a reader blocked on a
// FIFO), `unblock` frees it and the case fails instead of hanging the suite.
std::string OutcomeWithin(const std::function<void()>& read, const std::function<void()>& unblock) {
  auto outcome = std::async(std::launch::async, [&] { return Outcome(read); });
  if (outcome.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return outcome.get();
  unblock();
  outcome.get();
  return "waited on the FIFO";
}

TEST(BoundedReads, HostileFilesAreRefusedWithoutBuildingWhatTheyClaim) {
  const test::PrivateFolder folder;
  const Bytes skinStart = [] {
    const Bytes file = BuildSkinFile(Skin());
    return Bytes(file.begin(), file.begin() + 208);
  }();
  Bytes badBmpStart = MonoBmp(1, 1);
  badBmpStart[26] = 2;  // planes
  WriteSparse(folder.Path("zeros.skn"), {}, kGiB);
  WriteSparse(folder.Path("long.skn"), skinStart, kMaxFileBytes + 1);
  WriteSparse(folder.Path("long.bmp"), badBmpStart, kGiB);
  ASSERT_EQ(::mkfifo(folder.Path("fifo.skn").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(folder.Path("endless.skn").c_str(), 0600), 0);
  const auto unblockFifo = [&] { ::close(::open(folder.Path("fifo.skn").c_str(), O_WRONLY | O_NONBLOCK)); };

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
      {"RLE data far too short for its picture", [] { return Outcome([] {
                                                        ReadBmp(Rle8(1024, 1024, {0, 1}));
                                                      }); },
       msg::kBitmapNotValid, false},
      {"RLE data for a small picture may leave it all unwritten",
       [] { return Outcome([] {
              ReadBmp(Rle8(256, 256, {0, 1}));
            }); }, "no error", false},
      {"a background larger than a dock ever shows",
       [] {
         return Outcome([] {
           ReadSkn(SkinFileWithTop(
               RecordOf("TTBBackground", "bgTop", DataEntry("Bitmap.Data", test::Payload(MonoBmp(4097, 2048))))));
         });
       },
       "Error reading bgTop.Bitmap.Data: Bitmap image is not valid", false},
      {"a background as large as a 4096 x 2048 strip",
       [] {
         return Outcome([] {
           ReadSkn(SkinFileWithTop(
               RecordOf("TTBBackground", "bgTop", DataEntry("Bitmap.Data", test::Payload(MonoBmp(4096, 2048))))));
         });
       },
       "no error", false},
      {"an unknown property's two million values are stepped over, not built",
       [] {
         return Outcome(
             [] { ReadSkn(SkinFileWithTop(RecordOf("TTBBackground", "bgTop", ListEntry("Nope", 2'000'000)))); });
       },
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
      {"a sparse gigabyte of zeros is refused by its start",
       [&] {
         const std::string path = folder.Path("zeros.skn");
         const std::string outcome = Outcome([&] {
           Skin skin;
           OpenSkinFile(path, skin);
         });
         return outcome + (ReadSkinFileBytes(path, SkinFileFormat::kSkn).size() == 208 ? "" : " (read whole)");
       },
       msg::kInvalidStreamFormat, true},
      {"a file longer than any skin is refused unread, though it starts right",
       [&] {
         Skin skin;
         return Outcome([&] { OpenSkinFile(folder.Path("long.skn"), skin); });
       },
       "Stream read error: File too large", true},
      {"a picture file whose header is refused is not read further",
       [&] { return Outcome([&] { LoadBmpFile(folder.Path("long.bmp")); }); }, msg::kBitmapNotValid, true},
      {"a FIFO named like a skin file is refused, not waited on",
       [&] {
         Skin skin;
         return OutcomeWithin([&] { OpenSkinFile(folder.Path("fifo.skn"), skin); }, unblockFifo);
       },
       "Cannot open file " + folder.Path("fifo.skn") + ": not a regular file", true},
      {"an endless pipe read on purpose stops at the limit without doubling its memory",
       [&] {
         std::signal(SIGPIPE, SIG_IGN);
         std::thread writer([&] {
           const int pipe = ::open(folder.Path("endless.skn").c_str(), O_WRONLY);
           Bytes chunk(1 << 16, 0);
           std::copy(skinStart.begin(), skinStart.end(), chunk.begin());
           while (::write(pipe, chunk.data(), chunk.size()) > 0) std::fill_n(chunk.begin(), skinStart.size(), 0);
           ::close(pipe);
         });
         const std::string outcome =
             Outcome([&] { ReadSkinFileBytes(folder.Path("endless.skn"), SkinFileFormat::kSkn, true); });
         writer.join();
         return outcome;
       },
       "Stream read error: File too large", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const test::ResidentPeak peak;
    EXPECT_EQ(c.read(), c.outcome);
    if (!test::ResidentPeak::Measurable()) continue;
    // The pipe may take the whole limit, but not a second copy of it.
    const std::int64_t allowed = c.small ? kSmallRise : static_cast<std::int64_t>(kMaxFileBytes) + kSmallRise;
    EXPECT_LE(peak.Rise(), allowed) << peak.Rise() / kMiB << " MiB";
  }
}

}  // namespace
}  // namespace tessary
