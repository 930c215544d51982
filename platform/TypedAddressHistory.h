#pragma once
// The user's history of typed web addresses, which the preview's address box lists.
#include <QString>
#include <QStringList>
#include <functional>

namespace tessary::platform {

// How many numbered entries the history may hold ("Url1" ... "Url25").
inline constexpr int kTypedAddressSlots = 25;

// The typed addresses as the platform keeps them, most recent first; empty on a platform
// that keeps none (read once, when the address box is made).
QStringList TypedAddresses();

// The history from its numbered entries: `entry(n)` for n = 1 ... 25 in number order, a
// missing or empty entry skipped (a gap does not end the list).
QStringList CollectTypedAddresses(const std::function<QString(int number)>& entry);

}  // namespace tessary::platform
