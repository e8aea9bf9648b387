// Stills and movies at the camera's own depth: lumivex-cli convert and
// snapshot with --depth 16 and record --codec ffv1, read back by readers not of
// our making: Pillow for grey and 8-bit files, ImageMagick for 16-bit colour
// (Pillow reduces it to 8 bits), ffmpeg for the movies.
#include "AviTestSupport.h"
#include "TempDir.h"
#include "TestAddress.h"

#include "cli/CliCommand.h"
#include "sim/SimCamera.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

int Cli(const std::vector<std::string>& arguments, std::string* err = nullptr, std::string* out = nullptr)
{
    std::ostringstream outText;
    std::ostringstream errText;
    const int status = CliMain(arguments, outText, errText);
    if (err)
        *err = errText.str();
    if (out)
        *out = outText.str();
    return status;
}

struct ReadBack {
    std::string mode;
    std::vector<unsigned> samples;
    std::string description;
    std::string problem;
};

// Every sample of a grey image, with its mode and description, as Pillow reads them.
ReadBack ReadWithPillow(const std::string& path)
{
    static const char* script = R"(
import sys
from PIL import Image
im = Image.open(sys.argv[1])
tags = getattr(im, 'tag_v2', {})
print(im.mode)
print(im.info.get('Description') or tags.get(270, ''))
print(' '.join(str(c) for v in im.getdata() for c in (v if isinstance(v, tuple) else (v,))))
)";
    QProcess python;
    python.start("/usr/bin/python3", {"-c", script, QString::fromStdString(path)});
    ReadBack back;
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        back.problem = python.readAllStandardError().toStdString();
        return back;
    }
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split('\n');
    if (lines.size() < 3) {
        back.problem = "short output";
        return back;
    }
    back.mode = lines[0].toStdString();
    back.description = lines[1].toStdString();
    for (const QString& value : lines[2].split(' ', Qt::SkipEmptyParts))
        back.samples.push_back(value.toUInt());
    return back;
}

// The red, green, blue samples of a 16-bit colour image, as ImageMagick reads them.
std::vector<unsigned> ReadRgbWithImageMagick(const std::string& path)
{
    QProcess magick;
    magick.start("convert", {QString::fromStdString(path), "-endian", "LSB", "-depth", "16", "rgb:-"});
    std::vector<unsigned> samples;
    if (!magick.waitForFinished(30000) || magick.exitCode() != 0)
        return samples;
    const QByteArray bytes = magick.readAllStandardOutput();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        samples.push_back(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
    return samples;
}

struct DeepFormat {
    const char* name;
    int bits;
    bool packed;
    const char* pattern; // Bayer pattern of the mosaic, or null for grey
};

const DeepFormat kFormats[] = {
    {"Mono10", 10, false, nullptr}, {"Mono12", 12, false, nullptr},   {"Mono12Packed", 12, true, nullptr},
    {"Mono16", 16, false, nullptr}, {"BayerRG12", 12, false, "RGGB"},
};

// Values that use every bit of the depth, the low bits too.
std::vector<unsigned> CameraValues(int width, int height, int bits)
{
    std::vector<unsigned> values;
    for (int i = 0; i < width * height; ++i)
        values.push_back((static_cast<unsigned>(i) * 2654435761u >> 7) & ((1u << bits) - 1));
    return values;
}

// The bytes a camera sends for those values, packed as GigE Vision lays them out.
std::string RawBytes(const DeepFormat& format, const std::vector<unsigned>& values)
{
    std::string bytes;
    if (!format.packed) {
        for (unsigned v : values) {
            bytes.push_back(char(v & 0xFF));
            bytes.push_back(char(v >> 8));
        }
        return bytes;
    }
    const int low = format.bits - 8;
    for (size_t i = 0; i < values.size(); i += 2) {
        bytes.push_back(char(values[i] >> low));
        bytes.push_back(char((values[i] & ((1u << low) - 1)) | (values[i + 1] & ((1u << low) - 1)) << 4));
        bytes.push_back(char(values[i + 1] >> low));
    }
    return bytes;
}

} // namespace

