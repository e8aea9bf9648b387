#pragma once

#include "camera/StreamStatistics.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>
#include <string>

class CameraContext;
class CameraConnection;

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
    static std::string CameraName(const CameraConnection& camera);
    static QString StatsText(const StreamRates& rates);

    // How long the advice on lost packets stays after the last loss.
    static constexpr std::chrono::seconds kAdviceHold{10};

signals:
    void sampled();

private:
    struct Entry {
        const CameraConnection* camera = nullptr;
        StreamCounts counts;
        std::chrono::steady_clock::time_point time;
        QString text;
        // Why packets were lost lately and what to change.
        QString advice;
        std::chrono::steady_clock::time_point lastLoss;
        StreamRates rates;
    };

    // Diagnoses the entry's latest loss from the link's settings.
    void Advise(int index, std::chrono::steady_clock::time_point now);

    CameraContext& context_;
    QTimer timer_;
    std::string logPath_;
    bool logFailureReported_ = false;
    std::array<Entry, 4> entries_;
};
