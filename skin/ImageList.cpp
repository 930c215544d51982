#include "skin/ImageList.h"

#include <algorithm>
#include <string>

#include "skin/Error.h"

namespace tessary {
namespace {

// Guard message: the editing commands check sizes before they append, so this only shows
// when a caller skipped that check.
constexpr const char* kWrongImageSize = "An image of %d x %d pixels does not fit a list of %d x %d images";
constexpr const char* kWrongCellSize = "An image does not hold the list's %d x %d pixels";

constexpr Argb kOpaqueBlack = 0xFF000000u;
constexpr Argb kRgbBits = 0x00FFFFFFu;

void CheckImageSize(const Bitmap& bitmap, int width, int height) {
  if (bitmap.Width() != width || bitmap.Height() != height) {
    Fail(kWrongImageSize, {std::to_string(bitmap.Width()), std::to_string(bitmap.Height()), std::to_string(width),
                           std::to_string(height)});
  }
}

}  // namespace

ImageList::Image MakeMaskedImage(const Bitmap& bitmap, Colour maskColour) {
  const auto& source = bitmap.Pixels();
  ImageList::Image image;
  image.pixels.resize(source.size());
  image.mask.assign(source.size(), 0);
  if (maskColour == clNone) {
    for (std::size_t i = 0; i < source.size(); ++i) image.pixels[i] = source[i] | kOpaqueBlack;
    return image;
  }
  const Argb key = ColourToArgb(maskColour) & kRgbBits;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const bool transparent = (source[i] & kRgbBits) == key;
    image.pixels[i] = transparent ? kOpaqueBlack : (source[i] | kOpaqueBlack);
    image.mask[i] = transparent ? 1 : 0;
  }
  return image;
}

int ImageList::GrownCapacity(int count) {
  if (count <= kGrowBy) return kGrowBy;
  return ((count + kGrowBy - 1) / kGrowBy) * kGrowBy;
}

ImageList::ImageList(int width, int height) : width_(width), height_(height) {}

void ImageList::SetWidth(int width) { SetSize(width, height_); }

void ImageList::SetHeight(int height) { SetSize(width_, height); }

void ImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  DropPending();
  images_.clear();
  capacity_ = kGrowBy;
  Changed();
}

int ImageList::AppendImage(const Bitmap& bitmap, Colour maskColour) {
  CheckImageSize(bitmap, width_, height_);
  auto image = std::make_shared<const Image>(MakeMaskedImage(bitmap, maskColour));
  Images();
  const int index = ImageCount();
  images_.push_back(std::move(image));
  // Full lists grow by kGrowBy cells; a list read with spare room keeps it.
  if (ImageCount() > capacity_) capacity_ += kGrowBy;
  Changed();
  return index;
}

void ImageList::ReplaceImage(int index, const Bitmap& bitmap, Colour maskColour) {
  // Replacing changes the image and nothing else: no temporary append, so the capacity
  // (and with it the saved payload) stays what it was.
  if (index < 0 || index >= ImageCount()) Fail(msg::kUnableToReplaceImage);
  CheckImageSize(bitmap, width_, height_);
  Images();
  images_[static_cast<std::size_t>(index)] = std::make_shared<const Image>(MakeMaskedImage(bitmap, maskColour));
  Changed();
}

void ImageList::SetImage(int index, std::shared_ptr<const Image> image) {
  if (index < 0 || index > ImageCount()) Fail(msg::kUnableToReplaceImage);
  const std::size_t cellPixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  if (image == nullptr || image->pixels.size() != cellPixels || image->mask.size() != cellPixels)
    Fail(kWrongCellSize, {std::to_string(width_), std::to_string(height_)});
  Images();
  if (index == ImageCount()) {
    images_.push_back(std::move(image));
    if (ImageCount() > capacity_) capacity_ += kGrowBy;
  } else {
    images_[static_cast<std::size_t>(index)] = std::move(image);
  }
  Changed();
}

void ImageList::SetContent(int width, int height, int capacity, std::vector<Image> images) {
  const std::size_t cellPixels =
      static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0));
  for (const Image& image : images) {
    if (image.pixels.size() != cellPixels || image.mask.size() != cellPixels) {
      Fail(kWrongCellSize, {std::to_string(width), std::to_string(height)});
    }
  }
  width_ = width;
  height_ = height;
  DropPending();
  images_.clear();
  images_.reserve(images.size());
  for (Image& image : images) images_.push_back(std::make_shared<const Image>(std::move(image)));
  capacity_ = std::max(capacity, ImageCount());
  Changed();
}

void ImageList::SetPendingContent(int width, int height, int capacity, int count, ImageCutter cut) {
  width_ = width;
  height_ = height;
  images_.clear();
  pending_ = std::make_shared<PendingImages>(PendingImages{std::move(cut), {}});
  pendingCount_ = std::max(count, 0);
  capacity_ = std::max(capacity, pendingCount_);
  Changed();
}

const std::vector<std::shared_ptr<const ImageList::Image>>& ImageList::Images() const {
  if (!pending_) return images_;
  if (pending_->cut) {
    std::vector<Image> cut = pending_->cut();
    const std::size_t cellPixels =
        static_cast<std::size_t>(std::max(width_, 0)) * static_cast<std::size_t>(std::max(height_, 0));
    if (cut.size() != static_cast<std::size_t>(pendingCount_))
      Fail(kWrongCellSize, {std::to_string(width_), std::to_string(height_)});
    std::vector<std::shared_ptr<const Image>> images;
    images.reserve(cut.size());
    for (Image& image : cut) {
      if (image.pixels.size() != cellPixels || image.mask.size() != cellPixels) {
        Fail(kWrongCellSize, {std::to_string(width_), std::to_string(height_)});
      }
      images.push_back(std::make_shared<const Image>(std::move(image)));
    }
    pending_->images = std::move(images);
    pending_->cut = nullptr;  // lets go of the pictures it cut from
  }
  images_ = pending_->images;
  pending_.reset();
  return images_;
}

void ImageList::Clear() {
  DropPending();
  images_.clear();
  capacity_ = kGrowBy;
  Changed();
}

void ImageList::Assign(const ImageList& other) {
  if (this == &other) {
    Changed();
    return;
  }
  // The name is the list's identity in the skin, not content: it stays.
  properties = other.properties;
  width_ = other.width_;
  height_ = other.height_;
  capacity_ = other.capacity_;
  images_ = other.images_;
  pending_ = other.pending_;
  pendingCount_ = other.pendingCount_;
  Changed();
}

Bitmap ImageList::ImageBitmap(int index) const { return Bitmap::FromArgb(width_, height_, ImageAt(index).pixels); }

void ImageList::Changed() {
  ++generation_;
  changed_.Emit();
}

}  // namespace tessary
