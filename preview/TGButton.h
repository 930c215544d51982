#pragma once
// A picture button that takes its picture, at every paint, from one of four image lists by
// its state: disabled → DisableImages; not hovered → Images; hovered → HotImages; hovered and
// held down → DownImages. Nothing tells it that a list changed: a replaced image shows at
// its next repaint. Drawn transparent (the colour of the picture's bottom-left pixel left
// out) or opaque; a click runs its bound command or handler.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "skin/Signal.h"
#include "widgets/ImageListPixmaps.h"

namespace tessary {
class ImageList;
}
namespace tessary::widgets {
class Command;
}

namespace tessary::preview {

class TGButton : public QWidget {
  Q_OBJECT

 public:
  explicit TGButton(QWidget* parent = nullptr);
  ~TGButton() override;

  // The four picture sources. Setting one only stores it: no repaint, no change notices.
  const ImageList* Images() const { return images_; }
  void SetImages(const ImageList* list) { images_ = list; }
  const ImageList* HotImages() const { return hotImages_; }
  void SetHotImages(const ImageList* list) { hotImages_ = list; }
  const ImageList* DownImages() const { return downImages_; }
  void SetDownImages(const ImageList* list) { downImages_ = list; }
  const ImageList* DisableImages() const { return disableImages_; }
  void SetDisableImages(const ImageList* list) { disableImages_ = list; }
  // One list for every state (the samples: each shows its own state's list).
  void SetAllImages(const ImageList* list);

  // Which image of the chosen list is shown.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // A number for the button's owner; the button does not use it.
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }

  // Leave out the colour of the picture's bottom-left pixel (off by default).
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Centre the picture (off by default: it sits at the top-left corner).
  bool Center() const { return center_; }
  void SetCenter(bool center);
  // Scale the picture to the button.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  // Size the button to its lists' images.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  // The command whose caption names the button, whose hint is its tooltip, whose enabled
  // state it follows and which a click runs (none: the click handler runs, if any).
  widgets::Command* Command() const { return command_; }
  void SetCommand(widgets::Command* command);
  // What a click runs when no command is bound.
  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
  // The hint shown on hover: the bound command's hint, or this button's own where the
  // command has none.
  QString Hint() const;
  void SetHint(const QString& hint) { hint_ = hint; }

  // State and the list it chooses (decided here, drawn by paintEvent).
  bool Hovered() const { return hover_; }
  bool Down() const { return down_; }
  const ImageList* ChosenList() const;
  // The picture as last painted (kept when the chosen list is not set).
  const QImage& Picture() const { return picture_; }

  // Runs the bound command (or handler), then raises clicked().
  void Click();

  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void TakePicture(const ImageList& list);
  void FollowCommand();
  void SetHover(bool hover);

  const ImageList* images_ = nullptr;
  const ImageList* hotImages_ = nullptr;
  const ImageList* downImages_ = nullptr;
  const ImageList* disableImages_ = nullptr;
  int imageIndex_ = -1;
  int index_ = 0;
  bool transparent_ = false;
  bool center_ = false;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool hover_ = false;
  bool down_ = false;
  widgets::Command* command_ = nullptr;
  Connection commandWatch_;
  std::function<void()> clickHandler_;
  QString hint_;

  widgets::ImageListPixmaps cells_;
  QImage picture_;
  QPixmap pixmap_;  // picture_ ready to draw (kept, so that its scaled copies are too)
  // What the picture was taken from; the same source is not taken again.
  struct Source {
    const ImageList* list = nullptr;
    std::uint64_t generation = 0;
    int index = -1;
    bool transparent = false;
    bool operator==(const Source&) const = default;
  } source_;
};

// Registers the button's accessibility interface (once; later calls do nothing; the
// preview's start does it).
void InstallTGButtonAccessibility();

}  // namespace tessary::preview
