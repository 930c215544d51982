#pragma once
// Shared set-up of the toolbar library tests: the theme layer started, a window with a top
// dock, a page and a bottom dock, image lists of solid coloured cells, and mouse helpers
// that deliver events straight to a widget (no window manager needed offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "skin/Bitmap.h"
#include "skin/ImageList.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/items/TTBXItem.h"

namespace tessary::widgets::testing {

// An image list of `count` solid cells; cell i has colour ColourOf(i).
inline Argb CellColour(int index) { return 0xFF000000u | (0x10u * static_cast<Argb>(index + 1) << 16) | 0x3080u; }

inline std::unique_ptr<ImageList> SolidList(int size, int count) {
  auto list = std::make_unique<ImageList>(size, size);
  for (int i = 0; i < count; ++i) {
    std::vector<Argb> pixels(static_cast<std::size_t>(size * size), CellColour(i));
    list->AppendImage(Bitmap::FromArgb(size, size, pixels), clNone);
  }
  return list;
}

// Sends a mouse event to `widget` at screen position `global` (local position mapped
// from it, as the platform would: the widget may have moved since the last event).
inline void SendMouseAt(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global),
                    type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Sends a mouse event to `widget` at local `pos`.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  SendMouseAt(widget, type, widget->mapToGlobal(pos), button);
}

// A press at `from` and a release at `to` (both local to `widget` before the drag
// starts), with moves between. The pointer moves on the screen; the widget may follow.
inline void Drag(QWidget* widget, QPoint from, QPoint to, int steps = 4) {
  const QPoint start = widget->mapToGlobal(from);
  const QPoint end = widget->mapToGlobal(to);
  SendMouseAt(widget, QEvent::MouseButtonPress, start);
  const QPoint step = (end - start) / steps;
  for (int i = 1; i < steps; ++i) SendMouseAt(widget, QEvent::MouseMove, start + step * i);
  SendMouseAt(widget, QEvent::MouseMove, end);
  SendMouseAt(widget, QEvent::MouseButtonRelease, end);
}

// A shown window with two docks, like an application's main window.
class DockWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    top = new TTBDock(DockPosition::dpTop);
    page = new QWidget;
    bottom = new TTBDock(DockPosition::dpBottom);
    layout->addWidget(top);
    layout->addWidget(page, 1);
    layout->addWidget(bottom);
    window->setGeometry(100, 100, 600, 400);
    window->show();
  }

  void TearDown() override { window.reset(); }

  // A toolbar with `count` image-only buttons of a 16-pixel list.
  TTBXToolbar* MakeBar(const QString& caption, int count) {
    auto* bar = new TTBXToolbar;
    bar->SetCaption(caption);
    bar->SetImages(images.get());
    for (int i = 0; i < count; ++i) {
      auto& item = bar->Add(std::make_unique<TTBXItem>());
      item.SetImageIndex(i % 4);
      item.SetCaption(QStringLiteral("Item %1").arg(i));
    }
    return bar;
  }

  // Lets the layout settle (the window's layout resizes docks on a posted event).
  void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
  }

  std::unique_ptr<ImageList> images = SolidList(16, 4);
  std::unique_ptr<QWidget> window;
  TTBDock* top = nullptr;
  QWidget* page = nullptr;
  TTBDock* bottom = nullptr;
};

}  // namespace tessary::widgets::testing
