// The control panel's wiring: every control runs its command with the right slot, list and
// box, and the controls show what the skin holds after Open. The commands' own rules are
// tested with the commands; here the window's controls drive them.
#include "WindowFixture.h"
#include "editing/ControlPanelLists.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/DefaultTheme.h"

namespace tessary::app::test {
namespace {

constexpr Argb kFuchsia = 0xFFFF00FF;
constexpr Argb kBlue = 0xFF0050E0;

// A picture framed in fuchsia (left out by every list's rule) with a blue centre.
Bitmap FramedPicture(int width, int height) {
  std::vector<Argb> pixels(static_cast<std::size_t>(width * height), kFuchsia);
  for (int y = 3; y < height - 3; ++y)
    for (int x = 3; x < width - 3; ++x) pixels[static_cast<std::size_t>(y * width + x)] = kBlue;
  return Bitmap::FromArgb(width, height, pixels);
}

QRgb PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixel(at); }

// One kind of slot: the control a user clicks, the list and slot it changes, and where the
// window then shows the new image.
struct SlotKind {
  const char* name;
  ImageList Skin::*list;
  int width, height, slot;
  std::function<void()> click;
  std::function<QRgb()> shown;  // the pixel at the centre of the image as shown
};

TEST_F(WindowTest, EverySlotControlReplacesItsSlotAndRefusesOtherFiles) {
  const auto toolbar = [this](widgets::TTBXToolbar* bar, int slot) {
    return SlotKind{nullptr,
                    nullptr,
                    0,
                    0,
                    slot,
                    [this, bar, slot] { Click(bar, bar->ItemRect(ItemFor(*bar, slot)).center()); },
                    [bar, slot] { return PixelOf(bar, bar->ItemRect(ItemFor(*bar, slot)).center()); }};
  };
  const auto sample = [this](std::size_t row, std::size_t index, int slot) {
    preview::TGButton* button = c().samples[row][index];
    return SlotKind{nullptr,
                    nullptr,
                    0,
                    0,
                    slot,
                    [this, button] { Click(button); },
                    [button] { return PixelOf(button, {10, 10}); }};
  };
  const auto combo = [this](widgets::TJvImageComboBox* box, widgets::TXP_Button* change, int slot) {
    return SlotKind{nullptr,
                    nullptr,
                    0,
                    0,
                    slot,
                    [this, box, change, slot] {
                      box->SetItemIndex(slot);
                      Click(change);
                    },
                    [box] {
                      const QRect field = box->FieldRect();
                      const int size = box->ImageList()->Width();
                      return PixelOf(box, {field.left() + 2 + size / 2, field.center().y()});
                    }};
  };
  const auto kind = [](SlotKind k, const char* name, ImageList Skin::*list, int w, int h) {
    k.name = name;
    k.list = list;
    k.width = w;
    k.height = h;
    return k;
  };
  const SlotKind kinds[] = {
      kind(toolbar(c().TBXToolbar1, 20), "large toolbar, Flash", &Skin::ilLButtons, 24, 24),
      kind(toolbar(c().TBXToolbar2, 4), "small toolbar, Refresh", &Skin::ilSButtons, 16, 16),
      kind(sample(0, 0, 8), "Normal row, Previous", &Skin::ilImages, 21, 21),
      kind(sample(1, 10, 0), "Hot row, Close", &Skin::ilHot, 21, 21),
      kind(sample(2, 5, 10), "Down row, Maximize All", &Skin::ilDown, 21, 21),
      kind(sample(3, 3, 5), "Disabled row, Tile Vertically", &Skin::ilDisable, 21, 21),
      kind(combo(c().cbPages, c().XP_Button1, 5), "Tabs Images", &Skin::ilPage, 18, 18),
      kind(combo(c().cbOther, c().XP_Button2, 52), "Other Images", &Skin::ilMain, 16, 16),
  };
  for (const SlotKind& k : kinds) {
    SCOPED_TRACE(k.name);
    ImageList& list = skin().*k.list;
    const std::string sizeMessage =
        "The size of the image should be " + std::to_string(k.width) + "*" + std::to_string(k.height) + "!";
    // Refused, each with its box, the list untouched: wrong size, empty file, no bitmap,
    // cancelled.
    const struct {
      std::string path;
      std::vector<Box> boxes;
    } refused[] = {
        {PictureFile(k.width + 1, k.height), {{MessageBoxKind::kError, sizeMessage}}},
        {WriteFile("empty.bmp", {}), {{MessageBoxKind::kError, sizeMessage}}},
        {WriteFile("text.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'}),
         {{MessageBoxKind::kApplicationError, "Bitmap image is not valid."}}},
        {"", {}},
    };
    const std::uint64_t generation = list.Generation();
    for (const auto& file : refused) {
      file.path.empty() ? dialogs->CancelFile() : dialogs->AnswerFile(file.path);
      k.click();
      EXPECT_EQ(dialogs->boxes, file.boxes) << file.path;
      EXPECT_EQ(list.Generation(), generation) << file.path;
      dialogs->boxes.clear();
    }
    EXPECT_NE(k.shown(), QColor(kBlue).rgb());

    dialogs->AnswerFile(WriteFile(std::string(k.name) + ".bmp", WriteBmp(FramedPicture(k.width, k.height))));
    k.click();
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_EQ(list.ImageBitmap(k.slot).PixelAt(k.width / 2, k.height / 2), kBlue);
    // What shows the slot shows the new image at its next repaint.
    EXPECT_EQ(k.shown(), QColor(kBlue).rgb());
    EXPECT_TRUE(dialogs->AllAnswered());
  }
}

// A slot beyond the end of a short list is appended at the list's end; one inside it is
// replaced.
TEST_F(WindowTest, ShortLargeButtonListGetsAppendedNotReplaced) {
  ImageList& list = skin().ilLButtons;
  std::vector<ImageList::Image> first;
  for (int i = 0; i < 15; ++i) first.push_back(list.ImageAt(i));
  list.SetContent(24, 24, list.Capacity(), first);
  const std::string picture = WriteFile("large.bmp", WriteBmp(FramedPicture(24, 24)));
  for (const auto& [slot, count, at] : {std::tuple{20, 16, 15}, std::tuple{3, 16, 3}}) {
    dialogs->AnswerFile(picture);
    Click(c().TBXToolbar1, c().TBXToolbar1->ItemRect(ItemFor(*c().TBXToolbar1, slot)).center());
    EXPECT_EQ(list.ImageCount(), count) << slot;
    EXPECT_EQ(list.ImageBitmap(at).PixelAt(12, 12), kBlue) << slot;
  }
}

// The two Tile/Stretch groups exclude within themselves only, and each sets its own dock's
// stretch flag from its "Stretch" box.
TEST_F(WindowTest, RadioGroupsSetTheirOwnBackground) {
  const struct {
    widgets::TXP_RadioBox* box;
    bool topStretch, bottomStretch;
  } clicks[] = {
      {c().rbStretch, true, false}, {c().rbBottomStretch, true, true}, {c().rbTopTile, false, true},
      {c().rbTopTile, false, true}, {c().rbBottomTile, false, false},
  };
  for (const auto& click : clicks) {
    Click(click.box);
    EXPECT_EQ(skin().bgTop.StretchBitmap(), click.topStretch) << click.box->objectName().toStdString();
    EXPECT_EQ(skin().bgBottom.StretchBitmap(), click.bottomStretch);
    EXPECT_EQ(c().rbStretch->Checked(), click.topStretch);
    EXPECT_EQ(c().rbTopTile->Checked(), !click.topStretch);
    EXPECT_EQ(c().rbBottomStretch->Checked(), click.bottomStretch);
    EXPECT_EQ(c().rbBottomTile->Checked(), !click.bottomStretch);
  }
}

// Picks in ColorBox, the colour button and the theme list reach S, the gauge colour and
// the theme, and Save stores what the controls show.
TEST_F(WindowTest, PickedColoursAndThemeAreAppliedAndSaved) {
  if (!widgets::HasThemeName(QStringLiteral("Xito")))
    widgets::AddThemeClass(QStringLiteral("Xito"), widgets::CreateDefaultTheme);
  Pick(c().ColorBox, c().ColorBox->findText(QStringLiteral("clRed")));
  EXPECT_EQ(widgets::SkinTextColour(), clRed);
  c().dfsColorButton->SetColor(0x00FF0000);  // as a palette pick sets it
  EXPECT_EQ(skin().gaugeColour, 0x00FF0000u);
  const QRect xito = c().ListBox1->visualItemRect(c().ListBox1->item(7));
  Click(c().ListBox1->viewport(), xito.center());
  EXPECT_EQ(widgets::ActiveThemeName(), QStringLiteral("Xito"));

  const SkinHeader header = SaveWithButton("picked.skn");
  EXPECT_EQ(header.textColorName, "clRed");
  EXPECT_EQ(header.gaugeColorName, "clBlue");
  EXPECT_EQ(header.themeName, "Xito");
}

// What the panel shows, to compare before and after.
struct PanelState {
  bool topStretch, bottomStretch;
  QString colour;
  int colourCount;
  Colour button;
  QString theme, activeTheme;
  bool operator==(const PanelState&) const = default;
};
PanelState StateOf(const ControlPanel& c) {
  return {c.rbStretch->Checked(),    c.rbBottomStretch->Checked(), c.ColorBox->currentText(), c.ColorBox->count(),
          c.dfsColorButton->Color(), c.ListBox1->SelectedText(),   widgets::ActiveThemeName()};
}

TEST_F(WindowTest, OpenShowsWhatTheFileHoldsAndAFailedOpenChangesNoControl) {
  if (!widgets::HasThemeName(QStringLiteral("Roma")))
    widgets::AddThemeClass(QStringLiteral("Roma"), widgets::CreateDefaultTheme);
  Skin stored(skin());
  stored.bgTop.SetStretchBitmap(true);
  stored.textColour = 0x00123456;  // a colour ColorBox does not offer
  stored.gaugeColour = 0x000000FF;
  stored.themeName = "roma";  // another letter case of a list entry
  const Bytes bytes = BuildSkinFile(stored);

  // A file cut short is refused whole: every control as before.
  const PanelState before = StateOf(c());
  dialogs->AnswerFile(WriteFile("short.skn", Bytes(bytes.begin(), bytes.begin() + 900)));
  Click(c().XP_Button3);
  ASSERT_EQ(dialogs->boxes.size(), 1u);
  EXPECT_EQ(dialogs->boxes[0].kind, MessageBoxKind::kApplicationError);
  EXPECT_EQ(StateOf(c()), before);
  dialogs->boxes.clear();

  dialogs->AnswerFile(WriteFile("whole.skn", bytes));
  Click(c().XP_Button3);
  EXPECT_TRUE(dialogs->boxes.empty());
  const PanelState opened{true, false, "$00123456", 51, 0x000000FF, "Roma", "Roma"};
  EXPECT_EQ(StateOf(c()), opened);
  EXPECT_EQ(widgets::SkinTextColour(), 0x00123456u);
  // Undone, every control as before: the colour the file brought leaves the list; redone,
  // as opened.
  Click(c().btnUndo);
  EXPECT_EQ(StateOf(c()), before);
  Click(c().btnRedo);
  EXPECT_EQ(StateOf(c()), opened);

  // Saved back unchanged.
  const SkinHeader header = SaveWithButton("again.skn");
  EXPECT_EQ(header.textColorName, "$00123456");
  EXPECT_EQ(header.themeName, "Roma");
  EXPECT_EQ(header.topStretch, 1);
}

// Closing asks only while the skin differs from what was last saved or opened; Cancel, or
// a Save that does not go through, keeps the window.
TEST_F(WindowTest, ClosingAsksOnlyAboutUnsavedChanges) {
  const std::string saved = (folder / "closing.skn").string();
  const struct {
    widgets::TXP_RadioBox* change;  // none: nothing changed since the last save
    std::vector<SaveChanges> answers;
    std::vector<std::string> files;  // the save dialog's answers ("": cancelled)
    bool closes;
  } steps[] = {
      {nullptr, {}, {}, true},
      {c().rbStretch, {SaveChanges::kCancel}, {}, false},
      {nullptr, {SaveChanges::kSave}, {""}, false},
      {nullptr, {SaveChanges::kSave}, {saved}, true},
      {nullptr, {}, {}, true},
      {c().rbTopTile, {SaveChanges::kDiscard}, {}, true},
  };
  for (const auto& step : steps) {
    window->show();
    if (step.change != nullptr) Click(step.change);
    for (SaveChanges answer : step.answers) dialogs->AnswerSaveChanges(answer);
    for (const std::string& file : step.files) file.empty() ? dialogs->CancelFile() : dialogs->AnswerFile(file);
    EXPECT_EQ(window->close(), step.closes);
    EXPECT_TRUE(dialogs->AllAnswered());
  }
  EXPECT_TRUE(std::filesystem::exists(saved));
  // A skin just opened equals its file.
  window->show();
  Click(c().rbStretch);
  dialogs->AnswerFile(saved);
  Click(c().XP_Button3);
  EXPECT_FALSE(window->Modified());
}

}  // namespace
}  // namespace tessary::app::test
