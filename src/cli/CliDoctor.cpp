// lumivex-cli doctor: streams from a camera for a while and says how the
// link holds up, and what to change when packets are lost.
#include "cli/CliCamera.h"

#include "camera/CameraConnection.h"
#include "camera/LinkDiagnosis.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <algorithm>
#include <chrono>
#include <ostream>

namespace {

constexpr double kDefaultSeconds = 10.0;
constexpr double kMaxSeconds = 24 * 3600.0;
constexpr uint32_t kRetrieveWaitMs = 200;
constexpr auto kFirstFrameWait = std::chrono::seconds(5);
constexpr double kBytesPerMegabyte = 1e6;
constexpr uint64_t kKilobyte = 1024;
constexpr std::string_view kSecondsOption = "--seconds";

// Takes --seconds out of args, leaving the rest to the camera options.
QString ParseSeconds(std::vector<std::string>& args, double& seconds)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == kSecondsOption) {
            if (i + 1 == args.size())
                return LumivexCli::tr("%1 needs a value").arg(QString::fromUtf8(kSecondsOption.data()));
            value = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        } else if (arg.starts_with(std::string(kSecondsOption) + "=")) {
            value = arg.substr(kSecondsOption.size() + 1);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            continue;
        }
        bool ok = false;
        seconds = QString::fromStdString(value).toDouble(&ok);
        if (!ok || !(seconds > 0.0) || seconds > kMaxSeconds)
            return LumivexCli::tr("--seconds needs a number of seconds above 0, not '%1'")
                .arg(QString::fromStdString(value));
        --i;
    }
    return {};
}

// Columns a text takes in a terminal: East Asian wide characters take two,
// so that translated labels still line their values up.
int TerminalWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

void Field(std::ostream& out, const QString& label, const QString& value)
{
    constexpr int kLabelColumns = 16;
    const QString text = label + QLatin1Char(':');
    const QString padding(std::max(0, kLabelColumns - TerminalWidth(text)), QLatin1Char(' '));
    out << (text + padding).toStdString() << ' ' << value.toStdString() << '\n';
}

} // namespace

