#pragma once
// An item that opens a list of items: a submenu in a popup, a menu on the menu bar, a
// drop-down button on a toolbar, or (split) a button with a separate arrow that opens the
// list. A submenu item that holds no entries and links no list behaves as a button.
#include <memory>

#include "widgets/items/TTBCustomItem.h"

namespace tessary::widgets {

class TTBXSubmenuItem : public TTBCustomItem {
 public:
  TTBXSubmenuItem() : TTBCustomItem(ItemKind::Submenu) {}

  // Appends a child item and returns it.
  template <typename T>
  T& Add(std::unique_ptr<T> item) {
    T& ref = *item;
    items_.push_back(std::move(item));
    Changed();
    return ref;
  }

  // Split: the main part runs the command and a separate arrow opens the list.
  void SetSplit(bool split) {
    split_ = split;
    Changed();
  }
  bool Split() const { return split_; }

  // Shows the entries of another submenu item instead of its own (not owned).
  void SetLinkedList(const TTBXSubmenuItem* list) {
    linked_ = list;
    Changed();
  }
  // The item whose entries this one opens.
  const TTBXSubmenuItem& ListSource() const { return linked_ ? *linked_ : *this; }

  // Whether there is a list to open: some entry of its own or of the linked list shows.
  // In a popup such an item is a submenu line, split or not.
  bool HasList() const {
    for (const auto& item : ListSource().Items())
      if (item->Visible() && item->Kind() != ItemKind::Separator) return true;
    return false;
  }
  // Whether a click on the main part opens the list (not split, and there is a list).
  bool OpensListOnClick() const { return !split_ && HasList(); }

 private:
  bool split_ = false;
  const TTBXSubmenuItem* linked_ = nullptr;
};

}  // namespace tessary::widgets
