// The main window: where it and the preview windows go on the desktop, tiled
// or cascaded, and their places and zooms remembered per camera.

#include "app/CLumivexDlg.h"
#include "app/ScreenKeeper.h"
#include "camera/CameraConnection.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "imaging/DisplayGeometry.h"
#include "imaging/WindowFit.h"
#include "imaging/WindowLayout.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {

constexpr const char* kGeometryKey = "geometry";
constexpr const char* kZoomKey = "zoom";
// The main window's client size while it has no camera's image to fit.
constexpr QSize kImagelessSize(640, 480);

} // namespace

int CLumivexDlg::WindowZoom(int index) const
{
    return index >= 0 && index < CameraContext::kMaxCameras ? zooms_[index] : kZoomFit;
}

QWidget* CLumivexDlg::ImageWindow(int index) const
{
    if (index == 0)
        return const_cast<CLumivexDlg*>(this);
    return PreviewWindow(index);
}

GlDisplayWindow* CLumivexDlg::ImageDisplay(int index) const
{
    if (index == 0)
        return mainDisplay_.DisplayWindow();
    CPreview* preview = PreviewWindow(index);
    return preview ? preview->Display().DisplayWindow() : nullptr;
}

QSize CLumivexDlg::ImageSize(int index) const
{
    const CameraConnection* camera = context_.Camera(index);
    return camera ? QSize(camera->Identity().connectWidth, camera->Identity().connectHeight) : QSize();
}

void CLumivexDlg::Tile()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        placements_[i] = Placement::Tile;
        PlaceImageWindow(i);
    }
    UpdateMenus();
}

void CLumivexDlg::Cascade()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        placements_[i] = Placement::Cascade;
        zooms_[i] = context_.zoomIndex;
        PlaceImageWindow(i);
    }
    UpdateMenus();
}

void CLumivexDlg::SetTileAtConnection(bool tile)
{
    tileThisRun_ = tile;
    if (tile && IsPreviewing())
        Tile();
}

void CLumivexDlg::PlaceImageWindow(int index)
{
    if (!ImageWindow(index))
        return;
    if (placements_[index] == Placement::Tile)
        PlaceInTile(index);
    else if (placements_[index] == Placement::Cascade)
        PlaceInCascade(index);
}

void CLumivexDlg::PlaceInCascade(int index)
{
    QWidget* window = ImageWindow(index);
    if (GlDisplayWindow* display = ImageDisplay(index))
        display->SetZoom(zooms_[index]);
    // Sized first: where the cascade wraps depends on the frame's size.
    const QMargins margins = keeper_->FrameMargins(*window);
    const QSize image = ImageSize(index);
    const QRect workArea = screen()->availableGeometry();
    auto fit = [&] {
        if (index == 0)
            FitToImage();
        else
            PreviewWindow(index)->FitWindowToImage(zooms_[index], image.width(), image.height(), margins);
    };
    fit();
    // No larger than leaves every window of the cascade a step of its own,
    // so that each title bar stays in sight.
    const int later = std::max(0, context_.CameraCount() - 1);
    const QSize room = workArea.size() - QSize(kPreviewCascade, kPreviewCascade) * later;
    const QSize frame = window->size().grownBy(margins).boundedTo(room);
    keeper_->SetFrameGeometry(*window, QRect(CascadeCorner(index, kPreviewCascade, frame, workArea), frame));
}

void CLumivexDlg::PlaceInTile(int index)
{
    QWidget* window = ImageWindow(index);
    const std::vector<QRect> cells = TileFrames(context_.CameraCount(), screen()->availableGeometry());
    if (index >= static_cast<int>(cells.size()))
        return;
    keeper_->SetFrameGeometry(*window, cells[index]);
    // What is left of the cell for the image: the frame, and the main
    // window's bars or the preview's status line, are taken off.
    QSize view = cells[index].size().shrunkBy(keeper_->FrameMargins(*window));
    if (index == 0)
        view.rheight() -= ContentTop() + StatusBarHeight();
    else
        view -= PreviewWindow(index)->ClientSizeFor(QSize(0, 0));
    zooms_[index] = TileZoom(ImageSize(index), view);
    if (GlDisplayWindow* display = ImageDisplay(index))
        display->SetZoom(zooms_[index]);
    if (index == 0)
        LayoutChildren();
}

void CLumivexDlg::PlaceImageless()
{
    // In the middle of the screen the pointer is on.
    const QScreen* pointed = QGuiApplication::screenAt(QCursor::pos());
    const QRect workArea = (pointed ? pointed : screen())->availableGeometry();
    QRect frame(QPoint(), kImagelessSize.grownBy(keeper_->FrameMargins(*this)));
    frame.moveCenter(workArea.center());
    keeper_->SetFrameGeometry(*this, KeepInside(frame, workArea));
}

void CLumivexDlg::OnFramed(QWidget& window)
{
    // The frame's size is known only now: the window is placed again with it.
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (ImageWindow(i) == &window)
            PlaceImageWindow(i);
    }
}

QString CLumivexDlg::WindowSettingsPath() const
{
    return QFileInfo(QString::fromStdString(context_.SettingsPath())).dir().filePath(QStringLiteral("windows.ini"));
}

QString CLumivexDlg::WindowKey(int index) const
{
    const CameraConnection* camera = context_.Camera(index);
    if (!camera)
        return {};
    // A camera remembers a place as the main window's and as a preview's.
    return QStringLiteral("%1/%2").arg(QString::fromStdString(camera->Identity().macAddress),
                                       index == 0 ? QStringLiteral("main") : QStringLiteral("preview"));
}

void CLumivexDlg::RememberWindows()
{
    QSettings settings(WindowSettingsPath(), QSettings::IniFormat);
    for (int i = 0; i < context_.CameraCount(); ++i) {
        QWidget* window = ImageWindow(i);
        const QString key = WindowKey(i);
        // The main window remembers a place only once it has shown a camera.
        if (!window || key.isEmpty() || (i == 0 && !mainDisplay_.HasDisplayWindow()))
            continue;
        settings.setValue(key + QLatin1Char('/') + QLatin1String(kGeometryKey), window->saveGeometry());
        settings.setValue(key + QLatin1Char('/') + QLatin1String(kZoomKey), zooms_[i]);
    }
}

bool CLumivexDlg::RestoreWindow(int index)
{
    QWidget* window = ImageWindow(index);
    const QString key = WindowKey(index);
    if (!window || key.isEmpty())
        return false;
    const QSettings settings(WindowSettingsPath(), QSettings::IniFormat);
    const QByteArray geometry = settings.value(key + QLatin1Char('/') + QLatin1String(kGeometryKey)).toByteArray();
    if (geometry.isEmpty() || !window->restoreGeometry(geometry))
        return false;
    bool number = false;
    const int zoom = settings.value(key + QLatin1Char('/') + QLatin1String(kZoomKey)).toInt(&number);
    if (number && zoom >= kZoomFit && zoom <= kZoomMaxIndex)
        zooms_[index] = zoom;
    placements_[index] = Placement::Remembered;
    // A place on a monitor that is gone comes back onto a screen there is.
    const QRect frame = keeper_->FrameGeometry(*window);
    const QRect kept = KeepInside(frame, keeper_->WorkAreaFor(frame));
    if (kept != frame)
        keeper_->SetFrameGeometry(*window, kept);
    return true;
}
