#include "display/GlDisplayWindow.h"

#include "display/DisplaySurface.h"
#include "display/RasterSurface.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <new>
#include <utility>

namespace {

ScrollAction ToScrollAction(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageDown;
    case QAbstractSlider::SliderToMinimum:
        return ScrollAction::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollAction::Bottom;
    case QAbstractSlider::SliderMove:
        return ScrollAction::Track;
    default:
        return ScrollAction::End;
    }
}

void ApplyBar(QScrollBar& bar, const ScrollBarLayout& layout)
{
    const QSignalBlocker blocker(bar);
    bar.setRange(0, layout.shown ? ScrollLimit(layout.range, layout.page) : 0);
    bar.setPageStep(layout.page);
    bar.setSingleStep(1);
    bar.setValue(layout.position);
    bar.setVisible(layout.shown);
}

// Grey formats make one-channel images; Mono8Signed counts as grey although
// it cannot be converted.
bool IsColourFrame(uint32_t pixelFormat)
{
    return !IsGrayPixelFormat(pixelFormat) && pixelFormat != kPixelFormatMono8Signed;
}

enum class ImageArea { None, OpenGL, Raster };

bool IsSoftwareRenderer(const QString& renderer)
{
    for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"}) {
        if (renderer.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A context that cannot be created here cannot be created for the window
// either. Platforms without real windows (offscreen, minimal) may hand out a
// context yet crash on an OpenGL window, so they count as having none. Asked
// once: the answer does not change while the program runs.
ImageArea ChooseImageArea()
{
    static const ImageArea chosen = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return ImageArea::None;
        QOpenGLContext probe;
        if (!probe.create())
            return ImageArea::None;
        const QByteArray forced = qgetenv("LUMIVEX_DISPLAY");
        if (forced == "opengl")
            return ImageArea::OpenGL;
        if (forced == "raster")
            return ImageArea::Raster;
        QOffscreenSurface surface;
        surface.setFormat(probe.format());
        surface.create();
        if (!probe.makeCurrent(&surface))
            return ImageArea::OpenGL;
        const auto* renderer = reinterpret_cast<const char*>(probe.functions()->glGetString(GL_RENDERER));
        const bool software = renderer && IsSoftwareRenderer(QString::fromLatin1(renderer));
        probe.doneCurrent();
        return software ? ImageArea::Raster : ImageArea::OpenGL;
    }();
    return chosen;
}

} // namespace

GlDisplayWindow::GlDisplayWindow() = default;

GlDisplayWindow::~GlDisplayWindow()
{
    if (IsCreated())
        Destroy();
}

QString GlDisplayWindow::NoOpenGLText()
{
    return QCoreApplication::translate("GlDisplayWindow", "This PC does not support OpenGL.");
}

SdkResult GlDisplayWindow::Create(QWidget* parent, int controlId)
{
    if (IsCreated())
        return SdkResult::GENERIC_ERROR;

    auto* window = new QWidget(parent);
    window->setObjectName(QStringLiteral("GlDisplayWindow%1").arg(controlId));
    window->setGeometry(x_, y_, width_, height_);
    horizontalBar_ = new QScrollBar(Qt::Horizontal, window);
    verticalBar_ = new QScrollBar(Qt::Vertical, window);
    QObject::connect(horizontalBar_, &QAbstractSlider::actionTriggered, window,
                     [this](int action) { OnScrollAction(true, action); });
    QObject::connect(verticalBar_, &QAbstractSlider::actionTriggered, window,
                     [this](int action) { OnScrollAction(false, action); });

    const ImageArea area = ChooseImageArea();
    const bool openGL = area != ImageArea::None;
    if (area == ImageArea::OpenGL) {
        surface_ = new DisplaySurface([this](DisplaySurface& surface) { Paint(surface); });
        surface_->SetEventTarget(window);
        container_ = QWidget::createWindowContainer(surface_, window);
        container_->setFocusPolicy(Qt::NoFocus);
    } else if (area == ImageArea::Raster) {
        raster_ = new RasterSurface(window, [this](RasterSurface& surface) { Paint(surface); });
        container_ = raster_;
    }
    {
        std::lock_guard lock(mutex_);
        window_ = window;
        created_ = true;
        openGL_ = openGL;
    }
    paintQueued_ = false;
    UpdateScrollBars();
    window->show();
    return openGL ? SdkResult::OK : SdkResult::GENERIC_ERROR;
}

