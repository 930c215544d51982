#include "platform/QtFileWatcher.h"

#include <QFileInfo>

namespace tessary::platform {

QtFileWatcher::QtFileWatcher(ChangeHandler changed, QObject* parent) : QObject(parent), changed_(std::move(changed)) {
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &QtFileWatcher::Noticed);
}

QtFileWatcher::~QtFileWatcher() = default;

void QtFileWatcher::Watch(const std::string& file) {
  const QString path = QString::fromStdString(file);
  if (entries_.contains(path)) return;
  auto entry = std::make_shared<Entry>();
  entry->settle.setSingleShot(true);
  entry->settle.setInterval(kSettleMs);
  connect(&entry->settle, &QTimer::timeout, this, [this, path] { Settled(path); });
  entries_.insert(path, std::move(entry));
  watcher_.addPath(path);
}

void QtFileWatcher::Unwatch(const std::string& file) {
  const QString path = QString::fromStdString(file);
  if (entries_.remove(path) > 0) watcher_.removePath(path);
}

QStringList QtFileWatcher::Files() const { return entries_.keys(); }

void QtFileWatcher::Noticed(const QString& path) {
  const auto found = entries_.find(path);
  if (found == entries_.end()) return;
  // A new notice means the writer is still at it: start settling again, from a first try.
  Entry& entry = **found;
  entry.lastTry = false;
  entry.settle.start(kSettleMs);
}

void QtFileWatcher::Settled(const QString& path) {
  const auto found = entries_.find(path);
  if (found == entries_.end()) return;
  const std::shared_ptr<Entry> entry = *found;  // the handler may unwatch the file
  const bool lastTry = entry->lastTry;
  Rearm(path);
  const bool again = changed_(path.toStdString(), lastTry);
  if (again && !lastTry && entries_.contains(path)) {
    entry->lastTry = true;
    entry->settle.start(kRetryMs);
  }
}

void QtFileWatcher::Rearm(const QString& path) {
  // After a rename over the file or a delete, the system's watch went with the old file
  // (Qt then drops the path); the name is watched afresh whenever a file is there.
  watcher_.removePath(path);
  if (QFileInfo::exists(path)) watcher_.addPath(path);
}

}  // namespace tessary::platform
