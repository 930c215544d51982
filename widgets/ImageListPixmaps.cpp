#include "widgets/ImageListPixmaps.h"

#include <QImage>
#include <QPainter>

#include "skin/ImageList.h"
#include "widgets/DevicePictures.h"

namespace tessary::widgets {

namespace {

constexpr std::uint8_t kMaskTransparent = 1;

// Image `index` of the list, ready to draw.
QPixmap BuildCell(const ImageList& list, int index) {
  const int width = list.Width();
  const int height = list.Height();
  if (width <= 0 || height <= 0) return {};
  const auto pixelsPerImage = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const ImageList::Image& image = list.ImageAt(index);
  QImage cell(width, height, QImage::Format_ARGB32_Premultiplied);
  cell.fill(Qt::transparent);
  // The list keeps exactly width * height pixels per image; a short image stays
  // transparent rather than being read past its end.
  if (image.pixels.size() >= pixelsPerImage) {
    const bool masked = image.mask.size() >= pixelsPerImage;
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
      for (int x = 0; x < width; ++x) {
        const std::size_t at = static_cast<std::size_t>(y * width + x);
        if (masked && image.mask[at] == kMaskTransparent) continue;
        row[x] = image.pixels[at] | 0xFF000000u;  // opaque, so premultiplied == plain
      }
    }
  }
  return QPixmap::fromImage(std::move(cell));
}

}  // namespace

ImageListPixmaps::ImageListPixmaps(std::function<void()> changed) : changed_(std::move(changed)) {}

ImageListPixmaps::~ImageListPixmaps() {
  // Disarm every watch before the connections go (dropping one destroys its watch).
  for (auto& [list, entry] : entries_)
    if (auto watch = entry.watch.lock()) watch->owner = nullptr;
}

ImageListPixmaps::ListWatch::~ListWatch() {
  if (owner != nullptr) owner->entries_.erase(list);
}

bool ImageListPixmaps::HasImage(const ImageList* list, int index) {
  return list != nullptr && index >= 0 && index < list->ImageCount();
}

void ImageListPixmaps::Observe(const ImageList* list) {
  if (list == nullptr || entries_.count(list) != 0) return;
  Entry& entry = entries_[list];
  auto watch = std::make_shared<ListWatch>();
  watch->owner = this;
  watch->list = list;
  entry.watch = watch;
  // The cache is dropped lazily by generation; the observer only asks for a repaint.
  entry.connection = const_cast<ImageList*>(list)->OnChange([this, watch] {
    if (changed_) changed_();
  });
}

const QPixmap& ImageListPixmaps::Prepare(const ImageList* list, int index) {
  Observe(list);
  Entry& entry = entries_[list];
  const auto count = static_cast<std::size_t>(list->ImageCount());
  if (entry.generation != list->Generation() || entry.cells.size() != count) {
    // A view usually shows a few images of a list: each is made when first shown. Every
    // change of the list (images added, removed, replaced, resized) sizes the slots anew.
    entry.cells.assign(count, QPixmap());
    entry.generation = list->Generation();
  }
  const auto at = static_cast<std::size_t>(index);
  if (at >= count) {
    static const QPixmap kNone;
    return kNone;
  }
  // A cell not made yet is null; one made is not, unless the list's images have no size.
  if (entry.cells[at].isNull()) entry.cells[at] = BuildCell(*list, index);
  return entry.cells[at];
}

void ImageListPixmaps::Draw(QPainter& painter, QPoint topLeft, const ImageList* list, int index) {
  if (!HasImage(list, index)) return;
  const QPixmap& cell = Prepare(list, index);
  if (!cell.isNull()) DrawPicture(painter, topLeft, cell);
}

QPixmap ImageListPixmaps::Image(const ImageList* list, int index) {
  if (!HasImage(list, index)) return {};
  return Prepare(list, index);
}

}  // namespace tessary::widgets