SdkResult GlDisplayWindow::Destroy()
{
    QWidget* window = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (!created_)
            return SdkResult::GENERIC_ERROR;
        window = window_.data();
        window_ = nullptr;
        surface_ = nullptr;
        raster_ = nullptr;
        container_ = nullptr;
        horizontalBar_ = nullptr;
        verticalBar_ = nullptr;
        staging_.reset();
        imageWidth_ = imageHeight_ = 0;
        stagingPending_ = false;
        geometryChanged_ = false;
        scroll_ = {};
        created_ = false;
        openGL_ = false;
        maxTextureSize_ = 0;
    }
    // Takes the image area, its texture and any queued paint request with it.
    delete window;
    return SdkResult::OK;
}

bool GlDisplayWindow::IsCreated() const
{
    std::lock_guard lock(mutex_);
    return created_;
}

bool GlDisplayWindow::HasOpenGL() const
{
    std::lock_guard lock(mutex_);
    return openGL_;
}

SdkResult GlDisplayWindow::SetPlacement(int x, int y, int width, int height)
{
    {
        std::lock_guard lock(mutex_);
        if (x == x_ && y == y_ && width == width_ && height == height_)
            return SdkResult::OK;
        x_ = x;
        y_ = y;
        width_ = width;
        height_ = height;
    }
    if (window_) {
        window_->setGeometry(x, y, width, height);
        UpdateScrollBars();
    }
    return SdkResult::OK;
}

SdkResult GlDisplayWindow::SetBackgroundColor(uint8_t red, uint8_t green, uint8_t blue)
{
    {
        std::lock_guard lock(mutex_);
        background_[0] = red;
        background_[1] = green;
        background_[2] = blue;
    }
    UpdateImageArea();
    return SdkResult::OK;
}

SdkResult GlDisplayWindow::SetZoom(int zoomIndex)
{
    {
        std::lock_guard lock(mutex_);
        zoom_ = zoomIndex;
    }
    if (window_)
        UpdateScrollBars();
    return SdkResult::OK;
}

int GlDisplayWindow::Zoom() const
{
    std::lock_guard lock(mutex_);
    return zoom_;
}

void GlDisplayWindow::SetInterpolationMethod(int method)
{
    std::lock_guard lock(mutex_);
    interpolationMethod_ = method;
}

int GlDisplayWindow::InterpolationMethod() const
{
    std::lock_guard lock(mutex_);
    return interpolationMethod_;
}

SdkResult GlDisplayWindow::ShowImage(int height, const uint8_t* pixels, int width, uint32_t pixelFormat,
                                     size_t dataSize)
{
    std::lock_guard lock(mutex_);
    if (!created_ || !openGL_)
        return SdkResult::NOT_SUPPORTED;
    if (width <= 0 || height <= 0 || (maxTextureSize_ > 0 && (width > maxTextureSize_ || height > maxTextureSize_)))
        return SdkResult::STATE_ERROR;

    const bool colour = IsColourFrame(pixelFormat);
    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    // A failed conversion leaves the staging buffer untouched, so the
    // previous picture stays.
    const auto fill = [&](uint8_t* dest) {
        return ConvertForDisplay(pixelFormat, pixels, dataSize, width, height, dest, interpolationMethod_);
    };
    if (staging_ && width == imageWidth_ && height == imageHeight_ && colour == colour_) {
        if (!fill(staging_.get()))
            return SdkResult::STATE_ERROR;
    } else {
        // A new geometry: the new buffer replaces the old one only once the
        // frame is in it.
        std::unique_ptr<uint8_t[]> fresh(new (std::nothrow) uint8_t[pixelCount * (colour ? 4 : 1)]);
        if (!fresh || !fill(fresh.get()))
            return SdkResult::STATE_ERROR;
        staging_ = std::move(fresh);
        imageWidth_ = width;
        imageHeight_ = height;
        colour_ = colour;
        geometryChanged_ = true;
        ++statistics_.stagingAllocations;
    }
    stagingPending_ = true;
    ++statistics_.framesAccepted;
    // Under the lock, so that the window cannot be destroyed meanwhile.
    RequestPaint();
    return SdkResult::OK;
}

