#pragma once
// Room kept beside a dock for the theme that makes the dock tallest. A dock's height follows
// the current theme (some themes have taller bars), so without it everything below the top
// dock would move when a theme is chosen, and the theme entry the user just clicked would no
// longer be under the pointer. The spacer takes what the dock leaves of its tallest height.
#include <QObject>
#include <QWidget>

#include "widgets/TTBDock.h"

namespace tessary::app {

class DockReserve : public QObject {
 public:
  // Keeps `spacer` (placed next to `dock` in the same layout) at the dock's tallest height
  // less its own; both are the caller's.
  DockReserve(widgets::TTBDock& dock, QWidget& spacer);

  // Sets the spacer's height again (the dock's bars changed in a way it cannot see).
  void Update();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  widgets::TTBDock& dock_;
  QWidget& spacer_;
};

}  // namespace tessary::app
