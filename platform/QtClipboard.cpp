#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/PictureEncoder.h"

namespace tessary::platform {

void QtClipboard::SetPicture(const AlphaPicture& picture) { QGuiApplication::clipboard()->setImage(ToQImage(picture)); }

bool QtClipboard::HasPicture() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasImage();
}

std::optional<AlphaPicture> QtClipboard::Picture() const {
  if (!HasPicture()) return std::nullopt;
  return FromQImage(QGuiApplication::clipboard()->image());
}

}  // namespace tessary::platform
