#include "skin/TTBBackground.h"

#include <algorithm>

#include "skin/Error.h"

namespace tessary {

bool FitsBackground(const Bitmap& picture) {
  return static_cast<std::uint64_t>(picture.Width()) * static_cast<std::uint64_t>(picture.Height()) <=
         kMaxBackgroundPixels;
}

TTBBackground::TTBBackground() = default;

TTBBackground::TTBBackground(const TTBBackground& other)
    : name(other.name),
      tag(other.tag),
      left(other.left),
      top(other.top),
      bitmap_(other.bitmap_),
      bkColor_(other.bkColor_),
      transparent_(other.transparent_),
      stretchBitmap_(other.stretchBitmap_),
      stretchWidth_(other.stretchWidth_),
      stretchHeight_(other.stretchHeight_) {
  Rebuild();  // no listeners yet: this only prepares the picture
}

TTBBackground& TTBBackground::operator=(const TTBBackground& other) {
  if (this == &other) return *this;
  name = other.name;
  stretchWidth_ = other.stretchWidth_;
  stretchHeight_ = other.stretchHeight_;
  SetContent(other.GetContent());
  return *this;
}

TTBBackground::Content TTBBackground::GetContent() const {
  return {bitmap_, bkColor_, transparent_, stretchBitmap_, tag, left, top};
}

void TTBBackground::SetContent(const Content& content) {
  bitmap_ = content.bitmap;
  bkColor_ = content.bkColor;
  transparent_ = content.transparent;
  stretchBitmap_ = content.stretchBitmap;
  tag = content.tag;
  left = content.left;
  top = content.top;
  Rebuild();
}

void TTBBackground::SetBitmap(const Bitmap& bitmap) {
  if (!FitsBackground(bitmap)) Fail(msg::kBitmapNotValid);
  bitmap_ = bitmap;
  Rebuild();
}

void TTBBackground::SetBkColor(Colour colour) {
  if (colour == bkColor_) return;
  bkColor_ = colour;
  // The colour only shows through transparent pixels.
  if (transparent_) Rebuild();
}

void TTBBackground::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Rebuild();
}

void TTBBackground::SetStretchBitmap(bool stretch) {
  if (stretch == stretchBitmap_) return;
  stretchBitmap_ = stretch;
  Rebuild();
}

void TTBBackground::SetStretchSize(int width, int height) {
  if (!stretchBitmap_) return;
  if (width == stretchWidth_ && height == stretchHeight_) return;
  stretchWidth_ = width;
  stretchHeight_ = height;
  Rebuild();
}

void TTBBackground::Rebuild() {
  // A dock that reports no extent in one direction (collapsed, or not laid out yet) keeps
  // the picture's own size there: stretching to 0 would make the picture vanish.
  const int width = stretchWidth_ > 0 ? stretchWidth_ : bitmap_.Width();
  const int height = stretchHeight_ > 0 ? stretchHeight_ : bitmap_.Height();
  const bool sized = stretchWidth_ > 0 || stretchHeight_ > 0;
  // A size past the picture limit is tiled instead: a resize must never fail.
  const bool fits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxBitmapPixels;
  if (stretchBitmap_ && sized && fits && !bitmap_.IsEmpty()) {
    prepared_ = StretchNearest(bitmap_, width, height);
  } else {
    // An empty bitmap stays empty even when stretched, so the docks fall back to their
    // own painting.
    prepared_ = bitmap_;
  }
  ++generation_;
  // A copy: a listener may remove itself (or another) while being told.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second();
}

const std::vector<Argb>& TTBBackground::PaintPixels() const {
  if (paintGeneration_ == generation_) return paintPixels_;
  paintPixels_ = prepared_.Pixels();
  // clNone (and clDefault) name no colour: the transparent pixels keep their own colour.
  const bool replace = transparent_ && !prepared_.IsEmpty() && bkColor_ != clNone && bkColor_ != clDefault;
  if (replace) {
    const Argb key = prepared_.PixelAt(0, prepared_.Height() - 1);
    const Argb fill = ColourToArgb(bkColor_);
    std::replace(paintPixels_.begin(), paintPixels_.end(), key, fill);
  }
  paintGeneration_ = generation_;
  return paintPixels_;
}

void TTBBackground::SystemColoursChanged() {
  if (transparent_ && IsSystemColour(bkColor_)) Rebuild();
}

void TTBBackground::AddChangeListener(const void* key, std::function<void()> listener) {
  for (const auto& entry : listeners_)
    if (entry.first == key) return;
  listeners_.emplace_back(key, std::move(listener));
}

void TTBBackground::RemoveChangeListener(const void* key) {
  auto it = std::find_if(listeners_.begin(), listeners_.end(), [key](const auto& entry) { return entry.first == key; });
  if (it != listeners_.end()) listeners_.erase(it);
}

}  // namespace tessary
