#pragma once
// Drives the real editor window headless: the scripted dialogs answer its questions, and
// clicks go to its controls as a user's would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "editing/ScriptedDialogs.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinFile.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::app::test {

using Bytes = std::vector<std::uint8_t>;
using Box = ScriptedDialogs::Box;

// Records the files the window asked an image editor to open.
struct RecordingImageEditor : ImageEditorLauncher {
  void Open(const std::string& path) override { opened.push_back(path); }
  std::vector<std::string> opened;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    StartApplication();
    // A folder of the test's own: its files, and the window's settings and cache folder.
    folder = std::filesystem::path(scratch.path().toStdString());
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    auto editor = std::make_unique<RecordingImageEditor>();
    imageEditor = editor.get();
    window = std::make_unique<TfrmMain>(WindowServices{std::move(scripted), std::move(editor),
                                                       scratch.filePath(QStringLiteral("settings.ini")),
                                                       scratch.filePath(QStringLiteral("cache")), true});
    window->show();
    QApplication::processEvents();
  }
  ~WindowTest() override {
    window.reset();
    // The theme and S are process-wide: the next window starts as a new program would.
    widgets::SwitchTheme(QStringLiteral("Default"));
    widgets::SetSkinTextColour(clBtnText);
  }

  const ControlPanel& c() const { return window->controls(); }
  Skin& skin() { return window->skin(); }

  std::string WriteFile(const std::string& name, const Bytes& bytes) const {
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  // A picture of one colour, as a .bmp file of its own: a file picked before is watched, and
  // writing over it would put the new picture into the place it went to.
  std::string PictureFile(int width, int height, Argb colour = 0xFF00A0FF) {
    const std::vector<Argb> pixels(static_cast<std::size_t>(width * height), colour);
    return WriteFile(std::to_string(width) + "x" + std::to_string(height) + "-" + std::to_string(++pictures) + ".bmp",
                     WriteBmp(Bitmap::FromArgb(width, height, pixels)));
  }
  int pictures = 0;

  // Saves through btnSave into `name` in the test's folder; the header written.
  SkinHeader SaveWithButton(const char* name) {
    const std::string path = (folder / name).string();
    dialogs->AnswerFile(path);
    Click(c().btnSave);
    return InspectSkinFile(ReadWholeFile(path), SkinFileFormat::kSkn).header;
  }

  // The item of a sample toolbar that edits `slot`.
  static const widgets::TTBCustomItem* ItemFor(const widgets::TTBXToolbar& bar, int slot) {
    for (const auto& item : bar.Items())
      if (item->GetCommand() != nullptr && item->GetCommand()->ImageIndex() == slot) return item.get();
    return nullptr;
  }

  // A left click in the middle of a widget, or at `pos`.
  static void Click(QWidget* widget, QPoint pos = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos.isNull() ? widget->rect().center() : pos);
    QApplication::processEvents();
  }
  // The user picks entry `index` of a drop-down list.
  template <typename Combo>
  static void Pick(Combo* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  QTemporaryDir scratch;
  ScriptedDialogs* dialogs = nullptr;
  RecordingImageEditor* imageEditor = nullptr;
  std::unique_ptr<TfrmMain> window;
  std::filesystem::path folder;
};

}  // namespace tessary::app::test
