#include "widgets/TTBXToolWindow.h"

#include <QChildEvent>
#include <algorithm>

namespace tessary::widgets {

TTBXToolWindow::TTBXToolWindow(QWidget* parent) : TTBCustomDockableWindow(parent) {}

void TTBXToolWindow::SetClientAreaSize(QSize size) {
  clientSize_ = size;
  ContentSizeChanged();
}

void TTBXToolWindow::AddChild(QWidget* child) {
  child->setParent(this);
  children_.push_back(child);
  child->show();
  ContentSizeChanged();
}

int TTBXToolWindow::ViewKind() const {
  int kind = vkToolWindow;
  if (IsFloating()) kind |= vkFloating;
  if (BackgroundShows()) kind |= vkTransparent;
  return kind;
}

bool TTBXToolWindow::Expands(const QWidget* child) {
  return (child->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag) != 0;
}

int TTBXToolWindow::ChildWidth(const QWidget* child) const {
  if (child->minimumWidth() == child->maximumWidth()) return child->minimumWidth();
  return std::max(child->sizeHint().width(), child->minimumWidth());
}

QSize TTBXToolWindow::ContentSize(int maxClientWidth) const {
  // Children that expand can give up their width down to their own minimum; the others
  // keep theirs, so a squeezed status bar still shows its fixed panels whole.
  int width = 0;
  int least = 0;
  for (const QWidget* child : children_) {
    if (child->isHidden()) continue;
    width += ChildWidth(child);
    least += Expands(child) ? child->minimumWidth() : ChildWidth(child);
  }
  width = std::max(width, clientSize_.width());
  least = std::max(least, clientSize_.width());
  if (maxClientWidth >= 0) width = std::max(std::min(width, maxClientWidth), least);
  return {width, clientSize_.height()};
}

void TTBXToolWindow::LayoutContent() {
  const QRect client = ClientRect();
  int fixed = 0;
  int expanding = 0;
  for (const QWidget* child : children_) {
    if (child->isHidden()) continue;
    if (Expands(child)) ++expanding;
    else fixed += ChildWidth(child);
  }
  const int free = std::max(0, client.width() - fixed);
  int given = 0;
  int seen = 0;
  int x = client.left();
  for (QWidget* child : children_) {
    if (child->isHidden()) continue;
    int width = ChildWidth(child);
    if (Expands(child)) {
      ++seen;
      width = seen == expanding ? free - given : free / expanding;
      given += width;
    }
    child->setGeometry(x, client.top(), width, client.height());
    x += width;
  }
}

void TTBXToolWindow::PaintContent(QPainter&) {
  // Children paint themselves; transparent ones let the bar's painting show through.
}

void TTBXToolWindow::childEvent(QChildEvent* event) {
  if (event->removed()) {
    children_.erase(std::remove(children_.begin(), children_.end(), event->child()), children_.end());
  }
  TTBCustomDockableWindow::childEvent(event);
}

}  // namespace tessary::widgets
