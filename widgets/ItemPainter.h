#pragma once
// Sizes and paints items for the views that show them: a bar button, a menu-bar entry or a
// menu line. It decides rectangles and fills the ItemState record; the current theme does
// all the drawing.
#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>

#include "widgets/Theme.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

class TTBCustomItem;
class ImageListPixmaps;
class CaptionWidths;

// How a view shows one of its items at the moment.
struct ItemLook {
  bool highlighted = false;  // the view's highlighted item (mouse or keyboard)
  bool mouseOver = false;    // the mouse is over it
  bool pushed = false;       // held down (the main part of a split item)
  bool arrowPushed = false;  // the arrow part is held or its list is open
};

// What the view tells the painter about itself.
struct ItemView {
  int viewKind = vkToolbar;
  ImageList* images = nullptr;  // the view's image list (items fall back to it)
  ImageListPixmaps* pixmaps = nullptr;
  QFontMetrics metrics{QFont()};
  CaptionWidths* captionWidths = nullptr;  // the view's measured captions, if it keeps them
};

class ItemPainter {
 public:
  // Gap between image and caption, and around a menu line's columns.
  static constexpr int kImageCaptionGap = 4;
  static constexpr int kMenuCaptionGap = 6;
  static constexpr int kMenuShortcutGap = 16;
  // Submenu arrows have a column of their own at a menu line's right end, kept apart from
  // the shortcut column by a gap, so "Ctrl+N" and the arrow never run together.
  static constexpr int kMenuArrowGap = 8;
  static constexpr int kMenuArrowColumn = 16;
  static constexpr int kMenuBarPadding = 6;

  // The caption as displayed ("&&" -> "&", other "&" dropped).
  static QString DisplayText(const QString& caption);

  // The state record of an item for the theme.
  static ItemState StateOf(const TTBCustomItem& item, const ItemView& view, const ItemLook& look);

  // Whether the item shows its image / its caption on a bar.
  static bool ShowsImage(const TTBCustomItem& item, const ItemView& view);
  static bool ShowsCaption(const TTBCustomItem& item, const ItemView& view);

  // Size of the item on a bar (height is the item's own; the bar gives all items its
  // row height when painting).
  static QSize BarItemSize(const TTBCustomItem& item, const ItemView& view);
  // The arrow part of a split or drop-down item on a bar within its rectangle (empty if
  // the item has none).
  static QRect ArrowRect(const TTBCustomItem& item, const ItemView& view, const QRect& rect);
  static void PaintBarItem(QPainter& painter, const TTBCustomItem& item, const ItemView& view, const QRect& rect,
                           const ItemLook& look);

  // A menu line: its height, and the widths of its caption and shortcut columns.
  static int MenuLineHeight(const TTBCustomItem& item, const ItemView& view);
  static int MenuCaptionWidth(const TTBCustomItem& item, const ItemView& view);
  static int MenuShortcutWidth(const TTBCustomItem& item, const ItemView& view);
  // Where a menu line shows its submenu arrow: the arrow column at its right end.
  static QRect MenuArrowRect(const QRect& line);
  // Paints a menu line; `imageColumn` and `shortcutColumn` are the popup's column widths.
  static void PaintMenuLine(QPainter& painter, const TTBCustomItem& item, const ItemView& view, const QRect& rect,
                            const ItemLook& look, int imageColumn, int shortcutColumn);
};

}  // namespace tessary::widgets