TEST(DeepStill, ConvertKeepsTheCamerasValuesInSixteenBitPngAndTiff)
{
    TempDir dir;
    constexpr int kWidth = 6;
    constexpr int kHeight = 4;
    for (const DeepFormat& format : kFormats) {
        SCOPED_TRACE(format.name);
        const std::vector<unsigned> values = CameraValues(kWidth, kHeight, format.bits);
        const std::string raw = dir.file(std::string(format.name) + ".raw");
        std::ofstream(raw, std::ios::binary) << RawBytes(format, values);
        for (const char* extension : {".png", ".tif"}) {
            const std::string out = dir.file(std::string(format.name) + extension);
            std::string err;
            ASSERT_EQ(Cli({"convert", "--pixel-format", format.name, "--width", "6", "--height", "4", "--depth", "16",
                           "--bayer", "raw", raw, out},
                          &err),
                      0)
                << err;
            const ReadBack back = ReadWithPillow(out);
            ASSERT_EQ(back.problem, "");
            EXPECT_EQ(back.samples, values) << extension;
            if (format.pattern) {
                EXPECT_NE(back.description.find(format.pattern), std::string::npos) << back.description;
            }
        }
        if (!format.pattern)
            continue;
        // Demosaicked: every site keeps its own colour's value (R G / G B).
        const std::string colour = dir.file(std::string(format.name) + "-rgb.tif");
        ASSERT_EQ(
            Cli({"convert", "--pixel-format", format.name, "--width", "6", "--height", "4", "--depth=16", raw, colour}),
            0);
        const std::vector<unsigned> rgb = ReadRgbWithImageMagick(colour);
        ASSERT_EQ(rgb.size(), values.size() * 3);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int own = y % 2 == 0 ? (x % 2 == 0 ? 0 : 1) : (x % 2 == 0 ? 1 : 2);
                EXPECT_EQ(rgb[size_t(y * kWidth + x) * 3 + size_t(own)], values[size_t(y * kWidth + x)])
                    << x << "," << y;
            }
    }

    // 16 bits where they cannot be had say so and make no file.
    const std::string mono8 = dir.file("mono8.raw");
    std::ofstream(mono8, std::ios::binary) << std::string(24, '\x10');
    std::string err;
    EXPECT_EQ(Cli({"convert", "--pixel-format", "Mono8", "--width", "6", "--height", "4", "--depth", "16", mono8,
                   dir.file("no.png")},
                  &err),
              1);
    EXPECT_NE(err.find("more than 8 bits"), std::string::npos) << err;
    EXPECT_EQ(Cli({"convert", "--pixel-format", "Mono12", "--width", "6", "--height", "4", "--depth", "16",
                   dir.file("Mono12.raw"), dir.file("no.jpg")},
                  &err),
              1);
    EXPECT_NE(err.find("8 bits only"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("no.jpg")));
    EXPECT_EQ(Cli({"convert", "--pixel-format", "Mono12", "--width", "6", "--height", "4", "--depth", "12",
                   dir.file("Mono12.raw"), dir.file("no.png")}),
              2);
}

