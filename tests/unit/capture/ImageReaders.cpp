#include "ImageReaders.h"

#include <QProcess>
#include <QStringList>

#include <png.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

constexpr int kToolTimeoutMs = 60000;

// Width, height and samples of a binary PGM (P5) or PPM (P6).
std::optional<TestImage> ParsePnm(const std::vector<uint8_t>& bytes)
{
    std::string head(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(std::min<size_t>(bytes.size(), 64)));
    std::istringstream in(head);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    if ((magic != "P5" && magic != "P6") || maxValue != 255 || !in)
        return std::nullopt;
    const size_t offset = static_cast<size_t>(in.tellg()) + 1;
    TestImage image{width, height, magic == "P5" ? 1 : 3, {}};
    const size_t size = static_cast<size_t>(width) * height * image.channels;
    if (bytes.size() < offset + size)
        return std::nullopt;
    image.pixels.assign(bytes.begin() + static_cast<ptrdiff_t>(offset),
                        bytes.begin() + static_cast<ptrdiff_t>(offset + size));
    return image;
}

} // namespace

ToolResult RunTool(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.start(QString::fromStdString(program), list);
    ToolResult result;
    if (!process.waitForFinished(kToolTimeoutMs))
        return result;
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    result.stdoutBytes.assign(out.begin(), out.end());
    result.output = out.toStdString() + err.toStdString();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::optional<TestImage> DecodeWithDjpeg(const std::string& jpegPath)
{
    const ToolResult result = RunTool("djpeg", {"-pnm", jpegPath});
    if (result.exitCode != 0)
        return std::nullopt;
    return ParsePnm(result.stdoutBytes);
}

std::optional<ProbeInfo> ProbeWithFfprobe(const std::string& path)
{
    const ToolResult result =
        RunTool("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                            "stream=width,height,codec_name,pix_fmt", "-of", "default=noprint_wrappers=1", path});
    if (result.exitCode != 0)
        return std::nullopt;
    ProbeInfo info;
    std::istringstream lines(std::string(result.stdoutBytes.begin(), result.stdoutBytes.end()));
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "width")
            info.width = std::stoi(value);
        else if (key == "height")
            info.height = std::stoi(value);
        else if (key == "codec_name")
            info.codec = value;
        else if (key == "pix_fmt")
            info.pixelFormat = value;
    }
    return info;
}

std::optional<std::vector<uint8_t>> DecodeWithFfmpeg(const std::string& path, const std::string& pixelFormat)
{
    const ToolResult result = RunTool(
        "ffmpeg", {"-v", "error", "-i", path, "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", pixelFormat, "-"});
    if (result.exitCode != 0 || result.stdoutBytes.empty())
        return std::nullopt;
    return result.stdoutBytes;
}

std::optional<TestImage> DecodeImageWithFfmpeg(const std::string& path, bool grey)
{
    const std::optional<ProbeInfo> info = ProbeWithFfprobe(path);
    const auto bytes = DecodeWithFfmpeg(path, grey ? "gray" : "rgb24");
    if (!info || !bytes)
        return std::nullopt;
    TestImage image{info->width, info->height, grey ? 1 : 3, *bytes};
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height * image.channels)
        return std::nullopt;
    return image;
}

std::optional<TestImage> ReadWithImageMagick(const std::string& path, int channels)
{
    const ToolResult size = RunTool("identify", {"-format", "%w %h", path});
    if (size.exitCode != 0)
        return std::nullopt;
    TestImage image{0, 0, channels, {}};
    std::istringstream(size.output) >> image.width >> image.height;
    const ToolResult samples = RunTool("convert", {path, "-depth", "8", channels == 1 ? "gray:-" : "rgb:-"});
    if (samples.exitCode != 0)
        return std::nullopt;
    image.pixels = samples.stdoutBytes;
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height * channels)
        return std::nullopt;
    return image;
}

std::optional<TestImage> ReadPngWithLibpng(const std::string& path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return std::nullopt;
    const bool grey = (png.format & PNG_FORMAT_FLAG_COLOR) == 0;
    png.format = grey ? PNG_FORMAT_GRAY : PNG_FORMAT_RGB;
    TestImage image{static_cast<int>(png.width), static_cast<int>(png.height), grey ? 1 : 3, {}};
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}
