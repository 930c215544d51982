#pragma once
// A list of text entries, each one line of a fixed height, kept sorted. Click is raised when
// the user selects an entry with the mouse (the selected one too) or moves the selection
// with the keyboard, never when the selection is set in code.
#include <QListWidget>

namespace tessary::widgets {

class TListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit TListBox(QWidget* parent = nullptr);

  // Replaces the entries (sorted as they are added).
  void SetItems(const QStringList& items);
  // The selected entry (-1: none); setting it raises nothing.
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int index);
  // The text of the selected entry (empty when none).
  QString SelectedText() const;
  // Height of every entry in pixels.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int itemHeight_ = 13;
};

}  // namespace tessary::widgets
