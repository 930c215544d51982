#pragma once
// Drawing item captions quickly: the text is shaped once per (text, font, prefix mode)
// and kept, since bars repaint the same few captions over and over.
#include <QRect>
#include <QString>

class QPainter;

namespace tessary::widgets {

// A caption with its "&" markers resolved: "&&" is one ampersand, "&x" marks x as the
// accelerator (the first marker only). `underline` is the index in `plain`, or -1.
struct CaptionLayout {
  QString plain;
  int underline = -1;
};

// Resolves the markers as `flags` ask: cfShowPrefix underlines, cfHidePrefix drops the
// markers without underlining, neither keeps the text as it is.
CaptionLayout SplitPrefix(const QString& caption, int flags);

// Draws a one-line caption into `rect` with the painter's font and pen, aligned by the
// caption flags (cfLeft/cfCenter/cfRight, cfVCenter), underlining the accelerator when
// cfShowPrefix is given. Too long a caption is cut with "...".
void DrawCaptionText(QPainter& p, const QRect& rect, const QString& caption, int flags);

}  // namespace tessary::widgets
