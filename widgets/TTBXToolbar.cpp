#include "widgets/TTBXToolbar.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "widgets/ChevronList.h"
#include "widgets/FloatingWindow.h"
#include "widgets/ItemPainter.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/PopupWindow.h"

namespace tessary::widgets {

namespace {

// A bar never gets lower than one line of text with a little room.
constexpr int kMinimumContentHeight = 16;

// The window whose keys reach a widget's bars: a floating bar's window belongs to the window
// that owns it, so Alt+letter typed in a floating bar opens the menu bar's menus too, and a
// label's letter reaches a control on a floating bar.
const QWidget* HomeWindowOf(const QWidget* widget) {
  const QWidget* window = widget->window();
  if (qobject_cast<const FloatingWindow*>(window) != nullptr && window->parentWidget() != nullptr)
    return window->parentWidget()->window();
  return window;
}

// The menu bar that last took the keyboard (it still has it while in keyboard mode).
QPointer<TTBXToolbar> g_keyboardOwner;

}  // namespace

TTBXToolbar::TTBXToolbar(QWidget* parent) : TTBCustomDockableWindow(parent), pixmaps_([this] { ItemsChanged(); }) {
  setMouseTracking(true);
}

TTBXToolbar::~TTBXToolbar() {
  if (popup_) popup_->CloseAll();
  itemConnections_.clear();
}

void TTBXToolbar::AddItem(std::unique_ptr<TTBCustomItem> item) {
  if (QWidget* control = item->Control()) {
    control->setParent(this);
    control->show();
  }
  if (item->Images() != nullptr) pixmaps_.Observe(item->Images());
  // A label's Alt+letter moves the focus to the control after it, wherever the focus is.
  if (item->Kind() == ItemKind::Label && !menuBar_) qApp->installEventFilter(this);
  itemConnections_.push_back(item->OnChange([this] { ItemsChanged(); }));
  items_.push_back(std::move(item));
  ItemsChanged();
}

void TTBXToolbar::SetImages(ImageList* images) {
  images_ = images;
  pixmaps_.Observe(images);
  ItemsChanged();
}

void TTBXToolbar::SetMenuBar(bool menuBar) {
  if (menuBar == menuBar_) return;
  menuBar_ = menuBar;
  SetCanFloat(!menuBar);
  SetCloseButton(!menuBar);  // the menu bar cannot be closed, so no list offers it
  // Alt+letter must work wherever the focus is in the bar's window.
  if (menuBar) qApp->installEventFilter(this);
  else qApp->removeEventFilter(this);
  SetFillsRow(menuBar);
  ItemsChanged();
}

int TTBXToolbar::ViewKind() const {
  int kind = menuBar_ ? vkMenuBar : vkToolbar;
  if (IsFloating()) kind |= vkFloating;
  if (BackgroundShows()) kind |= vkTransparent;
  return kind;
}

ItemView TTBXToolbar::View() const {
  captionWidths_.UseFont(font());
  return ItemView{ViewKind(), images_, &pixmaps_, QFontMetrics(font()), &captionWidths_};
}

void TTBXToolbar::ItemsChanged() {
  const QSize size = ContentSize(-1);
  if (size != lastContentSize_) {
    lastContentSize_ = size;
    ContentSizeChanged();
  } else {
    LayoutContent();
    update();
  }
}

QSize TTBXToolbar::ContentSize(int maxClientWidth) const {
  const ItemView view = View();
  int width = 0;
  int height = kMinimumContentHeight;
  for (const auto& item : items_) {
    if (!item->Visible()) continue;
    const QSize size = ItemPainter::BarItemSize(*item, view);
    width += size.width();
    height = std::max(height, size.height());
  }
  if (maxClientWidth >= 0 && width > maxClientWidth) width = std::max(maxClientWidth, LeastContentWidth());
  return {width, height};
}

int TTBXToolbar::LeastContentWidth() const {
  // A bar with a control that narrows keeps the items up to the last such control shown,
  // narrowed, and the chevron for the rest; any other bar can go down to its chevron.
  const ItemView view = View();
  const int chevron = CurrentTheme().ChevronSize();
  int least = 0;
  int run = 0;
  bool any = false;
  bool after = false;  // shown items follow the last control that narrows
  for (const auto& item : items_) {
    if (!item->Visible()) continue;
    any = true;
    run += ItemPainter::BarItemSize(*item, view).width() - item->SpareWidth();
    if (item->SpareWidth() > 0) {
      least = run;
      after = false;
    } else {
      after = true;
    }
  }
  if (least == 0) return any ? chevron : 0;
  return least + (after ? chevron : 0);
}

void TTBXToolbar::ThemeChanged(int phase) {
  if (menuBar_ && (phase == tcAppActivated || phase == tcAppDeactivated)) {
    // Menu bars repaint on either. Leaving the application ends keyboard mode: the keys
    // typed on coming back are meant for the window, not for the menu bar.
    state_.OtherInput();
    if (phase == tcAppDeactivated && state_.KeyboardMode()) SetKeyboardMode(false);
    update();
  }
  TTBCustomDockableWindow::ThemeChanged(phase);
}

void TTBXToolbar::LayoutContent() {
  const QRect client = ClientRect();
  const ItemView view = View();
  rects_.assign(items_.size(), QRect());
  std::vector<QSize> sizes(items_.size());
  int total = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!items_[i]->Visible()) continue;
    sizes[i] = ItemPainter::BarItemSize(*items_[i], view);
    total += sizes[i].width();
  }
  // Controls that narrow give up their spare width before any item goes behind the chevron.
  for (std::size_t i = 0; i < items_.size() && total > client.width(); ++i) {
    if (!items_[i]->Visible()) continue;
    const int take = std::min(items_[i]->SpareWidth(), total - client.width());
    sizes[i].rwidth() -= take;
    total -= take;
  }
  const bool overflow = total > client.width();
  const int chevron = CurrentTheme().ChevronSize();
  const int limit = client.left() + (overflow ? client.width() - chevron : client.width());
  int x = client.left();
  bool full = false;
  chevronShown_ = false;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    TTBCustomItem& item = *items_[i];
    QWidget* control = item.Control();
    if (!item.Visible()) {
      if (control) control->hide();
      continue;
    }
    // Once one item does not fit, the rest go behind the chevron too: the order on the
    // bar never changes.
    if (full || x + sizes[i].width() > limit) {
      full = true;
      chevronShown_ = true;
      if (control) control->hide();
      continue;
    }
    const bool ownHeight =
        item.Kind() == ItemKind::Control || item.Kind() == ItemKind::Spacer || item.Kind() == ItemKind::Label;
    const int height = ownHeight ? sizes[i].height() : client.height();
    rects_[i] = QRect(x, client.top() + (client.height() - height) / 2, sizes[i].width(), height);
    if (control) {
      control->setGeometry(rects_[i]);
      control->show();
    }
    x += sizes[i].width();
  }
  chevronRect_ = chevronShown_ ? QRect(client.right() + 1 - chevron, client.top(), chevron, client.height()) : QRect();
}

