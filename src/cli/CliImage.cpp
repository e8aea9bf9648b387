// lumivex-cli convert and snapshot: a raw camera frame through the program's
// own conversion and still image writers.
#include "cli/CliCamera.h"

#include "camera/CameraConnection.h"
#include "capture/DeepStill.h"
#include "capture/SaveImageFile.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"
#include "sdk/SdkPipeline.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string_view>

namespace {

constexpr int kMaxInterpolation = 5;
constexpr int kMaxMirror = kMirrorBoth;
// How long snapshot waits for a complete frame.
constexpr auto kSnapshotWait = std::chrono::seconds(10);
constexpr uint32_t kRetrieveWaitMs = 500;

struct PixelFormatName {
    std::string_view name;
    uint32_t code;
};

// The GigE Vision names of the formats the converter takes; RGB8 and BGR8 are
// the newer names of the packed colour formats.
constexpr PixelFormatName kPixelFormats[] = {
    {"Mono8", kPixelFormatMono8},
    {"Mono10", kPixelFormatMono10},
    {"Mono10Packed", kPixelFormatMono10Packed},
    {"Mono12", kPixelFormatMono12},
    {"Mono12Packed", kPixelFormatMono12Packed},
    {"Mono14", kPixelFormatMono14},
    {"Mono16", kPixelFormatMono16},
    {"BayerGR8", kPixelFormatBayerGR8},
    {"BayerRG8", kPixelFormatBayerRG8},
    {"BayerGB8", kPixelFormatBayerGB8},
    {"BayerBG8", kPixelFormatBayerBG8},
    {"BayerGR10", kPixelFormatBayerGR10},
    {"BayerRG10", kPixelFormatBayerRG10},
    {"BayerGB10", kPixelFormatBayerGB10},
    {"BayerBG10", kPixelFormatBayerBG10},
    {"BayerGR12", kPixelFormatBayerGR12},
    {"BayerRG12", kPixelFormatBayerRG12},
    {"BayerGB12", kPixelFormatBayerGB12},
    {"BayerBG12", kPixelFormatBayerBG12},
    {"BayerGR10Packed", kPixelFormatBayerGR10Packed},
    {"BayerRG10Packed", kPixelFormatBayerRG10Packed},
    {"BayerGB10Packed", kPixelFormatBayerGB10Packed},
    {"BayerBG10Packed", kPixelFormatBayerBG10Packed},
    {"BayerGR12Packed", kPixelFormatBayerGR12Packed},
    {"BayerRG12Packed", kPixelFormatBayerRG12Packed},
    {"BayerGB12Packed", kPixelFormatBayerGB12Packed},
    {"BayerBG12Packed", kPixelFormatBayerBG12Packed},
    {"RGB8Packed", kPixelFormatRGB8Packed},
    {"RGB8", kPixelFormatRGB8Packed},
    {"BGR8Packed", kPixelFormatBGR8Packed},
    {"BGR8", kPixelFormatBGR8Packed},
};

std::optional<uint32_t> PixelFormatCode(const std::string& name)
{
    const auto found = std::find_if(std::begin(kPixelFormats), std::end(kPixelFormats),
                                    [&name](const PixelFormatName& format) { return format.name == name; });
    if (found == std::end(kPixelFormats))
        return std::nullopt;
    return found->code;
}

QString PixelFormatList()
{
    QStringList names;
    for (const PixelFormatName& format : kPixelFormats)
        names << QString::fromUtf8(format.name.data(), static_cast<qsizetype>(format.name.size()));
    return names.join(QStringLiteral(", "));
}

std::optional<int> ParseInt(const std::string& text, int min, int max)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

// The options of both commands: "--name value" or "--name=value" for the
// named ones, "-c"/"-o" with a value, the rest operands.
struct ImageOptions {
    std::string pixelFormat;
    std::string width;
    std::string height;
    std::string interpolation = "0";
    std::string mirror = "0";
    std::string depth = "8";
    std::string bayer = "rgb";
    std::string camera;
    std::string output;
    std::vector<std::string> operands;
    bool help = false;
    QString problem;
};

ImageOptions ParseImageOptions(const std::vector<std::string>& args, std::initializer_list<std::string_view> allowed)
{
    ImageOptions options;
    const std::pair<std::string_view, std::string ImageOptions::*> named[] = {
        {"--pixel-format", &ImageOptions::pixelFormat},
        {"--width", &ImageOptions::width},
        {"--height", &ImageOptions::height},
        {"--interpolation", &ImageOptions::interpolation},
        {"--mirror", &ImageOptions::mirror},
        {"-c", &ImageOptions::camera},
        {"--depth", &ImageOptions::depth},
        {"--bayer", &ImageOptions::bayer},
        {"--camera", &ImageOptions::camera},
        {"-o", &ImageOptions::output},
        {"--output", &ImageOptions::output},
    };
    for (size_t i = 0; i < args.size() && options.problem.isEmpty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            options.operands.push_back(arg);
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::find_if(std::begin(named), std::end(named),
                                         [&name](const auto& entry) { return entry.first == name; });
        const bool known =
            option != std::end(named) && std::find(allowed.begin(), allowed.end(), option->first) != allowed.end();
        if (!known) {
            options.problem = LumivexCli::tr("unknown option '%1'").arg(QString::fromStdString(arg));
        } else if (equals != std::string::npos) {
            options.*(option->second) = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            options.*(option->second) = args[++i];
        } else {
            options.problem = LumivexCli::tr("%1 needs a value").arg(QString::fromStdString(name));
        }
    }
    return options;
}

// What --depth and --bayer chose.
struct DepthChoice {
    bool deep = false;
    bool rawBayer = false;
};

// Checks the interpolation, mirror, depth and Bayer values; an empty text when all fit.
QString CheckConversionOptions(const ImageOptions& options, int& interpolation, int& mirror, DepthChoice& depth)
{
    if (options.depth != "8" && options.depth != "16")
        return LumivexCli::tr("--depth takes 8 or 16, not '%1'").arg(QString::fromStdString(options.depth));
    if (options.bayer != "rgb" && options.bayer != "raw")
        return LumivexCli::tr("--bayer takes rgb or raw, not '%1'").arg(QString::fromStdString(options.bayer));
    depth.deep = options.depth == "16";
    depth.rawBayer = options.bayer == "raw";
    const std::optional<int> method = ParseInt(options.interpolation, 0, kMaxInterpolation);
    if (!method)
        return LumivexCli::tr("--interpolation takes 0 to %1, not '%2'")
            .arg(kMaxInterpolation)
            .arg(QString::fromStdString(options.interpolation));
    const std::optional<int> mode = ParseInt(options.mirror, 0, kMaxMirror);
    if (!mode)
        return LumivexCli::tr("--mirror takes 0 to %1, not '%2'")
            .arg(kMaxMirror)
            .arg(QString::fromStdString(options.mirror));
    interpolation = *method;
    mirror = *mode;
    return {};
}

int UsageError(CliContext& context, const QString& problem, const QString& usage)
{
    context.err << "lumivex-cli: " << problem.toStdString() << "\n" << usage.toStdString();
    return kCliUsageError;
}

void ReportSaveFailure(CliContext& context, const std::string& path, const QString& reason)
{
    context.err
        << LumivexCli::tr("lumivex-cli: cannot save %1: %2\n").arg(QString::fromStdString(path), reason).toStdString();
}

int ReportShortFrame(CliContext& context, uint32_t pixelFormat, int width, int height, size_t rawSize)
{
    context.err << LumivexCli::tr("lumivex-cli: cannot convert the frame: %1 bytes of raw data for %2 x %3 "
                                  "need %4\n")
                       .arg(rawSize)
                       .arg(width)
                       .arg(height)
                       .arg(RawFrameSize(pixelFormat, width, height))
                       .toStdString();
    return kCliFailure;
}

// The frame's samples unscaled in 16 bits; the problem on err.
int SaveDeep(CliContext& context, uint32_t pixelFormat, int width, int height, const uint8_t* raw, size_t rawSize,
             int mirror, bool rawBayer, const std::string& path)
{
    if (!HasDeepSamples(pixelFormat)) {
        ReportSaveFailure(context, path,
                          LumivexCli::tr("16 bits are for frames of more than 8 bits a sample "
                                         "(Mono10 to Mono16, 10 and 12-bit Bayer)"));
        return kCliFailure;
    }
    if (!HoldsSixteenBits(path)) {
        ReportSaveFailure(context, path,
                          LumivexCli::tr("BMP and JPEG hold 8 bits only; use .png, .tif, .tiff or .raw "
                                         "for 16 bits"));
        return kCliFailure;
    }
    DeepStill still;
    if (!MakeDeepStill(pixelFormat, raw, rawSize, width, height, mirror, rawBayer, still)) {
        return ReportShortFrame(context, pixelFormat, width, height, rawSize);
    }
    errno = 0;
    if (!SaveDeepStill(still, path)) {
        ReportSaveFailure(context, path, QString::fromLocal8Bit(std::strerror(errno ? errno : EIO)));
        return kCliFailure;
    }
    context.out << LumivexCli::tr("Saved %1 x %2 at 16 bits into %3\n")
                       .arg(width)
                       .arg(height)
                       .arg(QString::fromStdString(path))
                       .toStdString();
    return kCliSuccess;
}

// Converts, mirrors and saves one raw frame; the problem on err.
int ConvertAndSave(CliContext& context, uint32_t pixelFormat, int width, int height, const uint8_t* raw, size_t rawSize,
                   int interpolation, int mirror, const DepthChoice& depth, const std::string& path)
{
    if (depth.deep)
        return SaveDeep(context, pixelFormat, width, height, raw, rawSize, mirror, depth.rawBayer, path);
    const int bytesPerPixel = ConvertedBytesPerPixel(pixelFormat);
    std::vector<uint8_t> image(static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerPixel);
    if (!ConvertFrame(pixelFormat, height, raw, rawSize, width, image.data(), interpolation)) {
        return ReportShortFrame(context, pixelFormat, width, height, rawSize);
    }
    const bool grey = bytesPerPixel == 1;
    if (grey)
        MirrorGrayImage(image.data(), width, height, mirror);
    else
        MirrorColorImage(image.data(), width, height, mirror);
    errno = 0;
    if (!SaveImageFile(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                       grey ? STILL_IMAGE_GREY8 : STILL_IMAGE_BGR24, image.data(), path)) {
        const QString reason =
            errno == EINVAL ? LumivexCli::tr("use .bmp, .png, .tif, .tiff, .jpg, .jpeg or, for grey images, .raw")
                            : QString::fromLocal8Bit(std::strerror(errno));
        ReportSaveFailure(context, path, reason);
        return kCliFailure;
    }
    context.out << LumivexCli::tr("Saved %1 x %2 into %3\n")
                       .arg(width)
                       .arg(height)
                       .arg(QString::fromStdString(path))
                       .toStdString();
    return kCliSuccess;
}

} // namespace

