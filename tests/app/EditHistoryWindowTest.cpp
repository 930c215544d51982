// The window's side of the edit history and of the file it edits: Undo and Redo from the
// buttons and the keys, every control showing each state; the caption's file name and
// unsaved mark and the question on closing; a file named on the command line.
#include <QProcess>

#include "WindowFixture.h"
#include "platform/EditorSettings.h"
#include "skinfile/StartupSkin.h"
#include "widgets/Command.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/DefaultTheme.h"

namespace tessary::app::test {
namespace {

// What the panel and the preview show of each kind of change.
struct Shown {
  bool stretch;
  QString colour;
  Colour button, gauge;
  QString theme, activeTheme;
  QRgb hotClose;  // the Hot row's Close sample
  bool operator==(const Shown&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << s.stretch << " " << s.colour.toStdString() << " " << std::hex << s.button << " " << s.gauge << " "
               << s.theme.toStdString() << " " << s.activeTheme.toStdString() << " " << s.hotClose << std::dec;
  }
};

class HistoryWindowTest : public WindowTest {
 protected:
  HistoryWindowTest() {
    if (!widgets::HasThemeName(QStringLiteral("Xito")))
      widgets::AddThemeClass(QStringLiteral("Xito"), widgets::CreateDefaultTheme);
  }
  Shown Now() {
    QApplication::processEvents();
    return {c().rbStretch->Checked(),
            c().ColorBox->currentText(),
            c().dfsColorButton->Color(),
            skin().gaugeColour,
            c().ListBox1->SelectedText(),
            widgets::ActiveThemeName(),
            c().samples[1][10]->grab().toImage().pixel(10, 10)};
  }
  void Key(QKeyCombination key) {
    QTest::keyClick(c().btnSave, key.key(), key.keyboardModifiers());
    QApplication::processEvents();
  }
};

TEST_F(HistoryWindowTest, ButtonsAndKeysStepThroughEveryStateAndTheControlsShowIt) {
  QApplication::setActiveWindow(window.get());
  c().btnSave->setFocus();
  // No command of the preview bears the history's keys: the dispatcher passes them on.
  for (QKeyCombination key : {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})
    EXPECT_EQ(window->vocabulary().ShortcutCommand(widgets::ShortcutCode(key.key(), key.keyboardModifiers())), nullptr);

  const std::vector<std::function<void()>> changes = {
      [this] { Click(c().rbStretch); },
      [this] { Pick(c().ColorBox, c().ColorBox->findText(QStringLiteral("clRed"))); },
      [this] { c().dfsColorButton->SetColor(0x00FF0000); },
      [this] { Click(c().ListBox1->viewport(), c().ListBox1->visualItemRect(c().ListBox1->item(7)).center()); },
      [this] {
        dialogs->AnswerFile(PictureFile(21, 21, 0xFF20C040));
        Click(c().samples[1][10]);
      },
  };
  std::vector<Shown> states = {Now()};
  EXPECT_FALSE(c().btnUndo->isEnabled());
  EXPECT_FALSE(c().btnRedo->isEnabled());
  for (const auto& change : changes) {
    change();
    states.push_back(Now());
    EXPECT_NE(states.back(), states[states.size() - 2]);
  }
  EXPECT_TRUE(c().btnUndo->isEnabled());
  EXPECT_FALSE(c().btnRedo->isEnabled());

  // Back with the button and Ctrl+Z in turn, forward with the button, Ctrl+Shift+Z and Ctrl+Y.
  const std::function<void()> undo[] = {[this] { Click(c().btnUndo); }, [this] { Key(Qt::CTRL | Qt::Key_Z); }};
  const std::function<void()> redo[] = {[this] { Click(c().btnRedo); },
                                        [this] { Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); },
                                        [this] { Key(Qt::CTRL | Qt::Key_Y); }};
  for (std::size_t i = states.size() - 1; i-- > 0;) {
    undo[i % 2]();
    EXPECT_EQ(Now(), states[i]) << i;
  }
  EXPECT_FALSE(c().btnUndo->isEnabled());
  EXPECT_TRUE(c().btnRedo->isEnabled());
  for (std::size_t i = 1; i < states.size(); ++i) {
    redo[i % 3]();
    EXPECT_EQ(Now(), states[i]) << i;
  }
  EXPECT_FALSE(c().btnRedo->isEnabled());
  EXPECT_TRUE(dialogs->AllAnswered());
}

// The caption names the file last saved or opened and marks unsaved changes; closing asks
// only while there are some, undoing back to the saved skin included.
TEST_F(HistoryWindowTest, CaptionAndClosingFollowTheFileAndItsChanges) {
  const std::string saved = (folder / "first.skn").string();
  const std::string other = WriteFile("second.skn", BuildSkinFile(skin()));
  const struct {
    const char* step;
    std::function<void()> run;
    QString caption;
    std::vector<SaveChanges> answers;  // to the question on closing; none: not asked
    bool closes;
  } steps[] = {
      {"start", [] {}, "Tessary 2.0", {}, true},
      {"change", [this] { Click(c().rbStretch); }, "Tessary 2.0 *", {SaveChanges::kCancel}, false},
      {"undo", [this] { Click(c().btnUndo); }, "Tessary 2.0", {}, true},
      {"redo, save",
       [&] {
         Click(c().btnRedo);
         dialogs->AnswerFile(saved);
         Click(c().btnSave);
       },
       "Tessary 2.0 - first.skn",
       {},
       true},
      {"change", [this] { Click(c().rbTopTile); }, "Tessary 2.0 - first.skn *", {SaveChanges::kDiscard}, true},
      {"open",
       [&] {
         dialogs->AnswerFile(other);
         Click(c().XP_Button3);
       },
       "Tessary 2.0 - second.skn",
       {},
       true},
      {"undo the open", [this] { Click(c().btnUndo); }, "Tessary 2.0 - first.skn *", {SaveChanges::kCancel}, false},
      {"redo the open", [this] { Click(c().btnRedo); }, "Tessary 2.0 - second.skn", {}, true},
  };
  // The compiled-in icon, decoded when first asked for: it draws the picture at any size.
  EXPECT_FALSE(window->windowIcon().isNull());
  const QImage icon = window->windowIcon().pixmap(QSize(48, 48)).toImage();
  ASSERT_EQ(icon.size(), QSize(48, 48));
  EXPECT_GT(qAlpha(icon.pixel(24, 24)), 0);
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    window->show();
    step.run();
    EXPECT_EQ(window->windowTitle(), step.caption);
    for (SaveChanges answer : step.answers) dialogs->AnswerSaveChanges(answer);
    EXPECT_EQ(window->close(), step.closes);
    EXPECT_TRUE(dialogs->AllAnswered());
  }
}

