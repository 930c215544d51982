#include "widgets/controls/ControlsAccessible.h"

#include <QPointer>
#include <QWindow>
#include <vector>

#include "widgets/controls/DropDownField.h"
#include "widgets/controls/PressableAccessible.h"
#include "widgets/controls/TDFSColorButtonPalette.h"
#include "widgets/controls/TXP_Button.h"
#include "widgets/controls/TXP_RadioBox.h"
#include "widgets/controls/TdfsColorButton.h"

namespace tessary::widgets {
namespace {

// Push buttons and radio boxes: named by their captions, worked by Press or Toggle.
class CaptionedAccessible : public PressableAccessible {
 public:
  CaptionedAccessible(CaptionedControl* control, QAccessible::Role role)
      : PressableAccessible(control, role, role == QAccessible::RadioButton ? toggleAction() : pressAction(),
                            [control] { control->Click(); }) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? Control()->PlainCaption() : name;
    }
    if (t == QAccessible::Accelerator) {
      const QChar letter = Control()->Accelerator();
      return letter.isNull() ? QString() : QStringLiteral("Alt+") + letter.toUpper();
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* radio = qobject_cast<const TXP_RadioBox*>(object())) {
      s.checkable = true;
      s.checked = radio->Checked();
    } else if (const auto* button = qobject_cast<const TXP_Button*>(object())) {
      s.defaultButton = button->Default();
      s.pressed = button->Look() == ButtonLook::Pressed;
    }
    return s;
  }

 private:
  CaptionedControl* Control() const { return static_cast<CaptionedControl*>(widget()); }
};

// The colour button: its label's name, its colour as value, Press opens the palette.
class ColourButtonAccessible : public PressableAccessible {
 public:
  explicit ColourButtonAccessible(TdfsColorButton* button)
      : PressableAccessible(button, QAccessible::ButtonDropDown, pressAction(), [button] { button->Click(); }) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return palette::ColourHint(Button()->Color());
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = Button()->Palette() != nullptr;
    return s;
  }

 private:
  TdfsColorButton* Button() const { return static_cast<TdfsColorButton*>(widget()); }
};

// The drop-down lists: named by their accessible name or the label before them (Qt's own
// combo box interface reads its value as name on some platforms), the selected entry's
// text as value; Press opens the list.
class DropDownAccessible : public PressableAccessible {
 public:
  explicit DropDownAccessible(QComboBox* combo)
      : PressableAccessible(combo, QAccessible::ComboBox, showMenuAction(), [combo] { combo->showPopup(); }) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = DropDownOpen(*Combo());
    return s;
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// One colour cell of the open palette: named by its hint, Press picks it.
class PaletteCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PaletteCellAccessible(TDFSColorButtonPalette* palette, int child) : palette_(palette), child_(child) {}

  bool isValid() const override { return !palette_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return palette_ ? palette_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(palette_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Button; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!palette_) return {};
    if (t == QAccessible::Name) return palette::ColourHint(palette_->CellColour(Cell()));
    if (t == QAccessible::Description && Cell().IsOther()) return QStringLiteral("Other colour");
    return {};
  }

  QRect rect() const override {
    if (!palette_) return {};
    const QRect local = palette::CellRect(Cell(), palette_->size());
    return QRect(palette_->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!palette_) return s;
    s.focusable = true;
    s.focused = palette_->Highlighted().Same(Cell());
    s.invisible = !palette_->isVisible();
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || !palette_) return;
    // Picking closes the palette (and this interface with it): from the event loop.
    QMetaObject::invokeMethod(
        palette_.data(), [palette = palette_.data(), cell = Cell()] { palette->Pick(cell); }, Qt::QueuedConnection);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  PaletteCell Cell() const { return palette_ ? palette_->CellOfChild(child_) : PaletteCell::None(); }

  QPointer<TDFSColorButtonPalette> palette_;
  int child_;
};

// The open palette: its colour cells first, then its push button.
class PaletteAccessible : public QAccessibleWidget {
 public:
  explicit PaletteAccessible(TDFSColorButtonPalette* palette) : QAccessibleWidget(palette, QAccessible::Window) {}
  ~PaletteAccessible() override {
    for (QAccessible::Id id : cells_)
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("Colour palette");
    return QAccessibleWidget::text(t);
  }

  int childCount() const override { return Palette().CellCount() + QAccessibleWidget::childCount(); }

  QAccessibleInterface* child(int index) const override {
    const int cells = Palette().CellCount();
    if (index >= cells) return QAccessibleWidget::child(index - cells);
    if (index < 0) return nullptr;
    if (cells_.size() < static_cast<std::size_t>(cells)) cells_.resize(static_cast<std::size_t>(cells), 0);
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new PaletteCellAccessible(MutablePalette(), index));
    return QAccessible::accessibleInterface(id);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < cells_.size(); ++i)
      if (cells_[i] != 0 && QAccessible::accessibleInterface(cells_[i]) == child) return static_cast<int>(i);
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : widgetIndex + Palette().CellCount();
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const TDFSColorButtonPalette& p = Palette();
    const PaletteCell cell = palette::CellAt(p.mapFromGlobal(QPoint(x, y)), p.PaletteColours().XSize(),
                                             p.PaletteColours().YSize(), p.size());
    if (const int index = p.ChildOfCell(cell); index >= 0) return child(index);
    return QAccessibleWidget::childAt(x, y);
  }

  QAccessibleInterface* focusChild() const override {
    const int index = Palette().ChildOfCell(Palette().Highlighted());
    return index >= 0 ? child(index) : QAccessibleWidget::focusChild();
  }

 private:
  const TDFSColorButtonPalette& Palette() const { return *static_cast<const TDFSColorButtonPalette*>(object()); }
  TDFSColorButtonPalette* MutablePalette() const { return static_cast<TDFSColorButtonPalette*>(object()); }

  mutable std::vector<QAccessible::Id> cells_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<TXP_Button*>(object)) return new CaptionedAccessible(button, QAccessible::Button);
  if (auto* radio = qobject_cast<TXP_RadioBox*>(object))
    return new CaptionedAccessible(radio, QAccessible::RadioButton);
  if (auto* colour = qobject_cast<TdfsColorButton*>(object)) return new ColourButtonAccessible(colour);
  if (auto* palette = qobject_cast<TDFSColorButtonPalette*>(object)) return new PaletteAccessible(palette);
  if (auto* list = qobject_cast<DropDownList*>(object)) return new DropDownAccessible(list);
  return nullptr;
}

}  // namespace

void InstallControlsAccessibility() { InstallAccessibleFactoryOnce(Factory); }

}  // namespace tessary::widgets
