#include "widgets/ItemPainter.h"

#include <QPainter>
#include <algorithm>

#include "skin/ImageList.h"
#include "widgets/CaptionWidths.h"
#include "widgets/ImageListPixmaps.h"
#include "widgets/TTBCustomItem.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {

namespace {

bool OnMenuBar(const ItemView& view) { return (view.viewKind & vkMenuBar) == vkMenuBar; }

// The split part a bar item is painted with as a whole.
int BarSplitPart(const TTBCustomItem& item, const ItemView& view) {
  if (item.Kind() != ItemKind::Submenu || OnMenuBar(view)) return spNone;
  return item.Split() ? spSplitCaption : spDropDown;
}

// The width of the item's caption as displayed, looked up where the view keeps them.
int CaptionWidth(const TTBCustomItem& item, const ItemView& view) {
  const QString text = ItemPainter::DisplayText(item.Caption());
  return view.captionWidths != nullptr ? view.captionWidths->Of(text, view.metrics)
                                       : view.metrics.horizontalAdvance(text);
}

QSize ImageSize(const TTBCustomItem& item, const ItemView& view) {
  const ImageList* list = item.EffectiveImages(view.images);
  return list ? QSize(list->Width(), list->Height()) : QSize(0, 0);
}

}  // namespace

QString ItemPainter::DisplayText(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    // "&x" shows x (underlined by the theme), "&&" shows one "&", a trailing "&" nothing.
    if (caption[i] == u'&') {
      if (++i >= caption.size()) break;
    }
    text += caption[i];
  }
  return text;
}

ItemState ItemPainter::StateOf(const TTBCustomItem& item, const ItemView& view, const ItemLook& look) {
  ItemState state;
  state.viewKind = view.viewKind;
  state.options = (view.viewKind & vkPopup) == vkPopup ? 0 : ioToolbarStyle;
  if (AppActive()) state.options |= ioAppActive;
  state.fontColour = item.FontColour();
  state.enabled = item.Enabled();
  state.checked = item.Checked();
  state.radio = item.Radio();
  state.mouseOver = look.mouseOver;
  state.pushed = look.pushed;
  if (look.highlighted) {
    if (state.enabled) state.hoverKind = hkHot;
    else state.hoverKind = look.mouseOver ? hkNone : hkKeyboard;
  }
  if (state.options & ioToolbarStyle) {
    state.splitPart = BarSplitPart(item, view);
    // The item whose list is open is its popup's parent. A plain drop-down is drawn pushed
    // as a whole; a split item's arrow part is (PaintBarItem), its caption part is not.
    state.popupParent = item.Kind() == ItemKind::Submenu && look.arrowPushed;
    if (state.popupParent && !item.Split()) state.pushed = true;
  }
  return state;
}

bool ItemPainter::ShowsImage(const TTBCustomItem& item, const ItemView& view) {
  if (OnMenuBar(view)) return false;
  switch (item.Display()) {
    case DisplayMode::CaptionOnly: return false;
    case DisplayMode::ImageOnly:
    case DisplayMode::ImageAndCaption: return true;
    case DisplayMode::Auto: break;
  }
  return ImageListPixmaps::HasImage(item.EffectiveImages(view.images), item.EffectiveImageIndex());
}

bool ItemPainter::ShowsCaption(const TTBCustomItem& item, const ItemView& view) {
  if (OnMenuBar(view)) return true;
  switch (item.Display()) {
    case DisplayMode::CaptionOnly:
    case DisplayMode::ImageAndCaption: return true;
    case DisplayMode::ImageOnly: return false;
    case DisplayMode::Auto: break;
  }
  return !ShowsImage(item, view);
}

