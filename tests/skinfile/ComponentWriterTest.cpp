// The component record writer: golden bytes of the skin's records, the integer, colour,
// identifier, set and text tag rules, property order and "written when" conditions.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "skin/Skin.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ComponentReader.h"
#include "skinfile/ComponentWriter.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/StartupSkin.h"

namespace tessary {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes Str(std::string_view text) {  // a short string: length byte, then the characters
  Bytes out(text.size() + 1);
  out[0] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + 1);
  return out;
}

template <typename Write>
Bytes Written(Write write) {
  Bytes out;
  ComponentWriter writer(out);
  write(writer);
  return out;
}

Value TagValue(ValueTag tag) {
  Value value;
  value.tag = tag;
  return value;
}
Value IntValue(ValueTag tag, std::int64_t integer) {
  Value value = TagValue(tag);
  value.integer = integer;
  return value;
}
Value TextValue(ValueTag tag, std::string text) {
  Value value = TagValue(tag);
  value.text = std::move(text);
  return value;
}
Value BytesValue(ValueTag tag, Bytes bytes) {
  Value value = TagValue(tag);
  value.bytes = std::move(bytes);
  return value;
}
Value NamesValue(ValueTag tag, std::vector<std::string> names) {
  Value value = TagValue(tag);
  value.names = std::move(names);
  return value;
}

std::vector<std::string> Paths(const Bytes& record) {
  ByteReader in(record);
  std::vector<std::string> paths;
  for (const PropertyEntry& entry : ComponentReader(in).ReadRecord().properties) paths.push_back(entry.path);
  return paths;
}

TEST(ComponentWriterTest, StartupBgTopIsTheFiftySevenByteRecord) {
  const Bytes expected = {
      0x54, 0x50, 0x46, 0x30,                                                              // "TPF0"
      0x0D, 0x54, 0x54, 0x42, 0x42, 0x61, 0x63, 0x6B, 0x67, 0x72, 0x6F, 0x75, 0x6E, 0x64,  // "TTBBackground"
      0x05, 0x62, 0x67, 0x54, 0x6F, 0x70,                                                  // "bgTop"
      0x07, 0x42, 0x6B, 0x43, 0x6F, 0x6C, 0x6F, 0x72,                                      // path "BkColor"
      0x07, 0x06, 0x63, 0x6C, 0x4E, 0x6F, 0x6E, 0x65,                                      // ident "clNone"
      0x04, 0x4C, 0x65, 0x66, 0x74, 0x03, 0xA8, 0x00,                                      // "Left" 168
      0x03, 0x54, 0x6F, 0x70, 0x03, 0x30, 0x01,                                            // "Top" 304
      0x00,                                                                                // end of properties
      0x00,                                                                                // end of children
  };
  Skin skin;
  Bytes out;
  WriteComponent(out, skin.bgTop);
  EXPECT_EQ(out.size(), 57u);
  EXPECT_EQ(out, expected);
}

