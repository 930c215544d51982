#include "editing/EditHistory.h"

#include <utility>

namespace tessary {

EditHistory::EditHistory(SkinEditor& editor, std::size_t limit) : editor_(editor), limit_(limit) {
  beforeWatch_ = editor_.OnBeforeChange([this](SkinParts parts) { BeforeChange(parts); });
  changeWatch_ = editor_.OnChanged([this](SkinParts) { Changed(); });
  fileWatch_ = editor_.OnSavedOrOpened([this](const std::string& path, FileEvent event) {
    // An imported old skin cannot be saved back: the skin stays what it was to its file.
    if (event == FileEvent::kImported) return;
    // An Open (or New, which opens no file) was the step just made: undoing it goes back
    // to the file held before.
    if (event != FileEvent::kSaved && !undo_.empty()) undo_.back().otherFile = file_;
    file_ = {path, state_};
    stateChanged_.Emit();
  });
}

void EditHistory::BeforeChange(SkinParts parts) {
  // A command tells only once it has everything it needs; one that fails after this
  // leaves a copy that the next change replaces.
  if (!restoring_) pending_ = editor_.Snapshot(parts);
}

void EditHistory::Changed() {
  if (restoring_ || !pending_) return;
  SkinSnapshot before = std::move(*pending_);
  pending_.reset();
  const SkinParts parts = before.Parts();
  undo_.push_back({std::move(before), editor_.Snapshot(parts), state_, nextState_++, std::nullopt});
  state_ = undo_.back().stateAfter;
  if (undo_.size() > limit_) undo_.pop_front();
  redo_.clear();
  stateChanged_.Emit();
}

void EditHistory::Move(std::deque<Step>& from, std::deque<Step>& to, bool back) {
  if (from.empty()) return;
  struct Restoring {
    bool& flag;
    explicit Restoring(bool& f) : flag(f) { flag = true; }
    ~Restoring() { flag = false; }
  };
  {
    const Restoring restoring(restoring_);
    editor_.Restore(back ? from.back().before : from.back().after);
  }
  state_ = back ? from.back().stateBefore : from.back().stateAfter;
  if (from.back().otherFile) std::swap(file_, *from.back().otherFile);
  to.push_back(std::move(from.back()));
  from.pop_back();
  stateChanged_.Emit();
}

void EditHistory::Undo() { Move(undo_, redo_, true); }

void EditHistory::Redo() { Move(redo_, undo_, false); }

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
  pending_.reset();
  file_.state = state_;
  stateChanged_.Emit();
}

}  // namespace tessary
