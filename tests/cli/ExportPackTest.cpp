// export and pack: a skin file taken apart into plain files and put together again must
// come back byte for byte, and pack must hold images to the editor's rules.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

constexpr std::uint32_t kFuchsiaRgb = 0x00FF00FF;

std::vector<std::uint8_t> StartupSkinBytes() {
  Skin skin;
  LoadStartupSkin(skin);
  return BuildSkinFile(skin);
}

void ExpectRoundTrip(const std::vector<std::uint8_t>& skn, const std::string& label) {
  ToolFolder folder;
  folder.Write("in.skn", skn);
  const ToolResult exported = folder.Run({"export", "in.skn", "dir"});
  ASSERT_EQ(exported.exitCode, 0) << label << exported.err;
  const ToolResult packed = folder.Run({"pack", "dir", "out.skn"});
  ASSERT_EQ(packed.exitCode, 0) << label << packed.err;
  EXPECT_EQ(exported.out + exported.err + packed.out + packed.err, "");
  EXPECT_TRUE(folder.Read("out.skn") == skn) << label;
}

// An image of the list's size: a frame of `frameRgb` around a block of `innerRgb`.
QImage FramedImage(int size, QRgb frame, QRgb inner) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(frame);
  for (int y = 2; y < size - 2; ++y) {
    for (int x = 2; x < size - 2; ++x) image.setPixel(x, y, inner);
  }
  return image;
}

void WritePng(const ToolFolder& folder, const std::string& relative, const QImage& image) {
  std::filesystem::create_directories(std::filesystem::path(folder.Path(relative)).parent_path());
  ASSERT_TRUE(image.save(QString::fromStdString(folder.Path(relative)), "PNG"));
}

// The same picture as a 24-bit BMP file.
std::vector<std::uint8_t> AsBmp(const QImage& image) {
  const int width = image.width();
  const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
  std::vector<std::uint8_t> data(stride * static_cast<std::size_t>(image.height()), 0);
  for (int y = 0; y < image.height(); ++y) {
    const int row = image.height() - 1 - y;  // bottom-up
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = image.pixel(x, y);
      std::uint8_t* p = &data[static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(x) * 3];
      p[0] = static_cast<std::uint8_t>(qBlue(pixel));
      p[1] = static_cast<std::uint8_t>(qGreen(pixel));
      p[2] = static_cast<std::uint8_t>(qRed(pixel));
    }
  }
  return MakeBmp({width, image.height(), 24, kBmpRgb, {}, data, false});
}

TEST(ToolExportPack, StartupSkinComesBackByteForByte) { ExpectRoundTrip(StartupSkinBytes(), "start-up"); }

TEST(ToolExportPack, BackgroundsOfEveryDepthFlagsColoursAndThemeComeBack) {
  const auto pictures = SampleBackgrounds();
  const Colour textColours[] = {0x00123456, clRed, 0xFF000000, clBtnText, clHighlight, 0x80000019};
  const char* themes[] = {"Nexos4", " Roma ", "\"Xito\"", "", "Nexos", "Office11Adaptive"};
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    Skin skin;
    LoadStartupSkin(skin);
    skin.bgTop.SetBitmap(ReadBmp(pictures[i]));
    skin.bgBottom.SetBitmap(ReadBmp(pictures[(i + 1) % pictures.size()]));
    skin.bgTop.SetStretchBitmap(i % 2 == 0);
    skin.bgBottom.SetStretchBitmap(i % 3 == 0);
    skin.textColour = textColours[i];
    skin.gaugeColour = 0x00010203 * static_cast<Colour>(i + 1);
    skin.themeName = themes[i];
    ExpectRoundTrip(BuildSkinFile(skin), "background sample " + std::to_string(i));
  }
}

