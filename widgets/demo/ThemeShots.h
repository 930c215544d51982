#pragma once
// Pictures of the demo window for comparing the themes: the window with its open popups
// and floating bars composed into one image, one such image per registered theme with
// the bars in their telling states, and all of them side by side.
#include <QImage>
#include <QString>

class QWidget;

namespace tessary::widgets {

struct DemoScene;

// The window as it shows on the screen, with every visible popup and floating window of
// the application drawn where it stands relative to the window.
QImage ComposeWindow(QWidget& window);

// Puts the demo into the states worth comparing: a pressed button, hovered buttons (one
// checked, one split, one on the floating bar), a checked button left alone, and the View
// menu open with its Text Size submenu.
void StageThemeStates(DemoScene& scene);

// Writes DIR/<theme>.png for every registered theme and DIR/themes.png with all of them in
// a grid. Returns false (with a message on stderr) when a picture cannot be written.
bool WriteThemeShots(DemoScene& scene, const QString& dir);

}  // namespace tessary::widgets
