#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Scrolling and placement rules shared by the thumbnail window and the
// snapshot windows, kept free of widgets.

// One page back or forward from position: back stops at 0, forward at maxPosition.
int PagedPosition(int position, int page, bool back, int maxPosition);

// The wheel scrolls horizontally, where it can, when the pointer lies below the
// client rectangle's diagonal from the top-left to the bottom-right corner.
bool BelowDiagonal(QPoint pointer, QSize client);

// The wheel step along an axis where the content is longer than the client:
// the excess, or a tenth of it when that is more than 10. 0 when it fits.
int ExcessWheelStep(int content, int client);

// The thumbnail window's vertical wheel step: as many whole cells as the
// client shows, at least one.
int CellWheelStep(int cell, int client);

// Where the view of an image axis starts: a negative offset that centres an
// image shorter than the client, else position kept within 0 … image − client.
int ImageViewOffset(int position, int image, int client);

// Whole wheel notches from the wheel's angle deltas; fine-grained wheels send
// parts of a notch that add up.
class WheelNotches {
public:
    // Positive notches turn the wheel away from the user.
    int Take(int angleDelta);

private:
    int pending_ = 0;
};

// The thumbnail window's frame on the first snapshot: from the main window's
// right edge, or as far right as a window of neededWidth fits when there is
// no room there, to the work area's right edge, over the work area's height.
QRect ThumbnailWindowFrame(QRect workArea, QRect mainWindowFrame, int neededWidth);
