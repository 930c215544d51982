#pragma once
// A drop-down list (no typing) whose entries show an image of an image list and a text,
// drawn by the control itself. The closed field is max(T + 4, H + 4) high and each entry of
// the open list max(T + 2, H), T being the font's text height and H the list's image height;
// both follow font and list changes. A replaced image shows at the control's next repaint:
// the control does not follow its list's changes. Change is raised only when the user
// selects another entry, never when the selection is set in code.
#include <memory>
#include <vector>

#include "skin/Colour.h"
#include "skin/Signal.h"
#include "widgets/ImageListPixmaps.h"
#include "widgets/controls/DropDownField.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

// One entry: its text, the slot of the image list it shows, and how far it is indented.
struct ImageComboItem {
  QString text;
  int imageIndex = -1;
  int indent = 0;
};

class TJvImageComboBox : public DropDownList {
  Q_OBJECT

 public:
  explicit TJvImageComboBox(QWidget* parent = nullptr);
  ~TJvImageComboBox() override;

  // The list whose images the entries show (none: entries show text only). The control
  // forgets a list that is destroyed.
  const tessary::ImageList* ImageList() const { return imageList_; }
  void SetImageList(const tessary::ImageList* list);

  // The entries.
  void SetItems(const std::vector<ImageComboItem>& items);
  void AddItem(const ImageComboItem& item);
  ImageComboItem Item(int index) const;

  // The selected entry (-1: none). Setting it raises nothing.
  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int index);

  // Entries shown at once in the open list.
  int DropDownCount() const { return maxVisibleItems(); }
  void SetDropDownCount(int count) { setMaxVisibleItems(count); }
  // Width of the open list in pixels (0: the control's width).
  int DroppedWidth() const { return droppedWidth_; }
  void SetDroppedWidth(int width) { droppedWidth_ = width; }

  // Background of the entries (clBtnFace while disabled, clWindow when enabled again).
  Colour Color() const { return colour_; }
  void SetColor(Colour colour);
  // A frame around each image.
  bool ButtonFrame() const { return buttonFrame_; }
  void SetButtonFrame(bool frame);

  // Heights of the closed field and of one entry of the open list.
  int FieldHeight() const;
  int EntryHeight() const override;
  // The closed field's rectangle (where the selected entry is drawn).
  QRect FieldRect() const;

  // Draws entry `index` into `rect` (shared by the closed field and the open list).
  void DrawEntry(QPainter& painter, int index, const QRect& rect, bool selected) override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  void showPopup() override;

 signals:
  // The user selected another entry.
  void Change();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Relayout();
  void ForgetList();
  // DrawEntry's drawing, with the painter already clipped to the entry.
  void DrawClippedEntry(QPainter& painter, int index, const QRect& rect, bool selected);

  // Lives inside the observer registered with the list, so it dies with the list and the
  // control forgets it: a list that is gone is never drawn from.
  struct ListGuard {
    TJvImageComboBox* owner = nullptr;
    ~ListGuard() {
      if (owner != nullptr) owner->ForgetList();
    }
  };

  const tessary::ImageList* imageList_ = nullptr;
  std::weak_ptr<ListGuard> guard_;
  Connection listWatch_;
  ImageListPixmaps pixmaps_;
  int droppedWidth_ = 0;
  Colour colour_ = clWindow;
  bool buttonFrame_ = false;
  int changes_ = 0;          // selection changes so far
  int reportedChanges_ = 0;  // ... as of the last Change or code-set selection
};

}  // namespace tessary::widgets