QSize ItemPainter::BarItemSize(const TTBCustomItem& item, const ItemView& view) {
  const Theme& theme = CurrentTheme();
  switch (item.Kind()) {
    case ItemKind::Separator:
    case ItemKind::Spacer:
    case ItemKind::Control: return item.OwnBarSize();
    case ItemKind::Label: return {CaptionWidth(item, view) + 2, view.metrics.height()};
    case ItemKind::Button:
    case ItemKind::Submenu: break;
  }
  if (OnMenuBar(view)) {
    return {CaptionWidth(item, view) + 2 * kMenuBarPadding, view.metrics.height() + 2 * 3};
  }
  const QMargins padding = theme.ItemPadding(StateOf(item, view, {}));
  int width = 0;
  int height = 0;
  if (ShowsImage(item, view)) {
    const QSize image = ImageSize(item, view);
    width += image.width();
    height = image.height();
  }
  if (ShowsCaption(item, view)) {
    if (width > 0) width += kImageCaptionGap;
    width += CaptionWidth(item, view);
    height = std::max(height, view.metrics.height());
  }
  width += padding.left() + padding.right();
  height += padding.top() + padding.bottom();
  switch (BarSplitPart(item, view)) {
    case spSplitCaption: width += theme.SplitArrowWidth(); break;
    case spDropDown: width += theme.DropDownArrowWidth(); break;
    default: break;
  }
  return {width, height};
}

QRect ItemPainter::ArrowRect(const TTBCustomItem& item, const ItemView& view, const QRect& rect) {
  const Theme& theme = CurrentTheme();
  switch (BarSplitPart(item, view)) {
    case spSplitCaption:
      return QRect(rect.right() + 1 - theme.SplitArrowWidth(), rect.top(), theme.SplitArrowWidth(), rect.height());
    case spDropDown:
      return QRect(rect.right() + 1 - theme.DropDownArrowWidth(), rect.top(), theme.DropDownArrowWidth(),
                   rect.height());
    default: return {};
  }
}

void ItemPainter::PaintBarItem(QPainter& painter, const TTBCustomItem& item, const ItemView& view, const QRect& rect,
                               const ItemLook& look) {
  const Theme& theme = CurrentTheme();
  switch (item.Kind()) {
    case ItemKind::Separator: theme.PaintSeparator(painter, rect, view.viewKind, false); return;
    case ItemKind::Spacer:
    case ItemKind::Control: return;
    case ItemKind::Label: {
      ItemState state = StateOf(item, view, {});
      theme.PaintItemCaption(painter, rect, state, item.Caption(), cfLeft | cfVCenter | cfShowPrefix, false);
      return;
    }
    case ItemKind::Button:
    case ItemKind::Submenu: break;
  }
  ItemState state = StateOf(item, view, look);
  QRect body = rect;
  const QRect arrow = ArrowRect(item, view, rect);
  if (state.splitPart == spSplitCaption) {
    body.setRight(arrow.left() - 1);
    theme.PaintItemFrame(painter, body, state);
    ItemState arrowState = state;
    arrowState.splitPart = spSplitArrow;
    arrowState.pushed = look.arrowPushed;
    theme.PaintItemFrame(painter, arrow, arrowState);
    theme.PaintDropDownArrow(painter, arrow, arrowState);
  } else {
    theme.PaintItemFrame(painter, rect, state);
    if (state.splitPart == spDropDown) {
      body.setRight(arrow.left() - 1);
      theme.PaintDropDownArrow(painter, arrow, state);
    }
  }
  if (OnMenuBar(view)) {
    theme.PaintItemCaption(painter, rect, state, item.Caption(), cfCenter | cfVCenter | cfShowPrefix, false);
    return;
  }
  const QRect inner = body.marginsRemoved(theme.ItemPadding(state));
  const bool showImage = ShowsImage(item, view);
  const bool showCaption = ShowsCaption(item, view);
  int captionLeft = inner.left();
  if (showImage) {
    const QSize size = ImageSize(item, view);
    const int x = showCaption ? inner.left() : inner.left() + (inner.width() - size.width()) / 2;
    const QRect imageRect(x, inner.top() + (inner.height() - size.height()) / 2, size.width(), size.height());
    if (view.pixmaps != nullptr) {
      const QPixmap image = view.pixmaps->Image(item.EffectiveImages(view.images), item.EffectiveImageIndex());
      if (!image.isNull()) theme.PaintItemImage(painter, imageRect, state, image);
    }
    captionLeft = imageRect.right() + 1 + kImageCaptionGap;
  }
  if (showCaption) {
    const QRect textRect(captionLeft, inner.top(), inner.right() + 1 - captionLeft, inner.height());
    const int align = showImage ? cfLeft : cfCenter;
    theme.PaintItemCaption(painter, textRect, state, item.Caption(), align | cfVCenter | cfShowPrefix, false);
  }
}

