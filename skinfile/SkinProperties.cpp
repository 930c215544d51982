#include "skinfile/SkinProperties.h"

#include <array>
#include <string_view>

#include "skin/Error.h"
#include "skin/Limits.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/ImageListPayload.h"

namespace tessary {
namespace {

constexpr std::array<std::string_view, 2> kBooleanNames = {"False", "True"};
constexpr std::array<std::string_view, 4> kDrawingStyleNames = {"dsFocus", "dsSelected", "dsNormal", "dsTransparent"};
constexpr std::array<std::string_view, 2> kImageTypeNames = {"itImage", "itMask"};

constexpr std::int64_t kDefaultImageSide = 16;
constexpr std::int64_t kDefaultAllocBy = 4;

const TTBBackground& Background(const void* object) { return *static_cast<const TTBBackground*>(object); }
TTBBackground& Background(void* object) { return *static_cast<TTBBackground*>(object); }
const ImageList& List(const void* object) { return *static_cast<const ImageList*>(object); }
ImageList& List(void* object) { return *static_cast<ImageList*>(object); }
ImageListProperties& Props(void* object) { return List(object).properties; }
const ImageListProperties& Props(const void* object) { return List(object).properties; }

int CheckedImageSide(std::int64_t side) {
  // A list of a size no image-list payload can hold could never be saved with images.
  if (side < kMinCellSide || side > kMaxCellSide) Fail(msg::kInvalidPropertyValue);
  return static_cast<int>(side);
}

// The picture held by a background's Bitmap property: it stores only its data. The
// background is the object here, since it owns the picture and rebuilds on a new one.
constexpr PropertyInfo kPictureDefined[] = {
    {.name = "Data",
     .kind = PropertyKind::kData,
     .hasData = [](const void* o) { return !Background(o).GetBitmap().IsEmpty(); },
     .writeData = [](const void* o, std::vector<std::uint8_t>& out,
                     Splices* splices) { WriteBitmapPayload(out, Background(o).GetBitmap(), splices); },
     .readData = [](void* o, const SharedBytes& bytes) { Background(o).SetBitmap(ReadBitmapPayload(bytes)); }},
};

constexpr PropertyInfo kBackgroundPublished[] = {
    {.name = "Tag",
     .kind = PropertyKind::kInteger,
     .getNumber = [](const void* o) -> std::int64_t { return Background(o).tag; },
     .setNumber = [](void* o, std::int64_t v) { Background(o).tag = static_cast<std::int32_t>(v); }},
    {.name = "Bitmap",
     .kind = PropertyKind::kObject,
     .objectClass = &kPictureClass,
     .viewObject = [](const void* o) { return o; },
     .editObject = [](void* o) { return o; },
     .clearObject = [](void* o) { Background(o).SetBitmap(Bitmap{}); }},
    {.name = "BkColor",
     .kind = PropertyKind::kColour,
     .defaultValue = clBtnFace,
     .getNumber = [](const void* o) -> std::int64_t { return Background(o).BkColor(); },
     .setNumber = [](void* o, std::int64_t v) { Background(o).SetBkColor(static_cast<Colour>(v)); }},
    {.name = "Transparent",
     .kind = PropertyKind::kBoolean,
     .defaultValue = 0,
     .memberNames = kBooleanNames,
     .getNumber = [](const void* o) -> std::int64_t { return Background(o).Transparent() ? 1 : 0; },
     .setNumber = [](void* o, std::int64_t v) { Background(o).SetTransparent(v != 0); }},
};

constexpr PropertyInfo kBackgroundDefined[] = {
    {.name = "Left",
     .kind = PropertyKind::kDesignWord,
     .getNumber = [](const void* o) -> std::int64_t { return Background(o).left; },
     .setNumber = [](void* o, std::int64_t v) { Background(o).left = static_cast<std::uint16_t>(v); }},
    {.name = "Top",
     .kind = PropertyKind::kDesignWord,
     .getNumber = [](const void* o) -> std::int64_t { return Background(o).top; },
     .setNumber = [](void* o, std::int64_t v) { Background(o).top = static_cast<std::uint16_t>(v); }},
};

constexpr PropertyInfo kImageListPublished[] = {
    {.name = "Tag",
     .kind = PropertyKind::kInteger,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).tag; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).tag = static_cast<std::int32_t>(v); }},
    {.name = "BlendColor",
     .kind = PropertyKind::kColour,
     .defaultValue = clNone,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).blendColor; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).blendColor = static_cast<Colour>(v); }},
    {.name = "BkColor",
     .kind = PropertyKind::kColour,
     .defaultValue = clNone,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).bkColor; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).bkColor = static_cast<Colour>(v); }},
    {.name = "AllocBy",
     .kind = PropertyKind::kInteger,
     .defaultValue = kDefaultAllocBy,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).allocBy; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).allocBy = static_cast<std::int32_t>(v); }},
    {.name = "DrawingStyle",
     .kind = PropertyKind::kEnumeration,
     .defaultValue = static_cast<std::int64_t>(DrawingStyle::dsNormal),
     .memberNames = kDrawingStyleNames,
     .getNumber = [](const void* o) -> std::int64_t { return static_cast<std::int64_t>(Props(o).drawingStyle); },
     .setNumber = [](void* o, std::int64_t v) { Props(o).drawingStyle = static_cast<DrawingStyle>(v); }},
    {.name = "Height",
     .kind = PropertyKind::kInteger,
     .defaultValue = kDefaultImageSide,
     .getNumber = [](const void* o) -> std::int64_t { return List(o).Height(); },
     .setNumber = [](void* o, std::int64_t v) { List(o).SetHeight(CheckedImageSide(v)); }},
    {.name = "ImageType",
     .kind = PropertyKind::kEnumeration,
     .defaultValue = static_cast<std::int64_t>(ImageType::itImage),
     .memberNames = kImageTypeNames,
     .getNumber = [](const void* o) -> std::int64_t { return static_cast<std::int64_t>(Props(o).imageType); },
     .setNumber = [](void* o, std::int64_t v) { Props(o).imageType = static_cast<ImageType>(v); }},
    {.name = "Masked",
     .kind = PropertyKind::kBoolean,
     .defaultValue = 1,
     .memberNames = kBooleanNames,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).masked ? 1 : 0; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).masked = v != 0; }},
    {.name = "OnChange",
     .kind = PropertyKind::kHandler,
     .getText = [](const void* o) { return Props(o).onChange; },
     .setText = [](void* o, std::string v) { Props(o).onChange = std::move(v); }},
    {.name = "ShareImages",
     .kind = PropertyKind::kBoolean,
     .defaultValue = 0,
     .memberNames = kBooleanNames,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).shareImages ? 1 : 0; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).shareImages = v != 0; }},
    {.name = "Width",
     .kind = PropertyKind::kInteger,
     .defaultValue = kDefaultImageSide,
     .getNumber = [](const void* o) -> std::int64_t { return List(o).Width(); },
     .setNumber = [](void* o, std::int64_t v) { List(o).SetWidth(CheckedImageSide(v)); }},
};