TEST(ToolExportPack, ExtraMissingAndReplacedImagesComeBack) {
  Skin skin;
  LoadStartupSkin(skin);
  const Bitmap red24 = ReadBmp(SolidBmp24(24, 24, 0x00FF0000));
  const Bitmap blue16 = ReadBmp(SolidBmp24(16, 16, 0x000000FF));
  for (int i = 0; i < 2; ++i) skin.ilLButtons.AppendImage(red24, clFuchsia);  // 23 of 24
  for (int i = 0; i < 4; ++i) skin.ilSButtons.AppendImage(blue16, clNone);    // 25 of 28
  skin.ilImages.ReplaceImage(0, ReadBmp(SolidBmp24(21, 21, kFuchsiaRgb)), clFuchsia);
  for (int i = 0; i < 5; ++i) skin.ilPage.AppendImage(ReadBmp(SolidBmp24(18, 18, 0x00808080)), clWhite);
  skin.ilMain.Clear();  // stored without images
  std::vector<ImageList::Image> roomy;
  for (int i = 0; i < skin.ilDisable.ImageCount(); ++i) roomy.push_back(skin.ilDisable.ImageAt(i));
  skin.ilDisable.SetContent(21, 21, 40, roomy);  // more room than images
  ExpectRoundTrip(BuildSkinFile(skin), "extra images");
}

// A skin opened from a file keeps whatever its records carried, and Save writes it again:
// other image sizes, tags, design positions, flags. Export and pack must not lose any of it.
TEST(ToolExportPack, StoredPropertiesOtherThanTheStartupOnesComeBack) {
  Skin skin;
  LoadStartupSkin(skin);
  skin.bgTop.tag = 5;
  skin.bgBottom.left = 40000;
  skin.bgBottom.SetTransparent(true);
  skin.ilSButtons.SetSize(20, 20);
  for (Argb i = 0; i < 3; ++i) skin.ilSButtons.AppendImage(ReadBmp(SolidBmp24(20, 20, 0x00102030u * (i + 1))), clNone);
  skin.ilImages.properties.tag = -70000;
  skin.ilHot.properties.allocBy = 8;
  skin.ilHot.properties.blendColor = 0x00123456;
  skin.ilDisable.properties.imageType = ImageType::itMask;
  skin.ilMain.properties.shareImages = false;
  skin.ilPage.properties.masked = false;
  skin.ilPage.properties.drawingStyle = DrawingStyle::dsFocus;
  skin.ilPage.properties.bkColor = clWhite;
  skin.ilPage.properties.top = 7;
  skin.ilDown.SetSize(16, 16);  // stored with neither a size nor images
  ExpectRoundTrip(BuildSkinFile(skin), "stored properties");

  ToolFolder folder;
  folder.Write("in.skn", BuildSkinFile(skin));
  ASSERT_EQ(folder.Run({"export", "in.skn", "dir"}).exitCode, 0);
  const std::vector<std::uint8_t> iniBytes = folder.Read("dir/skin.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  EXPECT_NE(ini.find("[bgTop]\nTag=5\nBkColor=clNone\nTransparent=0\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[ilSButtons]\nCount=3\nCapacity=4\nHeight=20\nWidth=20\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[ilPage]\nCount=10\nCapacity=14\nBkColor=clWhite\nDrawingStyle=dsFocus\nMasked=0\nTop=7\n"),
            std::string::npos)
      << ini;
  // A ShareImages the record leaves out is off, whatever the start-up list says.
  EXPECT_NE(ini.find("[ilMain]\nCount=59\nCapacity=64\nShareImages=0\n"), std::string::npos) << ini;
  // Unchanged lists carry only their count and room.
  EXPECT_NE(ini.find("[ilDown]\nCount=0\nCapacity=4\nHeight=16\nWidth=16\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[ilLButtons]\nCount=21\nCapacity=24\n\n"), std::string::npos) << ini;
}

