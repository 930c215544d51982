// Reading BMP files and bitmap payloads. All numbers are little-endian.
//
// Bitmap payload:
//   u32  N            bytes of BMP file that follow; 0 = the empty picture
//   N    BMP file
//
// BMP file:
//   file header (14)
//     u8[2] "BM"
//     u32   total size of the file        (not used)
//     u16   reserved, u16 reserved        (not used)
//     u32   offset of the pixel data      used when it lies past the colour table and the
//                                         pixel data fits from there (a gap is allowed);
//                                         otherwise the pixels follow the colour table
//   core header (size 12)
//     u32 size = 12, u16 width, u16 height (rows always bottom-up), u16 planes = 1,
//     u16 bits per pixel
//   or info header (size >= 40; a longer one is read whole, only the first 40 bytes and,
//   from 52 bytes on, the three masks inside it are used)
//     u32 size, i32 width, i32 height (> 0 bottom-up, < 0 top-down), u16 planes = 1,
//     u16 bits per pixel (1, 4, 8, 16, 24, 32), u32 compression (0 RGB, 1 RLE8, 2 RLE4,
//     3 bit fields), u32 image size (0 = stride x rows), i32 x pixels per metre,
//     i32 y pixels per metre, u32 colours used, u32 important colours
//   colour masks (only after a header shorter than 52 bytes, with compression 3)
//     u32 red, u32 green, u32 blue
//   colour table
//     info header: colours used entries (0 = 2^bits for up to 8 bits, else none) of
//     blue, green, red, reserved; core header: 2^bits entries (up to 8 bits) of blue,
//     green, red
//   pixel data
//     uncompressed: rows of stride = ((width x bits + 31) / 32) x 4 bytes; the image size
//     field is not needed (some writers put width x 3 x height in it, short of the padding)
//     RLE: the image size (0 = all bytes left), decoded on first use; data that ends
//     without the end-of-bitmap mark leaves the rest of the picture 0; data too short to
//     stand for the picture (CompressedDataCovers, skin/Limits.h) is refused
//
// Pictures keep slices of the bytes they were read from (no copies); a file read from disk
// is read once into memory that is not cleared first.
#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/BmpLayout.h"
#include "skinfile/ByteReader.h"
#include "skinfile/FileIo.h"
#include "skinfile/Rle.h"

