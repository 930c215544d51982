#include "widgets/CaptionText.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <algorithm>

#include "widgets/DeviceGrid.h"
#include "widgets/Theme.h"

namespace tessary::widgets {
namespace {

// Bars show a few hundred distinct captions at most; beyond this the cache starts over.
constexpr qsizetype kMaxCachedCaptions = 1024;

struct ShapedCaption {
  QStaticText text;
  int width = 0;
  int underlineX = 0;  // from the start of the text
  int underlineWidth = 0;
};

QHash<QString, ShapedCaption>& Cache() {
  static QHash<QString, ShapedCaption> cache;
  return cache;
}

const ShapedCaption& Shaped(const QString& caption, int flags, const QFont& font) {
  const int prefixMode = flags & (cfShowPrefix | cfHidePrefix);
  const QString key = font.key() + QChar(0x1F) + QString::number(prefixMode) + QChar(0x1F) + caption;
  auto& cache = Cache();
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  if (cache.size() >= kMaxCachedCaptions) cache.clear();

  const CaptionLayout layout = SplitPrefix(caption, flags);
  const QFontMetrics fm(font);
  ShapedCaption shaped;
  shaped.text.setText(layout.plain);
  shaped.text.setTextFormat(Qt::PlainText);
  shaped.text.setPerformanceHint(QStaticText::AggressiveCaching);
  shaped.text.prepare(QTransform(), font);
  shaped.width = fm.horizontalAdvance(layout.plain);
  if (layout.underline >= 0) {
    shaped.underlineX = fm.horizontalAdvance(layout.plain.left(layout.underline));
    shaped.underlineWidth = fm.horizontalAdvance(layout.plain.mid(layout.underline, 1));
  }
  return *cache.insert(key, shaped);
}

}  // namespace

CaptionLayout SplitPrefix(const QString& caption, int flags) {
  if (!(flags & (cfShowPrefix | cfHidePrefix))) return {caption, -1};
  CaptionLayout layout;
  layout.plain.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != u'&' && layout.underline < 0 && (flags & cfShowPrefix)) {
        layout.underline = static_cast<int>(layout.plain.size());
      }
    }
    layout.plain += caption[i];
  }
  return layout;
}

void DrawCaptionText(QPainter& p, const QRect& rect, const QString& caption, int flags) {
  const QFontMetrics fm = p.fontMetrics();
  const ShapedCaption& shaped = Shaped(caption, flags, p.font());
  int top = rect.top();
  if (flags & cfVCenter) top += (rect.height() - fm.height()) / 2;

  if (shaped.width > rect.width()) {
    // Rare (bars size items to their captions): cut the text, no accelerator shown.
    const QString cut = fm.elidedText(SplitPrefix(caption, flags & ~cfShowPrefix).plain, Qt::ElideRight, rect.width());
    p.drawText(QPoint(rect.left(), top + fm.ascent()), cut);
    return;
  }
  int left = rect.left();
  if (flags & cfCenter) left += (rect.width() - shaped.width) / 2;
  else if (flags & cfRight) left += rect.width() - shaped.width;

  p.drawStaticText(QPoint(left, top), shaped.text);
  if (shaped.underlineWidth > 0) {
    const int y = top + fm.ascent() + std::max(fm.underlinePos(), 1);
    // As thick under every letter, on whole device pixels on a scaled screen.
    FillSnapped(p, QRect(left + shaped.underlineX, y, shaped.underlineWidth, std::max(fm.lineWidth(), 1)),
                p.pen().color());
  }
}

}  // namespace tessary::widgets
