#include "widgets/PopupWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

#include "skin/ImageList.h"
#include "widgets/AccessibleFocus.h"
#include "widgets/ItemPainter.h"
#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

namespace {

// Image width assumed for the image column when no line has an image list.
constexpr int kDefaultImageWidth = 16;
// An empty list still opens as a small frame, so the click visibly did something.
constexpr int kEmptyListWidth = 40;
constexpr int kEmptyListHeight = 6;
// How near the top or bottom edge the pointer scrolls a list taller than the screen, how
// far each step goes and how often; how much one wheel notch turns.
constexpr int kScrollZone = 8;
constexpr int kScrollPixels = 6;
constexpr int kScrollIntervalMs = 30;
constexpr int kWheelNotch = 120;

// A submenu line opens its list, also when the item is split (the chevron list shows a
// bar's split buttons this way, so their lists stay reachable).
bool OpensSubmenu(const TTBCustomItem* item) { return item->Kind() == ItemKind::Submenu && item->HasList(); }

}  // namespace

PopupWindow::PopupWindow(std::vector<TTBCustomItem*> items, int viewKind, ImageList* images, PopupWindow* parentPopup,
                         QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      items_(std::move(items)),
      viewKind_(viewKind),
      images_(images),
      pixmaps_([this] { update(); }),
      parentPopup_(parentPopup) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  submenuTimer_.setSingleShot(true);
  submenuTimer_.setInterval(kSubmenuDelayMs);
  scrollTimer_.setInterval(kScrollIntervalMs);
  connect(&scrollTimer_, &QTimer::timeout, this, [this] {
    const int before = scroll_;
    if (scrollStep_ != 0 && !rects_.empty()) ScrollTo(scroll_ + scrollStep_ * kScrollPixels);
    if (scroll_ == before) scrollTimer_.stop();
  });
  connect(&submenuTimer_, &QTimer::timeout, this, [this] {
    if (highlighted_ >= 0 && OpensSubmenu(LineItem(highlighted_))) {
      OpenSubmenu(highlighted_, false);
    } else {
      CloseChild();
    }
  });
  for (TTBCustomItem* item : items_) {
    connections_.push_back(item->OnChange([this] {
      Relayout();
      update();
    }));
  }
  Relayout();
}

void PopupWindow::AdoptItems(std::vector<std::unique_ptr<TTBCustomItem>> items) {
  for (auto& item : items) owned_.push_back(std::move(item));
}

PopupWindow::~PopupWindow() {
  if (parentPopup_ != nullptr && parentPopup_->child_ == this) parentPopup_->childLine_ = -1;
}

void PopupWindow::Relayout() {
  const Theme& theme = CurrentTheme();
  const ItemView view{viewKind_, images_, &pixmaps_, QFontMetrics(font())};
  // Hidden entries are skipped; separators never lead or follow one another. A list that
  // ends with a separator shows it (a menu meant to end with a line), but one left at the
  // end only because the entries after it are hidden is dropped.
  lines_.clear();
  std::size_t keptLine = 0;  // lines before the last entry that is neither hidden nor a line
  for (TTBCustomItem* item : items_) {
    if (!item->Visible()) continue;
    const bool separator = item->Kind() == ItemKind::Separator;
    if (separator && (lines_.empty() || lines_.back()->Kind() == ItemKind::Separator)) continue;
    lines_.push_back(item);
    if (!separator) keptLine = lines_.size();
  }
  const bool endsWithLine =
      !items_.empty() && items_.back()->Kind() == ItemKind::Separator && items_.back()->Visible() && keptLine > 0;
  lines_.resize(endsWithLine ? std::min(lines_.size(), keptLine + 1) : keptLine);

  int imageWidth = 0;
  int captionWidth = 0;
  int shortcutWidth = 0;
  for (const TTBCustomItem* item : lines_) {
    if (const ImageList* list = item->EffectiveImages(images_)) imageWidth = std::max(imageWidth, list->Width());
    captionWidth = std::max(captionWidth, ItemPainter::MenuCaptionWidth(*item, view));
    shortcutWidth = std::max(shortcutWidth, ItemPainter::MenuShortcutWidth(*item, view));
  }
  imageColumn_ = theme.MenuImageColumnWidth(imageWidth > 0 ? imageWidth : kDefaultImageWidth);
  shortcutColumn_ = shortcutWidth;
  const int lineWidth = imageColumn_ + ItemPainter::kMenuCaptionGap + captionWidth +
                        (shortcutWidth > 0 ? ItemPainter::kMenuShortcutGap + shortcutWidth : 0) +
                        ItemPainter::kMenuArrowGap + ItemPainter::kMenuArrowColumn;
  const QMargins border = theme.PopupBorder(viewKind_);
  rects_.clear();
  int y = border.top();
  for (const TTBCustomItem* item : lines_) {
    const int height = ItemPainter::MenuLineHeight(*item, view);
    rects_.emplace_back(border.left(), y, lineWidth, height);
    y += height;
  }
  if (lines_.empty()) {
    resize(kEmptyListWidth, border.top() + border.bottom() + kEmptyListHeight);
  } else {
    // A list taller than the screen shows what fits and scrolls (wheel, keyboard, or the
    // pointer resting at its top or bottom edge).
    const int full = y + border.bottom();
    resize(lineWidth + border.left() + border.right(), maxHeight_ > 0 ? std::min(full, maxHeight_) : full);
  }
  ScrollTo(scroll_);
  if (highlighted_ >= LineCount()) highlighted_ = -1;
}

