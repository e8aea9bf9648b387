#pragma once

#include "imaging/DisplayGeometry.h"
#include "sdk/SdkResult.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

class DisplaySurface;
class RasterSurface;
class QImage;
class QScrollBar;

// Counters of what the display window did, for tests and benchmarks.
struct DisplayStatistics {
    uint64_t framesAccepted = 0;     // ShowImage calls that gave OK
    uint64_t textureUploads = 0;     // texture re-fills from the staging buffer
    uint64_t textureAllocations = 0; // textures (re)allocated for a new geometry
    uint64_t stagingAllocations = 0; // staging buffers allocated for a new geometry
};

// The child window that shows one camera's live image. The acquisition thread
// hands it frames through ShowImage, which converts them into the staging
// buffer (grey bytes, or blue, green, red, unused for colour) under the
// window's lock and asks the user interface thread for a paint; the paint
// re-fills the texture of the frame's size from the staging buffer (one upload
// per shown frame) and draws it as one quad, scaled by the zoom on the GPU,
// with scroll bars when the zoomed image is larger than the window.
//
// Where OpenGL renders in software only, the image area paints the staging
// buffer with QPainter instead (RasterSurface), which costs a fraction of the
// CPU; LUMIVEX_DISPLAY=opengl or =raster picks one regardless.
//
// Everything except ShowImage, InterpolationMethod, GetScrollPosition and
// Statistics runs on the user interface thread; those take the lock and never
// touch a widget.
class GlDisplayWindow {
public:
    static constexpr int kDefaultInterpolationMethod = 3; // "Bilinear"

    GlDisplayWindow();
    // Destroys the window when it is still created.
    virtual ~GlDisplayWindow();
    GlDisplayWindow(const GlDisplayWindow&) = delete;
    GlDisplayWindow& operator=(const GlDisplayWindow&) = delete;

    // Creates the window as a visible child of parent at the stored placement,
    // with its scroll bars, and sets up OpenGL. OK when the window and an
    // OpenGL context exist; "Generic Error" when OpenGL is missing (the window
    // then exists without an image area) or when already created.
    SdkResult Create(QWidget* parent, int controlId);
    // Releases the texture, staging buffer and window. "Generic Error" when not created.
    SdkResult Destroy();
    bool IsCreated() const;
    // True when Create found an OpenGL context; when false the owner shows
    // NoOpenGLText() and closes.
    bool HasOpenGL() const;
    static QString NoOpenGLText();

    // Moves and sizes the window in its parent; always OK.
    SdkResult SetPlacement(int x, int y, int width, int height);
    // The colour around the image; always OK.
    SdkResult SetBackgroundColor(uint8_t red, uint8_t green, uint8_t blue);
    // Zoom index 0 (fit) or 1 to 7 (x1/8 to x8); other values fit as 0 does.
    SdkResult SetZoom(int zoomIndex);
    int Zoom() const;
    void SetInterpolationMethod(int method);
    int InterpolationMethod() const;

    // Shows a frame: a converted image (Mono8 or BGR8Packed, packed rows) or
    // a raw camera buffer of dataSize bytes, converted with ConvertForDisplay.
    // "Not Supported" without OpenGL; "State Error" when the frame cannot be
    // converted or is too large for a texture (the previous picture stays).
    // Called on the acquisition thread.
    SdkResult ShowImage(int height, const uint8_t* pixels, int width, uint32_t pixelFormat, size_t dataSize);

    // Positions of the shown scroll bars in image pixels (0 for a hidden one); OK.
    SdkResult GetScrollPosition(int& horizontal, int& vertical) const;
    // The scale of the last paint.
    float CurrentScale() const;
    DisplayStatistics Statistics() const;

    // The window itself, null while not created.
    QWidget* Widget() const;
    // Paints now and reads the image area back; null before it is exposed.
    QImage GrabFrame();

private:
    template <class Surface>
    void Paint(Surface& surface);
    void UpdateScrollBars();
    void UpdateImageArea();
    void LayoutChildren(const ScrollLayout& layout);
    void OnScrollAction(bool horizontal, int action);
    void OnFrameShown();
    void RequestPaint();

    mutable std::mutex mutex_;
    uint8_t background_[3] = {0, 0, 0};
    int x_ = 0;
    int y_ = 0;
    int width_ = 100;
    int height_ = 100;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    bool colour_ = false;
    std::unique_ptr<uint8_t[]> staging_;
    bool stagingPending_ = false;  // a frame waits for its texture upload
    bool geometryChanged_ = false; // the scroll bars wait for the new geometry
    int zoom_ = kZoomFit;
    int interpolationMethod_ = kDefaultInterpolationMethod;
    float currentScale_ = 1.0f;
    ScrollLayout scroll_;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int maxTextureSize_ = 0; // 0 until the context is known
    DisplayStatistics statistics_;
    bool created_ = false;
    bool openGL_ = false;

    QPointer<QWidget> window_;
    DisplaySurface* surface_ = nullptr;
    RasterSurface* raster_ = nullptr;
    QWidget* container_ = nullptr; // the image area: the surface's container or the raster surface
    QScrollBar* horizontalBar_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    // Set while a paint request is queued to the user interface thread, so
    // that frames arriving faster than paints do not pile requests up.
    std::atomic<bool> paintQueued_{false};
};
