#include "app/ControlPanelContents.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "editing/ControlPanelLists.h"
#include "preview/ChromeTables.h"
#include "preview/CommandVocabulary.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXSeparatorItem.h"

namespace tessary::app {
namespace {

using CP = ControlPanel;
using preview::CommandVocabulary;
using widgets::CommandList;

// The slots the samples of a row show, left to right: the order of the preview's
// window-control buttons.
constexpr int kSampleSlots[kSamplesPerRow] = {8, 7, 6, 5, 4, 10, 3, 9, 2, 1, 0};
constexpr int kSampleLeft = 57;
constexpr int kSampleTop = 1;
constexpr int kSampleSize = 21;

struct SampleRowSpec {
  SampleRow row;
  const char* name;  // the row's caption as read aloud
  ImageList Skin::*list;
  CommandList& (CommandVocabulary::*commands)() const;
};
constexpr SampleRowSpec kSampleRows[] = {
    {SampleRow::Normal, "Normal", &Skin::ilImages, &CommandVocabulary::alSysBtnsN},
    {SampleRow::Hot, "Hot", &Skin::ilHot, &CommandVocabulary::alSysBtnsH},
    {SampleRow::Down, "Down", &Skin::ilDown, &CommandVocabulary::alSysBtnsD},
    {SampleRow::Disabled, "Disabled", &Skin::ilDisable, &CommandVocabulary::alSysBtnsF},
};

// The sample toolbars: the slots of the preview's toolbars in their order, separators
// between the groups.
constexpr int kSeparator = -1;
constexpr int kSeparatorWidth = 7;
constexpr int kToolbarSlots[] = {0,  1,  2,  3,  4,  5,  kSeparator, 6,  7,  8,  kSeparator, 9, 10,
                                 11, 12, 13, 14, 15, 16, kSeparator, 17, 20, 18, kSeparator, 19};

struct SampleToolbarSpec {
  widgets::TTBXToolbar* ControlPanel::*bar;
  ImageList Skin::*list;
  CommandList& (CommandVocabulary::*commands)() const;
};
constexpr SampleToolbarSpec kSampleToolbars[] = {
    {&CP::TBXToolbar1, &Skin::ilLButtons, &CommandVocabulary::alcL},
    {&CP::TBXToolbar2, &Skin::ilSButtons, &CommandVocabulary::actS},
};

// Entries of cbOther with a text of their own; the others show " ".
struct NamedEntry {
  std::size_t index;
  const char* text;
};
constexpr NamedEntry kOtherImageNames[] = {{52, "Left Side Band Close Button"}, {53, "Popup Blocker"}};
constexpr int kPageEntries = 10;
constexpr int kOtherEntries = 59;
constexpr int kDroppedWidth = 145;

// Keeps a bar placed on a panel at the size of its items, or at the panel's width with a
// chevron for the items that do not fit (as every bar of the preview does), so that a
// narrow window or a theme with wider buttons never puts a button out of reach. The bar
// follows its items (images, a theme with other metrics) and the panel's width; a hidden
// panel is not asked, so it fits again when it shows (a theme switched meanwhile).
class FitToItems : public QObject {
 public:
  explicit FitToItems(widgets::TTBXToolbar& bar) : QObject(&bar), bar_(bar) {
    bar.parentWidget()->installEventFilter(this);
    Fit();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::LayoutRequest || type == QEvent::Show || type == QEvent::Resize) Fit();
    return false;
  }

 private:
  void Fit() {
    const QSize wanted = bar_.sizeHint();
    int width = wanted.width();
    if (const auto* band = qobject_cast<const BevelPanel*>(bar_.parentWidget()))
      width = std::min(width, std::max(bar_.minimumSizeHint().width(), band->width() - bar_.x() - band->BevelWidth()));
    bar_.resize(width, wanted.height());
  }
  widgets::TTBXToolbar& bar_;
};

// What the preview's window-control button showing `slot` is called.
QString SystemButtonHint(int slot) {
  for (const preview::SystemButton& button : preview::SystemButtons())
    if (button.slot == slot) return QString::fromLatin1(button.hint);
  return {};
}

// The command of `list` that edits `slot`.
widgets::Command* CommandFor(const CommandList& list, int slot) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.At(i).ImageIndex() == slot) return &list.At(i);
  return nullptr;
}

