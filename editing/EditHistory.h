#pragma once
// Undo and redo of every change the editing commands make, and whether the skin differs
// from the file it was last saved to or opened from.
//
// The history listens to the editor: before a change it copies the parts the change is
// about to touch, after it the same parts again; the two copies make one step. A whole
// Open or Import is one step. Undo and redo hand a copy back to SkinEditor::Restore, which
// shows it through the same path as the commands. Copies share the skin's pictures and
// list images, so a step costs what it changed, not the skin; at most `limit` steps are
// kept, the oldest dropped first.
//
// The file the skin was last saved to or opened from goes with the steps: undoing an Open
// gives back the file the window held before it (and whether the skin still equals that
// one), redoing it the opened file again.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "editing/SkinEditor.h"
#include "editing/SkinSnapshot.h"
#include "skin/Signal.h"

namespace tessary {

class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 100;

  // Follows `editor`'s changes from now on; the skin as it is counts as unchanged.
  explicit EditHistory(SkinEditor& editor, std::size_t limit = kMaxSteps);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  std::size_t UndoCount() const { return undo_.size(); }
  std::size_t RedoCount() const { return redo_.size(); }

  // Goes back one step / forward one undone step; nothing when there is none.
  void Undo();
  void Redo();

  // The skin differs from what it was when last saved or opened (or, before either, when
  // the history began). Undoing back to that point clears it again.
  bool Modified() const { return state_ != file_.state; }
  // The path of the file last saved or opened, as undone and redone Opens leave it; empty
  // before either.
  const std::string& File() const { return file_.path; }

  // Forgets every step; the skin as it is counts as unchanged (a file opened at start-up).
  void Clear();

  // Told after anything above may have changed: a new step, an undo or redo, a save.
  [[nodiscard]] Connection OnStateChanged(std::function<void()> observer) {
    return stateChanged_.Connect(std::move(observer));
  }

 private:
  // A file and the state of the skin that equals it.
  struct FileMark {
    std::string path;
    std::uint64_t state = 0;
  };
  struct Step {
    SkinSnapshot before;
    SkinSnapshot after;
    std::uint64_t stateBefore;
    std::uint64_t stateAfter;
    // An Open: the file on the step's other side, traded with the current one at each move.
    std::optional<FileMark> otherFile;
  };

  void BeforeChange(SkinParts parts);
  void Changed();
  // Moves the last step of `from` to `to`, restoring its `before` (back) or `after`.
  void Move(std::deque<Step>& from, std::deque<Step>& to, bool back);

  SkinEditor& editor_;
  std::size_t limit_;
  std::deque<Step> undo_;
  std::deque<Step> redo_;
  std::optional<SkinSnapshot> pending_;  // taken before a change, until it happened
  bool restoring_ = false;
  // Every state of the skin the history made gets a number; a save or open remembers one.
  std::uint64_t state_ = 0;
  std::uint64_t nextState_ = 1;
  FileMark file_;
  Signal<> stateChanged_;
  Connection beforeWatch_, changeWatch_, fileWatch_;
};

}  // namespace tessary
