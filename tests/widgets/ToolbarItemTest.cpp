// Items on a toolbar: which image they show (own list and slot, the bar's list and the
// command's slot, nothing past the end), repaint when a list changes, clicks on buttons,
// split buttons and drop-down entries, and tooltips.
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

#include "ToolbarFixture.h"
#include "widgets/Command.h"
#include "widgets/CommandList.h"
#include "widgets/ItemPainter.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXLabelItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::widgets::testing {
namespace {

// Counts paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

class ToolbarItems : public DockWindowTest {
 protected:
  void SetUp() override {
    DockWindowTest::SetUp();
    bar = new TTBXToolbar;
    bar->SetImages(images.get());
  }

  TTBXItem& AddButton(int slot, DisplayMode mode = DisplayMode::ImageOnly) {
    auto& item = bar->Add(std::make_unique<TTBXItem>());
    item.SetImageIndex(slot);
    item.SetDisplay(mode);
    return item;
  }

  void Dock() {
    bar->DockTo(top, 0);
    Settle();
  }

  // The colour at the centre of an item's image (image-only items centre their image).
  QRgb ImagePixel(const TTBCustomItem& item) {
    const QImage shot = bar->grab().toImage();
    return shot.pixel(bar->ItemRect(&item).center());
  }

  TTBXToolbar* bar = nullptr;
};

TEST_F(ToolbarItems, ImageFromTheBarListOrTheItemsOwnListAndNothingPastTheEnd) {
  CommandList commands;
  Command& command = commands.Add("cmd");
  command.SetImageIndex(2);
  auto own = SolidList(16, 6);
  own->ReplaceImage(5, Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF102030u)), clNone);

  auto& fromCommand = bar->Add(std::make_unique<TTBXItem>());
  fromCommand.SetCommand(&command);
  fromCommand.SetDisplay(DisplayMode::ImageOnly);
  TTBXItem& ownList = AddButton(5);
  ownList.SetImages(own.get());  // own list and own slot
  TTBXItem& ownListCommandSlot = bar->Add(std::make_unique<TTBXItem>());
  ownListCommandSlot.SetCommand(&command);
  ownListCommandSlot.SetImages(own.get());  // own list, the command's slot
  TTBXItem& pastTheEnd = AddButton(4);      // the bar's list has 4 images
  TTBXItem& blank = AddButton(-1);
  Dock();

  EXPECT_EQ(ImagePixel(fromCommand), CellColour(2));
  EXPECT_EQ(ImagePixel(ownList), 0xFF102030u);
  EXPECT_EQ(ImagePixel(ownListCommandSlot), CellColour(2));
  // No image: the item shows the bar's own face, as an item with no slot at all does.
  EXPECT_EQ(ImagePixel(pastTheEnd), ImagePixel(blank));
  EXPECT_NE(ImagePixel(pastTheEnd), CellColour(0));
}

TEST_F(ToolbarItems, MaskedPixelsLetTheBarShowThrough) {
  // Left half fuchsia (masked), right half a colour.
  std::vector<Argb> pixels(256);
  for (std::size_t i = 0; i < 256; ++i) pixels[i] = (i % 16) < 8 ? 0xFFFF00FFu : 0xFF20A040u;
  auto masked = std::make_unique<ImageList>(16, 16);
  masked->AppendImage(Bitmap::FromArgb(16, 16, pixels), clFuchsia);
  TTBXItem& item = AddButton(0);
  item.SetImages(masked.get());
  TTBXItem& blank = AddButton(-1);
  Dock();
  const QImage shot = bar->grab().toImage();
  const QRect image(bar->ItemRect(&item).center() - QPoint(7, 7), QSize(16, 16));
  const QPoint inBlank = bar->ItemRect(&blank).center();
  EXPECT_EQ(shot.pixel(image.left() + 2, image.top() + 8), shot.pixel(inBlank));
  EXPECT_EQ(shot.pixel(image.left() + 12, image.top() + 8), 0xFF20A040u);
}

TEST_F(ToolbarItems, ANewListAtAFreedListsAddressIsNotServedTheOldPictures) {
  // Two lists made one after the other in the same storage: same address, same generation.
  alignas(ImageList) unsigned char storage[sizeof(ImageList)];
  auto* old = new (storage) ImageList(16, 16);
  old->AppendImage(Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF112233u)), clNone);
  TTBXItem& item = AddButton(0);
  item.SetImages(old);
  Dock();
  EXPECT_EQ(ImagePixel(item), 0xFF112233u);
  item.SetImages(nullptr);
  old->~ImageList();
  auto* fresh = new (storage) ImageList(16, 16);
  fresh->AppendImage(Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF445566u)), clNone);
  ASSERT_EQ(static_cast<void*>(fresh), static_cast<void*>(old));
  item.SetImages(fresh);
  EXPECT_EQ(ImagePixel(item), 0xFF445566u);
  item.SetImages(nullptr);
  fresh->~ImageList();
}

