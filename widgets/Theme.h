#pragma once
// The theme interface: everything the toolbar/dock/popup library paints comes from the
// current theme. A theme is a definition (palette, metrics, caption rule) over one shared
// painter; the library only asks it for metrics and calls its paint operations with an
// ItemState record. No platform style shows through.
#include <QColor>
#include <QMargins>
#include <QRect>
#include <QRegion>
#include <QString>

#include "skin/Colour.h"

class QPainter;
class QPixmap;

namespace tessary::widgets {

// View kinds: the bar family 0x1000 and the popup family 0x2000, with flags.
enum ViewKind : int {
  vkBar = 0x1000,
  vkToolbar = 0x1001,
  vkMenuBar = 0x1002,
  vkToolWindow = 0x1004,
  vkFloating = 0x0800,
  vkResizable = 0x0400,
  vkTransparent = 0x0200,  // items drawn transparent (a dock background shows through)
  vkPopup = 0x2000,
  vkPopupMenu = 0x2001,
  vkPopupList = 0x2002,
  vkToolbox = 0x2004,
  vkChevronMenu = 0x2008,
};

// Item options.
enum ItemOption : int {
  ioToolbarStyle = 0x01,  // painted as a bar button, not as a menu line
  ioDesignTime = 0x10,
  ioAppActive = 0x20,
};

// Hover kinds of the highlighted item (0 for every other item).
enum HoverKind : int {
  hkNone = 0,      // not highlighted, or disabled with the mouse over it
  hkKeyboard = 1,  // disabled and highlighted without the mouse (reached by keyboard)
  hkHot = 2,       // enabled and highlighted
};

// Which part of an item is being painted.
enum SplitPart : int {
  spNone = 0,          // plain item
  spDropDown = 1,      // item with a drop-down arrow
  spSplitCaption = 2,  // caption part of a split item
  spSplitArrow = 3,    // arrow part of a split item
};

// What the item painter tells the theme about one item.
struct ItemState {
  int viewKind = vkToolbar;
  int options = ioToolbarStyle;
  bool enabled = true;
  bool pushed = false;
  bool checked = false;
  int hoverKind = hkNone;
  int splitPart = spNone;
  bool popupParent = false;    // toolbar-style item with a submenu, drawn pushed
  bool radio = false;          // the check mark is a radio dot (item of a radio group)
  bool mouseOver = false;      // the mouse is over the item (hover looks)
  Colour fontColour = clNone;  // the item's own font colour (clNone: the theme's)

  bool ToolbarStyle() const { return (options & ioToolbarStyle) != 0; }
  bool OnMenuBar() const { return (viewKind & vkMenuBar) == vkMenuBar; }
  bool InPopup() const { return (viewKind & vkPopup) == vkPopup; }
};

// Text format flags for PaintItemCaption (combine).
enum CaptionFlag : int {
  cfLeft = 0x0,
  cfCenter = 0x1,
  cfRight = 0x2,
  cfVCenter = 0x4,
  cfShowPrefix = 0x8,   // "&" underlines the next letter ("&&" is one ampersand)
  cfHidePrefix = 0x10,  // "&" is dropped, nothing underlined
};

class Theme {
 public:
  virtual ~Theme() = default;

  // The registered name (e.g. "Default").
  virtual QString Name() const = 0;

  // ---- metrics ----
  // Width of the drag handle at the start of a horizontal bar (0: none).
  virtual int DragHandleSize(int viewKind) const = 0;
  // The bar's border, outside its client area (drag handle not included).
  virtual QMargins BarBorder(int viewKind) const = 0;
  // Space around image and caption inside a toolbar-style item.
  virtual QMargins ItemPadding(const ItemState& state) const = 0;
  // Width of the arrow part of a split item and of a drop-down arrow.
  virtual int SplitArrowWidth() const = 0;
  virtual int DropDownArrowWidth() const = 0;
  // Height of a menu line that has an image of imageHeight pixels; separator line height.
  virtual int MenuItemHeight(int imageHeight, int textHeight) const = 0;
  virtual int MenuSeparatorHeight() const = 0;
  // Width of the image column of a popup that shows images of imageWidth pixels.
  virtual int MenuImageColumnWidth(int imageWidth) const = 0;
  // Popup border thickness; height of a floating window's caption; chevron button width.
  virtual QMargins PopupBorder(int viewKind) const = 0;
  virtual int FloatingCaptionHeight() const = 0;
  virtual QMargins FloatingBorder() const = 0;
  virtual int ChevronSize() const = 0;

