#pragma once
// A multi-line plain-text box that repaints quickly: its text is shaped when a block is laid
// out and kept, not shaped again at every paint as a plain box does, and its scroll bars keep
// their painting while the user is not on them.
#include <QPlainTextEdit>

namespace tessary::widgets {

class NoteBox : public QPlainTextEdit {
 public:
  // The box keeps working on the document it was made with (it is not meant to be given
  // another one).
  explicit NoteBox(QWidget* parent = nullptr);

 private:
  // Keeps the shaped text of the blocks that hold the characters from `from` to `to`.
  void KeepShaped(int from, int to);
};

}  // namespace tessary::widgets
