// tessary-skin render: the picture it saves is, pixel for pixel, what the editor window
// shows of the same file at the same size and theme (drawn here in this process with the
// window's own Open and Import); and its errors: a file that does not open gives the
// editor's message and no picture, a theme or size it cannot use is a usage error.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "editing/ScriptedDialogs.h"
#include "skin/Skin.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"
#include "tests/cli/SkinSamples.h"
#include "tests/cli/ToolProcess.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::cli::test {
namespace {

// The window as the editor started with `path` (`tessary FILE`) shows it: the file opened
// (or imported) and nothing to undo.
QImage WindowShowing(const std::string& path, const QString& theme, QSize size) {
  app::StartApplication();
  // The caption colour is the process's, as a fresh program starts with it.
  widgets::SetSkinTextColour(clBtnText);
  app::TfrmMain window(std::make_unique<ScriptedDialogs>());
  window.resize(size);
  window.show();
  window.activateWindow();
  QApplication::processEvents();
  EXPECT_TRUE(window.OpenAtStartup(QString::fromStdString(path)));
  if (!theme.isEmpty()) {
    // Picked in the theme list as the user picks it: the list and the preview show it.
    widgets::TListBox& list = *window.controls().ListBox1;
    const QList<QListWidgetItem*> entries = list.findItems(theme, Qt::MatchFixedString);
    EXPECT_EQ(entries.size(), 1);
    list.SetItemIndex(list.row(entries.value(0)));
    emit list.Click();
    window.history().Clear();
  }
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A skin unlike the start-up one: a stretched bottom picture, a tiled top one, another
// theme and caption colour, another progress colour.
Skin ChangedSkin() {
  Skin skin;
  LoadStartupSkin(skin);
  std::vector<Argb> pixels(300 * 30);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | static_cast<Argb>(i * 2654435761u >> 8);
  skin.bgTop.SetBitmap(Bitmap::FromArgb(300, 30, pixels));
  skin.bgBottom.SetBitmap(Bitmap::FromArgb(300, 30, pixels));
  skin.bgBottom.SetStretchBitmap(true);
  skin.themeName = "Xito";
  skin.textColour = clRed;
  skin.gaugeColour = 0x0000A000;
  return skin;
}

TEST(Render, SavesWhatTheWindowShowsOfTheFileAtThatSize) {
  ToolFolder folder;
  Skin startup;
  LoadStartupSkin(startup);
  SaveSkinFile(folder.Path("startup.skn"), startup);
  SaveSkinFile(folder.Path("changed.skn"), ChangedSkin());
  folder.Write("changed.crs", OldSkinFileFrom(folder.Read("changed.skn")));
  const struct {
    const char* what;
    QStringList args;
    const char* file;
    QString theme;
    QSize size;
  } cases[] = {
      {"the start-up skin at the default size", {"render", "startup.skn", "a.png"}, "startup.skn", {}, {1280, 1024}},
      {"a skin in its own theme, smaller",
       {"render", "changed.skn", "b.png", "--size", "1024x700"},
       "changed.skn",
       {},
       {1024, 700}},
      {"a skin in another theme",
       {"render", "--theme", "nexos4", "changed.skn", "c.png", "--size", "900x640"},
       "changed.skn",
       QStringLiteral("nexos4"),
       {900, 640}},
      {"an old skin file, imported",
       {"render", "changed.crs", "d.png", "--theme", "Roma"},
       "changed.crs",
       QStringLiteral("Roma"),
       {1280, 1024}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ToolResult result = folder.Run(c.args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");
    const QString out = c.args[c.args.indexOf(QString::fromLatin1(c.file)) + 1];
    const QImage saved =
        QImage(QString::fromStdString(folder.Path(out.toStdString()))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), c.size);
    const QImage shown = WindowShowing(folder.Path(c.file), c.theme, c.size);
    EXPECT_TRUE(saved == shown) << "the rendered picture differs from the window";
  }

  // A desktop scaled to 2 changes nothing: the picture has the pixels asked for.
  qputenv("QT_SCALE_FACTOR", "2");
  const ToolResult scaled = folder.Run({"render", "startup.skn", "e.png", "--size", "900x640"});
  qunsetenv("QT_SCALE_FACTOR");
  ASSERT_EQ(scaled.exitCode, 0) << scaled.err;
  const QImage saved = QImage(QString::fromStdString(folder.Path("e.png"))).convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(saved == WindowShowing(folder.Path("startup.skn"), {}, {900, 640}));
}

TEST(Render, RefusesWhatItCannotDrawWithoutWritingAPicture) {
  ToolFolder folder;
  Skin startup;
  LoadStartupSkin(startup);
  SaveSkinFile(folder.Path("ok.skn"), startup);
  folder.WriteText("broken.skn", "not a skin");
  const struct {
    QStringList args;
    int exitCode;
    std::string err;  // the start of what stderr says
  } cases[] = {
      {{"render", "missing.skn", "out.png"},
       1,
       "tessary-skin: missing.skn: Cannot open file missing.skn: No such file or directory\n"},
      {{"render", "broken.skn", "out.png"}, 1, "tessary-skin: broken.skn: "},
      {{"render", "ok.skn", "out.png", "--theme", "Nexos"}, 2, "tessary-skin: render: unknown theme 'Nexos'"},
      {{"render", "ok.skn", "out.png", "--size", "0x100"}, 2, "tessary-skin: render: bad size '0x100'"},
      {{"render", "ok.skn", "out.png", "--size", "-5x100"}, 2, "tessary-skin: render: bad size '-5x100'"},
      {{"render", "ok.skn", "out.png", "--size", "1280"}, 2, "tessary-skin: render: bad size '1280'"},
      {{"render", "ok.skn", "out.png", "--size", "1280x1024x2"}, 2, "tessary-skin: render: bad size"},
      {{"render", "ok.skn", "out.png", "--size", "100000x100000"}, 2, "tessary-skin: render: bad size"},
      {{"render", "ok.skn", "out.png", "--size", "200x100"},
       2,
       "tessary-skin: render: bad size '200x100' (the window is at least "},
      {{"render", "ok.skn", "out.png", "--size"}, 2, "tessary-skin: render: option '--size' needs a value"},
      {{"render", "ok.skn", "out.png", "--scale", "2"}, 2, "tessary-skin: render: unknown option '--scale'"},
      {{"render", "ok.skn"}, 2, "tessary-skin: render: expected FILE and OUT.png\nUsage: tessary-skin render "},
      {{"render", "ok.skn", "./ok.skn"}, 2, "tessary-skin: render: './ok.skn' is FILE itself"},
      {{"render", "ok.skn", "folder"}, 1, "tessary-skin: folder: Cannot create file folder: Is a directory\n"},
  };
  const std::vector<std::uint8_t> skin = folder.Read("ok.skn");
  std::filesystem::create_directory(folder.Path("folder"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
    const ToolResult result = folder.Run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.err.rfind(c.err, 0), 0u) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(folder.Exists("out.png"));
  }
  EXPECT_TRUE(folder.Read("ok.skn") == skin);
}

}  // namespace
}  // namespace tessary::cli::test
