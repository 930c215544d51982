#pragma once
// The small "linked" mark on every sample, sample toolbar item, image drop-down list (for
// its selected entry) and background button whose place follows a file (LiveLinks): a
// dot in the top right corner, drawn over the control and letting every mouse event
// through. The control's accessible description names the file.
#include <QObject>
#include <QPointer>
#include <vector>

#include "app/ControlPanel.h"
#include "editing/LiveLinks.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

class LinkMarks : public QObject {
  Q_OBJECT

 public:
  LinkMarks(const ControlPanel& panel, const preview::CommandVocabulary& vocabulary, LiveLinks& links);
  ~LinkMarks() override;

  // The marks shown now, each a child of the control it marks.
  std::vector<QWidget*> Marks() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows a mark on every view of every linked place (only what changed is redone, so a
  // control that lays itself out again on a new child does not loop).
  void Update();
  void ScheduleUpdate();

  const ControlPanel& panel_;
  const preview::CommandVocabulary& vocabulary_;
  LiveLinks& links_;
  std::vector<QPointer<QWidget>> marks_;
  std::vector<QPointer<QWidget>> described_;  // controls whose description names a file
  struct Shown {
    QWidget* widget;
    QRect area;
    QString file;
    bool operator==(const Shown&) const = default;
  };
  std::vector<Shown> shown_;  // what the marks stand for
  bool scheduled_ = false;
  Connection linksWatch_;
};

}  // namespace tessary::app
