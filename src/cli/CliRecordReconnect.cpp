#include "cli/CliRecordReconnect.h"

#include "camera/AcquisitionThread.h"
#include "camera/CameraConnection.h"
#include "capture/CRecordingControl.h"
#include "cli/CliCommand.h"
#include "optionread/OptionBoardRead.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <string_view>

namespace {

constexpr std::string_view kReconnect = "--reconnect";
constexpr std::string_view kReconnectTimeout = "--reconnect-timeout";
constexpr double kMillisecondsPerSecond = 1000.0;

} // namespace

QString TakeReconnectOptions(std::vector<std::string>& args, ReconnectOptions& options)
{
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kReconnect) {
            options.enabled = true;
            continue;
        }
        const bool joined = arg.starts_with(std::string(kReconnectTimeout) + "=");
        if (arg != kReconnectTimeout && !joined) {
            rest.push_back(arg);
            continue;
        }
        std::string value;
        if (joined)
            value = arg.substr(kReconnectTimeout.size() + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return LumivexCli::tr("--reconnect-timeout needs a value");
        unsigned seconds = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (value.empty() || error != std::errc() || end != value.data() + value.size() || seconds == 0)
            return LumivexCli::tr("--reconnect-timeout needs a number of seconds above 0, not '%1'")
                .arg(QString::fromStdString(value));
        options.timeout = std::chrono::seconds(seconds);
    }
    args = std::move(rest);
    return {};
}

RecordingReconnect::RecordingReconnect(CameraConnection& camera, CRecordingControl& control,
                                       const FrameConverter& converter, std::chrono::seconds timeout, std::ostream& err)
    : camera_(camera),
      control_(control),
      converter_(converter),
      timeout_(timeout),
      err_(err)
{
}

bool RecordingReconnect::Check()
{
    if (failed_)
        return true;
    if (!search_) {
        const AcquisitionThread* thread = camera_.Acquisition().GetThread();
        if (!thread || !thread->CameraLost())
            return false;
        control_.CameraLost();
        // Stopping a camera that does not answer would only wait for its timeouts.
        camera_.Abandon();
        search_.emplace(camera_.Identity().ipAddress, camera_.Identity().macAddress);
        err_ << LumivexCli::tr("lumivex-cli: the camera at %1 no longer answers; waiting up to %2 s for it\n")
                    .arg(QString::fromStdString(camera_.Identity().ipAddress))
                    .arg(timeout_.count())
                    .toStdString();
        return true;
    }
    const auto away = std::chrono::steady_clock::now() - search_->Since();
    if (const std::optional<SdkDiscoveryRecord> found = search_->Poll()) {
        // One still starting up may refuse the connection; it is asked again.
        const bool back = camera_.Reconnect(*found) == 1;
        if (back)
            ReadOptionBoard(camera_);
        if (back && camera_.Acquisition().StartThread(nullptr, converter_)) {
            camera_.Acquisition().StartAcquisition();
            search_.reset();
            if (!control_.CameraBack(camera_)) {
                Fail(LumivexCli::tr("lumivex-cli: the camera is back, but the recording cannot go on\n"));
                return true;
            }
            err_ << LumivexCli::tr("lumivex-cli: the camera is back after %1 s; the recording goes on\n")
                        .arg(double(std::chrono::duration_cast<std::chrono::milliseconds>(away).count()) /
                                 kMillisecondsPerSecond,
                             0, 'f', 1)
                        .toStdString();
            return false;
        }
    }
    if (away > timeout_) {
        control_.Stop();
        Fail(LumivexCli::tr("lumivex-cli: the camera did not answer again within %1 s\n").arg(timeout_.count()));
    }
    return true;
}

void RecordingReconnect::Fail(const QString& reason)
{
    failed_ = true;
    err_ << reason.toStdString();
}
