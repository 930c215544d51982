#include "widgets/controls/NoteBox.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "widgets/controls/CachedScrollBar.h"

namespace tessary::widgets {

NoteBox::NoteBox(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBar(new CachedScrollBar(Qt::Vertical));
  setHorizontalScrollBar(new CachedScrollBar(Qt::Horizontal));
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { KeepShaped(position, position + added); });
}

void NoteBox::KeepShaped(int from, int to) {
  const QTextBlock last = document()->findBlock(to);
  for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
    // A laid-out block drops its glyphs after every paint unless asked to keep them.
    block.layout()->setCacheEnabled(true);
    if (block == last) break;
  }
}

}  // namespace tessary::widgets
