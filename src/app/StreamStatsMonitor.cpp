#include "app/StreamStatsMonitor.h"

#include "camera/AcquisitionThread.h"
#include "camera/CameraConnection.h"
#include "camera/LinkDiagnosis.h"
#include "context/CameraContext.h"
#include "sdk/SdkStream.h"

#include <QDateTime>

#include <algorithm>
#include <cstdio>

namespace {

StreamCounts ReadCounts(CameraConnection& camera)
{
    StreamCounts counts;
    if (const AcquisitionThread* thread = camera.Acquisition().GetThread())
        counts = thread->FrameCounts();
    SdkStreamStatistics sdk;
    if (camera.GetStream().GetStatistics(sdk)) {
        counts.missingPackets = sdk.missingPackets;
        counts.resentPackets = sdk.resentPackets;
        counts.failedBuffers = sdk.failedBuffers;
        counts.mismatchedFrames = sdk.mismatchedFrames;
    }
    return counts;
}

} // namespace

StreamStatsMonitor::StreamStatsMonitor(CameraContext& context, QObject* parent) : QObject(parent), context_(context)
{
    static_assert(std::tuple_size_v<decltype(entries_)> == CameraContext::kMaxCameras);
    connect(&timer_, &QTimer::timeout, this, &StreamStatsMonitor::Sample);
    timer_.start(kSampleIntervalMs);
}

QString StreamStatsMonitor::Text(int index) const
{
    if (index < 0 || index >= CameraContext::kMaxCameras || !context_.Camera(index))
        return {};
    const Entry& entry = entries_[index];
    return entry.camera == context_.Camera(index) && !entry.text.isEmpty() ? entry.text : tr("Measuring the stream...");
}

QString StreamStatsMonitor::Advice(int index) const
{
    if (index < 0 || index >= CameraContext::kMaxCameras || entries_[index].camera != context_.Camera(index))
        return {};
    return entries_[index].advice;
}

std::string StreamStatsMonitor::CameraName(const CameraConnection& camera)
{
    return camera.Identity().ipAddress.empty() ? camera.Identity().macAddress : camera.Identity().ipAddress;
}

QString StreamStatsMonitor::StatsText(const StreamRates& rates)
{
    return tr("%1 fps received, %2 fps shown, %3 MB/s, %4 dropped, %5 missing / %6 resent packets, "
              "%7 failed buffers")
               .arg(rates.receivedFps, 0, 'f', 1)
               .arg(rates.shownFps, 0, 'f', 1)
               .arg(rates.megabytesPerSecond, 0, 'f', 1)
               .arg(rates.droppedFrames)
               .arg(rates.missingPackets)
               .arg(rates.resentPackets)
               .arg(rates.failedBuffers) +
           (rates.mismatchedFrames == 0 ? QString()
                                        : tr(", %1 dropped for another format or size").arg(rates.mismatchedFrames));
}

void StreamStatsMonitor::Advise(int index, std::chrono::steady_clock::time_point now)
{
    Entry& entry = entries_[index];
    LinkFacts facts;
    facts.missingPackets = entry.rates.missingPackets;
    facts.resentPackets = entry.rates.resentPackets;
    facts.failedFrames = entry.rates.failedBuffers;
    CameraConnection& camera = *context_.Camera(index);
    if (PacketsLost(facts)) {
        if (const AcquisitionThread* thread = camera.Acquisition().GetThread()) {
            const StreamChannelSettings channel = thread->ChannelSettings();
            facts.packetSize = channel.packetSize;
            facts.packetDelay = channel.packetDelay;
        }
        ReadHostLinkSettings(camera, facts);
        facts.megabytesPerSecond = entry.rates.megabytesPerSecond;
        facts.camerasOnLink = 0;
        const std::string card = camera.GetStream().GetLocalIPAddress();
        for (int i = 0; i < CameraContext::kMaxCameras; ++i) {
            CameraConnection* other = context_.Camera(i);
            if (other != nullptr && entries_[i].rates.receivedFps > 0.0 &&
                other->GetStream().GetLocalIPAddress() == card) {
                ++facts.camerasOnLink;
                facts.linkMegabytesPerSecond += entries_[i].rates.megabytesPerSecond;
            }
        }
        facts.camerasOnLink = std::max(facts.camerasOnLink, 1);
        entry.advice = LinkDiagnosis::Summary(facts);
        entry.lastLoss = now;
        return;
    }
    if (now - entry.lastLoss >= kAdviceHold)
        entry.advice.clear();
}

void StreamStatsMonitor::Sample()
{
    const auto now = std::chrono::steady_clock::now();
    const std::string time = QDateTime::currentDateTime().toString(Qt::ISODate).toStdString();
    std::vector<std::string> lines;
    for (int i = 0; i < CameraContext::kMaxCameras; ++i) {
        Entry& entry = entries_[i];
        CameraConnection* camera = context_.Camera(i);
        if (!camera) {
            entry = Entry();
            continue;
        }
        const StreamCounts counts = ReadCounts(*camera);
        // A camera's first sample is where its counting starts.
        if (entry.camera == camera) {
            const double seconds = std::chrono::duration<double>(now - entry.time).count();
            const StreamRates rates = RatesBetween(entry.counts, counts, seconds);
            entry.text = StatsText(rates);
            entry.rates = rates;
            lines.push_back(StatsLogLine(time, CameraName(*camera), rates));
        } else {
            entry.text.clear();
            entry.advice.clear();
            entry.rates = StreamRates();
        }
        entry.camera = camera;
        entry.counts = counts;
        entry.time = now;
    }
    // Once every camera's rates are in: a shared link counts them all.
    for (int i = 0; i < CameraContext::kMaxCameras; ++i) {
        if (entries_[i].camera != nullptr && !entries_[i].text.isEmpty())
            Advise(i, now);
    }
    if (!logPath_.empty() && !lines.empty() && !AppendStatsLog(logPath_, lines) && !logFailureReported_) {
        const QString text = tr("Cannot write the statistics log %1.").arg(QString::fromStdString(logPath_));
        std::fprintf(stderr, "lumivex: %s\n", text.toLocal8Bit().constData());
        logFailureReported_ = true;
    }
    emit sampled();
}
