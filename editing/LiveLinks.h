#pragma once
// The live link between the places of the skin and picture files: while a skin is open,
// every picture file put into a place by its command (chosen in a dialog or dropped) is
// watched, and so is the working file "Edit Externally" writes for an image editor. Each
// time a watched file is saved, its picture goes into the place again, by the place's
// command with the picture (same size rule, same messages, one undo step each, no
// question). A file that is deleted or renamed away stops being watched, silently.
//
// The watcher (platform/) says when a file has been quiet for a moment after it changed;
// FileChanged then reads it. A writer that has not finished (a file that does not read
// yet, an empty one, one that went away for a moment while a new one was renamed over it)
// is asked for again once more a little later before anything is reported.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editing/EditingServices.h"
#include "editing/PicturePlace.h"
#include "editing/SkinEditor.h"
#include "skin/Signal.h"

namespace tessary {

class LiveLinks {
 public:
  // Working files go into a folder per skin under `cacheFolder`.
  LiveLinks(SkinEditor& editor, FileWatcher& watcher, ImageEditorLauncher& launcher, std::filesystem::path cacheFolder);
  ~LiveLinks();
  LiveLinks(const LiveLinks&) = delete;
  LiveLinks& operator=(const LiveLinks&) = delete;

  // "Edit Externally": writes the place's picture as a PNG working file, links the place to
  // it and opens it in the image editor. The working file's path.
  std::string EditExternally(const PicturePlace& place);
  // "Unlink": the place follows no file any more.
  void Unlink(const PicturePlace& place);
  void UnlinkAll();

  // The file a place follows; nothing when it follows none.
  std::optional<std::string> LinkedFile(const PicturePlace& place) const;
  std::vector<PicturePlace> LinkedPlaces() const;

  // What became of a change of a watched file.
  enum class Outcome {
    kApplied,    // the picture went into every place linked to the file
    kUnchanged,  // the places already show it (or the file is no linked file)
    kRefused,    // the size rule refused it: its message was shown once, nothing changed
    kGone,       // the file is no longer there: its places were unlinked
    kTryLater,   // the writer seems not to have finished: ask again once, with lastTry
  };
  // A watched file was saved. On the last try, a file that does not read throws the
  // reader's error for the error handler (the places stay as they were).
  Outcome FileChanged(const std::string& path, bool lastTry);

  // The folder working files of the current skin go to.
  std::filesystem::path WorkingFolder() const;

  // Called after the set of linked places changed.
  [[nodiscard]] Connection OnLinksChanged(std::function<void()> observer) {
    return linksChanged_.Connect(std::move(observer));
  }

 private:
  void Link(const PicturePlace& place, const std::string& path);
  void Detach(const PicturePlace& place);
  // Whether the place shows this picture already.
  bool Shows(const PicturePlace& place, const PlacePicture& picture) const;

  SkinEditor& editor_;
  FileWatcher& watcher_;
  ImageEditorLauncher& launcher_;
  std::filesystem::path cacheFolder_;
  std::string skinFile_;     // the skin's file, which names its working folder; empty: none yet
  std::string sessionName_;  // the working folder of a skin without a file
  std::map<PicturePlace, std::string> links_;
  Signal<> linksChanged_;
  Connection takenWatch_, fileWatch_;
};

}  // namespace tessary
