// Skin file (.skn) layout, integers little-endian:
//   offset   0  1 byte   TopStretch     bgTop's StretchBitmap flag: 0 tiled, non-zero stretched
//   offset   1  1 byte   BottomStretch  the same for bgBottom
//   offset   2  2 bytes  unused, written 0
//   offset   4  4 bytes  Marker         signed, written 9, never examined
//   offset   8 65 bytes  TextColorName  text field (below): ColourToText of the text colour
//   offset  73 65 bytes  GaugeColorName text field: ColourToText of the progress-bar colour
//   offset 138 65 bytes  ThemeName      text field: the theme's name
//   offset 203  1 byte   unused, written 0
//   then the component records of bgTop, bgBottom, ilLButtons, ilSButtons, ilImages, ilHot,
//   ilDisable, ilDown, ilMain, ilPage, back to back (no record carries its length).
// A text field is a length byte n (0-64) and n characters, one byte each; the rest is 0.
// A longer text is cut to 64 when written; a length byte above 64 is cut to 64 when read.
//
// Old skin file (.crs): TopStretch, BottomStretch (one byte each), then the records of
// bgTop, bgBottom, ilLButtons, ilSButtons, ilImages, ilHot, ilDisable, ilDown.
#include "skinfile/SkinFile.h"

#include <algorithm>
#include <string_view>
#include <tuple>
#include <utility>

#include "skin/Error.h"
#include "skin/Limits.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentReader.h"
#include "skinfile/FileIo.h"
#include "skinfile/FileSystem.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/TextEncoding.h"
#include "skinfile/ValueTags.h"