TEST_F(ToolbarItems, AnImageListChangeRepaintsTheBarWithTheNewPicture) {
  TTBXItem& item = AddButton(1);
  Dock();
  EXPECT_EQ(ImagePixel(item), CellColour(1));
  PaintCounter paints(bar);
  Settle();
  paints.count = 0;
  images->ReplaceImage(1, Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF405060u)), clNone);
  Settle();
  EXPECT_GE(paints.count, 1);
  EXPECT_EQ(ImagePixel(item), 0xFF405060u);
  // A list with larger images makes the item larger.
  const int before = bar->ItemRect(&item).width();
  images->Assign(*SolidList(24, 4));
  Settle();
  EXPECT_EQ(bar->ItemRect(&item).width(), before + 8);
}

TEST_F(ToolbarItems, EveryItemShowsItsSlotAfterEveryChangeOfTheList) {
  // Pictures are made when first shown; after each change every item must show what the
  // list now holds in its slot (a slot gone shows the bar's face), painted twice.
  std::vector<TTBXItem*> items;
  for (int slot = 0; slot < 4; ++slot) items.push_back(&AddButton(slot));
  TTBXItem& blank = AddButton(-1);
  Dock();
  constexpr QRgb kNoPicture = 0;
  const auto solid = [](QRgb colour) { return Bitmap::FromArgb(16, 16, std::vector<Argb>(256, colour)); };
  struct Step {
    const char* what;
    std::function<void(ImageList&)> change;
    std::vector<QRgb> shown;  // per slot 0..3
  };
  const std::vector<Step> steps = {
      {"as made", [](ImageList&) {}, {CellColour(0), CellColour(1), CellColour(2), CellColour(3)}},
      {"one replaced",
       [&](ImageList& list) { list.ReplaceImage(2, solid(0xFF405060u), clNone); },
       {CellColour(0), CellColour(1), 0xFF405060u, CellColour(3)}},
      {"emptied", [](ImageList& list) { list.Clear(); }, {kNoPicture, kNoPicture, kNoPicture, kNoPicture}},
      {"two added",
       [&](ImageList& list) {
         list.AppendImage(solid(0xFF102030u), clNone);
         list.AppendImage(solid(0xFF203040u), clNone);
       },
       {0xFF102030u, 0xFF203040u, kNoPicture, kNoPicture}},
      {"another list taken",
       [](ImageList& list) { list.Assign(*SolidList(16, 4)); },
       {CellColour(0), CellColour(1), CellColour(2), CellColour(3)}},
  };
  for (const Step& step : steps) {
    step.change(*images);
    Settle();
    for (int round = 0; round < 2; ++round) {
      const QImage shot = bar->grab().toImage();
      const QRgb face = shot.pixel(bar->ItemRect(&blank).center());
      for (std::size_t slot = 0; slot < items.size(); ++slot) {
        const QRgb expected = step.shown[slot] == kNoPicture ? face : step.shown[slot];
        EXPECT_EQ(shot.pixel(bar->ItemRect(items[slot]).center()), expected) << step.what << ", slot " << slot;
      }
    }
  }
}

TEST_F(ToolbarItems, CaptionsAreMeasuredInTheBarsFontOfTheMoment) {
  // Captions measured once are kept by the bar; another font measures them anew.
  TTBXItem& item = AddButton(-1, DisplayMode::CaptionOnly);
  item.SetCaption(QStringLiteral("Measured caption"));
  Dock();
  QFont large = bar->font();
  large.setPointSize(large.pointSize() * 3);
  auto* fresh = new TTBXToolbar;
  fresh->setFont(large);
  auto& freshItem = fresh->Add(std::make_unique<TTBXItem>());
  freshItem.SetDisplay(DisplayMode::CaptionOnly);
  freshItem.SetCaption(item.Caption());
  fresh->DockTo(bottom, 0);
  Settle();
  ASSERT_GT(fresh->ItemRect(&freshItem).width(), bar->ItemRect(&item).width());

  bar->setFont(large);
  item.SetCaption(item.Caption() + QStringLiteral(" "));  // lays the bar out again
  item.SetCaption(freshItem.Caption());
  Settle();
  EXPECT_EQ(bar->ItemRect(&item).width(), fresh->ItemRect(&freshItem).width());
}

TEST_F(ToolbarItems, ButtonRunsItsCommandOnReleaseOverItOnly) {
  int runs = 0;
  CommandList commands;
  Command& command = commands.Add("cmd");
  command.SetHandler([&](Command&) { ++runs; });
  TTBXItem& item = AddButton(0);
  item.SetCommand(&command);
  TTBXItem& disabled = AddButton(1);
  disabled.SetCommand(&command);
  disabled.SetEnabled(false);
  Dock();
  const QPoint centre = bar->ItemRect(&item).center();
  SendMouse(bar, QEvent::MouseButtonPress, centre);
  SendMouse(bar, QEvent::MouseButtonRelease, centre);
  EXPECT_EQ(runs, 1);
  // Pressed, then released away from the item: nothing runs.
  SendMouse(bar, QEvent::MouseButtonPress, centre);
  SendMouse(bar, QEvent::MouseButtonRelease, centre + QPoint(0, 300));
  EXPECT_EQ(runs, 1);
  const QPoint off = bar->ItemRect(&disabled).center();
  SendMouse(bar, QEvent::MouseButtonPress, off);
  SendMouse(bar, QEvent::MouseButtonRelease, off);
  EXPECT_EQ(runs, 1);
}

