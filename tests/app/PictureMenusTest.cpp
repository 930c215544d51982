// The context menus of the panel's places, as a user reaches them (right click, the Menu
// key, Shift+F10) and as a screen reader sees them (named items, disabled ones marked);
// each entry run from the menu, the changing ones one undo step each; the system
// clipboard round trip; an exported PNG picked again gives the same image; the link mark.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "WindowFixture.h"
#include "app/LinkMarks.h"
#include "app/PictureMenus.h"

namespace tessary::app::test {
namespace {

class MenuTest : public WindowTest {
 protected:
  MenuTest() { QApplication::setActiveWindow(window.get()); }
  ~MenuTest() override {
    if (QMenu* open = window->pictureMenus().OpenedMenu()) open->close();
  }

  QMenu* RightClick(QWidget* widget, QPoint pos) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &request);
    return window->pictureMenus().OpenedMenu();
  }
  QMenu* Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(window.get());  // a closed menu may leave no window active
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
    return window->pictureMenus().OpenedMenu();
  }
  // The menu's entries as a screen reader reads them: "Name" or "(Name)" when disabled.
  static QStringList Read(QMenu* menu) {
    QStringList entries;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
      QAccessibleInterface* item = list->child(i);
      if (item->role() == QAccessible::Separator) continue;
      const QString name = item->text(QAccessible::Name);
      entries << (item->state().disabled ? QStringLiteral("(%1)").arg(name) : name);
    }
    return entries;
  }
  // Chooses the entry named `caption`; it runs once the menu closed.
  void Choose(QMenu* menu, const QString& caption) {
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text() != caption) continue;
      ASSERT_TRUE(action->isEnabled()) << caption.toStdString();
      action->trigger();
      menu->close();
      QApplication::processEvents();
      return;
    }
    FAIL() << "no entry " << caption.toStdString();
  }
  QPoint ItemCentre(widgets::TTBXToolbar* bar, int slot) { return bar->ItemRect(ItemFor(*bar, slot)).center(); }
};

TEST_F(MenuTest, EveryPlaceHasItsMenuByMouseMenuKeyAndShiftF10) {
  const QStringList slot = {"Replace Image...",    "Export Image...", "Copy Image", "(Paste Image)",
                            "(Revert to Default)", "Edit Externally", "(Unlink)"};
  const QStringList background = {"(Export Image...)", "(Copy Image)",      "(Paste Image)",
                                  "(Remove Picture)",  "(Edit Externally)", "(Unlink)"};
  QGuiApplication::clipboard()->clear();
  const struct {
    const char* name;
    std::function<QMenu*()> open;
    QStringList entries;
  } cases[] = {
      {"Hot sample, right click",
       [&] {
         return RightClick(c().samples[1][10], {3, 3});
       },
       slot},
      {"Down sample, Menu key", [&] { return Key(c().samples[2][0], Qt::Key_Menu); }, slot},
      {"Disabled sample, Shift+F10", [&] { return Key(c().samples[3][4], Qt::Key_F10, Qt::ShiftModifier); }, slot},
      {"large toolbar item", [&] { return RightClick(c().TBXToolbar1, ItemCentre(c().TBXToolbar1, 20)); }, slot},
      {"small toolbar, keyboard item", [&] { return Key(c().TBXToolbar2, Qt::Key_Menu); }, slot},
      {"tab images", [&] { return Key(c().cbPages, Qt::Key_F10, Qt::ShiftModifier); }, slot},
      {"other images' button",
       [&] {
         return RightClick(c().XP_Button2, {4, 4});
       },
       slot},
      {"top background",
       [&] {
         return RightClick(c().btnTop, {4, 4});
       },
       background},
      {"bottom background", [&] { return Key(c().btnBottom, Qt::Key_Menu); }, background},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QMenu* menu = c.open();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Read(menu), c.entries);
    menu->close();
    QApplication::processEvents();
  }
  // The example illustrates; the note is no place.
  EXPECT_EQ(RightClick(c().GButton45, {3, 3}), nullptr);
  EXPECT_EQ(Key(c().mmNote, Qt::Key_Menu), nullptr);
  EXPECT_TRUE(dialogs->boxes.empty());
}

