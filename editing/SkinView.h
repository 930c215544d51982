#pragma once
// What the editing commands ask of the window once the skin changed: repaint named
// controls that do not follow the skin by themselves, set the process-wide caption colour
// S, the gauge's bar colour and the theme, and make the control panel show the skin.
// The window implements it by mapping each name to its widget; tests record the calls.
#include <span>
#include <string>

#include "skin/Colour.h"

namespace tessary {

// Controls a command names for a repaint (or a font colour). Image lists notify the bars
// and menus that show them, and backgrounds tell their docks; these are the controls that
// do not follow the skin and must be asked.
enum class RepaintTarget {
  tbtMDIControl,  // the preview's eleven window-control buttons
  pnlNormal,      // the sample row "  Normal:" (ilImages)
  Panel2,         // the sample row "  Hot:" (ilHot)
  Panel1,         // the sample row "  Down:" (ilDown)
  Panel3,         // the sample row "  Disabled:" (ilDisable)
  GButton45,      // the "Example:" sample (slot 8 of ilDisable)
  cbPages,        // the tab-image combo box (ilPage)
  cbOther,        // the other-image combo box (ilMain)
  fpStatusText,   // the status-bar widgets, transparent over bgBottom ...
  fpConnection,
  fpSecure,
  fpStopper,
  WBGauge,      // ... and the progress gauge
  tbtMainMenu,  // the four bars whose captions show S
  tbtButtons,
  tbtAddressBar,
  tbtSearchBar,
  lblAddress,  // labels whose font colour is S (with fpStopper)
  lblSearchBar,
  frmMain,  // the whole window, every control of the preview and the panel
};

// One entry of the caption-colour list ColorBox: its text and colour.
struct ColorBoxEntry {
  std::string text;
  Colour colour;
  bool operator==(const ColorBoxEntry&) const = default;
};

// What the control panel shows of the skin. Applying it must not run the controls'
// commands again (or, where it does, they find nothing to change).
struct ControlState {
  bool topStretch = false;     // rbStretch checked, else rbTopTile
  bool bottomStretch = false;  // rbBottomStretch checked, else rbBottomTile
  // ColorBox's entries in order: the window makes its list hold these (a colour a skin
  // file brought is added at the end, and leaves when that Open is undone), then selects.
  std::span<const ColorBoxEntry> colorBoxEntries;
  int colorBoxIndex = 0;
  Colour buttonColour = 0;  // dfsColorButton's colour
  int themeIndex = -1;      // ListBox1 entry to select; -1 leaves the selection alone
  bool operator==(const ControlState& other) const;
};

class SkinView {
 public:
  virtual ~SkinView() = default;

  // Repaints the named control (and its children).
  virtual void Repaint(RepaintTarget target) = 0;

  // Sets the font colour of lblAddress, lblSearchBar or fpStopper (each redraws itself).
  virtual void SetFontColour(RepaintTarget target, Colour colour) = 0;

  // Sets S, the process-wide caption colour every theme's caption painter reads. Sends
  // no notice: the command repaints what shows it.
  virtual void SetSkinTextColour(Colour colour) = 0;

  // Sets WBGauge's bar colour (the gauge redraws itself).
  virtual void SetGaugeColour(Colour colour) = 0;

  // Switches the preview's theme through TBXSwitcher; a name that is not registered
  // changes nothing.
  virtual void SwitchTheme(const std::string& name) = 0;
  // The theme the preview shows (at start-up not the one ListBox1 selects).
  virtual std::string ShownTheme() const = 0;

  // Makes the radio boxes, ColorBox, dfsColorButton and ListBox1 show `state`.
  virtual void ShowControls(const ControlState& state) = 0;
};

}  // namespace tessary