QRect TTBXToolbar::ItemRect(const TTBCustomItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return rects_.size() > i ? rects_[i] : QRect();
  return {};
}

std::vector<TTBCustomItem*> TTBXToolbar::OverflowItems() const {
  std::vector<TTBCustomItem*> hidden;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Visible() && rects_.size() > i && rects_[i].isNull()) hidden.push_back(items_[i].get());
  return hidden;
}

int TTBXToolbar::IndexAt(QPoint pos) const {
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (!rects_[i].isNull() && rects_[i].contains(pos)) return static_cast<int>(i);
  return -1;
}

TTBCustomItem* TTBXToolbar::ItemAt(QPoint pos) const {
  const int index = IndexAt(pos);
  return index >= 0 ? &ItemAtIndex(index) : nullptr;
}

QString TTBXToolbar::TooltipAt(QPoint pos) const {
  const TTBCustomItem* item = ItemAt(pos);
  return item ? item->Tooltip() : QString();
}

void TTBXToolbar::PaintContent(QPainter& painter) {
  const ItemView view = View();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (rects_.size() <= i || rects_[i].isNull()) continue;
    const int index = static_cast<int>(i);
    const BarItemState::Look shown = state_.ItemLook(index, menuBar_, hasFocus());
    ItemLook look;
    look.highlighted = shown.highlighted;
    look.mouseOver = shown.mouseOver;
    look.pushed = shown.pushed;
    look.arrowPushed = shown.arrowPushed;
    ItemPainter::PaintBarItem(painter, *items_[i], view, rects_[i], look);
    // The keyboard's item in a bar that has the focus is framed, whatever the theme's
    // highlight looks like.
    if (shown.focusFrame)
      DrawFocusRect(painter, rects_[i].adjusted(1, 1, -1, -1), palette().color(QPalette::WindowText));
  }
  if (chevronShown_) {
    ItemState state;
    state.viewKind = ViewKind();
    const BarItemState::Look shown = state_.ChevronLook();
    state.pushed = shown.pushed;
    state.hoverKind = shown.highlighted ? hkHot : hkNone;
    state.mouseOver = shown.mouseOver;
    CurrentTheme().PaintChevron(painter, chevronRect_, state);
  }
}

