// What the tool does to the user's files and folders beyond the happy path: old skin files
// are never written, an interrupted export leaves no half-written skin directory, messages
// give the system's reason, header texts keep every character on their way through
// skin.ini, and pack passes over what editors and desktops leave in a folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "skinfile/TextEncoding.h"
#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> StartupSkinBytes() {
  Skin skin;
  LoadStartupSkin(skin);
  return BuildSkinFile(skin);
}

TEST(ToolFiles, OldSkinFilesAreReadNeverWritten) {
  ToolFolder folder;
  const std::vector<std::uint8_t> old = OldSkinFileFrom(StartupSkinBytes());
  folder.Write("old.crs", old);
  std::filesystem::create_directories(folder.Path("dir"));
  const std::pair<QStringList, std::string> cases[] = {
      {{"new", "made.crs"}, "'made.crs'"},
      {{"convert", "old.crs", "old.crs"}, "'old.crs'"},
      {{"pack", "dir", "Packed.CRS"}, "'Packed.CRS'"},
  };
  for (const auto& [args, name] : cases) {
    const ToolResult result = folder.Run(args);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_EQ(result.err.rfind("tessary-skin: " + args[0].toStdString() + ": " + name +
                                   " names an old skin file (.crs): those are read, never written",
                               0),
              0u)
        << result.err;
  }
  EXPECT_EQ(folder.Read("old.crs"), old);
  EXPECT_FALSE(folder.Exists("made.crs") || folder.Exists("Packed.CRS"));
}

TEST(ToolFiles, MessagesGiveTheSystemsReasonAndTheVersionIsShown) {
  ToolFolder folder;
  folder.Write("in.skn", StartupSkinBytes());
  std::filesystem::create_directories(folder.Path("folder.skn"));
  const std::pair<QStringList, std::string> cases[] = {
      {{"export", "in.skn", "in.skn/exp"},
       "tessary-skin: in.skn/exp: Cannot create file in.skn/exp: Not a directory\n"},
      {{"info", "folder.skn"}, "tessary-skin: folder.skn: Cannot open file folder.skn: Is a directory\n"},
      {{"new", "folder.skn"}, "tessary-skin: folder.skn: Cannot create file folder.skn: Is a directory\n"},
      {{"new", "/dev/full"}, "tessary-skin: /dev/full: Stream write error: No space left on device\n"},
  };
  for (const auto& [args, message] : cases) {
    const ToolResult result = folder.Run(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, message);
  }
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  // Output a script cannot get is a failure too, with the same reason however large it is.
  for (const QStringList& args : {QStringList{"info", "in.skn"}, QStringList{"info", "in.skn", "--json"},
                                  QStringList{"check", "in.skn"}, QStringList{"--help"}}) {
    const ToolResult full = folder.Run(args, "/dev/full");
    EXPECT_EQ(full.exitCode, 1) << args.join(' ').toStdString();
    EXPECT_EQ(full.err, "tessary-skin: standard output: Stream write error: No space left on device\n")
        << args.join(' ').toStdString();
  }
  const ToolResult version = folder.Run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "tessary-skin 2.0\n");
}

