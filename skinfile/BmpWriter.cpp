// Writing BMP files and bitmap payloads (the layout is described in BmpReader.cpp).
//
// A picture keeps the depth it was read with. Pictures read from RLE data are written back
// from the bytes they were read from; pictures read with a core header get a core header
// again; everything else gets a 40-byte info header, the masks for 16/32-bit bit fields, the
// colour table and the stored rows.
#include <limits>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/BmpLayout.h"
#include "skinfile/ByteReader.h"

namespace tessary {

namespace {

constexpr std::uint32_t kCoreMaxSide = 0xFFFF;

// Entries of the colour table an info-header file gets.
std::uint32_t InfoTableEntries(const BitmapFormat& f) {
  if (IsIndexedDepth(f.bitsPerPixel)) {
    const std::uint32_t full = 1u << f.bitsPerPixel;
    return f.coloursUsed > 0 && f.coloursUsed < full ? f.coloursUsed : full;
  }
  return static_cast<std::uint32_t>(f.colourTable.size());
}

void WriteFileHeader(ByteWriter& out, std::uint32_t total, std::uint32_t offset) {
  out.U8(kBmpMagic[0]);
  out.U8(kBmpMagic[1]);
  out.U32(total);
  out.U16(0);
  out.U16(0);
  out.U32(offset);
}

void WriteTable(ByteWriter& out, const BitmapFormat& f, std::uint32_t entries, bool withReserved) {
  for (std::uint32_t i = 0; i < entries; ++i) {
    const Argb c = i < f.colourTable.size() ? f.colourTable[i] : 0;
    out.U8(static_cast<std::uint8_t>(c));
    out.U8(static_cast<std::uint8_t>(c >> 8));
    out.U8(static_cast<std::uint8_t>(c >> 16));
    if (withReserved) out.U8(0);
  }
}

// A core header holds 16-bit sizes and no row order, compression or masks: pictures that
// need any of those are written with an info header instead.
bool FitsCoreHeader(const BitmapFormat& f) {
  return f.coreHeader && !f.TopDown() && f.compression == kBmpRgb &&
         static_cast<std::uint32_t>(f.width) <= kCoreMaxSide && static_cast<std::uint32_t>(f.Rows()) <= kCoreMaxSide;
}

void WriteCore(ByteWriter& out, const Bitmap& bitmap) {
  const BitmapFormat& f = bitmap.Format();
  const std::uint32_t entries = IsIndexedDepth(f.bitsPerPixel) ? (1u << f.bitsPerPixel) : 0;
  const std::uint32_t offset = kBmpFileHeaderSize + kBmpCoreHeaderSize + kBmpCoreEntrySize * entries;
  const auto& rows = bitmap.Rows();
  WriteFileHeader(out, offset + static_cast<std::uint32_t>(rows.size()), offset);
  out.U32(kBmpCoreHeaderSize);
  out.U16(static_cast<std::uint16_t>(f.width));
  out.U16(static_cast<std::uint16_t>(f.Rows()));
  out.U16(kBmpPlanes);
  out.U16(f.bitsPerPixel);
  WriteTable(out, f, entries, false);
}

void WriteInfo(ByteWriter& out, const Bitmap& bitmap) {
  const BitmapFormat& f = bitmap.Format();
  const bool bitFields = f.compression == kBmpBitFields;
  const bool masks = bitFields && (f.bitsPerPixel == 16 || f.bitsPerPixel == 32);
  const std::uint32_t entries = InfoTableEntries(f);
  const std::uint32_t offset =
      kBmpFileHeaderSize + kBmpInfoHeaderSize + (masks ? kBmpMasksSize : 0) + kBmpInfoEntrySize * entries;
  const auto& rows = bitmap.Rows();
  const std::uint32_t imageSize = static_cast<std::uint32_t>(rows.size());
  WriteFileHeader(out, offset + imageSize, offset);
  out.U32(kBmpInfoHeaderSize);
  out.I32(f.width);
  out.I32(f.height);
  out.U16(kBmpPlanes);
  out.U16(f.bitsPerPixel);
  // RLE pictures without their file bytes (made in code) hold decoded rows: uncompressed.
  out.U32(bitFields ? kBmpBitFields : kBmpRgb);
  out.U32(imageSize);
  out.I32(f.xPixelsPerMetre);
  out.I32(f.yPixelsPerMetre);
  out.U32(entries > 0 ? entries : f.coloursUsed);
  out.U32(f.importantColours);
  if (masks) {
    const ChannelMasks written = PackedMasks(f);  // all-zero masks are written as the defaults
    out.U32(written.red);
    out.U32(written.green);
    out.U32(written.blue);
  }
  WriteTable(out, f, entries, true);
}

// Appends the BMP file of a non-empty picture: its kept file bytes, or headers and rows.
void AppendBmp(std::vector<std::uint8_t>& bytes, const Bitmap& bitmap, Splices* splices) {
  if (!bitmap.RawFile().empty()) {
    Splices::Append(bytes, bitmap.SharedRawFile(), splices);
    return;
  }
  ByteWriter out(bytes);
  if (FitsCoreHeader(bitmap.Format())) WriteCore(out, bitmap);
  else WriteInfo(out, bitmap);
  Splices::Append(bytes, bitmap.SharedRows(), splices);
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
  std::vector<std::uint8_t> bytes;
  if (bitmap.IsEmpty()) return bytes;
  bytes.reserve(bitmap.RawFile().size() + bitmap.Rows().size() + kBmpFileHeaderSize + kBmpInfoHeaderSize +
                kBmpMasksSize + kBmpInfoEntrySize * bitmap.Format().colourTable.size());
  AppendBmp(bytes, bitmap, nullptr);
  return bytes;
}

void WriteBitmapPayload(std::vector<std::uint8_t>& out, const Bitmap& bitmap, Splices* splices) {
  ByteWriter writer(out);
  const std::size_t sizeAt = writer.Size();
  writer.U32(0);
  if (!bitmap.IsEmpty()) AppendBmp(out, bitmap, splices);
  const std::size_t size = out.size() - sizeAt - sizeof(std::uint32_t) + (splices ? splices->SizeFrom(sizeAt) : 0);
  if (size > std::numeric_limits<std::uint32_t>::max()) Fail(msg::kStreamWriteError);
  writer.PatchU32(sizeAt, static_cast<std::uint32_t>(size));
}

}  // namespace tessary
