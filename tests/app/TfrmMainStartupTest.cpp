// The window as it starts: caption, the state FormCreate leaves, what every list holds,
// the samples' sources, captions inside their controls, the keyboard order, and the program
// starting and ending cleanly.
#include <QAccessible>
#include <QProcess>
#include <csignal>

#include "WindowFixture.h"
#include "app/ControlPanelLayout.h"
#include "widgets/AccessibleFocus.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::app::test {
namespace {

TEST_F(WindowTest, StartsInTheStoredState) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessary 2.0"));
  EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Tessary"));
  // The platform appends a display name set of its own to every window title that does not
  // end with it; the caption and the "Error" box's title must reach the desktop unchanged,
  // so the display name only follows the application's name.
  QApplication::setApplicationName(QStringLiteral("probe"));
  EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("probe"));
  QApplication::setApplicationName(QStringLiteral("Tessary"));
  EXPECT_TRUE(c().tbdTop->isVisible());
  // The preview is painted in "Default" while the list shows "MonaiXP", not applied.
  EXPECT_EQ(widgets::ActiveThemeName(), QStringLiteral("Default"));
  EXPECT_EQ(c().ListBox1->SelectedText(), QStringLiteral("MonaiXP"));
  EXPECT_EQ(c().ListBox1->count(), 8);
  EXPECT_TRUE(c().rbTopTile->Checked() && !c().rbStretch->Checked());
  EXPECT_TRUE(c().rbBottomTile->Checked() && !c().rbBottomStretch->Checked());
  EXPECT_EQ(c().ColorBox->count(), 50);
  EXPECT_EQ(c().ColorBox->currentText(), QStringLiteral("clWindowText"));
  EXPECT_EQ(widgets::SkinTextColour(), clBtnText);  // S is set only by a pick
  EXPECT_EQ(c().dfsColorButton->Color(), 0x00996633u);
  EXPECT_EQ(c().dfsColorButton->OtherColor(), 0x00996633u);
  EXPECT_EQ(c().cbPages->count(), 10);
  EXPECT_EQ(c().cbPages->DropDownCount(), 10);
  EXPECT_EQ(c().cbOther->count(), 59);
  EXPECT_EQ(c().cbOther->Item(52).text, QStringLiteral("Left Side Band Close Button"));
  EXPECT_EQ(c().cbOther->Item(53).text, QStringLiteral("Popup Blocker"));
  for (auto* combo : {c().cbPages, c().cbOther}) {
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->DroppedWidth(), 145);
  }
  EXPECT_EQ(c().mmNote->toPlainText().split(u'\n'), NoteLines());
  EXPECT_EQ(NoteLines().size(), 32);
  EXPECT_EQ(c().TBXToolbar1->Items().size(), 25u);  // 21 buttons, 4 separators
  EXPECT_EQ(c().TBXToolbar1->Images(), &skin().ilLButtons);
  EXPECT_EQ(c().TBXToolbar2->Images(), &skin().ilSButtons);
  // Where there is room, a sample toolbar takes the size of its items in themes with other
  // item metrics (in a narrow window it shows a chevron instead).
  window->resize(1280, 800);
  for (const char* theme : {"Xito", "Default"}) {
    widgets::SwitchTheme(QString::fromLatin1(theme));
    QApplication::processEvents();
    for (auto* bar : {c().TBXToolbar1, c().TBXToolbar2}) {
      EXPECT_TRUE(bar->OnPanel());
      EXPECT_EQ(bar->size(), bar->sizeHint()) << theme;
      EXPECT_FALSE(bar->ChevronShown()) << theme;
    }
  }
}

