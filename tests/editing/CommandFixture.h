#pragma once
// Drives the editing commands as the window does: the start-up skin, the scripted dialogs,
// every command inside the error handler, and a view that records what it was asked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editing/CommandRunner.h"
#include "editing/ControlPanelLists.h"
#include "editing/ScriptedDialogs.h"
#include "editing/SkinEditor.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinFile.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/StartupSkin.h"
#include "tests/support/PrivateFolder.h"

namespace tessary::test {

using Bytes = std::vector<std::uint8_t>;

inline constexpr const char* kTargetNames[] = {
    "tbtMDIControl", "pnlNormal",     "Panel2",       "Panel1",     "Panel3",       "GButton45", "cbPages",
    "cbOther",       "fpStatusText",  "fpConnection", "fpSecure",   "fpStopper",    "WBGauge",   "tbtMainMenu",
    "tbtButtons",    "tbtAddressBar", "tbtSearchBar", "lblAddress", "lblSearchBar", "frmMain"};

// Every call as one line ("repaint cbPages", "S clRed", "theme Xito"); the control states
// shown, with their ColorBox entries copied.
struct RecordingView : SkinView {
  struct Shown {
    ControlState state;
    std::vector<ColorBoxEntry> entries;
  };
  std::vector<std::string> log;
  std::vector<Shown> shown;

  static std::string Name(RepaintTarget target) { return kTargetNames[static_cast<int>(target)]; }
  void Repaint(RepaintTarget target) override { log.push_back("repaint " + Name(target)); }
  void SetFontColour(RepaintTarget target, Colour colour) override {
    log.push_back("font " + Name(target) + " " + ColourToText(colour));
  }
  void SetSkinTextColour(Colour colour) override { log.push_back("S " + ColourToText(colour)); }
  void SetGaugeColour(Colour colour) override { log.push_back("gauge " + ColourToText(colour)); }
  void SwitchTheme(const std::string& name) override {
    log.push_back("theme " + name);
    shownTheme = name;
  }
  std::string ShownTheme() const override { return shownTheme; }
  std::string shownTheme = "Default";
  void ShowControls(const ControlState& state) override {
    log.push_back("controls");
    shown.push_back({state, {state.colorBoxEntries.begin(), state.colorBoxEntries.end()}});
  }
};

class CommandTest : public ::testing::Test {
 protected:
  CommandTest() {
    LoadStartupSkin(skin);
    before = editor.OnBeforeChange([this](SkinParts parts) { partsBefore.push_back(parts); });
    after = editor.OnChanged([this](SkinParts parts) { partsAfter.push_back(parts); });
  }

  // Runs a command as the window does; true when no error escaped it.
  bool Run(const std::function<void()>& command) { return RunCommand(dialogs, command); }

  std::string WriteFile(const std::string& name, const Bytes& bytes) const {
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  static Bytes Text(const std::string& text) { return {text.begin(), text.end()}; }

  // A fuchsia picture with a white first and a blue second pixel.
  static Bitmap Picture(int width, int height) {
    std::vector<Argb> pixels(static_cast<std::size_t>(width * height), 0xFFFF00FF);
    pixels[0] = 0xFFFFFFFF;
    if (pixels.size() > 1) pixels[1] = 0xFF0000FF;  // a 1 x 1 picture has no second pixel
    return Bitmap::FromArgb(width, height, pixels);
  }
  std::string PictureFile(int width, int height) const {
    return WriteFile(std::to_string(width) + "x" + std::to_string(height) + ".bmp", WriteBmp(Picture(width, height)));
  }

  static Bytes ListBytes(const ImageList& list) {
    Bytes out;
    WriteComponent(out, list);
    return out;
  }
  // Everything a save would store: equal bytes mean an unchanged skin.
  Bytes SkinBytes() const { return BuildSkinFile(skin); }

  Skin skin;
  ScriptedDialogs dialogs;
  RecordingView view;
  SkinEditor editor{skin, dialogs, view};
  // A folder of the test's own, also against the same test run at the same time by
  // another build on this machine.
  const PrivateFolder ownFolder;
  const std::filesystem::path folder = ownFolder.Root();
  std::vector<SkinParts> partsBefore, partsAfter;
  Connection before, after;
};

}  // namespace tessary::test
