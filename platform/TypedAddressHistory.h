#pragma once
// The user's history of typed web addresses, which the preview's address box lists.
#include <QStringList>

namespace tessary::platform {

// The typed addresses as the platform keeps them, most recent first; empty on a platform
// that keeps none (read once, when the address box is made).
QStringList TypedAddresses();

}  // namespace tessary::platform
