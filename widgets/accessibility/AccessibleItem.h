#pragma once
// The accessible interface of one light item of a bar or a popup. The view's interface
// owns it. Its one child, while the item's list is open, is the popup showing the list.
#include <QAccessibleInterface>

namespace tessary::widgets {

class TTBCustomItem;
class AccessibleItemView;

class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleItem(AccessibleItemView* view, TTBCustomItem* item) : view_(view), item_(item) {}

  TTBCustomItem* Item() const { return item_; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  // Whether the item shows a check mark when checked (an auto-check or grouped command).
  bool Checkable() const;
  // Whether the item has a list to open.
  bool HasList() const;
  QAccessibleInterface* OpenListInterface() const;

  AccessibleItemView* view_;
  TTBCustomItem* item_;
};

}  // namespace tessary::widgets
