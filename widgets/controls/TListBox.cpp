#include "widgets/controls/TListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessary::widgets {

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setSortingEnabled(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TListBox::SetItems(const QStringList& items) {
  const QSignalBlocker quiet(this);
  clear();
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text);
    item->setSizeHint(QSize(0, itemHeight_));
    addItem(item);
  }
}

void TListBox::SetItemIndex(int index) {
  const QSignalBlocker quiet(this);
  setCurrentRow(index);
}

QString TListBox::SelectedText() const {
  const QListWidgetItem* item = currentItem();
  return item != nullptr ? item->text() : QString();
}

void TListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  for (int row = 0; row < count(); ++row) item(row)->setSizeHint(QSize(0, height));
  doItemsLayout();
}

void TListBox::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  // The selection follows the press; a press on the selected entry counts as well.
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr) emit Click();
}

void TListBox::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before && currentRow() >= 0) emit Click();
}

}  // namespace tessary::widgets
