#pragma once

// Arithmetic of the display window: the scale and offset at which the image is
// drawn, the scroll bar layout, and scroll bar actions. Sizes and positions are
// in pixels; scroll positions and draw offsets are in image pixels.

// Zoom indexes: 0 fits the image to the window; 1 to 7 are x1/8 to x8, 4 being x1.
constexpr int kZoomFit = 0;
constexpr int kZoomMinIndex = 1;
constexpr int kZoomOneIndex = 4;
constexpr int kZoomMaxIndex = 7;

// The scale of zoom index 1 to 7 (0.125 to 8); 0 for any other index.
float ZoomFactor(int zoomIndex);

// Where the image lands: window pixel = (image pixel + offset) x scale.
struct DrawTransform {
    float scale = 1.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
};

// Zoom 0 (and any index without a factor) fits the image into the window with
// its aspect ratio kept, centred on the other axis; zoom 1 to 7 scale by the
// factor and shift by minus the scroll position. An empty image gives scale 1.
DrawTransform ComputeDrawTransform(int zoomIndex, int windowWidth, int windowHeight, int imageWidth, int imageHeight,
                                   int scrollX, int scrollY);

// One scroll bar: range 0 to `range`, a page of `page`, at `position`. A
// hidden bar has everything 0.
struct ScrollBarLayout {
    bool shown = false;
    int range = 0;
    int page = 0;
    int position = 0;
};

struct ScrollLayout {
    ScrollBarLayout horizontal;
    ScrollBarLayout vertical;
};

// Which bars a zoomed image needs in a window whose scroll bars take
// barExtent pixels, with the stored scroll positions clamped to range - page.
// Showing one bar narrows the view, which may call for the other.
ScrollLayout ComputeScrollLayout(int zoomIndex, int windowWidth, int windowHeight, int imageWidth, int imageHeight,
                                 int scrollX, int scrollY, int barExtent);

// Largest position a bar can be scrolled to: range - page + 1, at least 0.
int ScrollLimit(int range, int page);

enum class ScrollAction {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    Top,
    Bottom,
    Track, // the thumb was dragged or dropped at trackPosition
    End,   // end of scroll: nothing moves
};

// The bar's new position after an action, clamped to 0 .. ScrollLimit.
int ApplyScrollAction(ScrollAction action, int position, int range, int page, int trackPosition);
