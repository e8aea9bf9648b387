#include "capturewindows/RecordingProgressBar.h"

#include "capture/CRecordingControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kRefreshMs = 250;
constexpr int kSecondsPerMinute = 60;
} // namespace

RecordingProgressBar::RecordingProgressBar(CRecordingControl& control, QWidget* parent)
    : QWidget(parent),
      control_(control),
      label_(new QLabel(this)),
      stop_(new QPushButton(tr("Stop Recording"), this)),
      timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("RecordingProgressBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(label_, 1);
    layout->addWidget(stop_);
    setAutoFillBackground(true);
    connect(stop_, &QPushButton::clicked, this, [this] { control_.Stop(); });
    connect(timer_, &QTimer::timeout, this, &RecordingProgressBar::Refresh);
    hide();
}

void RecordingProgressBar::Begin()
{
    Refresh();
    show();
    timer_->start(kRefreshMs);
}

void RecordingProgressBar::Finish()
{
    timer_->stop();
    hide();
}

QString RecordingProgressBar::Text() const
{
    return label_->text();
}

void RecordingProgressBar::Refresh()
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(control_.Elapsed()).count();
    const QString text = control_.IsWaitingForCamera()
                             ? tr("Recording: %1 of %2 frames, %3:%4, waiting for the lost camera")
                             : tr("Recording: %1 of %2 frames, %3:%4");
    label_->setText(text.arg(control_.FramesRecorded())
                        .arg(control_.PlannedFrames())
                        .arg(seconds / kSecondsPerMinute)
                        .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0')));
}