// `tessary FILE`: a skin opens and starts the history, an old skin imports, anything else
// says why in the error box and leaves the start-up skin.
TEST_F(HistoryWindowTest, FileNamedAtStartOpensOrSaysWhyNot) {
  Skin other(skin());
  other.bgTop.SetStretchBitmap(true);
  const Bytes bytes = BuildSkinFile(other);
  const SkinFileInfo info = InspectSkinFile(bytes, SkinFileFormat::kSkn);
  Bytes crs(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
  crs.erase(crs.begin() + 2, crs.begin() + 204);
  const std::string missing = (folder / "missing.skn").string();
  const std::string notes = WriteFile("notes.txt", {'h', 'i'});
  const struct {
    std::string path;
    bool opens;
    QString caption;
    std::string box;
  } cases[] = {
      {WriteFile("good.skn", bytes), true, "Tessary 2.0 - good.skn", ""},
      {WriteFile("old.CRS", crs), true, "Tessary 2.0", ""},
      {missing, false, "Tessary 2.0", "Cannot open file " + missing + "."},
      {notes, false, "Tessary 2.0",
       "Cannot open file " + notes + ": Tessary opens skin files and old skin files, whose names end in .skn or .crs."},
      {WriteFile("broken.skn", {'n', 'o'}), false, "Tessary 2.0", "Stream read error."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto scripted = std::make_unique<ScriptedDialogs>();
    const auto& boxes = scripted->boxes;
    TfrmMain fresh(std::move(scripted));
    const Bytes startup = BuildSkinFile(fresh.skin());
    EXPECT_EQ(fresh.OpenAtStartup(QString::fromStdString(c.path)), c.opens);
    EXPECT_EQ(fresh.windowTitle(), c.caption);
    EXPECT_EQ(fresh.skin().bgTop.StretchBitmap(), c.opens);
    if (!c.opens) {
      EXPECT_EQ(BuildSkinFile(fresh.skin()), startup);
    }
    EXPECT_FALSE(fresh.Modified());
    EXPECT_FALSE(fresh.history().CanUndo());
    const std::vector<Box> expected =
        c.box.empty() ? std::vector<Box>() : std::vector<Box>{{MessageBoxKind::kApplicationError, c.box}};
    EXPECT_EQ(boxes, expected);
  }
}

// The real program given a skin: it opens without a box and, unchanged, closes without a
// question when told to (either would keep it running).
TEST(EditorProgram, OpensTheFileItIsGivenAndQuitsWithoutAsking) {
  // The user's settings of this run and the skin, in a folder of the test's own.
  QTemporaryDir home;
  const std::filesystem::path file = home.filePath(QStringLiteral("given.skn")).toStdString();
  Skin skin;
  LoadStartupSkin(skin);
  SaveSkinFile(file.string(), skin);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("TESSARY_QUIT_AFTER_MS"), QStringLiteral("500"));
  // The program remembers the skin it opened in the settings.
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(TESSARY_EDITOR), {QString::fromStdString(file.string())});
  ASSERT_TRUE(process.waitForStarted(10000));
  ASSERT_TRUE(process.waitForFinished(30000)) << "the editor did not quit";
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(platform::EditorSettings(home.filePath(QStringLiteral("config/Tessary/Tessary.ini"))).RecentSkins(),
            QStringList{QString::fromStdString(file.string())});
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace tessary::app::test
