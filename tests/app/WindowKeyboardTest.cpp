// The window's keyboard rules: where the focus goes when Undo or Redo is disabled under
// it, the arrow keys inside the radio pairs and the sample rows (one Tab stop each), and
// the text-editing keys in the search box.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include "WindowFixture.h"

namespace tessary::app::test {
namespace {

class KeyboardTest : public WindowTest {
 protected:
  KeyboardTest() { QApplication::setActiveWindow(window.get()); }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }
};

// Undo pressed from the keyboard until nothing is left to undo hands the focus to Redo, and
// back; with neither possible, the focus goes to the nearest control before it that opens
// no dialog, never on to "Save".
TEST_F(KeyboardTest, AHistoryButtonDisabledUnderTheFocusHandsItOn) {
  Click(c().rbStretch);
  ASSERT_TRUE(c().btnUndo->isEnabled());
  c().btnUndo->setFocus();
  Key(Qt::Key_Space);
  EXPECT_FALSE(c().btnUndo->isEnabled());
  EXPECT_EQ(Focus(), c().btnRedo);
  Key(Qt::Key_Space);
  EXPECT_FALSE(c().btnRedo->isEnabled());
  EXPECT_EQ(Focus(), c().btnUndo);
  window->history().Clear();
  QApplication::processEvents();
  EXPECT_FALSE(c().btnUndo->isEnabled());
  EXPECT_EQ(Focus(), c().rbBottomTile);  // before "Redo" and the background button: the pair's checked box
  EXPECT_TRUE(dialogs->fileQuestions.empty());
}

// The arrow keys walk a Tile/Stretch pair, checking the box they reach (which runs its
// command), and a row of samples, passing no sample's command; Tab leaves a pair or a row
// from wherever the arrows left the focus, and comes back to the same place.
TEST_F(KeyboardTest, ArrowKeysWalkThePairsAndTheRows) {
  c().rbTopTile->setFocus(Qt::TabFocusReason);
  Key(Qt::Key_Right);
  EXPECT_EQ(Focus(), c().rbStretch);
  EXPECT_TRUE(c().rbStretch->Checked());
  EXPECT_TRUE(skin().bgTop.StretchBitmap());
  Key(Qt::Key_Right);  // the ends do not wrap round
  EXPECT_EQ(Focus(), c().rbStretch);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), c().rbBottomTile);  // the other pair's stop: its checked box
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Focus(), c().rbStretch);
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), c().rbTopTile);
  EXPECT_FALSE(skin().bgTop.StretchBitmap());

  const auto& hot = c().samples[static_cast<std::size_t>(SampleRow::Hot)];
  hot[0]->setFocus(Qt::TabFocusReason);
  const struct {
    Qt::Key key;
    int sample;
  } walk[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}, {Qt::Key_End, 10},
              {Qt::Key_Down, 10}, {Qt::Key_Home, 0},  {Qt::Key_Left, 0}, {Qt::Key_End, 10}};
  for (const auto& step : walk) {
    Key(step.key);
    EXPECT_EQ(Focus(), hot[static_cast<std::size_t>(step.sample)]) << step.key;
  }
  EXPECT_TRUE(dialogs->fileQuestions.empty());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Focus())->text(QAccessible::Name), QStringLiteral("Hot: Close"));
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), c().Panel3->findChild<QWidget*>());  // the Disabled row's first sample
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Focus(), hot[10]);
}

// The text-editing keys edit the preview's search box (an editable combo box) rather than
// run the mock-up's commands of those keys.
TEST_F(KeyboardTest, TextEditingKeysGoToTheSearchBox) {
  QLineEdit& search = *window->chromeTop().cbSearchBar->lineEdit();
  search.setFocus();
  QApplication::clipboard()->setText(QStringLiteral("tiles"));
  Key(Qt::Key_V, Qt::ControlModifier);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(search.text(), QStringLiteral("tilestiles"));
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(search.text(), QString());
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("tilestiles"));
}

}  // namespace
}  // namespace tessary::app::test
