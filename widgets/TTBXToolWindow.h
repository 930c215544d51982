#pragma once
// A themed tool window: a dockable bar that hosts child widgets (status panels, system
// buttons) side by side in its client area. Children keep their own width (their fixed or
// hinted width) and height follows the client area; children whose horizontal size
// policy expands share what is left, so fixed children stay at the right end.
#include <QSize>
#include <vector>

#include "widgets/TTBCustomDockableWindow.h"

namespace tessary::widgets {

class TTBXToolWindow : public TTBCustomDockableWindow {
  Q_OBJECT

 public:
  explicit TTBXToolWindow(QWidget* parent = nullptr);

  // The least client size (the client height is exactly this height).
  void SetClientAreaSize(QSize size);
  QSize ClientAreaSize() const { return clientSize_; }

  // Adds a child widget at the right end of the client area (the bar becomes its parent).
  void AddChild(QWidget* child);
  const std::vector<QWidget*>& Children() const { return children_; }

  int ViewKind() const override;
  QSize ContentSize(int maxClientWidth) const override;

 protected:
  void LayoutContent() override;
  void PaintContent(QPainter& painter) override;
  void childEvent(QChildEvent* event) override;

 private:
  int ChildWidth(const QWidget* child) const;
  // Whether a child takes a share of the width the others leave.
  static bool Expands(const QWidget* child);

  QSize clientSize_{0, 0};
  std::vector<QWidget*> children_;
};

}  // namespace tessary::widgets