void GlDisplayWindow::RequestPaint()
{
    if (!window_ || paintQueued_.exchange(true))
        return;
    QMetaObject::invokeMethod(
        window_.data(), [this] { OnFrameShown(); }, Qt::QueuedConnection);
}

void GlDisplayWindow::OnFrameShown()
{
    paintQueued_ = false;
    bool geometryChanged = false;
    {
        std::lock_guard lock(mutex_);
        geometryChanged = std::exchange(geometryChanged_, false);
    }
    if (geometryChanged)
        UpdateScrollBars();
    else
        UpdateImageArea();
}

SdkResult GlDisplayWindow::GetScrollPosition(int& horizontal, int& vertical) const
{
    std::lock_guard lock(mutex_);
    horizontal = scroll_.horizontal.shown ? scrollX_ : 0;
    vertical = scroll_.vertical.shown ? scrollY_ : 0;
    return SdkResult::OK;
}

float GlDisplayWindow::CurrentScale() const
{
    std::lock_guard lock(mutex_);
    return currentScale_;
}

DisplayStatistics GlDisplayWindow::Statistics() const
{
    std::lock_guard lock(mutex_);
    return statistics_;
}

QWidget* GlDisplayWindow::Widget() const
{
    return window_;
}

QImage GlDisplayWindow::GrabFrame()
{
    if (raster_)
        return raster_->Grab();
    return surface_ ? surface_->Grab() : QImage();
}

void GlDisplayWindow::UpdateImageArea()
{
    if (surface_)
        surface_->update();
    else if (raster_)
        raster_->update();
}

void GlDisplayWindow::UpdateScrollBars()
{
    if (!window_)
        return;
    const int barExtent = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalBar_);
    ScrollLayout layout;
    {
        std::lock_guard lock(mutex_);
        layout = ComputeScrollLayout(zoom_, width_, height_, imageWidth_, imageHeight_, scrollX_, scrollY_, barExtent);
        scroll_ = layout;
        scrollX_ = layout.horizontal.position;
        scrollY_ = layout.vertical.position;
    }
    ApplyBar(*horizontalBar_, layout.horizontal);
    ApplyBar(*verticalBar_, layout.vertical);
    LayoutChildren(layout);
    UpdateImageArea();
}

void GlDisplayWindow::LayoutChildren(const ScrollLayout& layout)
{
    const int barExtent = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalBar_);
    const int width = window_->width();
    const int height = window_->height();
    const int areaWidth = layout.vertical.shown ? width - barExtent : width;
    const int areaHeight = layout.horizontal.shown ? height - barExtent : height;
    horizontalBar_->setGeometry(0, areaHeight, areaWidth, barExtent);
    verticalBar_->setGeometry(areaWidth, 0, barExtent, areaHeight);
    if (container_)
        container_->setGeometry(0, 0, areaWidth, areaHeight);
}

void GlDisplayWindow::OnScrollAction(bool horizontal, int action)
{
    QScrollBar* bar = horizontal ? horizontalBar_ : verticalBar_;
    int position = 0;
    {
        std::lock_guard lock(mutex_);
        ScrollBarLayout& layout = horizontal ? scroll_.horizontal : scroll_.vertical;
        if (!layout.shown)
            return;
        int& stored = horizontal ? scrollX_ : scrollY_;
        stored = ApplyScrollAction(ToScrollAction(action), stored, layout.range, layout.page, bar->sliderPosition());
        layout.position = stored;
        position = stored;
    }
    bar->setSliderPosition(position);
    UpdateImageArea();
}

template <class Surface>
void GlDisplayWindow::Paint(Surface& surface)
{
    std::lock_guard lock(mutex_);
    surface.Clear(background_[0], background_[1], background_[2]);
    maxTextureSize_ = surface.MaxTextureSize();
    if (!surface.IsUsable()) {
        // Frames are refused from now on, as without OpenGL at all.
        openGL_ = false;
        return;
    }
    if (!staging_)
        return;
    if (stagingPending_) {
        if (surface.Upload(staging_.get(), imageWidth_, imageHeight_, colour_))
            ++statistics_.textureAllocations;
        ++statistics_.textureUploads;
        stagingPending_ = false;
    }
    const DrawTransform transform =
        ComputeDrawTransform(zoom_, surface.width(), surface.height(), imageWidth_, imageHeight_, scrollX_, scrollY_);
    currentScale_ = transform.scale;
    surface.DrawImage(transform, imageWidth_, imageHeight_);
}