// Names and places users give by accident or by habit: each case either works or fails
// with exit 2 (arguments) or 1 (files) and the usual message, and no input changes.
TEST(ToolFiles, AwkwardNamesAndPlacesNeverDamageTheInput) {
  ToolFolder folder;
  const std::vector<std::uint8_t> skin = StartupSkinBytes();
  const std::vector<std::uint8_t> old = OldSkinFileFrom(skin);
  folder.Write("in.skn", skin);
  folder.Write("old.crs", old);
  folder.Write("sp ace é/ü x.skn", skin);
  fs::create_symlink("old.crs", folder.Path("link.skn"));
  fs::create_symlink("loop.skn", folder.Path("loop.skn"));
  fs::create_directories(folder.Path("looped/ilMain"));
  fs::create_symlink("05.png", folder.Path("looped/ilMain/05.png"));
  fs::create_directories(folder.Path("fifo"));
  ASSERT_EQ(::mkfifo(folder.Path("fifo/bgTop.bmp").c_str(), 0600), 0);
  ASSERT_EQ(folder.Run({"export", "in.skn", "dir"}).exitCode, 0);
  const std::vector<std::uint8_t> ini = folder.Read("dir/skin.ini");
  // Names that fit (up to 255 bytes), but not with a temporary mark added.
  const QString longName(250, QLatin1Char('L'));
  const QString accented = QString(125, QChar(0xE9)) + ".skn";
  struct Case {
    QStringList args;
    int exitCode;
    std::string err;   // the start of what stderr says
    const char* made;  // a file or folder the command leaves, or nullptr
  };
  const Case cases[] = {
      {{"info", ""}, 2, "tessary-skin: info: empty file name\nUsage: tessary-skin info ", nullptr},
      {{"export", "in.skn", "out/"}, 0, "", "out/skin.ini"},
      {{"export", "in.skn", "new/er/out/."}, 0, "", "new/er/out/ilMain/00.png"},
      {{"new", accented}, 0, "", nullptr},
      {{"export", "in.skn", longName}, 0, "", nullptr},
      {{"convert", "sp ace é/ü x.skn", "sp ace é/ü x.skn"}, 0, "", nullptr},
      {{"convert", "old.crs", "link.skn"},
       2,
       "tessary-skin: convert: 'link.skn' is a link to an old skin file",
       nullptr},
      {{"pack", "dir", "dir/skin.ini"}, 2, "tessary-skin: pack: 'dir/skin.ini' lies in DIR, among the files", nullptr},
      {{"pack", "dir", "dir/ilMain/00.png"}, 2, "tessary-skin: pack: 'dir/ilMain/00.png' lies in DIR", nullptr},
      {{"pack", "dir", "dir"}, 1, "tessary-skin: dir: Cannot create file dir: Is a directory\n", nullptr},
      {{"export", "in.skn", "in.skn"}, 1, "tessary-skin: in.skn: not a directory\n", nullptr},
      // Refused by its start, not read to a limit.
      {{"info", "/dev/zero"}, 1, "tessary-skin: /dev/zero: Invalid stream format\n", nullptr},
      // A FIFO found in a folder is not waited on.
      {{"pack", "fifo", "fifo.skn"},
       1,
       "tessary-skin: fifo/bgTop.bmp: Cannot open file fifo/bgTop.bmp: not a regular file\n",
       nullptr},
      {{"pack", "looped", "looped.skn"},
       1,
       "tessary-skin: looped/ilMain/05.png: Cannot open file looped/ilMain/05.png: Too many levels of symbolic links\n",
       nullptr},
      {{"new", "loop.skn"},
       1,
       "tessary-skin: loop.skn: Cannot create file loop.skn: Too many levels of symbolic links\n",
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(QLatin1Char(' ')).left(80).toStdString());
    const ToolResult result = folder.Run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.err.rfind(c.err, 0), 0u) << result.err;
    if (c.exitCode == 0) {
      EXPECT_EQ(result.err, "");
    }
    if (c.made != nullptr) {
      EXPECT_TRUE(folder.Exists(c.made));
    }
  }
  EXPECT_TRUE(folder.Read("in.skn") == skin && folder.Read("sp ace é/ü x.skn") == skin);
  EXPECT_TRUE(folder.Read("old.crs") == old && folder.Read("dir/skin.ini") == ini);
  EXPECT_TRUE(folder.Read(accented.toStdString()) == skin);
  EXPECT_TRUE(folder.Exists(longName.toStdString() + "/skin.ini"));
  // Nothing temporary stays behind, and no folder other than those asked for appears.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.Path("."))) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names.size(), 12u);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path("loop.skn"))));
  // A link to a pipe (the tool's standard output here) is written into, not beside.
  const ToolResult piped = folder.Run({"new", "/dev/stdout"});
  EXPECT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_TRUE(std::vector<std::uint8_t>(piped.out.begin(), piped.out.end()) == skin);
  // A pipe named on purpose is read.
  const ToolResult fromPipe = folder.Run({"check", "/dev/stdin"}, {}, std::string(skin.begin(), skin.end()));
  EXPECT_EQ(fromPipe.out, "/dev/stdin: ok\n") << fromPipe.err;
}

