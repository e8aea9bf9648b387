#include "cli/CliCamera.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FrameConverter.h"
#include "camera/RecorderSlot.h"
#include "capture/AviWriter.h"
#include "capture/CRecordingControl.h"
#include "capture/RecordingEstimates.h"
#include "cli/CliRecordReconnect.h"
#include "imaging/PixelConversion.h"
#include "platform/SignalWatch.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkDiscoveryRecord.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <optional>
#include <ostream>
#include <string_view>

namespace {

// The recording is given up when no frame arrives for this long.
constexpr auto kStallLimit = std::chrono::seconds(10);
constexpr auto kProgressCheckInterval = std::chrono::milliseconds(200);
// How long a camera that stopped sending has to answer before it counts as gone.
constexpr auto kAliveCheckWait = std::chrono::milliseconds(500);

struct CodecName {
    std::string_view name;
    std::uint32_t compressor;
};

constexpr CodecName kCodecs[] = {
    {"mjpeg", kCompressorMotionJpeg},    {"odml", kCompressorMotionJpegOpenDml},
    {"raw", kCompressorUncompressed},    {"mp42", kCompressorMsMpeg4V2},
    {"ffv1", kCompressorFfv1},           {"png", kCompressorPngImages},
    {"png16", kCompressorPng16Images},   {"tiff", kCompressorTiffImages},
    {"tiff16", kCompressorTiff16Images},
};

// The longest --seconds: what a timer's milliseconds can count.
constexpr double kMaxSeconds = 2000000.0;

struct RecordRequest {
    std::vector<std::string> cameraArgs;
    RecordingSettings settings;
    bool framesGiven = false;
    // --seconds, or 0 for none.
    double seconds = 0.0;
};

bool ParseNumber(const std::string& text, std::uint32_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseSeconds(const std::string& text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) && value > 0.0 &&
           value <= kMaxSeconds;
}

constexpr std::string_view kRecordOptions[] = {"--frames", "--seconds", "--codec", "--quality"};

// Takes --frames, --seconds, --codec and --quality (as "--name value" or "--name=value")
// out of args and leaves the rest to the camera options. Gives the problem, or
// an empty text.
QString ParseRecordOptions(const std::vector<std::string>& args, RecordRequest& request)
{
    request.settings.compressor = kCompressorMotionJpeg;
    request.settings.frames = kUnplannedFrames;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto option = std::find_if(std::begin(kRecordOptions), std::end(kRecordOptions), [&arg](auto name) {
            return arg == name || (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
        });
        if (option == std::end(kRecordOptions)) {
            request.cameraArgs.push_back(arg);
            continue;
        }
        const std::string_view name = *option;
        std::string value;
        if (arg.size() > name.size())
            value = arg.substr(name.size() + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return LumivexCli::tr("%1 needs a value").arg(QString::fromUtf8(name.data(), qsizetype(name.size())));

        std::uint32_t number = 0;
        if (name == "--frames") {
            if (!ParseNumber(value, number) || number == 0)
                return LumivexCli::tr("--frames needs a number of frames above 0, not '%1'")
                    .arg(QString::fromStdString(value));
            request.settings.frames = number;
            request.framesGiven = true;
        } else if (name == "--seconds") {
            if (!ParseSeconds(value, request.seconds))
                return LumivexCli::tr("--seconds needs a time in seconds above 0, not '%1'")
                    .arg(QString::fromStdString(value));
        } else if (name == "--quality") {
            if (!ParseNumber(value, number) || number < std::uint32_t{kMinRecordingQuality} ||
                number > std::uint32_t{kMaxRecordingQuality})
                return LumivexCli::tr("--quality needs a number from 1 to 100, not '%1'")
                    .arg(QString::fromStdString(value));
            request.settings.quality = static_cast<int>(number);
        } else {
            const auto codec = std::find_if(std::begin(kCodecs), std::end(kCodecs),
                                            [&value](const CodecName& codec) { return codec.name == value; });
            if (codec == std::end(kCodecs))
                return LumivexCli::tr(
                           "unknown codec '%1'; use mjpeg, odml, raw, mp42, ffv1, png, png16, tiff or tiff16")
                    .arg(QString::fromStdString(value));
            request.settings.compressor = codec->compressor;
        }
    }
    return {};
}

// The acquisition thread's conversion, as the viewer does it.
class PixelConverter : public FrameConverter {
public:
    bool ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                      uint8_t* destination, int32_t interpolationMethod) const override
    {
        return ::ConvertFrame(pixelFormat, height, raw, rawSize, width, destination, interpolationMethod);
    }
    bool MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override
    {
        return ::MirrorGrayImage(pixels, width, height, mode);
    }
    bool MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override
    {
        return ::MirrorColorImage(pixels, width, height, mode);
    }
};

// How a recording wait ended.
enum class RecordingEnd { Finished, Stalled };

// Runs the recording until its last file is closed; Stalled when frames stop
// coming for kStallLimit first. A lost camera that is waited for does not stall
// it. The recording is stopped, its file finalised, after `seconds` (when above
// 0) and when the watch catches a signal.
RecordingEnd WaitForRecording(CRecordingControl& control, double seconds, SignalWatch& interruptions,
                              RecordingReconnect* reconnect)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&control, &CRecordingControl::recordingFinished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&interruptions, &SignalWatch::signalled, &control, &CRecordingControl::Stop);
    std::uint64_t lastCount = 0;
    auto lastProgress = std::chrono::steady_clock::now();
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        const auto now = std::chrono::steady_clock::now();
        if (reconnect && reconnect->Check()) {
            lastProgress = now;
            return;
        }
        if (control.FramesRecorded() != lastCount) {
            lastCount = control.FramesRecorded();
            lastProgress = now;
        } else if (now - lastProgress > kStallLimit) {
            loop.quit();
        }
    });
    watchdog.start(kProgressCheckInterval);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &control, &CRecordingControl::Stop);
    if (seconds > 0.0)
        deadline.start(std::chrono::milliseconds(std::llround(seconds * 1000.0)));
    // A signal caught while the camera was being connected stops it at once.
    if (interruptions.FirstSignal() != 0)
        control.Stop();
    loop.exec();
    return finished ? RecordingEnd::Finished : RecordingEnd::Stalled;
}

} // namespace

