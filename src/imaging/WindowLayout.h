#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// Where the program's windows go on the desktop. Rectangles are window
// frames (title bar and borders included) in screen coordinates; a work area
// is a screen's available area.

// The frame moved, and shrunk where it is larger, so that it lies inside the
// work area.
QRect KeepInside(const QRect& frame, const QRect& workArea);

// The top-left corner of the frame of window number index (0 first) of a
// cascade stepping step pixels right and down from the work area's corner.
// Where a frame of frameSize would leave the area at the bottom, the cascade
// goes on from the top, still stepping right; at the right, from the left.
QPoint CascadeCorner(int index, int step, const QSize& frameSize, const QRect& workArea);

// The frames of count windows (1 to 4) tiling the work area: one fills it,
// two side by side, three or four in two rows of two. The cells share the
// area's pixels without gap or overlap.
std::vector<QRect> TileFrames(int count, const QRect& workArea);

// The zoom index that shows an image of imageSize whole in an area of
// viewSize: the largest step of 2 (1 to 7) that fits when its image is at
// least nine tenths as large as the fitted one, else 0 (fitted zoom).
int TileZoom(const QSize& imageSize, const QSize& viewSize);

// The work area a frame belongs to: that of the screen holding most of it;
// fallback (the main window's screen) when it lies on none of them.
QRect WorkAreaOf(const QRect& frame, const std::vector<QRect>& workAreas, const QRect& fallback);