QSize PopupWindow::sizeHint() const { return size(); }

void PopupWindow::ThemeChanged(int phase) {
  if (phase != tcAfterChange) return;
  Relayout();
  update();
}

void PopupWindow::Popup(QPoint globalPos, bool selectFirst, const QRect& anchor) {
  QPoint pos = globalPos;
  const QScreen* screen = QGuiApplication::screenAt(globalPos);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  maxHeight_ = screen != nullptr ? screen->availableGeometry().height() : 0;
  Relayout();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    if (pos.x() + width() > area.right() + 1) {
      const bool besideAnchor = anchor.isValid() && globalPos.x() > anchor.right();
      pos.setX(besideAnchor ? anchor.left() - width() : area.right() + 1 - width());
    }
    if (pos.y() + height() > area.bottom() + 1) {
      const bool belowAnchor = anchor.isValid() && globalPos.y() > anchor.bottom();
      pos.setY(belowAnchor ? anchor.top() - height() : area.bottom() + 1 - height());
    }
    pos.setX(std::max(pos.x(), area.left()));
    pos.setY(std::max(pos.y(), area.top()));
  }
  move(pos);
  show();
  if (selectFirst) SetHighlighted(NextSelectable(-1, 1));
}

QRect PopupWindow::LineRect(int line) const {
  return rects_.at(static_cast<std::size_t>(line)).translated(0, -scroll_);
}

int PopupWindow::LineAt(QPoint pos) const {
  if (!ListArea().contains(pos)) return -1;  // a line scrolled under the border is not hit
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (rects_[i].contains(pos + QPoint(0, scroll_))) return static_cast<int>(i);
  return -1;
}

QRect PopupWindow::ListArea() const { return rect().marginsRemoved(CurrentTheme().PopupBorder(viewKind_)); }

int PopupWindow::MaxScroll() const {
  if (rects_.empty()) return 0;
  return std::max(0, rects_.back().bottom() + 1 - ListArea().bottom() - 1);
}

void PopupWindow::ScrollTo(int offset) {
  const int clamped = std::clamp(offset, 0, MaxScroll());
  if (clamped == scroll_) return;
  scroll_ = clamped;
  update();
}

void PopupWindow::EnsureVisible(int line) {
  if (line < 0 || line >= LineCount()) return;
  const QRect area = ListArea();
  const QRect shown = LineRect(line);
  if (shown.top() < area.top()) ScrollTo(scroll_ - (area.top() - shown.top()));
  else if (shown.bottom() > area.bottom()) ScrollTo(scroll_ + (shown.bottom() - area.bottom()));
}

void PopupWindow::SetHighlighted(int line, bool byMouse) {
  mouseOver_ = byMouse;
  if (line == highlighted_) return;
  highlighted_ = line;
  if (!byMouse) EnsureVisible(line);
  if (line >= 0) NotifyAccessibleFocus(this, LineItem(line));
  update();
}