int CliRecord(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli record -c ADDR [--frames N | --seconds S]\n"
                       "                          [--codec mjpeg|odml|raw|mp42|ffv1|png|png16|tiff|tiff16]\n"
                       "                          [--quality Q] [--reconnect [--reconnect-timeout S]]\n"
                       "                          FILE.avi|FILE.mkv|FOLDER\n"
                       "Records N frames, or for S seconds, from the camera at ADDR into FILE.avi, as\n"
                       "the viewer's movie recording does: Motion JPEG (mjpeg, the default), Motion\n"
                       "JPEG in the OpenDML layout for files beyond 1 GB (odml), uncompressed (raw) or\n"
                       "MS-MPEG4 V2 (mp42). With neither N nor S it records until interrupted.\n"
                       "Q, from 1 to 100 (default 75), is the Motion JPEG quality. ffv1 records\n"
                       "losslessly into FILE.mkv at the camera's own depth; png, png16, tiff and tiff16\n"
                       "write numbered 8 or 16-bit images into FOLDER. Beside the recording,\n"
                       "FILE.frames.csv lists every frame's index, camera frame id, timestamps and the\n"
                       "camera frames missing before it; a summary ends the output. With --reconnect,\n"
                       "a camera that stops answering is waited for up to S seconds (default 60): its\n"
                       "file is closed, and the recording goes on in the next numbered file\n"
                       "(FILE_2.avi, ...) once the camera answers again at its address. Ctrl+C\n"
                       "(SIGINT), SIGTERM or SIGHUP ends the recording with a complete file and exits\n"
                       "with 130, 143 or 129; a second Ctrl+C ends the program at once. Exits with 1\n"
                       "when the recording cannot start or the camera stops sending frames (or, with\n"
                       "--reconnect, does not come back in time).\n");
    RecordRequest request;
    std::vector<std::string> args = context.args;
    ReconnectOptions reconnectOptions;
    QString problem = TakeReconnectOptions(args, reconnectOptions);
    if (problem.isEmpty())
        problem = ParseRecordOptions(args, request);
    request.settings.continueAfterLoss = reconnectOptions.enabled;
    const CliCameraOptions options = ParseCameraOptions(request.cameraArgs);
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    if (problem.isEmpty() && !options.error.empty())
        problem = QString::fromStdString(options.error);
    if (problem.isEmpty() && options.address.empty())
        problem = LumivexCli::tr("no camera given; name it with -c ADDR");
    if (problem.isEmpty() && request.framesGiven && request.seconds > 0.0)
        problem = LumivexCli::tr("give either --frames or --seconds, not both");
    if (problem.isEmpty() && options.operands.size() != 1)
        problem = LumivexCli::tr("name exactly one movie file");
    if (problem.isEmpty() && RecordingTargetPath(options.operands.front(), request.settings.compressor).empty())
        problem = LumivexCli::tr("the movie file must end in .avi, or .mkv for ffv1");
    if (!problem.isEmpty()) {
        context.err << "lumivex-cli: " << problem.toStdString() << "\n" << usage.toStdString();
        return kCliUsageError;
    }
    const std::string path = RecordingTargetPath(options.operands.front(), request.settings.compressor);
    // From here on an interruption ends the work cleanly, the camera released.
    SignalWatch interruptions({SIGINT, SIGTERM, SIGHUP});

    ErrorStreamReporter reporter(context.err);
    CameraConnection camera;
    if (!ConnectCameraInfo(context, options.address, camera, reporter))
        return kCliFailure;
    if (const int signal = interruptions.FirstSignal(); signal != 0)
        return SignalWatch::ExitStatus(signal);
    RecorderSlot slot;
    CRecordingControl control(slot);
    PixelConverter converter;
    if (!camera.Acquisition().StartThread(nullptr, converter)) {
        context.err << LumivexCli::tr("lumivex-cli: cannot start the acquisition thread\n").toStdString();
        return kCliFailure;
    }
    camera.Acquisition().StartAcquisition();
    std::optional<RecordingReconnect> reconnect;
    if (reconnectOptions.enabled)
        reconnect.emplace(camera, control, converter, reconnectOptions.timeout, context.err);

    int status = kCliSuccess;
    if (!control.Record(camera, path, request.settings)) {
        context.err
            << LumivexCli::tr("lumivex-cli: cannot record into %1\n").arg(QString::fromStdString(path)).toStdString();
        status = kCliFailure;
    } else if (WaitForRecording(control, request.seconds, interruptions, reconnect ? &*reconnect : nullptr) ==
               RecordingEnd::Stalled) {
        const QString stalled =
            request.framesGiven
                ? LumivexCli::tr("lumivex-cli: the camera stopped sending frames; %1 of %2 frames recorded\n")
                      .arg(control.FramesRecorded())
                      .arg(request.settings.frames)
                : LumivexCli::tr("lumivex-cli: the camera stopped sending frames; %1 frames recorded\n")
                      .arg(control.FramesRecorded());
        context.err << stalled.toStdString();
        status = kCliFailure;
        // A camera that no longer answers is gone: stopping it would only
        // wait for its timeouts.
        if (!camera.GetDevice().Answers(kAliveCheckWait))
            camera.Abandon();
    } else if (reconnect && reconnect->Failed()) {
        const QString ended = request.framesGiven
                                  ? LumivexCli::tr("lumivex-cli: %1 of %2 frames recorded.\n")
                                        .arg(control.FramesRecorded())
                                        .arg(request.settings.frames)
                                  : LumivexCli::tr("lumivex-cli: %1 frames recorded.\n").arg(control.FramesRecorded());
        context.err << ended.toStdString();
        status = kCliFailure;
    } else if (const QString problem = control.EndProblem(); !problem.isEmpty()) {
        const QString ended =
            request.framesGiven
                ? LumivexCli::tr("lumivex-cli: %1 %2 of %3 frames recorded.\n")
                      .arg(problem)
                      .arg(control.FramesRecorded())
                      .arg(request.settings.frames)
                : LumivexCli::tr("lumivex-cli: %1 %2 frames recorded.\n").arg(problem).arg(control.FramesRecorded());
        context.err << ended.toStdString();
        status = kCliFailure;
    } else {
        context.out << LumivexCli::tr("Recorded %1 frames into %2\n")
                           .arg(control.FramesRecorded())
                           .arg(QString::fromStdString(path))
                           .toStdString();
        if (const QString losses = control.LossSummary(); !losses.isEmpty())
            context.out << losses.toStdString() << "\n";
        if (const int signal = interruptions.FirstSignal(); signal != 0)
            status = SignalWatch::ExitStatus(signal);
    }
    if (control.FramesRecorded() > 0)
        context.out << control.Summary().toStdString() << "\n";
    camera.Acquisition().StopAcquisition();
    camera.Acquisition().StopThread();
    return status;
}