bool TTBXToolbar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = TooltipAt(help->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this, ItemRect(ItemAt(help->pos())));
    }
    return true;
  }
  return TTBCustomDockableWindow::event(event);
}

bool TTBXToolbar::eventFilter(QObject* watched, QEvent* event) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || HomeWindowOf(widget) != HomeWindowOf(this) || !isVisible())
    return TTBCustomDockableWindow::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    state_.OtherInput();  // Alt held for a click (a window drag) is no menu key
    if (state_.KeyboardMode()) SetKeyboardMode(false);
  }
  // Every key press is announced first as a shortcut override, also one that an
  // application-wide shortcut then takes: Alt held for it is no menu key either.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt)
    state_.OtherInput();
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (menuBar_ ? MenuBarKey(key) : LabelKey(key)) return true;
  }
  return TTBCustomDockableWindow::eventFilter(watched, event);
}

namespace {
bool AltOnly(const QKeyEvent* key) {
  return (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier;
}
bool LetterOrDigit(int key) { return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9); }
}  // namespace

bool TTBXToolbar::LabelKey(QKeyEvent* key) {
  return key->type() == QEvent::KeyPress && AltOnly(key) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z &&
         FocusLabelledControl(QChar(key->key()).toLower());
}

bool TTBXToolbar::MenuBarKey(QKeyEvent* key) {
  const int code = key->key();
  const Qt::KeyboardModifiers modifiers =
      key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
  if (key->type() == QEvent::KeyRelease) {
    // Alt pressed and released on its own toggles keyboard mode on the menu bar.
    if (code == Qt::Key_Alt && state_.AltUp()) {
      SetKeyboardMode(!state_.KeyboardMode());
      return true;
    }
    return false;
  }
  if (code == Qt::Key_Alt) {
    state_.AltDown(key->isAutoRepeat());
    return false;
  }
  state_.OtherInput();
  if (code == Qt::Key_F10 && modifiers == Qt::NoModifier) {
    SetKeyboardMode(!state_.KeyboardMode());
    return true;
  }
  if (AltOnly(key) && LetterOrDigit(code)) return OpenMenuByAccelerator(QChar(code).toLower());
  if (!state_.KeyboardMode()) {
    // A title left highlighted without the pointer on it goes with Esc.
    if (code == Qt::Key_Escape && state_.Hot() != -1 && !popup_) HotFromPointer();
    return false;
  }
  switch (code) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      state_.KeyboardTo(NeighbourMenu(state_.Hot(), code == Qt::Key_Left ? -1 : 1));
      update();
      TellKeyboardItem();
      return true;
    }
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (state_.Hot() == kChevronIndex) OpenChevron(true);
      else OpenItemList(state_.Hot(), true);
      return true;
    case Qt::Key_Escape: SetKeyboardMode(false); return true;
    default: break;
  }
  if (modifiers == Qt::NoModifier && LetterOrDigit(code)) {
    OpenMenuByAccelerator(QChar(code).toLower());
    return true;  // a letter no menu has is swallowed while the bar has the keyboard
  }
  SetKeyboardMode(false);
  return false;
}

TTBXToolbar* TTBXToolbar::KeyboardOwner() {
  return g_keyboardOwner && g_keyboardOwner->state_.KeyboardMode() ? g_keyboardOwner.data() : nullptr;
}

