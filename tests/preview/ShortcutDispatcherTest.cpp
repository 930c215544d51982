// The shortcut dispatcher: every shortcut of the vocabulary reaches the first command that
// bears it over the lists in creation order and no other, before the focused control sees
// the key; keys stay with open menus and with a menu bar that has the keyboard.
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "preview/CommandVocabulary.h"
#include "preview/MenuBuilder.h"
#include "preview/ShortcutDispatcher.h"
#include "skin/Skin.h"
#include "widgets/PopupWindow.h"
#include "widgets/ToolbarFixture.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::preview {
namespace {

class Shortcuts : public widgets::testing::DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    // Record every command that runs, whichever list holds it.
    const auto record = [this](Command& c) { ran.push_back(c.Name()); };
    for (CommandList* list :
         {&vocabulary.alEditors(), &vocabulary.allButtons(), &vocabulary.alButtons(), &vocabulary.alMain()})
      list->SetHandler(record);
    for (int h = 0; h < kImageHandlerCount; ++h) vocabulary.Connect(static_cast<ImageHandler>(h), record);
    bar = new widgets::TTBXToolbar;
    menus = BuildMainMenu(*bar, vocabulary, skin);
    bar->DockTo(top, 0);
    note = new QPlainTextEdit(page);
    note->setPlainText("hello");
    note->show();
    window->activateWindow();
    note->setFocus();
    // Made last, the dispatcher sees keys before the menu bar does.
    dispatcher = std::make_unique<ShortcutDispatcher>(vocabulary);
    Settle();
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* to = nullptr) {
    QTest::keyClick(to ? to : note, static_cast<Qt::Key>(key), modifiers);
  }

  Command& Get(const char* name) { return *vocabulary.Find(QString::fromLatin1(name)); }

  Skin skin;
  CommandVocabulary vocabulary{skin};
  std::unique_ptr<ShortcutDispatcher> dispatcher;
  widgets::TTBXToolbar* bar = nullptr;
  MainMenu menus;
  QPlainTextEdit* note = nullptr;
  std::vector<QString> ran;
};

TEST_F(Shortcuts, EachKeyRunsTheFirstCommandThatBearsIt) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, alt = Qt::AltModifier, shift = Qt::ShiftModifier;
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* runs;
  } table[] = {
      {Qt::Key_Left, alt, "actlBack"},
      {Qt::Key_Right, alt, "actlForward"},
      {Qt::Key_Escape, {}, "actlStop"},
      {Qt::Key_F5, {}, "actlRefresh"},
      {Qt::Key_Home, alt, "actlHome"},
      {Qt::Key_F11, {}, "actlFullScreen"},
      {Qt::Key_N, ctrl, "actlNew"},
      {Qt::Key_O, ctrl, "actOpen"},
      {Qt::Key_S, ctrl, "actSave"},
      {Qt::Key_F4, ctrl, "actClose"},
      {Qt::Key_F4, shift | ctrl, "actCloseAll"},
      {Qt::Key_C, ctrl, "actCopy"},
      {Qt::Key_X, ctrl, "actCut"},
      {Qt::Key_V, ctrl, "actPaste"},
      {Qt::Key_A, ctrl, "actSelectAll"},
      {Qt::Key_F, ctrl, "actFind"},
      {Qt::Key_Escape, shift, "actStopAll"},
      {Qt::Key_F5, shift, "actRefreshAll"},
      {Qt::Key_Up, ctrl, "actPreviousPage"},
      {Qt::Key_Down, ctrl, "actNextPage"},
      {Qt::Key_D, ctrl, "actAddFavorites"},
      {Qt::Key_F1, {}, "actHelp"},
      {Qt::Key_P, ctrl, "actPrintDlg"},
      {Qt::Key_L, ctrl, "actOpenLink"},
      {Qt::Key_Q, ctrl, "actQuickSearch"},
      {Qt::Key_F3, {}, "actFindKeyword"},
      {Qt::Key_F12, {}, "actFullDesktop"},
  };
  // A text box that cannot be typed into keeps none of the text-editing keys for itself.
  note->setReadOnly(true);
  for (const auto& row : table) {
    ran.clear();
    Press(row.key, row.modifiers);
    EXPECT_EQ(ran, std::vector<QString>{row.runs}) << row.runs;
  }
  note->setReadOnly(false);
  EXPECT_FALSE(bar->KeyboardMode());  // Alt held for Alt+Left is no menu key
  EXPECT_EQ(note->toPlainText(), "hello");
  // No shortcut of a sample toolbar is ever reached, so no key replaces an image.
  for (const CommandList* list : {&vocabulary.alcL(), &vocabulary.actS()}) {
    for (int i = 0; i < list->Count(); ++i) {
      if (list->At(i).Shortcut() != 0) {
        EXPECT_NE(vocabulary.ShortcutCommand(list->At(i).Shortcut()), &list->At(i));
      }
    }
  }
  // Keys that are nobody's shortcut reach the focused control.
  ran.clear();
  Press(Qt::Key_End);
  Press(Qt::Key_Exclam, shift);
  Press(Qt::Key_B, ctrl);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(note->toPlainText(), "hello!");
}