TEST(ToolPack, StoredPropertiesAreSetLikeARecordSetsThem) {
  ToolFolder folder;
  // A new image size empties the list: the images of that size must then be given.
  folder.WriteText("resized/skin.ini", "[ilPage]\nwidth=12\nHEIGHT=12\n");
  folder.Write("resized/ilPage/00.bmp", SolidBmp24(12, 12, 0x00FFFFFF));
  ASSERT_EQ(folder.Run({"pack", "resized", "out.skn"}).exitCode, 0);
  Skin packed;
  OpenSkinFile(folder.Path("out.skn"), packed);
  EXPECT_EQ(packed.ilPage.Width(), 12);
  EXPECT_EQ(packed.ilPage.ImageCount(), 1);
  EXPECT_EQ(packed.ilPage.ImageAt(0).mask[0], 1);  // white is ilPage's transparent colour

  folder.WriteText("oldsize/skin.ini", "[ilPage]\nWidth=12\nHeight=12\n");
  folder.Write("oldsize/ilPage/00.bmp", SolidBmp24(18, 18, 0));
  folder.WriteText("number/skin.ini", "[bgTop]\nTag=five\n");
  folder.WriteText("style/skin.ini", "[ilMain]\nDrawingStyle=dsShiny\n");
  folder.WriteText("zero/skin.ini", "[ilHot]\nCount=11\nWidth=0\n");
  folder.WriteText("flag/skin.ini", "[ilMain]\nShareImages=2\n");
  // Lists that would pack but could never be saved.
  folder.WriteText("wide/skin.ini", "[ilPage]\nCount=0\nWidth=2000\n");
  folder.WriteText("room/skin.ini", "[ilMain]\nCapacity=65535\n");
  const std::pair<const char*, std::string> cases[] = {
      {"wide", "tessary-skin: wide/skin.ini:3: Invalid property value\n"},
      {"room",
       "tessary-skin: room/skin.ini:2: ilMain with room for 65535 images of 16 x 16 could never be saved: a list of "
       "that size holds at most 8188\n"},
      {"oldsize", "tessary-skin: oldsize/ilPage/00.bmp: The size of the image should be 12*12!\n"},
      {"number", "tessary-skin: number/skin.ini:2: 'five' is not a valid integer value\n"},
      {"style", "tessary-skin: style/skin.ini:2: Invalid property value\n"},
      {"zero", "tessary-skin: zero/skin.ini:3: Invalid property value\n"},
      {"flag", "tessary-skin: flag/skin.ini:2: '2' is not a valid boolean value (0 or 1)\n"},
  };
  for (const auto& [dir, message] : cases) {
    const ToolResult result = folder.Run({"pack", dir, "bad.skn"});
    EXPECT_EQ(result.exitCode, 1) << dir;
    EXPECT_EQ(result.err, message);
  }
  EXPECT_FALSE(folder.Exists("bad.skn"));
}

TEST(ToolExportPack, ExportWritesStoredPicturesAndMaskedPngs) {
  ToolFolder folder;
  const auto pictures = SampleBackgrounds();
  Skin skin;
  LoadStartupSkin(skin);
  skin.bgTop.SetBitmap(ReadBmp(pictures[2]));  // RLE: kept as read
  folder.Write("in.skn", BuildSkinFile(skin));
  ASSERT_EQ(folder.Run({"export", "in.skn", "dir"}).exitCode, 0);

  EXPECT_EQ(folder.Read("dir/bgTop.bmp"), pictures[2]);
  EXPECT_FALSE(folder.Exists("dir/bgBottom.bmp"));
  EXPECT_TRUE(folder.Exists("dir/ilMain/58.png"));
  EXPECT_FALSE(folder.Exists("dir/ilMain/59.png"));

  // ilDown's first images have transparent pixels in the start-up skin.
  const QImage png(QString::fromStdString(folder.Path("dir/ilDown/00.png")));
  ASSERT_EQ(png.size(), QSize(21, 21));
  const ImageList::Image& image = skin.ilDown.ImageAt(0);
  int transparent = 0;
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 21; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * 21 + static_cast<std::size_t>(x);
      const QRgb pixel = png.pixel(x, y);
      ASSERT_EQ(qAlpha(pixel), image.mask[i] ? 0 : 255) << x << "," << y;
      if (!image.mask[i]) {
        ASSERT_EQ(pixel & 0x00FFFFFFu, image.pixels[i] & 0x00FFFFFFu);
      }
      transparent += image.mask[i];
    }
  }
  EXPECT_GT(transparent, 0);

  // Leftovers of an earlier export would be packed as part of the skin: refused.
  const ToolResult again = folder.Run({"export", "in.skn", "dir"});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err, "tessary-skin: dir: the directory is not empty\n");
  const ToolResult onFile = folder.Run({"export", "in.skn", "in.skn"});
  EXPECT_EQ(onFile.err, "tessary-skin: in.skn: not a directory\n");
}

