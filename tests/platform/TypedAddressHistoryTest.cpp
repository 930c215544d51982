// The typed-address history: entries 1 to 25 in number order, missing and empty entries
// skipped without ending the list, nothing past 25.
#include <gtest/gtest.h>

#include <QMap>

#include "platform/TypedAddressHistory.h"

namespace tessary::platform {
namespace {

TEST(TypedAddressHistory, TakesEntriesOneTo25InOrderSkippingGaps) {
  const QMap<int, QString> stored{
      {2, "http://second.example/"}, {1, "http://first.example/"}, {3, ""},
      {5, "http://fifth.example/"},  {25, "http://last.example/"}, {26, "http://beyond.example/"},
      {0, "http://none.example/"}};
  QList<int> asked;
  const QStringList addresses = CollectTypedAddresses([&](int number) {
    asked << number;
    return stored.value(number);
  });
  EXPECT_EQ(addresses, (QStringList{"http://first.example/", "http://second.example/", "http://fifth.example/",
                                    "http://last.example/"}));
  EXPECT_EQ(asked.size(), 25);
  EXPECT_EQ(asked.front(), 1);
  EXPECT_EQ(asked.back(), 25);
}

}  // namespace
}  // namespace tessary::platform
