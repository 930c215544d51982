#pragma once
// Saving and starting anew from the window: "Save" (its dialog starts on the skin's file,
// and its tooltip "Save to FILE" names it), "New" (asks first when there are unsaved
// changes), and Ctrl+S, which saves to the skin's file without a dialog (the Save dialog
// when it has none). The window takes Ctrl+S before the mock-up's shortcut dispatcher,
// whose "Save..." command does nothing, and whatever control has the focus: a skin
// author's Ctrl+S must save the work. Every command runs inside the error handler.
#include <QObject>

#include "app/ControlPanel.h"
#include "editing/Dialogs.h"
#include "editing/EditHistory.h"
#include "editing/SkinEditor.h"
#include "skin/Signal.h"

namespace tessary::app {

inline constexpr const char* kSaveToolTip = "Save to %1";

class FileCommandsWiring : public QObject {
  Q_OBJECT

 public:
  // Wires the buttons; installs the Ctrl+S filter on the application (after the shortcut
  // dispatcher, so that it is asked first).
  FileCommandsWiring(QWidget& window, const ControlPanel& panel, SkinEditor& editor, EditHistory& history,
                     Dialogs& dialogs);
  ~FileCommandsWiring() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowSaveTarget();

  QWidget& window_;
  const ControlPanel& panel_;
  SkinEditor& editor_;
  EditHistory& history_;
  Dialogs& dialogs_;
  Connection historyWatch_;
};

}  // namespace tessary::app
