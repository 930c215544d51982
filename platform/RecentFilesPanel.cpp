#include "platform/RecentFilesPanel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace tessary::platform {
namespace {

constexpr int kVisibleRows = 5;

}  // namespace

void AddRecentFilesPanel(QFileDialog& dialog, const QStringList& files) {
  QStringList present;
  for (const QString& file : files)
    if (QFileInfo(file).isFile()) present << file;
  if (present.isEmpty()) return;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (grid == nullptr) return;

  auto* label = new QLabel(QString::fromLatin1(kRecentSkinsLabel), &dialog);
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("recentSkins"));
  label->setBuddy(list);
  list->setAccessibleName(label->text());
  for (const QString& file : present) {
    const QFileInfo info(file);
    auto* item = new QListWidgetItem(
        QStringLiteral("%1  (%2)").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())), list);
    item->setData(Qt::UserRole, file);
    item->setToolTip(QDir::toNativeSeparators(file));
  }
  list->setMaximumHeight(list->sizeHintForRow(0) * kVisibleRows + 2 * list->frameWidth());
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0, 1, grid->columnCount());
  grid->addWidget(list, row + 1, 0, 1, grid->columnCount());

  QObject::connect(list, &QListWidget::currentItemChanged, &dialog, [&dialog](QListWidgetItem* item) {
    if (item == nullptr) return;
    const QString file = item->data(Qt::UserRole).toString();
    dialog.setDirectory(QFileInfo(file).absolutePath());
    dialog.selectFile(file);
  });
  QObject::connect(list, &QListWidget::itemActivated, &dialog, [&dialog](QListWidgetItem* item) {
    dialog.selectFile(item->data(Qt::UserRole).toString());
    static_cast<QDialog&>(dialog).accept();  // QFileDialog checks the file as for its own list
  });
}

}  // namespace tessary::platform
