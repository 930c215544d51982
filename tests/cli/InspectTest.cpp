// new, info, check and convert against the library the editor itself uses: the tool must
// write what Save writes and report exactly the messages the editor shows.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "cli/Tool.h"
#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

std::vector<std::uint8_t> StartupSkinBytes() {
  Skin skin;
  LoadStartupSkin(skin);
  return BuildSkinFile(skin);
}

QJsonObject InfoJson(const ToolFolder& folder, const std::string& file) {
  const ToolResult result = folder.Run({"info", QString::fromStdString(file), "--json"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
  return document.object();
}

TEST(ToolNew, WritesTheStartupSkinAsSaveDoesAndChecksOk) {
  ToolFolder folder;
  const ToolResult made = folder.Run({"new", "start.skn"});
  EXPECT_EQ(made.exitCode, 0);
  EXPECT_EQ(made.out + made.err, "");
  EXPECT_EQ(folder.Read("start.skn"), StartupSkinBytes());

  const ToolResult checked = folder.Run({"check", "start.skn"});
  EXPECT_EQ(checked.exitCode, 0);
  EXPECT_EQ(checked.out, "start.skn: ok\n");
  EXPECT_EQ(checked.err, "");

  const ToolResult nowhere = folder.Run({"new", "no/such/start.skn"});
  EXPECT_EQ(nowhere.exitCode, 1);
  EXPECT_EQ(nowhere.err,
            "tessary-skin: no/such/start.skn: Cannot create file no/such/start.skn: No such file or directory\n");
}

TEST(ToolInfo, JsonOfTheStartupSkin) {
  ToolFolder folder;
  folder.Write("start.skn", StartupSkinBytes());
  const QJsonObject info = InfoJson(folder, "start.skn");

  EXPECT_EQ(info["format"].toString(), "skn");
  EXPECT_EQ(info["topStretch"], QJsonValue(false));
  EXPECT_EQ(info["bottomStretch"], QJsonValue(false));
  EXPECT_EQ(info["marker"].toInt(), 9);
  EXPECT_EQ(info["textColor"].toString(), "clWindowText");
  EXPECT_EQ(info["gaugeColor"].toString(), "$00996633");
  EXPECT_EQ(info["theme"].toString(), "MonaiXP");

  const char* names[] = {"bgTop", "bgBottom",  "ilLButtons", "ilSButtons", "ilImages",
                         "ilHot", "ilDisable", "ilDown",     "ilMain",     "ilPage"};
  const QJsonArray records = info["records"].toArray();
  ASSERT_EQ(records.size(), 10);
  qint64 end = 204;  // the records follow the header without a gap and end the file
  for (int i = 0; i < records.size(); ++i) {
    const QJsonObject record = records[i].toObject();
    EXPECT_EQ(record["name"].toString(), names[i]);
    EXPECT_EQ(record["class"].toString(), i < 2 ? "TTBBackground" : "TImageList");
    EXPECT_EQ(record["offset"].toInteger(), end) << names[i];
    end += record["length"].toInteger();
  }
  EXPECT_EQ(end, static_cast<qint64>(folder.Read("start.skn").size()));
  // Every list carries its images; a background without a picture carries no picture data.
  EXPECT_TRUE(records[2].toObject()["properties"].toArray().contains("Bitmap"));
  EXPECT_EQ(records[0].toObject()["properties"].toArray(), (QJsonArray{"BkColor", "Left", "Top"}));

  const std::pair<const char*, int> counts[] = {{"ilLButtons", 21}, {"ilSButtons", 21}, {"ilImages", 11},
                                                {"ilHot", 11},      {"ilDisable", 11},  {"ilDown", 22},
                                                {"ilMain", 59},     {"ilPage", 10}};
  const QJsonObject lists = info["imageLists"].toObject();
  EXPECT_EQ(lists.size(), 8);
  for (const auto& [name, count] : counts) EXPECT_EQ(lists[name].toObject()["count"].toInt(), count) << name;
  EXPECT_EQ(lists["ilPage"].toObject(), (QJsonObject{{"count", 10}, {"capacity", 14}, {"width", 18}, {"height", 18}}));
  EXPECT_EQ(info["backgrounds"].toObject()["bgTop"].toObject(),
            (QJsonObject{{"width", 0}, {"height", 0}, {"bitsPerPixel", 0}}));
}

// A record leaves out what equals the class default: an empty 16 x 16 list stores no size.
TEST(ToolInfo, ListsShowTheSizeTheirRecordsGiveNotTheStartupOnes) {
  ToolFolder folder;
  Skin skin;
  LoadStartupSkin(skin);
  skin.ilLButtons.SetSize(16, 16);
  folder.Write("small.skn", BuildSkinFile(skin));
  const QJsonObject lists = InfoJson(folder, "small.skn")["imageLists"].toObject();
  EXPECT_EQ(lists["ilLButtons"].toObject(),
            (QJsonObject{{"count", 0}, {"capacity", 4}, {"width", 16}, {"height", 16}}));
  EXPECT_EQ(lists["ilImages"].toObject()["width"].toInt(), 21);
}

TEST(ToolInfo, OldSkinFileShowsOnlyWhatItHolds) {
  ToolFolder folder;
  Skin skin;
  LoadStartupSkin(skin);
  skin.bgBottom.SetBitmap(ReadBmp(SampleBackgrounds()[1]));
  skin.bgBottom.SetStretchBitmap(true);
  folder.Write("old.CRS", OldSkinFileFrom(BuildSkinFile(skin)));

  const QJsonObject info = InfoJson(folder, "old.CRS");
  EXPECT_EQ(info["format"].toString(), "crs");
  EXPECT_EQ(info["bottomStretch"], QJsonValue(true));
  EXPECT_FALSE(info.contains("marker"));
  EXPECT_FALSE(info.contains("theme"));
  EXPECT_EQ(info["records"].toArray().size(), 8);
  EXPECT_EQ(info["records"].toArray()[0].toObject()["offset"].toInteger(), 2);
  const QJsonObject lists = info["imageLists"].toObject();
  EXPECT_EQ(lists.size(), 6);
  EXPECT_FALSE(lists.contains("ilMain"));
  EXPECT_EQ(info["backgrounds"].toObject()["bgBottom"].toObject(),
            (QJsonObject{{"width", 6}, {"height", 4}, {"bitsPerPixel", 8}}));
}

TEST(ToolInfo, TextSummaryNamesTheParts) {
  ToolFolder folder;
  folder.Write("start.skn", StartupSkinBytes());
  const ToolResult result = folder.Run({"info", "start.skn"});
  EXPECT_EQ(result.exitCode, 0);
  for (const char* line : {"Theme:         MonaiXP\n", "  ilDown      22 images of 21 x 21, capacity 24\n",
                           "  bgTop       tiled, no picture\n"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << result.out;
  }
}

TEST(ToolCheck, ReportsEveryFileWithTheEditorsMessage) {
  ToolFolder folder;
  const std::vector<std::uint8_t> skn = StartupSkinBytes();
  const SkinFileInfo layout = InspectSkinFile(skn, SkinFileFormat::kSkn);
  const RecordInfo& hot = layout.records[5];
  ASSERT_EQ(hot.name, "ilHot");
  folder.Write("good.skn", skn);
  folder.Write("cut.skn", std::vector<std::uint8_t>(
                              skn.begin(), skn.begin() + static_cast<std::ptrdiff_t>(hot.offset + hot.length / 2)));
  folder.Write("short.skn", std::vector<std::uint8_t>(skn.begin(), skn.begin() + 100));
  folder.Write("skin-as-old.crs", skn);
  folder.Write("old-as-skin.skn", OldSkinFileFrom(skn));
  folder.Write("old.crs", OldSkinFileFrom(skn));

  const ToolResult result = folder.Run(
      {"check", "good.skn", "cut.skn", "short.skn", "skin-as-old.crs", "old-as-skin.skn", "missing.skn", "old.crs"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out,
            "good.skn: ok\n"
            "cut.skn: Error reading ilHot.Bitmap: Stream read error\n"
            "short.skn: Stream read error\n"
            "skin-as-old.crs: Invalid stream format: the name ends in .crs, so it was read as an old skin "
            "file, but it holds a skin file (.skn)\n"
            "old-as-skin.skn: Invalid stream format: the name does not end in .crs, so it was read as a "
            "skin file, but it holds an old skin file (.crs)\n"
            "missing.skn: Cannot open file missing.skn: No such file or directory\n"
            "old.crs: ok\n");
  EXPECT_EQ(result.err, "");

  // A bad file for any other command is one line on stderr and exit code 1.
  const ToolResult info = folder.Run({"info", "cut.skn"});
  EXPECT_EQ(info.exitCode, 1);
  EXPECT_EQ(info.out, "");
  EXPECT_EQ(info.err, "tessary-skin: cut.skn: Error reading ilHot.Bitmap: Stream read error\n");
}

// A file too large for the memory is that file's verdict: the files after it are checked.
// The tool runs with its address space limited to 100 MiB and reads a skin followed by
// 150 MB of zeros (a sparse file), which it cannot hold.
TEST(ToolCheck, AFileTooLargeForTheMemoryIsOneVerdictAmongTheOthers) {
  ToolFolder folder;
  folder.Write("a.skn", StartupSkinBytes());
  folder.Write("large.skn", StartupSkinBytes());
  std::filesystem::resize_file(folder.Path("large.skn"), 150'000'000);
  for (const char* command : {"check", "info"}) {
    SCOPED_TRACE(command);
    QStringList args = {"-c", "ulimit -v 102400 && exec \"$0\" \"$@\"", TESSARY_SKIN_TOOL, command};
    if (command == std::string("check"))
      args << "a.skn"
           << "large.skn"
           << "a.skn";
    else args << "large.skn";
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.Path("")));
    process.start("/bin/sh", args);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const std::string out = process.readAllStandardOutput().toStdString();
    const std::string err = process.readAllStandardError().toStdString();
    if (command == std::string("check")) {
      EXPECT_EQ(out, "a.skn: ok\nlarge.skn: Out of memory\na.skn: ok\n");
      EXPECT_EQ(err, "");
    } else {
      EXPECT_EQ(err, "tessary-skin: large.skn: Out of memory\n");
    }
  }
}

TEST(ToolCheck, EveryRecordCutShortFailsCleanly) {
  ToolFolder folder;
  const std::vector<std::uint8_t> skn = StartupSkinBytes();
  const SkinFileInfo layout = InspectSkinFile(skn, SkinFileFormat::kSkn);
  QStringList args = {"check"};
  for (const RecordInfo& record : layout.records) {
    for (std::size_t cut : {record.offset + 1, record.offset + record.length - 1}) {
      const std::string name = "cut-" + std::to_string(cut) + ".skn";
      folder.Write(name, std::vector<std::uint8_t>(skn.begin(), skn.begin() + static_cast<std::ptrdiff_t>(cut)));
      args << QString::fromStdString(name);
    }
  }
  const ToolResult result = folder.Run(args);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.find(": ok"), std::string::npos) << result.out;
  EXPECT_EQ(static_cast<int>(std::count(result.out.begin(), result.out.end(), '\n')), args.size() - 1);
}

TEST(ToolConvert, ImportsOverTheStartupSkinAndSaves) {
  ToolFolder folder;
  Skin edited;
  LoadStartupSkin(edited);
  edited.bgTop.SetBitmap(ReadBmp(SampleBackgrounds()[0]));
  edited.bgTop.SetStretchBitmap(true);
  edited.ilHot.ReplaceImage(0, ReadBmp(SolidBmp24(21, 21, 0x00123456)), clNone);
  edited.ilPage.Clear();
  edited.textColour = clRed;
  edited.themeName = "Xito";
  folder.Write("old.crs", OldSkinFileFrom(BuildSkinFile(edited)));

  const ToolResult result = folder.Run({"convert", "old.crs", "new.skn"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");

  // What the editor has after Import Old Skins at start-up, saved.
  Skin expected;
  LoadStartupSkin(expected);
  expected.bgTop.SetBitmap(edited.bgTop.GetBitmap());
  expected.bgTop.SetStretchBitmap(true);
  expected.ilHot.Assign(edited.ilHot);
  EXPECT_EQ(folder.Read("new.skn"), BuildSkinFile(expected));

  const ToolResult bad = folder.Run({"convert", "missing.crs", "never.skn"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.err, "tessary-skin: missing.crs: Cannot open file missing.crs: No such file or directory\n");
  EXPECT_FALSE(folder.Exists("never.skn"));
}

}  // namespace
}  // namespace tessary::cli::test
