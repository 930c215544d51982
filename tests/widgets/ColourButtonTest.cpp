// The colour button and its palette driven by mouse and keyboard: where the palette opens
// and what it highlights, picks by click, Enter and the colour dialog, the change event only
// on a real change, the click that closes the palette not opening it again, hints, the face,
// and what screen readers see.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHelpEvent>
#include <QToolTip>

#include "ControlsFixture.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/PaletteLayout.h"
#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TdfsColorButton.h"

namespace tessary::widgets::testing {
namespace {

class ColourButton : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    button = new TdfsColorButton(window.get());
    button->setGeometry(107, 24, 142, 22);
    button->SetColor(0x00996633);
    button->SetOtherColor(0x00996633);
    button->show();
    QObject::connect(button, &TdfsColorButton::ColorChange, [this] { ++changes; });
  }

  TDFSColorButtonPalette* Open() {
    Click(button, {20, 10});
    return button->Palette();
  }

  // The point of a palette cell, in palette coordinates.
  static QPoint At(PaletteCell cell) { return palette::CellRect(cell).center(); }

  TdfsColorButton* button = nullptr;
  int changes = 0;
};

TEST_F(ColourButton, OpensBelowItselfWithTheCurrentColourHighlightedOrOffered) {
  TDFSColorButtonPalette* palette = Open();
  ASSERT_NE(palette, nullptr);
  EXPECT_TRUE(palette->isVisible());
  EXPECT_EQ(palette->geometry(), QRect(button->mapToGlobal(QPoint(0, 22)), QSize(72, 121)));
  // 0x00996633 is in no cell: offered in the other cell, nothing highlighted.
  EXPECT_TRUE(palette->Highlighted().IsNone());
  EXPECT_EQ(palette->OtherColour(), 0x00996633u);
  palette->Dismiss();
  EXPECT_EQ(button->Palette(), nullptr);

  button->SetColor(0x0000FFFF);  // yellow: column 3, row 2
  button->SetOtherColor(clBtnFace);
  palette = Open();
  EXPECT_TRUE(palette->Highlighted().Same({3, 2}));
  EXPECT_EQ(palette->OtherColour(), clBtnFace);
}

TEST_F(ColourButton, APickSetsTheColourAndRaisesTheEventOnlyOnAChange) {
  Click(Open(), At({1, 1}));  // white
  EXPECT_EQ(button->Color(), clWhite);
  EXPECT_EQ(button->Palette(), nullptr);
  EXPECT_EQ(changes, 1);
  Click(Open(), At({1, 1}));  // white again
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(button->OtherColor(), 0x00996633u) << "a palette cell leaves the other colour";
  Click(Open(), {36, 92});  // between the cells and the button: closes without a pick
  EXPECT_EQ(button->Palette(), nullptr);
  EXPECT_EQ(changes, 1);
  button->RaiseColorChange();
  EXPECT_EQ(changes, 2);
}

TEST_F(ColourButton, KeyboardWalksPicksAndEscapes) {
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  TDFSColorButtonPalette* palette = button->Palette();
  ASSERT_NE(palette, nullptr);
  QTest::keyClick(palette, Qt::Key_Escape);  // nothing changes
  EXPECT_EQ(button->Palette(), nullptr);
  EXPECT_EQ(button->Color(), 0x00996633u);
  EXPECT_EQ(changes, 0);

  button->SetColor(0x00000000);  // black: (2, 1)
  QTest::keyClick(button, Qt::Key_Down, Qt::AltModifier);
  palette = button->Palette();
  ASSERT_NE(palette, nullptr);
  for (int i = 0; i < 5; ++i) QTest::keyClick(palette, Qt::Key_Down);
  EXPECT_TRUE(palette->Highlighted().IsOther());
  QTest::keyClick(palette, Qt::Key_Return);  // the other colour, which was 0x00996633
  EXPECT_EQ(button->Color(), 0x00996633u);
  EXPECT_EQ(button->OtherColor(), 0x00996633u);

  QTest::keyClick(button, Qt::Key_Return);
  palette = button->Palette();
  QTest::keyClick(palette, Qt::Key_Right);  // no highlight: any arrow goes to (1, 1)
  QTest::keyClick(palette, Qt::Key_Right);
  QTest::keyClick(palette, Qt::Key_Enter);
  EXPECT_EQ(button->Color(), 0x00000000u);
}