// Each row shows its own state's list in every state, slots in the preview's order; the
// example is opaque, sized to its picture, and shows slot 8 of ilDisable.
TEST_F(WindowTest, SamplesShowTheirRowsList) {
  const ImageList* lists[] = {&skin().ilImages, &skin().ilHot, &skin().ilDown, &skin().ilDisable};
  const int kSlots[] = {8, 7, 6, 5, 4, 10, 3, 9, 2, 1, 0};
  for (std::size_t row = 0; row < kSampleRowCount; ++row) {
    for (std::size_t i = 0; i < kSamplesPerRow; ++i) {
      const preview::TGButton* sample = c().samples[row][i];
      EXPECT_EQ(sample->ImageIndex(), kSlots[i]);
      EXPECT_EQ(sample->Command()->ImageIndex(), kSlots[i]);
      for (const ImageList* shown :
           {sample->Images(), sample->HotImages(), sample->DownImages(), sample->DisableImages()})
        EXPECT_EQ(shown, lists[row]);
      EXPECT_TRUE(sample->Transparent());
      EXPECT_EQ(sample->geometry(), QRect(57 + 21 * static_cast<int>(i), 1, 21, 21));
    }
  }
  EXPECT_EQ(c().GButton45->DisableImages(), &skin().ilDisable);
  EXPECT_EQ(c().GButton45->ImageIndex(), 8);
  EXPECT_FALSE(c().GButton45->Transparent());
  EXPECT_EQ(c().GButton45->size(), QSize(21, 21));
  EXPECT_EQ(c().GButton45->Command(), nullptr);
}

// With the window font every caption fits its fixed size, and every label's text ends
// before the control it names on its line.
TEST_F(WindowTest, CaptionsFitTheirControls) {
  for (auto* control : window->findChildren<widgets::CaptionedControl*>()) {
    const int text = control->fontMetrics().horizontalAdvance(control->PlainCaption());
    const int room =
        qobject_cast<widgets::TXP_RadioBox*>(control) != nullptr ? control->width() - 17 : control->width() - 8;
    EXPECT_LE(text, room) << control->objectName().toStdString();
  }
  for (auto* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr || label->buddy()->y() > label->y() + label->height()) continue;
    EXPECT_LT(label->x() + label->fontMetrics().tightBoundingRect(label->text()).right(), label->buddy()->x())
        << label->objectName().toStdString();
  }
}

// Screen readers: samples by row and command, lists and the colour button by their labels
// and with their values; Press on a sample does what a click does.
TEST_F(WindowTest, ControlsReachScreenReaders) {
  const auto name = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  };
  // A sample by its row and the window-control button it shows, also as its tooltip.
  EXPECT_EQ(name(c().samples[1][3]), QStringLiteral("Hot: Tile All Windows Horizontally"));
  EXPECT_EQ(name(c().samples[3][10]), QStringLiteral("Disabled: Close"));
  for (const auto& row : c().samples)
    for (preview::TGButton* sample : row) EXPECT_EQ(sample->Hint(), name(sample));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(c().samples[1][3])->role(), QAccessible::Button);
  EXPECT_EQ(name(c().btnTop), QStringLiteral("Change the background of the top panel..."));
  EXPECT_EQ(name(c().dfsColorButton), QStringLiteral("Progress Bar Color:"));
  EXPECT_EQ(name(c().ColorBox), QStringLiteral("Toolbar Font Color:"));
  EXPECT_EQ(name(c().cbPages), QStringLiteral("Tabs Images:"));
  EXPECT_EQ(name(c().ListBox1), QStringLiteral("Visual Style:"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(c().ColorBox)->text(QAccessible::Value),
            QStringLiteral("clWindowText"));

  dialogs->CancelFile();
  QAccessibleInterface* sample = QAccessible::queryAccessibleInterface(c().samples[0][0]);
  sample->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // the click is queued
  EXPECT_EQ(dialogs->fileQuestions, std::vector<FileDialogId>{FileDialogId::OpenDialog});
}

