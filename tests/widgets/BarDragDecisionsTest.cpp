// What a bar drag decides, fed with rectangles and points only (no widgets): the dock a drop
// lands on, the row and place in it, the outline, where a floating window opens, and what
// the pointer's moves, the release and Esc ask of the bar.
#include <gtest/gtest.h>

#include "widgets/BarDrag.h"

namespace tessary::widgets {
namespace {

using Step = BarDrag::Step;

TEST(BarDragDecisions, DockUnderThePointer) {
  // A top dock 30 high, an empty (0 high) bottom dock at 400, a left dock overlapping the
  // top one's snap band.
  const std::vector<QRect> docks = {QRect(0, 0, 500, 30), QRect(0, 400, 500, 0), QRect(0, 30, 20, 370)};
  struct Case {
    QPoint pointer;
    int dock;
  };
  // clang-format off
  const Case cases[] = {
      {{10, 10}, 0},    // inside the top dock
      {{499, 29}, 0},   // its last pixel
      {{100, 37}, 0},   // within the snap distance below it
      {{100, 38}, -1},  // just beyond
      {{10, 35}, 2},    // inside the left dock wins over the top dock's snap band
      {{100, 396}, 1},  // an empty dock takes a drop near its line
      {{100, 407}, 1},
      {{100, 409}, -1},
      {{600, 10}, -1},  // beside every dock
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(BarDrag::DockAt(docks, c.pointer), c.dock) << c.pointer.x() << "," << c.pointer.y();
  EXPECT_EQ(BarDrag::DockAt({}, QPoint(0, 0)), -1);
}

TEST(BarDragDecisions, RowAndPlaceInADock) {
  // Rows numbered 2 and 5 (numbers may have gaps), 24 high each.
  const std::vector<BarDrag::Row> rows = {{2, 0, 24}, {5, 24, 24}};
  struct Case {
    std::vector<BarDrag::Row> rows;
    QPoint point;
    int row;
    bool newRow;
  };
  // clang-format off
  const Case cases[] = {
      {{}, {40, 10}, 0, true},     // an empty dock: a first row
      {rows, {40, -3}, 2, true},   // above the rows: before the first
      {rows, {40, 5}, 2, true},    // the upper quarter of a row: a new row above it
      {rows, {40, 6}, 2, false},   // its middle joins it
      {rows, {40, 17}, 2, false},
      {rows, {40, 18}, 3, true},   // its lower quarter: a new row below it
      {rows, {40, 30}, 5, false},  // the middle of the second row
      {rows, {40, 47}, 6, true},   // lower quarter of the last row
      {rows, {40, 90}, 6, true},   // below every row
  };
  // clang-format on
  for (const Case& c : cases) {
    const BarDrag::Target target = BarDrag::TargetAt(c.rows, c.point);
    EXPECT_EQ(target.row, c.row) << c.point.y();
    EXPECT_EQ(target.newRow, c.newRow) << c.point.y();
    EXPECT_EQ(target.x, c.point.x());
  }
}

TEST(BarDragDecisions, OutlineStaysInTheDock) {
  const QRect client(100, 50, 300, 40);
  struct Case {
    QRect client;
    bool growsUp;
    QPoint topLeft;
    QSize bar;
    bool spans;
    QRect outline;
  };
  // clang-format off
  const Case cases[] = {
      {client, false, {150, 60}, {80, 20}, false, {150, 60, 80, 20}},   // fits where it is
      {client, false, {50, 30}, {80, 20}, false, {100, 50, 80, 20}},    // pushed in at the top left
      {client, false, {380, 85}, {80, 20}, false, {320, 70, 80, 20}},   // and at the bottom right
      {client, false, {150, 60}, {500, 20}, false, {100, 60, 300, 20}}, // cut to the dock's width
      {client, false, {150, 60}, {80, 20}, true, {100, 60, 300, 20}},   // a stretching bar spans it
      {{0, 0, 300, 0}, false, {40, -5}, {80, 20}, false, {40, 0, 80, 20}},    // an empty top dock
      {{0, 400, 300, 0}, true, {40, 405}, {80, 20}, false, {40, 380, 80, 20}}, // an empty bottom one
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(BarDrag::OutlineInDock(c.client, c.growsUp, c.topLeft, c.bar, c.spans), c.outline)
        << c.topLeft.x() << "," << c.topLeft.y();
}

TEST(BarDragDecisions, FloatingWindowOpensOnTheScreen) {
  // A second screen right of the first, with a panel taking its top 30 pixels.
  const QRect available(1920, 30, 1280, 994);
  struct Case {
    QPoint topLeft;
    QSize size;
    QRect opened;
  };
  // clang-format off
  const Case cases[] = {
      {{2000, 100}, {200, 60}, {2000, 100, 200, 60}},   // already on it
      {{3150, 100}, {200, 60}, {3000, 100, 200, 60}},   // off the right edge
      {{2000, 1000}, {200, 60}, {2000, 964, 200, 60}},  // off the bottom
      {{1850, 10}, {200, 60}, {1920, 30, 200, 60}},     // over the left edge and the panel
      {{3100, 900}, {1500, 1200}, {1920, 30, 1500, 1200}},  // larger than the screen: caption shows
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(BarDrag::OnScreen(available, c.topLeft, c.size), c.opened) << c.topLeft.x();
  EXPECT_EQ(BarDrag::OnScreen(QRect(), QPoint(-50, -50), QSize(10, 10)), QRect(-50, -50, 10, 10));
}

TEST(BarDragDecisions, MovesReleaseAndEsc) {
  const std::vector<BarDrag::Place> start = {{7, 0, 0}, {9, 1, 40}};
  struct Event {
    enum Kind { kMove, kEnd, kCancel } kind;
    QPoint pointer;
    bool docked = true;
    bool overOwnDock = true;
  };
  struct Case {
    const char* name;
    std::vector<Event> events;
    Step lastStep;  // of the last move
    bool drop;
    bool putBack;
    std::size_t placesBack;  // from the release or from Esc
  };
  const QPoint press(10, 10);
  // clang-format off
  const Case cases[] = {
      {"click without a move", {{Event::kEnd, press}}, Step::kNothing, false, false, 0},
      {"move to the press point only", {{Event::kMove, press}, {Event::kEnd, press}}, Step::kNothing, false, false, 0},
      {"placed live in its dock", {{Event::kMove, {50, 10}}, {Event::kEnd, {50, 10}}}, Step::kPlace, false, false, 0},
      {"released elsewhere in its dock", {{Event::kMove, {50, 10}}, {Event::kEnd, {60, 10}}}, Step::kPlace, true, false, 0},
      {"moved back over the press point", {{Event::kMove, {50, 10}}, {Event::kMove, press}, {Event::kEnd, press}},
       Step::kPlace, false, false, 0},
      {"off its dock", {{Event::kMove, {50, 10}}, {Event::kMove, {50, 300}, true, false}, {Event::kEnd, {50, 300}, true, false}},
       Step::kOutline, true, true, 2},
      {"floating bar dropped", {{Event::kMove, {50, 300}, false, false}, {Event::kEnd, {50, 300}, false, false}},
       Step::kNothing, true, false, 0},
      {"Esc", {{Event::kMove, {50, 10}}, {Event::kCancel, {}}}, Step::kPlace, false, false, 2},
      {"Esc then release", {{Event::kCancel, {}}, {Event::kEnd, {50, 10}}}, Step::kNothing, false, false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    BarDrag drag;
    drag.Begin(QPoint(3, 4), press, start);
    EXPECT_TRUE(drag.Active()) << c.name;
    Step step = Step::kNothing;
    BarDrag::Drop drop;
    std::vector<BarDrag::Place> back;
    for (const Event& e : c.events) {
      if (e.kind == Event::kMove) step = drag.Move(e.pointer, e.docked, e.overOwnDock);
      if (e.kind == Event::kEnd) {
        drop = drag.End(e.pointer, e.docked, e.overOwnDock);
        back = drop.startPlaces;
      }
      if (e.kind == Event::kCancel) back = drag.Cancel();
    }
    EXPECT_FALSE(drag.Active()) << c.name;
    EXPECT_EQ(step, c.lastStep) << c.name;
    EXPECT_EQ(drop.drop, c.drop) << c.name;
    EXPECT_EQ(drop.putBack, c.putBack) << c.name;
    ASSERT_EQ(back.size(), c.placesBack) << c.name;
    if (!back.empty()) {
      EXPECT_EQ(back[1].bar, 9u) << c.name;
      EXPECT_EQ(back[1].x, 40) << c.name;
    }
    // A finished drag asks nothing more of the bar.
    EXPECT_EQ(drag.Move(QPoint(70, 70), true, true), Step::kNothing) << c.name;
    EXPECT_TRUE(drag.Cancel().empty()) << c.name;
  }
  // The bar is held where it was taken.
  BarDrag drag;
  drag.Begin(QPoint(3, 4), press, {});
  EXPECT_EQ(drag.BarTopLeft(QPoint(100, 100)), QPoint(97, 96));
  EXPECT_EQ(drag.BarX(BarDrag::Target{0, false, 100}), 97);
}

}  // namespace
}  // namespace tessary::widgets
