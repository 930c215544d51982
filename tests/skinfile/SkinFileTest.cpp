// Skin file and old skin file contents: the start-up header, repeatable saves, what Open
// and Import take over, and that every failure (wrong layout, cut files, bad header texts,
// clashing names) leaves the skin exactly as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"

namespace tessary {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeader = 204;

Bitmap Picture(int width, int height, Argb colour) {
  return Bitmap::FromArgb(width, height, std::vector<Argb>(static_cast<std::size_t>(width * height), colour));
}

// A small skin unlike the default one in every stored part.
void MakeSmallSkin(Skin& skin) {
  skin.bgTop.SetBitmap(Picture(3, 2, 0xFF336699));
  skin.bgBottom.SetBitmap(Picture(1, 1, 0xFFFF0000));
  skin.bgBottom.SetStretchBitmap(true);
  skin.bgBottom.SetTransparent(true);
  skin.ilHot.AppendImage(Picture(21, 21, 0xFF00FF00), clNone);
  skin.ilMain.AppendImage(Picture(16, 16, 0xFF0000FF), clNone);
  skin.ilPage.AppendImage(Picture(18, 18, 0xFF00FFFF), clNone);
  skin.textColour = clRed;
  skin.gaugeColour = 0x00123456;
  skin.themeName = "Roma";
}

// The stored form of a skin, which covers everything a file can change.
Bytes Stored(const Skin& skin) { return BuildSkinFile(skin); }

std::string ReadError(const Bytes& bytes, SkinFileFormat format, Skin& skin) {
  try {
    ReadSkinFile(bytes, format, skin);
  } catch (const SkinError& error) {
    return error.what();
  }
  return "(no error)";
}

// The old skin file of a skin: the two stretch bytes and the first eight records.
Bytes OldSkinFile(const Bytes& skinFile) {
  const SkinFileInfo info = InspectSkinFile(skinFile, SkinFileFormat::kSkn);
  Bytes old;
  old.reserve(skinFile.size());
  old.push_back(skinFile[0]);
  old.push_back(skinFile[1]);
  old.insert(old.end(), skinFile.begin() + kHeader,
             skinFile.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
  return old;
}

std::string TextField(const Bytes& file, std::size_t offset) {
  return std::string(file.begin() + static_cast<std::ptrdiff_t>(offset) + 1,
                     file.begin() + static_cast<std::ptrdiff_t>(offset) + 1 + file[offset]);
}

TEST(SkinFileTest, StartupSkinHeaderAndRecords) {
  Skin skin;
  LoadStartupSkin(skin);
  const Bytes file = BuildSkinFile(skin);
  ASSERT_GT(file.size(), kHeader);
  EXPECT_EQ(file[0], 0);
  EXPECT_EQ(file[1], 0);
  EXPECT_EQ(file[4], 9);
  EXPECT_EQ(TextField(file, 8), "clWindowText");
  EXPECT_EQ(TextField(file, 73), "$00996633");
  EXPECT_EQ(TextField(file, 138), "MonaiXP");
  EXPECT_EQ(file[203], 0);

  const SkinFileInfo info = InspectSkinFile(file, SkinFileFormat::kSkn);
  EXPECT_EQ(info.header.marker, 9);
  EXPECT_EQ(info.header.gaugeColorName, "$00996633");
  const char* names[] = {"bgTop", "bgBottom",  "ilLButtons", "ilSButtons", "ilImages",
                         "ilHot", "ilDisable", "ilDown",     "ilMain",     "ilPage"};
  ASSERT_EQ(info.records.size(), 10u);
  EXPECT_EQ(info.records[0].offset, kHeader);
  EXPECT_EQ(info.records[0].length, 57u);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(info.records[i].name, names[i]);
    EXPECT_EQ(info.records[i].className, i < 2 ? "TTBBackground" : "TImageList");
  }
  EXPECT_EQ(info.records[1].properties, (std::vector<std::string>{"BkColor", "Left", "Top"}));
  EXPECT_EQ(info.records[9].offset + info.records[9].length, file.size());
}

TEST(SkinFileTest, SavesRepeatAndRoundTrip) {
  Skin skin;
  MakeSmallSkin(skin);
  skin.themeName = std::string(70, 'T');  // cut to 64 when written
  const Bytes first = BuildSkinFile(skin);
  EXPECT_EQ(BuildSkinFile(skin), first);
  EXPECT_EQ(first[1], 1);  // bgBottom stretched

  Skin opened;  // without images: lists the file stores none for stay empty
  ReadSkinFile(first, SkinFileFormat::kSkn, opened);
  EXPECT_EQ(opened.themeName, std::string(64, 'T'));
  EXPECT_EQ(opened.textColour, clRed);
  EXPECT_EQ(opened.gaugeColour, 0x00123456u);
  EXPECT_TRUE(opened.bgBottom.StretchBitmap());
  EXPECT_FALSE(opened.bgTop.StretchBitmap());
  EXPECT_TRUE(opened.bgTop.GetBitmap().SamePixels(skin.bgTop.GetBitmap()));
  EXPECT_EQ(opened.ilHot.ImageCount(), 1);
  EXPECT_EQ(Stored(opened), first);
}

TEST(SkinFileTest, HeaderFieldsAreReadLeniently) {
  Skin source;
  MakeSmallSkin(source);
  Bytes file = BuildSkinFile(source);
  file[0] = 2;      // any non-zero byte means stretched
  file[4] = 0x34;   // a marker other than 9 is not examined
  file[138] = 200;  // a length above 64 is cut to 64
  std::fill(file.begin() + 139, file.begin() + 203, 'X');
  Skin skin;
  ReadSkinFile(file, SkinFileFormat::kSkn, skin);
  EXPECT_TRUE(skin.bgTop.StretchBitmap());
  EXPECT_EQ(skin.themeName, std::string(64, 'X'));
}

TEST(SkinFileTest, RecordsWithoutDataKeepWhatTheSkinHad) {
  Skin target;
  MakeSmallSkin(target);
  Skin plain;  // no pictures, no images, default colours and theme
  ReadSkinFile(BuildSkinFile(plain), SkinFileFormat::kSkn, target);
  EXPECT_EQ(target.bgTop.GetBitmap().Width(), 3);
  EXPECT_EQ(target.ilHot.ImageCount(), 1);
  EXPECT_TRUE(target.bgBottom.Transparent());  // false is the default: not stored
  EXPECT_EQ(target.themeName, "MonaiXP");
  EXPECT_EQ(target.textColour, clWindowText);
  EXPECT_FALSE(target.bgBottom.StretchBitmap());
}

TEST(SkinFileTest, ImportChangesBackgroundsAndSixListsOnly) {
  Skin source;
  MakeSmallSkin(source);
  source.ilLButtons.AppendImage(Picture(24, 24, 0xFFABCDEF), clNone);
  const Bytes old = OldSkinFile(BuildSkinFile(source));

  Skin opened;
  LoadStartupSkin(opened);
  opened.themeName = "Xito";
  opened.gaugeColour = clBlack;
  const Skin before(opened);
  ReadSkinFile(old, SkinFileFormat::kCrs, opened);

  EXPECT_TRUE(opened.bgTop.GetBitmap().SamePixels(source.bgTop.GetBitmap()));
  EXPECT_TRUE(opened.bgBottom.StretchBitmap());
  EXPECT_EQ(opened.ilLButtons.ImageCount(), 1);
  EXPECT_EQ(opened.ilHot.ImageCount(), 1);
  EXPECT_EQ(opened.ilMain.ImageCount(), before.ilMain.ImageCount());
  EXPECT_EQ(opened.ilPage.ImageCount(), before.ilPage.ImageCount());
  EXPECT_EQ(opened.themeName, "Xito");
  EXPECT_EQ(opened.gaugeColour, clBlack);
  EXPECT_EQ(opened.textColour, before.textColour);
}

TEST(SkinFileTest, FilesOfTheOtherLayoutAreRefused) {
  Skin source;
  MakeSmallSkin(source);
  const Bytes skn = BuildSkinFile(source);
  const Bytes crs = OldSkinFile(skn);
  Skin skin;
  LoadStartupSkin(skin);
  const Bytes before = Stored(skin);
  EXPECT_EQ(ReadError(skn, SkinFileFormat::kCrs, skin), "Invalid stream format");
  EXPECT_EQ(ReadError(crs, SkinFileFormat::kSkn, skin), "Invalid stream format");
  EXPECT_EQ(Stored(skin), before);
}

TEST(SkinFileTest, FileCutInsideIlHotChangesNothing) {
  Skin source;
  MakeSmallSkin(source);
  const Bytes file = BuildSkinFile(source);
  const RecordInfo ilHot = InspectSkinFile(file, SkinFileFormat::kSkn).records[5];
  ASSERT_EQ(ilHot.name, "ilHot");
  const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(ilHot.offset + ilHot.length / 2));
  Skin skin;
  LoadStartupSkin(skin);
  const Bytes before = Stored(skin);
  EXPECT_EQ(ReadError(cut, SkinFileFormat::kSkn, skin), "Error reading ilHot.Bitmap: Stream read error");
  EXPECT_EQ(Stored(skin), before);
  try {
    InspectSkinFile(cut, SkinFileFormat::kSkn);
    ADD_FAILURE() << "no error";
  } catch (const SkinError& error) {
    EXPECT_STREQ(error.what(), "Error reading ilHot.Bitmap: Stream read error");
  }
}

