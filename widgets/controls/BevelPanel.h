#pragma once
// A plain panel of the control panel: filled with its palette's window colour, framed by an
// outer and an inner one-pixel bevel (raised: light top-left, dark bottom-right; lowered:
// the reverse), with an optional one-line caption inside the bevels. Holds other controls.
#include <QWidget>

namespace tessary::widgets {

class BevelPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Bevel { None, Lowered, Raised };

  explicit BevelPanel(QWidget* parent = nullptr);

  // The caption, drawn on one line, vertically centred (leading spaces are kept).
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // Qt::AlignLeft or Qt::AlignHCenter (the default).
  void SetCaptionAlignment(Qt::Alignment alignment);

  // The outer bevel is drawn at the edge, the inner one just inside it.
  void SetBevels(Bevel outer, Bevel inner);
  Bevel OuterBevel() const { return outer_; }
  Bevel InnerBevel() const { return inner_; }
  // Pixels the bevels take on each side.
  int BevelWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
  Bevel outer_ = Bevel::None;
  Bevel inner_ = Bevel::None;
};

}  // namespace tessary::widgets
