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
#include "editing/FileCommands.h"
#include "editing/LiveLinks.h"
#include "editing/PictureActions.h"
#include "editing/SkinEditor.h"
#include "platform/EditorSettings.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileWatcher.h"
#include "preview/BrowserChromeBottom.h"
#include "preview/BrowserChromeTop.h"
#include "preview/CommandVocabulary.h"
#include "preview/ShortcutDispatcher.h"
#include "skin/Skin.h"
#include "widgets/TTBXSwitcher.h"

namespace tessary::app {

class FileCommandsWiring;
class FileDrop;
class LinkMarks;
class PictureMenus;

// What the window uses of the platform; each left empty is the real one.
struct WindowServices {
  std::unique_ptr<Dialogs> dialogs;                  // tests: scripted ones
  std::unique_ptr<ImageEditorLauncher> imageEditor;  // the settings' command, or the desktop's default
  QString settingsFile;                              // the user's settings file
  QString cacheFolder;                               // the user's cache folder (working files of "Edit Externally")
  // Whether the skins opened and saved go into the settings' recent skins: the program's
  // window does; a window drawn into a picture (tessary-skin render) leaves them alone.
  bool remembersSkins = false;
};

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // The window with the platform's dialogs, or with `dialogs` (tests: scripted ones).
  explicit TfrmMain(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
  explicit TfrmMain(WindowServices services, QWidget* parent = nullptr);
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
  LiveLinks& links() { return *links_; }
  PictureActions& pictureActions() { return *pictureActions_; }
  PictureMenus& pictureMenus() { return *menus_; }
  const LinkMarks& linkMarks() const { return *marks_; }
  const platform::QtFileWatcher& fileWatcher() const { return *watcher_; }
  const RecentFiles& recentFiles() const { return recent_; }
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

  // The picture services, the live link and the per-place actions.
  void AttachPictureServices(WindowServices& services);

  Skin skin_;
  std::unique_ptr<platform::EditorSettings> settings_;
  std::unique_ptr<Dialogs> dialogs_;
  widgets::TTBXSwitcher TBXSwitcher_;
  WidgetSkinView view_{TBXSwitcher_};
  SkinEditor editor_{skin_, *dialogs_, view_};
  EditHistory history_{editor_};
  RecentFiles recent_;
  platform::QtClipboard clipboard_;
  std::unique_ptr<ImageEditorLauncher> imageEditor_;
  std::unique_ptr<platform::QtFileWatcher> watcher_;
  std::unique_ptr<LiveLinks> links_;
  std::unique_ptr<PictureActions> pictureActions_;
  preview::CommandVocabulary vocabulary_{skin_};
  ControlPanel panel_;
  preview::BrowserChromeTop top_;
  preview::BrowserChromeBottom bottom_;
  std::unique_ptr<preview::ShortcutDispatcher> dispatcher_;
  FileDrop* drop_ = nullptr;  // children of the window
  PictureMenus* menus_ = nullptr;
  FileCommandsWiring* fileCommands_ = nullptr;
  LinkMarks* marks_ = nullptr;
  Connection historyWatch_, undoRedoWatch_, recentWatch_;
};

}  // namespace tessary::app