namespace tessary {
namespace {

constexpr std::size_t kHeaderSize = 204;
constexpr std::size_t kOldHeaderSize = 2;
constexpr std::size_t kTopStretchOffset = 0;
constexpr std::size_t kBottomStretchOffset = 1;
constexpr std::size_t kMarkerOffset = 4;
constexpr std::size_t kTextColorOffset = 8;
constexpr std::size_t kGaugeColorOffset = 73;
constexpr std::size_t kThemeNameOffset = 138;
constexpr std::size_t kTextFieldSize = 65;
constexpr std::int32_t kMarkerValue = 9;
constexpr std::size_t kBackgroundCount = 2;  // bgTop and bgBottom come first
static_assert(kTextColorOffset + kTextFieldSize == kGaugeColorOffset);
static_assert(kGaugeColorOffset + kTextFieldSize == kThemeNameOffset);
static_assert(kThemeNameOffset + kTextFieldSize + 1 == kHeaderSize);  // one unused byte at the end

// Skin files hold all of the skin's image lists; old skin files stop after ilDown.
constexpr std::size_t kSkinFileListCount = std::tuple_size_v<decltype(std::declval<Skin&>().ImageLists())>;
constexpr std::size_t kOldFileListCount = 6;

// Room for the header, record heads and the image lists of a usual skin, so that building
// a file does not reallocate for every record.
constexpr std::size_t kBaseReserve = 512 * 1024;
constexpr std::size_t kBmpOverhead = 2048;

void PutTextField(std::vector<std::uint8_t>& out, std::size_t offset, std::string_view text) {
  if (text.size() > kMaxHeaderText) text = text.substr(0, kMaxHeaderText);
  out[offset] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

std::string GetTextField(std::span<const std::uint8_t> header, std::size_t offset) {
  const std::size_t length = std::min<std::size_t>(header[offset], kMaxHeaderText);
  return std::string(reinterpret_cast<const char*>(header.data() + offset + 1), length);
}

// Fills the header at `start`; the caller has zeroed it, so bytes without meaning stay 0
// and saving a skin twice gives the same bytes.
void FillHeader(std::vector<std::uint8_t>& out, std::size_t start, const Skin& skin) {
  out[start + kTopStretchOffset] = skin.bgTop.StretchBitmap() ? 1 : 0;
  out[start + kBottomStretchOffset] = skin.bgBottom.StretchBitmap() ? 1 : 0;
  ByteWriter(out).PatchU32(start + kMarkerOffset, static_cast<std::uint32_t>(kMarkerValue));
  PutTextField(out, start + kTextColorOffset, ColourToText(skin.textColour));
  PutTextField(out, start + kGaugeColorOffset, ColourToText(skin.gaugeColour));
  PutTextField(out, start + kThemeNameOffset, skin.themeName);
}

SkinHeader ReadHeader(ByteReader& in, SkinFileFormat format) {
  SkinHeader header;
  if (format == SkinFileFormat::kCrs) {
    const auto bytes = in.Take(kOldHeaderSize);
    header.topStretch = bytes[kTopStretchOffset];
    header.bottomStretch = bytes[kBottomStretchOffset];
    header.marker = 0;  // old skin files have none
    return header;
  }
  const auto bytes = in.Take(kHeaderSize);
  header.topStretch = bytes[kTopStretchOffset];
  header.bottomStretch = bytes[kBottomStretchOffset];
  header.marker = ByteReader(bytes.subspan(kMarkerOffset, sizeof(std::int32_t))).I32();
  header.textColorName = GetTextField(bytes, kTextColorOffset);
  header.gaugeColorName = GetTextField(bytes, kGaugeColorOffset);
  header.themeName = GetTextField(bytes, kThemeNameOffset);
  return header;
}

std::size_t ListCount(SkinFileFormat format) {
  return format == SkinFileFormat::kSkn ? kSkinFileListCount : kOldFileListCount;
}

// The names of the skin's components other than `own`: a record may not take one of them.
ReadContext ContextFor(const Skin& skin, const std::string& own) {
  ReadContext context;
  for (const std::string* name : {&skin.bgTop.name, &skin.bgBottom.name}) {
    if (*name != own) context.otherComponentNames.push_back(*name);
  }
  for (const ImageList* list : skin.ImageLists()) {
    if (list->name != own) context.otherComponentNames.push_back(list->name);
  }
  return context;
}

// The file's content: built bytes, and with `splices` the large shared parts (pictures as
// read) left out of them and spliced in where they belong.
std::vector<std::uint8_t> Build(const Skin& skin, Splices* splices) {
  std::vector<std::uint8_t> out;
  std::size_t reserve = kBaseReserve;
  if (splices == nullptr) {
    for (const TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
      reserve += background->GetBitmap().Rows().size() + background->GetBitmap().RawFile().size() + kBmpOverhead;
    }
  }
  out.reserve(reserve);
  out.assign(kHeaderSize, 0);
  FillHeader(out, 0, skin);
  WriteComponent(out, skin.bgTop, splices);
  WriteComponent(out, skin.bgBottom, splices);
  for (const ImageList* list : skin.ImageLists()) WriteComponent(out, *list, splices);
  return out;
}

}  // namespace

std::vector<std::uint8_t> BuildSkinFile(const Skin& skin) { return Build(skin, nullptr); }

void SaveSkinFile(const std::string& path, const Skin& skin) {
  // Built completely before anything touches the disk: a failure here leaves every file
  // alone. The pictures are not copied into it but written from where they are.
  Splices splices;
  const std::vector<std::uint8_t> built = Build(skin, &splices);
  WriteFileSafely(path, splices.Pieces(built));
}

void ReadSkinFile(std::span<const std::uint8_t> bytes, SkinFileFormat format, Skin& skin) {
  ReadSkinFile(SharedBytes::Copy(bytes), format, skin);
}

void ReadSkinFile(const SharedBytes& bytes, SkinFileFormat format, Skin& skin) {
  // Everything is read into a copy and taken over only when the whole file was read, so a
  // failure leaves the skin as it was.
  Skin copy(skin);
  ByteReader in(bytes);
  const SkinHeader header = ReadHeader(in, format);
  ReadComponent(in, copy.bgTop, ContextFor(copy, copy.bgTop.name));
  ReadComponent(in, copy.bgBottom, ContextFor(copy, copy.bgBottom.name));
  copy.bgTop.SetStretchBitmap(header.topStretch != 0);
  copy.bgBottom.SetStretchBitmap(header.bottomStretch != 0);
  auto lists = copy.ImageLists();
  for (std::size_t i = 0; i < ListCount(format); ++i) {
    ReadComponent(in, *lists[i], ContextFor(copy, lists[i]->name));
  }
  if (format == SkinFileFormat::kSkn) {
    copy.textColour = TextToColour(header.textColorName);
    copy.gaugeColour = TextToColour(header.gaugeColorName);
    copy.themeName = header.themeName;
  }
  skin.Assign(copy);
}

SharedBytes ReadSkinFileBytes(const std::string& path, SkinFileFormat format, bool streams) {
  FileRead how;
  how.streams = streams;
  // Up to the first record's signature in the longer layout, so that a file of the other
  // layout can still be told by its start.
  how.startSize = kHeaderSize + kRecordSignature.size();
  how.startLooksRight = [format](std::span<const std::uint8_t> start) {
    const std::size_t at = format == SkinFileFormat::kSkn ? kHeaderSize : kOldHeaderSize;
    return start.size() >= at + kRecordSignature.size() && std::equal(kRecordSignature.begin(), kRecordSignature.end(),
                                                                      start.begin() + static_cast<std::ptrdiff_t>(at));
  };
  return ReadFileBytes(path, how);
}

void OpenSkinFile(const std::string& path, Skin& skin) {
  ReadSkinFile(ReadSkinFileBytes(path, SkinFileFormat::kSkn), SkinFileFormat::kSkn, skin);
}

void ImportOldSkinFile(const std::string& path, Skin& skin) {
  ReadSkinFile(ReadSkinFileBytes(path, SkinFileFormat::kCrs), SkinFileFormat::kCrs, skin);
}

SkinFileInfo InspectSkinFile(std::span<const std::uint8_t> bytes, SkinFileFormat format) {
  SkinFileInfo info;
  info.format = format;
  ByteReader in(bytes);
  info.header = ReadHeader(in, format);
  const std::size_t recordCount = kBackgroundCount + ListCount(format);
  for (std::size_t i = 0; i < recordCount; ++i) {
    RecordInfo record;
    record.offset = in.Position();
    // Only the layout is wanted: values and children are stepped over, not built.
    RecordOutline outline = ComponentReader(in).ReadOutline();
    record.length = in.Position() - record.offset;
    record.className = std::move(outline.className);
    record.name = std::move(outline.name);
    record.properties = std::move(outline.properties);
    info.records.push_back(std::move(record));
  }
  return info;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  const SharedBytes bytes = ReadFileBytes(path);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

Skin ClassDefaultSkin() {
  Skin skin;
  const TTBBackground freshBackground;
  for (TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
    background->SetBkColor(freshBackground.BkColor());
    background->tag = freshBackground.tag;
    background->left = freshBackground.left;
    background->top = freshBackground.top;
  }
  const ImageList freshList;
  for (ImageList* list : skin.ImageLists()) {
    list->properties = freshList.properties;
    list->SetSize(freshList.Width(), freshList.Height());
  }
  return skin;
}

bool SavesOverOldSkinFile(const std::string& path) {
  constexpr std::string_view kOldSkinSuffix = ".crs";
  const auto named = [&](std::string_view name) {
    return name.size() >= kOldSkinSuffix.size() &&
           EqualsIgnoringAsciiCase(name.substr(name.size() - kOldSkinSuffix.size()), kOldSkinSuffix);
  };
  return named(path) || named(os::Utf8Of(ResolveLinks(os::PathOf(path))));
}

}  // namespace tessary
