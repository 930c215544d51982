#pragma once
// An ordered list of images of one fixed width and height, each with a one-bit
// transparency mask. Transparent pixels are stored black. Observers are told once per
// change; copying a list copies its content and properties but never its observers.
// An image never changes once stored: copies of a list (a skin read into a copy, the
// steps of the edit history) share the images they have in common.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/Bitmap.h"
#include "skin/Colour.h"
#include "skin/Signal.h"

namespace tessary {

enum class DrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class ImageType { itImage, itMask };

// The published properties a TImageList record stores (besides Width, Height and the
// images themselves). They have no effect on the images.
struct ImageListProperties {
  std::int32_t tag = 0;
  Colour blendColor = clNone;
  Colour bkColor = clNone;  // background colour of the image-list header; clNone = none
  std::int32_t allocBy = 4;
  DrawingStyle drawingStyle = DrawingStyle::dsNormal;
  ImageType imageType = ImageType::itImage;
  bool masked = true;
  std::string onChange;  // name of a change handler; empty = none
  bool shareImages = false;
  std::uint16_t left = 0;  // design position words
  std::uint16_t top = 0;
};

class ImageList {
 public:
  // One image: width * height pixels top-down (0xFFRRGGBB, transparent pixels black),
  // and one mask byte per pixel (1 = transparent, 0 = opaque).
  struct Image {
    std::vector<Argb> pixels;
    std::vector<std::uint8_t> mask;
  };

  static constexpr int kGrowBy = 4;

  // The capacity a list reaches when `count` images are appended one by one to an empty
  // list: kGrowBy cells at first, kGrowBy more whenever it is full.
  static int GrownCapacity(int count);

  explicit ImageList(int width = 16, int height = 16);

  std::string name;  // component name, e.g. "ilHot"
  ImageListProperties properties;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new width or height (different from the current one) empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  void SetSize(int width, int height);

  int ImageCount() const { return pending_ ? pendingCount_ : static_cast<int>(images_.size()); }
  // Number of cells the list has room for: never below the count; grows by kGrowBy.
  int Capacity() const { return capacity_; }
  const Image& ImageAt(int index) const { return *Images().at(static_cast<std::size_t>(index)); }
  // The stored image itself: lists that hold the same image give the same pointer.
  const std::shared_ptr<const Image>& SharedImage(int index) const {
    return Images().at(static_cast<std::size_t>(index));
  }

  // Appends the bitmap (which must have the list's size) with a mask made from maskColour:
  // clNone = all opaque; otherwise every pixel equal to the resolved colour is transparent.
  // Returns the new image's index (the old count).
  int AppendImage(const Bitmap& bitmap, Colour maskColour);

  // Replaces image `index` and its mask the same way. Throws "Unable to Replace Image"
  // (list unchanged) when index is outside 0..ImageCount()-1.
  void ReplaceImage(int index, const Bitmap& bitmap, Colour maskColour);

  // Stores an image another list holds, shared rather than copied: replaces image `index`,
  // or appends it when `index` is ImageCount(). Throws "Unable to Replace Image" (list
  // unchanged) for any other index, and refuses an image of another size.
  void SetImage(int index, std::shared_ptr<const Image> image);

  // Replaces the whole content at once (the payload readers use this); one notice. The
  // capacity is kept but never below the count; images of another size are refused.
  void SetContent(int width, int height, int capacity, std::vector<Image> images);

  // The same with `count` images that `cut` makes when one is first needed: a reader checks
  // the stored pictures and leaves cutting them into images to the first look at one, which
  // a caller that only checks a file never takes. Copies of the list share the cutting, so
  // the images are made once and stay shared by pointer. `cut` must give `count` images.
  using ImageCutter = std::function<std::vector<Image>()>;
  void SetPendingContent(int width, int height, int capacity, int count, ImageCutter cut);

  // Removes every image; one notice.
  void Clear();

  // Takes over content and properties of another list; one notice. Observers and the
  // name stay.
  void Assign(const ImageList& other);

  // Registers an observer called after every change.
  [[nodiscard]] Connection OnChange(std::function<void()> observer) { return changed_.Connect(std::move(observer)); }

  // Increases with every change; lets painters keep caches keyed by it.
  std::uint64_t Generation() const { return generation_; }

  // The bitmap of image `index` with transparent pixels black (for export and drawing).
  Bitmap ImageBitmap(int index) const;

 private:
  // Images that are still to be cut, shared by the lists copied from one read.
  struct PendingImages {
    ImageCutter cut;
    std::vector<std::shared_ptr<const Image>> images;  // once cut
  };

  void Changed();
  // The images, cut first if they are pending.
  const std::vector<std::shared_ptr<const Image>>& Images() const;
  // Mutators start from the cut images (or none, when they replace them all).
  void DropPending() { pending_.reset(); }

  int width_;
  int height_;
  int capacity_ = kGrowBy;
  mutable std::vector<std::shared_ptr<const Image>> images_;
  mutable std::shared_ptr<PendingImages> pending_;  // null when images_ is the content
  int pendingCount_ = 0;
  std::uint64_t generation_ = 0;
  Signal<> changed_;
};

// Builds the stored form of one image: pixels equal to the resolved mask colour become
// transparent (black, mask 1); clNone keeps every pixel opaque.
ImageList::Image MakeMaskedImage(const Bitmap& bitmap, Colour maskColour);

}  // namespace tessary
