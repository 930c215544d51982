#pragma once
// Watches files through the system's change notices (QFileSystemWatcher: inotify and its
// kind, no polling: watched files that do not change cost nothing). A change is reported
// once the file has been quiet for kSettleMs, so that a writer's chunks make one report;
// the report's answer may ask for one more try after kRetryMs (a writer that had not
// finished). A file replaced by renaming a new one over it (how many editors save) goes
// on being watched: the watch follows the name, not the old file.
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "editing/EditingServices.h"

namespace tessary::platform {

class QtFileWatcher : public QObject, public FileWatcher {
  Q_OBJECT

 public:
  static constexpr int kSettleMs = 20;
  static constexpr int kRetryMs = 250;

  // `changed(path, lastTry)` is told of each settled change; it returns true to be asked
  // once more (with lastTry) after kRetryMs.
  using ChangeHandler = std::function<bool(const std::string& path, bool lastTry)>;
  explicit QtFileWatcher(ChangeHandler changed, QObject* parent = nullptr);
  ~QtFileWatcher() override;

  void Watch(const std::string& path) override;
  void Unwatch(const std::string& path) override;

  // The files watched now.
  QStringList Files() const;

 private:
  struct Entry {
    QTimer settle;  // restarted by every notice
    bool lastTry = false;
  };
  void Noticed(const QString& path);
  void Settled(const QString& path);
  // Watches the file now at `path` (a new one renamed over the old one included).
  void Rearm(const QString& path);

  ChangeHandler changed_;
  QFileSystemWatcher watcher_;
  QHash<QString, std::shared_ptr<Entry>> entries_;
};

}  // namespace tessary::platform
