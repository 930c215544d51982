#include "platform/TypedAddressHistory.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace tessary::platform {

QStringList CollectTypedAddresses(const std::function<QString(int number)>& entry) {
  QStringList addresses;
  for (int number = 1; number <= kTypedAddressSlots; ++number) {
    const QString address = entry(number);
    if (!address.isEmpty()) addresses.append(address);
  }
  return addresses;
}

QStringList TypedAddresses() {
#ifdef Q_OS_WIN
  // String values "Url1" ... "Url25" of the current user's key (value names are not case
  // sensitive); a value that is missing reads as empty.
  QSettings history(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs"),
                    QSettings::NativeFormat);
  return CollectTypedAddresses(
      [&history](int number) { return history.value(QStringLiteral("Url%1").arg(number)).toString(); });
#else
  return {};
#endif
}

}  // namespace tessary::platform