TEST_F(MenuTest, EachEntryRunsFromTheMenuAndEveryChangeIsOneUndoStep) {
  const Bytes start = BuildSkinFile(skin());
  std::vector<Bytes> states;
  const auto stepped = [&] {
    states.push_back(BuildSkinFile(skin()));
    EXPECT_EQ(window->history().UndoCount(), states.size());
  };
  QWidget* hotClose = c().samples[1][10];  // slot 0 of ilHot
  QWidget* hotMin = c().samples[1][8];     // slot 2

  // Replace, then back to the start-up image.
  dialogs->AnswerFile(PictureFile(21, 21, 0xFF204060));
  Choose(RightClick(hotClose, {3, 3}), QStringLiteral("Replace Image..."));
  stepped();
  EXPECT_EQ(skin().ilHot.ImageBitmap(0).PixelAt(5, 5), 0xFF204060u);
  Choose(RightClick(hotClose, {3, 3}), QStringLiteral("Revert to Default"));
  stepped();
  EXPECT_EQ(BuildSkinFile(skin()), start);

  // Copy one sample, paste it on another: the system clipboard carries it with alpha.
  Choose(RightClick(hotClose, {3, 3}), QStringLiteral("Copy Image"));
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(21, 21));
  EXPECT_EQ(qAlpha(copied.pixel(0, 20)), 0);  // the frame, the colour of the corner, is transparent
  EXPECT_EQ(qAlpha(copied.pixel(10, 10)), 255);
  Choose(RightClick(hotMin, {3, 3}), QStringLiteral("Paste Image"));
  stepped();
  EXPECT_EQ(skin().ilHot.ImageAt(2).pixels, skin().ilHot.ImageAt(0).pixels);
  // A picture from elsewhere on the clipboard takes the size rule of the place.
  QImage foreign(24, 24, QImage::Format_ARGB32);
  foreign.fill(qRgba(200, 10, 10, 255));
  QGuiApplication::clipboard()->setImage(foreign);
  Choose(RightClick(c().TBXToolbar1, ItemCentre(c().TBXToolbar1, 3)), QStringLiteral("Paste Image"));
  stepped();
  EXPECT_EQ(skin().ilLButtons.ImageBitmap(3).PixelAt(0, 0), 0xFFC80A0Au);
  Choose(RightClick(hotMin, {3, 3}), QStringLiteral("Paste Image"));
  EXPECT_EQ(dialogs->boxes, (std::vector<Box>{{MessageBoxKind::kError, "The size of the image should be 21*21!"}}));
  dialogs->boxes.clear();

  // The dock picture: pasted, exported as PNG and picked again, removed.
  QImage picture(40, 6, QImage::Format_ARGB32);
  picture.fill(qRgb(10, 120, 30));
  picture.setPixel(3, 2, qRgb(250, 250, 0));
  QGuiApplication::clipboard()->setImage(picture);
  Choose(RightClick(c().btnTop, {4, 4}), QStringLiteral("Paste Image"));
  stepped();
  const std::string exported = (folder / "top.png").string();
  dialogs->AnswerFile(exported);
  Choose(RightClick(c().btnTop, {4, 4}), QStringLiteral("Export Image..."));
  EXPECT_EQ(dialogs->fileQuestions.back(), FileDialogId::ExportDialog);
  EXPECT_EQ(QImage(QString::fromStdString(exported)).convertToFormat(QImage::Format_RGB32),
            picture.convertToFormat(QImage::Format_RGB32));
  Choose(RightClick(c().btnTop, {4, 4}), QStringLiteral("Remove Picture"));
  stepped();
  EXPECT_TRUE(skin().bgTop.GetBitmap().IsEmpty());
  window->editor().ChangeBackgroundFromFile(Background::bgTop, exported);
  stepped();
  EXPECT_EQ(skin().bgTop.GetBitmap().PixelAt(3, 2), 0xFFFAFA00u);

  // Every step undone gives back each state before it, down to the start.
  for (std::size_t i = states.size(); i-- > 0;) {
    EXPECT_EQ(BuildSkinFile(skin()), states[i]);
    window->history().Undo();
  }
  EXPECT_EQ(BuildSkinFile(skin()), start);
  EXPECT_TRUE(dialogs->boxes.empty());
}