// In a text box the user can type into, the text-editing keys edit the text (the mock-up's
// commands of those keys would do nothing with them); the other shortcuts stay the
// mock-up's.
TEST_F(Shortcuts, EditingKeysReachTheFocusedTextBox) {
  QGuiApplication::clipboard()->setText("clipboard");
  note->selectAll();
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
  Press(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(note->toPlainText(), "");
  Press(Qt::Key_V, Qt::ControlModifier);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(note->toPlainText(), "hellohello");
  Press(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(note->textCursor().selectedText(), "hellohello");
  EXPECT_TRUE(ran.empty());
  Press(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(ran, std::vector<QString>{"actFind"});
}

TEST_F(Shortcuts, F12TogglesFullDesktopInTheViewMenuAndF11OnlyAnUnshownCommand) {
  const widgets::TTBCustomItem* fullDesktop = menus.Submenu("TBXSubmenuItem38")->Items().back().get();
  ASSERT_EQ(fullDesktop->Caption(), "Full Desktop");
  Press(Qt::Key_F12);
  EXPECT_TRUE(fullDesktop->Checked());
  Press(Qt::Key_F12);
  EXPECT_FALSE(fullDesktop->Checked());
  Press(Qt::Key_F11);
  EXPECT_TRUE(Get("actlFullScreen").Checked());
  for (const char* name : {"actFullScreen", "actLCFullScreen", "actSCFullScreen"}) EXPECT_FALSE(Get(name).Checked());
}

TEST_F(Shortcuts, OpenMenusAndAMenuBarWithTheKeyboardKeepTheirKeys) {
  bar->OpenItemList(0, true);
  widgets::PopupWindow* popup = bar->OpenPopup();
  ASSERT_NE(popup, nullptr);
  // Esc closes the menu instead of running actlStop, and gives the menu bar the keyboard.
  Press(Qt::Key_Escape, Qt::NoModifier, popup);
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  ASSERT_TRUE(bar->KeyboardMode());
  Press(Qt::Key_Escape);  // the bar lets go
  EXPECT_FALSE(bar->KeyboardMode());
  Press(Qt::Key_Alt);  // Alt alone: the menu bar takes the keyboard again
  ASSERT_TRUE(bar->KeyboardMode());
  Press(Qt::Key_Escape);
  EXPECT_FALSE(bar->KeyboardMode());
  EXPECT_TRUE(ran.empty());
  Press(Qt::Key_Escape);  // once the menus let go, Esc is a shortcut again
  EXPECT_EQ(ran, std::vector<QString>{"actlStop"});
}

// A dialog over the window (a file dialog, a message box, the colour dialog) keeps its
// keys: a path pasted into a file name, Esc closing the dialog.
TEST_F(Shortcuts, ADialogOverTheWindowKeepsItsKeys) {
  QGuiApplication::clipboard()->setText("/home/me/skins/back.bmp");
  QDialog dialog(window.get());
  dialog.setModal(true);
  auto* field = new QLineEdit(&dialog);
  dialog.show();
  dialog.activateWindow();
  field->setFocus();
  Press(Qt::Key_V, Qt::ControlModifier, field);
  EXPECT_EQ(field->text(), "/home/me/skins/back.bmp");
  Press(Qt::Key_A, Qt::ControlModifier, field);
  EXPECT_EQ(field->selectedText(), field->text());
  Press(Qt::Key_F5, Qt::NoModifier, field);
  Press(Qt::Key_Escape, Qt::NoModifier, field);
  EXPECT_FALSE(dialog.isVisible()) << "Esc closes the dialog";
  EXPECT_TRUE(ran.empty());
  Press(Qt::Key_Escape);  // with the dialog gone, the window's keys are shortcuts again
  EXPECT_EQ(ran, std::vector<QString>{"actlStop"});
}

}  // namespace
}  // namespace tessary::preview