int CliConvert(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli convert --pixel-format NAME --width W --height H [--interpolation 0-5]\n"
                       "                           [--mirror 0-3] [--depth 8|16] [--bayer rgb|raw] IN.raw OUT\n"
                       "Converts a raw camera frame (the frame's bytes as the camera sent them) as the\n"
                       "viewer does and saves it in the format OUT's extension names: .bmp, .png,\n"
                       ".tif/.tiff, .jpg/.jpeg or, for grey images, .raw. --interpolation is the colour\n"
                       "interpolation of Bayer frames (default 0), --mirror 0 none, 1 horizontal,\n"
                       "2 vertical, 3 both (default 0).\n"
                       "--depth 16 keeps the camera's values unscaled in 16-bit PNG, TIFF or raw files\n"
                       "(Mono10 to Mono16 and 10 and 12-bit Bayer); Bayer frames are then demosaicked\n"
                       "(--bayer rgb, the default) or kept as the raw mosaic (--bayer raw).\n"
                       "Pixel formats: %1.\n")
            .arg(PixelFormatList());
    ImageOptions options = ParseImageOptions(
        context.args, {"--pixel-format", "--width", "--height", "--interpolation", "--mirror", "--depth", "--bayer"});
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    if (!options.problem.isEmpty())
        return UsageError(context, options.problem, usage);
    const std::optional<uint32_t> format = PixelFormatCode(options.pixelFormat);
    if (options.pixelFormat.empty())
        return UsageError(context, LumivexCli::tr("no pixel format given; name it with --pixel-format NAME"), usage);
    if (!format)
        return UsageError(context,
                          LumivexCli::tr("unknown pixel format '%1'").arg(QString::fromStdString(options.pixelFormat)),
                          usage);
    const std::optional<int> width = ParseInt(options.width, 1, 65535);
    const std::optional<int> height = ParseInt(options.height, 1, 65535);
    if (!width || !height)
        return UsageError(context, LumivexCli::tr("--width and --height take 1 to 65535"), usage);
    int interpolation = 0;
    int mirror = 0;
    DepthChoice depth;
    if (const QString problem = CheckConversionOptions(options, interpolation, mirror, depth); !problem.isEmpty())
        return UsageError(context, problem, usage);
    if (options.operands.size() != 2)
        return UsageError(context, LumivexCli::tr("name the raw input file and the output file"), usage);

    const std::string& input = options.operands[0];
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        context.err << LumivexCli::tr("lumivex-cli: cannot read %1\n").arg(QString::fromStdString(input)).toStdString();
        return kCliFailure;
    }
    const std::vector<uint8_t> raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return ConvertAndSave(context, *format, *width, *height, raw.data(), raw.size(), interpolation, mirror, depth,
                          options.operands[1]);
}