TEST_F(WindowTest, TabWalksTheStoredKeyboardOrder) {
  QApplication::setActiveWindow(window.get());
  c().btnTop->setFocus();
  QStringList walked;
  for (int i = 0; i < 64 && QApplication::focusWidget() != c().mmNote; ++i) {
    walked << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // A Tile/Stretch pair is one stop (its checked box), and so is a row of samples (the
  // arrow keys walk them).
  QStringList expected = {"btnTop", "rbTopTile", "rbBottomTile", "btnBottom",
                          "btnNew", "btnSave",   "btnOpen",      "XP_Button3"};
  for (const char* row : {"N", "D", "H", "F"})  // the rows Normal, Down, Hot, Disabled
    expected << QStringLiteral("act%1Pre").arg(QLatin1String(row));
  expected << "ListBox1"
           << "cbPages"
           << "XP_Button1"
           << "cbOther"
           << "XP_Button2"
           << "ColorBox"
           << "dfsColorButton"
           << "TBXToolbar1"
           << "TBXToolbar2";
  EXPECT_EQ(walked, expected);
  // The note is a stop like the others: Tab leaves it, typing nothing into it (Shift+Tab
  // goes back), so a keyboard user is never caught there.
  ASSERT_EQ(QApplication::focusWidget(), c().mmNote);
  const QString text = c().mmNote->toPlainText();
  QTest::keyClick(c().mmNote, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), c().mmNote);
  c().mmNote->setFocus();
  QTest::keyClick(c().mmNote, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), c().TBXToolbar2);
  EXPECT_EQ(c().mmNote->toPlainText(), text);
}

// The interfaces of the items assistive tools are told have the focus, while it lives.
struct FocusNotices {
  std::vector<QAccessibleInterface*> told;
  FocusNotices() {
    widgets::SetAccessibleFocusListener([this](QAccessibleInterface* item) { told.push_back(item); });
  }
  ~FocusNotices() { widgets::SetAccessibleFocusListener(nullptr); }
};

// A sample toolbar with the focus highlights one button: the arrow keys, Home and End walk
// its buttons over the separators, Space runs the highlighted one as a click does, and the
// highlight goes with the focus. A screen reader is told of every button the focus lands on.
TEST_F(WindowTest, SampleToolbarsWorkFromTheKeyboard) {
  FocusNotices notices;
  std::vector<QAccessibleInterface*>& told = notices.told;
  QApplication::setActiveWindow(window.get());
  widgets::TTBXToolbar& bar = *c().TBXToolbar2;
  QAccessibleInterface* barFace = QAccessible::queryAccessibleInterface(&bar);
  c().TBXToolbar1->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  told.clear();
  QTest::keyClick(c().TBXToolbar1, Qt::Key_Tab);
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), &bar);
  EXPECT_EQ(c().TBXToolbar1->HotIndex(), -1);
  const auto hotSlot = [&bar] {
    return bar.HotIndex() < 0 ? -1 : bar.Items()[static_cast<std::size_t>(bar.HotIndex())]->GetCommand()->ImageIndex();
  };
  EXPECT_EQ(hotSlot(), 0);
  // Tabbed to, the first button is told (once the toolkit told of the bar).
  EXPECT_EQ(told, std::vector<QAccessibleInterface*>{barFace->child(0)});
  const struct {
    Qt::Key key;
    int slot;
  } walk[] = {{Qt::Key_Left, 0}, {Qt::Key_End, 19}, {Qt::Key_Right, 19}, {Qt::Key_Left, 18}, {Qt::Key_Left, 20},
              {Qt::Key_Home, 0}, {Qt::Key_End, 19}, {Qt::Key_Left, 18},  {Qt::Key_Left, 20}};
  for (const auto& step : walk) {
    const int before = hotSlot();
    told.clear();
    QTest::keyClick(&bar, step.key);
    EXPECT_EQ(hotSlot(), step.slot) << step.key;
    // Once for a move, to the button that is now the bar's focused child; not for a key
    // that leaves the highlight where it was.
    ASSERT_EQ(told.size(), step.slot == before ? 0u : 1u) << step.key;
    if (step.slot != before) {
      EXPECT_EQ(told[0], barFace->focusChild()) << step.key;
      EXPECT_TRUE(told[0]->state().focused) << step.key;
    }
  }
  dialogs->AnswerFile(PictureFile(16, 16));
  QTest::keyClick(&bar, Qt::Key_Space);
  EXPECT_TRUE(dialogs->AllAnswered());
  EXPECT_EQ(skin().ilSButtons.ImageBitmap(20).PixelAt(8, 8), 0xFF00A0FFu);
  QTest::keyClick(&bar, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), &bar);
  EXPECT_EQ(bar.HotIndex(), -1);
}

