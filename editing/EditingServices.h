#pragma once
// What the per-place actions and the live link ask of the platform besides dialogs: the
// system clipboard, watching files, starting an image editor and writing PNG files. The
// platform layer implements each with Qt; tests give fakes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/AlphaPicture.h"

namespace tessary {

// PNG file bytes of a picture with its alpha; nothing when it cannot be encoded.
using PictureEncoder = std::function<std::vector<std::uint8_t>(const AlphaPicture& picture)>;

// The system clipboard, as far as pictures go.
class PictureClipboard {
 public:
  virtual ~PictureClipboard() = default;
  // Puts the picture on the clipboard, alpha included.
  virtual void SetPicture(const AlphaPicture& picture) = 0;
  // Whether the clipboard holds a picture now (cheap: no decoding).
  virtual bool HasPicture() const = 0;
  // The picture on the clipboard with straight alpha; nothing when it holds none.
  virtual std::optional<AlphaPicture> Picture() const = 0;
};

// Watches files for changes. The owner of the watcher is told (see LiveLinks::FileChanged)
// once a file has been quiet for a moment after it changed, so a writer has finished.
class FileWatcher {
 public:
  virtual ~FileWatcher() = default;
  virtual void Watch(const std::string& path) = 0;
  virtual void Unwatch(const std::string& path) = 0;
};

// Opens a picture file in the user's image editor: a command from the settings, or the
// desktop's default application for the file's type. Throws SkinError when none starts.
class ImageEditorLauncher {
 public:
  virtual ~ImageEditorLauncher() = default;
  virtual void Open(const std::string& path) = 0;
};

}  // namespace tessary
