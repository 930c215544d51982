// The image drop-down list: heights from the font and the image list, the drawing rule of an
// entry, Change only for the user's choice, a replaced image at the next repaint, a list
// that is destroyed, and what screen readers read.
#include <QAbstractItemView>
#include <QAccessible>
#include <QPainter>

#include "ControlsFixture.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/TJvImageComboBox.h"

namespace tessary::widgets::testing {
namespace {

class ImageCombo : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    pages = SolidList(18, 10);
    combo = new TJvImageComboBox(window.get());
    combo->SetImageList(pages.get());
    std::vector<ImageComboItem> items;
    for (int i = 0; i < 10; ++i) items.push_back({" ", i, 0});
    combo->SetItems(items);
    combo->SetDropDownCount(10);
    combo->SetDroppedWidth(145);
    combo->SetItemIndex(0);
    combo->setGeometry(77, 36, 44, 24);
    combo->show();
    QObject::connect(combo, &TJvImageComboBox::Change, [this] { ++changes; });
  }

  // One entry drawn on its own, 145 x EntryHeight.
  QImage Entry(int index, bool selected) {
    QImage image(145, combo->EntryHeight(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    combo->DrawEntry(p, index, image.rect(), selected);
    return image;
  }

  std::unique_ptr<ImageList> pages;
  TJvImageComboBox* combo = nullptr;
  int changes = 0;
};

TEST_F(ImageCombo, FieldAndEntryHeightsFollowTheFontAndTheImages) {
  auto main = SolidList(16, 59);
  const struct {
    int fontPixels;
    const ImageList* list;
  } cases[] = {{11, pages.get()}, {11, main.get()}, {30, pages.get()}, {30, nullptr}, {8, nullptr}};
  for (const auto& c : cases) {
    QFont font = combo->font();
    font.setPixelSize(c.fontPixels);
    combo->setFont(font);
    combo->SetImageList(c.list);
    const int text = QFontMetrics(font).height();
    const int image = c.list != nullptr ? c.list->Height() : 0;
    SCOPED_TRACE(::testing::Message() << c.fontPixels << " px, images " << image);
    EXPECT_EQ(combo->FieldHeight(), std::max(text + 4, image + 4));
    EXPECT_EQ(combo->EntryHeight(), std::max(text + 2, image));
    EXPECT_EQ(combo->height(), combo->FieldHeight() + 2);
    // The open list lays its entries out at that height.
    combo->showPopup();
    EXPECT_EQ(combo->view()->visualRect(combo->model()->index(1, 0)).height(), combo->EntryHeight());
    EXPECT_GE(combo->view()->width(), 145 - 2);
    combo->hidePopup();
  }
}

TEST_F(ImageCombo, AnEntryShowsItsImageThenASmallHighlightedBoxWhenSelected) {
  const QRgb white = ToQColor(clWindow).rgb();
  const QRgb highlight = ToQColor(clHighlight).rgb();
  const int boxLeft = 18 + 8 - 2;  // the image at 2, the text 8 past the image's width, widened by 2
  const int boxRight = boxLeft + combo->fontMetrics().horizontalAdvance(" ") + 4 - 1;

  QImage selected = Entry(3, true);
  EXPECT_EQ(selected.pixel(10, 9), CellColour(3)) << "the image on the normal background";
  EXPECT_EQ(selected.pixel(1, 9), white);
  EXPECT_EQ(selected.pixel(boxLeft + 1, 9), highlight);
  EXPECT_EQ(selected.pixel(boxRight - 1, 9), highlight);
  EXPECT_EQ(selected.pixel(boxRight + 1, 9), white);
  EXPECT_EQ(Entry(3, false).pixel(boxLeft + 1, 9), white);

  // A slot beyond the list: no image, the box where it would be with one.
  combo->AddItem({" ", 40, 0});
  selected = Entry(10, true);
  EXPECT_EQ(selected.pixel(10, 9), white);
  EXPECT_EQ(selected.pixel(boxLeft + 1, 9), highlight);

  // Indent moves everything; an empty text highlights the rest of the line.
  combo->AddItem({"", 1, 5});
  selected = Entry(11, true);
  EXPECT_EQ(selected.pixel(2 + 5, 9), CellColour(1));
  EXPECT_EQ(selected.pixel(1 + 5, 9), white);
  EXPECT_EQ(selected.pixel(5 + 26 + 1, 9), highlight);
  EXPECT_EQ(selected.pixel(140, 9), highlight);
}

TEST_F(ImageCombo, ALongTextStaysInsideItsEntryAndLeavesTheDropDownButtonAlone) {
  combo->AddItem({"Left Side Band Close Button", 2, 0});
  const QImage spaceOnly = combo->grab().toImage();
  combo->SetItemIndex(10);
  const QImage longText = combo->grab().toImage();
  const QRect field = combo->FieldRect();
  for (int y = 0; y < combo->height(); ++y)
    for (int x = field.right() + 1; x < combo->width(); ++x)
      ASSERT_EQ(longText.pixel(x, y), spaceOnly.pixel(x, y)) << "the button at " << x << "," << y;
  // Drawn on its own, an entry keeps to its rectangle too.
  QImage image(60, combo->EntryHeight(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  combo->DrawEntry(p, 10, QRect(0, 0, 40, image.height()), true);
  p.end();
  for (int y = 0; y < image.height(); ++y) EXPECT_EQ(image.pixel(45, y), 0xFF000000u) << y;
}

TEST_F(ImageCombo, ChangeIsRaisedOnlyWhenTheUserSelectsAnotherEntry) {
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
  combo->SetItemIndex(5);  // in code
  EXPECT_EQ(changes, 1);
  QTest::keyClick(combo, Qt::Key_Up);
  EXPECT_EQ(combo->ItemIndex(), 4);
  EXPECT_EQ(changes, 2);
  emit combo->activated(4);  // the user chose the entry that was selected
  EXPECT_EQ(changes, 2);
  combo->SetItemIndex(7);
  emit combo->activated(7);
  EXPECT_EQ(changes, 2);
}

TEST_F(ImageCombo, AReplacedImageShowsAtTheNextRepaint) {
  combo->SetItemIndex(3);
  const QPoint imagePixel = combo->FieldRect().topLeft() + QPoint(2 + 9, combo->FieldRect().height() / 2);
  EXPECT_EQ(combo->grab().toImage().pixel(imagePixel), CellColour(3));
  std::vector<Argb> red(18 * 18, 0xFFFF0000u);
  pages->ReplaceImage(3, Bitmap::FromArgb(18, 18, red), clNone);
  EXPECT_EQ(combo->grab().toImage().pixel(imagePixel), 0xFFFF0000u);
}

TEST_F(ImageCombo, ForgetsADestroyedListAndFollowsItsEnabledState) {
  pages.reset();
  EXPECT_EQ(combo->ImageList(), nullptr);
  EXPECT_EQ(combo->EntryHeight(), combo->fontMetrics().height() + 2);
  (void)combo->grab();  // draws without the list

  combo->setEnabled(false);
  EXPECT_EQ(combo->Color(), clBtnFace);
  combo->setEnabled(true);
  EXPECT_EQ(combo->Color(), clWindow);
}

TEST_F(ImageCombo, ScreenReadersReadTheSelectedEntry) {
  combo->AddItem({"Popup Blocker", 3, 0});
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(combo);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::ComboBox);
  combo->SetItemIndex(2);
  EXPECT_EQ(access->text(QAccessible::Value), "Image 2");
  combo->SetItemIndex(10);
  EXPECT_EQ(access->text(QAccessible::Value), "Popup Blocker");
  EXPECT_EQ(combo->Item(10).text, "Popup Blocker");
  EXPECT_EQ(combo->Item(2).text, " ");
}

}  // namespace
}  // namespace tessary::widgets::testing
