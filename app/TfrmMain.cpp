#include "app/TfrmMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

#include "app/ControlPanelContents.h"
#include "app/ControlPanelLayout.h"
#include "app/ControlPanelWiring.h"
#include "app/DockReserve.h"
#include "app/FileCommandsWiring.h"
#include "app/FileDrop.h"
#include "app/FileKinds.h"
#include "app/LinkMarks.h"
#include "app/PictureMenus.h"
#include "app/UndoRedo.h"
#include "editing/CommandRunner.h"
#include "platform/ExternalImageEditor.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureEncoder.h"
#include "platform/QtDialogs.h"
#include "preview/TFlatGauge.h"
#include "skinfile/StartupSkin.h"

namespace tessary::app {
namespace {

// The restored bounds: the frame's top-left corner and the client area.
constexpr QPoint kRestoredPosition{192, 108};
constexpr QSize kRestoredClientSize{812, 614};
// The least the window can be made: both previews and a part of the control panel, which
// scrolls to show the rest. Small enough for a maximised window at scale 2 on a 1920 x 1080
// screen (960 x 540 less the frame and the desktop's panels).
constexpr QSize kMinimumClientSize{560, 400};

// The stored theme name: no registered theme has it, so setting it changes nothing and
// the preview starts in "Default".
constexpr const char* kStoredThemeName = "Nexos";

// The program's name and version (the project's, from CMake).
constexpr const char* kCaption = "Tessary " TESSARY_VERSION;

// The working files of "Edit Externally", a folder per skin, under the user's cache folder.
constexpr const char* kWorkingFilesFolder = "linked";

}  // namespace

TfrmMain::TfrmMain(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : TfrmMain(WindowServices{std::move(dialogs), nullptr, {}, {}, false}, parent) {}

TfrmMain::TfrmMain(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      settings_(std::make_unique<platform::EditorSettings>(services.settingsFile)),
      dialogs_(services.dialogs ? std::move(services.dialogs)
                                : std::make_unique<platform::QtDialogs>(this, settings_.get())) {
  LoadStartupSkin(skin_);
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kCaption));
  move(kRestoredPosition);
  resize(kRestoredClientSize);
  setMinimumSize(kMinimumClientSize);
  TBXSwitcher_.SetTheme(QString::fromLatin1(kStoredThemeName));

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("client"));
  setCentralWidget(central);
  BuildControlPanel(*central, panel_);
  FillControlPanel(panel_, skin_, vocabulary_, editor_.ColorBoxEntries());
  editor_.SetPictureDecoder(platform::DecodePicture);
  editor_.SetPictureEncoder(platform::EncodePng);
  AttachPictureServices(services);
  WireControlPanel(panel_, editor_, *dialogs_, vocabulary_, view_);
  undoRedoWatch_ = WireUndoRedo(panel_, history_, *dialogs_, *this);
  historyWatch_ = history_.OnStateChanged([this] { ShowCaption(); });
  view_.showControls = [this](const ControlState& state) { ShowControlState(panel_, state); };
  AttachPreview();
  new DockReserve(*panel_.tbdTop, *panel_.tbdTopReserve);
  new DockReserve(*panel_.tbdBottom, *panel_.tbdBottomReserve);
  SetKeyboardOrder(panel_, top_.cbSearchBar);
  dispatcher_ = std::make_unique<preview::ShortcutDispatcher>(vocabulary_, this);
  drop_ = new FileDrop(*this, panel_, editor_, *dialogs_, vocabulary_);
  // Asked before the dispatcher (installed after it): the editor's own keys come first.
  fileCommands_ = new FileCommandsWiring(*this, panel_, editor_, history_, *dialogs_);
  menus_ = new PictureMenus(*this, panel_, vocabulary_, *pictureActions_, *dialogs_);
  marks_ = new LinkMarks(panel_, vocabulary_, *links_);
  FormCreate();
}

