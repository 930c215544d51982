#pragma once
// The real dialogs: Qt's file dialogs, message boxes and colour dialog, modal and owned by
// the editor window. Each file dialog keeps the file last chosen in it and offers it the
// next time it opens.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "editing/Dialogs.h"

class QColorDialog;
class QFileDialog;
class QMessageBox;

namespace tessary::platform {

class QtDialogs : public Dialogs {
 public:
  // Dialogs and boxes are owned by (centred on) `owner`, which may be null.
  explicit QtDialogs(QWidget* owner = nullptr);

  std::optional<std::string> ChooseFile(FileDialogId dialog) override;
  void ShowErrorBox(const std::string& text) override;
  void ShowApplicationError(const std::string& text) override;
  std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) override;
  SaveChanges AskToSaveChanges() override;

  // The file last chosen in the dialog; empty before the first choice.
  QString LastFile(FileDialogId dialog) const;

 private:
  QPointer<QWidget> owner_;
  std::array<QString, 4> lastFiles_;
};

// The dialogs as QtDialogs builds them, for inspection without showing them.
// A file dialog from its row, offering `lastFile` (when not empty).
std::unique_ptr<QFileDialog> MakeFileDialog(FileDialogId dialog, const QString& lastFile, QWidget* owner);
// A message box of the kind with the text (shown as plain text, never as markup).
std::unique_ptr<QMessageBox> MakeMessageBox(MessageBoxKind kind, const QString& text, QWidget* owner);
// The colour dialog on `initial`; sets Qt's (process-wide) custom colours to `custom`.
std::unique_ptr<QColorDialog> MakeColourDialog(Colour initial, const CustomColours& custom, QWidget* owner);
// Qt's custom colours as colours.
CustomColours ReadCustomColours();

}  // namespace tessary::platform
