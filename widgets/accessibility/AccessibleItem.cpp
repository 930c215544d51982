#include "widgets/accessibility/AccessibleItem.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "widgets/Command.h"
#include "widgets/ItemPainter.h"
#include "widgets/TTBCustomItem.h"
#include "widgets/accessibility/AccessibleItemView.h"

namespace tessary::widgets {

bool AccessibleItem::isValid() const { return view_->isValid(); }

QWindow* AccessibleItem::window() const { return view_->window(); }

bool AccessibleItem::Checkable() const {
  const Command* command = item_->GetCommand();
  return item_->Checked() || (command != nullptr && (command->AutoCheck() || command->Group() != 0));
}

bool AccessibleItem::HasList() const {
  return item_->Kind() == ItemKind::Submenu && (item_->Split() || item_->OpensListOnClick());
}

QAccessibleInterface* AccessibleItem::OpenListInterface() const {
  QWidget* list = view_->OpenList(item_);
  return list ? QAccessible::queryAccessibleInterface(list) : nullptr;
}

QAccessibleInterface* AccessibleItem::childAt(int x, int y) const {
  QAccessibleInterface* list = OpenListInterface();
  return list != nullptr && list->rect().contains(x, y) ? list : nullptr;
}

QAccessibleInterface* AccessibleItem::parent() const { return view_; }

QAccessibleInterface* AccessibleItem::child(int index) const { return index == 0 ? OpenListInterface() : nullptr; }

int AccessibleItem::childCount() const { return OpenListInterface() != nullptr ? 1 : 0; }

int AccessibleItem::indexOfChild(const QAccessibleInterface* child) const {
  return child != nullptr && child == OpenListInterface() ? 0 : -1;
}

QString AccessibleItem::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString caption = ItemPainter::DisplayText(item_->Caption());
      return caption.isEmpty() ? item_->Hint().section(u'|', 0, 0) : caption;
    }
    case QAccessible::Description: return item_->Tooltip();
    case QAccessible::Accelerator: return item_->ShortcutText();
    default: return {};
  }
}

QRect AccessibleItem::rect() const {
  const QRect local = view_->ItemRect(item_);
  if (local.isEmpty()) return {};
  return QRect(view_->View()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role AccessibleItem::role() const {
  switch (item_->Kind()) {
    case ItemKind::Separator: return QAccessible::Separator;
    case ItemKind::Label: return QAccessible::StaticText;
    case ItemKind::Spacer: return QAccessible::Whitespace;
    case ItemKind::Control: return QAccessible::Client;  // never asked: controls are their widgets
    case ItemKind::Button:
    case ItemKind::Submenu: break;
  }
  if (view_->ShowsMenuEntries()) return QAccessible::MenuItem;
  return Checkable() && !HasList() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State AccessibleItem::state() const {
  QAccessible::State state;
  if (!item_->Selectable()) return state;
  state.disabled = !item_->Enabled();
  state.focusable = item_->Enabled();
  state.focused = view_->Focused(item_);
  state.hotTracked = view_->Highlighted(item_);
  state.checkable = Checkable();
  state.checked = item_->Checked();
  state.hasPopup = HasList();
  state.expandable = HasList();
  state.expanded = view_->OpenList(item_) != nullptr;
  state.offscreen = view_->ItemRect(item_).isEmpty();  // behind the bar's chevron
  return state;
}

void* AccessibleItem::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessibleItem::actionNames() const {
  if (!item_->Selectable() || !item_->Enabled()) return {};
  // A menu or drop-down that opens on a click is pressed to open; a split button has both.
  if (item_->Kind() == ItemKind::Submenu && (item_->OpensListOnClick() || view_->ShowsMenuEntries()) && HasList())
    return {showMenuAction(), pressAction()};
  QStringList names{pressAction()};
  if (Checkable()) names << toggleAction();
  if (HasList()) names << showMenuAction();
  return names;
}

void AccessibleItem::doAction(const QString& actionName) {
  if (!actionNames().contains(actionName)) return;
  // The click may open a dialog, a menu or a message box: it runs from the event loop, so
  // that the screen reader or test tool asking gets its reply at once. By then the item may
  // have left its bar, or the bar its window: the action is looked up again.
  QWidget* view = view_->View();
  QMetaObject::invokeMethod(
      view,
      [view, item = item_, actionName] {
        auto* items = dynamic_cast<AccessibleItemView*>(QAccessible::queryAccessibleInterface(view));
        if (items == nullptr) return;
        const std::vector<TTBCustomItem*> children = items->ChildItems();
        if (std::find(children.begin(), children.end(), item) == children.end()) return;
        AccessibleItem current(items, item);
        if (!current.actionNames().contains(actionName)) return;
        if (actionName == showMenuAction()) items->ShowList(item);
        else items->Press(item);  // press and toggle: a click, which flips a check mark
      },
      Qt::QueuedConnection);
}

QStringList AccessibleItem::keyBindingsForAction(const QString& actionName) const {
  const QString shortcut = item_->ShortcutText();
  if (actionName != pressAction() || shortcut.isEmpty()) return {};
  return {shortcut};
}

}  // namespace tessary::widgets
