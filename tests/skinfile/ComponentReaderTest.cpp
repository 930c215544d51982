// The component record reader: applying records to the skin's classes and to a small test
// class (text, set, 64-bit and read-only properties), setter side effects, the read-ahead
// contract, name checks and every failure message.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentReader.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/SkinProperties.h"

namespace tessary {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A class with the property kinds the skin's classes lack.
struct Gadget {
  std::string caption;
  std::uint32_t options = 0;
  std::int64_t big = 0;
  std::int32_t fixed = 7;
};
constexpr std::array<std::string_view, 3> kOptionNames = {"goOne", "goTwo", "goThree"};
Gadget& AsGadget(void* o) { return *static_cast<Gadget*>(o); }
const Gadget& AsGadget(const void* o) { return *static_cast<const Gadget*>(o); }
constexpr PropertyInfo kGadgetPublished[] = {
    {.name = "Caption",
     .kind = PropertyKind::kText,
     .getText = [](const void* o) { return AsGadget(o).caption; },
     .setText = [](void* o, std::string v) { AsGadget(o).caption = std::move(v); }},
    {.name = "Options",
     .kind = PropertyKind::kSet,
     .memberNames = kOptionNames,
     .getNumber = [](const void* o) -> std::int64_t { return AsGadget(o).options; },
     .setNumber = [](void* o, std::int64_t v) { AsGadget(o).options = static_cast<std::uint32_t>(v); }},
    {.name = "Big",
     .kind = PropertyKind::kInt64,
     .getNumber = [](const void* o) -> std::int64_t { return AsGadget(o).big; },
     .setNumber = [](void* o, std::int64_t v) { AsGadget(o).big = v; }},
    {.name = "Fixed",
     .kind = PropertyKind::kInteger,
     .defaultValue = 7,
     .getNumber = [](const void* o) -> std::int64_t { return AsGadget(o).fixed; }},
};
const ClassInfo kGadgetClass{"TGadget", kGadgetPublished, {}};

// Builds a record by hand: head, then entries written by the caller.
class RecordBuilder {
 public:
  RecordBuilder(std::string_view className, std::string_view name) : writer_(bytes_) {
    writer_.Signature();
    writer_.ShortString(className);
    writer_.ShortString(name);
  }
  ComponentWriter& Path(std::string_view path) {
    writer_.ShortString(path);
    return writer_;
  }
  RecordBuilder& Raw(Bytes raw) {
    for (std::uint8_t b : raw) bytes_.push_back(b);
    return *this;
  }
  Bytes Finish() {
    bytes_.push_back(0);
    bytes_.push_back(0);
    return bytes_;
  }