TEST_F(ColourButton, OtherRunsTheColourDialogWithTheCustomColours) {
  Colour offered = 0;
  QStringList entriesOffered;
  bool confirm = false;
  button->SetColourDialog([&](Colour& colour, QStringList& custom) {
    offered = colour;
    entriesOffered = custom;
    if (!confirm) return false;
    colour = 0x00123456;
    custom[3] = "ColorD=00ABCDEF";
    custom[9] = "ColorJ=nonsense";
    return true;
  });
  TDFSColorButtonPalette* palette = Open();
  palette->OtherButton()->Click();  // cancelled: the palette stays open, nothing changes
  EXPECT_EQ(offered, 0x00996633u);
  ASSERT_EQ(entriesOffered.size(), 16);
  EXPECT_EQ(entriesOffered[0], "ColorA=00FFFFFF");
  ASSERT_EQ(button->Palette(), palette);
  EXPECT_TRUE(palette->isVisible());
  EXPECT_EQ(changes, 0);

  confirm = true;
  QTest::keyClick(palette, Qt::Key_O, Qt::AltModifier);  // the accelerator of "&Other"
  EXPECT_EQ(button->Palette(), nullptr);
  EXPECT_EQ(button->Color(), 0x00123456u);
  EXPECT_EQ(button->OtherColor(), 0x00123456u);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(button->CustomColors().At(4, 1), 0x00ABCDEFu);
  EXPECT_EQ(button->CustomColors().At(2, 2), clWhite);
  EXPECT_EQ(CustomColourEntries(button->CustomColors())[3], "ColorD=00ABCDEF") << "kept for the next dialog";
}

TEST_F(ColourButton, TheClickThatClosesThePaletteDoesNotOpenItAgain) {
  ASSERT_NE(Open(), nullptr);
  // The platform sends the press to the open popup, which closes; the press is not handed
  // on to the button under the mouse.
  QWindow* windowHandle = window->windowHandle();
  const QPoint onButton = button->mapTo(window.get(), QPoint(30, 10));
  QTest::mousePress(windowHandle, Qt::LeftButton, {}, onButton);
  QTest::mouseRelease(windowHandle, Qt::LeftButton, {}, onButton);
  QApplication::processEvents();
  EXPECT_EQ(button->Palette(), nullptr);
  // The next click opens it.
  QTest::mouseClick(windowHandle, Qt::LeftButton, {}, onButton);
  QApplication::processEvents();
  EXPECT_NE(button->Palette(), nullptr);
}

TEST_F(ColourButton, CellsHintTheirColourOverTheirSquare) {
  TDFSColorButtonPalette* palette = Open();
  const QPoint cell = At({1, 2});
  QHelpEvent help(QEvent::ToolTip, cell, palette->mapToGlobal(cell));
  QApplication::sendEvent(palette, &help);
  EXPECT_EQ(QToolTip::text(), "RGB = 255 000 000");
  QToolTip::hideText();
}

TEST_F(ColourButton, TheFaceShowsTheColourInAFramedSwatch) {
  const QImage face = button->grab().toImage();
  EXPECT_EQ(face.pixel(60, 11), qRgb(0x33, 0x66, 0x99));
  EXPECT_EQ(face.pixel(6, 11), qRgb(0, 0, 0)) << "the swatch frame";
  EXPECT_EQ(face.pixel(125, 11), qRgb(0, 0, 0));
  EXPECT_EQ(face.pixel(128, 11), ToQColor(clBtnShadow).rgb()) << "the etched line";
  EXPECT_EQ(face.pixel(129, 11), ToQColor(clBtnHighlight).rgb());
  button->setEnabled(false);
  const QImage disabled = button->grab().toImage();
  EXPECT_NE(disabled.pixel(60, 11), disabled.pixel(61, 11)) << "a pattern instead of the colour";
}

TEST_F(ColourButton, ScreenReadersSeeTheColourAndEachCellAndCanPick) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->text(QAccessible::Value), "RGB = 051 102 153");
  face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // the click is queued
  TDFSColorButtonPalette* palette = button->Palette();
  ASSERT_NE(palette, nullptr);
  EXPECT_TRUE(face->state().expanded);

  QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(palette);
  ASSERT_EQ(cells->childCount(), 22);  // 20 cells, the other cell, the push button
  EXPECT_EQ(cells->child(0)->text(QAccessible::Name), "RGB = 255 255 255");
  EXPECT_EQ(cells->child(20)->text(QAccessible::Name), "RGB = 051 102 153");
  EXPECT_EQ(cells->child(21)->text(QAccessible::Name), "Other");
  EXPECT_EQ(cells->indexOfChild(cells->child(7)), 7);
  QTest::keyClick(palette, Qt::Key_Down);
  EXPECT_TRUE(cells->child(0)->state().focused);
  cells->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());  // (2, 1): black
  QCoreApplication::processEvents();
  EXPECT_EQ(button->Color(), 0x00000000u);
  EXPECT_EQ(button->Palette(), nullptr);
}

}  // namespace
}  // namespace tessary::widgets::testing
