// tessary-skin thumbnail: the browser's top bars and status bar exactly as render draws them,
// scaled to the asked width, the same bytes every time; a file that does not open leaves
// no picture behind, so a file manager shows the plain icon.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <cstring>
#include <filesystem>

#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"
#include "tests/cli/ToolProcess.h"

namespace tessary::cli::test {
namespace {

QImage Picture(const ToolFolder& folder, const std::string& name) {
  return QImage(QString::fromStdString(folder.Path(name)));
}

bool SameRows(const QImage& a, int fromA, const QImage& b, int fromB, int count) {
  for (int y = 0; y < count; ++y) {
    if (std::memcmp(a.constScanLine(fromA + y), b.constScanLine(fromB + y),
                    static_cast<std::size_t>(a.bytesPerLine())) != 0)
      return false;
  }
  return true;
}

TEST(Thumbnail, IsTheTopBarsOverTheStatusBarAsRenderDrawsThem) {
  ToolFolder folder;
  Skin startup;
  LoadStartupSkin(startup);
  SaveSkinFile(folder.Path("start.skn"), startup);
  ASSERT_EQ(folder.Run({"render", "start.skn", "window.png"}).exitCode, 0);
  const ToolResult result = folder.Run({"thumbnail", "start.skn", "full.png", "--size", "1280"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");

  const QImage window = Picture(folder, "window.png").convertToFormat(QImage::Format_RGB32);
  const QImage full = Picture(folder, "full.png");
  EXPECT_FALSE(full.hasAlphaChannel());
  const QImage chrome = full.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(chrome.width(), window.width());
  ASSERT_GT(chrome.height(), 60);
  ASSERT_LT(chrome.height(), window.height() / 3);
  // The rows the thumbnail shares with the window's top, then the rest is the window's
  // bottom row, the status bar (above the dock's edge line): nothing else of the window.
  int top = 0;
  while (top < chrome.height() && SameRows(chrome, top, window, top, 1)) ++top;
  const int status = chrome.height() - top;
  EXPECT_GT(top, chrome.height() * 3 / 4) << "the menu bar, toolbars, address and search bars";
  EXPECT_GT(status, 10);
  bool found = false;
  for (int edge = 0; edge < 4 && !found; ++edge) {
    found = SameRows(chrome, top, window, window.height() - edge - status, status);
  }
  EXPECT_TRUE(found) << "the status bar";
}

TEST(Thumbnail, ScalesToTheAskedWidthTheSameWayEveryTime) {
  ToolFolder folder;
  Skin startup;
  LoadStartupSkin(startup);
  SaveSkinFile(folder.Path("start.skn"), startup);
  const struct {
    QStringList args;
    int width;
  } cases[] = {
      {{"thumbnail", "start.skn", "a.png"}, 256},
      {{"thumbnail", "start.skn", "b.png"}, 256},
      {{"thumbnail", "--size", "128", "start.skn", "c.png"}, 128},
      {{"thumbnail", "start.skn", "d.png", "--size", "1"}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
    const ToolResult result = folder.Run(c.args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage picture =
        QImage(QString::fromStdString(folder.Path(c.args[c.args.indexOf("start.skn") + 1].toStdString())));
    EXPECT_EQ(picture.width(), c.width);
    EXPECT_GE(picture.height(), 1);
    EXPECT_LE(picture.height(), std::max(1, c.width / 4)) << "a wide strip, as the bars are";
    EXPECT_FALSE(picture.hasAlphaChannel());
  }
  EXPECT_TRUE(folder.Read("a.png") == folder.Read("b.png")) << "the same file gives the same picture";
  // Not blank: the bars' icons, captions and frames in many colours, spread over the picture.
  const QImage small = Picture(folder, "a.png").convertToFormat(QImage::Format_RGB32);
  QSet<QRgb> colours;
  for (int y = 0; y < small.height(); ++y) {
    for (int x = 0; x < small.width(); ++x) colours.insert(small.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 200);
  EXPECT_EQ(small.height(), Picture(folder, "c.png").height() * 2);
}

TEST(Thumbnail, WritesNoPictureForAFileThatDoesNotOpen) {
  ToolFolder folder;
  folder.WriteText("broken.skn", "not a skin");
  Skin startup;
  LoadStartupSkin(startup);
  SaveSkinFile(folder.Path("ok.skn"), startup);
  std::vector<std::uint8_t> cut = folder.Read("ok.skn");
  cut.resize(cut.size() / 2);
  folder.Write("cut.skn", cut);
  const struct {
    QStringList args;
    int exitCode;
    std::string err;  // the start of what stderr says
  } cases[] = {
      {{"thumbnail", "broken.skn", "out.png"}, 1, "tessary-skin: broken.skn: "},
      {{"thumbnail", "cut.skn", "out.png"}, 1, "tessary-skin: cut.skn: "},
      {{"thumbnail", "missing.crs", "out.png"}, 1, "tessary-skin: missing.crs: Cannot open file missing.crs"},
      {{"thumbnail", "ok.skn", "out.png", "--size", "0"}, 2, "tessary-skin: thumbnail: bad size '0'"},
      {{"thumbnail", "ok.skn", "out.png", "--size", "4097"}, 2, "tessary-skin: thumbnail: bad size '4097'"},
      {{"thumbnail", "ok.skn", "out.png", "--size", "256x256"}, 2, "tessary-skin: thumbnail: bad size"},
      {{"thumbnail", "ok.skn", "out.png", "--size"}, 2, "tessary-skin: thumbnail: option '--size' needs a value"},
      {{"thumbnail", "ok.skn", "out.png", "--theme", "Roma"}, 2, "tessary-skin: thumbnail: unknown option '--theme'"},
      {{"thumbnail", "ok.skn"}, 2, "tessary-skin: thumbnail: expected FILE and OUT.png"},
      {{"thumbnail", "ok.skn", "ok.skn"}, 2, "tessary-skin: thumbnail: 'ok.skn' is FILE itself"},
  };
  const std::vector<std::uint8_t> skin = folder.Read("ok.skn");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
    const ToolResult result = folder.Run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.err.rfind(c.err, 0), 0u) << result.err;
    EXPECT_FALSE(folder.Exists("out.png"));
  }
  EXPECT_TRUE(folder.Read("ok.skn") == skin);
  // Nothing half-written is left beside the picture either.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path("."))) ++files;
  EXPECT_EQ(files, 3u);
}

}  // namespace
}  // namespace tessary::cli::test
