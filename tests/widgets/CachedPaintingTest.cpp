// Controls that keep a painting or shaped text between paints show exactly what the plain Qt
// controls show, in every state the user can put them in and after every change: a kept
// painting that went stale would show an old slider, an old colour or old text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <memory>

#include "widgets/controls/CachedScrollBar.h"
#include "widgets/controls/NoteBox.h"

namespace tessary::widgets::testing {
namespace {

QImage Shot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void Hover(QWidget& widget, QEvent::Type type, QPoint pos) {
  QHoverEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), QPointF(pos));
  QApplication::sendEvent(&widget, &event);
}

void Mouse(QWidget& widget, QEvent::Type type, QPoint pos) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

struct Step {
  const char* what;
  std::function<void(QWidget&)> apply;
};

// Applies each step to a plain control and to the caching one and compares what they show
// after it; the caching one is shown twice, so that a paint from what it kept is checked too.
void ExpectSameLooks(QWidget& plain, QWidget& caching, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    step.apply(plain);
    step.apply(caching);
    // What a change sets off later (scroll bars that come or go) settles first.
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    const QImage expected = Shot(plain);

    EXPECT_EQ(Shot(caching), expected) << step.what;
    EXPECT_EQ(Shot(caching), expected) << step.what << " (painted again)";
  }
}

TEST(CachedScrollBar, ShowsWhatAPlainBarShowsInEveryStateAndAfterEveryChange) {
  QWidget window;
  window.setGeometry(100, 100, 400, 400);
  auto* plain = new QScrollBar(Qt::Vertical, &window);
  auto* caching = new CachedScrollBar(Qt::Vertical, &window);
  plain->setGeometry(10, 10, 16, 300);
  caching->setGeometry(40, 10, 16, 300);
  window.show();
  // At the end of its range the slider lies low in the bar; the page above it is free.
  const auto slider = [](QWidget& bar) { return QPoint(bar.width() / 2, bar.height() - 40); };
  const auto page = [](QWidget& bar) { return QPoint(bar.width() / 2, 60); };
  const std::vector<Step> steps = {
      {"nothing to scroll", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setRange(0, 0); }},
      {"a range", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setRange(0, 100); }},
      {"a page step", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setPageStep(40); }},
      {"scrolled", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setValue(60); }},
      {"at the end", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setValue(100); }},
      {"pointer on the slider",
       [&](QWidget& bar) {
         bar.setAttribute(Qt::WA_UnderMouse);  // as the platform's enter sets it
         Hover(bar, QEvent::HoverEnter, slider(bar));
       }},
      {"slider pressed", [&](QWidget& bar) { Mouse(bar, QEvent::MouseButtonPress, slider(bar)); }},
      {"slider released", [&](QWidget& bar) { Mouse(bar, QEvent::MouseButtonRelease, slider(bar)); }},
      {"pointer on the page", [&](QWidget& bar) { Hover(bar, QEvent::HoverMove, page(bar)); }},
      {"page pressed", [&](QWidget& bar) { Mouse(bar, QEvent::MouseButtonPress, page(bar)); }},
      {"page released", [&](QWidget& bar) { Mouse(bar, QEvent::MouseButtonRelease, page(bar)); }},
      {"pointer gone",
       [](QWidget& bar) {
         bar.setAttribute(Qt::WA_UnderMouse, false);
         Hover(bar, QEvent::HoverLeave, QPoint(-5, -5));
       }},
      {"scrolled back", [](QWidget& bar) { static_cast<QScrollBar&>(bar).setValue(0); }},
      {"disabled", [](QWidget& bar) { bar.setEnabled(false); }},
      {"enabled", [](QWidget& bar) { bar.setEnabled(true); }},
      {"shorter", [](QWidget& bar) { bar.resize(bar.width(), 120); }},
      {"another colour",
       [](QWidget& bar) {
         QPalette colours = bar.palette();
         colours.setColor(QPalette::Button, QColor(0x40, 0x90, 0x30));
         colours.setColor(QPalette::Window, QColor(0x90, 0x30, 0x40));
         bar.setPalette(colours);
       }},
      {"lying",
       [](QWidget& bar) {
         static_cast<QScrollBar&>(bar).setOrientation(Qt::Horizontal);
         bar.resize(300, 16);
       }},
  };
  ExpectSameLooks(*plain, *caching, steps);
}

TEST(NoteBox, ShowsWhatAPlainTextBoxShowsAfterEveryEdit) {
  QWidget window;
  window.setGeometry(100, 100, 600, 500);
  auto* plain = new QPlainTextEdit(&window);
  auto* caching = new NoteBox(&window);
  for (QPlainTextEdit* box : {plain, static_cast<QPlainTextEdit*>(caching)}) {
    box->setFocusPolicy(Qt::NoFocus);  // no blinking caret in the pictures
    box->setGeometry(box == plain ? 0 : 300, 0, 280, 300);
  }
  window.show();
  const auto box = [](QWidget& widget) -> QPlainTextEdit& { return static_cast<QPlainTextEdit&>(widget); };
  const QString lines = QStringLiteral("Note:\n\nEach line wraps at the box's width when it is longer than the box.\n");
  const std::vector<Step> steps = {
      {"text set", [&](QWidget& w) { box(w).setPlainText(lines.repeated(3)); }},
      {"a line typed",
       [&](QWidget& w) {
         QTextCursor cursor(box(w).document()->findBlockByNumber(2));
         cursor.insertText(QStringLiteral("Typed first, "));
       }},
      {"a line broken in two",
       [&](QWidget& w) {
         QTextCursor cursor(box(w).document()->findBlockByNumber(2));
         cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 5);
         cursor.insertBlock();
       }},
      {"lines removed",
       [&](QWidget& w) {
         QTextCursor cursor(box(w).document()->findBlockByNumber(4));
         cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
         cursor.removeSelectedText();
       }},
      {"narrower", [&](QWidget& w) { w.resize(180, 300); }},
      {"scrolled", [&](QWidget& w) { box(w).verticalScrollBar()->setValue(4); }},
      {"text selected",
       [&](QWidget& w) {
         QTextCursor cursor(box(w).document()->findBlockByNumber(6));
         cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
         box(w).setTextCursor(cursor);
       }},
      {"another font",
       [&](QWidget& w) {
         QFont font = w.font();
         font.setPixelSize(17);
         w.setFont(font);
       }},
      {"all replaced", [&](QWidget& w) { box(w).setPlainText(QStringLiteral("Short.")); }},
  };
  ExpectSameLooks(*plain, *caching, steps);
}

}  // namespace
}  // namespace tessary::widgets::testing
