#pragma once

#include <QPoint>
#include <QSize>

// The image position under a point of the display window at zoom index 1 to
// 7: the point plus the scroll position (image pixels) at the zoom's scale,
// divided by the scale, in whole-pixel shifts.
QPoint DisplayToImage(QPoint displayPoint, int zoomIndex, QPoint scrollPosition);

// The image position under a point of a display window of viewSize showing
// an image of imageSize at fitted zoom (scaled to fit, centred).
QPoint FittedDisplayToImage(QPoint displayPoint, QSize viewSize, QSize imageSize);
