#pragma once
// The accessible interfaces of the library's views: a bar (tool bar or menu bar) with its
// items, a popup (menu, drop-down or chevron list) with its lines, and a tool window.
#include <QPointer>

#include "widgets/accessibility/AccessibleItemView.h"

namespace tessary::widgets {

class TTBXToolbar;
class TTBXToolWindow;
class PopupWindow;

class AccessibleBar : public AccessibleItemView {
 public:
  explicit AccessibleBar(TTBXToolbar* bar);

  QString text(QAccessible::Text t) const override;
  QAccessible::Role role() const override;

  std::vector<TTBCustomItem*> ChildItems() const override;
  QRect ItemRect(const TTBCustomItem* item) const override;
  bool Highlighted(const TTBCustomItem* item) const override;
  bool Focused(const TTBCustomItem* item) const override;
  QWidget* OpenList(const TTBCustomItem* item) const override;
  void Press(TTBCustomItem* item) override;
  void ShowList(TTBCustomItem* item) override;
  bool ShowsMenuEntries() const override;

 private:
  TTBXToolbar* Bar() const;
  int IndexOf(const TTBCustomItem* item) const;
};

class AccessiblePopup : public AccessibleItemView {
 public:
  explicit AccessiblePopup(PopupWindow* popup);

  // A popup hangs from the entry that opened it: a line of its parent popup or an item of
  // the bar that owns it.
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;

  std::vector<TTBCustomItem*> ChildItems() const override;
  QRect ItemRect(const TTBCustomItem* item) const override;
  bool Highlighted(const TTBCustomItem* item) const override;
  bool Focused(const TTBCustomItem* item) const override;
  QWidget* OpenList(const TTBCustomItem* item) const override;
  void Press(TTBCustomItem* item) override;
  void ShowList(TTBCustomItem* item) override;
  bool ShowsMenuEntries() const override { return true; }

 private:
  PopupWindow* Popup() const;
  int LineOf(const TTBCustomItem* item) const;
};

// A tool window: a tool bar named by its caption whose children are its widgets.
class AccessibleToolWindow : public QAccessibleWidget {
 public:
  explicit AccessibleToolWindow(TTBXToolWindow* window);
  QString text(QAccessible::Text t) const override;
};

}  // namespace tessary::widgets