// The group of a file or folder.
gid_t GroupOf(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_gid;
}

// A group other than the user's own that the user may give a folder: any for root, else one
// the user belongs to (none: the user's own).
gid_t AnotherGroup() {
  if (::geteuid() == 0) return 1;
  gid_t groups[64];
  const int count = ::getgroups(64, groups);
  for (int i = 0; i < count; ++i)
    if (groups[i] != ::getegid()) return groups[i];
  return ::getegid();
}

// Exporting into an existing empty folder fills that folder as it was: a private folder
// stays private, a shared one keeps its group and set-group-id bit, and the files in it get
// that group, as files made in it do.
TEST(ToolFiles, ExportIntoAnEmptyFolderKeepsItsPermissionsAndGroup) {
  ToolFolder folder;
  folder.Write("in.skn", StartupSkinBytes());
  struct Case {
    const char* dir;
    fs::perms perms;
    gid_t group;
  };
  const Case cases[] = {
      {"private", fs::perms::owner_all, ::getegid()},
      {"shared", fs::perms::owner_all | fs::perms::group_all | fs::perms::set_gid, AnotherGroup()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dir);
    fs::create_directory(folder.Path(c.dir));
    ASSERT_EQ(::chown(folder.Path(c.dir).c_str(), static_cast<uid_t>(-1), c.group), 0);
    fs::permissions(folder.Path(c.dir), c.perms);
    const ToolResult result = folder.Run({"export", "in.skn", c.dir});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fs::status(folder.Path(c.dir)).permissions(), c.perms);
    EXPECT_EQ(GroupOf(folder.Path(c.dir)), c.group);
    EXPECT_EQ(GroupOf(folder.Path(std::string(c.dir) + "/skin.ini")), c.group);
    EXPECT_EQ(GroupOf(folder.Path(std::string(c.dir) + "/ilMain/00.png")), c.group);
  }
}

// A skin export takes long enough to be caught half-way: thousands of images.
std::vector<std::uint8_t> SkinWithManyImages() {
  Skin skin;
  LoadStartupSkin(skin);
  for (ImageList* list : {&skin.ilSButtons, &skin.ilMain}) {
    std::vector<ImageList::Image> images(8000, list->ImageAt(0));
    list->SetContent(16, 16, 8000, std::move(images));
  }
  return BuildSkinFile(skin);
}

// The temporary folder of a running export into made/out, once it holds some of the images.
bool ExportIsHalfWay(const ToolFolder& folder) {
  if (!folder.Exists("made")) return false;
  for (const auto& entry : fs::directory_iterator(folder.Path("made"))) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("out.~") && fs::exists(entry.path() / "ilSButtons" / "100.png")) return true;
  }
  return false;
}

TEST(ToolFiles, AnInterruptedExportLeavesNoSkinDirectory) {
  ToolFolder folder;
  folder.Write("big.skn", SkinWithManyImages());
  for (const bool terminate : {true, false}) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.Path(".")));
    process.start(TESSARY_SKIN_TOOL, {"export", "big.skn", "made/out"});
    ASSERT_TRUE(process.waitForStarted());
    bool finished = false;
    while (!ExportIsHalfWay(folder) && !finished) finished = process.waitForFinished(1);
    ASSERT_FALSE(finished) << "the export ended before it could be interrupted";
    terminate ? process.terminate() : process.kill();  // SIGTERM, or SIGKILL which nothing can catch
    process.waitForFinished();
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_FALSE(folder.Exists("made/out"));
    // pack finds no skin directory rather than half of one.
    EXPECT_EQ(folder.Run({"pack", "made/out", "packed.skn"}).exitCode, 1);
    // SIGTERM removes the temporary folder and the folder made for it; after SIGKILL they stay.
    EXPECT_EQ(folder.Exists("made"), !terminate);
  }
}