 private:
  Bytes bytes_;
  ComponentWriter writer_;
};

Bytes Record(const TTBBackground& background) {
  Bytes out;
  WriteComponent(out, background);
  return out;
}

Bytes Record(const ImageList& list) {
  Bytes out;
  WriteComponent(out, list);
  return out;
}

template <typename Component>
void Read(const Bytes& bytes, Component& component, const ReadContext& context = {}) {
  ByteReader in(bytes);
  ReadComponent(in, component, context);
  EXPECT_EQ(in.Position(), bytes.size());
}

template <typename Component>
std::string ReadError(const Bytes& bytes, Component& component, const ReadContext& context = {}) {
  ByteReader in(bytes);
  try {
    ReadComponent(in, component, context);
  } catch (const SkinError& error) {
    return error.what();
  }
  return "(no error)";
}

Bitmap Picture(int width, int height, Argb colour) {
  return Bitmap::FromArgb(width, height, std::vector<Argb>(static_cast<std::size_t>(width * height), colour));
}

TEST(ComponentReaderTest, SkinComponentsRoundTrip) {
  Skin saved;
  saved.bgTop.tag = -9;
  saved.bgTop.SetBitmap(Picture(3, 2, 0xFF102030));
  saved.bgTop.SetTransparent(true);
  saved.bgTop.SetBkColor(0x00ABCDEF);
  saved.ilHot.properties.allocBy = 12;
  saved.ilHot.properties.drawingStyle = DrawingStyle::dsTransparent;
  saved.ilHot.properties.imageType = ImageType::itMask;
  saved.ilHot.properties.masked = false;
  saved.ilHot.properties.blendColor = clHighlight;
  saved.ilHot.AppendImage(Picture(21, 21, 0xFF00FF00), clNone);

  Skin loaded;
  Read(Record(saved.bgTop), loaded.bgTop);
  EXPECT_EQ(loaded.bgTop.tag, -9);
  EXPECT_TRUE(loaded.bgTop.GetBitmap().SamePixels(saved.bgTop.GetBitmap()));
  EXPECT_TRUE(loaded.bgTop.Transparent());
  EXPECT_EQ(loaded.bgTop.BkColor(), 0x00ABCDEFu);

  Read(Record(saved.ilHot), loaded.ilHot);
  const ImageListProperties& p = loaded.ilHot.properties;
  EXPECT_EQ(p.allocBy, 12);
  EXPECT_EQ(p.drawingStyle, DrawingStyle::dsTransparent);
  EXPECT_EQ(p.imageType, ImageType::itMask);
  EXPECT_FALSE(p.masked);
  EXPECT_EQ(p.blendColor, clHighlight);
  ASSERT_EQ(loaded.ilHot.ImageCount(), 1);
  EXPECT_EQ(loaded.ilHot.ImageAt(0).pixels, saved.ilHot.ImageAt(0).pixels);
}

TEST(ComponentReaderTest, SourceStandsRightAfterTheRecord) {
  Skin skin;
  Bytes two = Record(skin.bgTop);
  const std::size_t first = two.size();
  const Bytes second = Record(skin.bgBottom);
  two.insert(two.end(), second.begin(), second.end());
  ByteReader in(two);
  ReadComponent(in, skin.bgTop);
  EXPECT_EQ(in.Position(), first);
  ReadComponent(in, skin.bgBottom);
  EXPECT_TRUE(in.AtEnd());
}

TEST(ComponentReaderTest, ImageSizeSettersAndTheBitmapPayload) {
  ImageList source(21, 21);
  source.name = "ilHot";
  source.AppendImage(Picture(21, 21, 0xFF0000FF), clNone);
  source.AppendImage(Picture(21, 21, 0xFF00FF00), clNone);

  // A different Height followed by Bitmap: the payload decides size and images.
  ImageList target(16, 16);
  target.name = "ilHot";
  target.AppendImage(Picture(16, 16, 0xFFFFFFFF), clNone);
  Read(Record(source), target);
  EXPECT_EQ(target.Width(), 21);
  EXPECT_EQ(target.Height(), 21);
  EXPECT_EQ(target.ImageCount(), 2);

  // Without Bitmap: the new size and no images.
  ImageList empty(21, 21);
  empty.name = "ilHot";
  ImageList old(16, 16);
  old.name = "ilHot";
  old.AppendImage(Picture(16, 16, 0xFFFFFFFF), clNone);
  Read(Record(empty), old);
  EXPECT_EQ(old.Width(), 21);
  EXPECT_EQ(old.ImageCount(), 0);

  // A size equal to the current one keeps the images; so does a record without Bitmap.
  ImageList same(21, 21);
  same.name = "ilHot";
  same.AppendImage(Picture(21, 21, 0xFFFFFFFF), clNone);
  Read(Record(empty), same);
  EXPECT_EQ(same.ImageCount(), 1);
}

TEST(ComponentReaderTest, RecordWithoutPictureDataLeavesThePicture) {
  Skin skin;
  skin.bgTop.SetBitmap(Picture(4, 4, 0xFF123456));
  Read(Record(Skin().bgTop), skin.bgTop);
  EXPECT_EQ(skin.bgTop.GetBitmap().Width(), 4);
  EXPECT_EQ(skin.bgTop.BkColor(), clNone);
}

TEST(ComponentReaderTest, ValuesInOtherSpellingsReadTheSame) {
  Skin skin;
  skin.bgTop.SetBkColor(clRed);
  Bytes payload;
  WriteBitmapPayload(payload, Picture(2, 2, 0xFF00FF00));
  RecordBuilder record("TTBBackground", "bgTop");
  record.Path("bkcolor").Integer(536870911);  // clNone as a plain integer
  record.Path("LEFT").Integer(5);
  record.Path("bitmap.DATA").Binary(payload);
  record.Path("transparent").Identifier("TRUE");
  Read(record.Finish(), skin.bgTop);
  EXPECT_EQ(skin.bgTop.BkColor(), clNone);
  EXPECT_EQ(skin.bgTop.left, 5);
  EXPECT_EQ(skin.bgTop.GetBitmap().Width(), 2);
  EXPECT_TRUE(skin.bgTop.Transparent());

  RecordBuilder colours("TImageList", "ilMain");
  colours.Path("BkColor").Tag(ValueTag::kIdent);  // identifiers in any case
  colours.Path("CLWINDOWTEXT");
  colours.Path("DrawingStyle").Tag(ValueTag::kIdent);
  colours.Path("DSFOCUS");
  Read(colours.Finish(), skin.ilMain);
  EXPECT_EQ(skin.ilMain.properties.bkColor, clWindowText);
  EXPECT_EQ(skin.ilMain.properties.drawingStyle, DrawingStyle::dsFocus);
}

TEST(ComponentReaderTest, DesignWordsKeepTheirLowSixteenBits) {
  TTBBackground written;
  written.name = "bgTop";
  written.left = 40000;
  written.top = 65535;
  TTBBackground read;
  read.name = "bgTop";
  Read(Record(written), read);
  EXPECT_EQ(read.left, 40000);
  EXPECT_EQ(read.top, 65535);

  RecordBuilder wide("TTBBackground", "bgTop");
  wide.Path("Left").Integer(0x12345);
  wide.Path("Top").Integer(-1);
  Read(wide.Finish(), read);
  EXPECT_EQ(read.left, 0x2345);
  EXPECT_EQ(read.top, 0xFFFF);
}

TEST(ComponentReaderTest, RecordOfTheOtherClassFailsAtItsFirstProperty) {
  ImageList list(21, 21);
  list.name = "bgTop";
  Skin skin;
  skin.bgTop.SetBitmap(Picture(2, 2, 0xFF0000FF));
  EXPECT_EQ(ReadError(Record(list), skin.bgTop), "Error reading bgTop.Height: Property Height does not exist");
  EXPECT_EQ(skin.bgTop.GetBitmap().Width(), 2);
}

TEST(ComponentReaderTest, PropertyErrorsNameComponentAndPath) {
  struct Case {
    const char* what;
    Bytes entry;  // path and value
    std::string message;
  };
  auto entry = [](std::string_view path, Bytes value) {
    Bytes out{static_cast<std::uint8_t>(path.size())};
    for (char c : path) out.push_back(static_cast<std::uint8_t>(c));
    for (std::uint8_t b : value) out.push_back(b);
    return out;
  };
  const Case cases[] = {
      {"unknown", entry("Caption", {6, 1, 'x'}), "Error reading bgTop.Caption: Property Caption does not exist"},
      {"text for integer", entry("Tag", {6, 1, '1'}), "Error reading bgTop.Tag: Invalid property value"},
      {"ident for integer", entry("Tag", {7, 1, 'x'}), "Error reading bgTop.Tag: Invalid property value"},
      {"unknown colour", entry("BkColor", {7, 3, 'c', 'l', 'X'}),
       "Error reading bgTop.BkColor: Invalid property value"},
      {"unknown boolean", entry("Transparent", {7, 1, 'Y'}), "Error reading bgTop.Transparent: Invalid property value"},
      {"integer for boolean", entry("Transparent", {2, 1}), "Error reading bgTop.Transparent: Invalid property value"},
      {"path through value", entry("Tag.X", {2, 1}), "Error reading bgTop.Tag.X: Invalid property path"},
      {"unknown object", entry("Picture.Data", {10, 0, 0, 0, 0}),
       "Error reading bgTop.Picture.Data: Property Picture does not exist"},
      {"data without block", entry("Bitmap.Data", {2, 0}), "Error reading bgTop.Bitmap.Data: Invalid property value"},
      {"block past the end", entry("Bitmap.Data", {10, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2}),
       "Error reading bgTop.Bitmap.Data: Stream read error"},
      {"not a bitmap", entry("Bitmap.Data", {10, 6, 0, 0, 0, 2, 0, 0, 0, 'X', 'Y'}),
       "Error reading bgTop.Bitmap.Data: Bitmap image is not valid"},
      {"word from text", entry("Left", {6, 1, '1'}), "Error reading bgTop.Left: Invalid property value"},
      {"tag above 20", entry("Tag", {21}), "Error reading bgTop.Tag: Invalid property value"},
      {"nil object needs no collection", entry("Bitmap", {14, 0}),
       "Error reading bgTop.Bitmap: Invalid property value"},
      {"value cut short", entry("Tag", {4}), "Error reading bgTop.Tag: Stream read error"},
  };
  for (const Case& c : cases) {
    Skin skin;
    skin.bgTop.tag = 77;
    RecordBuilder record("TTBBackground", "bgTop");
    record.Raw(c.entry);
    EXPECT_EQ(ReadError(record.Finish(), skin.bgTop), c.message) << c.what;
  }
}

TEST(ComponentReaderTest, ImageListValueChecks) {
  Skin skin;
  RecordBuilder zero("TImageList", "ilHot");
  zero.Path("Width").Integer(0);
  EXPECT_EQ(ReadError(zero.Finish(), skin.ilHot), "Error reading ilHot.Width: Invalid property value");
  RecordBuilder huge("TImageList", "ilHot");
  huge.Path("Height").Integer(100000);
  EXPECT_EQ(ReadError(huge.Finish(), skin.ilHot), "Error reading ilHot.Height: Invalid property value");
  // A side no image-list payload can hold: such a list could never be saved with images.
  RecordBuilder wide("TImageList", "ilHot");
  wide.Path("Width").Integer(kMaxCellSide + 1);
  EXPECT_EQ(ReadError(wide.Finish(), skin.ilHot), "Error reading ilHot.Width: Invalid property value");
  RecordBuilder widest("TImageList", "ilHot");
  widest.Path("Width").Integer(kMaxCellSide);
  EXPECT_EQ(ReadError(widest.Finish(), skin.ilHot), "(no error)");
  RecordBuilder payload("TImageList", "ilHot");
  payload.Path("Bitmap").Binary(Bytes{'I', 'L', 1, 1, 0, 0});
  EXPECT_EQ(ReadError(payload.Finish(), skin.ilHot).rfind("Error reading ilHot.Bitmap: ", 0), 0u);

  // Handlers must name one the context offers; nil clears.
  RecordBuilder handler("TImageList", "ilHot");
  handler.Path("OnChange").Identifier("ilHotChange");
  const Bytes withHandler = handler.Finish();
  EXPECT_EQ(ReadError(withHandler, skin.ilHot), "Error reading ilHot.OnChange: Invalid property value");
  Read(withHandler, skin.ilHot, ReadContext{.handlerNames = {"ILHOTCHANGE"}});
  EXPECT_EQ(skin.ilHot.properties.onChange, "ILHOTCHANGE");
  RecordBuilder clear("TImageList", "ilHot");
  clear.Path("OnChange").Tag(ValueTag::kNil);
  Read(clear.Finish(), skin.ilHot);
  EXPECT_EQ(skin.ilHot.properties.onChange, "");
}

TEST(ComponentReaderTest, HeadAndMarkerErrorsAreBare) {
  Skin skin;
  const Bytes good = Record(skin.bgTop);
  Bytes badSignature = good;
  badSignature[3] = '1';
  EXPECT_EQ(ReadError(badSignature, skin.bgTop), "Invalid stream format");
  EXPECT_EQ(ReadError(Bytes(good.begin(), good.begin() + 20), skin.bgTop), "Stream read error");
  EXPECT_EQ(ReadError(Bytes(good.begin(), good.end() - 1), skin.bgTop), "Stream read error");
  // Cut inside a path: still bare; cut inside a value: wrapped.
  EXPECT_EQ(ReadError(Bytes(good.begin(), good.begin() + 27), skin.bgTop), "Stream read error");
  EXPECT_EQ(ReadError(Bytes(good.begin(), good.begin() + 35), skin.bgTop),
            "Error reading bgTop.BkColor: Stream read error");
}

TEST(ComponentReaderTest, ComponentNameChecks) {
  Skin skin;
  const ReadContext context{.otherComponentNames = {"bgBottom", "ilHot"}};
  auto named = [](std::string_view name) {
    RecordBuilder record("TTBBackground", name);
    record.Path("Tag").Integer(1);
    return record.Finish();
  };
  EXPECT_EQ(ReadError(named("1st"), skin.bgTop, context), "''1st'' is not a valid component name");
  EXPECT_EQ(ReadError(named(""), skin.bgTop, context), "'''' is not a valid component name");
  EXPECT_EQ(ReadError(named("ILHOT"), skin.bgTop, context), "A component named ILHOT already exists");
  EXPECT_EQ(skin.bgTop.tag, 0);
  Read(named("BGTOP"), skin.bgTop, context);  // its own name in other letters
  Read(named("bgSomewhere"), skin.bgTop, context);
  EXPECT_EQ(skin.bgTop.name, "bgTop");  // applied, not renamed
  EXPECT_EQ(skin.bgTop.tag, 1);
}

TEST(ComponentReaderTest, PrefixAndChildRecordsAreReadThrough) {
  Skin skin;
  Bytes record = {'T', 'P', 'F', '0', kPrefixBase | kPrefixChildPosition, 3, 0x10, 0x00};
  const Bytes rest = {13, 'T', 'T', 'B', 'B', 'a', 'c', 'k', 'g', 'r', 'o', 'u', 'n', 'd', 5, 'b', 'g', 'T', 'o', 'p',
                      3, 'T', 'a', 'g', 2, 42, 0,
                      // one child record with a list value, then the end of children
                      6, 'T', 'C', 'h', 'i', 'l', 'd', 1, 'c', 4, 'L', 'i', 's', 't', 1, 2, 1, 9, 0, 0, 0, 0};
  record.insert(record.end(), rest.begin(), rest.end());
  Read(record, skin.bgTop);
  EXPECT_EQ(skin.bgTop.tag, 42);
}

TEST(ComponentReaderTest, NestingIsBounded) {
  RecordBuilder record("TGadget", "g");
  record.Path("Deep");
  record.Raw(Bytes(100000, TagByte(ValueTag::kList)));
  Gadget gadget;
  const Bytes bytes = record.Finish();
  ByteReader in(bytes);
  try {
    ComponentReader(in).ReadComponent(kGadgetClass, &gadget, "g");
    FAIL() << "no error";
  } catch (const SkinError& error) {
    EXPECT_STREQ(error.what(), "Error reading g.Deep: Invalid stream format");
  }
}

// Writes the gadget, checks the tag of its Caption value, and reads it back.
ValueTag CaptionRoundTrip(const std::string& caption) {
  Gadget written;
  written.caption = caption;
  Bytes bytes;
  ComponentWriter(bytes).WriteComponent(kGadgetClass, &written, "gadget");
  ByteReader in(bytes);
  Gadget read;
  ComponentReader(in).ReadComponent(kGadgetClass, &read, "gadget");
  EXPECT_EQ(read.caption, caption);
  ByteReader again(bytes);
  return ComponentReader(again).ReadRecord().properties.at(0).value.tag;
}

TEST(ComponentReaderTest, TextTagsFollowTheTextRule) {
  EXPECT_EQ(CaptionRoundTrip("Hello"), ValueTag::kString);
  EXPECT_EQ(CaptionRoundTrip(std::string(256, 'a')), ValueTag::kLString);
  EXPECT_EQ(CaptionRoundTrip("caf\xC3\xA9"), ValueTag::kUtf8String);  // 5 UTF-8 bytes, 4 units
  EXPECT_EQ(CaptionRoundTrip("\xE2\x82\xAC"), ValueTag::kWString);    // the euro sign: 3 bytes, 1 unit
  EXPECT_EQ(CaptionRoundTrip("\xE6\x97\xA5\xE6\x9C\xAC"), ValueTag::kWString);
  EXPECT_EQ(CaptionRoundTrip("\xF0\x9F\x98\x80!"), ValueTag::kUtf8String);  // surrogate pair: 5 bytes, 3 units

  // 8-bit text is Windows-1252: 0x80 is the euro sign, 0xE9 is e-acute.
  RecordBuilder record("TGadget", "gadget");
  record.Path("Caption");
  record.Raw({6, 2, 0x80, 0xE9});
  const Bytes bytes = record.Finish();
  ByteReader in(bytes);
  Gadget gadget;
  ComponentReader(in).ReadComponent(kGadgetClass, &gadget, "gadget");
  EXPECT_EQ(gadget.caption, "\xE2\x82\xAC\xC3\xA9");
}

TEST(ComponentReaderTest, SetsSixtyFourBitIntegersAndReadOnlyProperties) {
  Gadget written;
  written.options = 0b110;
  written.big = 1LL << 40;
  written.fixed = 8;  // read-only: never stored
  Bytes bytes;
  ComponentWriter(bytes).WriteComponent(kGadgetClass, &written, "gadget");
  ByteReader names(bytes);
  EXPECT_EQ(ComponentReader(names).ReadRecord().properties.size(), 2u);
  Gadget read;
  ByteReader in(bytes);
  ComponentReader(in).ReadComponent(kGadgetClass, &read, "gadget");
  EXPECT_EQ(read.options, 0b110u);
  EXPECT_EQ(read.big, 1LL << 40);

  auto error = [](Bytes entry) {
    RecordBuilder record("TGadget", "gadget");
    record.Raw(std::move(entry));
    const Bytes built = record.Finish();
    ByteReader reader(built);
    Gadget gadget;
    try {
      ComponentReader(reader).ReadComponent(kGadgetClass, &gadget, "gadget");
    } catch (const SkinError& e) {
      return std::string(e.what());
    }
    return std::string("(no error)");
  };
  EXPECT_EQ(error({5, 'F', 'i', 'x', 'e', 'd', 2, 1}), "Error reading gadget.Fixed: Property is read-only");
  EXPECT_EQ(error({7, 'O', 'p', 't', 'i', 'o', 'n', 's', 7, 5, 'g', 'o', 'O', 'n', 'e'}),
            "Error reading gadget.Options: Invalid property value");
  EXPECT_EQ(error({7, 'O', 'p', 't', 'i', 'o', 'n', 's', 11, 4, 'g', 'o', 'N', 'o', 0}),
            "Error reading gadget.Options: Invalid property value");
  EXPECT_EQ(error({7, 'C', 'a', 'p', 't', 'i', 'o', 'n', 18, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}),
            "Error reading gadget.Caption: Stream read error");
}

}  // namespace
}  // namespace tessary