TEST(SkinFileTest, EveryShorterFileFailsCleanlyAndChangesNothing) {
  Skin source;
  MakeSmallSkin(source);
  const Bytes file = BuildSkinFile(source);
  for (SkinFileFormat format : {SkinFileFormat::kSkn, SkinFileFormat::kCrs}) {
    const Bytes full = format == SkinFileFormat::kSkn ? file : OldSkinFile(file);
    Skin skin;  // the default skin: every record of `full` would change it
    const Bytes before = Stored(skin);
    for (std::size_t length = 0; length < full.size(); ++length) {
      const std::string error =
          ReadError(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)), format, skin);
      const bool known = error == "Stream read error" || error == "Invalid stream format" ||
                         (error.rfind("Error reading ", 0) == 0 &&
                          (error.ends_with(": Stream read error") || error.ends_with(": Bitmap image is not valid") ||
                           error.ends_with(": Failed to read ImageList data from stream")));
      ASSERT_TRUE(known) << "length " << length << ": " << error;
    }
    EXPECT_EQ(Stored(skin), before);
    ReadSkinFile(full, format, skin);
    EXPECT_NE(Stored(skin), before);
  }
}

TEST(SkinFileTest, BadHeaderColourAndClashingRecordNamesChangeNothing) {
  Skin source;
  MakeSmallSkin(source);
  Skin skin;
  LoadStartupSkin(skin);
  const Bytes before = Stored(skin);

  Bytes badColour = BuildSkinFile(source);
  badColour[8] = 5;
  std::copy_n("clFoo", 5, badColour.begin() + 9);
  EXPECT_EQ(ReadError(badColour, SkinFileFormat::kSkn, skin), "'clFoo' is not a valid integer value");

  // bgBottom's record in bgTop's place names another component of the skin.
  const Bytes file = BuildSkinFile(Skin());
  const SkinFileInfo info = InspectSkinFile(file, SkinFileFormat::kSkn);
  Bytes swapped(file.begin(), file.begin() + kHeader);
  const auto record = [&](std::size_t i) {
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(info.records[i].offset),
                 file.begin() + static_cast<std::ptrdiff_t>(info.records[i].offset + info.records[i].length));
  };
  for (std::size_t i : {std::size_t{1}, std::size_t{0}}) {
    const Bytes r = record(i);
    swapped.insert(swapped.end(), r.begin(), r.end());
  }
  swapped.insert(swapped.end(), file.begin() + static_cast<std::ptrdiff_t>(info.records[2].offset), file.end());
  EXPECT_EQ(ReadError(swapped, SkinFileFormat::kSkn, skin), "A component named bgBottom already exists");
  EXPECT_EQ(Stored(skin), before);
}

}  // namespace
}  // namespace tessary
