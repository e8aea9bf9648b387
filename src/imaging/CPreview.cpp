#include "imaging/CPreview.h"

#include "imaging/DisplayGeometry.h"
#include "imaging/LxD3DDisplayWnd.h"
#include "imaging/WindowFit.h"

#include <QResizeEvent>
#include <QScreen>

#include <memory>

namespace {

// The client area can change after the first move (a frame that wraps), so
// the fit is done twice.
constexpr int kFitPasses = 2;

} // namespace

CPreview::CPreview(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Preview"));
    setModal(false);
}

CPreview::~CPreview()
{
    display_.Destroy();
}

SdkResult CPreview::CreateDisplayWindow(int controlId)
{
    auto window = std::make_unique<LxD3DDisplayWnd>();
    window->SetBackgroundColor(kBackgroundGrey, kBackgroundGrey, kBackgroundGrey);
    window->SetPlacement(0, 0, width(), height());
    const SdkResult result = window->Create(this, controlId);
    display_.SetDisplayWindow(std::move(window));
    return result;
}

bool CPreview::FitWindowToImage(int zoomIndex, int width, int height)
{
    if (zoomIndex == kZoomFit)
        return false;
    const QSize clientSize = ZoomedImageSize(zoomIndex, width, height);
    const QRect workArea = screen()->availableGeometry();
    for (int pass = 0; pass < kFitPasses; ++pass) {
        const QRect window = frameGeometry();
        const QRect client = geometry();
        const QRect fitted = FitWindowRect(window, client, clientSize, workArea);
        move(fitted.topLeft());
        resize(fitted.size() - (window.size() - client.size()));
    }
    update();
    return true;
}

void CPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (LxD3DDisplayWnd* window = display_.DisplayWindow())
        window->SetPlacement(0, 0, event->size().width(), event->size().height());
}
