#include "widgets/RowLayout.h"

#include <algorithm>
#include <numeric>

namespace tessary::widgets {

namespace {

// Shares `amount` among the members in proportion to `weight`; the pixels the rounding
// leaves go one by one from the last member back, so the bars at the end of the row give up
// (or get) the odd pixel. `capped`: no member gets more than its weight.
std::vector<int> Share(int amount, const std::vector<int>& weight, bool capped) {
  std::vector<int> share(weight.size(), 0);
  const long long total = std::accumulate(weight.begin(), weight.end(), 0LL);
  if (total <= 0 || amount <= 0) return share;
  if (capped) amount = static_cast<int>(std::min<long long>(amount, total));
  int given = 0;
  for (std::size_t i = 0; i < weight.size(); ++i) {
    share[i] = static_cast<int>(amount * static_cast<long long>(weight[i]) / total);
    given += share[i];
  }
  for (std::size_t i = weight.size(); given < amount;) {
    i = (i == 0 ? weight.size() : i) - 1;
    if (weight[i] > 0 && (!capped || share[i] < weight[i])) {
      ++share[i];
      ++given;
    }
  }
  return share;
}

// Bars keep the x they were given where they can; a bar never overlaps the one before it,
// and bars are pushed back left when the row would run past its end.
void KeepPlaces(const std::vector<RowMember>& members, int available, std::vector<RowPlace>& places) {
  int end = 0;
  for (std::size_t i = 0; i < members.size(); ++i) {
    places[i].x = std::max(members[i].x, end);
    end = places[i].x + places[i].width;
  }
  int limit = available;
  for (std::size_t i = members.size(); i-- > 0;) {
    places[i].x = std::min(places[i].x, limit - places[i].width);
    limit = places[i].x;
  }
}

}  // namespace

std::vector<RowPlace> ArrangeRowMembers(const std::vector<RowMember>& members, int available) {
  const std::size_t count = members.size();
  std::vector<RowPlace> places(count);
  std::vector<int> natural(count), room(count), flexible(count);
  for (std::size_t i = 0; i < count; ++i) {
    natural[i] = std::max(members[i].natural, members[i].minimum);
    room[i] = natural[i] - members[i].minimum;
    flexible[i] = members[i].flexible ? 1 : 0;
    places[i].width = natural[i];
  }
  const int total = std::accumulate(natural.begin(), natural.end(), 0);
  const bool anyFlexible = std::any_of(flexible.begin(), flexible.end(), [](int f) { return f != 0; });
  if (total <= available && !anyFlexible) {
    KeepPlaces(members, available, places);
    return places;
  }
  if (total <= available) {
    const std::vector<int> extra = Share(available - total, flexible, false);
    for (std::size_t i = 0; i < count; ++i) places[i].width += extra[i];
  } else {
    // Each bar gives up width in proportion to what it can spare above its minimum.
    const std::vector<int> cut = Share(total - available, room, true);
    for (std::size_t i = 0; i < count; ++i) places[i].width -= cut[i];
  }
  // Packed from the left: a fixed bar after the menu bar ends up at the row's right end.
  int x = 0;
  for (std::size_t i = 0; i < count; ++i) {
    places[i].x = x;
    places[i].width = std::clamp(available - x, 0, places[i].width);
    x += places[i].width;
  }
  return places;
}

}  // namespace tessary::widgets
