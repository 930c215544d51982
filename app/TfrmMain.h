#pragma once
// The editor window: owns the skin, the theme switcher, the command vocabulary, the
// mock-up's docks and the control panel through which the user edits the skin. Everything
// is created with the window and freed with it.
#include <QMainWindow>
#include <memory>

#include "app/ControlPanel.h"
#include "app/WidgetSkinView.h"
#include "editing/Dialogs.h"
#include "editing/EditHistory.h"
#include "editing/SkinEditor.h"
#include "preview/BrowserChromeBottom.h"
#include "preview/BrowserChromeTop.h"
#include "preview/CommandVocabulary.h"
#include "preview/ShortcutDispatcher.h"
#include "skin/Skin.h"
#include "widgets/TTBXSwitcher.h"

namespace tessary::app {

class FileDrop;

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // The window with the platform's dialogs, or with `dialogs` (tests: scripted ones).
  explicit TfrmMain(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TfrmMain() override;

  Skin& skin() { return skin_; }
  SkinEditor& editor() { return editor_; }
  EditHistory& history() { return history_; }
  const ControlPanel& controls() const { return panel_; }
  preview::CommandVocabulary& vocabulary() { return vocabulary_; }
  widgets::TTBXSwitcher& switcher() { return TBXSwitcher_; }
  // The browser mock-up on the two docks.
  const preview::BrowserChromeTop& chromeTop() const { return top_; }
  const preview::BrowserChromeBottom& chromeBottom() const { return bottom_; }
  const FileDrop& fileDrop() const { return *drop_; }
  // The skin changed since it was last saved or opened (the window asks before closing,
  // and its caption carries a mark).
  bool Modified() const { return history_.Modified(); }

  // Opens the file named on the command line: a .skn as Open does, a .crs as Import Old
  // Skins does; any other file, or one that does not open, shows why in the error box.
  // What was opened starts the edit history. True when it opened.
  bool OpenAtStartup(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Hands the docks to the browser mock-up and binds what the commands repaint there.
  void AttachPreview();
  // Runs once the layout stands: places the window-control bar, shows the top dock, gives
  // the colour button the gauge's colour as its other colour, makes the panel show the skin.
  void FormCreate();
  // "Tessary 2.0", then " - " and the name of the file last saved or opened (as undone
  // and redone Opens leave it), then " *" while the skin differs from it.
  void ShowCaption();

  Skin skin_;
  std::unique_ptr<Dialogs> dialogs_;
  widgets::TTBXSwitcher TBXSwitcher_;
  WidgetSkinView view_{TBXSwitcher_};
  SkinEditor editor_{skin_, *dialogs_, view_};
  EditHistory history_{editor_};
  preview::CommandVocabulary vocabulary_{skin_};
  ControlPanel panel_;
  preview::BrowserChromeTop top_;
  preview::BrowserChromeBottom bottom_;
  std::unique_ptr<preview::ShortcutDispatcher> dispatcher_;
  FileDrop* drop_ = nullptr;  // a child of the window
  Connection historyWatch_, undoRedoWatch_;
};

}  // namespace tessary::app