TEST(ToolFiles, HeaderTextsTravelAsUtf8AndComeBackAsLatin1) {
  ToolFolder folder;
  Skin skin;
  LoadStartupSkin(skin);
  skin.themeName = "Caf\xE9 No\xEBl \xB1";  // Latin-1, as the header stores it
  const std::vector<std::uint8_t> skn = BuildSkinFile(skin);
  folder.Write("in.skn", skn);
  ASSERT_EQ(folder.Run({"export", "in.skn", "dir"}).exitCode, 0);
  const std::vector<std::uint8_t> ini = folder.Read("dir/skin.ini");
  EXPECT_NE(std::string(ini.begin(), ini.end()).find("Theme=Café Noël ±\n"), std::string::npos);
  ASSERT_EQ(folder.Run({"pack", "dir", "out.skn"}).exitCode, 0);
  EXPECT_TRUE(folder.Read("out.skn") == skn);
  const ToolResult info = folder.Run({"info", "in.skn", "--json"});
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(info.out)).object()["theme"].toString(),
            QString::fromUtf8("Café Noël ±"));
  EXPECT_NE(folder.Run({"info", "in.skn"}).out.find("Theme:         Café Noël ±\n"), std::string::npos);

  const std::string sixtyFour(64, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"Theme=" + sixtyFour, ""},
      {"Theme=" + sixtyFour + "y",
       "tessary-skin: t/skin.ini:2: '" + sixtyFour + "y' is longer than the 64 characters a skin file holds\n"},
      {"Theme=Ωmega", "tessary-skin: t/skin.ini:2: 'Ωmega' has characters a skin file cannot hold (only Latin-1)\n"},
      // A byte that is not UTF-8 is shown escaped, not sent raw to the terminal.
      {"TextColor=\xC3", "tessary-skin: t/skin.ini:2: '\\xc3' has characters a skin file cannot hold (only Latin-1)\n"},
      {"GaugeColor=$" + std::string(70, '0'), "tessary-skin: t/skin.ini:2: '$" + std::string(70, '0') +
                                                  "' is longer than the 64 characters a skin file holds\n"},
  };
  for (const auto& [line, message] : cases) {
    folder.WriteText("t/skin.ini", "[Skin]\n" + line + "\n");
    const ToolResult result = folder.Run({"pack", "t", "t.skn"});
    EXPECT_EQ(result.err, message) << line;
    EXPECT_EQ(result.exitCode, message.empty() ? 0 : 1) << line;
  }
}

TEST(ToolFiles, PackPassesOverLeftoversAndGrowsTooSmallCapacities) {
  ToolFolder folder;
  for (const char* leftover : {".DS_Store", "skin.ini~", "Thumbs.db", "DESKTOP.INI", "old.skn", "older.CRS",
                               "out.skn.~123.tmp", "ilMain/.hidden", "ilMain/05.png~", "ilMain/thumbs.db"}) {
    folder.WriteText(std::string("dir/") + leftover, "not part of the skin");
  }
  ASSERT_EQ(folder.Run({"pack", "dir", "dir/out.skn"}).exitCode, 0);
  EXPECT_TRUE(folder.Read("dir/out.skn") == StartupSkinBytes());
  // Packing again into the same folder passes over the skin file it wrote.
  EXPECT_EQ(folder.Run({"pack", "dir", "dir/out.skn"}).exitCode, 0);

  folder.WriteText("room/skin.ini", "[ilPage]\nCapacity=5\n[ilMain]\nCount=1\nCapacity=1\n");
  ASSERT_EQ(folder.Run({"pack", "room", "room.skn"}).exitCode, 0);
  Skin packed;
  OpenSkinFile(folder.Path("room.skn"), packed);
  EXPECT_EQ(packed.ilPage.Capacity(), 13);  // 5, grown by two steps for the 10 images
  EXPECT_EQ(packed.ilMain.Capacity(), 1);
  EXPECT_NE(folder.Run({"info", "room.skn"}).out.find("  ilMain      1 image of 16 x 16, capacity 1\n"),
            std::string::npos);

  folder.WriteText("flag/skin.ini", "[Skin]\nTopStretch=true\n");
  EXPECT_EQ(folder.Run({"pack", "flag", "flag.skn"}).err,
            "tessary-skin: flag/skin.ini:2: 'true' is not a valid boolean value (0 or 1)\n");
}

}  // namespace
}  // namespace tessary::cli::test
