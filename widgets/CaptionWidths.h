#pragma once
// Widths of captions in one font, each measured once. A bar sizes all its items again
// whenever one of them changes (while a window is built, at every item added), and
// measuring a caption shapes its text, which costs far more than looking its width up.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

namespace tessary::widgets {

class CaptionWidths {
 public:
  // Keeps the widths while `font` is the font they were measured in, else starts over.
  void UseFont(const QFont& font);
  // The width of `text` as `metrics` (of the font in use) measures it.
  int Of(const QString& text, const QFontMetrics& metrics);

 private:
  static constexpr qsizetype kMostKept = 512;
  QFont font_;
  QHash<QString, int> widths_;
};

}  // namespace tessary::widgets
