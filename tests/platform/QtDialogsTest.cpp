// The Qt dialogs as the commands get them: filters, default extension, overwrite question
// and existing-file rule per dialog; each dialog offers the file last chosen in it; the two
// message boxes; the colour dialog keeps the caller's 16 custom colours.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QImageReader>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/EditorSettings.h"
#include "platform/QtDialogs.h"

namespace tessary::platform {
namespace {

// Runs `answer` on the modal dialog once it is shown.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

TEST(QtDialogs, FileDialogsAreBuiltFromTheirRows) {
  using enum FileDialogId;
  const struct {
    FileDialogId id;
    QStringList filters;
    bool save;
    QString suffix;
  } cases[] = {
      {OpenDialog, {"", "BITMAP (*.bmp)", "All files (*)"}, false, ""},  // the first: below
      {SaveDialog, {"Corvane Skin (*.skn)"}, true, "skn"},
      {CRSOpenDialog, {"Corvane Skin (*.crs)"}, false, ""},
      {SknOpenDialog, {"Corvane Skin (*.skn)"}, false, ""},
      {ExportDialog, {"PNG image (*.png)", "BITMAP (*.bmp)"}, true, "png"},
  };
  for (const auto& c : cases) {
    const auto dialog = MakeFileDialog(c.id, {}, nullptr);
    QStringList filters = dialog->nameFilters();
    if (c.id == OpenDialog) {
      // First every picture Qt reads, each once, BMP at the head; then BMP alone.
      const QString pictures = filters.takeFirst();
      filters.prepend(QString());
      ASSERT_TRUE(pictures.startsWith(QStringLiteral("Images (")) && pictures.endsWith(u')'));
      const QStringList patterns = pictures.mid(8).chopped(1).split(u' ');
      EXPECT_EQ(patterns.value(0), QStringLiteral("*.bmp"));
      EXPECT_TRUE(patterns.contains(QStringLiteral("*.png")));
      for (const QByteArray& format : QImageReader::supportedImageFormats())
        EXPECT_EQ(patterns.count(QStringLiteral("*.") + QString::fromLatin1(format)), 1) << format.toStdString();
    }
    EXPECT_EQ(filters, c.filters);
    EXPECT_EQ(dialog->acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), c.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->defaultSuffix(), c.suffix);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->filter().testFlag(QDir::Hidden));
  }
  // A name typed without a suffix gets the chosen filter's: the export writes BMP so.
  const auto exportDialog = MakeFileDialog(ExportDialog, {}, nullptr);
  exportDialog->selectNameFilter(QStringLiteral("BITMAP (*.bmp)"));
  emit exportDialog->filterSelected(QStringLiteral("BITMAP (*.bmp)"));
  EXPECT_EQ(exportDialog->defaultSuffix(), QStringLiteral("bmp"));
}

