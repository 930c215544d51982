// Saving onto what the user already has, on real files: links are written through, files
// the user may not write are refused, devices and pipes are written straight and never
// replaced, a replaced file keeps its permissions, and an interrupt removes what is still
// temporary. Pictures read from disk are written from where they are held.
#if defined(__unix__) || defined(__APPLE__)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/FileIo.h"
#include "skinfile/SkinFile.h"
#include "skinfile/TemporaryFiles.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SafeWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tessary-safewrite-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    // A picture large enough to be written from the bytes it was read from.
    std::vector<Argb> pixels(300 * 300);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<Argb>(i * 2654435761u);
    WriteBytes(Path("picture.bmp"), WriteBmp(Bitmap::FromArgb(300, 300, pixels)));
    skin_.bgTop.SetBitmap(LoadBmpFile(Path("picture.bmp")));
    skin_.themeName = "Roma";
    expected_ = BuildSkinFile(skin_);
  }
  void TearDown() override { fs::remove_all(folder_); }

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

  fs::path folder_;
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

// A file is removed by the handler itself; a folder is held for its writer, which removes
// it between files and then lets the signal end the process.
TEST_F(SafeWriteTest, AnInterruptRemovesWhatIsStillTemporary) {
  using Kind = PendingTemporary::Kind;
  for (const auto& [kind, signal] : {std::pair{Kind::kFile, SIGTERM}, std::pair{Kind::kFolder, SIGINT}}) {
    const std::string path = Path("half.skn.~1.tmp");
    EXPECT_EXIT(
        {
          InstallInterruptCleanup();
          if (kind == Kind::kFile) WriteBytes(path, {1, 2, 3});
          if (kind == Kind::kFolder) fs::create_directory(path);
          const PendingTemporary pending(path, kind);
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
