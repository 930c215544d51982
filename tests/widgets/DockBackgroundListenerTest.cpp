// How a dock follows its background: one listener per dock, removed when the background is
// replaced or the dock goes; a change repaints the dock and its docked bars; the stretch
// size is the dock's client size, from the background's assignment on.
#include "ToolbarFixture.h"
#include "skin/TTBBackground.h"

namespace tessary::widgets::testing {
namespace {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

Bitmap Picture(int w, int h) {
  return Bitmap::FromArgb(w, h, std::vector<Argb>(static_cast<std::size_t>(w * h), 0xFF336699u));
}

// The backgrounds outlive the window (TearDown drops the window first): a dock must be
// gone or unassigned before its background is destroyed.
class DockBackgroundListener : public DockWindowTest {
 protected:
  TTBBackground background;
  TTBBackground first;
  TTBBackground second;
};

TEST_F(DockBackgroundListener, OneListenerThatFollowsAssignmentAndTheDocksLife) {
  top->SetBackground(&first);
  top->SetBackground(&first);
  EXPECT_EQ(first.ListenerCount(), 1u);
  top->SetBackground(&second);
  EXPECT_EQ(first.ListenerCount(), 0u);
  EXPECT_EQ(second.ListenerCount(), 1u);
  window.reset();  // the docks go with their window
  EXPECT_EQ(second.ListenerCount(), 0u);
}

TEST_F(DockBackgroundListener, ABackgroundDestroyedFirstLeavesTheDockWithoutOne) {
  auto doomed = std::make_unique<TTBBackground>();
  doomed->SetBitmap(Picture(8, 8));
  top->SetBackground(doomed.get());
  bottom->SetBackground(doomed.get());
  TTBXToolbar* bar = MakeBar("Bar", 2);
  bar->DockTo(top, 0);
  Settle();
  ASSERT_TRUE(top->UsesBackground());
  doomed.reset();
  EXPECT_EQ(top->Background(), nullptr);
  EXPECT_EQ(bottom->Background(), nullptr);
  EXPECT_FALSE(top->UsesBackground());
  EXPECT_FALSE(bar->ViewKind() & vkTransparent);
  EXPECT_FALSE(top->grab().isNull());  // paints its own colour again
  // Unassigning keeps a live background's other listeners and does not clear the dock twice.
  top->SetBackground(&background);
  bottom->SetBackground(&background);
  top->SetBackground(nullptr);
  EXPECT_EQ(background.ListenerCount(), 1u);
  EXPECT_EQ(bottom->Background(), &background);
}

TEST_F(DockBackgroundListener, AChangeRepaintsTheDockAndItsBars) {
  top->SetBoundLines(blTop | blBottom | blLeft | blRight);
  top->SetBackground(&background);
  TTBXToolbar* bar = MakeBar("Bar", 2);
  bar->DockTo(top, 0);
  Settle();
  EXPECT_FALSE(top->UsesBackground());
  PaintCounter dockPaints(top);
  PaintCounter barPaints(bar);
  background.SetBitmap(Picture(10, 10));
  Settle();
  EXPECT_TRUE(top->UsesBackground());
  EXPECT_GE(dockPaints.count, 1);
  EXPECT_GE(barPaints.count, 1);
  EXPECT_TRUE(bar->ViewKind() & vkTransparent);
  top->SetBackgroundOnToolbars(false);
  EXPECT_FALSE(bar->ViewKind() & vkTransparent);
}

TEST_F(DockBackgroundListener, SystemColourNoticeRepreparesOnlyASystemColouredTransparentPicture) {
  background.SetBitmap(Picture(4, 4));
  background.SetTransparent(true);
  top->SetBackground(&background);
  std::uint64_t generation = background.Generation();
  NotifySystemChange();
  EXPECT_GT(background.Generation(), generation);
  background.SetBkColor(0x00336699);
  generation = background.Generation();
  NotifySystemChange();
  EXPECT_EQ(background.Generation(), generation);
}

TEST_F(DockBackgroundListener, StretchSizeIsTheClientSizeFromAssignmentOn) {
  background.SetStretchBitmap(true);
  background.SetBitmap(Picture(20, 5));
  top->SetBoundLines(blTop | blBottom | blLeft | blRight);
  TTBXToolbar* bar = MakeBar("Bar", 2);
  bar->SetStretch(true);
  bar->DockTo(top, 0);
  Settle();
  top->SetBackground(&background);
  EXPECT_EQ(background.StretchWidth(), top->ClientRect().width());
  EXPECT_EQ(background.StretchHeight(), top->ClientRect().height());
  window->resize(500, 400);
  Settle();
  EXPECT_EQ(background.StretchWidth(), top->ClientRect().width());
  EXPECT_EQ(background.StretchHeight(), top->ClientRect().height());
  EXPECT_EQ(background.Prepared().Width(), 498);
}

}  // namespace
}  // namespace tessary::widgets::testing