int ItemPainter::MenuLineHeight(const TTBCustomItem& item, const ItemView& view) {
  const Theme& theme = CurrentTheme();
  if (item.Kind() == ItemKind::Separator) return theme.MenuSeparatorHeight();
  const ImageList* list = item.EffectiveImages(view.images);
  return theme.MenuItemHeight(list ? list->Height() : 16, view.metrics.height());
}

int ItemPainter::MenuCaptionWidth(const TTBCustomItem& item, const ItemView& view) {
  if (item.Kind() == ItemKind::Separator) return 0;
  return CaptionWidth(item, view);
}

int ItemPainter::MenuShortcutWidth(const TTBCustomItem& item, const ItemView& view) {
  const QString shortcut = item.ShortcutText();
  return shortcut.isEmpty() ? 0 : view.metrics.horizontalAdvance(shortcut);
}

QRect ItemPainter::MenuArrowRect(const QRect& line) {
  return {line.right() + 1 - kMenuArrowColumn, line.top(), kMenuArrowColumn, line.height()};
}

void ItemPainter::PaintMenuLine(QPainter& painter, const TTBCustomItem& item, const ItemView& view, const QRect& rect,
                                const ItemLook& look, int imageColumn, int shortcutColumn) {
  const Theme& theme = CurrentTheme();
  if (item.Kind() == ItemKind::Separator) {
    theme.PaintSeparator(painter, rect, view.viewKind, true, imageColumn);
    return;
  }
  const ItemState state = StateOf(item, view, look);
  theme.PaintItemFrame(painter, rect, state);
  const QRect imageCell(rect.left(), rect.top(), imageColumn, rect.height());
  const ImageList* list = item.EffectiveImages(view.images);
  const int index = item.EffectiveImageIndex();
  QPixmap image;
  if (view.pixmaps != nullptr && ImageListPixmaps::HasImage(list, index)) image = view.pixmaps->Image(list, index);
  if (!image.isNull()) {
    const QRect imageRect(imageCell.left() + (imageCell.width() - list->Width()) / 2,
                          imageCell.top() + (imageCell.height() - list->Height()) / 2, list->Width(), list->Height());
    theme.PaintItemImage(painter, imageRect, state, image);
  } else if (state.checked) {
    theme.PaintCheckMark(painter, imageCell, state);
  }
  const int textLeft = imageCell.right() + 1 + kMenuCaptionGap;
  const QRect arrowRect = MenuArrowRect(rect);
  const QRect shortcutRect(arrowRect.left() - kMenuArrowGap - shortcutColumn, rect.top(), shortcutColumn,
                           rect.height());
  const QRect textRect(textLeft, rect.top(), shortcutRect.left() - textLeft, rect.height());
  theme.PaintItemCaption(painter, textRect, state, item.Caption(), cfLeft | cfVCenter | cfShowPrefix, false);
  const QString shortcut = item.ShortcutText();
  if (!shortcut.isEmpty())
    theme.PaintItemCaption(painter, shortcutRect, state, shortcut, cfRight | cfVCenter | cfHidePrefix, false);
  if (item.Kind() == ItemKind::Submenu && item.HasList()) theme.PaintSubmenuArrow(painter, arrowRect, state);
}

}  // namespace tessary::widgets
