#pragma once
// Telling assistive tools which light item of a bar or popup has the keyboard. Items are no
// widgets: their interfaces come from the interface of the view that shows them, which the
// accessibility module (widgets/accessibility/) supplies once the library is started.
#include <QAccessibleInterface>
#include <functional>

class QWidget;

namespace tessary::widgets {

class TTBCustomItem;

// What the accessibility interface of a view of light items (a bar, a popup) offers beyond
// Qt's own: the interface of one of its items.
class AccessibleItemSource {
 public:
  virtual ~AccessibleItemSource() = default;
  // The interface of an item of this view (for a control item, its widget's own).
  virtual QAccessibleInterface* InterfaceFor(TTBCustomItem* item) const = 0;
};

// Tells assistive tools that `item`, shown by `view` (a bar or a popup), has the focus now.
void NotifyAccessibleFocus(QWidget* view, const TTBCustomItem* item);

// Also hands every such notice's interface to `listener` (none: stops), with or without an
// assistive tool: where the platform has none (offscreen, in tests) the toolkit passes no
// notice on, not even to an update handler.
void SetAccessibleFocusListener(std::function<void(QAccessibleInterface*)> listener);

}  // namespace tessary::widgets
