#pragma once
// The shortcut dispatcher: an application-wide event filter that offers every key press
// to the command vocabulary before the focused control sees it, whatever has the focus
// (the note, a combo box, a toolbar). The first command with the key's shortcut runs and
// the key goes no further. The one exception: while a text box the user can type into has
// the focus, the text-editing keys (Ctrl+A, C, X, V; Ctrl+Insert, Shift+Insert and
// Shift+Delete) go to the box, so that copy and paste work there.
//
// Keys stay with an open menu or drop-down list, with a menu bar that has the keyboard
// (after Alt or F10), and with a modal dialog: Esc closes them rather than running
// `actlStop`.
//
// The editor window creates one after its vocabulary; destroying it removes the filter.
#include <QObject>

namespace tessary::preview {

class CommandVocabulary;

class ShortcutDispatcher : public QObject {
  Q_OBJECT

 public:
  // Installs the filter on the application (which must exist).
  explicit ShortcutDispatcher(CommandVocabulary& vocabulary, QObject* parent = nullptr);
  ~ShortcutDispatcher() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CommandVocabulary& vocabulary_;
};

}  // namespace tessary::preview