TEST_F(MenuTest, AnExportedPngPickedAgainWithReplaceGivesTheSameImage) {
  // A tab image (white is its transparent colour, and it has white pixels of its own) and
  // a large button (fuchsia), each through the PNG the export writes.
  const struct {
    QWidget* widget;
    QPoint pos;
    const ImageList& list;
    int slot;
  } cases[] = {
      {c().cbPages, {4, 4}, skin().ilPage, 0},
      {c().TBXToolbar1, ItemCentre(c().TBXToolbar1, 5), skin().ilLButtons, 5},
      {c().samples[0][10], {3, 3}, skin().ilImages, 0},
  };
  int round = 0;
  for (const auto& c : cases) {
    const ImageList::Image before = c.list.ImageAt(c.slot);
    // A file of its own: the one picked before is watched, linked to the place it went to.
    const std::string path = (folder / ("exported-" + std::to_string(++round) + ".png")).string();
    dialogs->AnswerFile(path);
    Choose(RightClick(c.widget, c.pos), QStringLiteral("Export Image..."));
    EXPECT_TRUE(QImage(QString::fromStdString(path)).hasAlphaChannel());
    dialogs->AnswerFile(PictureFile(c.list.Width(), c.list.Height()));
    Choose(RightClick(c.widget, c.pos), QStringLiteral("Replace Image..."));
    ASSERT_NE(c.list.ImageAt(c.slot).pixels, before.pixels);
    dialogs->AnswerFile(path);
    Choose(RightClick(c.widget, c.pos), QStringLiteral("Replace Image..."));
    EXPECT_EQ(c.list.ImageAt(c.slot).pixels, before.pixels);
    EXPECT_EQ(c.list.ImageAt(c.slot).mask, before.mask);
  }
  EXPECT_TRUE(dialogs->boxes.empty());
}

TEST_F(MenuTest, EditExternallyOpensAWorkingFileMarksThePlaceAndUnlinkTakesTheMarkAway) {
  c().cbOther->SetItemIndex(52);
  Choose(RightClick(c().cbOther, {4, 4}), QStringLiteral("Edit Externally"));
  ASSERT_EQ(imageEditor->opened.size(), 1u);
  const QString working = QString::fromStdString(imageEditor->opened.front());
  EXPECT_TRUE(working.startsWith(scratch.filePath(QStringLiteral("cache"))));
  EXPECT_TRUE(working.endsWith(QStringLiteral("ilMain-52.png")));
  EXPECT_TRUE(QImage(working).hasAlphaChannel());
  EXPECT_TRUE(window->fileWatcher().Files().contains(working));
  // The mark: on the list while the linked entry is selected.
  ASSERT_EQ(window->linkMarks().Marks().size(), 1u);
  EXPECT_EQ(window->linkMarks().Marks().front()->parentWidget(), c().cbOther);
  EXPECT_EQ(c().cbOther->accessibleDescription(), QStringLiteral("Linked to ilMain-52.png"));
  c().cbOther->SetItemIndex(3);
  QApplication::processEvents();
  EXPECT_TRUE(window->linkMarks().Marks().empty());
  c().cbOther->SetItemIndex(52);
  QApplication::processEvents();
  QMenu* menu = RightClick(c().XP_Button2, {4, 4});
  EXPECT_EQ(Read(menu).last(), QStringLiteral("Unlink"));
  Choose(menu, QStringLiteral("Unlink"));
  EXPECT_TRUE(window->linkMarks().Marks().empty());
  EXPECT_TRUE(window->fileWatcher().Files().isEmpty());
  EXPECT_TRUE(c().cbOther->accessibleDescription().isEmpty());
  EXPECT_EQ(window->history().UndoCount(), 0u);  // none of it changed the skin
}

}  // namespace
}  // namespace tessary::app::test
