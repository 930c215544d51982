#pragma once
// Every band and control of the editor window by its name. The widgets are owned by the
// window (as Qt children); this only points at them, for the wiring, the preview and tests.
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <array>

#include "preview/TGButton.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/controls/BevelPanel.h"
#include "widgets/controls/TColorBox.h"
#include "widgets/controls/TJvImageComboBox.h"
#include "widgets/controls/TListBox.h"
#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TXP_RadioBox.h"
#include "widgets/controls/TdfsColorButton.h"

namespace tessary::app {

using widgets::BevelPanel;

// The four sample rows, top to bottom.
enum class SampleRow { Normal, Hot, Down, Disabled };
inline constexpr int kSampleRowCount = 4;
inline constexpr int kSamplesPerRow = 11;

struct ControlPanel {
  // Bands, top to bottom.
  widgets::TTBDock* tbdTop = nullptr;  // the upper preview
  QWidget* tbdTopReserve = nullptr;    // room for the top dock's tallest theme
  QScrollArea* panelScroll = nullptr;  // scrolls the bands from pnlTop to pnlBottom
  BevelPanel* pnlTop = nullptr;        // background controls
  BevelPanel* pnlBig = nullptr;        // the large sample toolbar
  BevelPanel* pnlSmall = nullptr;      // the small sample toolbar
  QWidget* middle = nullptr;           // the note and pnlSysBtns
  QPlainTextEdit* mmNote = nullptr;
  BevelPanel* pnlSysBtns = nullptr;
  BevelPanel* pnlBottom = nullptr;        // file buttons
  QWidget* tbdBottomReserve = nullptr;    // room for the bottom dock's tallest theme
  BevelPanel* pnlBTM = nullptr;           // the lower preview ...
  widgets::TTBDock* tbdBottom = nullptr;  // ... its only content

  // pnlTop
  widgets::TXP_Button* btnTop = nullptr;
  widgets::TXP_RadioBox* rbTopTile = nullptr;
  widgets::TXP_RadioBox* rbStretch = nullptr;
  widgets::TXP_Button* btnBottom = nullptr;
  widgets::TXP_RadioBox* rbBottomTile = nullptr;
  widgets::TXP_RadioBox* rbBottomStretch = nullptr;

  // pnlBig, pnlSmall
  BevelPanel* Panel4 = nullptr;
  widgets::TTBXToolbar* TBXToolbar1 = nullptr;
  BevelPanel* Panel5 = nullptr;
  widgets::TTBXToolbar* TBXToolbar2 = nullptr;

  // pnlSysBtns
  BevelPanel* Panel6 = nullptr;
  QLabel* Label1 = nullptr;
  preview::TGButton* GButton45 = nullptr;
  QLabel* Label7 = nullptr;
  BevelPanel* Label8 = nullptr;  // the fuchsia swatch
  BevelPanel* pnlNormal = nullptr;
  BevelPanel* Panel2 = nullptr;
  BevelPanel* Panel1 = nullptr;
  BevelPanel* Panel3 = nullptr;
  QLabel* Label3 = nullptr;
  widgets::TJvImageComboBox* cbPages = nullptr;
  widgets::TXP_Button* XP_Button1 = nullptr;
  QLabel* Label4 = nullptr;
  widgets::TJvImageComboBox* cbOther = nullptr;
  widgets::TXP_Button* XP_Button2 = nullptr;
  QLabel* Label5 = nullptr;
  widgets::TColorBox* ColorBox = nullptr;
  QLabel* Label6 = nullptr;
  widgets::TdfsColorButton* dfsColorButton = nullptr;
  QLabel* Label2 = nullptr;
  widgets::TListBox* ListBox1 = nullptr;

  // pnlBottom
  widgets::TXP_Button* XP_Button3 = nullptr;
  widgets::TXP_Button* btnOpen = nullptr;
  widgets::TXP_Button* btnSave = nullptr;
  widgets::TXP_Button* btnUndo = nullptr;  // the edit history, right of "Save"
  widgets::TXP_Button* btnRedo = nullptr;
  widgets::TXP_Button* btnNew = nullptr;  // the start-up skin again, right of "Redo"

  // The samples of each row, left to right (slots 8, 7, 6, 5, 4, 10, 3, 9, 2, 1, 0).
  std::array<std::array<preview::TGButton*, kSamplesPerRow>, kSampleRowCount> samples{};

  BevelPanel* RowPanel(SampleRow row) const;
};

}  // namespace tessary::app
