#include "widgets/accessibility/AccessibleViews.h"

#include <QApplication>

#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolWindow.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::widgets {

namespace {

QAccessibleInterface* AccessibleLine(QWidget* view, TTBCustomItem* item) {
  auto* itemView = dynamic_cast<AccessibleItemView*>(QAccessible::queryAccessibleInterface(view));
  return itemView ? itemView->InterfaceFor(item) : nullptr;
}

}  // namespace

// --- bars -------------------------------------------------------------------------------

AccessibleBar::AccessibleBar(TTBXToolbar* bar) : AccessibleItemView(bar, QAccessible::ToolBar) {}

TTBXToolbar* AccessibleBar::Bar() const { return static_cast<TTBXToolbar*>(View()); }

QString AccessibleBar::text(QAccessible::Text t) const {
  return t == QAccessible::Name ? Bar()->Caption() : AccessibleItemView::text(t);
}

QAccessible::Role AccessibleBar::role() const {
  return Bar()->IsMenuBar() ? QAccessible::MenuBar : QAccessible::ToolBar;
}

bool AccessibleBar::ShowsMenuEntries() const { return Bar()->IsMenuBar(); }

std::vector<TTBCustomItem*> AccessibleBar::ChildItems() const {
  std::vector<TTBCustomItem*> items;
  for (const auto& item : Bar()->Items())
    if (item->Visible()) items.push_back(item.get());
  return items;
}

int AccessibleBar::IndexOf(const TTBCustomItem* item) const {
  const auto& items = Bar()->Items();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == item) return static_cast<int>(i);
  return -1;
}

QRect AccessibleBar::ItemRect(const TTBCustomItem* item) const { return Bar()->ItemRect(item); }

bool AccessibleBar::Highlighted(const TTBCustomItem* item) const {
  return Bar()->HotIndex() >= 0 && Bar()->HotIndex() == IndexOf(item);
}

bool AccessibleBar::Focused(const TTBCustomItem* item) const {
  return (Bar()->KeyboardMode() || Bar()->hasFocus()) && Highlighted(item);
}

QWidget* AccessibleBar::OpenList(const TTBCustomItem* item) const {
  return Bar()->OpenIndex() >= 0 && Bar()->OpenIndex() == IndexOf(item) ? Bar()->OpenPopup() : nullptr;
}

void AccessibleBar::Press(TTBCustomItem* item) {
  if (item->Kind() == ItemKind::Submenu && (Bar()->IsMenuBar() || item->OpensListOnClick())) {
    ShowList(item);
    return;
  }
  item->Click();
}

void AccessibleBar::ShowList(TTBCustomItem* item) { Bar()->OpenItemList(IndexOf(item), true); }

// --- popups -----------------------------------------------------------------------------

AccessiblePopup::AccessiblePopup(PopupWindow* popup) : AccessibleItemView(popup, QAccessible::PopupMenu) {}

PopupWindow* AccessiblePopup::Popup() const { return static_cast<PopupWindow*>(View()); }

QAccessibleInterface* AccessiblePopup::parent() const {
  if (PopupWindow* parentPopup = Popup()->ParentPopup(); parentPopup != nullptr && parentPopup->ChildLine() >= 0)
    return AccessibleLine(parentPopup, parentPopup->LineItem(parentPopup->ChildLine()));
  if (auto* bar = qobject_cast<TTBXToolbar*>(Popup()->parentWidget());
      bar != nullptr && bar->OpenPopup() == Popup() && bar->OpenIndex() >= 0)
    return AccessibleLine(bar, bar->Items()[static_cast<std::size_t>(bar->OpenIndex())].get());
  return AccessibleItemView::parent();
}

QString AccessiblePopup::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return AccessibleItemView::text(t);
  const QAccessibleInterface* opener = parent();
  return opener != nullptr && opener->object() == nullptr ? opener->text(QAccessible::Name) : QString();
}

std::vector<TTBCustomItem*> AccessiblePopup::ChildItems() const {
  std::vector<TTBCustomItem*> lines;
  for (int line = 0; line < Popup()->LineCount(); ++line) lines.push_back(Popup()->LineItem(line));
  return lines;
}

int AccessiblePopup::LineOf(const TTBCustomItem* item) const {
  for (int line = 0; line < Popup()->LineCount(); ++line)
    if (Popup()->LineItem(line) == item) return line;
  return -1;
}

QRect AccessiblePopup::ItemRect(const TTBCustomItem* item) const {
  const int line = LineOf(item);
  if (line < 0) return {};
  // A line scrolled out of a list taller than the screen is not shown.
  const QRect shown = Popup()->LineRect(line);
  return Popup()->rect().contains(shown) ? shown : QRect();
}

bool AccessiblePopup::Highlighted(const TTBCustomItem* item) const {
  return Popup()->Highlighted() >= 0 && Popup()->Highlighted() == LineOf(item);
}

bool AccessiblePopup::Focused(const TTBCustomItem* item) const { return Highlighted(item); }

QWidget* AccessiblePopup::OpenList(const TTBCustomItem* item) const {
  return Popup()->ChildLine() >= 0 && Popup()->ChildLine() == LineOf(item) ? Popup()->ChildPopup() : nullptr;
}

void AccessiblePopup::Press(TTBCustomItem* item) { Popup()->Activate(LineOf(item)); }

void AccessiblePopup::ShowList(TTBCustomItem* item) { Popup()->OpenSubmenu(LineOf(item), true); }

// --- tool windows -----------------------------------------------------------------------

AccessibleToolWindow::AccessibleToolWindow(TTBXToolWindow* window) : QAccessibleWidget(window, QAccessible::ToolBar) {}

QString AccessibleToolWindow::text(QAccessible::Text t) const {
  return t == QAccessible::Name ? static_cast<TTBXToolWindow*>(widget())->Caption() : QAccessibleWidget::text(t);
}

}  // namespace tessary::widgets