// From the simulated camera: the 16-bit snapshot holds the camera's values
// with their low bits, and reduced to 8 bits they are what the 8-bit
// snapshot shows in the still part of the test pattern (its top two thirds).
TEST(DeepStill, SnapshotKeepsTheCamerasValuesInSixteenBits)
{
    constexpr int kWidth = 128;
    constexpr int kHeight = 96;
    const std::string address = TestAddress();
    TempDir dir;
    for (const DeepFormat& format : kFormats) {
        SCOPED_TRACE(format.name);
        SimOptions options;
        options.interfaceAddress = address;
        options.width = kWidth;
        options.height = kHeight;
        options.colour = format.pattern != nullptr;
        options.pixelFormat = format.name;
        SimCamera sim;
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorText();
        const std::string eight = dir.file(std::string(format.name) + "-8.png");
        ASSERT_EQ(Cli({"snapshot", "-c", address, "-o", eight}), 0);
        const ReadBack shown = ReadWithPillow(eight);
        ASSERT_EQ(shown.problem, "");
        for (const char* extension : {".png", ".tif"}) {
            const std::string out = dir.file(std::string(format.name) + extension);
            std::string err;
            ASSERT_EQ(Cli({"snapshot", "-c", address, "-o", out, "--depth", "16", "--bayer", "raw"}, &err), 0) << err;
            const ReadBack back = ReadWithPillow(out);
            ASSERT_EQ(back.problem, "");
            ASSERT_EQ(back.samples.size(), size_t(kWidth * kHeight));
            unsigned lowBits = 0;
            unsigned highest = 0;
            for (size_t i = 0; i < back.samples.size(); ++i) {
                lowBits |= back.samples[i] & ((1u << (format.bits - 8)) - 1);
                highest = std::max(highest, back.samples[i]);
            }
            EXPECT_NE(lowBits, 0u) << "the low bits are lost";
            EXPECT_LT(highest, 1u << format.bits);
            // The 8-bit snapshot of a Bayer frame is the mosaic as grey in colour (no interpolation).
            const size_t shownChannels = shown.samples.size() / back.samples.size();
            for (int y = 0; y < kHeight * 2 / 3 - 1; ++y)
                for (int x = 0; x < kWidth; ++x) {
                    const size_t i = size_t(y * kWidth + x);
                    ASSERT_EQ(back.samples[i] >> (format.bits - 8), shown.samples[i * shownChannels] & 0xFF)
                        << extension << " at " << x << "," << y;
                }
        }
    }
}

namespace {

std::vector<std::vector<std::string>> ReadCsv(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        std::string field;
        while (std::getline(columns, field, ','))
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

} // namespace

// 60 frames of the simulated camera recorded losslessly: every frame decodes
// with its still part (the top two thirds of the test pattern) equal to a
// snapshot's at full depth, and the frame list has a row for each, with
// rising ids and timestamps.
TEST(DeepMovie, Ffv1HoldsWhatTheCameraSentAndTheFrameListEachFrame)
{
    constexpr int kWidth = 128;
    constexpr int kHeight = 96;
    constexpr int kFrames = 60;
    const struct {
        const char* format;
        bool colourSensor;
        const char* decodeAs;
        int bytesPerSample;
        const char* snapshotDepth;
    } cases[] = {
        {"Mono8", false, "gray", 1, "8"},
        {"Mono16", false, "gray16le", 2, "16"},
        {"RGB8Packed", true, "rgb24", 1, "8"},
        {"BayerRG12", true, "gray16le", 2, "16"},
    };
    const std::string address = TestAddress();
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        SimOptions options;
        options.interfaceAddress = address;
        options.width = kWidth;
        options.height = kHeight;
        options.colour = c.colourSensor;
        options.pixelFormat = c.format;
        SimCamera sim;
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorText();
        const std::string movie = dir.file(std::string(c.format) + ".mkv");
        std::string err;
        ASSERT_EQ(Cli({"record", "-c", address, "--frames", std::to_string(kFrames), "--codec", "ffv1", movie}, &err),
                  0)
            << err;
        const std::string still = dir.file(std::string(c.format) + ".png");
        ASSERT_EQ(Cli({"snapshot", "-c", address, "-o", still, "--depth", c.snapshotDepth, "--bayer", "raw"}, &err), 0)
            << err;
        const ReadBack reference = ReadWithPillow(still);
        ASSERT_EQ(reference.problem, "");

        const std::vector<std::uint8_t> decoded = avitest::DecodeRaw(movie, c.decodeAs);
        const std::vector<std::vector<std::string>> rows = ReadCsv(dir.file(std::string(c.format) + ".frames.csv"));
        ASSERT_EQ(rows.size(), size_t(kFrames + 1));
        const size_t samplesPerFrame = reference.samples.size();
        const size_t frameBytes = samplesPerFrame * size_t(c.bytesPerSample);
        ASSERT_EQ(decoded.size(), frameBytes * rows.size() - frameBytes);
        EXPECT_EQ(avitest::FrameMd5(movie, c.decodeAs).size(), size_t(kFrames));
        const size_t stillSamples = samplesPerFrame / kHeight * (kHeight * 2 / 3 - 1);
        for (size_t frame = 0; frame < size_t(kFrames); ++frame) {
            for (size_t i = 0; i < stillSamples; ++i) {
                const std::uint8_t* at = decoded.data() + frame * frameBytes + i * size_t(c.bytesPerSample);
                const unsigned sample = c.bytesPerSample == 2 ? unsigned(at[0] | at[1] << 8) : at[0];
                ASSERT_EQ(sample, reference.samples[i]) << "frame " << frame << " sample " << i;
            }
            const std::vector<std::string>& row = rows[frame + 1];
            ASSERT_EQ(row.size(), 5u);
            EXPECT_EQ(row[0], std::to_string(frame));
            if (frame > 0) {
                const std::vector<std::string>& before = rows[frame];
                EXPECT_GT(std::stoull(row[1]), std::stoull(before[1]));
                EXPECT_GT(std::stoull(row[2]), std::stoull(before[2]));
                EXPECT_GT(std::stoull(row[3]), std::stoull(before[3]));
                EXPECT_EQ(std::stoull(row[4]), std::stoull(row[1]) - std::stoull(before[1]) - 1);
            }
        }
        if (std::string(c.format) == "BayerRG12") {
            EXPECT_NE(reference.description.find("RGGB"), std::string::npos);
        }
    }
}

