#pragma once
// The application icon, resources/icons/tessary-256.png compiled in. It is decoded the first
// time something shows it (the desktop asks when the window is made; an offscreen run never
// does), not while the program starts.
#include <QIcon>

namespace tessary::app {

QIcon AppIcon();

}  // namespace tessary::app
