// Save, Open and Import on disk: a save replaces the target only with a complete file and
// leaves no temporary file behind, whatever fails; unreadable paths are reported by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>

#include <csignal>
#endif

#include "skin/Error.h"
#include "skin/Skin.h"
#include "skinfile/SkinFile.h"
#include "skinfile/TemporaryFiles.h"
#include "tests/support/PrivateFolder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SkinFileDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_.bgTop.SetBitmap(Bitmap::FromArgb(2, 2, std::vector<Argb>(4, 0xFF112233)));
    skin_.themeName = "Nexos4";
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // The names in the folder: a failed or finished save must leave no temporary file.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  static void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }

  template <typename Action>
  static std::string ErrorOf(Action action) {
    try {
      action();
    } catch (const SkinError& error) {
      return error.what();
    }
    return "(no error)";
  }

  test::PrivateFolder private_;
  fs::path folder_ = private_.Root();
  Skin skin_;
};

TEST_F(SkinFileDiskTest, SaveOpenAndImportThroughFiles) {
  const std::string path = PathOf("my.skn");
  WriteFile(path, "an older file that is replaced");
  SaveSkinFile(path, skin_);
  EXPECT_EQ(ReadWholeFile(path), BuildSkinFile(skin_));
  EXPECT_EQ(Entries(), std::vector<std::string>{"my.skn"});

  Skin opened;
  OpenSkinFile(path, opened);
  EXPECT_EQ(opened.themeName, "Nexos4");
  EXPECT_EQ(opened.bgTop.GetBitmap().Width(), 2);

  // An old skin file: the two stretch bytes and the records of a skin file up to ilMain's.
  const Bytes skn = BuildSkinFile(skin_);
  const SkinFileInfo info = InspectSkinFile(skn, SkinFileFormat::kSkn);
  std::string crs = {static_cast<char>(1), static_cast<char>(0)};
  crs.append(skn.begin() + 204, skn.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
  WriteFile(PathOf("old.crs"), crs);
  Skin imported;
  ImportOldSkinFile(PathOf("old.crs"), imported);
  EXPECT_TRUE(imported.bgTop.StretchBitmap());
  EXPECT_EQ(imported.bgTop.GetBitmap().Width(), 2);
  EXPECT_EQ(imported.themeName, kDefaultThemeName);
}

TEST_F(SkinFileDiskTest, SaveThatCannotCreateLeavesEverythingAlone) {
  const std::string missing = PathOf("no-such-folder/x.skn");
  EXPECT_EQ(ErrorOf([&] { SaveSkinFile(missing, skin_); }), "Cannot create file " + missing);

  fs::create_directory(folder_ / "taken.skn");
  const std::string folderPath = PathOf("taken.skn");
  EXPECT_EQ(ErrorOf([&] { SaveSkinFile(folderPath, skin_); }), "Cannot create file " + folderPath);
  EXPECT_TRUE(fs::is_directory(folderPath));
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken.skn"});
}

#if defined(__unix__) || defined(__APPLE__)
TEST_F(SkinFileDiskTest, SaveThatFailsWhileWritingKeepsTheOldFile) {
  const std::string path = PathOf("kept.skn");
  WriteFile(path, "the user's earlier skin");
  // A file size limit below the skin's size (ulimit -f) makes the write fail like a full
  // disk: the programs' set-up keeps the system's signal for it from ending them first.
  EXPECT_EXIT(
      {
        std::signal(SIGXFSZ, SIG_DFL);
        InstallInterruptCleanup();
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        try {
          SaveSkinFile(path, skin_);
        } catch (const SkinError& error) {
          std::exit(error.what() == std::string("Stream write error") && error.Reason() == "File too large" ? 0 : 1);
        }
        std::exit(1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(Entries(), std::vector<std::string>{"kept.skn"});
  const Bytes kept = ReadWholeFile(path);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "the user's earlier skin");
}
#endif

TEST_F(SkinFileDiskTest, OpenReportsPathsItCannotRead) {
  Skin skin;
  const std::string missing = PathOf("missing.skn");
  EXPECT_EQ(ErrorOf([&] { OpenSkinFile(missing, skin); }), "Cannot open file " + missing);
  EXPECT_EQ(ErrorOf([&] { ImportOldSkinFile(folder_.string(), skin); }), "Cannot open file " + folder_.string());
  WriteFile(PathOf("short.skn"), std::string(10, '\0'));
  EXPECT_EQ(ErrorOf([&] { OpenSkinFile(PathOf("short.skn"), skin); }), "Stream read error");
  EXPECT_EQ(skin.themeName, kDefaultThemeName);
}

}  // namespace
}  // namespace tessary