void TTBXToolbar::SetKeyboardMode(bool on) {
  state_.SetKeyboardMode(on, on ? NeighbourMenu(-1, 1) : -1, popup_ != nullptr);
  if (on) g_keyboardOwner = this;
  else if (g_keyboardOwner == this) g_keyboardOwner = nullptr;
  if (on) TellKeyboardItem();
  update();
}

int TTBXToolbar::NeighbourMenu(int from, int step) const {
  // The shown menus; the chevron comes after the last of them when some are behind it.
  std::vector<bool> menus(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const TTBCustomItem& item = *items_[i];
    menus[i] = item.Kind() == ItemKind::Submenu && item.Visible() && item.Enabled() && i < rects_.size() &&
               !rects_[i].isNull();
  }
  return BarItemState::NextMenu(menus, chevronShown_, from, step);
}

bool TTBXToolbar::OpenMenuByAccelerator(QChar letter) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const TTBCustomItem& item = *items_[i];
    if (item.Kind() == ItemKind::Submenu && item.Visible() && item.Enabled() && item.Accelerator() == letter) {
      OpenItemList(static_cast<int>(i), true);
      return true;
    }
  }
  return false;
}

bool TTBXToolbar::FocusLabelledControl(QChar letter) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->Kind() != ItemKind::Label || !items_[i]->Visible() || items_[i]->Accelerator() != letter) continue;
    for (std::size_t j = i + 1; j < items_.size(); ++j) {
      if (items_[j]->Kind() != ItemKind::Control) continue;
      QWidget* control = items_[j]->Control();
      if (control == nullptr || !control->isEnabled() || !control->isVisible()) return false;
      if (!control->window()->isActiveWindow()) control->window()->activateWindow();
      control->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
  }
  return false;
}

void TTBXToolbar::ShowPopup(PopupWindow* popup, int hotIndex, const QRect& anchor, QPoint at, bool selectFirst) {
  connect(popup, &PopupWindow::Closed, this, [this, popup] { PopupClosed(popup); });
  if (menuBar_) {
    // Esc on a menu gives the keyboard back to the bar with that menu highlighted.
    connect(popup, &PopupWindow::Cancelled, this, [this, hotIndex] {
      SetKeyboardMode(true);
      state_.KeyboardTo(hotIndex);
      update();
    });
    popup->SetOnMoveToNeighbour([this](int step) { OpenNeighbour(step); });
    popup->SetOnMouseOutside([this](QPoint global) { TrackHot(mapFromGlobal(global)); });
  }
  popup_ = popup;
  state_.Opened(hotIndex);
  popup->Popup(at, selectFirst, QRect(mapToGlobal(anchor.topLeft()), anchor.size()));
  update();
}

void TTBXToolbar::OpenItemList(int index, bool selectFirst) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const TTBCustomItem& submenu = ItemAtIndex(index);
  // A list with nothing to show opens nothing (no empty box that takes the next click).
  if (submenu.Kind() != ItemKind::Submenu || !submenu.HasList()) return;
  if (popup_) popup_->CloseAll();
  std::vector<TTBCustomItem*> entries;
  for (const auto& entry : submenu.ListSource().Items()) entries.push_back(entry.get());
  auto* popup = new PopupWindow(std::move(entries), vkPopupMenu, images_, nullptr, this);
  QRect anchor = rects_.size() > static_cast<std::size_t>(index) ? RectAtIndex(index) : QRect();
  if (anchor.isNull()) anchor = chevronRect_;
  ShowPopup(popup, index, anchor, mapToGlobal(anchor.bottomLeft() + QPoint(0, 1)), selectFirst);
}

void TTBXToolbar::OpenChevron(bool selectFirst) {
  ChevronLines lines = MakeChevronLines(items_, OverflowItems());
  if (!chevronShown_ || lines.Empty()) return;
  if (popup_) popup_->CloseAll();
  auto* popup = new PopupWindow(std::move(lines.lines), vkChevronMenu, images_, nullptr, this);
  popup->AdoptItems(std::move(lines.owned));
  // The list hangs below the chevron, its right edge under the chevron's.
  ShowPopup(popup, kChevronIndex, chevronRect_,
            mapToGlobal(QPoint(chevronRect_.right() + 1 - popup->width(), chevronRect_.bottom() + 1)), selectFirst);
}

