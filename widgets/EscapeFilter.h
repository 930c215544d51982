#pragma once
// Watches the whole application's keyboard while a bar or floating window is dragged: Esc,
// wherever the focus is, calls the given handler (which cancels the drag) and goes no
// further. It stops watching when destroyed.
#include <QObject>
#include <functional>

namespace tessary::widgets {

class EscapeFilter : public QObject {
 public:
  explicit EscapeFilter(std::function<void()> onEscape);
  ~EscapeFilter() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onEscape_;
};

}  // namespace tessary::widgets
