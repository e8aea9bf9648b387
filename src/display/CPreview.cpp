#include "display/CPreview.h"

#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "imaging/DisplayGeometry.h"
#include "imaging/WindowFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <memory>

namespace {

// The client area can change after the first move (a frame that wraps), so
// the fit is done twice.
constexpr int kFitPasses = 2;

} // namespace

CPreview::CPreview(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Preview"));
    setModal(false);
    statusLine_ = new QWidget(this);
    auto* layout = new QHBoxLayout(statusLine_);
    layout->setContentsMargins(4, 1, 1, 1);
    statusText_ = new QLabel(statusLine_);
    statusText_->setObjectName(QStringLiteral("statusText"));
    auto* features = new QPushButton(tr("Features..."), statusLine_);
    features->setObjectName(QStringLiteral("featuresButton"));
    layout->addWidget(statusText_, 1);
    layout->addWidget(features);
    connect(features, &QPushButton::clicked, this, &CPreview::featuresRequested);
    statusLine_->hide();
    notice_ = new NoticeBar(this);
    connect(notice_, &NoticeBar::shownChanged, this, &CPreview::FollowNotice);
}

CPreview::~CPreview()
{
    display_.Destroy();
}

SdkResult CPreview::CreateDisplayWindow(int controlId)
{
    auto window = std::make_unique<GlDisplayWindow>();
    window->SetBackgroundColor(kBackgroundGrey, kBackgroundGrey, kBackgroundGrey);
    window->SetPlacement(0, 0, width(), height() - StatusLineHeight());
    SdkResult result = window->Create(this, controlId);
    display_.SetDisplayWindow(std::move(window));
    return result;
}

bool CPreview::FitWindowToImage(int zoomIndex, int width, int height, const QMargins& unframedMargins)
{
    if (zoomIndex == kZoomFit)
        return false;
    const QSize clientSize = ClientSizeFor(ZoomedImageSize(zoomIndex, width, height));
    const QRect workArea = screen()->availableGeometry();
    for (int pass = 0; pass < kFitPasses; ++pass) {
        const QRect client = geometry();
        QRect window = frameGeometry();
        if (window == client)
            window = QRect(pos(), client.marginsAdded(unframedMargins).size());
        const QSize margins = window.size() - client.size();
        const QRect fitted = FitWindowRect(window, QRect(window.topLeft(), client.size()), clientSize, workArea);
        move(fitted.topLeft());
        resize(fitted.size() - margins);
    }
    update();
    return true;
}

QSize CPreview::ClientSizeFor(const QSize& imageSize) const
{
    return imageSize + QSize(0, StatusLineHeight() + noticeHeight_);
}

void CPreview::SetStatusLine(const QString& text)
{
    statusText_->setText(text);
    if (!statusLine_->isHidden())
        return;
    statusLine_->show();
    resize(width(), height() + StatusLineHeight());
    PlaceChildren(size());
}

QString CPreview::StatusLine() const
{
    return statusText_->text();
}

int CPreview::StatusLineHeight() const
{
    return statusLine_->isHidden() ? 0 : statusLine_->sizeHint().height();
}

void CPreview::PlaceChildren(QSize client)
{
    const int lineHeight = StatusLineHeight();
    const int top = std::min(noticeHeight_, client.height());
    const int imageHeight = std::max(0, client.height() - lineHeight - top);
    notice_->setGeometry(0, 0, client.width(), top);
    statusLine_->setGeometry(0, top + imageHeight, client.width(), lineHeight);
    if (GlDisplayWindow* window = display_.DisplayWindow())
        window->SetPlacement(0, top, client.width(), imageHeight);
}

void CPreview::FollowNotice()
{
    // The window grows by the strip, so that the image keeps its size, as far
    // as the screen has room below it; a window at the screen's bottom edge
    // (tiled ones) keeps its size and the strip takes from the image.
    noticeHeight_ = notice_->TakenHeight();
    const int room = screen()->availableGeometry().bottom() - frameGeometry().bottom() + grownForNotice_;
    const int grow = std::clamp(room, 0, noticeHeight_);
    const int change = grow - grownForNotice_;
    grownForNotice_ = grow;
    if (change != 0)
        resize(width(), height() + change);
    PlaceChildren(size());
}

void CPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PlaceChildren(event->size());
}
