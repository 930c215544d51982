#pragma once
// The base of every bar (toolbar, menu bar, tool window): it sits in a row of a dock or
// floats in a small tool window, has a drag handle and a border painted by the current
// theme, and paints the dock's background over its client area and border while docked on
// a dock that shows its picture on its bars. A bar placed straight on another widget (a
// panel) is neither docked nor floating: it has no border or handle, sizes itself to its
// content and takes its parent's colour. Derived bars lay out and paint their content.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "widgets/BarDrag.h"
#include "widgets/TTBDock.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {

class FloatingWindow;
class DragOutline;
class EscapeFilter;

class TTBCustomDockableWindow : public QWidget, public ThemeNotifiable {
  Q_OBJECT

 public:
  explicit TTBCustomDockableWindow(QWidget* parent = nullptr);
  ~TTBCustomDockableWindow() override;

  // The caption shown on the floating window's caption bar.
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

  // Docks the bar on `dock` in `row` at horizontal position `x` (dock client coordinates);
  // a floating bar leaves its floating window, which goes.
  void DockTo(TTBDock* dock, int row, int x = 0);
  // Takes the bar off its dock into a floating tool window at `screenPos` (top-left).
  void Float(QPoint screenPos);
  // Puts a floating bar back where it was last docked (nothing when never docked).
  void ReDock();
  // Floats a docked bar where it last floated (where it is, when it never floated): the
  // double click on its drag handle. Nothing for a bar that cannot float.
  void FloatAtLastPlace();

  // Docked on a dock / floating in its own window (a bar never placed is neither).
  bool IsDocked() const { return dock_ != nullptr; }
  bool IsFloating() const { return floater_ != nullptr; }
  // The dock the bar is on (none while floating) and the floating window (none while docked).
  TTBDock* CurrentDock() const { return dock_; }
  FloatingWindow* Floater() const { return floater_; }

  // Row and x position in the dock (meaningful while docked; kept while floating so that
  // ReDock can put the bar back).
  int DockRow() const { return dockRow_; }
  int DockX() const { return dockX_; }

  // A stretching bar takes the whole width of its row.
  void SetStretch(bool stretch);
  bool Stretch() const { return stretch_; }
  // A bar with a fixed client width keeps it whatever its row (0: width from content).
  void SetFixedClientWidth(int width);
  int FixedClientWidth() const { return fixedClientWidth_; }
  // A bar that takes the width its row leaves free (the menu bar).
  void SetFillsRow(bool fill);
  bool FillsRow() const { return fillsRow_; }
  // Whether the bar may float when dragged off the docks (the menu bar may not).
  void SetCanFloat(bool canFloat) { canFloat_ = canFloat; }
  bool CanFloat() const { return canFloat_; }
  // Whether the floating window's close button hides the bar (default true).
  void SetCloseButton(bool closeButton);
  bool CloseButton() const { return closeButton_; }
  // Closes the bar (its floating window, or its place in its row, goes) or opens it again
  // where it was. The window's bar list (a right click on a dock or a bar) offers both, so
  // a bar closed by its floating window's close button can always be brought back.
  void SetBarVisible(bool visible);
  bool BarVisible() const { return !closed_; }
  // Whether the bar shows a drag handle while docked (default true).
  void SetShowDragHandle(bool show);
  bool ShowDragHandle() const { return showDragHandle_; }
  // The colour the bar paints with and gives its child controls: its parent's when it is
  // placed straight on a panel, else the theme's for its view kind (themed bars have no
  // colour of their own).
  QColor EffectiveColour() const;
  // Neither docked nor floating: placed straight on another widget.
  bool OnPanel() const { return !IsDocked() && !IsFloating(); }
  // Bars are listed (the window's bar list) in the order they were created.
  quint64 CreationOrder() const { return creationOrder_; }

  // The view kind the theme paints this bar as (vkToolbar, vkMenuBar, vkToolWindow, with
  // vkFloating while floating).
  virtual int ViewKind() const = 0;

  // The client area: the widget rect minus border and drag handle (bar coordinates).
  QRect ClientRect() const;
  // Border plus drag handle around the client area for the current docked/floating state.
  QMargins NonClientMargins() const;

