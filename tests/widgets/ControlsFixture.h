#pragma once
// Shared set-up of the control-panel control tests: an active window to put controls on,
// and the pointer entering and leaving a control as the platform reports it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>
#include <memory>

#include "ToolbarFixture.h"

namespace tessary::widgets::testing {

inline void Enter(QWidget* widget) {
  QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(widget->mapToGlobal(QPoint(2, 2))));
  QApplication::sendEvent(widget, &event);
}

inline void Leave(QWidget* widget) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(widget, &event);
}

// A press and a release at local `pos`.
inline void Click(QWidget* widget, QPoint pos) {
  SendMouse(widget, QEvent::MouseButtonPress, pos);
  SendMouse(widget, QEvent::MouseButtonRelease, pos);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->setGeometry(200, 200, 420, 300);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override { window.reset(); }

  std::unique_ptr<QWidget> window;
};

}  // namespace tessary::widgets::testing
