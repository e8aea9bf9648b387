#pragma once

#include "camera/StreamStatistics.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>
#include <optional>
#include <string>

class CameraContext;
class CDeviceInfo;

// Samples every connected camera's stream once a second: the acquisition
// thread's frame counts and the SDK's packet and buffer counts. Keeps a
// status text per camera and, when given a log file, appends one line per
// camera and second to it.
class StreamStatsMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int kSampleIntervalMs = 1000;

    // Starts sampling; context must outlive the monitor.
    explicit StreamStatsMonitor(CameraContext& context, QObject* parent = nullptr);

    // Appends to this file from the next sample on (empty: no log).
    void SetLogPath(std::string path) { logPath_ = std::move(path); }
    // The camera at index's statistics text; until its second sample, a
    // text that says they are being measured.
    QString Text(int index) const;
    // Why the camera at index lost packets lately and what to change; empty
    // when it lost none for a while.
    QString Advice(int index) const;
    // Takes a sample now; the timer calls it.
    void Sample();

    // The camera's address as the log names it (its MAC when it has none).
    static std::string CameraName(const CDeviceInfo& camera);
    static QString StatsText(const StreamRates& rates);

    // How long the advice on lost packets stays after the last loss.
    static constexpr std::chrono::seconds kAdviceHold{10};
    // How often the camera's packet size and delay are read again while it streams well.
    static constexpr std::chrono::seconds kLinkRereadInterval{10};

signals:
    void sampled();

private:
    struct Entry {
        const CDeviceInfo* camera = nullptr;
        StreamCounts counts;
        std::chrono::steady_clock::time_point time;
        QString text;
        // Why packets were lost lately and what to change.
        QString advice;
        std::chrono::steady_clock::time_point lastLoss;
        StreamRates rates;
        // The camera's packet size and delay, as last read while it streamed
        // without loss; a camera losing packets may be one that is gone, and
        // each read of it would hold the window for the control timeouts.
        uint32_t packetSize = 0;
        int32_t packetDelay = -1;
        std::optional<std::chrono::steady_clock::time_point> linkReadAt;
    };

    // Reads the link's settings and diagnoses the entry's latest loss.
    void Advise(int index, std::chrono::steady_clock::time_point now);

    CameraContext& context_;
    QTimer timer_;
    std::string logPath_;
    bool logFailureReported_ = false;
    std::array<Entry, 4> entries_;
};
