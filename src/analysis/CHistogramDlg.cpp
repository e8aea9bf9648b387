#include "analysis/CHistogramDlg.h"

#include "analysis/HistogramPlot.h"
#include "analysis/PlotPainting.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The count labels' box, left of the plot.
constexpr int kCountLabelLeft = 0;
constexpr int kCountLabelRight = 59;
// The frame starts one pixel left of the plot and ends one past it.
constexpr int kFrameLeft = HistogramLayout::kLeft - 1;

struct StretchItem {
    const char* text;
    double factor;
};

constexpr std::array<StretchItem, 6> kStretchItems{{
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x4"), 4.0},
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x2"), 2.0},
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x1"), 1.0},
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x1/2"), 0.5},
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x1/4"), 0.25},
    {QT_TRANSLATE_NOOP("CHistogramDlg", "x1/8"), 0.125},
}};
constexpr double kInitialStretch = 1.0;

HistogramArea AreaOf(const HistogramRecord& record)
{
    return {record.left, record.top, record.right, record.bottom};
}

void StoreArea(HistogramRecord& record, const HistogramArea& area)
{
    record.left = area.left;
    record.top = area.top;
    record.right = area.right;
    record.bottom = area.bottom;
}

} // namespace

// The client area below the menu bar, where the plot is painted.
class CHistogramDlg::Plot : public QWidget {
public:
    explicit Plot(CHistogramDlg& owner) : QWidget(&owner), owner_(owner) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        owner_.PaintPlot(painter, size());
    }

private:
    CHistogramDlg& owner_;
};

CHistogramDlg::CHistogramDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Histogram"));
    setModal(false);

    auto* menuBar = new QMenuBar(this);
    QMenu* stretchMenu = menuBar->addMenu(tr("Height Stretch"));
    stretchItems_ = new QActionGroup(this);
    stretchItems_->setExclusive(true);
    for (const StretchItem& item : kStretchItems) {
        QAction* action = stretchMenu->addAction(tr(item.text));
        action->setCheckable(true);
        action->setChecked(item.factor == kInitialStretch);
        stretchItems_->addAction(action);
        const double factor = item.factor;
        connect(action, &QAction::triggered, this, [this, factor] { SetStretch(factor); });
    }

    plot_ = new Plot(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(plot_);
}

CHistogramDlg::~CHistogramDlg()
{
    record_.active = false;
    registration_.MoveTo(nullptr);
    std::lock_guard lock(record_.mutex);
    record_.window = nullptr;
}

void CHistogramDlg::Open(const AnalysisSource& source)
{
    Refresh(source, false);
    registration_.MoveTo(source.sinks);
    const QSize client = HistogramClientSize(screen()->availableGeometry().size());
    resize(client.width(), client.height() + layout()->menuBar()->sizeHint().height());
    show();
    raise();
    activateWindow();
    record_.active = true;
    plot_->update();
}

void CHistogramDlg::Reformat(const AnalysisSource& source)
{
    if (!IsActive())
        return;
    Refresh(source, true);
    registration_.MoveTo(source.sinks);
    plot_->update();
}

void CHistogramDlg::Refresh(const AnalysisSource& source, bool keepArea)
{
    std::lock_guard lock(record_.mutex);
    const bool areaFits = keepArea && AreaFitsImage(AreaOf(record_), source.width, source.height);
    record_.imageWidth = source.width;
    record_.imageHeight = source.height;
    record_.colour = IsColourSource(source.pixelFormat);
    record_.bitDepth = SensorBitDepth(source.pixelFormat);
    for (auto& table : record_.counts)
        table.fill(0);
    record_.window = this;
    if (!areaFits)
        StoreArea(record_, InitialHistogramArea(source.width, source.height));
    dragging_ = false;
}

HistogramArea CHistogramDlg::Area()
{
    std::lock_guard lock(record_.mutex);
    return AreaOf(record_);
}

void CHistogramDlg::PreviewButtonDown(QPoint imagePoint)
{
    if (!IsActive())
        return;
    const AreaDrag mode = HitTestArea(Area(), imagePoint);
    if (mode == AreaDrag::None)
        return;
    dragMode_ = mode;
    dragging_ = true;
    lastPoint_ = imagePoint;
}

Qt::CursorShape CHistogramDlg::PreviewMouseMove(QPoint imagePoint)
{
    if (!IsActive())
        return Qt::ArrowCursor;
    AreaDrag shown = dragMode_;
    {
        std::lock_guard lock(record_.mutex);
        HistogramArea area = AreaOf(record_);
        if (dragging_) {
            ApplyAreaDrag(area, dragMode_, imagePoint, lastPoint_, QSize(record_.imageWidth, record_.imageHeight));
            StoreArea(record_, area);
        } else {
            shown = HitTestArea(area, imagePoint);
        }
    }
    lastPoint_ = imagePoint;
    return AreaCursor(shown);
}

void CHistogramDlg::PreviewButtonUp(QPoint)
{
    dragging_ = false;
}

void CHistogramDlg::RequestRepaint()
{
    QMetaObject::invokeMethod(
        plot_, [this] { plot_->update(); }, Qt::QueuedConnection);
}

void CHistogramDlg::done(int result)
{
    QDialog::done(result);
    dragging_ = false;
    if (record_.active.exchange(false))
        emit closed();
}

void CHistogramDlg::SetStretch(double factor)
{
    stretch_ = factor;
    plot_->update();
}

void CHistogramDlg::PaintPlot(QPainter& target, QSize client)
{
    const bool colour = record_.colour;
    const int bitDepth = record_.bitDepth;
    const int binCount = HistogramBinCount(colour, bitDepth);
    const int channels = colour ? HistogramRecord::kChannelCount : 1;
    HistogramArea area;
    std::vector<uint32_t> counts(static_cast<size_t>(channels) * binCount);
    {
        std::lock_guard lock(record_.mutex);
        area = AreaOf(record_);
        for (int channel = 0; channel < channels; ++channel)
            std::copy_n(record_.counts[channel].begin(), binCount, counts.begin() + channel * binCount);
    }

    const int64_t fullScale = HistogramFullScale(area, stretch_);
    if (fullScale > 0) {
        QImage picture(client, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        const HistogramLayout layout = ComputeHistogramLayout(client.width(), client.height());
        const QRect plot(QPoint(HistogramLayout::kLeft, HistogramLayout::kTop), QPoint(layout.right, layout.bottom));
        DrawPlotFrame(painter, QRect(QPoint(kFrameLeft, HistogramLayout::kTop), plot.bottomRight() + QPoint(1, 1)));
        DrawVerticalAxis(painter, HistogramCountLabels(layout, fullScale, bitDepth), kCountLabelLeft, kCountLabelRight,
                         plot);
        DrawHorizontalAxis(painter, HistogramValueLabels(layout, bitDepth), plot);
        for (int channel = 0; channel < channels; ++channel) {
            painter.setPen(ChannelColour(colour, channel));
            painter.drawPolyline(HistogramCurve(layout, counts.data() + channel * binCount, binCount, fullScale));
        }
        painter.end();
        picture_ = picture;
    }
    target.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    target.drawImage(0, 0, picture_);
}
