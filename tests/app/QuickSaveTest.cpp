// Saving as a skin author does it: Ctrl+S asks for a file once and then saves to it without
// a question, wherever the focus is (a text box included; the mock-up's own Ctrl+S command
// does nothing); "Save" keeps its dialog, started on the file its tooltip names; "New"
// asks only with unsaved changes and is undone; the recent skins are remembered.
#include "WindowFixture.h"
#include "app/ControlPanelLayout.h"
#include "app/FileCommandsWiring.h"
#include "platform/EditorSettings.h"
#include "skinfile/StartupSkin.h"
#include "widgets/Command.h"

namespace tessary::app::test {
namespace {

class QuickSaveTest : public WindowTest {
 protected:
  QuickSaveTest() { QApplication::setActiveWindow(window.get()); }
  void CtrlS(QWidget* focus) {
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
  }
  void Change() { Click(c().rbStretch->Checked() ? c().rbTopTile : c().rbStretch); }
};

TEST_F(QuickSaveTest, CtrlSAsksForAFileOnceAndThenSavesToItWithoutAQuestion) {
  const std::string path = (folder / "mine.skn").string();
  // The mock-up binds Ctrl+S to its own "Save..." (which does nothing): the window goes first.
  EXPECT_NE(window->vocabulary().ShortcutCommand(widgets::ShortcutCode(Qt::Key_S, Qt::ControlModifier)), nullptr);
  EXPECT_TRUE(c().btnSave->toolTip().isEmpty());
  dialogs->AnswerFile(path);
  CtrlS(c().btnTop);
  EXPECT_EQ(dialogs->fileQuestions, std::vector<FileDialogId>{FileDialogId::SaveDialog});
  EXPECT_EQ(ReadWholeFile(path), BuildSkinFile(skin()));
  EXPECT_EQ(c().btnSave->toolTip().toStdString(), "Save to " + path);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessary 2.0 - mine.skn"));

  // From a text box too: the key saves the skin instead of going to the box.
  for (QWidget* focus : {static_cast<QWidget*>(c().mmNote), static_cast<QWidget*>(c().samples[0][0])}) {
    Change();
    EXPECT_TRUE(window->Modified());
    CtrlS(focus);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(ReadWholeFile(path), BuildSkinFile(skin()));
  }
  EXPECT_EQ(dialogs->fileQuestions.size(), 1u);
  EXPECT_EQ(c().mmNote->toPlainText(), NoteLines().join(u'\n'));

  // "Save" asks, starting on the file.
  dialogs->CancelFile();
  Click(c().btnSave);
  EXPECT_EQ(dialogs->fileStarts.back(), path);
  // Remembered for the Open and Import dialogs of later sessions.
  const platform::EditorSettings settings(scratch.filePath(QStringLiteral("settings.ini")));
  EXPECT_EQ(settings.RecentSkins(), QStringList{QString::fromStdString(path)});
  EXPECT_EQ(window->recentFiles().Files(), std::vector<std::string>{path});
  EXPECT_TRUE(dialogs->AllAnswered());
}

TEST_F(QuickSaveTest, NewAsksOnlyWithUnsavedChangesAndIsUndone) {
  Skin startup;
  LoadStartupSkin(startup);
  const Bytes fresh = BuildSkinFile(startup);
  SaveWithButton("mine.skn");
  // Saved: "New" asks nothing.
  Click(c().btnNew);
  EXPECT_EQ(dialogs->saveQuestions, 0);
  EXPECT_EQ(BuildSkinFile(skin()), fresh);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessary 2.0"));
  window->history().Undo();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessary 2.0 - mine.skn"));

  // Unsaved changes: Cancel keeps them; Discard drops them (and Undo brings them back).
  Change();
  const Bytes changed = BuildSkinFile(skin());
  dialogs->AnswerSaveChanges(SaveChanges::kCancel);
  Click(c().btnNew);
  EXPECT_EQ(BuildSkinFile(skin()), changed);
  dialogs->AnswerSaveChanges(SaveChanges::kDiscard);
  Click(c().btnNew);
  EXPECT_EQ(BuildSkinFile(skin()), fresh);
  EXPECT_FALSE(c().rbStretch->Checked());  // the panel shows the new skin
  EXPECT_EQ(dialogs->saveQuestions, 2);
  window->history().Undo();
  EXPECT_EQ(BuildSkinFile(skin()), changed);
  EXPECT_TRUE(dialogs->boxes.empty());
  EXPECT_TRUE(dialogs->AllAnswered());
}

}  // namespace
}  // namespace tessary::app::test
