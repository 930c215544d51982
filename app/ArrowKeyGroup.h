#pragma once
// Controls that take one Tab stop together, walked with the arrow keys, as desktop
// programs treat a group of radio boxes or a row of small buttons: Left and Up go to the
// previous control, Right and Down to the next, Home and End to the first and last. The
// Tab stop is the control that last had the focus in the group (or the one a chooser
// names: the checked box of a radio group), so Tab leaves the group and comes back to it.
#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

namespace tessary::app {

class ArrowKeyGroup : public QObject {
 public:
  // `members` in their order on screen (they must be in the window's keyboard order);
  // `arrive` runs for a member the arrow keys moved to (radio boxes check themselves).
  // The group lives as long as the first member.
  explicit ArrowKeyGroup(std::vector<QWidget*> members, std::function<void(QWidget&)> arrive = nullptr);

  // Makes `member` the group's Tab stop.
  void SetStop(QWidget* member);
  QWidget* Stop() const { return stop_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QWidget*> members_;
  std::vector<Qt::FocusPolicy> policies_;  // each member's own, for when it is the stop
  std::function<void(QWidget&)> arrive_;
  QWidget* stop_ = nullptr;
};

}  // namespace tessary::app