TEST(ComponentWriterTest, StartupImageListRecordsCarrySizesPositionsAndPayload) {
  Skin skin;
  LoadStartupSkin(skin);

  Bytes ilMain;
  WriteComponent(ilMain, skin.ilMain);
  const Bytes head = Concat({{'T', 'P', 'F', '0'},
                             Str("TImageList"),
                             Str("ilMain"),
                             Str("ShareImages"),
                             {0x09},
                             Str("Left"),
                             {0x03, 0xC8, 0x00},
                             Str("Top"),
                             {0x03, 0x50, 0x01},
                             Str("Bitmap"),
                             {0x0A, 0xA6, 0x08, 0x01, 0x00}});
  ASSERT_GT(ilMain.size(), head.size());
  EXPECT_EQ(Bytes(ilMain.begin(), ilMain.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
  EXPECT_EQ(ilMain.size(), head.size() + 67750 + 2);
  EXPECT_EQ(ilMain[ilMain.size() - 2], 0);
  EXPECT_EQ(ilMain.back(), 0);

  Bytes ilImages;
  WriteComponent(ilImages, skin.ilImages);
  EXPECT_EQ(Paths(ilImages), (std::vector<std::string>{"Height", "Width", "Left", "Top", "Bitmap"}));
  const Bytes left8 = Concat({Str("Left"), {0x02, 0x08}});
  EXPECT_NE(std::search(ilImages.begin(), ilImages.end(), left8.begin(), left8.end()), ilImages.end());

  Bytes ilSButtons;
  WriteComponent(ilSButtons, skin.ilSButtons);
  EXPECT_EQ(Paths(ilSButtons), (std::vector<std::string>{"Left", "Top", "Bitmap"}));

  Bytes empty;
  WriteComponent(empty, Skin().ilPage);  // no images: no Bitmap
  EXPECT_EQ(Paths(empty), (std::vector<std::string>{"Height", "Width", "Left", "Top"}));
}

TEST(ComponentWriterTest, EveryStoredPropertyInDeclarationOrder) {
  ImageList list(20, 10);
  list.name = "ilAll";
  ImageListProperties& p = list.properties;
  p.tag = -5;
  p.blendColor = clRed;
  p.bkColor = 0x00123456;
  p.allocBy = 8;
  p.drawingStyle = DrawingStyle::dsFocus;
  p.imageType = ImageType::itMask;
  p.masked = false;
  p.onChange = "ilAllChange";
  p.shareImages = true;
  p.left = 1;
  p.top = 2;
  list.AppendImage(Bitmap::FromArgb(20, 10, std::vector<Argb>(200, 0xFF00FF00)), clNone);
  Bytes out;
  WriteComponent(out, list);
  EXPECT_EQ(Paths(out),
            (std::vector<std::string>{"Tag", "BlendColor", "BkColor", "AllocBy", "DrawingStyle", "Height", "ImageType",
                                      "Masked", "OnChange", "ShareImages", "Width", "Left", "Top", "Bitmap"}));

  TTBBackground background;
  background.name = "bgAll";
  background.tag = 70000;
  background.SetBitmap(Bitmap::FromArgb(2, 2, std::vector<Argb>(4, 0xFF0000FF)));
  background.SetBkColor(clBtnFace);  // the default: not stored
  background.SetTransparent(true);
  Bytes bg;
  WriteComponent(bg, background);
  EXPECT_EQ(Paths(bg), (std::vector<std::string>{"Tag", "Bitmap.Data", "Transparent"}));
}

TEST(ComponentWriterTest, IntegersTakeTheSmallestTag) {
  struct Case {
    std::int64_t value;
    Bytes bytes;
  };
  const Case cases[] = {
      {0, {2, 0x00}},
      {-128, {2, 0x80}},
      {127, {2, 0x7F}},
      {128, {3, 0x80, 0x00}},
      {-129, {3, 0x7F, 0xFF}},
      {32767, {3, 0xFF, 0x7F}},
      {32768, {4, 0x00, 0x80, 0x00, 0x00}},
      {-32769, {4, 0xFF, 0x7F, 0xFF, 0xFF}},
      {2147483647, {4, 0xFF, 0xFF, 0xFF, 0x7F}},
      {2147483648, {19, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0}},
      {-2147483649LL, {19, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Written([&](ComponentWriter& w) { w.Integer(c.value); }), c.bytes) << c.value;
  }
}

TEST(ComponentWriterTest, DesignWordsAreWrittenUnsigned) {
  TTBBackground background;
  background.name = "bg";
  background.left = 40000;
  background.top = 0;  // zero words are not stored
  Bytes out;
  WriteComponent(out, background);
  const Bytes left = Concat({Str("Left"), {0x04, 0x40, 0x9C, 0x00, 0x00}});
  EXPECT_NE(std::search(out.begin(), out.end(), left.begin(), left.end()), out.end());
  EXPECT_EQ(Paths(out), (std::vector<std::string>{"Left"}));
}

TEST(ComponentWriterTest, ColoursIdentifiersAndSets) {
  EXPECT_EQ(Written([](ComponentWriter& w) { w.ColourValue(clNone); }), Concat({{7}, Str("clNone")}));
  EXPECT_EQ(Written([](ComponentWriter& w) { w.ColourValue(clWindowText); }), Concat({{7}, Str("clWindowText")}));
  EXPECT_EQ(Written([](ComponentWriter& w) { w.ColourValue(0x00123456); }), (Bytes{4, 0x56, 0x34, 0x12, 0x00}));
  // A value no identifier names is a negative 32-bit integer when its top bit is set.
  EXPECT_EQ(Written([](ComponentWriter& w) { w.ColourValue(0xFF000000); }), (Bytes{4, 0x00, 0x00, 0x00, 0xFF}));

  EXPECT_EQ(Written([](ComponentWriter& w) { w.Identifier("true"); }), Bytes{9});
  EXPECT_EQ(Written([](ComponentWriter& w) { w.Identifier("FALSE"); }), Bytes{8});
  EXPECT_EQ(Written([](ComponentWriter& w) { w.Identifier("Null"); }), Bytes{0});
  EXPECT_EQ(Written([](ComponentWriter& w) { w.Identifier("NIL"); }), Bytes{13});
  EXPECT_EQ(Written([](ComponentWriter& w) { w.Identifier("dsFocus"); }), Concat({{7}, Str("dsFocus")}));

  constexpr std::array<std::string_view, 3> names = {"sA", "sB", "sC"};
  EXPECT_EQ(Written([&](ComponentWriter& w) { w.Set(0b101, names); }), Concat({{11}, Str("sA"), Str("sC"), {0}}));
  EXPECT_EQ(Written([&](ComponentWriter& w) { w.Set(0, names); }), (Bytes{11, 0}));
}

TEST(ComponentWriterTest, NamesLongerThanAShortStringAreCut) {
  const std::string longName(300, 'n');
  const Bytes out = Written([&](ComponentWriter& w) { w.ShortString(longName); });
  ASSERT_EQ(out.size(), 256u);
  EXPECT_EQ(out[0], 255);
}

TEST(ComponentWriterTest, PlainRecordsRoundTripByteForByte) {
  // Every tag, a prefix with a child position, a collection and a nested child.
  Value list = TagValue(ValueTag::kList);
  list.items = {IntValue(ValueTag::kInt8, -3), TagValue(ValueTag::kTrue)};
  CollectionItem item{.index = IntValue(ValueTag::kInt16, 300),
                      .properties = {{"Caption", TextValue(ValueTag::kString, "x")}}};
  Value collection = TagValue(ValueTag::kCollection);
  collection.collection = {item, CollectionItem{.index = std::nullopt, .properties = {}}};
  Record child{.prefixFlags = kPrefixInherited | kPrefixChildPosition,
               .childPosition = IntValue(ValueTag::kInt32, 70000),
               .className = "TChild",
               .name = "child1"};
  Record record{.className = "TThing", .name = "thing"};
  record.properties = {
      {"List", list},
      {"I64", IntValue(ValueTag::kInt64, -1LL << 40)},
      {"Ext", BytesValue(ValueTag::kExtended, Bytes(10, 0x3F))},
      {"Ident", TextValue(ValueTag::kIdent, "clRed")},
      {"False", TagValue(ValueTag::kFalse)},
      {"Block", BytesValue(ValueTag::kBinary, {1, 2, 3})},
      {"Set", NamesValue(ValueTag::kSet, {"a", "b"})},
      {"Long", TextValue(ValueTag::kLString, std::string(300, 'L'))},
      {"Nil", TagValue(ValueTag::kNil)},
      {"Items", collection},
      {"Single", BytesValue(ValueTag::kSingle, {0, 0, 0x80, 0x3F})},
      {"Money", IntValue(ValueTag::kCurrency, 12345)},
      {"When", BytesValue(ValueTag::kDate, Bytes(8, 0x40))},
      {"Wide", BytesValue(ValueTag::kWString, {0x41, 0x00, 0xAC, 0x20})},
      {"Utf8", TextValue(ValueTag::kUtf8String, "caf\xC3\xA9")},
  };
  record.children = {child};

  Bytes bytes;
  ComponentWriter(bytes).WriteRecord(record);
  bytes.push_back(0xEE);  // the next record's first byte: must stay unread
  ByteReader in(bytes);
  EXPECT_EQ(ComponentReader(in).ReadRecord(), record);
  EXPECT_EQ(in.Position(), bytes.size() - 1);
}

}  // namespace
}  // namespace tessary
