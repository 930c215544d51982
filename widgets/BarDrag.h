#pragma once
// What dragging a bar by its handle decides, apart from the widgets: which dock a drop lands
// on, which row and place in it, where the outline goes, and what Esc puts back. The bar
// hands it screen rectangles and pointer positions and carries out what it answers (moving
// bars in their rows, docking, floating, showing the outline); it keeps the drag's state
// from the press on the handle to the release.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace tessary::widgets {

class BarDrag {
 public:
  // How far above or below a dock a dragged bar still docks onto it (an empty dock is 0
  // high).
  static constexpr int kDockSnapDistance = 8;

  // A row of a dock as laid out: the number its bars carry (numbers may have gaps) and its
  // band in the dock's client coordinates.
  struct Row {
    int number = 0;
    int top = 0;
    int height = 0;
  };
  // Where a bar dropped in a dock goes: the row number to join, or with `newRow` the number
  // a new row gets (the rows from there move down), and the pointer's x in the dock's
  // client coordinates.
  struct Target {
    int row = 0;
    bool newRow = false;
    int x = 0;
  };
  // A bar's row and x in its dock; `bar` is whatever identity the caller gives its bars.
  struct Place {
    quint64 bar = 0;
    int row = 0;
    int x = 0;
  };
  // What a pointer move asks of the bar.
  enum class Step {
    kNothing,  // no drag, a bar not docked, or the pointer has not moved from the press
    kOutline,  // the pointer left the bar's dock: show where the bar would go
    kPlace,    // within the bar's dock: the bar follows at once (row and x from Target)
  };

  // Which of `docks` (screen rectangles) a bar dropped at `pointer` goes to: the first that
  // holds the pointer, else the last within the snap distance above or below it; -1 for
  // none.
  static int DockAt(const std::vector<QRect>& docks, QPoint pointer);
  // Where a bar dropped at `point` (client coordinates) goes among `rows` (top to bottom):
  // the middle half of a row joins it, its outer quarters make a new row above or below;
  // above the rows (or with none) a new first row, below them a new last one.
  static Target TargetAt(const std::vector<Row>& rows, QPoint point);
  // The outline of a bar of natural size `barSize` with its top-left at `topLeft`, dropped
  // into a dock whose client rectangle is `client`: inside the dock, cut to its width (the
  // whole width when it `spans`) and pushed back from its ends. In a dock lower than the bar
  // it lies on the dock's outer edge: the bottom for a dock that `growsUp`, else the top.
  static QRect OutlineInDock(const QRect& client, bool growsUp, QPoint topLeft, QSize barSize, bool spans);
  // Where a floating window of `size` wanted at `topLeft` opens on a screen whose free area
  // is `available`: moved in so all of it shows; one larger than the area keeps its
  // top-left corner (and caption) on it. An empty `available` (no screen known) leaves it.
  static QRect OnScreen(const QRect& available, QPoint topLeft, QSize size);

  // Starts a drag: the bar taken at `grabOffset` (bar coordinates), the pointer at
  // `pointer`, with the places of the bars of its dock that Esc puts back (none when it
  // floats).
  void Begin(QPoint grabOffset, QPoint pointer, std::vector<Place> startPlaces);
  bool Active() const { return active_; }
  // Where the pointer holds the bar (bar coordinates); kept after the drag for a drop.
  QPoint GrabOffset() const { return grab_; }
  // The floating window's caption drag holds the bar at `grabOffset` too.
  void SetGrabOffset(QPoint grabOffset) { grab_ = grabOffset; }
  // The bar's top-left for the pointer at `pointer`; its x in a dock for a Target there.
  QPoint BarTopLeft(QPoint pointer) const { return pointer - grab_; }
  int BarX(const Target& target) const { return target.x - grab_.x(); }

  // The pointer moved to `pointer`; `docked`: the bar is on a dock, `overOwnDock`: DockAt
  // chose that dock.
  Step Move(QPoint pointer, bool docked, bool overOwnDock);
  // The button came up at `pointer`: ends the drag and tells whether the bar now goes where
  // the pointer is (false: it stays where the drag left it, which is also where a click
  // that never moved leaves it), and whether the bars of its dock first go back to the
  // places in `startPlaces` (the bar leaves its dock, so it is remembered where the drag
  // took it from, not where the pointer only passed through).
  struct Drop {
    bool drop = false;
    bool putBack = false;
    std::vector<Place> startPlaces;
  };
  Drop End(QPoint pointer, bool docked, bool overOwnDock);
  // Esc: ends the drag; the places the bars of the dock go back to (none when no drag).
  std::vector<Place> Cancel();

 private:
  bool active_ = false;
  bool moved_ = false;  // the pointer moved since the press
  QPoint grab_;
  QPoint start_;                    // the pointer at the press
  std::optional<QPoint> placedAt_;  // the pointer at the last move that placed the bar
  std::vector<Place> startPlaces_;
};

}  // namespace tessary::widgets