int CliSnapshot(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli snapshot -c ADDR -o OUT [--interpolation 0-5] [--mirror 0-3]\n"
                       "                            [--depth 8|16] [--bayer rgb|raw]\n"
                       "Takes one complete frame from the camera at ADDR in its current pixel format and\n"
                       "size, converts it as the viewer does and saves it in the format OUT's extension\n"
                       "names (as convert does, also at 16 bits). Exits with 1 when no complete frame\n"
                       "arrives within 10 s.\n");
    ImageOptions options = ParseImageOptions(
        context.args, {"-c", "--camera", "-o", "--output", "--interpolation", "--mirror", "--depth", "--bayer"});
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    if (!options.problem.isEmpty())
        return UsageError(context, options.problem, usage);
    if (options.camera.empty())
        return UsageError(context, LumivexCli::tr("no camera given; name it with -c ADDR"), usage);
    if (options.output.empty())
        return UsageError(context, LumivexCli::tr("no output file given; name it with -o OUT"), usage);
    if (!options.operands.empty())
        return UsageError(
            context, LumivexCli::tr("unexpected argument '%1'").arg(QString::fromStdString(options.operands.front())),
            usage);
    int interpolation = 0;
    int mirror = 0;
    DepthChoice depth;
    if (const QString problem = CheckConversionOptions(options, interpolation, mirror, depth); !problem.isEmpty())
        return UsageError(context, problem, usage);

    ErrorStreamReporter reporter(context.err);
    CameraConnection camera;
    if (!ConnectCameraInfo(context, options.camera, camera, reporter))
        return kCliFailure;
    SdkPipeline& pipeline = camera.GetPipeline();
    pipeline.Start();
    camera.Acquisition().StartAcquisition();
    int status = kCliFailure;
    bool taken = false;
    const auto deadline = std::chrono::steady_clock::now() + kSnapshotWait;
    while (!taken && std::chrono::steady_clock::now() < deadline) {
        SdkBuffer* buffer = nullptr;
        SdkResult frameResult;
        // Incomplete frames are released by the pipeline; wait for the next.
        if (!pipeline.RetrieveNextBuffer(buffer, kRetrieveWaitMs, &frameResult).IsOK() || !buffer)
            continue;
        const SdkImage* image = buffer->GetImage();
        status = ConvertAndSave(context, image->GetPixelType(), static_cast<int>(image->GetWidth()),
                                static_cast<int>(image->GetHeight()), buffer->GetDataPointer(), buffer->GetDataSize(),
                                interpolation, mirror, depth, options.output);
        pipeline.ReleaseBuffer(buffer);
        taken = true;
    }
    camera.Acquisition().StopAcquisition();
    pipeline.Stop();
    if (!taken)
        context.err << LumivexCli::tr("lumivex-cli: no complete frame came from the camera at %1\n")
                           .arg(QString::fromStdString(options.camera))
                           .toStdString();
    return status;
}
