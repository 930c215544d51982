#pragma once
// The lines of a bar's chevron list, for the items that do not fit on the bar: buttons,
// separators and submenu items stand for themselves (a submenu item, split or not, opens
// its list from there); an embedded control gets a line of its own that runs its command,
// or, without one, shows its caption (the caption of the label before it when it has none).
// Spacers and labels make no line.
#include <memory>
#include <vector>

namespace tessary::widgets {

class TTBCustomItem;

struct ChevronLines {
  std::vector<TTBCustomItem*> lines;                  // in bar order
  std::vector<std::unique_ptr<TTBCustomItem>> owned;  // lines made for controls
  // Whether any line can be shown (an empty list opens nothing).
  bool Empty() const;
};

// `items` are all of the bar's items, `hidden` those of them behind the chevron.
ChevronLines MakeChevronLines(const std::vector<std::unique_ptr<TTBCustomItem>>& items,
                              const std::vector<TTBCustomItem*>& hidden);

}  // namespace tessary::widgets
