#include "widgets/ImageListPixmaps.h"

#include <QImage>
#include <QPainter>

#include "skin/ImageList.h"

namespace tessary::widgets {

namespace {

constexpr std::uint8_t kMaskTransparent = 1;

std::vector<QPixmap> BuildCells(const ImageList& list) {
  const int width = list.Width();
  const int height = list.Height();
  std::vector<QPixmap> cells;
  if (width <= 0 || height <= 0) return cells;
  const auto pixelsPerImage = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  cells.reserve(static_cast<std::size_t>(list.ImageCount()));
  for (int i = 0; i < list.ImageCount(); ++i) {
    const ImageList::Image& image = list.ImageAt(i);
    QImage cell(width, height, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    // The list keeps exactly width * height pixels per image; a short image stays
    // transparent rather than being read past its end.
    if (image.pixels.size() >= pixelsPerImage) {
      const bool masked = image.mask.size() >= pixelsPerImage;
      for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < width; ++x) {
          const std::size_t at = static_cast<std::size_t>(y) * width + x;
          if (masked && image.mask[at] == kMaskTransparent) continue;
          row[x] = image.pixels[at] | 0xFF000000u;  // opaque, so premultiplied == plain
        }
      }
    }
    cells.push_back(QPixmap::fromImage(std::move(cell)));
  }
  return cells;
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

ImageListPixmaps::Entry& ImageListPixmaps::Prepare(const ImageList* list) {
  Observe(list);
  Entry& entry = entries_[list];
  if (entry.generation != list->Generation()) {
    entry.cells = BuildCells(*list);
    entry.generation = list->Generation();
  }
  return entry;
}

void ImageListPixmaps::Draw(QPainter& painter, QPoint topLeft, const ImageList* list, int index) {
  if (!HasImage(list, index)) return;
  const Entry& entry = Prepare(list);
  if (static_cast<std::size_t>(index) < entry.cells.size()) painter.drawPixmap(topLeft, entry.cells[index]);
}

QPixmap ImageListPixmaps::Image(const ImageList* list, int index) {
  if (!HasImage(list, index)) return {};
  const Entry& entry = Prepare(list);
  if (static_cast<std::size_t>(index) >= entry.cells.size()) return {};
  return entry.cells[static_cast<std::size_t>(index)];
}

}  // namespace tessary::widgets
