#pragma once
// The real dialogs: Qt's file dialogs, message boxes and colour dialog, modal and owned by
// the editor window. Each file dialog keeps the file last chosen in it and offers it the
// next time it opens; with settings, a dialog opened for the first time in a session
// starts in the folder it last used, and the skin dialogs list the recent skins.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "editing/Dialogs.h"
#include "editing/FileCommands.h"

class QColorDialog;
class QFileDialog;
class QMessageBox;

namespace tessary::platform {

class EditorSettings;

class QtDialogs : public Dialogs {
 public:
  // Dialogs and boxes are owned by (centred on) `owner`, which may be null; `settings`
  // (may be null) keeps each dialog's folder between sessions.
  explicit QtDialogs(QWidget* owner = nullptr, EditorSettings* settings = nullptr);

  // The skins the Open and Import dialogs list (kept by the caller; may be null).
  void SetRecentFiles(const RecentFiles* recent) { recent_ = recent; }

  using Dialogs::ChooseFile;
  std::optional<std::string> ChooseFile(FileDialogId dialog, const std::string& startAt) override;
  void ShowErrorBox(const std::string& text) override;
  void ShowApplicationError(const std::string& text) override;
  std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) override;
  SaveChanges AskToSaveChanges() override;

  // The file last chosen in the dialog; empty before the first choice.
  QString LastFile(FileDialogId dialog) const;

 private:
  QPointer<QWidget> owner_;
  EditorSettings* settings_;
  const RecentFiles* recent_ = nullptr;
  std::array<QString, 5> lastFiles_;
};

// The dialogs as QtDialogs builds them, for inspection without showing them.
// A file dialog from its row, offering `lastFile` (when not empty), with the list of
// `recent` files (an open dialog of skins; files that are gone are left out).
std::unique_ptr<QFileDialog> MakeFileDialog(FileDialogId dialog, const QString& lastFile, QWidget* owner,
                                            const QStringList& recent = {});
// A message box of the kind with the text (shown as plain text, never as markup).
std::unique_ptr<QMessageBox> MakeMessageBox(MessageBoxKind kind, const QString& text, QWidget* owner);
// The colour dialog on `initial`; sets Qt's (process-wide) custom colours to `custom`.
std::unique_ptr<QColorDialog> MakeColourDialog(Colour initial, const CustomColours& custom, QWidget* owner);
// Qt's custom colours as colours.
CustomColours ReadCustomColours();

}  // namespace tessary::platform
