#pragma once
// A window holding the browser-chrome mock-up as the editor window places it: the top dock
// at the window's top, a page, and the bottom dock, with the window's font, the start-up
// skin and the command vocabulary, in the "Default" theme.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "preview/ChromeWindow.h"
#include "preview/CommandVocabulary.h"
#include "skin/Skin.h"
#include "skinfile/StartupSkin.h"
#include "widgets/TTBDock.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::preview::testing {

class ChromeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widgets::SwitchTheme(QStringLiteral("Default"));
    LoadStartupSkin(skin);
    vocabulary = std::make_unique<CommandVocabulary>(skin);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);  // captions in exactly their colours
    window = std::make_unique<ChromeWindow>(skin, *vocabulary, font);
    tbdTop = window->tbdTop;
    page = window->page;
    tbdBottom = window->tbdBottom;
    top = window->top;
    bottom = window->bottom;
    window->setGeometry(0, 0, 1280, 600);
    window->show();
    Settle();
  }

  void TearDown() override {
    window.reset();
    widgets::SwitchTheme(QStringLiteral("Default"));
  }

  // Lets layouts settle and pending paints happen.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  void ResizeWindow(int width) {
    window->resize(width, window->height());
    Settle();
  }

  // The skin and the vocabulary outlive the window that shows them.
  Skin skin;
  std::unique_ptr<CommandVocabulary> vocabulary;
  std::unique_ptr<ChromeWindow> window;
  widgets::TTBDock* tbdTop = nullptr;
  QWidget* page = nullptr;
  widgets::TTBDock* tbdBottom = nullptr;
  BrowserChromeTop top;
  BrowserChromeBottom bottom;
};

}  // namespace tessary::preview::testing
