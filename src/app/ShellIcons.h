#pragma once

#include <QIcon>

// The program's own pictures, drawn rather than loaded so that they scale
// with the screen: the application icon and one toolbar icon per drawing
// mode (0 Select to 11 Cross).
QIcon ApplicationIcon();
QIcon DrawingModeIcon(int mode);