int PopupWindow::NextSelectable(int from, int step) const {
  const int count = LineCount();
  if (count == 0) return -1;
  int line = from;
  for (int tries = 0; tries < count; ++tries) {
    line = (line + step + count) % count;
    if (LineItem(line)->Selectable()) return line;
  }
  return -1;
}

PopupWindow* PopupWindow::Root() {
  PopupWindow* root = this;
  while (root->parentPopup_ != nullptr) root = root->parentPopup_;
  return root;
}

PopupWindow* PopupWindow::PopupAt(QPoint globalPos) {
  for (PopupWindow* popup = this; popup != nullptr; popup = popup->parentPopup_)
    if (popup->isVisible() && popup->geometry().contains(globalPos)) return popup;
  return nullptr;
}

void PopupWindow::CloseChild() {
  if (child_) {
    PopupWindow* child = child_;
    child_ = nullptr;
    child->CloseChild();
    child->close();
  }
  childLine_ = -1;
  update();
}

void PopupWindow::CloseAll() {
  PopupWindow* root = Root();
  root->CloseChild();
  root->close();
}

void PopupWindow::OpenSubmenu(int line, bool selectFirst) {
  if (line < 0 || line >= LineCount() || !OpensSubmenu(LineItem(line)) || !LineItem(line)->Enabled()) return;
  SetHighlighted(line, mouseOver_);
  if (child_ && childLine_ == line) {
    if (selectFirst) child_->SetHighlighted(child_->NextSelectable(-1, 1));
    return;
  }
  CloseChild();
  std::vector<TTBCustomItem*> items;
  for (const auto& item : LineItem(line)->ListSource().Items()) items.push_back(item.get());
  child_ = new PopupWindow(std::move(items), viewKind_, images_, this, this);
  childLine_ = line;
  const QMargins border = CurrentTheme().PopupBorder(viewKind_);
  const QRect shown = LineRect(line);
  child_->Popup(mapToGlobal(QPoint(shown.right() + 1 + border.right(), shown.top() - border.top())), selectFirst,
                geometry());
  update();
}

void PopupWindow::Activate(int line) {
  if (line < 0 || line >= LineCount()) return;
  TTBCustomItem* item = LineItem(line);
  if (!item->Selectable() || !item->Enabled()) return;
  if (OpensSubmenu(item)) {
    OpenSubmenu(line, true);
    return;
  }
  // The chain closes before the command runs, so what it does happens with menus gone.
  CloseAll();
  item->Click();
}

void PopupWindow::HandleAccelerator(QChar letter) {
  std::vector<int> matches;
  for (int line = 0; line < LineCount(); ++line)
    if (LineItem(line)->Selectable() && LineItem(line)->Accelerator() == letter) matches.push_back(line);
  if (matches.empty()) return;
  if (matches.size() == 1) {
    SetHighlighted(matches.front());
    Activate(matches.front());
    return;
  }
  // Several entries share the letter: each press moves to the next of them.
  auto next = std::upper_bound(matches.begin(), matches.end(), highlighted_);
  SetHighlighted(next == matches.end() ? matches.front() : *next);
}

void PopupWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Theme& theme = CurrentTheme();
  theme.PaintPopupBackground(painter, rect(), viewKind_, imageColumn_);
  const ItemView view{viewKind_, images_, &pixmaps_, QFontMetrics(font())};
  painter.save();
  painter.setClipRect(ListArea());
  for (int line = 0; line < LineCount(); ++line) {
    const QRect shown = LineRect(line);
    if (!shown.intersects(ListArea())) continue;
    ItemLook look;
    look.highlighted = line == highlighted_ || line == childLine_;
    look.mouseOver = look.highlighted && mouseOver_;
    look.arrowPushed = line == childLine_;
    ItemPainter::PaintMenuLine(painter, *LineItem(line), view, shown, look, imageColumn_, shortcutColumn_);
  }
  painter.restore();
  theme.PaintPopupFrame(painter, rect(), viewKind_);
}

void PopupWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint global = event->globalPosition().toPoint();
  if (!rect().contains(pos)) {
    scrollStep_ = 0;
    // The topmost popup receives every pointer event; pass it on to what is under it.
    if (PopupWindow* other = PopupAt(global); other != nullptr && other != this) {
      QMouseEvent forwarded(event->type(), other->mapFromGlobal(global), global, event->button(), event->buttons(),
                            event->modifiers());
      other->mouseMoveEvent(&forwarded);
    } else if (other == nullptr && Root()->onMouseOutside_) {
      Root()->onMouseOutside_(global);
    }
    return;
  }
  // Resting at the top or bottom edge of a list that scrolls brings on what lies beyond.
  const QRect area = ListArea();
  const bool scrollUp = scroll_ > 0 && pos.y() < area.top() + kScrollZone;
  const bool scrollDown = scroll_ < MaxScroll() && pos.y() > area.bottom() - kScrollZone;
  scrollStep_ = scrollUp ? -1 : scrollDown ? 1 : 0;
  if (scrollStep_ != 0 && !scrollTimer_.isActive()) scrollTimer_.start();
  const int line = LineAt(pos);
  if (line >= 0 && !LineItem(line)->Selectable()) return;
  if (line < 0) {
    if (!child_) SetHighlighted(-1, true);
    return;
  }
  if (line != highlighted_ || !mouseOver_) {
    SetHighlighted(line, true);
    if (OpensSubmenu(LineItem(line)) || child_) submenuTimer_.start();
  }
}

void PopupWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint global = event->globalPosition().toPoint();
  if (!rect().contains(pos)) {
    if (PopupWindow* other = PopupAt(global); other != nullptr && other != this) {
      other->CloseChild();
      QMouseEvent forwarded(event->type(), other->mapFromGlobal(global), global, event->button(), event->buttons(),
                            event->modifiers());
      other->mousePressEvent(&forwarded);
      return;
    }
    // A press on the bar that opened the chain only closes it: were the press replayed
    // to the bar, the menu under it would open again at once.
    if (QWidget* owner = Root()->parentWidget();
        owner != nullptr && owner->rect().contains(owner->mapFromGlobal(global)))
      Root()->setAttribute(Qt::WA_NoMouseReplay);
    CloseAll();
    return;
  }
  const int line = LineAt(pos);
  if (line >= 0 && OpensSubmenu(LineItem(line))) {
    submenuTimer_.stop();
    OpenSubmenu(line, false);
  }
}

void PopupWindow::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos) || event->button() != Qt::LeftButton) return;
  const int line = LineAt(pos);
  if (line >= 0 && !OpensSubmenu(LineItem(line))) Activate(line);
}

void PopupWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Down: SetHighlighted(NextSelectable(highlighted_, 1)); return;
    case Qt::Key_Up: SetHighlighted(NextSelectable(highlighted_ < 0 ? 0 : highlighted_, -1)); return;
    case Qt::Key_Home: SetHighlighted(NextSelectable(-1, 1)); return;
    case Qt::Key_End: SetHighlighted(NextSelectable(0, -1)); return;
    case Qt::Key_Right:
      if (highlighted_ >= 0 && OpensSubmenu(LineItem(highlighted_))) {
        OpenSubmenu(highlighted_, true);
      } else if (Root()->onNeighbour_) {
        Root()->onNeighbour_(1);
      }
      return;
    case Qt::Key_Left:
      if (parentPopup_ != nullptr) {
        PopupWindow* parent = parentPopup_;
        parent->CloseChild();
        parent->activateWindow();
      } else if (onNeighbour_) {
        onNeighbour_(-1);
      }
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Activate(highlighted_); return;
    case Qt::Key_Escape:
      // One level only: the parent popup (or the bar) stays open.
      if (parentPopup_ != nullptr) {
        parentPopup_->CloseChild();
      } else {
        close();
        emit Cancelled();
      }
      return;
    default: break;
  }
  const QString text = event->text();
  if (text.size() == 1 && text[0].isLetterOrNumber()) {
    HandleAccelerator(text[0].toLower());
    return;
  }
  QWidget::keyPressEvent(event);
}

void PopupWindow::wheelEvent(QWheelEvent* event) {
  const int lines = event->angleDelta().y() / kWheelNotch;
  if (lines != 0 && !rects_.empty()) ScrollTo(scroll_ - lines * rects_.front().height());
  event->accept();
}

void PopupWindow::hideEvent(QHideEvent* event) {
  scrollTimer_.stop();
  submenuTimer_.stop();
  CloseChild();
  QWidget::hideEvent(event);
  if (!closing_) {
    closing_ = true;
    emit Closed();
  }
}

}  // namespace tessary::widgets
