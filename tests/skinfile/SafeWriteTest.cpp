// Saving onto what the user already has, on real files: links are written through, files
// the user may not write are refused, devices and pipes are written straight and never
// replaced, a replaced file keeps its permissions (its temporary file has them from its
// first byte), the new content is on the disk before it replaces the old, a folder moved
// away meanwhile keeps no stray file, and an interrupt removes what is still temporary.
// Pictures read from disk are written from where they are held.
#if defined(__unix__) || defined(__APPLE__)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <thread>

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/FileIo.h"
#include "skinfile/FileSystem.h"
#include "skinfile/SkinFile.h"
#include "skinfile/TemporaryFiles.h"
#include "tests/skinfile/SystemCallLog.h"
#include "tests/support/PrivateFolder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SafeWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A picture large enough to be written from the bytes it was read from.
    std::vector<Argb> pixels(300 * 300);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<Argb>(i * 2654435761u);
    WriteBytes(Path("picture.bmp"), WriteBmp(Bitmap::FromArgb(300, 300, pixels)));
    skin_.bgTop.SetBitmap(LoadBmpFile(Path("picture.bmp")));
    skin_.themeName = "Roma";
    expected_ = BuildSkinFile(skin_);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  static void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
  }
  // The names in the folder besides the picture: no temporary file may be left.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::erase(names, "picture.bmp");
    std::sort(names.begin(), names.end());
    return names;
  }

  test::PrivateFolder private_;
  fs::path folder_ = private_.Root();
  Skin skin_;
  Bytes expected_;
};

gid_t FileGroup(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_gid;
}

