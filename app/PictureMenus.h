#pragma once
// The context menus of the places of the skin on the control panel: every sample (the
// example excepted), every item of the two sample toolbars, both image drop-down lists and
// their "Change..." buttons (for the selected entry) and the two background buttons. A
// right click, the Menu key or Shift+F10 opens the menu of the place (with the keyboard:
// the focused sample, the toolbar's highlighted item); its entries come from
// PictureActions, in order, those that cannot apply disabled. A chosen entry runs once the
// menu has closed (queued, also when a screen reader presses it), in the error handler.
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <optional>

#include "app/ControlPanel.h"
#include "editing/Dialogs.h"
#include "editing/PictureActions.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

class PictureMenus : public QObject {
  Q_OBJECT

 public:
  PictureMenus(QWidget& window, const ControlPanel& panel, const preview::CommandVocabulary& vocabulary,
               PictureActions& actions, Dialogs& dialogs);
  ~PictureMenus() override;

  // Opens the menu of the place `widget` shows at `pos` (its coordinates; none: the place
  // the keyboard is on); null when it shows none.
  QMenu* OpenMenu(QWidget* widget, std::optional<QPoint> pos);
  // The menu open now, if any.
  QMenu* OpenedMenu() const { return menu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  const ControlPanel& panel_;
  const preview::CommandVocabulary& vocabulary_;
  PictureActions& actions_;
  Dialogs& dialogs_;
  QPointer<QMenu> menu_;
};

// Whether a key press opens a context menu: the Menu key, or Shift+F10.
bool IsContextMenuKey(const QKeyEvent& key);

}  // namespace tessary::app
