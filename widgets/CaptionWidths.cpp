#include "widgets/CaptionWidths.h"

namespace tessary::widgets {

void CaptionWidths::UseFont(const QFont& font) {
  if (font == font_) return;
  font_ = font;
  widths_.clear();
}

int CaptionWidths::Of(const QString& text, const QFontMetrics& metrics) {
  auto it = widths_.constFind(text);
  if (it == widths_.constEnd()) {
    // Captions edited again and again leave their old texts behind: the widths start over
    // long before they would take noticeable memory.
    if (widths_.size() >= kMostKept) widths_.clear();
    it = widths_.insert(text, metrics.horizontalAdvance(text));
  }
  return *it;
}

}  // namespace tessary::widgets