void TTBXToolbar::OpenNeighbour(int step) {
  if (state_.Open() < 0 && !state_.ChevronOpen()) return;
  const int next = NeighbourMenu(state_.ChevronOpen() ? kChevronIndex : state_.Open(), step);
  if (next == kChevronIndex) OpenChevron(true);
  else if (next >= 0) OpenItemList(next, true);
}

void TTBXToolbar::PopupClosed(PopupWindow* popup) {
  if (popup_ && popup_ != popup) return;  // an older popup closing after a newer opened
  popup_ = nullptr;
  state_.Closed();
  HotFromPointer();
}

void TTBXToolbar::HotFromPointer() {
  // While a popup was open the bar saw no pointer leave: where the pointer is now decides
  // (a menu closed by Enter or by a click elsewhere leaves no title highlighted).
  const QPoint pos = mapFromGlobal(QCursor::pos());
  state_.HotFromPointer(isVisible() && rect().contains(pos) ? SelectableAt(pos) : -1);
  update();
}

int TTBXToolbar::SelectableAt(QPoint pos) const {
  if (chevronShown_ && chevronRect_.contains(pos)) return kChevronIndex;
  const int index = IndexAt(pos);
  return index >= 0 && ItemAtIndex(index).Selectable() ? index : -1;
}

void TTBXToolbar::TrackHot(QPoint pos) {
  const int index = SelectableAt(pos);
  if (!state_.PointerOver(index, popup_ != nullptr)) return;
  update();
  // Moving across the menu bar while a menu is open switches menus.
  if (!menuBar_ || !popup_) return;
  if (index == kChevronIndex && !state_.ChevronOpen()) OpenChevron(false);
  else if (index >= 0 && index != state_.Open() && ItemAtIndex(index).Kind() == ItemKind::Submenu)
    OpenItemList(index, false);
}

void TTBXToolbar::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() != Qt::LeftButton || OnDragHandle(pos)) {
    TTBCustomDockableWindow::mousePressEvent(event);
    return;
  }
  if (chevronShown_ && chevronRect_.contains(pos)) {
    // A press on the open chevron closes its list, like one on an open menu's title.
    if (popup_ && state_.ChevronOpen()) popup_->CloseAll();
    else OpenChevron(false);
    return;
  }
  const int index = IndexAt(pos);
  if (index < 0) return;
  TTBCustomItem& item = ItemAtIndex(index);
  if (!item.Selectable() || !item.Enabled()) return;
  if (item.Kind() == ItemKind::Submenu) {
    // A press on the item whose list is open closes the list, however the window system
    // routes a press that lands outside an open popup.
    if (popup_ && index == state_.Open()) {
      popup_->CloseAll();
      return;
    }
    const bool onArrow = item.Split() && ItemPainter::ArrowRect(item, View(), RectAtIndex(index)).contains(pos);
    if (menuBar_ || item.OpensListOnClick() || onArrow) {
      OpenItemList(index, false);
      return;
    }
  }
  state_.Press(index);
  update();
}

void TTBXToolbar::mouseMoveEvent(QMouseEvent* event) {
  if (IsDragging()) {
    TTBCustomDockableWindow::mouseMoveEvent(event);
    return;
  }
  TrackHot(event->position().toPoint());
}

void TTBXToolbar::mouseReleaseEvent(QMouseEvent* event) {
  if (IsDragging()) {
    TTBCustomDockableWindow::mouseReleaseEvent(event);
    return;
  }
  if (state_.Pressed() < 0 || event->button() != Qt::LeftButton) return;
  // A press dragged off the item and released elsewhere runs nothing.
  const int run = state_.Release(IndexAt(event->position().toPoint()));
  update();
  if (run >= 0) items_[static_cast<std::size_t>(run)]->Click();
}

void TTBXToolbar::leaveEvent(QEvent* event) {
  // A bar with the focus keeps its highlight: it shows where the keyboard is.
  state_.Leave(hasFocus(), menuBar_, popup_ != nullptr);
  update();
  TTBCustomDockableWindow::leaveEvent(event);
}

}  // namespace tessary::widgets
