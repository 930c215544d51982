#include "app/ControlPanelWiring.h"

#include "platform/ErrorHandler.h"
#include "preview/CommandVocabulary.h"

namespace tessary::app {
namespace {

using CP = ControlPanel;
using enum ImageSlotCommand;
using platform::Guarded;
using preview::ImageHandler;
using widgets::TXP_Button;
using widgets::TXP_RadioBox;

// The push buttons: each runs one command when clicked; true when the skin then equals a
// file (Save or Open went through).
struct ButtonWire {
  TXP_Button* ControlPanel::*button;
  bool (*run)(SkinEditor& editor, const ControlPanel& panel);
};
constexpr ButtonWire kButtonWires[] = {
    {&CP::btnTop, [](SkinEditor& e, const CP&) { return e.ChangeBackground(Background::bgTop), false; }},
    {&CP::btnBottom, [](SkinEditor& e, const CP&) { return e.ChangeBackground(Background::bgBottom), false; }},
    {&CP::XP_Button1,
     [](SkinEditor& e, const CP& p) { return e.ReplaceImageSlot(XP_Button1Click, p.cbPages->ItemIndex()), false; }},
    {&CP::XP_Button2,
     [](SkinEditor& e, const CP& p) { return e.ReplaceImageSlot(XP_Button2Click, p.cbOther->ItemIndex()), false; }},
    {&CP::XP_Button3, [](SkinEditor& e, const CP&) { return e.Open(); }},
    {&CP::btnOpen, [](SkinEditor& e, const CP&) { return e.ImportOldSkins(), false; }},
    {&CP::btnSave, [](SkinEditor& e, const CP&) { return e.Save(); }},
};

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

// The slot commands behind the sample toolbars and the sample rows.
struct SlotWire {
  ImageHandler handler;
  ImageSlotCommand command;
};
constexpr SlotWire kSlotWires[] = {
    {ImageHandler::actLCBackExecute, actLCBackExecute}, {ImageHandler::actSCBackExecute, actSCBackExecute},
    {ImageHandler::actNPreExecute, actNPreExecute},     {ImageHandler::actHPreExecute, actHPreExecute},
    {ImageHandler::actDPreExecute, actDPreExecute},     {ImageHandler::actFPreExecute, actFPreExecute},
};

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
widgets::ColourDialogHook ColourDialogOf(platform::Dialogs& dialogs) {
  return [&dialogs](Colour& colour, QStringList& entries) {
    widgets::TColorArrayClass grid = widgets::DefaultCustomColors();
    widgets::ReadCustomColourEntries(entries, grid);
    platform::CustomColours custom{};
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

void WireControlPanel(const ControlPanel& panel, SkinEditor& editor, platform::Dialogs& dialogs,
                      preview::CommandVocabulary& vocabulary, WidgetSkinView& view, std::function<void()> saved) {
  QObject* context = panel.pnlTop;  // the connections end with the window
  for (const ButtonWire& wire : kButtonWires) {
    QObject::connect(panel.*wire.button, &TXP_Button::clicked, context,
                     Guarded(dialogs, [&editor, &panel, saved, run = wire.run] {
                       if (run(editor, panel)) saved();
                     }));
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
      platform::RunCommand(dialogs, [&] { editor.ReplaceImageSlot(command, sender.ImageIndex()); });
    });
  }
  QObject::connect(panel.ColorBox, &widgets::TColorBox::Change, context,
                   Guarded(dialogs, [&editor, &panel] { editor.SetCaptionColour(panel.ColorBox->Selected()); }));
  QObject::connect(panel.dfsColorButton, &widgets::TdfsColorButton::ColorChange, context,
                   Guarded(dialogs, [&editor, &panel] { editor.SetProgressColour(panel.dfsColorButton->Color()); }));
  QObject::connect(panel.ListBox1, &widgets::TListBox::Click, context,
                   Guarded(dialogs, [&editor, &panel] { editor.ApplyTheme(panel.ListBox1->SelectedText().toStdString()); }));
  panel.dfsColorButton->SetColourDialog(ColourDialogOf(dialogs));
  for (const TargetWire& wire : kTargetWires) view.Bind(wire.target, wire.widget(panel));
}

}  // namespace tessary::app
