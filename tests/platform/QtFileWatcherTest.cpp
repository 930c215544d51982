// The file watcher: a writer's chunks make one report once the file is quiet; a file
// renamed over the watched one is watched on; a report that asks for it comes once more,
// as the last try; an unwatched file reports nothing. Also the image editor's command line.
#include <gtest/gtest.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ExternalImageEditor.h"
#include "platform/QtFileWatcher.h"

namespace tessary::platform {
namespace {

struct Report {
  std::string path;
  bool lastTry;
  bool operator==(const Report&) const = default;
};

void Write(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly) {
  QFile file(path);
  ASSERT_TRUE(file.open(mode));
  file.write(bytes);
}

TEST(QtFileWatcher, ReportsEachSettledChangeAndFollowsARenameOver) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("picture.png"));
  Write(path, "first");
  std::vector<Report> reports;
  bool again = false;
  QtFileWatcher watcher([&](const std::string& file, bool lastTry) {
    reports.push_back({file, lastTry});
    return again;
  });
  watcher.Watch(path.toStdString());
  const auto settled = [&](std::size_t count) {
    return QTest::qWaitFor([&] { return reports.size() >= count; }, 5000) && reports.size() == count;
  };

  // Written in chunks: one report.
  Write(path, "a", QIODevice::WriteOnly | QIODevice::Truncate);
  for (int i = 0; i < 5; ++i) Write(path, "more", QIODevice::Append);
  ASSERT_TRUE(settled(1));
  QTest::qWait(3 * QtFileWatcher::kSettleMs);
  EXPECT_EQ(reports.size(), 1u);

  // A new file renamed over it, twice: still watched.
  for (std::size_t round = 2; round <= 3; ++round) {
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("renamed over");
    ASSERT_TRUE(file.commit());
    ASSERT_TRUE(settled(round));
  }
  EXPECT_TRUE(watcher.Files().contains(path));

  // Asked once more: the last try comes later, and only once.
  again = true;
  Write(path, "half");
  ASSERT_TRUE(settled(5));
  EXPECT_EQ(reports[3], (Report{path.toStdString(), false}));
  EXPECT_EQ(reports[4], (Report{path.toStdString(), true}));
  QTest::qWait(QtFileWatcher::kRetryMs + 50);
  EXPECT_EQ(reports.size(), 5u);

  watcher.Unwatch(path.toStdString());
  Write(path, "unwatched");
  QTest::qWait(5 * QtFileWatcher::kSettleMs);
  EXPECT_EQ(reports.size(), 5u);
  EXPECT_TRUE(watcher.Files().isEmpty());
}

TEST(ExternalImageEditor, TheCommandTakesTheFileWhereItSaysOrAtTheEnd) {
  const QString file = QStringLiteral("/tmp/a b.png");
  const struct {
    const char* command;
    QStringList arguments;
  } cases[] = {
      {"gimp", {"gimp", file}},
      {"krita --nosplash %f", {"krita", "--nosplash", file}},
      {"\"/opt/My Editor/edit\" --open=%f -x", {"/opt/My Editor/edit", "--open=" + file, "-x"}},
      {"", {}},
      {"   ", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ImageEditorArguments(QString::fromLatin1(c.command), file), c.arguments) << c.command;
}

}  // namespace
}  // namespace tessary::platform