// The mock-up's menu bar walked from the keyboard (F10, then the arrows) tells screen
// readers each menu it lands on.
TEST_F(WindowTest, TheMenuBarsKeyboardWalkIsToldToScreenReaders) {
  FocusNotices notices;
  QApplication::setActiveWindow(window.get());
  c().btnSave->setFocus();
  for (Qt::Key key : {Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) QTest::keyClick(c().btnSave, key);
  QStringList told;
  for (QAccessibleInterface* item : notices.told) told << item->text(QAccessible::Name);
  EXPECT_EQ(told, (QStringList{"File", "Edit", "View", "Edit"}));
  QTest::keyClick(c().btnSave, Qt::Key_Escape);
}

// The real program starts headless and ends with status 0 when asked to close.
TEST(EditorProgram, StartsAndQuitsCleanly) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("TESSARY_QUIT_AFTER_MS"), QStringLiteral("300"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(TESSARY_EDITOR), {});
  ASSERT_TRUE(process.waitForStarted(10000));
  ASSERT_TRUE(process.waitForFinished(30000)) << "the editor did not quit";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// Help, the version and mistaken arguments are answered on the terminal with no display at
// all: a program that tried to show its window here would fail to start instead.
TEST(EditorProgram, AnswersHelpVersionAndMistakenArgumentsWithoutAWindow) {
  const std::string usage = "Usage: tessary [OPTION]... [FILE]\n";
  const std::string mistake = usage + "Run 'tessary --help' for the options.\n";
  struct Case {
    QStringList args;
    int exitCode;
    std::string outStart;
    std::string err;
  };
  const Case cases[] = {
      {{"--help"}, 0, usage, ""},
      {{"-h", "skin.skn"}, 0, usage, ""},
      {{"--version"}, 0, "tessary 2.0\n", ""},
      {{"-platform", "offscreen", "--version"}, 0, "tessary 2.0\n", ""},
      {{"--bogus"}, 2, "", "tessary: unknown option '--bogus'\n" + mistake},
      {{"skin.skn", "-x"}, 2, "", "tessary: unknown option '-x'\n" + mistake},
      {{"a.skn", "b.skn"}, 2, "", "tessary: one file at a time, not 2\n" + mistake},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.args.join(' ').toStdString());
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSARY_EDITOR), row.args);
    ASSERT_TRUE(process.waitForFinished(30000)) << "the editor did not answer";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), row.exitCode);
    const std::string out = process.readAllStandardOutput().toStdString();
    EXPECT_EQ(out.substr(0, row.outStart.size()), row.outStart) << out;
    if (row.outStart.empty()) {
      EXPECT_EQ(out, "");
    }
    EXPECT_EQ(process.readAllStandardError().toStdString(), row.err);
  }
}

#ifdef Q_OS_UNIX
// Its interrupt clean-up (which removes a half-written save) still lets the signal end it.
TEST(EditorProgram, EndsByAnInterruptOrTerminateSignal) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSARY_EDITOR), {});
    ASSERT_TRUE(process.waitForStarted(10000));
    ASSERT_FALSE(process.waitForFinished(1000)) << "the editor ended by itself";
    ::kill(static_cast<pid_t>(process.processId()), signal);
    ASSERT_TRUE(process.waitForFinished(30000)) << "the signal did not end the editor";
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
  }
}
#endif

}  // namespace
}  // namespace tessary::app::test
