#pragma once
// The accessible interface shared by the views of light items (bars and popups): it makes
// one interface per item on demand, keeps it while the view lives, and asks the view where
// an item is, whether it is highlighted or has its list open, and how to press it.
#include <QAccessibleWidget>
#include <QHash>
#include <vector>

#include "widgets/AccessibleFocus.h"

namespace tessary::widgets {

class TTBCustomItem;

class AccessibleItemView : public QAccessibleWidget, public AccessibleItemSource {
 public:
  AccessibleItemView(QWidget* view, QAccessible::Role role);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* InterfaceFor(TTBCustomItem* item) const override;
  QWidget* View() const { return widget(); }

  // The items shown as children, in order.
  virtual std::vector<TTBCustomItem*> ChildItems() const = 0;
  // Where an item is shown (view coordinates); empty when it is not (behind a chevron).
  virtual QRect ItemRect(const TTBCustomItem* item) const = 0;
  // The view's highlighted item (mouse or keyboard), and whether it has the keyboard.
  virtual bool Highlighted(const TTBCustomItem* item) const = 0;
  virtual bool Focused(const TTBCustomItem* item) const = 0;
  // The popup showing the item's list while it is open, else none.
  virtual QWidget* OpenList(const TTBCustomItem* item) const = 0;
  // Does what a click on the item does; opens the item's list.
  virtual void Press(TTBCustomItem* item) = 0;
  virtual void ShowList(TTBCustomItem* item) = 0;
  // Whether the items are menu entries (a popup, a menu bar) rather than toolbar buttons.
  virtual bool ShowsMenuEntries() const = 0;

 protected:
  ~AccessibleItemView() override;

 private:
  mutable QHash<const TTBCustomItem*, QAccessible::Id> ids_;
};

}  // namespace tessary::widgets