// The skin dialogs list the recent skins still there (a double click opens one), and a
// dialog starts in the folder it last used, in a later session too; a name given alone
// goes into that folder.
TEST(QtDialogs, SkinDialogsListRecentSkinsAndStartWhereTheyLastWere) {
  QTemporaryDir folder;
  const QString skin = folder.filePath(QStringLiteral("mine.skn"));
  QFile(skin).open(QIODevice::WriteOnly);
  EditorSettings settings(folder.filePath(QStringLiteral("settings.ini")));
  RecentFiles recent({skin.toStdString(), folder.filePath(QStringLiteral("gone.skn")).toStdString(), "/old.crs"});
  QtDialogs dialogs(nullptr, &settings);
  dialogs.SetRecentFiles(&recent);

  QStringList listed;
  WhenShown<QFileDialog>([&](QFileDialog& d) {
    auto* list = d.findChild<QListWidget*>(QStringLiteral("recentSkins"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->accessibleName(), QStringLiteral("Recent skins:"));
    for (int i = 0; i < list->count(); ++i) listed << list->item(i)->data(Qt::UserRole).toString();
    emit list->itemActivated(list->item(0));
  });
  EXPECT_EQ(dialogs.ChooseFile(FileDialogId::SknOpenDialog), skin.toStdString());
  EXPECT_EQ(listed, QStringList{skin});  // neither the one that is gone nor the old skin
  EXPECT_EQ(settings.LastFolder(FileDialogId::SknOpenDialog), folder.path());

  QtDialogs later(nullptr, &settings);  // a later session
  QString startedIn, offered;
  WhenShown<QFileDialog>([&](QFileDialog& d) {
    startedIn = d.directory().absolutePath();
    d.reject();
  });
  later.ChooseFile(FileDialogId::SknOpenDialog);
  EXPECT_EQ(startedIn, folder.path());
  WhenShown<QFileDialog>([&](QFileDialog& d) {
    offered = d.selectedFiles().value(0);
    d.reject();
  });
  later.ChooseFile(FileDialogId::SknOpenDialog, "other.skn");
  EXPECT_EQ(offered, folder.filePath(QStringLiteral("other.skn")));
  // No recent skin there: no list.
  EXPECT_EQ(MakeFileDialog(FileDialogId::CRSOpenDialog, {}, nullptr, {})->findChild<QListWidget*>(), nullptr);
}

TEST(QtDialogs, EachFileDialogOffersTheFileLastChosenInIt) {
  QTemporaryDir folder;
  const QString chosen = folder.filePath(QString::fromUtf8("t\xC3\xBC.skn"));
  QFile(chosen).open(QIODevice::WriteOnly);
  QtDialogs dialogs;

  WhenShown<QFileDialog>([&](QFileDialog& d) {
    d.selectFile(chosen);
    static_cast<QDialog&>(d).accept();  // QFileDialog's own checks the file exists
  });
  EXPECT_EQ(dialogs.ChooseFile(FileDialogId::SknOpenDialog), chosen.toStdString());

  QStringList offered;
  WhenShown<QFileDialog>([&](QFileDialog& d) {
    offered = d.selectedFiles();
    d.reject();
  });
  EXPECT_EQ(dialogs.ChooseFile(FileDialogId::SknOpenDialog), std::nullopt);
  EXPECT_EQ(offered, QStringList{chosen});
  EXPECT_EQ(dialogs.LastFile(FileDialogId::SknOpenDialog), chosen);
  EXPECT_TRUE(dialogs.LastFile(FileDialogId::CRSOpenDialog).isEmpty());
}

TEST(QtDialogs, MessageBoxesAndTheColourDialog) {
  const auto error = MakeMessageBox(MessageBoxKind::kError, "The size of the image should be 21*21!", nullptr);
  EXPECT_EQ(error->windowTitle(), QStringLiteral("Error"));
  EXPECT_EQ(error->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(error->standardButtons(), QMessageBox::Ok);
  const auto failure = MakeMessageBox(MessageBoxKind::kApplicationError, "Cannot open file <b>.skn.", nullptr);
  EXPECT_EQ(failure->windowTitle(), QStringLiteral("Tessary"));
  EXPECT_EQ(failure->icon(), QMessageBox::Critical);
  EXPECT_EQ(failure->textFormat(), Qt::PlainText);

  QtDialogs dialogs;
  CustomColours custom{};
  for (std::size_t i = 0; i < custom.size(); ++i) custom[i] = static_cast<Colour>(0x00010203 * (i + 1));
  const CustomColours offered = custom;
  WhenShown<QColorDialog>([](QColorDialog& d) {
    d.setCurrentColor(QColor(0x33, 0x66, 0x99));
    d.accept();
  });
  EXPECT_EQ(dialogs.ChooseColour(clBtnFace, custom), std::optional<Colour>(0x00996633));
  EXPECT_EQ(custom, offered);
  WhenShown<QColorDialog>([](QColorDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.ChooseColour(clWhite, custom), std::nullopt);
}

// The question before closing has access keys, as desktop dialogs do: Alt+S saves,
// Alt+D discards, Esc cancels.
TEST(QtDialogs, TheSaveQuestionAnswersToItsAccessKeys) {
  QtDialogs dialogs;
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    SaveChanges answer;
  } cases[] = {{Qt::Key_S, Qt::AltModifier, SaveChanges::kSave},
               {Qt::Key_D, Qt::AltModifier, SaveChanges::kDiscard},
               {Qt::Key_Escape, Qt::NoModifier, SaveChanges::kCancel}};
  for (const auto& c : cases) {
    QStringList captions;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
      for (QAbstractButton* button : box.buttons()) captions << button->text();
      // The button whose access key this is answers (Esc is the box's own key).
      for (QAbstractButton* button : box.buttons())
        if (QKeySequence::mnemonic(button->text()) == QKeySequence(c.modifiers | c.key)) return button->click();
      QTest::keyClick(&box, c.key, c.modifiers);
      if (box.isVisible()) box.done(-1);  // no such key: fail rather than wait
    });
    EXPECT_EQ(dialogs.AskToSaveChanges(), c.answer) << c.key;
    EXPECT_TRUE(captions.contains(QStringLiteral("&Save")) && captions.contains(QStringLiteral("&Discard")))
        << captions.join(u',').toStdString();
  }
}

}  // namespace
}  // namespace tessary::platform
