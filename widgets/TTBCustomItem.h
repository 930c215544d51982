#pragma once
// The base of every item a bar or popup shows. Items are light objects owned by their bar
// (or by the submenu item that holds them), not widgets: the view lays them out, hit-tests
// them and asks the theme to paint them. An item may be bound to a Command, from which it
// takes every property it does not set itself. The views know items only through this
// base: the kinds (widgets/items/) answer its questions about lists, sizes and controls.
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "skin/Colour.h"
#include "skin/Signal.h"

class QWidget;

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

class Command;

enum class ItemKind { Button, Submenu, Separator, Label, Spacer, Control };

// What a toolbar-style item shows. Menu lines always show image column and caption.
enum class DisplayMode {
  Auto,  // image when there is one, else the caption
  ImageOnly,
  CaptionOnly,
  ImageAndCaption,  // image, then the caption to its right
};

class TTBCustomItem {
 public:
  explicit TTBCustomItem(ItemKind kind);
  virtual ~TTBCustomItem();
  TTBCustomItem(const TTBCustomItem&) = delete;
  TTBCustomItem& operator=(const TTBCustomItem&) = delete;

  ItemKind Kind() const { return kind_; }

  // Binds the item to a command (none to unbind); the command must outlive the item.
  void SetCommand(Command* command);
  Command* GetCommand() const { return command_; }

  // Own values win over the command's. "&" marks the accelerator letter of a caption.
  QString Caption() const;
  void SetCaption(const QString& caption);
  QString Hint() const;
  void SetHint(const QString& hint);
  // The tooltip a bar shows for the item: the hint up to its first "|", followed by the
  // command's shortcut in parentheses ("Back (Alt+Left)"); empty (no tooltip) when the hint is.
  QString Tooltip() const;
  // The shortcut text shown right-aligned on a menu line (from the command unless set).
  QString ShortcutText() const;
  void SetShortcutText(const QString& text);
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Checked() const;
  // Sets the own check mark, or the command's when bound (so every bound item follows).
  void SetChecked(bool checked);
  // Whether the check mark shows as a radio dot (the command belongs to a group).
  bool Radio() const;

  // Own image list and slot; each falls back separately (list: the bar's, slot: the
  // command's).
  void SetImages(ImageList* images) {
    images_ = images;
    Changed();
  }
  ImageList* Images() const { return images_; }
  void SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
  }
  // The list and slot the item shows, given its view's list; the slot may lie beyond the
  // list's end (then no image shows).
  ImageList* EffectiveImages(ImageList* viewImages) const { return images_ ? images_ : viewImages; }
  int EffectiveImageIndex() const;

  // The item's own caption colour; clNone (the default) leaves it to the theme.
  Colour FontColour() const { return fontColour_; }
  void SetFontColour(Colour colour) {
    fontColour_ = colour;
    Changed();
  }

  DisplayMode Display() const { return display_; }
  void SetDisplay(DisplayMode mode) {
    display_ = mode;
    Changed();
  }

  // The accelerator letter of the caption (lower case), or 0.
  QChar Accelerator() const;

  // Runs the item's action: its own click handler, else its command.
  void Click();
  void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

  // Whether the item reacts to the mouse at all: buttons and submenus do; separators,
  // labels, spacers and embedded controls do not.
  bool Selectable() const { return kind_ == ItemKind::Button || kind_ == ItemKind::Submenu; }

  // Child items (submenus); empty for other kinds.
  const std::vector<std::unique_ptr<TTBCustomItem>>& Items() const { return items_; }
  // The item whose entries a click on the item's list opens (a submenu may show another's).
  virtual const TTBCustomItem& ListSource() const { return *this; }
  // Split: the main part runs the command and a separate arrow opens the list.
  virtual bool Split() const { return false; }
  // Whether there is a list to open: some entry of the list source shows. In a popup such
  // an item is a submenu line, split or not.
  bool HasList() const;
  // Whether a click on the main part opens the list (not split, and there is a list).
  bool OpensListOnClick() const { return !Split() && HasList(); }

  // The room a separator, spacer or embedded control takes on a bar, which no caption or
  // image decides; empty for the other kinds.
  virtual QSize OwnBarSize() const { return {}; }
  // How much narrower than that an embedded control may be laid out on a bar too short for
  // everything (0: it keeps its width or goes behind the chevron).
  virtual int SpareWidth() const { return 0; }
  // The widget an embedded control item places on its bar (none for the other kinds).
  virtual QWidget* Control() const { return nullptr; }

  // Registers an observer told after every change of what the item shows.
  [[nodiscard]] Connection OnChange(std::function<void()> observer) { return changed_.Connect(std::move(observer)); }

 protected:
  void Changed() { changed_.Emit(); }
  std::vector<std::unique_ptr<TTBCustomItem>> items_;

 private:
  ItemKind kind_;
  Command* command_ = nullptr;
  Connection commandConnection_;
  std::optional<QString> caption_;
  std::optional<QString> hint_;
  std::optional<QString> shortcutText_;
  std::optional<bool> visible_;
  bool enabled_ = true;
  bool checked_ = false;
  ImageList* images_ = nullptr;
  int imageIndex_ = -1;
  DisplayMode display_ = DisplayMode::Auto;
  Colour fontColour_ = clNone;
  std::function<void()> onClick_;
  Signal<> changed_;
};

}  // namespace tessary::widgets