  // The size the bar wants for its content when given `maxClientWidth` (<0: unlimited),
  // without border. Derived bars compute it from their items or children.
  virtual QSize ContentSize(int maxClientWidth) const = 0;
  // The outer size for a given outer width limit (<0: natural width).
  QSize BarSizeFor(int maxWidth) const;
  // The natural size while floating (the floating window draws the frame: no border).
  QSize FloatingBarSize() const;

  // Starts dragging the bar, taken at `grabOffset` (bar coordinates) by the pointer.
  void BeginDrag(QPoint grabOffset);
  // Follows the pointer while dragging (live within the bar's dock, an outline elsewhere).
  void DragTo(QPoint globalPos);
  // Ends the drag: docks the bar on the dock under the pointer, or floats it there.
  void EndDrag(QPoint globalPos);
  // Ends the drag leaving the bar (and the bars it pushed aside) where it started (Esc).
  void CancelDrag();
  bool IsDragging() const { return drag_.Active(); }
  // The outline shown while a drag would take the bar off its dock (null when none shows).
  const QWidget* DragFeedback() const;
  // The outline rectangle (screen coordinates) for the bar dropped at `globalPos`: on a
  // dock, inside that dock; off the docks, the floating window (when the bar can float and
  // `floating` is asked for); empty when it would go nowhere.
  QRect DropOutlineRect(QPoint globalPos, bool floating) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void ThemeChanged(int phase) override;

 signals:
  // The bar docked, undocked or moved between docks or rows.
  void DockChanged();

 protected:
  // Places the content (items, child widgets) inside ClientRect().
  virtual void LayoutContent() = 0;
  // Paints the content over the already painted background (bar coordinates).
  virtual void PaintContent(QPainter& painter) = 0;
  // Whether the content area paints transparent (the dock background shows).
  bool BackgroundShows() const;
  // Re-arranges the dock or the floating window after the content size changed.
  void ContentSizeChanged();

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A double click on the drag handle floats the bar (FloatAtLastPlace).
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // True when `pos` (bar coordinates) lies on the drag handle.
  bool OnDragHandle(QPoint pos) const;

 private:
  friend class TTBDock;
  friend class FloatingWindow;
  void Undock();
  QSize SizeWithin(int maxWidth, const QMargins& margins) const;
  // Border and drag handle as the bar has them while docked.
  QMargins DockedMargins() const;
  // Gives the bar (and through its palette its child controls) its effective colour.
  void ApplyThemeColour();
  // Shows the outline of DropOutlineRect, or hides it when that is empty.
  void ShowDropOutline(QPoint globalPos, bool floating);
  void HideDropOutline();
  // Puts the bars of the bar's dock back in the rows and places they had when the drag
  // started (what the live moves within the dock changed).
  void PutBack(const std::vector<BarDrag::Place>& places);
  void FinishDrag();
  // The floating window for a bar dropped off the docks at `globalPos`, kept on the screen
  // under the pointer.
  QRect FloatingRectAt(QPoint globalPos) const;
  // Docks or floats the bar for a drag that ended at `globalPos` (the grab offset set).
  void DropAt(QPoint globalPos);
  // The dock of the bar's window under `globalPos` (with a small snap margin), or none.
  TTBDock* DockAt(QPoint globalPos) const;
  // The window whose docks the bar belongs to.
  QWidget* HomeWindow() const;

  QString caption_;
  QPointer<TTBDock> dock_;
  QPointer<TTBDock> lastDock_;
  FloatingWindow* floater_ = nullptr;
  int dockRow_ = 0;
  int dockX_ = 0;
  bool stretch_ = false;
  int fixedClientWidth_ = 0;
  bool fillsRow_ = false;
  bool canFloat_ = true;
  bool closeButton_ = true;
  bool showDragHandle_ = true;
  bool closed_ = false;
  quint64 creationOrder_ = 0;
  BarDrag drag_;  // the drag's state and decisions
  std::unique_ptr<DragOutline> outline_;
  std::unique_ptr<EscapeFilter> escape_;
  std::optional<QPoint> lastFloatPos_;  // where the floating window last was
  QPointer<QWidget> homeWindow_;
  bool aloneInRow_ = false;       // when undocked: ReDock gives it a row of its own again
  bool layoutSuspended_ = false;  // between the first and last phase of a theme change
};

}  // namespace tessary::widgets