constexpr PropertyInfo kImageListDefined[] = {
    {.name = "Left",
     .kind = PropertyKind::kDesignWord,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).left; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).left = static_cast<std::uint16_t>(v); }},
    {.name = "Top",
     .kind = PropertyKind::kDesignWord,
     .getNumber = [](const void* o) -> std::int64_t { return Props(o).top; },
     .setNumber = [](void* o, std::int64_t v) { Props(o).top = static_cast<std::uint16_t>(v); }},
    {.name = "Bitmap",
     .kind = PropertyKind::kData,
     .hasData = [](const void* o) { return List(o).ImageCount() > 0; },
     .writeData = [](const void* o, std::vector<std::uint8_t>& out, Splices*) { WriteImageListPayload(out, List(o)); },
     .readData = [](void* o, const SharedBytes& bytes) { ReadImageListPayload(bytes, List(o)); }},
};

}  // namespace

const ClassInfo kPictureClass{"TPicture", {}, kPictureDefined};
const ClassInfo kBackgroundClass{"TTBBackground", kBackgroundPublished, kBackgroundDefined};
const ClassInfo kImageListClass{"TImageList", kImageListPublished, kImageListDefined};

void WriteComponent(std::vector<std::uint8_t>& out, const TTBBackground& background, Splices* splices) {
  ComponentWriter(out, splices).WriteComponent(kBackgroundClass, &background, background.name);
}

void WriteComponent(std::vector<std::uint8_t>& out, const ImageList& list, Splices* splices) {
  ComponentWriter(out, splices).WriteComponent(kImageListClass, &list, list.name);
}

void ReadComponent(ByteReader& in, TTBBackground& background, const ReadContext& context) {
  ComponentReader(in).ReadComponent(kBackgroundClass, &background, background.name, context);
}

void ReadComponent(ByteReader& in, ImageList& list, const ReadContext& context) {
  ComponentReader(in).ReadComponent(kImageListClass, &list, list.name, context);
}

}  // namespace tessary
