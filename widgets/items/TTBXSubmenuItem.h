#pragma once
// An item that opens a list of items: a submenu in a popup, a menu on the menu bar, a
// drop-down button on a toolbar, or (split) a button with a separate arrow that opens the
// list. A submenu item that holds no entries and links no list behaves as a button.
#include <memory>

#include "widgets/TTBCustomItem.h"

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
  bool Split() const override { return split_; }

  // Shows the entries of another submenu item instead of its own (not owned).
  void SetLinkedList(const TTBXSubmenuItem* list) {
    linked_ = list;
    Changed();
  }
  // The item whose entries this one opens.
  const TTBXSubmenuItem& ListSource() const override { return linked_ ? *linked_ : *this; }

 private:
  bool split_ = false;
  const TTBXSubmenuItem* linked_ = nullptr;
};

}  // namespace tessary::widgets