TEST_F(ToolbarItems, SplitButtonRunsOnItsMainPartAndItsArrowOpensOnlyAListWithEntries) {
  int runs = 0;
  auto& split = bar->Add(std::make_unique<TTBXSubmenuItem>());
  split.SetSplit(true);
  split.SetImageIndex(0);
  split.SetOnClick([&] { ++runs; });
  auto& dropDown = bar->Add(std::make_unique<TTBXSubmenuItem>());  // no entries, no list
  dropDown.SetImageIndex(1);
  dropDown.SetOnClick([&] { ++runs; });
  Dock();
  const QRect rect = bar->ItemRect(&split);
  SendMouse(bar, QEvent::MouseButtonPress, QPoint(rect.left() + 4, rect.center().y()));
  SendMouse(bar, QEvent::MouseButtonRelease, QPoint(rect.left() + 4, rect.center().y()));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  // The arrow of an empty list opens nothing: no box, nothing pushed, no popup that would
  // take the next click; a list whose entries are all hidden counts as empty.
  split.Add(std::make_unique<TTBXItem>()).SetVisible(false);
  const QPoint arrow(rect.right() - 1, rect.center().y());
  SendMouse(bar, QEvent::MouseButtonPress, arrow);
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(bar->OpenIndex(), -1);
  SendMouse(bar, QEvent::MouseButtonRelease, arrow);
  EXPECT_EQ(runs, 1);
  // With an entry to show, the arrow opens the list.
  split.Add(std::make_unique<TTBXItem>()).SetCaption("Entry");
  SendMouse(bar, QEvent::MouseButtonPress, arrow);
  ASSERT_NE(bar->OpenPopup(), nullptr);
  EXPECT_EQ(bar->OpenPopup()->LineCount(), 1);
  bar->OpenPopup()->CloseAll();
  Settle();
  EXPECT_EQ(bar->OpenPopup(), nullptr);
  // A drop-down entry without a list behaves as a button.
  const QPoint centre = bar->ItemRect(&dropDown).center();
  SendMouse(bar, QEvent::MouseButtonPress, centre);
  SendMouse(bar, QEvent::MouseButtonRelease, centre);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(bar->OpenPopup(), nullptr);
}

TEST_F(ToolbarItems, AltAndALabelsLetterFocusesTheControlAfterIt) {
  bar->Add(std::make_unique<TTBXLabelItem>("A&ddress:"));
  auto* disabledBox = new QLineEdit;
  disabledBox->setEnabled(false);
  bar->Add(std::make_unique<TTBControlItem>(disabledBox));
  bar->Add(std::make_unique<TTBXLabelItem>("&Search:"));
  auto* searchBox = new QLineEdit;
  bar->Add(std::make_unique<TTBControlItem>(searchBox));
  Dock();
  auto* elsewhere = new QLineEdit(page);
  elsewhere->show();
  window->activateWindow();
  elsewhere->setFocus();
  ASSERT_TRUE(elsewhere->hasFocus());
  QKeyEvent altS(QEvent::KeyPress, Qt::Key_S, Qt::AltModifier, "s");
  QApplication::sendEvent(page, &altS);
  EXPECT_TRUE(searchBox->hasFocus());
  EXPECT_FALSE(bar->FocusLabelledControl('d'));  // its control is disabled
  EXPECT_FALSE(bar->FocusLabelledControl('x'));
  // The label is painted with its letter underlined, not with the ampersand.
  EXPECT_EQ(ItemPainter::DisplayText("A&ddress:"), "Address:");
  EXPECT_EQ(ItemPainter::DisplayText("Fish && &Chips&"), "Fish & Chips");
}

TEST_F(ToolbarItems, TooltipIsTheHintUpToABarWithTheCommandsShortcut) {
  CommandList commands;
  Command& command = commands.Add("cmd");
  command.SetHint("Back|Goes back one page");
  command.SetShortcut(kShortcutAlt | 0x25);
  Command& silent = commands.Add("silent");  // a shortcut but no hint: no tooltip at all
  silent.SetShortcut(0x74);
  TTBXItem& bound = AddButton(0);
  bound.SetCommand(&command);
  TTBXItem& own = AddButton(1);
  own.SetHint("Own hint");
  TTBXItem& none = AddButton(2);
  none.SetCommand(&silent);
  Dock();
  EXPECT_EQ(bar->TooltipAt(bar->ItemRect(&bound).center()), "Back (Alt+Left)");
  EXPECT_EQ(bar->TooltipAt(bar->ItemRect(&own).center()), "Own hint");
  EXPECT_EQ(bar->TooltipAt(bar->ItemRect(&none).center()), "");
  command.SetHint("Changed");
  command.SetShortcut(0);
  EXPECT_EQ(bar->TooltipAt(bar->ItemRect(&bound).center()), "Changed");
}

}  // namespace
}  // namespace tessary::widgets::testing