TEST_F(SafeWriteTest, EveryKindOfTargetIsWrittenAsItShouldBe) {
  const Bytes old = {'o', 'l', 'd'};
  constexpr gid_t kOtherGroup = 1;
  gid_t group = 0;
  std::unique_ptr<test::SystemCallLog> log;  // new for every case
  struct Case {
    const char* name;
    std::function<std::string()> prepare;  // makes the target, returns the name to save to
    std::string message;                   // "" when the save succeeds
    std::string reason;
    std::function<void(const std::string&)> check;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {"a link is written through and stays a link",
       [&] {
         WriteBytes(Path("real.skn"), old);
         fs::create_symlink("real.skn", Path("link.skn"));
         return Path("link.skn");
       },
       "",
       "",
       [&](const std::string& saved) {
         EXPECT_TRUE(fs::is_symlink(saved));
         EXPECT_EQ(ReadBytes(Path("real.skn")), expected_);
       },
       {"link.skn", "real.skn"}},
      {"a link to a missing file in another folder creates the file there",
       [&] {
         fs::create_directory(Path("elsewhere"));
         fs::create_symlink("elsewhere/new.skn", Path("dangling.skn"));
         return Path("dangling.skn");
       },
       "",
       "",
       [&](const std::string& saved) {
         EXPECT_TRUE(fs::is_symlink(saved));
         EXPECT_EQ(ReadBytes(Path("elsewhere/new.skn")), expected_);
         EXPECT_EQ(std::distance(fs::directory_iterator(Path("elsewhere")), {}), 1);
       },
       {"dangling.skn", "elsewhere"}},
      {"a file marked read-only is refused, even for root",
       [&] {
         WriteBytes(Path("kept.skn"), old);
         fs::permissions(Path("kept.skn"), fs::perms::owner_read | fs::perms::group_read);
         return Path("kept.skn");
       },
       "Cannot create file " + Path("kept.skn"),
       "Permission denied",
       [&](const std::string& saved) {
         EXPECT_EQ(ReadBytes(saved), old);
         EXPECT_EQ(fs::status(saved).permissions(), fs::perms::owner_read | fs::perms::group_read);
       },
       {"kept.skn"}},
      {"a replaced file keeps its permissions and, where the system allows, its group",
       [&] {
         WriteBytes(Path("shared.skn"), old);
         fs::permissions(Path("shared.skn"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         if (::chown(Path("shared.skn").c_str(), static_cast<uid_t>(-1), kOtherGroup) != 0) {
         }  // root may; others keep their own group, which the save then keeps
         group = FileGroup(Path("shared.skn"));
         return Path("shared.skn");
       },
       "",
       "",
       [&](const std::string& saved) {
         EXPECT_EQ(ReadBytes(saved), expected_);
         EXPECT_EQ(fs::status(saved).permissions(),
                   fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         EXPECT_EQ(FileGroup(saved), group);
       },
       {"shared.skn"}},
      {"a private file is private from the first byte, on the disk before it replaces the old one",
       [&] {
         WriteBytes(Path("private.skn"), old);
         fs::permissions(Path("private.skn"), fs::perms::owner_read | fs::perms::owner_write);
         return Path("private.skn");
       },
       "",
       "",
       [&](const std::string& saved) {
         EXPECT_EQ(ReadBytes(saved), expected_);
         const std::vector<std::string> calls = {"write private.skn.~tmp mode 600", "fsync private.skn.~tmp",
                                                 "rename private.skn.~tmp private.skn", "fsync ."};
         EXPECT_EQ(log->Calls(), calls);
       },
       {"private.skn"}},
      {"a folder moved away during the save takes the file along and keeps no temporary file",
       [&] {
         fs::create_directory(Path("moving"));
         WriteBytes(Path("moving/m.skn"), old);
         log->AtFirstTemporaryWrite([&] { fs::rename(Path("moving"), Path("moved")); });
         return Path("moving/m.skn");
       },
       "",
       "",
       [&](const std::string&) {
         EXPECT_EQ(ReadBytes(Path("moved/m.skn")), expected_);
         EXPECT_EQ(std::distance(fs::directory_iterator(Path("moved")), {}), 1);
       },
       {"moved"}},
      {"a folder is refused",
       [&] {
         fs::create_directory(Path("folder.skn"));
         return Path("folder.skn");
       },
       "Cannot create file " + Path("folder.skn"),
       "Is a directory",
       [&](const std::string& saved) { EXPECT_TRUE(fs::is_directory(saved)); },
       {"folder.skn"}},
      {"a device is written straight",
       [] { return std::string("/dev/null"); },
       "",
       "",
       [](const std::string& saved) { EXPECT_TRUE(fs::is_character_file(saved)); },
       {}},
      {"a full device is reported and kept",
       [] { return std::string("/dev/full"); },
       "Stream write error",
       "No space left on device",
       [](const std::string& saved) { EXPECT_TRUE(fs::is_character_file(saved)); },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log = std::make_unique<test::SystemCallLog>(folder_.string());
    const std::string target = c.prepare();
    if (!fs::exists(target) && !fs::is_symlink(target) && target.starts_with("/dev/")) continue;
    try {
      SaveSkinFile(target, skin_);
      EXPECT_EQ(c.message, "");
    } catch (const SkinError& error) {
      EXPECT_EQ(error.what(), c.message);
      EXPECT_EQ(error.Reason(), c.reason);
    }
    c.check(target);
    EXPECT_EQ(Entries(), c.entries);
    for (const std::string& entry : c.entries) fs::remove_all(Path(entry));
  }
}

TEST_F(SafeWriteTest, APipeIsWrittenStraightToItsReader) {
  const std::string pipe = Path("pipe.skn");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  Bytes received;
  std::thread reader([&] { received = ReadBytes(pipe); });
  SaveSkinFile(pipe, skin_);
  reader.join();
  EXPECT_EQ(received, expected_);
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(Entries(), std::vector<std::string>{"pipe.skn"});
}

// A file is removed by the handler itself, also from a folder moved away since (by the
// folder's handle); a folder is held for its writer, which removes it between files and
// then lets the signal end the process.
TEST_F(SafeWriteTest, AnInterruptRemovesWhatIsStillTemporary) {
  using Kind = PendingTemporary::Kind;
  struct Case {
    Kind kind;
    int signal;
    bool folderMoves;
  };
  for (const Case& c :
       {Case{Kind::kFile, SIGTERM, false}, Case{Kind::kFolder, SIGINT, false}, Case{Kind::kFile, SIGHUP, true}}) {
    const Kind kind = c.kind;
    const int signal = c.signal;
    const std::string path = Path(c.folderMoves ? "moving/half.skn.~1.tmp" : "half.skn.~1.tmp");
    fs::create_directory(Path("moving"));
    EXPECT_EXIT(
        {
          InstallInterruptCleanup();
          if (kind == Kind::kFile) WriteBytes(path, {1, 2, 3});
          if (kind == Kind::kFolder) fs::create_directory(path);
          os::Folder folder;
          if (c.folderMoves && os::OpenFolder(Path("moving"), folder) != 0) std::exit(2);
          const PendingTemporary pending(c.folderMoves ? "half.skn.~1.tmp" : path, kind,
                                         c.folderMoves ? folder.handle.Descriptor() : -1);
          if (c.folderMoves) fs::rename(Path("moving"), Path("moved"));
          std::raise(signal);
          try {
            WriteBytes(path + "/still-writing", {4});  // a held signal lets the writer go on
            ThrowIfInterrupted();
          } catch (const Interrupted& interrupted) {
            fs::remove_all(path);
            RaiseInterrupt(interrupted.signal);
          }
          std::exit(0);
        },
        ::testing::KilledBySignal(signal), "");
    EXPECT_FALSE(fs::exists(path)) << static_cast<int>(kind);
    EXPECT_FALSE(fs::exists(Path("moved/half.skn.~1.tmp")));
    fs::remove_all(Path("moved"));
  }
}

TEST_F(SafeWriteTest, ReadErrorsGiveTheSystemsReasonAndPicturesSliceWhatWasRead) {
  Skin skin;
  const std::string missing = Path("missing.skn");
  try {
    OpenSkinFile(missing, skin);
    ADD_FAILURE() << "opened a missing file";
  } catch (const SkinError& error) {
    EXPECT_STREQ(error.what(), ("Cannot open file " + missing).c_str());
    EXPECT_EQ(error.Reason(), "No such file or directory");
  }
  // Opened from disk, the picture is a slice of the file, and saving writes it unchanged.
  SaveSkinFile(Path("a.skn"), skin_);
  OpenSkinFile(Path("a.skn"), skin);
  SaveSkinFile(Path("b.skn"), skin);
  EXPECT_EQ(ReadBytes(Path("b.skn")), expected_);
  const SharedBytes file = ReadFileBytes(Path("b.skn"));
  Skin sliced;
  ReadSkinFile(file, SkinFileFormat::kSkn, sliced);
  EXPECT_TRUE(sliced.bgTop.GetBitmap().SharedRows().SharesOwnerWith(file));
}

}  // namespace
}  // namespace tessary
#endif
