#pragma once

#include <QRect>
#include <QSize>

// The image's size on screen at a zoom index: each side shifted left by
// zoom - 4 bits above x1 and right by 4 - zoom bits below. Zoom indexes
// outside 1 to 7 leave the size as it is. Sides below 0 count as 0, those
// above 2^20 as 2^20.
QSize ZoomedImageSize(int zoomIndex, int width, int height);

// Where a window goes when its client area is to become clientSize while the
// window stays inside the work area: window is its frame rectangle and client
// its client rectangle, both in screen coordinates. The window keeps its
// top-left corner unless it would stick out; it is never larger than the work
// area and never starts left of or above it.
QRect FitWindowRect(const QRect& window, const QRect& client, const QSize& clientSize, const QRect& workArea);
