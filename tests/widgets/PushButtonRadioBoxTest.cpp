// The control panel's push buttons and radio boxes driven by mouse and keyboard: the look
// each state paints, when clicks are raised, Default and Cancel, accelerators, radio groups,
// and what screen readers see and can do.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QLineEdit>

#include "ControlsFixture.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TXP_RadioBox.h"

namespace tessary::widgets::testing {
namespace {

// Counts a control's click events and what a radio box read when it was raised.
struct Clicks {
  explicit Clicks(CaptionedControl* control) {
    QObject::connect(control, &CaptionedControl::clicked, [this, control] {
      ++count;
      if (auto* radio = qobject_cast<TXP_RadioBox*>(control)) checkedWhenRaised.push_back(radio->Checked());
    });
  }
  int count = 0;
  std::vector<bool> checkedWhenRaised;
};

class PushButtons : public ControlsTest {
 protected:
  TXP_Button* Button(const QString& caption, QRect geometry = {8, 8, 75, 24}) {
    auto* button = new TXP_Button(window.get(), caption);
    button->setGeometry(geometry);
    button->show();
    return button;
  }
};

TEST_F(PushButtons, EachStatePaintsItsLookFromTheStrip) {
  auto* button = Button("Save");
  auto* other = Button("Open...", {100, 8, 75, 24});
  const QPoint justInsideTheTopEdge(37, 1);
  const auto painted = [&] { return button->grab().toImage().pixel(justInsideTheTopEdge); };
  const auto strip = [&](ButtonLook look) {
    return ButtonLookPixmap(look, button->size()).toImage().pixel(justInsideTheTopEdge);
  };
  // The hot and focused looks differ from the normal one just inside the top edge.
  ASSERT_NE(strip(ButtonLook::Hot), strip(ButtonLook::Normal));
  ASSERT_NE(strip(ButtonLook::Focused), strip(ButtonLook::Normal));

  const struct {
    const char* step;
    std::function<void()> act;
    ButtonLook look;
  } steps[] = {
      {"at rest", [] {}, ButtonLook::Normal},
      {"mouse enters", [&] { Enter(button); }, ButtonLook::Hot},
      {"pressed",
       [&] {
         SendMouse(button, QEvent::MouseButtonPress, {5, 5});
       },
       ButtonLook::Pressed},
      {"dragged off",
       [&] {
         SendMouse(button, QEvent::MouseMove, {200, 5});
       },
       ButtonLook::Focused},
      {"dragged back",
       [&] {
         SendMouse(button, QEvent::MouseMove, {6, 6});
       },
       ButtonLook::Pressed},
      {"released: focused, not hot",
       [&] {
         SendMouse(button, QEvent::MouseButtonRelease, {6, 6});
       },
       ButtonLook::Focused},
      {"hot wins over focused", [&] { Enter(button); }, ButtonLook::Hot},
      {"mouse leaves", [&] { Leave(button); }, ButtonLook::Focused},
      {"focus elsewhere", [&] { other->setFocus(); }, ButtonLook::Normal},
      {"disabled, even hovered",
       [&] {
         button->setEnabled(false);
         Enter(button);
       },
       ButtonLook::Disabled},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(button->Look(), step.look) << step.step;
    EXPECT_EQ(painted(), strip(step.look)) << step.step;
  }
}

TEST_F(PushButtons, ADisabledButtonShowsAGreyCaptionAndIgnoresTheMouse) {
  auto* button = Button("Save");
  Clicks clicks(button);
  const auto darkest = [&] {
    const QImage image = button->grab().toImage();
    int grey = 255;
    for (int y = 4; y < 20; ++y)
      for (int x = 10; x < 65; ++x) grey = std::min(grey, qGray(image.pixel(x, y)));
    return grey;
  };
  EXPECT_EQ(darkest(), 0);  // black caption
  button->setEnabled(false);
  EXPECT_EQ(darkest(), 0x80);  // grey caption
  Click(button, {5, 5});
  EXPECT_EQ(clicks.count, 0);
}

TEST_F(PushButtons, AClickNeedsPressAndReleaseOnTheButton) {
  auto* button = Button("Save");
  Clicks clicks(button);
  Click(button, {5, 5});
  EXPECT_EQ(clicks.count, 1);
  SendMouse(button, QEvent::MouseButtonPress, {5, 5});
  SendMouse(button, QEvent::MouseButtonRelease, {200, 5});
  EXPECT_EQ(clicks.count, 1) << "released elsewhere";
  SendMouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
  SendMouse(button, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
  EXPECT_EQ(clicks.count, 1) << "right button";
  EXPECT_TRUE(button->hasFocus()) << "a press takes the focus";
}

TEST_F(PushButtons, KeysClickTheFocusedDefaultAndCancelButtons) {
  auto* save = Button("&Save");
  auto* open = Button("Open...", {100, 8, 75, 24});
  auto* cancel = Button("Cancel", {200, 8, 75, 24});
  auto* edit = new QLineEdit(window.get());
  edit->setGeometry(8, 60, 100, 20);
  edit->show();
  open->SetDefault(true);
  cancel->SetCancel(true);
  Clicks saves(save), opens(open), cancels(cancel);

  const struct {
    const char* step;
    QWidget* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int saves, opens, cancels;
  } steps[] = {
      {"Enter on a focused button clicks it", save, Qt::Key_Return, {}, 1, 0, 0},
      {"so does Space", save, Qt::Key_Space, {}, 2, 0, 0},
      {"Enter elsewhere clicks the Default button", edit, Qt::Key_Return, {}, 2, 1, 0},
      {"Esc clicks the Cancel button", edit, Qt::Key_Escape, {}, 2, 1, 1},
      {"Esc on a focused button too", save, Qt::Key_Escape, {}, 2, 1, 2},
      {"not with Shift", edit, Qt::Key_Return, Qt::ShiftModifier, 2, 1, 2},
      {"Alt and the accelerator letter", edit, Qt::Key_S, Qt::AltModifier, 3, 1, 2},
      {"the letter alone where no control takes it", open, Qt::Key_S, {}, 4, 1, 2},
      {"but not where one does", edit, Qt::Key_S, {}, 4, 1, 2},
  };
  for (const auto& step : steps) {
    step.focus->setFocus();
    QTest::keyClick(step.focus, step.key, step.modifiers);
    EXPECT_EQ(saves.count, step.saves) << step.step;
    EXPECT_EQ(opens.count, step.opens) << step.step;
    EXPECT_EQ(cancels.count, step.cancels) << step.step;
  }
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(save->hasFocus()) << "the accelerator takes the focus";

  // A Default button that cannot take the focus is passed over.
  open->setEnabled(false);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(opens.count, 1);
}

TEST_F(PushButtons, AClickHandsItsModalResultToTheDialog) {
  QDialog dialog;
  auto* ok = new TXP_Button(&dialog, "OK");
  ok->SetModalResult(QDialog::Accepted);
  Clicks clicks(ok);
  dialog.show();
  ok->Click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(clicks.count, 1);
}

class RadioBoxes : public ControlsTest {
 protected:
  TXP_RadioBox* Radio(QWidget* parent, const QString& caption, int group, int x) {
    auto* radio = new TXP_RadioBox(parent, caption);
    radio->SetGroupIndex(group);
    radio->setGeometry(x, 9, 60, 17);
    radio->show();
    return radio;
  }
};

TEST_F(RadioBoxes, CheckingOneUnchecksOnlyItsGroupOnItsParent) {
  auto* topTile = Radio(window.get(), "Tile", 2, 0);
  auto* topStretch = Radio(window.get(), "Stretch", 2, 60);
  auto* bottomTile = Radio(window.get(), "Tile", 1, 120);
  auto* bottomStretch = Radio(window.get(), "Stretch", 1, 180);
  auto* elsewhere = new QWidget(window.get());
  auto* sameGroupElsewhere = Radio(elsewhere, "Other", 2, 0);
  for (auto* radio : {topTile, bottomTile, sameGroupElsewhere}) radio->SetChecked(true);

  const struct {
    TXP_RadioBox* clicked;
    std::array<bool, 5> checked;  // topTile, topStretch, bottomTile, bottomStretch, elsewhere
  } steps[] = {
      {topStretch, {false, true, true, false, true}},
      {bottomStretch, {false, true, false, true, true}},
      {topTile, {true, false, false, true, true}},
      {topTile, {true, false, false, true, true}},
  };
  for (const auto& step : steps) {
    Click(step.clicked, {3, 8});
    const std::array<bool, 5> now{topTile->Checked(), topStretch->Checked(), bottomTile->Checked(),
                                  bottomStretch->Checked(), sameGroupElsewhere->Checked()};
    EXPECT_EQ(now, step.checked);
  }
}

TEST_F(RadioBoxes, ChecksOnPressAndRaisesTheClickOnRelease) {
  auto* tile = Radio(window.get(), "Tile", 2, 0);
  auto* stretch = Radio(window.get(), "&Stretch", 2, 60);
  tile->SetChecked(true);
  Clicks clicks(stretch);

  SendMouse(stretch, QEvent::MouseButtonPress, {3, 8});
  EXPECT_TRUE(stretch->Checked());
  EXPECT_FALSE(tile->Checked());
  EXPECT_EQ(clicks.count, 0);
  SendMouse(stretch, QEvent::MouseButtonRelease, {3, 8});
  EXPECT_EQ(clicks.count, 1);

  Click(stretch, {3, 8});  // already checked: raised again
  stretch->setFocus();
  QTest::keyClick(stretch, Qt::Key_Space);
  QTest::keyClick(stretch, Qt::Key_Return);
  tile->setFocus();
  QTest::keyClick(tile, Qt::Key_S, Qt::AltModifier);  // the accelerator: focus, check, click
  EXPECT_TRUE(stretch->hasFocus());
  EXPECT_EQ(clicks.count, 5);
  EXPECT_EQ(clicks.checkedWhenRaised, std::vector<bool>(5, true)) << "the handler always reads the new state";

  tile->SetChecked(true);  // in code: no click
  EXPECT_EQ(clicks.count, 5);
  EXPECT_FALSE(stretch->Checked());
}

TEST_F(RadioBoxes, EachStatePaintsItsMarkOverItsColour) {
  auto* radio = Radio(window.get(), "Stretch", 0, 0);
  radio->SetColor(clBtnFace);
  const struct {
    bool enabled, checked, hot;
    RadioMark mark;
  } cases[] = {
      {true, false, false, RadioMark::Unchecked},          {true, true, false, RadioMark::Checked},
      {false, false, false, RadioMark::DisabledUnchecked}, {false, true, true, RadioMark::DisabledChecked},
      {true, false, true, RadioMark::HotUnchecked},        {true, true, true, RadioMark::HotChecked},
  };
  for (const auto& c : cases) {
    radio->setEnabled(c.enabled);
    radio->SetChecked(c.checked);
    c.hot ? Enter(radio) : Leave(radio);
    EXPECT_EQ(radio->Mark(), c.mark);
    const QImage painted = radio->grab().toImage();
    const QImage mark = RadioMarkPixmap(c.mark).toImage();
    for (int x = 0; x < 13; ++x) EXPECT_EQ(painted.pixel(x, 8), mark.pixel(x, 6)) << int(c.mark) << " x " << x;
  }
  EXPECT_EQ(radio->grab().toImage().pixel(50, 1), ToQColor(clBtnFace).rgb()) << "the box is filled with its colour";
}

TEST_F(RadioBoxes, ScreenReadersSeeCaptionsAndStatesAndActLikeAClick) {
  auto* stretch = Radio(window.get(), "&Stretch", 2, 60);
  auto* save = new TXP_Button(window.get(), "Sa&ve");
  Clicks radioClicks(stretch), buttonClicks(save);
  QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(stretch);
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(save);
  ASSERT_NE(radio, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(radio->role(), QAccessible::RadioButton);
  EXPECT_EQ(button->role(), QAccessible::Button);
  EXPECT_EQ(radio->text(QAccessible::Name), "Stretch");
  EXPECT_EQ(button->text(QAccessible::Name), "Save");
  EXPECT_FALSE(radio->state().checked);

  radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // the clicks are queued
  EXPECT_TRUE(radio->state().checked);
  EXPECT_EQ(radioClicks.count, 1);
  EXPECT_EQ(buttonClicks.count, 1);

  stretch->setAccessibleName("Stretch the top background");  // a name the window gives wins
  EXPECT_EQ(radio->text(QAccessible::Name), "Stretch the top background");
}

}  // namespace
}  // namespace tessary::widgets::testing
