#include "preview/ChromeItemBuilder.h"

#include <QComboBox>
#include <QLabel>
#include <memory>
#include <stdexcept>

#include "platform/TypedAddressHistory.h"
#include "preview/CommandVocabulary.h"
#include "preview/MenuBuilder.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/items/TTBControlItem.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXSeparatorItem.h"
#include "widgets/items/TTBXSpacerItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::preview {

using widgets::TTBCustomItem;

namespace {

// Rows the address box's list shows at once.
constexpr int kAddressListRows = 16;
// The least width of the address box when other bars share its row: room for a short address.
constexpr int kAddressBoxMinimumWidth = 150;

struct Context {
  const CommandVocabulary& vocabulary;
  const MainMenu& menus;
  QLabel* pendingLabel = nullptr;  // a label whose accelerator waits for the next box
  ChromeControls made;             // the bar's label and box
};

// Keeps `control` as the bar's one control of its kind.
template <typename Control>
Control* Keep(Control*& kept, Control* control) {
  if (kept != nullptr) throw std::logic_error("a bar's table gives it two controls of one kind");
  kept = control;
  return control;
}

QString Text(const char* text) { return QString::fromUtf8(text); }

QWidget* MakeBox(const ChromeItem& row, Context& context) {
  auto* box = Keep(context.made.box, new QComboBox);
  if (row.kind == ChromeItemKind::AddressBox) {
    // Filled once from the platform's history (nothing where it keeps none), showing the
    // first entry; disabled, so it is never changed and writes nothing back.
    box->addItems(platform::TypedAddresses());
    box->setMaxVisibleItems(kAddressListRows);
    box->setEnabled(false);
  } else {
    // Typed text stays in the box; nothing adds it to the (empty) list.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  box->setFixedSize(row.width, row.height);
  if (context.pendingLabel != nullptr) context.pendingLabel->setBuddy(box);
  context.pendingLabel = nullptr;
  return box;
}

QWidget* MakeLabel(const ChromeItem& row, Context& context) {
  // Transparent: it fills nothing, so the bar (and the dock's picture) shows around the
  // letters. Its text colour is its palette's, which the caption-colour command sets.
  auto* label = Keep(context.made.label, new QLabel(Text(row.caption)));
  label->setFixedSize(label->sizeHint());
  context.pendingLabel = label;
  return label;
}

std::unique_ptr<TTBCustomItem> MakeButton(const ChromeItem& row, const Context& context) {
  std::unique_ptr<TTBCustomItem> item;
  if (row.kind == ChromeItemKind::Button) {
    item = std::make_unique<widgets::TTBXItem>();
  } else {
    auto submenu = std::make_unique<widgets::TTBXSubmenuItem>();
    submenu->SetSplit(row.kind == ChromeItemKind::Split);
    if (row.list != nullptr) {
      const widgets::TTBXSubmenuItem* list = context.menus.DummyList(Text(row.list));
      if (list == nullptr) throw std::logic_error(std::string("no menu list ") + row.list);
      submenu->SetLinkedList(list);
    }
    item = std::move(submenu);
  }
  if (row.command != nullptr) {
    widgets::Command* command = context.vocabulary.Find(Text(row.command));
    if (command == nullptr) throw std::logic_error(std::string("bar item bound to unknown command ") + row.command);
    item->SetCommand(command);
  } else {
    // An item bound to no command runs nothing when clicked.
    item->SetOnClick([] {});
  }
  if (row.caption != nullptr) item->SetCaption(Text(row.caption));
  if (row.slot >= 0) item->SetImageIndex(row.slot);
  item->SetDisplay(row.showsCaption ? widgets::DisplayMode::ImageAndCaption : widgets::DisplayMode::ImageOnly);
  return item;
}

std::unique_ptr<TTBCustomItem> MakeItem(const ChromeItem& row, Context& context) {
  QWidget* control = nullptr;
  switch (row.kind) {
    case ChromeItemKind::Separator: return std::make_unique<widgets::TTBXSeparatorItem>(row.width);
    case ChromeItemKind::Spacer: return std::make_unique<widgets::TTBXSpacerItem>(row.width, row.height);
    case ChromeItemKind::Label: control = MakeLabel(row, context); break;
    case ChromeItemKind::AddressBox:
    case ChromeItemKind::SearchBox: control = MakeBox(row, context); break;
    case ChromeItemKind::Button:
    case ChromeItemKind::Split:
    case ChromeItemKind::DropDown: return MakeButton(row, context);
  }
  control->setObjectName(Text(row.name));
  auto item = std::make_unique<widgets::TTBControlItem>(control);
  // A bar docked beside the address bar narrows the address box, never to nothing.
  if (row.kind == ChromeItemKind::AddressBox) item->SetMinimumWidth(kAddressBoxMinimumWidth);
  return item;
}

}  // namespace

ChromeControls AddChromeItems(widgets::TTBXToolbar& bar, std::span<const ChromeItem> items,
                              const CommandVocabulary& vocabulary, const MainMenu& menus, ChromeItemNames& names) {
  Context context{vocabulary, menus, nullptr, {}};
  for (const ChromeItem& row : items) {
    TTBCustomItem& item = bar.Add(MakeItem(row, context));
    if (row.name != nullptr) names.insert(Text(row.name), &item);
  }
  return context.made;
}

}  // namespace tessary::preview
