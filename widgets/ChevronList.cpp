#include "widgets/ChevronList.h"

#include <QWidget>
#include <algorithm>

#include "widgets/TTBCustomItem.h"

namespace tessary::widgets {

namespace {

// What a control's line is called: its own (or its command's) caption, else the caption of
// the label it follows (spacers between them do not count), else its accessible name.
QString ControlCaption(const std::vector<std::unique_ptr<TTBCustomItem>>& items, std::size_t index) {
  const TTBCustomItem& item = *items[index];
  if (!item.Caption().isEmpty()) return item.Caption();
  for (std::size_t i = index; i-- > 0;) {
    if (items[i]->Kind() == ItemKind::Spacer) continue;
    if (items[i]->Kind() == ItemKind::Label && items[i]->Visible()) return items[i]->Caption();
    break;
  }
  const QWidget* control = item.Control();
  return control != nullptr ? control->accessibleName() : QString();
}

// A control's line: a button that runs the control's command, or a label naming a control
// that has none (plain items of the base class: a list needs no more of its lines).
std::unique_ptr<TTBCustomItem> ControlLine(const TTBCustomItem& control, const QString& caption) {
  auto line = std::make_unique<TTBCustomItem>(control.GetCommand() ? ItemKind::Button : ItemKind::Label);
  line->SetCommand(control.GetCommand());
  line->SetCaption(caption);
  return line;
}

}  // namespace

bool ChevronLines::Empty() const {
  return std::none_of(lines.begin(), lines.end(),
                      [](const TTBCustomItem* item) { return item->Visible() && item->Kind() != ItemKind::Separator; });
}

ChevronLines MakeChevronLines(const std::vector<std::unique_ptr<TTBCustomItem>>& items,
                              const std::vector<TTBCustomItem*>& hidden) {
  ChevronLines result;
  for (std::size_t i = 0; i < items.size(); ++i) {
    TTBCustomItem* item = items[i].get();
    if (std::find(hidden.begin(), hidden.end(), item) == hidden.end()) continue;
    switch (item->Kind()) {
      case ItemKind::Button:
      case ItemKind::Submenu:
      case ItemKind::Separator: result.lines.push_back(item); break;
      case ItemKind::Control: {
        const QString caption = ControlCaption(items, i);
        if (caption.isEmpty()) break;
        result.owned.push_back(ControlLine(*item, caption));
        result.lines.push_back(result.owned.back().get());
        break;
      }
      case ItemKind::Label:
      case ItemKind::Spacer: break;
    }
  }
  return result;
}

}  // namespace tessary::widgets