  // ---- colours ----
  // The base colour of a bar, dock or popup of this view kind.
  virtual QColor ViewColour(int viewKind) const = 0;
  // The theme's own text colour T for an item in this state.
  virtual QColor ItemTextColour(const ItemState& state) const = 0;
  // Colour of dock bound lines.
  virtual QColor DockColour() const = 0;

  // ---- painting ----
  virtual void PaintDock(QPainter& p, const QRect& rect) const = 0;
  // The background of a bar, border included, when no dock background shows.
  virtual void PaintBarBackground(QPainter& p, const QRect& rect, int viewKind) const = 0;
  // The bar's outer edge and drag handle over its painted background (the theme's, or with
  // `backgroundShows` the dock's picture). `outer` is the whole bar, `client` its client area.
  virtual void PaintBarFrame(QPainter& p, const QRect& outer, const QRect& client, int viewKind, bool dragHandle,
                             bool backgroundShows) const = 0;
  // The parts of a bar's rectangle outside its shape (rounded bar ends), where the dock
  // shows; empty for a rectangular bar.
  virtual QRegion BarCorners(const QRect& outer, int viewKind) const {
    (void)outer;
    (void)viewKind;
    return {};
  }
  // The background and frame of an item in a state (hover, pushed, checked, ...).
  virtual void PaintItemFrame(QPainter& p, const QRect& rect, const ItemState& state) const = 0;
  // An item's image (already masked, with alpha); the theme draws disabled looks.
  virtual void PaintItemImage(QPainter& p, const QRect& rect, const ItemState& state, const QPixmap& image) const = 0;
  // The caption through the theme's caption rule and the process-wide skin text colour.
  virtual void PaintItemCaption(QPainter& p, const QRect& rect, const ItemState& state, const QString& caption,
                                int flags, bool rotated) const = 0;
  virtual void PaintDropDownArrow(QPainter& p, const QRect& rect, const ItemState& state) const = 0;
  virtual void PaintSubmenuArrow(QPainter& p, const QRect& rect, const ItemState& state) const = 0;
  // Check mark or radio dot (state.radio) of a checked menu line or item without image.
  virtual void PaintCheckMark(QPainter& p, const QRect& rect, const ItemState& state) const = 0;
  // A separator: a line across a menu (horizontal) or a gap with a line on a bar. In a
  // popup, `imageColumnWidth` is the width of its image column.
  virtual void PaintSeparator(QPainter& p, const QRect& rect, int viewKind, bool horizontal,
                              int imageColumnWidth = 0) const = 0;
  virtual void PaintPopupBackground(QPainter& p, const QRect& rect, int viewKind, int imageColumnWidth) const = 0;
  virtual void PaintPopupFrame(QPainter& p, const QRect& rect, int viewKind) const = 0;
  // Frame and caption of a floating bar.
  // Where the close button sits inside a floating window's caption bar (for hit tests).
  virtual QRect FloatingCloseButtonRect(const QRect& captionRect) const = 0;
  virtual void PaintFloatingFrame(QPainter& p, const QRect& rect, const QRect& captionRect, const QString& caption,
                                  bool active) const = 0;
  // The close button of a floating caption (PaintFloatingFrame draws it released); drawn
  // again `pressed` while the mouse button is held on it.
  virtual void PaintFloatingCloseButton(QPainter& p, const QRect& rect, bool pressed) const = 0;
  virtual void PaintChevron(QPainter& p, const QRect& rect, const ItemState& state) const = 0;

  // Flat menus in effect; system visual styles in use.
  virtual bool FlatMenus() const = 0;
  virtual bool VisualStyles() const = 0;

  // ---- lifecycle (called by the registry) ----
  // Whether the application is active: told once when the instance is created.
  virtual void SetAppActive(bool active) { (void)active; }
  // The system colours, display or flags changed: set up derived colours again.
  virtual void SetupColours() {}
};

// The current theme (never null once the registry has started; see ThemeRegistry.h).
Theme& CurrentTheme();

}  // namespace tessary::widgets