void FillSampleRows(ControlPanel& panel, Skin& skin, CommandVocabulary& vocabulary) {
  for (const SampleRowSpec& sampleRow : kSampleRows) {
    const CommandList& commands = (vocabulary.*sampleRow.commands)();
    auto& samples = panel.samples.at(static_cast<std::size_t>(sampleRow.row));
    for (int i = 0; i < kSamplesPerRow; ++i) {
      auto* sample = new preview::TGButton(panel.RowPanel(sampleRow.row));
      widgets::Command* command = CommandFor(commands, kSampleSlots[i]);
      sample->setObjectName(command->Name());
      sample->setGeometry(kSampleLeft + i * kSampleSize, kSampleTop, kSampleSize, kSampleSize);
      sample->SetAllImages(&(skin.*sampleRow.list));  // each row shows its own state's list
      sample->SetImageIndex(kSampleSlots[i]);
      sample->SetTransparent(true);
      sample->SetCommand(command);
      sample->setFocusPolicy(Qt::TabFocus);
      // Named, for screen readers and as its tooltip, by its row and the window-control
      // button whose picture it shows ("Hot: Close").
      const QString name =
          QStringLiteral("%1: %2").arg(QLatin1String(sampleRow.name), SystemButtonHint(kSampleSlots[i]));
      sample->setAccessibleName(name);
      sample->SetHint(name);
      samples.at(static_cast<std::size_t>(i)) = sample;
    }
  }
  // The example: a system-button image with its fuchsia border showing. An illustration:
  // it runs no command.
  panel.GButton45->SetAllImages(&skin.ilDisable);
  panel.GButton45->SetImageIndex(8);
  panel.GButton45->SetAutoSize(true);
}

void FillSampleToolbars(ControlPanel& panel, Skin& skin, CommandVocabulary& vocabulary) {
  for (const SampleToolbarSpec& spec : kSampleToolbars) {
    // Placed straight on its panel: neither docked nor floating, it cannot be moved, takes
    // the panel's colour and sizes itself to its items.
    widgets::TTBXToolbar& bar = *(panel.*spec.bar);
    bar.SetImages(&(skin.*spec.list));
    const CommandList& commands = (vocabulary.*spec.commands)();
    for (int slot : kToolbarSlots) {
      if (slot == kSeparator) {
        bar.Add(std::make_unique<widgets::TTBXSeparatorItem>(kSeparatorWidth));
        continue;
      }
      auto& item = bar.Add(std::make_unique<widgets::TTBXItem>());
      item.SetCommand(CommandFor(commands, slot));
      item.SetDisplay(widgets::DisplayMode::ImageOnly);
    }
    new FitToItems(bar);
    // A stop of the keyboard order: the arrow keys walk its buttons, Space runs one.
    bar.setFocusPolicy(Qt::TabFocus);
  }
}

void FillImageLists(ControlPanel& panel, const Skin& skin) {
  std::vector<widgets::ImageComboItem> pages;
  for (int i = 0; i < kPageEntries; ++i) pages.push_back({QStringLiteral(" "), i, 0});
  panel.cbPages->SetImageList(&skin.ilPage);
  panel.cbPages->SetItems(pages);
  panel.cbPages->SetDropDownCount(kPageEntries);

  std::vector<widgets::ImageComboItem> others;
  for (int i = 0; i < kOtherEntries; ++i) others.push_back({QStringLiteral(" "), i, 0});
  for (const NamedEntry& named : kOtherImageNames) others.at(named.index).text = QString::fromLatin1(named.text);
  panel.cbOther->SetImageList(&skin.ilMain);
  panel.cbOther->SetItems(others);

  for (widgets::TJvImageComboBox* combo : {panel.cbPages, panel.cbOther}) {
    combo->SetDroppedWidth(kDroppedWidth);
    combo->SetItemIndex(0);
  }
}

}  // namespace

void FillControlPanel(ControlPanel& panel, Skin& skin, CommandVocabulary& vocabulary,
                      std::span<const ColorBoxEntry> colours) {
  FillSampleRows(panel, skin, vocabulary);
  FillSampleToolbars(panel, skin, vocabulary);
  FillImageLists(panel, skin);
  QStringList themes;
  for (std::string_view name : kThemeListNames)
    themes << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  panel.ListBox1->SetItems(themes);
  for (const ColorBoxEntry& entry : colours)
    panel.ColorBox->AddColour(QString::fromStdString(entry.text), entry.colour);
}

void ShowControlState(const ControlPanel& panel, const ControlState& state) {
  (state.topStretch ? panel.rbStretch : panel.rbTopTile)->SetChecked(true);
  (state.bottomStretch ? panel.rbBottomStretch : panel.rbBottomTile)->SetChecked(true);
  // Entries past the standard ones are colours skin files brought: an undone Open takes its
  // colour away, a new one adds its colour at the end.
  const int entries = static_cast<int>(state.colorBoxEntries.size());
  while (panel.ColorBox->count() > entries) panel.ColorBox->removeItem(panel.ColorBox->count() - 1);
  for (std::size_t i = static_cast<std::size_t>(panel.ColorBox->count()); i < state.colorBoxEntries.size(); ++i) {
    const ColorBoxEntry& entry = state.colorBoxEntries[i];
    panel.ColorBox->AddColour(QString::fromStdString(entry.text), entry.colour);
  }
  panel.ColorBox->SetItemIndex(state.colorBoxIndex);
  {
    const QSignalBlocker quiet(panel.dfsColorButton);
    panel.dfsColorButton->SetColor(state.buttonColour);
  }
  if (state.themeIndex >= 0) panel.ListBox1->SetItemIndex(state.themeIndex);
}

}  // namespace tessary::app
