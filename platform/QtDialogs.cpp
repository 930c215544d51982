#include "platform/QtDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "platform/EditorSettings.h"
#include "platform/FileDialogSpecs.h"
#include "platform/PictureDecoder.h"
#include "platform/RecentFilesPanel.h"

namespace tessary::platform {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor ToQColor(Colour colour) { return QColor::fromRgb(ColourToArgb(colour)); }

Colour FromQColor(const QColor& colour) { return ArgbToColour(colour.rgb()); }

struct MessageBoxLook {
  const char* caption;
  QMessageBox::Icon icon;
};

// Qt numbers its custom colours column by column (two rows); ours go row by row.
constexpr std::size_t kCustomColumns = kCustomColourCount / 2;
int QtCustomIndex(std::size_t index) { return static_cast<int>((index % kCustomColumns) * 2 + index / kCustomColumns); }

constexpr MessageBoxLook LookOf(MessageBoxKind kind) {
  return kind == MessageBoxKind::kError ? MessageBoxLook{kErrorCaption, QMessageBox::NoIcon}
                                        : MessageBoxLook{kApplicationTitle, QMessageBox::Critical};
}

void Show(MessageBoxKind kind, const std::string& text, QWidget* owner) {
  MakeMessageBox(kind, FromUtf8(text), owner)->exec();
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(FileDialogId dialog, const QString& lastFile, QWidget* owner,
                                            const QStringList& recent) {
  const FileDialogSpec& setup = SpecOf(dialog);
  auto fileDialog = std::make_unique<QFileDialog>(owner);
  fileDialog->setObjectName(FromUtf8(setup.name));
  QStringList nameFilters;
  if (setup.everyPicture) nameFilters << QStringLiteral("Images (%1)").arg(PicturePatterns().join(u' '));
  for (const std::string& name : QtNameFilters(setup.filter)) nameFilters << FromUtf8(name);
  fileDialog->setNameFilters(nameFilters);
  fileDialog->setFilter(fileDialog->filter() | QDir::Hidden);
  fileDialog->setSizeGripEnabled(true);
  if (setup.save) {
    // Qt asks before overwriting unless told not to.
    fileDialog->setAcceptMode(QFileDialog::AcceptSave);
    fileDialog->setFileMode(QFileDialog::AnyFile);
    fileDialog->setDefaultSuffix(FromUtf8(DefaultSuffix(setup.defaultExtension)));
    // A name typed without a suffix gets the one of the filter chosen (Export: PNG or BMP).
    if (nameFilters.size() > 1) {
      QObject::connect(fileDialog.get(), &QFileDialog::filterSelected, fileDialog.get(),
                       [d = fileDialog.get()](const QString& filter) {
                         const std::string suffix = SuffixOfNameFilter(filter.toStdString());
                         if (!suffix.empty()) d->setDefaultSuffix(FromUtf8(suffix));
                       });
    }
  } else {
    // The folder and the file must exist.
    fileDialog->setAcceptMode(QFileDialog::AcceptOpen);
    fileDialog->setFileMode(QFileDialog::ExistingFile);
  }
  if (!lastFile.isEmpty()) fileDialog->selectFile(lastFile);
  if (!setup.recentSuffix.empty()) AddRecentFilesPanel(*fileDialog, recent);
  return fileDialog;
}

std::unique_ptr<QMessageBox> MakeMessageBox(MessageBoxKind kind, const QString& text, QWidget* owner) {
  const MessageBoxLook look = LookOf(kind);
  auto box = std::make_unique<QMessageBox>(look.icon, QString::fromLatin1(look.caption), text, QMessageBox::Ok, owner);
  // A file name may hold "<" or "&": the text is never markup.
  box->setTextFormat(Qt::PlainText);
  return box;
}

std::unique_ptr<QColorDialog> MakeColourDialog(Colour initial, const CustomColours& custom, QWidget* owner) {
  for (std::size_t i = 0; i < custom.size(); ++i) QColorDialog::setCustomColor(QtCustomIndex(i), ToQColor(custom[i]));
  return std::make_unique<QColorDialog>(ToQColor(initial), owner);
}

CustomColours ReadCustomColours() {
  CustomColours custom{};
  for (std::size_t i = 0; i < custom.size(); ++i) custom[i] = FromQColor(QColorDialog::customColor(QtCustomIndex(i)));
  return custom;
}

QtDialogs::QtDialogs(QWidget* owner, EditorSettings* settings) : owner_(owner), settings_(settings) {}

std::optional<std::string> QtDialogs::ChooseFile(FileDialogId dialog, const std::string& startAt) {
  QString& last = lastFiles_.at(static_cast<std::size_t>(dialog));
  // Where the dialog starts: the given file, else the file last chosen in it this session,
  // else the folder it last used; a bare name goes into that folder.
  QString folder = last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
  if (folder.isEmpty() && settings_ != nullptr) folder = settings_->LastFolder(dialog);
  QString start = FromUtf8(startAt);
  if (start.isEmpty()) start = last;
  if (!start.isEmpty() && QFileInfo(start).fileName() == start && !folder.isEmpty())
    start = QDir(folder).filePath(start);

  QStringList recent;
  const std::string_view suffix = SpecOf(dialog).recentSuffix;
  if (recent_ != nullptr && !suffix.empty()) {
    for (const std::string& file : recent_->WithSuffix(suffix)) recent << FromUtf8(file);
  }
  const auto fileDialog = MakeFileDialog(dialog, start, owner_, recent);
  if (start.isEmpty() && !folder.isEmpty()) fileDialog->setDirectory(folder);
  if (fileDialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = fileDialog->selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  last = chosen.first();
  if (settings_ != nullptr) settings_->SetLastFolder(dialog, QFileInfo(last).absolutePath());
  return last.toStdString();
}

void QtDialogs::ShowErrorBox(const std::string& text) { Show(MessageBoxKind::kError, text, owner_); }

void QtDialogs::ShowApplicationError(const std::string& text) { Show(MessageBoxKind::kApplicationError, text, owner_); }

std::optional<Colour> QtDialogs::ChooseColour(Colour initial, CustomColours& custom) {
  const auto dialog = MakeColourDialog(initial, custom, owner_);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  custom = ReadCustomColours();
  if (!accepted) return std::nullopt;
  return FromQColor(dialog->selectedColor());
}

SaveChanges QtDialogs::AskToSaveChanges() {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle),
                  QString::fromLatin1(kSaveChangesQuestion),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
  box.setDefaultButton(QMessageBox::Save);
  // Access keys as desktop dialogs have them: Alt+S saves, Alt+D discards, Esc cancels.
  box.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
  box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
  switch (box.exec()) {
    case QMessageBox::Save: return SaveChanges::kSave;
    case QMessageBox::Discard: return SaveChanges::kDiscard;
    default: return SaveChanges::kCancel;
  }
}

QString QtDialogs::LastFile(FileDialogId dialog) const { return lastFiles_.at(static_cast<std::size_t>(dialog)); }

}  // namespace tessary::platform
