#pragma once
// The data side of a dock background (bgTop, bgBottom): the user's picture, the colour
// that replaces its transparent colour, the tile-or-stretch choice, the prepared picture
// that painting uses, and the listeners told of every change. Painting onto widgets (the
// paint cache as a pixmap, the tiled fill) lives in widgets/ and reads PaintPixels().
#include <cstdint>
#include <functional>
#include <string>

#include "skin/Bitmap.h"
#include "skin/Colour.h"
#include "skin/Signal.h"

namespace tessary {

// Whether a picture is one a background may hold: at most kMaxBackgroundPixels
// (skin/Limits.h), more than any dock shows.
bool FitsBackground(const Bitmap& picture);

class TTBBackground {
 public:
  TTBBackground();
  TTBBackground(const TTBBackground& other);             // content and properties only
  TTBBackground& operator=(const TTBBackground& other);  // same; listeners stay; one notice

  // Published properties.
  const Bitmap& GetBitmap() const { return bitmap_; }
  // Always rebuilds (a load raises the change notice). A picture larger than a background
  // may be (FitsBackground) is refused with "Bitmap image is not valid", nothing changed.
  void SetBitmap(const Bitmap& bitmap);
  Colour BkColor() const { return bkColor_; }
  void SetBkColor(Colour colour);  // rebuilds only while Transparent is on
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // Not published (the skin header stores it).
  bool StretchBitmap() const { return stretchBitmap_; }
  void SetStretchBitmap(bool stretch);

  // Everything a skin file stores of a background, to keep and put back whole (the edit
  // history): the picture (shared, not copied), the published values, the stretch flag and
  // the record's tag and design position. The dock's size stays the live one's.
  struct Content {
    Bitmap bitmap;
    Colour bkColor = clBtnFace;
    bool transparent = false;
    bool stretchBitmap = false;
    std::int32_t tag = 0;
    std::uint16_t left = 0;
    std::uint16_t top = 0;
  };
  Content GetContent() const;
  // Takes a content over with one rebuild (one notice to the listeners).
  void SetContent(const Content& content);

  // The dock's size: recorded (and a rebuild made) only while StretchBitmap is on and
  // the pair differs from the recorded one.
  void SetStretchSize(int width, int height);
  int StretchWidth() const { return stretchWidth_; }
  int StretchHeight() const { return stretchHeight_; }

  // Prepared picture width and height both non-zero.
  bool HasPicture() const { return !prepared_.IsEmpty(); }

  // The picture painting uses: a copy of the bitmap, or the bitmap stretched (nearest
  // neighbour) to the stretch size when StretchBitmap is on and a size was recorded.
  const Bitmap& Prepared() const { return prepared_; }

  // The prepared picture's pixels as painted: with Transparent on, every pixel equal to
  // the bottom-left pixel replaced by BkColor (resolved). Top-down 0xFFRRGGBB.
  // Computed once per change and cached.
  const std::vector<Argb>& PaintPixels() const;

  // The system colours changed: rebuild when transparent with a system BkColor.
  void SystemColoursChanged();

  // Listeners, told with no arguments after every rebuild. Registering the same key
  // twice keeps one entry; removing an unknown key does nothing.
  void AddChangeListener(const void* key, std::function<void()> listener);
  void RemoveChangeListener(const void* key);
  std::size_t ListenerCount() const { return listeners_.size(); }

  // Increases with every rebuild; lets painters key their caches by it.
  std::uint64_t Generation() const { return generation_; }

  // Component name and design position (stored in records).
  std::string name;
  std::int32_t tag = 0;
  std::uint16_t left = 0;
  std::uint16_t top = 0;

 private:
  void Rebuild();

  Bitmap bitmap_;
  Bitmap prepared_;
  Colour bkColor_ = clBtnFace;
  bool transparent_ = false;
  bool stretchBitmap_ = false;
  int stretchWidth_ = 0;
  int stretchHeight_ = 0;
  std::vector<std::pair<const void*, std::function<void()>>> listeners_;
  std::uint64_t generation_ = 0;
  mutable std::uint64_t paintGeneration_ = ~std::uint64_t{0};
  mutable std::vector<Argb> paintPixels_;
};

}  // namespace tessary
