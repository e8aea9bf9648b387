#pragma once

#include "camera/CameraReturnSearch.h"

#include <QString>

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class CameraConnection;
class CRecordingControl;
class FrameConverter;

// `record --reconnect [--reconnect-timeout S]`.
struct ReconnectOptions {
    static constexpr std::chrono::seconds kDefaultTimeout{60};

    bool enabled = false;
    std::chrono::seconds timeout = kDefaultTimeout;
};

// Takes --reconnect and --reconnect-timeout S (or =S) out of args; gives the
// problem with them, or an empty text.
QString TakeReconnectOptions(std::vector<std::string>& args, ReconnectOptions& options);

// Keeps `record --reconnect` going across a lost camera. When the camera's
// acquisition thread finds it gone, the file being written is finalised, the
// camera let go, and its address asked for a camera with the same MAC
// address; once one answers, it is connected anew and the recording goes on
// in the next numbered file. A camera away longer than the timeout ends the
// recording with the files written.
class RecordingReconnect {
public:
    RecordingReconnect(CameraConnection& camera, CRecordingControl& control, const FrameConverter& converter,
                       std::chrono::seconds timeout, std::ostream& err);

    // Called from the recording's watchdog a few times a second. True while
    // the camera is lost and waited for: no frame is to be expected then.
    bool Check();
    // The camera did not come back in time, or the recording could not go on
    // once it did; the recording has ended and the reason was written.
    bool Failed() const { return failed_; }

private:
    void Fail(const QString& reason);

    CameraConnection& camera_;
    CRecordingControl& control_;
    const FrameConverter& converter_;
    const std::chrono::seconds timeout_;
    std::ostream& err_;
    std::optional<CameraReturnSearch> search_;
    bool failed_ = false;
};
