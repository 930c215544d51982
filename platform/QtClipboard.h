#pragma once
// The system clipboard for pictures: an image with alpha goes on it, and any image on it
// (from an image editor, a browser, a screenshot tool) comes off it with its alpha.
#include "editing/EditingServices.h"

namespace tessary::platform {

class QtClipboard : public PictureClipboard {
 public:
  void SetPicture(const AlphaPicture& picture) override;
  bool HasPicture() const override;
  // Nothing also for a picture larger than a picture may be.
  std::optional<AlphaPicture> Picture() const override;
};

}  // namespace tessary::platform
