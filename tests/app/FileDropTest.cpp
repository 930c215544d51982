// Files dropped from a file manager, through synthesized drag and drop events: a picture
// on each place that takes one runs that place's command with the same checks; a skin file
// anywhere opens, an old one imports; while dragging, the indicator tells whether the place
// takes the file; a refused drop says why and changes nothing.
#include <QComboBox>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "WindowFixture.h"
#include "app/FileDrop.h"

namespace tessary::app::test {
namespace {

class DropTest : public WindowTest {
 protected:
  DropTest() {
    changed = window->editor().OnChanged([this](SkinParts changedParts) { parts |= changedParts; });
  }

  // Drags `files` over `widget` to `pos` (its coordinates); what the indicator then shows.
  const DropIndicator& DragOver(QWidget* widget, QPoint pos, const QStringList& files,
                                Qt::DropActions actions = kActions) {
    data.setUrls({});
    QList<QUrl> urls;
    for (const QString& file : files) urls << (file.startsWith(u'/') ? QUrl::fromLocalFile(file) : QUrl(file));
    data.setUrls(urls);
    QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(pos, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
    EXPECT_TRUE(move.isAccepted());
    // A copy whenever the source offers one: the file stays where it is.
    EXPECT_EQ(move.dropAction(), actions.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::MoveAction);
    return window->fileDrop().Indicator();
  }
  void Drop(QWidget* widget, QPoint pos, Qt::DropActions actions = kActions) {
    QDropEvent drop(pos, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &drop);
    QApplication::processEvents();  // the command runs once the drop is over
  }

  static constexpr Qt::DropActions kActions = Qt::CopyAction | Qt::MoveAction;
  QMimeData data;
  SkinParts parts = 0;
  Connection changed;
};

std::string PngFile(const std::filesystem::path& folder, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(qRgba(0, 80, 224, 255));
  const std::string path = (folder / "picture.png").string();
  image.save(QString::fromStdString(path));
  return path;
}

TEST_F(DropTest, EachPlaceTakesWhatItsCommandTakesAndRefusesTheRestWithAReason) {
  Skin other(skin());
  other.bgTop.SetBitmap(Bitmap::FromArgb(2, 2, std::vector<Argb>(4, 0xFF123456)));
  const std::string skn = WriteFile("other.skn", BuildSkinFile(other));
  const Bytes sknBytes = BuildSkinFile(other);
  const SkinFileInfo info = InspectSkinFile(sknBytes, SkinFileFormat::kSkn);
  Bytes crs(sknBytes.begin(), sknBytes.begin() + static_cast<std::ptrdiff_t>(info.records[8].offset));
  crs.erase(crs.begin() + 2, crs.begin() + 204);
  const std::string oldSkin = WriteFile("old.crs", crs);
  const std::string broken = WriteFile("broken.skn", {'n', 'o'});
  const std::string notes = WriteFile("notes.txt", {'h', 'i'});
  c().cbPages->SetItemIndex(5);
  c().cbOther->SetItemIndex(52);

  const auto list = [this](ImageList Skin::*member) { return PartOfList(skin(), skin().*member); };
  const auto centre = [](QWidget* w) { return w->rect().center(); };
  const auto item = [this](widgets::TTBXToolbar* bar, int slot) { return bar->ItemRect(ItemFor(*bar, slot)).center(); };
  const SkinParts oldSkinParts = (kPartFirstImageList << 6) - 1;
  const std::string oneFile = "Drop one file at a time";
  const std::string noPlace =
      "A picture goes on a sample, a sample toolbar button, a \"Change...\" button or a background button";
  const struct {
    const char* name;
    QWidget* widget;
    QPoint pos;
    QStringList files;
    bool takes;
    QString shows;      // the indicator's text
    SkinParts changes;  // what the drop changed
    std::vector<Box> boxes;
    std::function<void()> then = [] {};
    // clang-format off
  } cases[] = {
      {"Hot sample", c().samples[1][10], centre(c().samples[1][10]), {QString::fromStdString(PictureFile(21, 21))}, true,
       "Replace Hot: Close", list(&Skin::ilHot), {}},
      {"large toolbar", c().TBXToolbar1, item(c().TBXToolbar1, 20), {QString::fromStdString(PngFile(folder, 24, 24))},
       true, "Replace Large Buttons: Flash", list(&Skin::ilLButtons), {},
       [this] { EXPECT_EQ(skin().ilLButtons.ImageBitmap(20).PixelAt(9, 9), 0xFF0050E0u); }},  // the PNG's colour
      {"small toolbar", c().TBXToolbar2, item(c().TBXToolbar2, 4), {QString::fromStdString(PictureFile(16, 16))}, true,
       "Replace Small Buttons: Refresh", list(&Skin::ilSButtons), {}},
      {"tab images", c().XP_Button1, centre(c().XP_Button1), {QString::fromStdString(PictureFile(18, 18))}, true,
       "Replace the tab image selected in the list", list(&Skin::ilPage), {},
       [this] { EXPECT_EQ(skin().ilPage.ImageBitmap(5).PixelAt(9, 9), 0xFF00A0FFu); }},
      {"other images", c().XP_Button2, centre(c().XP_Button2), {QString::fromStdString(PictureFile(16, 16))}, true,
       "Replace the other image selected in the list", list(&Skin::ilMain), {}},
      {"top background", c().btnTop, centre(c().btnTop), {QString::fromStdString(PictureFile(40, 3))}, true,
       "Change the background of the top panel", kPartTopBackground, {}},
      {"bottom background", c().btnBottom, {4, 4}, {QString::fromStdString(PictureFile(40, 3))}, true,
       "Change the background of the bottom panel", kPartBottomBackground, {}},
      // The command's own checks and messages, told while hovering: the picture's header is read.
      {"wrong size", c().samples[3][0], centre(c().samples[3][0]), {QString::fromStdString(PictureFile(22, 21))}, false,
       "The size of the image should be 21*21!", 0, {{MessageBoxKind::kError, "The size of the image should be 21*21!"}}},
      {"wrong size PNG", c().TBXToolbar2, item(c().TBXToolbar2, 4), {QString::fromStdString(PngFile(folder, 24, 24))},
       false, "The size of the image should be 16*16!", 0,
       {{MessageBoxKind::kError, "The size of the image should be 16*16!"}}},
      {"no picture inside", c().samples[0][3], centre(c().samples[0][3]),
       {QString::fromStdString(WriteFile("fake.png", {'n', 'o'}))}, false, "Bitmap image is not valid.", 0,
       {{MessageBoxKind::kError, "Bitmap image is not valid."}}},
      // Skins anywhere, over any control.
      {"skin on the note", c().mmNote->viewport(), {30, 30}, {QString::fromStdString(skn)}, true, "Open other.skn",
       kPartsAll, {}},
      {"old skin on a sample", c().samples[0][0], {2, 2}, {QString::fromStdString(oldSkin)}, true, "Import old.crs",
       oldSkinParts, {}},
      {"skin on the preview's search box", window->chromeTop().cbSearchBar->lineEdit(), {3, 3},
       {QString::fromStdString(skn)}, true, "Open other.skn", kPartsAll, {},
       [this] { EXPECT_TRUE(window->chromeTop().cbSearchBar->currentText().isEmpty()); }},  // not taken as text
      {"broken skin", c().ColorBox, {3, 3}, {QString::fromStdString(broken)}, true, "Open broken.skn", 0,
       {{MessageBoxKind::kApplicationError, "Stream read error."}}},
      // Refused, each saying why.
      {"picture on the note", c().mmNote->viewport(), {30, 30}, {QString::fromStdString(PictureFile(21, 21))}, false,
       QString::fromStdString(noPlace), 0, {{MessageBoxKind::kError, noPlace}}},
      {"picture on the preview's Close button", window->chromeTop().systemButtons.back(), {5, 5},
       {QString::fromStdString(PictureFile(21, 21))}, false, QString::fromStdString(noPlace), 0,
       {{MessageBoxKind::kError, noPlace}}},
      {"picture on the example", c().GButton45, {5, 5}, {QString::fromStdString(PictureFile(21, 21))}, false,
       QString::fromStdString(noPlace), 0, {{MessageBoxKind::kError, noPlace}}},
      {"text on a sample", c().samples[1][10], {5, 5}, {QString::fromStdString(notes)}, false,
       "\"notes.txt\" is neither a picture nor a skin file (.skn, .crs)", 0,
       {{MessageBoxKind::kError, "\"notes.txt\" is neither a picture nor a skin file (.skn, .crs)"}}},
      {"two files", c().btnTop, {5, 5}, {QString::fromStdString(skn), QString::fromStdString(oldSkin)}, false,
       QString::fromStdString(oneFile), 0, {{MessageBoxKind::kError, oneFile}}},
      {"a web address", c().btnTop, {5, 5}, {QStringLiteral("https://example.org/x.png")}, false,
       "Only files on this computer can be dropped", 0,
       {{MessageBoxKind::kError, "Only files on this computer can be dropped"}}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes before = BuildSkinFile(skin());
    const DropIndicator& indicator = DragOver(c.widget, c.pos, c.files);
    EXPECT_TRUE(indicator.isVisible());
    EXPECT_EQ(indicator.Takes(), c.takes);
    EXPECT_EQ(indicator.Text(), c.shows);
    // A place that takes the picture is framed where it is.
    if (c.takes && c.changes != kPartsAll && c.changes != oldSkinParts) {
      EXPECT_TRUE(indicator.Area().contains(c.widget->mapTo(window.get(), c.pos)));
    }
    parts = 0;
    Drop(c.widget, c.pos);
    EXPECT_FALSE(indicator.isVisible());
    EXPECT_EQ(parts, c.changes);
    EXPECT_EQ(dialogs->boxes, c.boxes);
    if (c.changes == 0) {
      EXPECT_EQ(BuildSkinFile(skin()), before);
    }
    c.then();
    dialogs->boxes.clear();
  }
  EXPECT_TRUE(dialogs->fileQuestions.empty());  // no dialog asked for the file
}

// A preview bar floating in its own small window takes files as it does docked: a skin
// opens, a picture is refused with the reason; the indicator shows over that window.
TEST_F(DropTest, AFloatingPreviewBarTakesFilesAsItDoesDocked) {
  widgets::TTBXToolbar* bar = window->chromeTop().tbtButtons;
  window->show();
  bar->Float(window->mapToGlobal(QPoint(300, 300)));
  QWidget* floating = bar->window();
  ASSERT_NE(floating, window.get());
  EXPECT_TRUE(floating->acceptDrops());  // else the platform delivers no drag to it
  const std::string noPlace =
      "A picture goes on a sample, a sample toolbar button, a \"Change...\" button or a background button";
  Skin other(skin());
  other.bgBottom.SetStretchBitmap(true);
  const struct {
    std::string file;
    bool takes;
    QString shows;
    SkinParts changes;
    std::vector<Box> boxes;
  } cases[] = {
      {WriteFile("other.skn", BuildSkinFile(other)), true, "Open other.skn", kPartsAll, {}},
      {PictureFile(21, 21), false, QString::fromStdString(noPlace), 0, {{MessageBoxKind::kError, noPlace}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const QPoint pos = bar->ItemRect(bar->Items().front().get()).center();
    const DropIndicator& indicator = DragOver(bar, pos, {QString::fromStdString(c.file)});
    EXPECT_TRUE(indicator.isVisible());
    EXPECT_EQ(indicator.window(), floating);
    EXPECT_EQ(indicator.Takes(), c.takes);
    EXPECT_EQ(indicator.Text(), c.shows);
    parts = 0;
    Drop(bar, pos);
    EXPECT_FALSE(indicator.isVisible());
    EXPECT_EQ(parts, c.changes);
    EXPECT_EQ(dialogs->boxes, c.boxes);
    dialogs->boxes.clear();
  }
  EXPECT_TRUE(skin().bgBottom.StretchBitmap());
  // Docked again during a drag over it, the bar's floating window goes with the indicator
  // it showed: the next drag over the editor window still shows one.
  DragOver(bar, {5, 5}, {QString::fromStdString(PictureFile(21, 21))});
  bar->ReDock();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const DropIndicator& again = DragOver(c().btnTop, {5, 5}, {QString::fromStdString(PictureFile(40, 3))});
  EXPECT_TRUE(again.isVisible());
  EXPECT_EQ(again.window(), window.get());
}

// A drag that offers only "move" (Shift+drag in a file manager) is a file drop like any
// other, over every control: the note does not take the file's address as text, and the
// file stays where it was.
TEST_F(DropTest, AMoveOnlyDragIsTakenAsACopy) {
  Skin other(skin());
  other.bgTop.SetStretchBitmap(true);
  const std::string skn = WriteFile("other.skn", BuildSkinFile(other));
  const QString note = c().mmNote->toPlainText();
  const DropIndicator& indicator =
      DragOver(c().mmNote->viewport(), {30, 30}, {QString::fromStdString(skn)}, Qt::MoveAction);
  EXPECT_TRUE(indicator.Takes());
  Drop(c().mmNote->viewport(), {30, 30}, Qt::MoveAction);
  EXPECT_EQ(c().mmNote->toPlainText(), note);
  EXPECT_TRUE(skin().bgTop.StretchBitmap());

  const std::string picture = PictureFile(21, 21, 0xFF102030);
  DragOver(c().samples[1][10], {5, 5}, {QString::fromStdString(picture)}, Qt::MoveAction);
  Drop(c().samples[1][10], {5, 5}, Qt::MoveAction);
  EXPECT_EQ(skin().ilHot.ImageBitmap(0).PixelAt(3, 3), 0xFF102030u);
  EXPECT_TRUE(std::filesystem::exists(picture));
  EXPECT_TRUE(std::filesystem::exists(skn));
  EXPECT_TRUE(dialogs->boxes.empty());
}

// Leaving the window takes the indicator away.
TEST_F(DropTest, LeavingTheWindowHidesTheIndicator) {
  const DropIndicator& indicator = DragOver(c().btnTop, {5, 5}, {QString::fromStdString(PictureFile(3, 3))});
  EXPECT_TRUE(indicator.isVisible());
  QDragLeaveEvent leave;
  QApplication::sendEvent(window.get(), &leave);
  EXPECT_FALSE(indicator.isVisible());
}

}  // namespace
}  // namespace tessary::app::test
