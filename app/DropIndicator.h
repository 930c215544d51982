#pragma once
// What the editor window shows while a file is dragged over it: a frame around the place
// under the pointer (green when it takes the file, red when it refuses it), and beside the
// pointer what dropping it does, or why the place does not take it. Lies over the whole window and lets every mouse
// event through; hidden when no file is dragged.
#include <QWidget>

namespace tessary::app {

class DropIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit DropIndicator(QWidget& window);

  // Shows the verdict for the place `area` (window coordinates; empty: no place) with the
  // pointer at `pointer`.
  void ShowVerdict(bool takes, const QString& text, QRect area, QPoint pointer);
  void Clear();

  bool Takes() const { return takes_; }
  const QString& Text() const { return text_; }
  QRect Area() const { return area_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The text's box beside the pointer, kept inside the window.
  QRect TextBox() const;

  bool takes_ = false;
  QString text_;
  QRect area_;
  QPoint pointer_;
};

}  // namespace tessary::app