// A camera that never sends every fourth frame (their block ids taken): the
// frame list marks each of them before the frame after it, and the summary
// counts them, while no frame that did arrive is counted missing.
TEST(DeepMovie, FrameListCountsTheFramesTheCameraNeverSent)
{
    constexpr int kSkip = 4;
    constexpr int kFrames = 24;
    SimOptions options;
    options.interfaceAddress = TestAddress();
    options.width = 64;
    options.height = 64;
    options.colour = false;
    options.pixelFormat = "Mono12";
    options.frameSkip = kSkip;
    SimCamera sim;
    ASSERT_TRUE(sim.Start(options)) << sim.ErrorText();
    TempDir dir;
    std::string err;
    std::string out;
    ASSERT_EQ(Cli({"record", "-c", options.interfaceAddress, "--frames", std::to_string(kFrames), "--codec", "ffv1",
                   dir.file("skip.mkv")},
                  &err, &out),
              0)
        << err;
    const std::vector<std::vector<std::string>> rows = ReadCsv(dir.file("skip.frames.csv"));
    ASSERT_EQ(rows.size(), size_t(kFrames + 1));
    // The block ids never sent share one remainder; which one depends on where the recording began.
    EXPECT_EQ(rows[1][4], "0");
    int skippedRemainder = -1;
    uint64_t missing = 0;
    for (size_t i = 2; i < rows.size(); ++i) {
        const uint64_t id = std::stoull(rows[i][1]);
        const uint64_t before = std::stoull(rows[i - 1][1]);
        const uint64_t missingBefore = std::stoull(rows[i][4]);
        SCOPED_TRACE("frame id " + std::to_string(id));
        ASSERT_EQ(missingBefore, id - before - 1);
        ASSERT_LE(missingBefore, 1u);
        if (missingBefore == 1) {
            if (skippedRemainder < 0)
                skippedRemainder = int((id - 1) % kSkip);
            EXPECT_EQ(int((id - 1) % kSkip), skippedRemainder);
        }
        if (skippedRemainder >= 0) {
            EXPECT_NE(int(id % kSkip), skippedRemainder);
        }
        missing += missingBefore;
    }
    // 23 gaps between frames, one in four of the ids in them skipped.
    EXPECT_GE(missing, uint64_t(kFrames - 1) / (kSkip - 1) - 1);
    EXPECT_NE(out.find(std::to_string(kFrames) + " frames written; " + std::to_string(missing) +
                       " frames the camera sent never arrived"),
              std::string::npos)
        << out;
}
