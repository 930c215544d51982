#include "app/ControlPanelWiring.h"

#include "editing/CommandRunner.h"
#include "preview/ChromeTables.h"
#include "preview/CommandVocabulary.h"

namespace tessary::app {
namespace {

using CP = ControlPanel;
using enum ImageSlotCommand;
using preview::ImageHandler;
using widgets::TXP_Button;
using widgets::TXP_RadioBox;

// The push buttons: each runs one command when clicked. Those that take a picture run the
// same command with a given file (a dropped one) instead of the dialog.
struct ButtonWire {
  TXP_Button* ControlPanel::*button;
  void (*run)(SkinEditor& editor, const ControlPanel& panel);
  void (*runWithFile)(SkinEditor& editor, const ControlPanel& panel, const std::string& path) = nullptr;
  const char* dropAction = nullptr;  // what a picture dropped on the button does
};
constexpr ButtonWire kButtonWires[] = {
    {&CP::btnTop, [](SkinEditor& e, const CP&) { e.ChangeBackground(Background::bgTop); },
     [](SkinEditor& e, const CP&, const std::string& path) { e.ChangeBackgroundFromFile(Background::bgTop, path); },
     "Change the background of the top panel"},
    {&CP::btnBottom, [](SkinEditor& e, const CP&) { e.ChangeBackground(Background::bgBottom); },
     [](SkinEditor& e, const CP&, const std::string& path) { e.ChangeBackgroundFromFile(Background::bgBottom, path); },
     "Change the background of the bottom panel"},
    {&CP::XP_Button1, [](SkinEditor& e, const CP& p) { e.ReplaceImageSlot(XP_Button1Click, p.cbPages->ItemIndex()); },
     [](SkinEditor& e, const CP& p, const std::string& path) {
       e.ReplaceImageSlotFromFile(XP_Button1Click, p.cbPages->ItemIndex(), path);
     },
     "Replace the tab image selected in the list"},
    {&CP::XP_Button2, [](SkinEditor& e, const CP& p) { e.ReplaceImageSlot(XP_Button2Click, p.cbOther->ItemIndex()); },
     [](SkinEditor& e, const CP& p, const std::string& path) {
       e.ReplaceImageSlotFromFile(XP_Button2Click, p.cbOther->ItemIndex(), path);
     },
     "Replace the other image selected in the list"},
    {&CP::XP_Button3, [](SkinEditor& e, const CP&) { e.Open(); }},
    {&CP::btnOpen, [](SkinEditor& e, const CP&) { e.ImportOldSkins(); }},
};

// The controls that stand for one place of the skin besides the samples: the background
// buttons, and each image drop-down list with its "Change..." button (its selected entry).
struct PlaceWire {
  QWidget* (*widget)(const ControlPanel& panel);
  PicturePlace (*place)(const ControlPanel& panel);
};
constexpr PlaceWire kPlaceWires[] = {
    {[](const CP& p) -> QWidget* { return p.btnTop; }, [](const CP&) { return PicturePlace::Of(Background::bgTop); }},
    {[](const CP& p) -> QWidget* { return p.btnBottom; },
     [](const CP&) { return PicturePlace::Of(Background::bgBottom); }},
    {[](const CP& p) -> QWidget* { return p.cbPages; },
     [](const CP& p) { return PicturePlace::Slot(XP_Button1Click, p.cbPages->ItemIndex()); }},
    {[](const CP& p) -> QWidget* { return p.XP_Button1; },
     [](const CP& p) { return PicturePlace::Slot(XP_Button1Click, p.cbPages->ItemIndex()); }},
    {[](const CP& p) -> QWidget* { return p.cbOther; },
     [](const CP& p) { return PicturePlace::Slot(XP_Button2Click, p.cbOther->ItemIndex()); }},
    {[](const CP& p) -> QWidget* { return p.XP_Button2; },
     [](const CP& p) { return PicturePlace::Slot(XP_Button2Click, p.cbOther->ItemIndex()); }},
};

std::optional<PicturePlace> PlaceOfControl(const ControlPanel& panel, const QWidget* widget) {
  for (const PlaceWire& wire : kPlaceWires)
    if (wire.widget(panel) == widget) return wire.place(panel);
  return std::nullopt;
}

// The Tile/Stretch groups: a click on either box stretches the background exactly when its
// group's "Stretch" box is checked.
struct StretchWire {
  TXP_RadioBox* ControlPanel::*tile;
  TXP_RadioBox* ControlPanel::*stretch;
  Background background;
};
constexpr StretchWire kStretchWires[] = {
    {&CP::rbTopTile, &CP::rbStretch, Background::bgTop},
    {&CP::rbBottomTile, &CP::rbBottomStretch, Background::bgBottom},
};

// The slot commands behind the sample toolbars and the sample rows, by the command list
// that runs them.
using preview::CommandVocabulary;
struct SlotWire {
  ImageHandler handler;
  widgets::CommandList& (CommandVocabulary::*list)() const;
  ImageSlotCommand command;
  const char* samples;  // the samples' row or toolbar, as the panel names it
  bool systemButtons;   // the slots are the window-control buttons'
};
constexpr SlotWire kSlotWires[] = {
    {ImageHandler::actLCBackExecute, &CommandVocabulary::alcL, actLCBackExecute, "Large Buttons", false},
    {ImageHandler::actSCBackExecute, &CommandVocabulary::actS, actSCBackExecute, "Small Buttons", false},
    {ImageHandler::actNPreExecute, &CommandVocabulary::alSysBtnsN, actNPreExecute, "Normal", true},
    {ImageHandler::actHPreExecute, &CommandVocabulary::alSysBtnsH, actHPreExecute, "Hot", true},
    {ImageHandler::actDPreExecute, &CommandVocabulary::alSysBtnsD, actDPreExecute, "Down", true},
    {ImageHandler::actFPreExecute, &CommandVocabulary::alSysBtnsF, actFPreExecute, "Disabled", true},
};

// What a slot shows: a window-control button by its hint ("Close"), a toolbar button by
// its command's caption ("Back").
QString SlotName(const SlotWire& wire, const widgets::Command& command) {
  if (wire.systemButtons) {
    for (const preview::SystemButton& button : preview::SystemButtons())
      if (button.slot == command.ImageIndex()) return QString::fromLatin1(button.hint);
  }
  return command.Caption();
}

// The slot wire of a sample's or sample toolbar item's command; none when it edits no slot.
const SlotWire* SlotWireOf(const CommandVocabulary& vocabulary, const widgets::Command* command) {
  if (command == nullptr) return nullptr;
  for (const SlotWire& wire : kSlotWires)
    if (command->List() == &(vocabulary.*wire.list)()) return &wire;
  return nullptr;
}

// A picture dropped on the sample or sample toolbar item of `command` runs the slot command
// that its list runs, with the file; none when its command edits no slot.
std::optional<PictureTarget> SlotTarget(SkinEditor& editor, const CommandVocabulary& vocabulary,
                                        const widgets::Command* command, QRect area) {
  const SlotWire* wire = SlotWireOf(vocabulary, command);
  if (wire == nullptr) return std::nullopt;
  const int slot = command->ImageIndex();
  const QString action = QStringLiteral("Replace %1: %2").arg(QLatin1String(wire->samples), SlotName(*wire, *command));
  return PictureTarget{action, area,
                       [&editor, slotCommand = wire->command, slot](const std::string& path) {
                         editor.ReplaceImageSlotFromFile(slotCommand, slot, path);
                       },
                       PicturePlace::Slot(wire->command, slot)};
}

// The sample toolbar item at `pos`, or the one the keyboard is on.
const widgets::TTBCustomItem* ToolbarItem(const widgets::TTBXToolbar& bar, std::optional<QPoint> pos) {
  if (pos) return bar.ItemAt(*pos);
  const int hot = bar.HotIndex();
  if (hot < 0 || static_cast<std::size_t>(hot) >= bar.Items().size()) return nullptr;
  return bar.Items()[static_cast<std::size_t>(hot)].get();
}

// Repaint targets that are controls of the panel.
struct TargetWire {
  RepaintTarget target;
  QWidget* (*widget)(const ControlPanel& panel);
};
constexpr TargetWire kTargetWires[] = {
    {RepaintTarget::pnlNormal, [](const CP& p) -> QWidget* { return p.pnlNormal; }},
    {RepaintTarget::Panel2, [](const CP& p) -> QWidget* { return p.Panel2; }},
    {RepaintTarget::Panel1, [](const CP& p) -> QWidget* { return p.Panel1; }},
    {RepaintTarget::Panel3, [](const CP& p) -> QWidget* { return p.Panel3; }},
    {RepaintTarget::GButton45, [](const CP& p) -> QWidget* { return p.GButton45; }},
    {RepaintTarget::cbPages, [](const CP& p) -> QWidget* { return p.cbPages; }},
    {RepaintTarget::cbOther, [](const CP& p) -> QWidget* { return p.cbOther; }},
    {RepaintTarget::frmMain, [](const CP& p) -> QWidget* { return p.pnlTop->window(); }},
};

// The colour button's "&Other" dialog, through the platform's colour dialog: the sixteen
// custom colours travel as the button's entries ("ColorA=...") and come back edited.
widgets::ColourDialogHook ColourDialogOf(Dialogs& dialogs) {
  return [&dialogs](Colour& colour, QStringList& entries) {
    widgets::TColorArrayClass grid = widgets::DefaultCustomColours();
    widgets::ReadCustomColourEntries(entries, grid);
    CustomColours custom{};
    for (std::size_t i = 0; i < custom.size(); ++i)
      custom[i] = grid.At(static_cast<int>(i % 8) + 1, static_cast<int>(i / 8) + 1);
    const std::optional<Colour> chosen = dialogs.ChooseColour(colour, custom);
    for (std::size_t i = 0; i < custom.size(); ++i)
      grid.Set(static_cast<int>(i % 8) + 1, static_cast<int>(i / 8) + 1, custom[i]);
    entries = widgets::CustomColourEntries(grid);
    if (chosen) colour = *chosen;
    return chosen.has_value();
  };
}

}  // namespace

void WireControlPanel(const ControlPanel& panel, SkinEditor& editor, Dialogs& dialogs,
                      preview::CommandVocabulary& vocabulary, WidgetSkinView& view) {
  QObject* context = panel.pnlTop;  // the connections end with the window
  for (const ButtonWire& wire : kButtonWires) {
    QObject::connect(panel.*wire.button, &TXP_Button::clicked, context,
                     Guarded(dialogs, [&editor, &panel, run = wire.run] { run(editor, panel); }));
  }
  for (const StretchWire& wire : kStretchWires) {
    TXP_RadioBox* stretch = panel.*wire.stretch;
    const auto click = Guarded(dialogs, [&editor, stretch, which = wire.background] {
      editor.SetBackgroundStretch(which, stretch->Checked());
    });
    for (TXP_RadioBox* box : {panel.*wire.tile, stretch}) QObject::connect(box, &TXP_RadioBox::clicked, context, click);
  }
  for (const SlotWire& wire : kSlotWires) {
    vocabulary.Connect(wire.handler, [&editor, &dialogs, command = wire.command](widgets::Command& sender) {
      RunCommand(dialogs, [&] { editor.ReplaceImageSlot(command, sender.ImageIndex()); });
    });
  }
  QObject::connect(panel.ColorBox, &widgets::TColorBox::Change, context,
                   Guarded(dialogs, [&editor, &panel] { editor.SetCaptionColour(panel.ColorBox->Selected()); }));
  QObject::connect(panel.dfsColorButton, &widgets::TdfsColorButton::ColorChange, context,
                   Guarded(dialogs, [&editor, &panel] { editor.SetProgressColour(panel.dfsColorButton->Color()); }));
  QObject::connect(panel.ListBox1, &widgets::TListBox::Click, context, Guarded(dialogs, [&editor, &panel] {
                     editor.ApplyTheme(panel.ListBox1->SelectedText().toStdString());
                   }));
  panel.dfsColorButton->SetColourDialog(ColourDialogOf(dialogs));
  for (const TargetWire& wire : kTargetWires) view.Bind(wire.target, wire.widget(panel));
}

std::optional<PictureTarget> PictureTargetAt(const ControlPanel& panel, SkinEditor& editor,
                                             const CommandVocabulary& vocabulary, QWidget* widget, QPoint pos) {
  for (const ButtonWire& wire : kButtonWires) {
    if (widget != panel.*wire.button || wire.runWithFile == nullptr) continue;
    const auto run = [&editor, &panel, withFile = wire.runWithFile](const std::string& path) {
      withFile(editor, panel, path);
    };
    return PictureTarget{QString::fromLatin1(wire.dropAction), widget->rect(), run, *PlaceOfControl(panel, widget)};
  }
  if (auto* sample = qobject_cast<preview::TGButton*>(widget))
    return SlotTarget(editor, vocabulary, sample->Command(), sample->rect());
  if (widget == panel.TBXToolbar1 || widget == panel.TBXToolbar2) {
    const auto* bar = static_cast<widgets::TTBXToolbar*>(widget);
    if (const widgets::TTBCustomItem* item = bar->ItemAt(pos))
      return SlotTarget(editor, vocabulary, item->GetCommand(), bar->ItemRect(item));
  }
  return std::nullopt;
}

std::optional<PicturePlace> PicturePlaceAt(const ControlPanel& panel, const CommandVocabulary& vocabulary,
                                           QWidget* widget, std::optional<QPoint> pos) {
  if (std::optional<PicturePlace> place = PlaceOfControl(panel, widget)) return place;
  const widgets::Command* command = nullptr;
  if (auto* sample = qobject_cast<preview::TGButton*>(widget)) command = sample->Command();
  if (widget == panel.TBXToolbar1 || widget == panel.TBXToolbar2) {
    if (const widgets::TTBCustomItem* item = ToolbarItem(*static_cast<widgets::TTBXToolbar*>(widget), pos))
      command = item->GetCommand();
  }
  const SlotWire* wire = SlotWireOf(vocabulary, command);
  if (wire == nullptr) return std::nullopt;
  return PicturePlace::Slot(wire->command, command->ImageIndex());
}

std::vector<PlaceView> ViewsOfPlace(const ControlPanel& panel, const CommandVocabulary& vocabulary,
                                    const PicturePlace& place) {
  std::vector<PlaceView> views;
  for (const PlaceWire& wire : kPlaceWires) {
    QWidget* widget = wire.widget(panel);
    // A drop-down list shows the place while it is the selected entry; its button, never.
    if (qobject_cast<widgets::TJvImageComboBox*>(widget) != nullptr || !place.IsSlot()) {
      if (wire.place(panel) == place) views.push_back({widget, widget->rect()});
    }
  }
  if (!place.IsSlot()) return views;
  for (const auto& row : panel.samples) {
    for (preview::TGButton* sample : row) {
      const SlotWire* wire = SlotWireOf(vocabulary, sample->Command());
      if (wire != nullptr && wire->command == place.command && sample->Command()->ImageIndex() == place.slot)
        views.push_back({sample, sample->rect()});
    }
  }
  for (widgets::TTBXToolbar* bar : {panel.TBXToolbar1, panel.TBXToolbar2}) {
    for (const auto& item : bar->Items()) {
      const SlotWire* wire = SlotWireOf(vocabulary, item->GetCommand());
      if (wire != nullptr && wire->command == place.command && item->GetCommand()->ImageIndex() == place.slot)
        views.push_back({bar, bar->ItemRect(item.get())});
    }
  }
  return views;
}

}  // namespace tessary::app
