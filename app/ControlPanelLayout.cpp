#include "app/ControlPanelLayout.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>
#include <type_traits>
#include <vector>

#include "app/ArrowKeyGroup.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/NoteBox.h"

namespace tessary::app {
namespace {

using widgets::TXP_RadioBox;
using Bevel = BevelPanel::Bevel;
using CP = ControlPanel;

// Creates the widget of a ControlPanel member, of the member's class, and points it there.
using Maker = QWidget* (*)(ControlPanel&, QWidget* parent);
template <auto Member>
QWidget* Make(ControlPanel& panel, QWidget* parent) {
  using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(panel.*Member)>>;
  auto* widget = new Widget(parent);
  panel.*Member = widget;
  return widget;
}
// A row's name and maker from one member name.
// clang-format off
#define CONTROL(member) #member, Make<&CP::member>
// clang-format on

// Reads a ControlPanel member as a plain widget (tables name controls this way, so a
// renamed member is a compile error, not a control that is silently not found).
using Getter = QWidget* (*)(const ControlPanel&);
template <auto Member>
QWidget* Get(const ControlPanel& panel) {
  return panel.*Member;
}

enum class Look {
  kPlain,
  kCaptionPanel,  // no bevel, caption centred
  kRowPanel,      // raised bevel, caption at the left edge
  kSwatch,        // a fuchsia swatch, no text
};

struct ControlRow {
  const char* name;
  Maker make;
  BevelPanel* ControlPanel::*parent;
  const char* caption;
  QRect bounds;  // an empty size: the control's own (labels)
  Look look = Look::kPlain;
  int group = 0;  // radio boxes: those of one parent and group exclude each other
  bool checked = false;
  Getter buddy = nullptr;  // labels: the control they name for screen readers
};

constexpr ControlRow kControls[] = {
    // Background controls.
    {CONTROL(btnTop), &CP::pnlTop, "Change the background of the top panel...", {6, 5, 235, 24}},
    {CONTROL(rbTopTile), &CP::pnlTop, "Tile", {246, 9, 50, 17}, Look::kPlain, 2, true},
    {CONTROL(rbStretch), &CP::pnlTop, "Stretch", {286, 9, 65, 17}, Look::kPlain, 2},
    {CONTROL(btnBottom), &CP::pnlTop, "Change the background of the bottom panel...", {358, 5, 260, 24}},
    {CONTROL(rbBottomTile), &CP::pnlTop, "Tile", {630, 9, 50, 17}, Look::kPlain, 1, true},
    {CONTROL(rbBottomStretch), &CP::pnlTop, "Stretch", {670, 9, 65, 17}, Look::kPlain, 1},
    // The sample toolbars.
    {CONTROL(Panel4), &CP::pnlBig, "Large Buttons:", {2, 2, 96, 30}, Look::kCaptionPanel},
    {CONTROL(TBXToolbar1), &CP::pnlBig, "Large Buttons", {98, 2, 679, 30}},
    {CONTROL(Panel5), &CP::pnlSmall, "Small Buttons:", {2, 2, 96, 22}, Look::kCaptionPanel},
    {CONTROL(TBXToolbar2), &CP::pnlSmall, "Small Buttons", {98, 2, 511, 22}},
    // System buttons, the image lists, colours and theme.
    {CONTROL(Panel6), &CP::pnlSysBtns, "System Buttons:", {2, 3, 96, 23}, Look::kCaptionPanel},
    {CONTROL(Label1), &CP::pnlSysBtns, "Example:", {102, 8, 0, 0}},
    {CONTROL(GButton45), &CP::pnlSysBtns, "Example", {151, 6, 21, 21}},
    {CONTROL(Label7), &CP::pnlSysBtns, "FUCHSIA:", {184, 8, 0, 0}},
    {CONTROL(Label8), &CP::pnlSysBtns, "Fuchsia", {240, 5, 49, 20}, Look::kSwatch},
    {CONTROL(pnlNormal), &CP::pnlSysBtns, "  Normal:", {6, 32, 289, 23}, Look::kRowPanel},
    {CONTROL(Panel2), &CP::pnlSysBtns, "  Hot:", {6, 56, 289, 23}, Look::kRowPanel},
    {CONTROL(Panel1), &CP::pnlSysBtns, "  Down:", {6, 80, 289, 23}, Look::kRowPanel},
    {CONTROL(Panel3), &CP::pnlSysBtns, "  Disabled:", {6, 104, 289, 23}, Look::kRowPanel},
    {CONTROL(Label3), &CP::pnlSysBtns, "Tabs Images:", {8, 141, 0, 0}, Look::kPlain, 0, false, Get<&CP::cbPages>},
    {CONTROL(cbPages), &CP::pnlSysBtns, nullptr, {77, 136, 44, 24}},
    {CONTROL(XP_Button1), &CP::pnlSysBtns, "Change...", {128, 135, 73, 24}},
    {CONTROL(Label4), &CP::pnlSysBtns, "Other Images:", {8, 171, 0, 0}, Look::kPlain, 0, false, Get<&CP::cbOther>},
    {CONTROL(cbOther), &CP::pnlSysBtns, nullptr, {77, 166, 44, 22}},
    {CONTROL(XP_Button2), &CP::pnlSysBtns, "Change...", {128, 165, 73, 24}},
    {CONTROL(Label5),
     &CP::pnlSysBtns,
     "Toolbar Font Color:",
     {8, 203, 0, 0},
     Look::kPlain,
     0,
     false,
     Get<&CP::ColorBox>},
    {CONTROL(ColorBox), &CP::pnlSysBtns, nullptr, {106, 198, 145, 22}},
    {CONTROL(Label6),
     &CP::pnlSysBtns,
     "Progress Bar Color:",
     {8, 230, 0, 0},
     Look::kPlain,
     0,
     false,
     Get<&CP::dfsColorButton>},
    {CONTROL(dfsColorButton), &CP::pnlSysBtns, nullptr, {107, 224, 142, 22}},
    {CONTROL(Label2), &CP::pnlSysBtns, "Visual Style:", {8, 251, 0, 0}, Look::kPlain, 0, false, Get<&CP::ListBox1>},
    {CONTROL(ListBox1), &CP::pnlSysBtns, nullptr, {8, 267, 289, 110}},
    // File buttons.
    {CONTROL(XP_Button3), &CP::pnlBottom, "Open...", {8, 9, 65, 24}},
    {CONTROL(btnOpen), &CP::pnlBottom, "Import Old Skins...", {84, 9, 105, 24}},
    {CONTROL(btnSave), &CP::pnlBottom, "Save", {200, 9, 73, 24}},
    // The edit history, spaced as the file buttons are.
    {CONTROL(btnUndo), &CP::pnlBottom, "Undo", {284, 9, 73, 24}},
    {CONTROL(btnRedo), &CP::pnlBottom, "Redo", {368, 9, 73, 24}},
    {CONTROL(btnNew), &CP::pnlBottom, "New", {452, 9, 73, 24}},
};
#undef CONTROL

// The keyboard order of the control panel, band by band as stored; the preview's one
// control that takes the keyboard (the search box; the address box is disabled) comes
// before it.
// clang-format off
constexpr Getter kKeyboardOrder[] = {
    Get<&CP::btnTop>, Get<&CP::rbTopTile>, Get<&CP::rbStretch>, Get<&CP::rbBottomStretch>,  // pnlTop
    Get<&CP::rbBottomTile>, Get<&CP::btnBottom>,
    Get<&CP::btnNew>, Get<&CP::btnRedo>, Get<&CP::btnUndo>, Get<&CP::btnSave>, Get<&CP::btnOpen>,  // pnlBottom, right to left
    Get<&CP::XP_Button3>,                                                        // as stored
    // pnlSysBtns: the sample rows (Normal, Down, Hot, Disabled), then the rest.
    Get<&CP::pnlNormal>, Get<&CP::Panel1>, Get<&CP::Panel2>, Get<&CP::Panel3>,
    Get<&CP::ListBox1>, Get<&CP::cbPages>, Get<&CP::XP_Button1>, Get<&CP::cbOther>, Get<&CP::XP_Button2>,
    Get<&CP::ColorBox>, Get<&CP::dfsColorButton>,
    Get<&CP::TBXToolbar1>, Get<&CP::TBXToolbar2>, Get<&CP::mmNote>,
};
// clang-format on

// Bands with a fixed height.
struct FixedBand {
  BevelPanel* ControlPanel::*member;
  const char* name;
  int height;
};
constexpr FixedBand kUpperBands[] = {
    {&CP::pnlTop, "pnlTop", 37}, {&CP::pnlBig, "pnlBig", 34}, {&CP::pnlSmall, "pnlSmall", 26}};
constexpr FixedBand kLowerBands[] = {{&CP::pnlBottom, "pnlBottom", 39}};
constexpr int kSysBtnsWidth = 302;
// Enough of the note to read a few words a line beside pnlSysBtns.
constexpr int kNoteMinimumWidth = 160;

const char* const kNoteLines[] = {
    "Note: ",
    "",
    "To change the background of the top and bottom panel, please click ",
    "[Change the background of the top panel...] and [Change the ",
    "background of the bottom panel...] buttons.",
    "",
    "To change the image of a button, please click the corresponding ",
    "button on the gray panel.",
    "",
    "And each  system button comes with four images: Normal, Hot, Down ",
    "and Disabled. ",
    "Normal: the image will be displayed when the button is enabled and ",
    "mouse is not hovered on. ",
    "Hot: the image will be displayed when the button is enabled and ",
    "mouse is hovered on. ",
    "Down: the image will be displayed when the button is pressed down.",
    "Disable: the image will be displayed when the button is disabled.",
    "",
    "Size:",
    "Large toolbar button: 24*24",
    "Small toolbar button: 16*16",
    "Other Images: 16*16",
    "Tabs Images: 18*18",
    "System button: 21*21",
    "",
    "For system button, the color of border pixels of the image should be ",
    "same. All pixels have the same color of border pixels will be ",
    "transparent. For example, the transparent color of the sample image is ",
    "FUCHSIA.",
    "",
    "For large and small buttons, the transparent color is always ",
    "FUCHSIA.",
};

// A band panel: raised inner and lowered outer bevel.
BevelPanel* MakeBand(const char* name, QWidget* parent) {
  auto* band = new BevelPanel(parent);
  band->setObjectName(QString::fromLatin1(name));
  band->SetBevels(Bevel::Lowered, Bevel::Raised);
  return band;
}

void AddFixedBands(std::span<const FixedBand> bands, ControlPanel& panel, QWidget& parent, QVBoxLayout& layout) {
  for (const FixedBand& row : bands) {
    BevelPanel* band = MakeBand(row.name, &parent);
    band->setFixedHeight(row.height);
    panel.*row.member = band;
    layout.addWidget(band);
  }
}

widgets::TTBDock* MakeDock(const char* name, widgets::DockPosition position, QWidget* parent) {
  auto* dock = new widgets::TTBDock(position, parent);
  dock->setObjectName(QString::fromLatin1(name));
  dock->SetBoundLines(widgets::blTop | widgets::blBottom | widgets::blLeft | widgets::blRight);
  return dock;
}

QPlainTextEdit* MakeNote(QWidget* parent) {
  auto* note = new widgets::NoteBox(parent);
  note->setObjectName(QStringLiteral("mmNote"));
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(13);
  note->setFont(font);
  note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  note->setPlainText(NoteLines().join(u'\n'));
  note->setAccessibleName(QStringLiteral("Note"));
  return note;
}

// Spacers that keep the room the docks take in their tallest theme (see DockReserve.h).
QWidget* MakeDockReserve(const char* name, QWidget* parent) {
  auto* spacer = new QWidget(parent);
  spacer->setObjectName(QString::fromLatin1(name));
  spacer->setFixedHeight(0);
  return spacer;
}

void BuildBands(QWidget& central, ControlPanel& panel) {
  auto* layout = new QVBoxLayout(&central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The upper preview is always the topmost band; it shows once the window is created.
  panel.tbdTop = MakeDock("tbdTop", widgets::DockPosition::dpTop, &central);
  panel.tbdTop->hide();
  layout->addWidget(panel.tbdTop);
  panel.tbdTopReserve = MakeDockReserve("tbdTopReserve", &central);
  layout->addWidget(panel.tbdTopReserve);

  // The control panel's bands between the two previews scroll together when the window is
  // smaller than they need, so that no control is ever out of reach.
  panel.panelScroll = new QScrollArea(&central);
  panel.panelScroll->setObjectName(QStringLiteral("panelScroll"));
  panel.panelScroll->setFrameShape(QFrame::NoFrame);
  panel.panelScroll->setWidgetResizable(true);
  panel.panelScroll->setFocusPolicy(Qt::NoFocus);
  auto* bands = new QWidget;
  bands->setObjectName(QStringLiteral("controlBands"));
  auto* bandsLayout = new QVBoxLayout(bands);
  bandsLayout->setContentsMargins(0, 0, 0, 0);
  bandsLayout->setSpacing(0);
  AddFixedBands(kUpperBands, panel, *bands, *bandsLayout);

  // The middle band: the note fills what pnlSysBtns leaves at the right edge.
  panel.middle = new QWidget(bands);
  panel.middle->setObjectName(QStringLiteral("middle"));
  auto* middle = new QHBoxLayout(panel.middle);
  middle->setContentsMargins(0, 0, 0, 0);
  middle->setSpacing(0);
  panel.mmNote = MakeNote(panel.middle);
  panel.mmNote->setMinimumWidth(kNoteMinimumWidth);
  panel.pnlSysBtns = MakeBand("pnlSysBtns", panel.middle);
  panel.pnlSysBtns->setFixedWidth(kSysBtnsWidth);
  middle->addWidget(panel.mmNote, 1);
  middle->addWidget(panel.pnlSysBtns);
  bandsLayout->addWidget(panel.middle, 1);

  AddFixedBands(kLowerBands, panel, *bands, *bandsLayout);
  panel.panelScroll->setWidget(bands);
  layout->addWidget(panel.panelScroll, 1);

  // The lower preview: a panel without bevel whose only content is the bottom dock.
  panel.tbdBottomReserve = MakeDockReserve("tbdBottomReserve", &central);
  layout->addWidget(panel.tbdBottomReserve);
  panel.pnlBTM = new BevelPanel(&central);
  panel.pnlBTM->setObjectName(QStringLiteral("pnlBTM"));
  auto* lower = new QVBoxLayout(panel.pnlBTM);
  lower->setContentsMargins(0, 0, 0, 0);
  panel.tbdBottom = MakeDock("tbdBottom", widgets::DockPosition::dpBottom, panel.pnlBTM);
  lower->addWidget(panel.tbdBottom);
  layout->addWidget(panel.pnlBTM);
}

// A band whose controls are placed by position asks for the room they take, so that the
// scrolling panel shows all of them.
void FitBandToControls(BevelPanel& band, bool width, bool height) {
  const QRect controls = band.childrenRect();
  const int frame = 2 * band.BevelWidth();
  if (width) band.setMinimumWidth(controls.right() + 1 + frame);
  if (height) band.setMinimumHeight(controls.bottom() + 1 + frame);
}

void ApplyLook(QWidget& widget, const ControlRow& row) {
  auto* bevelPanel = qobject_cast<BevelPanel*>(&widget);
  if (bevelPanel == nullptr) return;
  switch (row.look) {
    case Look::kCaptionPanel: bevelPanel->SetCaption(QString::fromLatin1(row.caption)); break;
    case Look::kRowPanel:
      bevelPanel->SetCaption(QString::fromLatin1(row.caption));
      bevelPanel->SetBevels(Bevel::Raised, Bevel::None);
      bevelPanel->SetCaptionAlignment(Qt::AlignLeft);
      break;
    case Look::kSwatch: {
      QPalette colours = bevelPanel->palette();
      colours.setColor(QPalette::Window, widgets::ToQColor(clFuchsia));
      bevelPanel->setPalette(colours);
      break;
    }
    case Look::kPlain: break;
  }
}

// Caption, start state and accessible name of a control, by its class.
void ApplyRow(QWidget& widget, const ControlRow& row) {
  const QString caption = row.caption != nullptr ? QString::fromLatin1(row.caption) : QString();
  if (auto* captioned = qobject_cast<widgets::CaptionedControl*>(&widget)) captioned->SetCaption(caption);
  if (auto* radio = qobject_cast<TXP_RadioBox*>(&widget)) {
    radio->SetGroupIndex(row.group);
    radio->SetColor(clBtnFace);
    radio->SetChecked(row.checked);
  }
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(caption);
    label->adjustSize();
  }
  if (auto* bar = qobject_cast<widgets::TTBXToolbar*>(&widget)) bar->SetCaption(caption);
  ApplyLook(widget, row);
  // Panels and pictures are named by their captions without the colon and spaces.
  if (qobject_cast<BevelPanel*>(&widget) != nullptr || qobject_cast<preview::TGButton*>(&widget) != nullptr)
    widget.setAccessibleName(caption.trimmed().remove(u':'));
}

// Each Tile/Stretch pair and each row of samples is one Tab stop, walked with the arrow
// keys: a radio pair's stop is its checked box, and moving to a box checks it.
void GroupForArrowKeys(const ControlPanel& panel) {
  for (auto [tile, stretch] :
       {std::pair{panel.rbTopTile, panel.rbStretch}, {panel.rbBottomTile, panel.rbBottomStretch}}) {
    auto* group = new ArrowKeyGroup({tile, stretch}, [](QWidget& box) { static_cast<TXP_RadioBox&>(box).Click(); });
    for (TXP_RadioBox* box : {tile, stretch}) {
      QObject::connect(box, &TXP_RadioBox::CheckedChanged, group, [group, box](bool checked) {
        if (checked) group->SetStop(box);
      });
      if (box->Checked()) group->SetStop(box);
    }
  }
  for (const auto& row : panel.samples) new ArrowKeyGroup(std::vector<QWidget*>(row.begin(), row.end()));
}

}  // namespace

BevelPanel* ControlPanel::RowPanel(SampleRow row) const {
  const std::array<BevelPanel*, kSampleRowCount> rows = {pnlNormal, Panel2, Panel1, Panel3};
  return rows.at(static_cast<std::size_t>(row));
}

QStringList NoteLines() {
  QStringList lines;
  for (const char* line : kNoteLines) lines << QString::fromLatin1(line);
  return lines;
}

void BuildControlPanel(QWidget& central, ControlPanel& panel) {
  BuildBands(central, panel);
  std::vector<QWidget*> made;
  for (const ControlRow& row : kControls) {
    QWidget* widget = row.make(panel, panel.*row.parent);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->move(row.bounds.topLeft());
    ApplyRow(*widget, row);
    if (!row.bounds.size().isEmpty()) widget->resize(row.bounds.size());
    made.push_back(widget);
  }
  FitBandToControls(*panel.pnlTop, true, false);
  FitBandToControls(*panel.pnlBottom, true, false);
  // Here the theme list too: it is never cut off at the panel's lower edge.
  FitBandToControls(*panel.pnlSysBtns, false, true);
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    if (kControls[i].buddy == nullptr) continue;
    auto* label = static_cast<QLabel*>(made[i]);  // only labels have buddies
    QWidget* named = kControls[i].buddy(panel);
    label->setBuddy(named);
    named->setAccessibleName(label->text());
  }
}

void SetKeyboardOrder(const ControlPanel& panel, QWidget* previewStop) {
  std::vector<QWidget*> order{previewStop};
  for (Getter get : kKeyboardOrder) order.push_back(get(panel));
  QWidget* previous = nullptr;
  for (QWidget* widget : order) {
    if (widget == nullptr) continue;
    // A row panel stands for its samples, left to right.
    QList<QWidget*> stops;
    if (qobject_cast<BevelPanel*>(widget) != nullptr) {
      for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) stops << child;
    } else {
      stops << widget;
    }
    for (QWidget* stop : stops) {
      if (previous != nullptr) QWidget::setTabOrder(previous, stop);
      previous = stop;
    }
  }
  GroupForArrowKeys(panel);
  // The note is a stop like the others: Tab leaves it instead of typing a tab character
  // (nothing reads its text), so a keyboard user is not caught there.
  panel.mmNote->setTabChangesFocus(true);
}

}  // namespace tessary::app