int CliDoctor(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli doctor -c ADDR [--seconds S]\n"
                       "Streams from the camera at ADDR for S seconds (default 10) and prints the\n"
                       "negotiated packet size, the socket buffer and the system's maximum, the frames\n"
                       "completed and failed, the packets missing and resent, the MB/s and, when\n"
                       "packets were lost, the likely cause and what to change. Measuring starts with\n"
                       "the first complete frame. Exits with 0 when no packet went missing and no\n"
                       "frame failed, 1 otherwise.\n");
    std::vector<std::string> args = context.args;
    double seconds = kDefaultSeconds;
    const QString problem = ParseSeconds(args, seconds);
    CliCameraOptions options = ParseCameraOptions(args);
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    QString complaint = !problem.isEmpty() ? problem : QString::fromStdString(options.error);
    if (complaint.isEmpty() && options.address.empty())
        complaint = LumivexCli::tr("no camera given; name it with -c ADDR");
    if (complaint.isEmpty() && !options.operands.empty())
        complaint = LumivexCli::tr("unexpected argument '%1'").arg(QString::fromStdString(options.operands.front()));
    if (!complaint.isEmpty()) {
        context.err << "lumivex-cli: " << complaint.toStdString() << "\n" << usage.toStdString();
        return kCliUsageError;
    }

    ErrorStreamReporter reporter(context.err);
    CameraConnection camera;
    if (!ConnectCameraInfo(context, options.address, camera, reporter))
        return kCliFailure;
    SdkStream& stream = camera.GetStream();
    SdkPipeline& pipeline = camera.GetPipeline();
    pipeline.Start();
    camera.Acquisition().StartAcquisition();
    // Measuring begins with the first complete frame: a camera that starts
    // sending in the middle of a frame makes the first one incomplete
    // whatever the link.
    const auto firstFrameDeadline = std::chrono::steady_clock::now() + kFirstFrameWait;
    uint64_t bytes = 0;
    bool started = false;
    while (!started && std::chrono::steady_clock::now() < firstFrameDeadline) {
        SdkBuffer* buffer = nullptr;
        started = pipeline.RetrieveNextBuffer(buffer, kRetrieveWaitMs).IsOK() && buffer;
        if (started)
            pipeline.ReleaseBuffer(buffer);
    }
    SdkStreamStatistics before;
    stream.GetStatistics(before);
    const auto start = std::chrono::steady_clock::now();
    const auto end =
        start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
    while (started && std::chrono::steady_clock::now() < end) {
        SdkBuffer* buffer = nullptr;
        if (pipeline.RetrieveNextBuffer(buffer, kRetrieveWaitMs).IsOK() && buffer) {
            bytes += buffer->GetDataSize();
            pipeline.ReleaseBuffer(buffer);
        }
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    SdkStreamStatistics after;
    stream.GetStatistics(after);
    camera.Acquisition().StopAcquisition();
    pipeline.Stop();

    LinkFacts facts;
    ReadLinkSettings(camera, facts);
    facts.missingPackets = after.missingPackets - before.missingPackets;
    facts.resentPackets = after.resentPackets - before.resentPackets;
    facts.failedFrames = after.failedBuffers - before.failedBuffers;
    facts.megabytesPerSecond = elapsed > 0.0 ? static_cast<double>(bytes) / kBytesPerMegabyte / elapsed : 0.0;
    facts.linkMegabytesPerSecond = facts.megabytesPerSecond;
    const uint64_t completed = after.completedBuffers - before.completedBuffers;

    std::ostream& out = context.out;
    const QString card = facts.interfaceName.empty() ? QString()
                                                     : LumivexCli::tr(" (through %1, MTU %2)")
                                                           .arg(QString::fromStdString(facts.interfaceName))
                                                           .arg(facts.interfaceMtu);
    Field(out, LumivexCli::tr("Camera"), QString::fromStdString(options.address) + card);
    Field(out, LumivexCli::tr("Packet size"), LumivexCli::tr("%1 bytes").arg(facts.packetSize));
    Field(out, LumivexCli::tr("Packet delay"),
          facts.packetDelay < 0 ? LumivexCli::tr("unknown") : LumivexCli::tr("%1 (GevSCPD)").arg(facts.packetDelay));
    Field(out, LumivexCli::tr("Receive path"),
          stream.UsesPacketSocket() ? LumivexCli::tr("packet socket") : LumivexCli::tr("UDP socket"));
    Field(out, LumivexCli::tr("Socket buffer"),
          LumivexCli::tr("%1 KB asked for, system maximum %2 KB (net.core.rmem_max)")
              .arg(facts.socketBuffer / kKilobyte)
              .arg(facts.rmemMax / kKilobyte));
    Field(out, LumivexCli::tr("Frames"),
          LumivexCli::tr("%1 completed, %2 failed, %3 of another format or size")
              .arg(completed)
              .arg(facts.failedFrames)
              .arg(after.mismatchedFrames - before.mismatchedFrames));
    Field(out, LumivexCli::tr("Packets"),
          LumivexCli::tr("%1 missing, %2 resent").arg(facts.missingPackets).arg(facts.resentPackets));
    Field(out, LumivexCli::tr("Throughput"),
          LumivexCli::tr("%1 MB/s over %2 s").arg(facts.megabytesPerSecond, 0, 'f', 2).arg(elapsed, 0, 'f', 1));

    // The verdict comes first; advice after a clean run with resends says
    // how to need fewer of them.
    const bool lost = facts.missingPackets > 0 || facts.failedFrames > 0;
    if (completed == 0)
        out << LumivexCli::tr("No frame arrived.").toStdString() << '\n';
    else if (!lost && facts.resentPackets > 0)
        out << LumivexCli::tr("Nothing was lost: resent packets made up for every loss.").toStdString() << '\n';
    else if (!lost)
        out << LumivexCli::tr("Nothing was lost.").toStdString() << '\n';
    const std::vector<LossCause> causes = DiagnoseLoss(facts);
    if (!causes.empty()) {
        out << (lost ? LumivexCli::tr("To change:") : LumivexCli::tr("To need fewer resends:")).toStdString() << '\n';
        for (LossCause cause : causes)
            out << "  - " << LinkDiagnosis::Advice(cause, facts).toStdString() << '\n';
    }
    return lost || completed == 0 ? kCliFailure : kCliSuccess;
}