TfrmMain::~TfrmMain() {
  // The dispatcher, the drop handler, the menus and the controls refer to the vocabulary,
  // the skin and the live links: they go first.
  dispatcher_.reset();
  delete menus_;
  delete fileCommands_;
  delete marks_;
  delete drop_;
  delete takeCentralWidget();
}

void TfrmMain::AttachPictureServices(WindowServices& services) {
  recent_ = RecentFiles([this] {
    std::vector<std::string> files;
    for (const QString& file : settings_->RecentSkins()) files.push_back(file.toStdString());
    return files;
  }());
  recentWatch_ =
      editor_.OnSavedOrOpened([this, remember = services.remembersSkins](const std::string& path, FileEvent) {
        if (path.empty()) return;
        recent_.Add(path);
        if (!remember) return;
        QStringList files;
        for (const std::string& file : recent_.Files()) files << QString::fromStdString(file);
        settings_->SetRecentSkins(files);
      });
  if (auto* qtDialogs = dynamic_cast<platform::QtDialogs*>(dialogs_.get())) qtDialogs->SetRecentFiles(&recent_);

  imageEditor_ = services.imageEditor ? std::move(services.imageEditor)
                                      : std::make_unique<platform::ExternalImageEditor>(*settings_);
  watcher_ = std::make_unique<platform::QtFileWatcher>([this](const std::string& path, bool lastTry) {
    // A save of a watched file is a command of its own: its errors show, and the window goes on.
    LiveLinks::Outcome outcome = LiveLinks::Outcome::kRefused;
    RunCommand(*dialogs_, [&] { outcome = links_->FileChanged(path, lastTry); });
    return outcome == LiveLinks::Outcome::kTryLater;
  });
  QString cache = services.cacheFolder;
  if (cache.isEmpty()) cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  links_ = std::make_unique<LiveLinks>(editor_, *watcher_, *imageEditor_,
                                       QDir(cache).filePath(QString::fromLatin1(kWorkingFilesFolder)).toStdString());
  pictureActions_ = std::make_unique<PictureActions>(editor_, *dialogs_, clipboard_, *links_);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Unsaved changes are not lost without a question: Save (and close once it went
  // through), Discard, or Cancel (the window stays).
  bool close = !Modified();
  if (!close) {
    switch (dialogs_->AskToSaveChanges()) {
      case SaveChanges::kSave: RunCommand(*dialogs_, [this, &close] { close = QuickSave(editor_, history_); }); break;
      case SaveChanges::kDiscard: close = true; break;
      case SaveChanges::kCancel: break;
    }
  }
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TfrmMain::OpenAtStartup(const QString& path) {
  const bool opened = RunCommand(*dialogs_, [&] { OpenSkinFile(editor_, path); });
  // Undo goes back no further than the file the program was started with.
  if (opened) history_.Clear();
  return opened;
}

void TfrmMain::ShowCaption() {
  QString caption = QString::fromLatin1(kCaption);
  const QString fileName = QFileInfo(QString::fromStdString(history_.File())).fileName();
  if (!fileName.isEmpty()) caption += QStringLiteral(" - ") + fileName;
  if (Modified()) caption += QStringLiteral(" *");
  setWindowTitle(caption);
}

void TfrmMain::FormCreate() {
  // The second bar of the top dock (the window-control tool window) goes to the right end
  // of its row at any screen width; the bar before it takes the rest of the row.
  widgets::TTBDock& top = *panel_.tbdTop;
  if (top.Bars().size() >= 2) {
    widgets::TTBCustomDockableWindow* bar = top.Bars()[1];
    const QScreen* display = screen();
    bar->DockTo(&top, bar->DockRow(), display != nullptr ? display->geometry().width() : width());
    top.ArrangeBars();
  }
  top.show();
  // The colour button's other colour is the gauge's bar colour.
  panel_.dfsColorButton->SetOtherColor(bottom_.WBGauge->BarColor());
  // The radio boxes, ColorBox, the colour button and ListBox1 ("MonaiXP", not applied).
  ShowControlState(panel_, editor_.Controls());
}

}  // namespace tessary::app
