#pragma once
// Image lists kept ready to draw: one premultiplied pixmap per image, built when the image
// is first drawn and rebuilt only after the list's Generation() changed. The cache observes each list
// it has drawn from and calls its change handler (a repaint of the owning view) when the
// list changes, so views follow image replacements without polling.
#include <QPixmap>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "skin/Signal.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

class ImageListPixmaps {
 public:
  // `changed` runs after any observed list changed (typically the owner's update()).
  explicit ImageListPixmaps(std::function<void()> changed = {});
  ~ImageListPixmaps();
  ImageListPixmaps(const ImageListPixmaps&) = delete;
  ImageListPixmaps& operator=(const ImageListPixmaps&) = delete;

  // Whether `index` names an image of the list (a slot beyond the end shows nothing).
  static bool HasImage(const ImageList* list, int index);

  // Draws image `index` of `list` with its top-left corner at `topLeft`; nothing when the
  // slot is out of range.
  void Draw(QPainter& painter, QPoint topLeft, const ImageList* list, int index);
  // The ready-to-draw image (handed to the theme, which draws disabled looks); null when
  // the slot is out of range.
  QPixmap Image(const ImageList* list, int index);

  // Starts observing the list without drawing from it yet.
  void Observe(const ImageList* list);

 private:
  // Lives only inside the observer registered with a list, so it dies with the list and
  // drops the list's entry: a new list later made at the same address is never served the
  // old list's pictures.
  struct ListWatch {
    ImageListPixmaps* owner = nullptr;
    const ImageList* list = nullptr;
    ~ListWatch();
  };
  struct Entry {
    std::weak_ptr<ListWatch> watch;
    Connection connection;
    std::uint64_t generation = ~std::uint64_t{0};
    std::vector<QPixmap> cells;  // one per image, alpha from the mask; null until first drawn
  };
  // The cell of image `index` (in range) of `list`, made if need be.
  const QPixmap& Prepare(const ImageList* list, int index);

  std::function<void()> changed_;
  std::unordered_map<const ImageList*, Entry> entries_;
};

}  // namespace tessary::widgets
