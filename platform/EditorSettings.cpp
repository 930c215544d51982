#include "platform/EditorSettings.h"

#include "platform/FileDialogSpecs.h"

namespace tessary::platform {
namespace {

constexpr const char* kApplication = "Tessary";
constexpr const char* kRecentSkins = "RecentSkins";
constexpr const char* kFolderKey = "Dialogs/%1/Folder";
constexpr const char* kImageEditorCommand = "ImageEditor/Command";

QString FolderKey(FileDialogId dialog) {
  const std::string_view name = SpecOf(dialog).name;
  return QString::fromLatin1(kFolderKey).arg(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

EditorSettings::EditorSettings(const QString& file)
    : settings_(file.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QString::fromLatin1(kApplication), QString::fromLatin1(kApplication))
                    : std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

QStringList EditorSettings::RecentSkins() const { return settings_->value(QLatin1String(kRecentSkins)).toStringList(); }

void EditorSettings::SetRecentSkins(const QStringList& files) {
  settings_->setValue(QLatin1String(kRecentSkins), files);
}

QString EditorSettings::LastFolder(FileDialogId dialog) const { return settings_->value(FolderKey(dialog)).toString(); }

void EditorSettings::SetLastFolder(FileDialogId dialog, const QString& folder) {
  settings_->setValue(FolderKey(dialog), folder);
}

QString EditorSettings::ImageEditorCommand() const {
  return settings_->value(QLatin1String(kImageEditorCommand)).toString();
}

void EditorSettings::SetImageEditorCommand(const QString& command) {
  settings_->setValue(QLatin1String(kImageEditorCommand), command);
}

}  // namespace tessary::platform