TEST(ToolExportPack, OldSkinFileExportsOnlyWhatItHoldsAndPacksLikeConvert) {
  ToolFolder folder;
  Skin skin;
  LoadStartupSkin(skin);
  skin.bgBottom.SetBitmap(ReadBmp(SampleBackgrounds()[3]));
  skin.bgTop.SetStretchBitmap(true);
  skin.ilHot.ReplaceImage(4, ReadBmp(SolidBmp24(21, 21, 0x00445566)), clNone);
  folder.Write("old.crs", OldSkinFileFrom(BuildSkinFile(skin)));

  ASSERT_EQ(folder.Run({"export", "old.crs", "dir"}).exitCode, 0);
  const std::vector<std::uint8_t> iniBytes = folder.Read("dir/skin.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  EXPECT_EQ(ini.rfind("[Skin]\nTopStretch=1\nBottomStretch=0\n\n[bgTop]\n", 0), 0u) << ini;
  for (const char* absent : {"TextColor", "GaugeColor", "Theme", "[ilMain]", "[ilPage]"}) {
    EXPECT_EQ(ini.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(ini.find("[ilDown]\nCount=22\nCapacity=24\n"), std::string::npos);
  EXPECT_FALSE(folder.Exists("dir/ilMain"));

  ASSERT_EQ(folder.Run({"pack", "dir", "packed.skn"}).exitCode, 0);
  ASSERT_EQ(folder.Run({"convert", "old.crs", "converted.skn"}).exitCode, 0);
  EXPECT_TRUE(folder.Read("packed.skn") == folder.Read("converted.skn"));
}

// A whole PNG (signature, header, empty data, end) whose header claims width x height.
std::vector<std::uint8_t> PngClaiming(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto put32 = [&png](std::uint32_t value) {
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<std::uint8_t>(value >> shift));
  };
  const auto chunk = [&](const char* type, std::vector<std::uint8_t> data) {
    put32(static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> covered(type, type + 4);
    covered.insert(covered.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : covered) {
      crc ^= byte;
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    png.insert(png.end(), covered.begin(), covered.end());
    put32(~crc);
  };
  std::vector<std::uint8_t> header;
  for (std::uint32_t value : {width, height})
    for (int shift : {24, 16, 8, 0}) header.push_back(static_cast<std::uint8_t>(value >> shift));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
  chunk("IHDR", header);
  chunk("IDAT", {});
  chunk("IEND", {});
  return png;
}

TEST(ToolPack, EmptyFolderGivesTheStartupSkin) {
  ToolFolder folder;
  std::filesystem::create_directories(folder.Path("dir"));
  ASSERT_EQ(folder.Run({"pack", "dir", "out.skn"}).exitCode, 0);
  EXPECT_TRUE(folder.Read("out.skn") == StartupSkinBytes());
}

TEST(ToolPack, UnusableImagesGetTheEditorsMessage) {
  ToolFolder folder;
  folder.Write("a/ilLButtons/03.bmp", SolidBmp24(24, 23, 0));
  WritePng(folder, "b/ilPage/02.png", FramedImage(16, 0xFFFFFFFF, 0xFF000000));
  folder.Write("c/ilHot/00.bmp", {});  // zero bytes read as a 0 x 0 picture
  WritePng(folder, "d/ilSButtons/20.png", FramedImage(24, 0xFFFFFFFF, 0xFF000000));
  WritePng(folder, "e/ilPage/00.png", FramedImage(18, 0xFFFFFFFF, 0xFF000000));
  std::vector<std::uint8_t> cut = folder.Read("e/ilPage/00.png");
  cut.resize(cut.size() / 2);
  folder.Write("e/ilPage/00.png", cut);
  folder.WriteText("f/ilPage/00.png", "not a picture");
  folder.Write("g/ilMain/00.png", PngClaiming(60000, 60000));

  const std::pair<const char*, const char*> cases[] = {
      {"a", "tessary-skin: a/ilLButtons/03.bmp: The size of the image should be 24*24!\n"},
      {"b", "tessary-skin: b/ilPage/02.png: The size of the image should be 18*18!\n"},
      {"c", "tessary-skin: c/ilHot/00.bmp: The size of the image should be 21*21!\n"},
      {"d", "tessary-skin: d/ilSButtons/20.png: The size of the image should be 16*16!\n"},
      // A damaged picture gets the one line too, without the decoder's own complaints.
      {"e", "tessary-skin: e/ilPage/00.png: Bitmap image is not valid\n"},
      {"f", "tessary-skin: f/ilPage/00.png: Bitmap image is not valid\n"},
      // Refused by its header's size, before a pixel is decoded.
      {"g", "tessary-skin: g/ilMain/00.png: The size of the image should be 16*16!\n"},
  };
  for (const auto& [dir, message] : cases) {
    const ToolResult result = folder.Run({"pack", dir, "out.skn"});
    EXPECT_EQ(result.exitCode, 1) << dir;
    EXPECT_EQ(result.err, message);
    EXPECT_FALSE(folder.Exists("out.skn"));
  }
}

TEST(ToolPack, BmpSlotsAreMaskedByTheListsColourPngSlotsByAlpha) {
  ToolFolder folder;
  const QImage fuchsiaFramed24 = FramedImage(24, 0xFFFF00FF, 0xFF204080);
  const QImage whiteFramed18 = FramedImage(18, 0xFFFFFFFF, 0xFF204080);
  const QImage fuchsiaFramed21 = FramedImage(21, 0xFFFF00FF, 0xFF204080);
  folder.Write("bmp/ilLButtons/00.bmp", AsBmp(fuchsiaFramed24));
  folder.Write("bmp/ilPage/05.bmp", AsBmp(whiteFramed18));
  folder.Write("bmp/ilImages/00.bmp", AsBmp(fuchsiaFramed21));
  // The same pictures with the transparency the editor gives each list spelt out in alpha;
  // a system-button image stays opaque, its frame shows fuchsia.
  WritePng(folder, "png/ilLButtons/00.png", FramedImage(24, 0x00000000, 0xFF204080));
  WritePng(folder, "png/ilPage/05.png", FramedImage(18, 0x10FFFFFF, 0xFF204080));
  WritePng(folder, "png/ilImages/00.png", fuchsiaFramed21);

  ASSERT_EQ(folder.Run({"pack", "bmp", "bmp.skn"}).exitCode, 0);
  ASSERT_EQ(folder.Run({"pack", "png", "png.skn"}).exitCode, 0);
  EXPECT_TRUE(folder.Read("bmp.skn") == folder.Read("png.skn"));
  EXPECT_FALSE(folder.Read("bmp.skn") == StartupSkinBytes());

  Skin packed;
  OpenSkinFile(folder.Path("png.skn"), packed);
  EXPECT_EQ(packed.ilLButtons.ImageAt(0).mask.front(), 1);
  EXPECT_EQ(packed.ilLButtons.ImageAt(0).pixels.front() & 0x00FFFFFFu, 0u);  // stored black
  EXPECT_EQ(packed.ilPage.ImageAt(5).mask.front(), 1);
  EXPECT_EQ(packed.ilImages.ImageAt(0).mask.front(), 0);
  EXPECT_EQ(packed.ilImages.ImageAt(0).pixels.front() & 0x00FFFFFFu, kFuchsiaRgb & 0x00FFFFFFu);
  EXPECT_EQ(packed.ilPage.ImageCount(), 10);
}

TEST(ToolPack, SlotsPastTheEndAppendWithoutGaps) {
  ToolFolder folder;
  for (int slot = 21; slot <= 24; ++slot) {
    folder.Write("grow/ilLButtons/" + std::to_string(slot) + ".bmp", SolidBmp24(24, 24, 0x00102030));
  }
  ASSERT_EQ(folder.Run({"pack", "grow", "grow.skn"}).exitCode, 0);
  Skin grown;
  OpenSkinFile(folder.Path("grow.skn"), grown);
  EXPECT_EQ(grown.ilLButtons.ImageCount(), 25);
  EXPECT_EQ(grown.ilLButtons.Capacity(), 28);  // the start-up 24, grown by one step

  folder.Write("gap/ilLButtons/21.bmp", SolidBmp24(24, 24, 0));
  folder.Write("gap/ilLButtons/23.bmp", SolidBmp24(24, 24, 0));
  const ToolResult gap = folder.Run({"pack", "gap", "gap.skn"});
  EXPECT_EQ(gap.exitCode, 1);
  EXPECT_EQ(gap.err,
            "tessary-skin: gap/ilLButtons/23.bmp: slot 23 leaves a gap: ilLButtons holds 22 images, "
            "so the next slot to add is 22\n");

  folder.Write("twice/ilMain/05.bmp", SolidBmp24(16, 16, 0));
  folder.Write("twice/ilMain/5.png", {});
  const ToolResult twice = folder.Run({"pack", "twice", "twice.skn"});
  EXPECT_EQ(twice.exitCode, 1);
  EXPECT_NE(twice.err.find("slot 5 is given twice"), std::string::npos) << twice.err;
}

TEST(ToolPack, CountCutsAListAndCapacityRestoresItsRoom) {
  ToolFolder folder;
  folder.WriteText("dir/skin.ini", "; cut the other images\n[ilMain]\ncount = 5\nCapacity=12\n[ilPage]\nCount=0\n");
  ASSERT_EQ(folder.Run({"pack", "dir", "out.skn"}).exitCode, 0);
  Skin packed;
  OpenSkinFile(folder.Path("out.skn"), packed);
  EXPECT_EQ(packed.ilMain.ImageCount(), 5);
  EXPECT_EQ(packed.ilMain.Capacity(), 12);
  Skin startup;
  LoadStartupSkin(startup);
  EXPECT_EQ(packed.ilMain.ImageAt(4).pixels, startup.ilMain.ImageAt(4).pixels);
  // A list saved without images reads as the start-up list again, so inspect the file.
  const SkinFileInfo info = InspectSkinFile(folder.Read("out.skn"), SkinFileFormat::kSkn);
  EXPECT_EQ(info.records.back().properties, (std::vector<std::string>{"Height", "Width", "Left", "Top"}));
}

TEST(ToolPack, BadSettingsAndStrayFilesNameTheirPlace) {
  ToolFolder folder;
  folder.WriteText("colour/skin.ini", "[Skin]\nTextColor=clPink\n");
  folder.WriteText("key/skin.ini", "[Skin]\nTheme=Roma\n\n[ilHot]\nCount=11\nSize=21\n");
  folder.WriteText("section/skin.ini", "[ilHots]\nCount=11\n");
  folder.WriteText("count/skin.ini", "[ilPage]\nCount=12\n");
  folder.WriteText("flag/skin.ini", "[Skin]\nTopStretch=yes\n");
  folder.WriteText("stray/notes.txt", "mine\n");
  folder.WriteText("slotname/ilMain/first.png", "");
  folder.WriteText("beyond/skin.ini", "[ilMain]\nCount=3\n");
  folder.Write("beyond/ilMain/03.bmp", SolidBmp24(16, 16, 0));

  const std::pair<const char*, std::string> cases[] = {
      {"colour", "tessary-skin: colour/skin.ini:2: 'clPink' is not a valid integer value\n"},
      {"key", "tessary-skin: key/skin.ini:6: unknown key 'Size' in [ilHot]\n"},
      {"section", "tessary-skin: section/skin.ini:1: unknown section [ilHots]\n"},
      {"count", "tessary-skin: count/skin.ini:2: Count=12 but ilPage has no image for slot 10\n"},
      {"flag", "tessary-skin: flag/skin.ini:2: 'yes' is not a valid boolean value (0 or 1)\n"},
      {"beyond", "tessary-skin: beyond/ilMain/03.bmp: slot 3 is not below Count=3 of skin.ini\n"},
  };
  for (const auto& [dir, message] : cases) {
    const ToolResult result = folder.Run({"pack", dir, "out.skn"});
    EXPECT_EQ(result.exitCode, 1) << dir;
    EXPECT_EQ(result.err, message);
  }
  for (const char* dir : {"stray", "slotname"}) {
    const ToolResult result = folder.Run({"pack", dir, "out.skn"});
    EXPECT_EQ(result.exitCode, 1) << dir;
    EXPECT_EQ(result.err.rfind(std::string("tessary-skin: ") + dir + "/", 0), 0u) << result.err;
  }
  EXPECT_FALSE(folder.Exists("out.skn"));
  const ToolResult missing = folder.Run({"pack", "nowhere", "out.skn"});
  EXPECT_EQ(missing.err, "tessary-skin: nowhere: Cannot open file nowhere: No such file or directory\n");
}

}  // namespace
}  // namespace tessary::cli::test
