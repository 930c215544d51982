#include "platform/ExternalImageEditor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "platform/EditorSettings.h"
#include "skin/Error.h"

namespace tessary::platform {
namespace {

constexpr const char* kCannotStart = "Cannot open %s in the image editor: \"%s\" does not start";
constexpr const char* kNoDefaultApplication =
    "Cannot open %s: the desktop has no application for PNG pictures (set ImageEditor/Command in %s)";
constexpr const char* kFilePlaceholder = "%f";

}  // namespace

QStringList ImageEditorArguments(const QString& command, const QString& file) {
  QStringList arguments = QProcess::splitCommand(command);
  if (arguments.isEmpty()) return {};
  bool placed = false;
  for (QString& argument : arguments) {
    if (!argument.contains(QLatin1String(kFilePlaceholder))) continue;
    argument.replace(QLatin1String(kFilePlaceholder), file);
    placed = true;
  }
  if (!placed) arguments << file;
  return arguments;
}

ExternalImageEditor::ExternalImageEditor(const EditorSettings& settings) : settings_(settings) {}

void ExternalImageEditor::Open(const std::string& path) {
  const QString file = QString::fromStdString(path);
  const QString command = settings_.ImageEditorCommand();
  if (!command.trimmed().isEmpty()) {
    QStringList arguments = ImageEditorArguments(command, file);
    const QString program = arguments.isEmpty() ? command : arguments.takeFirst();
    if (arguments.isEmpty() || !QProcess::startDetached(program, arguments))
      Fail(kCannotStart, {path, command.toStdString()});
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
    Fail(kNoDefaultApplication, {path, settings_.FileName().toStdString()});
}

}  // namespace tessary::platform
