#include "platform/TypedAddressHistory.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace tessary::platform {

QStringList TypedAddresses() {
  QStringList addresses;
#ifdef Q_OS_WIN
  // Values "url1", "url2", ... of the current user's key, most recent first; the first
  // missing number ends the list.
  QSettings history(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs"),
                    QSettings::NativeFormat);
  for (int i = 1;; ++i) {
    const QVariant value = history.value(QStringLiteral("url%1").arg(i));
    if (!value.isValid()) break;
    addresses.append(value.toString());
  }
#endif
  return addresses;
}

}  // namespace tessary::platform
