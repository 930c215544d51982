#include "widgets/accessibility/AccessibleItemView.h"

#include <algorithm>

#include "widgets/TTBCustomItem.h"
#include "widgets/accessibility/AccessibleItem.h"

namespace tessary::widgets {

AccessibleItemView::AccessibleItemView(QWidget* view, QAccessible::Role role) : QAccessibleWidget(view, role) {}

AccessibleItemView::~AccessibleItemView() {
  for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleItemView::InterfaceFor(TTBCustomItem* item) const {
  if (item == nullptr) return nullptr;
  if (item->Kind() == ItemKind::Control) {
    QWidget* control = item->Control();
    return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
  }
  if (const auto found = ids_.constFind(item); found != ids_.cend()) return QAccessible::accessibleInterface(*found);
  auto* self = const_cast<AccessibleItemView*>(this);
  auto* created = new AccessibleItem(self, item);
  ids_.insert(item, QAccessible::registerAccessibleInterface(created));
  return created;
}

int AccessibleItemView::childCount() const { return static_cast<int>(ChildItems().size()); }

QAccessibleInterface* AccessibleItemView::child(int index) const {
  const std::vector<TTBCustomItem*> items = ChildItems();
  if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
  return InterfaceFor(items[static_cast<std::size_t>(index)]);
}

int AccessibleItemView::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<TTBCustomItem*> items = ChildItems();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (InterfaceFor(items[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* AccessibleItemView::childAt(int x, int y) const {
  const QPoint pos = View()->mapFromGlobal(QPoint(x, y));
  for (TTBCustomItem* item : ChildItems())
    if (ItemRect(item).contains(pos)) return InterfaceFor(item);
  return nullptr;
}

QAccessibleInterface* AccessibleItemView::focusChild() const {
  for (TTBCustomItem* item : ChildItems())
    if (Focused(item)) return InterfaceFor(item);
  return nullptr;
}

}  // namespace tessary::widgets