namespace tessary {

namespace {

bool IsRle(std::uint32_t compression) { return compression != kBmpRgb && compression != kBmpBitFields; }

struct HeaderInfo {
  BitmapFormat format;
  std::uint32_t imageSize = 0;
  bool masksFollow = false;  // masks come after the header rather than inside it
};

HeaderInfo ReadCoreHeader(ByteReader& in) {
  HeaderInfo info;
  BitmapFormat& f = info.format;
  f.coreHeader = true;
  f.width = in.U16();
  f.height = in.U16();
  if (in.U16() != 1) Fail(msg::kBitmapNotValid);  // planes
  f.bitsPerPixel = in.U16();
  return info;
}

HeaderInfo ReadInfoHeader(ByteReader& in, std::uint32_t headerSize) {
  if (headerSize < kBmpInfoHeaderSize) Fail(msg::kBitmapNotValid);
  ByteReader header(in.Take(headerSize - 4));
  HeaderInfo info;
  BitmapFormat& f = info.format;
  f.width = header.I32();
  f.height = header.I32();
  if (header.U16() != 1) Fail(msg::kBitmapNotValid);  // planes
  f.bitsPerPixel = header.U16();
  f.compression = header.U32();
  info.imageSize = header.U32();
  f.xPixelsPerMetre = header.I32();
  f.yPixelsPerMetre = header.I32();
  f.coloursUsed = header.U32();
  f.importantColours = header.U32();
  const bool packed = f.bitsPerPixel == 16 || f.bitsPerPixel == 32;
  if (packed && f.compression == kBmpBitFields) {
    if (headerSize >= kBmpHeaderWithMasksSize) {
      f.redMask = header.U32();
      f.greenMask = header.U32();
      f.blueMask = header.U32();
    } else {
      info.masksFollow = true;
    }
  }
  return info;
}

void ReadColourTable(ByteReader& in, BitmapFormat& f) {
  std::uint64_t count;
  if (f.coreHeader) count = IsIndexedDepth(f.bitsPerPixel) ? (1u << f.bitsPerPixel) : 0;
  else count = f.coloursUsed != 0 ? f.coloursUsed : IsIndexedDepth(f.bitsPerPixel) ? (1u << f.bitsPerPixel) : 0;
  const std::size_t entrySize = f.coreHeader ? kBmpCoreEntrySize : kBmpInfoEntrySize;
  if (count * entrySize > in.Remaining()) Fail(msg::kStreamReadError);
  // An indexed picture cannot use more than 2^bits entries; the rest are read past.
  const std::uint64_t kept =
      IsIndexedDepth(f.bitsPerPixel) ? std::min<std::uint64_t>(count, 1u << f.bitsPerPixel) : count;
  f.colourTable.reserve(static_cast<std::size_t>(kept));
  for (std::uint64_t i = 0; i < count; ++i) {
    auto e = in.Take(entrySize);
    if (i < kept)
      f.colourTable.push_back(0xFF000000u | (std::uint32_t{e[2]} << 16) | (std::uint32_t{e[1]} << 8) | e[0]);
  }
}

}  // namespace

namespace {

// Where the pixel data starts: at the offset the file header gives when that lies past the
// colour table and `needed` bytes fit from there, else right after the table (the rule
// every file this program writes follows).
std::size_t PixelStart(std::uint32_t offset, std::size_t tableEnd, std::size_t size, std::size_t needed) {
  if (offset > tableEnd && offset <= size && size - offset >= needed) return offset;
  return tableEnd;
}

// The file header, the picture's header and the masks that follow it, checked: sizes and
// depth before anything is allocated for the picture. `offset` gets the pixel offset.
HeaderInfo ReadHeaders(ByteReader& in, std::uint32_t& offset) {
  auto magic = in.Take(2);
  if (magic[0] != kBmpMagic[0] || magic[1] != kBmpMagic[1]) Fail(msg::kBitmapNotValid);
  in.Skip(kBmpFileHeaderSize - sizeof kBmpMagic - sizeof(std::uint32_t));  // total size, reserved words
  offset = in.U32();

  const std::uint32_t headerSize = in.U32();
  HeaderInfo info = headerSize == kBmpCoreHeaderSize ? ReadCoreHeader(in) : ReadInfoHeader(in, headerSize);
  BitmapFormat& f = info.format;
  if (!BitmapFormatIsValid(f)) Fail(msg::kBitmapNotValid);
  if (info.masksFollow) {
    f.redMask = in.U32();
    f.greenMask = in.U32();
    f.blueMask = in.U32();
  }
  return info;
}

// Reads one BMP from the start of `bytes`. A standalone file may end early in its RLE data
// (what is there is decoded); an embedded one must hold the size its header states, since
// whatever follows it is not part of it. `length` gets the bytes the BMP took.
Bitmap ReadBmpAt(const SharedBytes& bytes, bool embedded, std::size_t& length) {
  ByteReader in(bytes.Span());
  std::uint32_t offset = 0;
  HeaderInfo info = ReadHeaders(in, offset);
  BitmapFormat& f = info.format;
  ReadColourTable(in, f);
  const std::size_t tableEnd = in.Position();

  if (IsRle(f.compression)) {
    if (embedded && info.imageSize == 0) Fail(msg::kBitmapNotValid);  // where it ends is unknown
    in.Seek(PixelStart(offset, tableEnd, bytes.size(), embedded ? info.imageSize : 1));
    if (embedded && info.imageSize > in.Remaining()) Fail(msg::kStreamReadError);
    const std::size_t size =
        info.imageSize == 0 ? in.Remaining() : std::min<std::size_t>(info.imageSize, in.Remaining());
    const SharedBytes data = bytes.Slice(in.Position(), size);
    in.Skip(size);
    length = in.Position();
    // A few bytes that claim a large picture (an early end-of-bitmap mark leaves the rest
    // zero) are refused before anything is decoded (skin/Limits.h).
    const std::uint64_t pixels = static_cast<std::uint64_t>(f.width) * static_cast<std::uint64_t>(f.Rows());
    if (!CompressedDataCovers(size, pixels)) Fail(msg::kBitmapNotValid);
    // Checked now, decoded only when something draws or converts the picture.
    CheckRle(data.Span(), f);
    const BitmapFormat format = f;
    // The whole file (an embedded one up to its end) is kept and written back as it was.
    return Bitmap::FromEncoded(
        std::move(f), [data, format] { return DecodeRle(data.Span(), format); },
        embedded ? bytes.Slice(0, length) : bytes);
  }
  const std::uint64_t rowBytes = static_cast<std::uint64_t>(f.Stride()) * static_cast<std::uint64_t>(f.Rows());
  if (rowBytes > bytes.size()) Fail(msg::kStreamReadError);
  in.Seek(PixelStart(offset, tableEnd, bytes.size(), static_cast<std::size_t>(rowBytes)));
  if (in.Remaining() < rowBytes) Fail(msg::kStreamReadError);
  const SharedBytes rows = bytes.Slice(in.Position(), static_cast<std::size_t>(rowBytes));
  in.Skip(rows.size());
  length = in.Position();
  return Bitmap::FromStored(std::move(f), rows);
}

}  // namespace

BmpSize ReadBmpSize(std::span<const std::uint8_t> header) {
  if (header.empty()) return {};
  ByteReader in(header);
  auto magic = in.Take(2);
  if (magic[0] != kBmpMagic[0] || magic[1] != kBmpMagic[1]) Fail(msg::kBitmapNotValid);
  in.Skip(kBmpFileHeaderSize - sizeof kBmpMagic);  // total size, reserved words, offset
  const std::uint32_t headerSize = in.U32();
  const HeaderInfo info = headerSize == kBmpCoreHeaderSize ? ReadCoreHeader(in) : ReadInfoHeader(in, headerSize);
  if (!BitmapFormatIsValid(info.format)) Fail(msg::kBitmapNotValid);
  return {info.format.width, info.format.Rows()};
}

Bitmap ReadBmp(const SharedBytes& bytes) {
  if (bytes.empty()) return Bitmap();
  std::size_t length = 0;
  return ReadBmpAt(bytes, false, length);
}

Bitmap ReadBmp(std::span<const std::uint8_t> bytes) { return ReadBmp(SharedBytes::Copy(bytes)); }

Bitmap ReadEmbeddedBmp(const SharedBytes& bytes, std::size_t& length) { return ReadBmpAt(bytes, true, length); }

Bitmap ReadBitmapPayload(const SharedBytes& payload) {
  if (payload.empty()) return Bitmap();
  ByteReader in(payload.Span());
  const std::uint32_t size = in.U32();
  if (size == 0) return Bitmap();
  in.Skip(size);
  return ReadBmp(payload.Slice(sizeof size, size));
}

Bitmap ReadBitmapPayload(std::span<const std::uint8_t> payload) {
  return ReadBitmapPayload(SharedBytes::Copy(payload));
}

bool BmpStartLooksRight(std::span<const std::uint8_t> start) {
  // A header longer than the start holds cannot be judged from it.
  constexpr std::size_t kHeaderSizeField = sizeof(std::uint32_t);
  if (start.size() >= kBmpFileHeaderSize + kHeaderSizeField &&
      ByteReader(start.subspan(kBmpFileHeaderSize)).U32() > start.size() - kBmpFileHeaderSize - kBmpMasksSize) {
    return true;
  }
  try {
    ByteReader in(start);
    std::uint32_t offset = 0;
    ReadHeaders(in, offset);
    return true;
  } catch (const SkinError&) {
    return false;
  }
}

Bitmap LoadBmpFile(const std::string& path) {
  FileRead how;
  how.startSize = kBmpStartSize;
  how.startLooksRight = BmpStartLooksRight;
  return ReadBmp(ReadFileBytes(path, how));
}

}  // namespace tessary
