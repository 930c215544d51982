#pragma once
// A dock: an edge area of a window that holds bars in rows. Bars are ordered by row, then
// by position within the row; the dock's height follows its rows. It paints its colour or
// a TTBBackground picture whose tiles are aligned to the client origin of its parent, so
// the picture runs on into the bars docked on it.
#include <QWidget>
#include <memory>
#include <vector>

#include "skin/Colour.h"
#include "widgets/BarDrag.h"
#include "widgets/ThemeRegistry.h"

namespace tessary {
class TTBBackground;
}

namespace tessary::widgets {

class TTBCustomDockableWindow;

// Sides on which a dock draws a one-pixel bound line (combine).
enum BoundLine : int {
  blTop = 1,
  blBottom = 2,
  blLeft = 4,
  blRight = 8,
};

// Which edge of its window a dock sits on. Only horizontal docks are laid out in rows.
enum class DockPosition { dpTop, dpBottom };

class TTBDock : public QWidget, public ThemeNotifiable {
  Q_OBJECT

 public:
  explicit TTBDock(DockPosition position = DockPosition::dpTop, QWidget* parent = nullptr);
  ~TTBDock() override;

  // Which edge this dock belongs to (decides nothing but the name of the dock for now).
  DockPosition Position() const { return position_; }

  // The background picture the dock paints with, or none (the dock does not own it; when
  // the background is destroyed first, the dock falls back to none by itself).
  void SetBackground(TTBBackground* background);
  TTBBackground* Background() const { return background_; }
  // Whether docked bars show the dock's background too (default true).
  void SetBackgroundOnToolbars(bool on);
  bool BackgroundOnToolbars() const { return backgroundOnToolbars_; }
  // A background is assigned and has a picture: the dock and its bars paint it.
  bool UsesBackground() const;

  // One-pixel lines on the sides named by the BoundLine flags.
  void SetBoundLines(int lines);
  int BoundLines() const { return boundLines_; }
  // The widget rectangle minus the bound lines: where bars and the background go.
  QRect ClientRect() const;

  // The dock's own colour, painted when no background picture shows (default clBtnFace).
  void SetColor(Colour colour);
  Colour Color() const { return colour_; }

  // The bars docked here, ordered by row and then by position in the row.
  const std::vector<TTBCustomDockableWindow*>& Bars() const { return bars_; }
  // Number of rows in use (row numbers nobody uses take no room).
  int RowCount() const;

  // Places the bars in their rows and sets the dock's height from the rows. Called by the
  // dock on every change; public for callers that change many bars at once.
  void ArrangeBars();

  // Where a bar dropped at `dockPoint` (dock coordinates) would go: the row number to join,
  // or with `newRow` set the number a new row gets (rows from there move down), and the x
  // position in the row (client coordinates); see BarDrag::TargetAt.
  BarDrag::Target DropTargetAt(QPoint dockPoint) const;

  // Paints what the dock shows in its client area (its picture, colour or the theme's dock
  // face) into `client`, the dock's client rectangle in painter coordinates; the picture's
  // tiles start at `backgroundOrigin`. Bars with rounded ends show it at their corners.
  void PaintFace(QPainter& painter, const QRect& client, QPoint backgroundOrigin) const;

  // Repaints the dock and its visible docked bars (not the bars' child widgets).
  void InvalidateBackground();

  // The height the dock takes with its bars as they are in the theme that makes it tallest
  // (the dock's own height follows the current theme).
  int TallestHeight() const;

  QSize sizeHint() const override;
  // At least as wide as the widest row's bars at their minimum widths, so a window laid
  // out around the dock cannot cut a bar off.
  QSize minimumSizeHint() const override;
  void ThemeChanged(int phase) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // A right click offers the window's bar list, to close bars or open closed ones again.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class TTBCustomDockableWindow;
  // Called by a bar when it docks here / leaves.
  void AddBar(TTBCustomDockableWindow* bar);
  void RemoveBar(TTBCustomDockableWindow* bar);
  // Makes room for a new row at `row` (the rows from there move down by one).
  void InsertRow(int row);
  void SortBars();
  // The height of the rows of the shown bars under the current theme, bound lines included.
  int RowsHeight() const;
  // Places the bars of one row (see RowLayout.h); returns the least width the row needs.
  int ArrangeRow(const std::vector<TTBCustomDockableWindow*>& row, int top, int height);

  // Lives only inside the listener the dock registers with its background, so it dies
  // with the background and tells the dock, which then drops its pointer.
  struct BackgroundWatch {
    TTBDock* dock = nullptr;
    ~BackgroundWatch();
  };
  void ForgetBackground();
  // The background changed what it paints (or was assigned): keeps a stretched picture at
  // the client size and repaints the dock and its bars.
  void BackgroundChanged();

  DockPosition position_;
  TTBBackground* background_ = nullptr;
  std::weak_ptr<BackgroundWatch> watch_;
  bool backgroundOnToolbars_ = true;
  int boundLines_ = 0;
  Colour colour_ = clBtnFace;
  bool arranging_ = false;
  int minimumWidth_ = 0;
  std::vector<BarDrag::Row> rows_;  // client coordinates, from the last ArrangeBars
  std::vector<TTBCustomDockableWindow*> bars_;
};

}  // namespace tessary::widgets
