#include "app/TfrmMain.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>

#include "app/ControlPanelContents.h"
#include "app/ControlPanelLayout.h"
#include "app/ControlPanelWiring.h"
#include "app/FileDrop.h"
#include "app/FileKinds.h"
#include "app/UndoRedo.h"
#include "editing/CommandRunner.h"
#include "platform/PictureDecoder.h"
#include "platform/QtDialogs.h"
#include "preview/TFlatGauge.h"
#include "skinfile/StartupSkin.h"

namespace tessary::app {
namespace {

// The restored bounds: the frame's top-left corner and the client area.
constexpr QPoint kRestoredPosition{192, 108};
constexpr QSize kRestoredClientSize{812, 614};

// The stored theme name: no registered theme has it, so setting it changes nothing and
// the preview starts in "Default".
constexpr const char* kStoredThemeName = "Nexos";

constexpr const char* kCaption = "Tessary 2.0";

}  // namespace

TfrmMain::TfrmMain(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<platform::QtDialogs>(this)) {
  LoadStartupSkin(skin_);
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kCaption));
  move(kRestoredPosition);
  resize(kRestoredClientSize);
  TBXSwitcher_.SetTheme(QString::fromLatin1(kStoredThemeName));

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("client"));
  setCentralWidget(central);
  BuildControlPanel(*central, panel_);
  FillControlPanel(panel_, skin_, vocabulary_, editor_.ColorBoxEntries());
  editor_.SetPictureDecoder(platform::DecodePicture);
  WireControlPanel(panel_, editor_, *dialogs_, vocabulary_, view_);
  undoRedoWatch_ = WireUndoRedo(panel_, history_, *dialogs_, *this);
  historyWatch_ = history_.OnStateChanged([this] { ShowCaption(); });
  view_.showControls = [this](const ControlState& state) { ShowControlState(panel_, state); };
  AttachPreview();
  SetKeyboardOrder(panel_);
  dispatcher_ = std::make_unique<preview::ShortcutDispatcher>(vocabulary_, this);
  drop_ = new FileDrop(*this, panel_, editor_, *dialogs_, vocabulary_);
  FormCreate();
}

TfrmMain::~TfrmMain() {
  // The dispatcher, the drop handler and the controls refer to the vocabulary and the
  // skin: they go first.
  dispatcher_.reset();
  delete drop_;
  delete takeCentralWidget();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Unsaved changes are not lost without a question: Save (and close once it went
  // through), Discard, or Cancel (the window stays).
  bool close = !Modified();
  if (!close) {
    switch (dialogs_->AskToSaveChanges()) {
      case SaveChanges::kSave: RunCommand(*dialogs_, [this, &close] { close = editor_.Save(); }); break;
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
