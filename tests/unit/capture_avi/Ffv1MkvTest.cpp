// Lossless FFV1 recordings: every frame decodes, by ffmpeg, to exactly what
// the camera sent; and the frame list's tally of missing camera frames.
#include "AviTestSupport.h"
#include "TempDir.h"

#include "capture/AviWriter.h"
#include "capture/FrameLog.h"

extern "C" {
#include <libavutil/md5.h>
}

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 20;
constexpr int kFrames = 60;

std::string Md5(const std::vector<std::uint8_t>& bytes)
{
    std::uint8_t digest[16];
    av_md5_sum(digest, bytes.data(), static_cast<int>(bytes.size()));
    char text[33];
    for (int i = 0; i < 16; ++i)
        std::snprintf(text + 2 * i, 3, "%02x", digest[i]);
    return text;
}

struct Ffv1Case {
    const char* name;
    std::uint32_t pixelFormat;
    int sampleBits;       // of the camera's samples; 0 for colour
    bool packed;          // two 12-bit samples in three bytes
    const char* decodeAs; // the FFmpeg pixel format the decoded frame is compared in
    const char* pattern;  // the Bayer pattern tag, or null
};

// The camera's frame for a seed, and the bytes ffmpeg must decode it to.
void MakeFrame(const Ffv1Case& c, int seed, std::vector<std::uint8_t>& raw, std::vector<std::uint8_t>& decoded)
{
    raw.clear();
    decoded.clear();
    const int count = kWidth * kHeight;
    for (int i = 0; i < count; ++i) {
        const unsigned value = (static_cast<unsigned>(i + seed * 7) * 2654435761u >> 9);
        if (c.sampleBits == 0) {
            for (int k = 0; k < 3; ++k)
                raw.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
            decoded.insert(decoded.end(), raw.end() - 3, raw.end()); // RGB8 sent, rgb24 decoded
        } else if (c.sampleBits == 8) {
            raw.push_back(static_cast<std::uint8_t>(value));
            decoded.push_back(raw.back());
        } else {
            const unsigned sample = value & ((1u << c.sampleBits) - 1);
            decoded.push_back(static_cast<std::uint8_t>(sample));
            decoded.push_back(static_cast<std::uint8_t>(sample >> 8));
            if (!c.packed) {
                raw.push_back(decoded[decoded.size() - 2]);
                raw.push_back(decoded.back());
            }
        }
    }
    if (c.packed) {
        for (int i = 0; i < count; i += 2) {
            const unsigned a = decoded[size_t(2 * i)] | decoded[size_t(2 * i + 1)] << 8;
            const unsigned b = decoded[size_t(2 * i + 2)] | decoded[size_t(2 * i + 3)] << 8;
            raw.push_back(static_cast<std::uint8_t>(a >> 4));
            raw.push_back(static_cast<std::uint8_t>((a & 0xF) | (b & 0xF) << 4));
            raw.push_back(static_cast<std::uint8_t>(b >> 4));
        }
    }
}

std::string StreamTag(const std::string& path, const std::string& tag)
{
    const std::string command = "ffprobe -v error -select_streams v:0 -show_entries stream_tags=" + tag +
                                " -of default=nw=1:nk=1 '" + path + "'";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        pclose(pipe);
    }
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

} // namespace

TEST(Ffv1Mkv, EveryFrameDecodesToWhatTheCameraSent)
{
    const Ffv1Case cases[] = {
        {"grey8", 0x01080001, 8, false, "gray", nullptr},
        {"grey16", 0x01100007, 16, false, "gray16le", nullptr},
        {"grey12packed", 0x010C0006, 12, true, "gray16le", nullptr},
        {"colour", 0x02180014, 0, false, "rgb24", nullptr},
        {"bayer12", 0x01100011, 12, false, "gray16le", "RGGB"},
    };
    TempDir dir;
    for (const Ffv1Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(std::string(c.name) + ".mkv");
        std::unique_ptr<AviWriter> writer = AviWriter::Create(kCompressorFfv1);
        ASSERT_NE(writer, nullptr);
        writer->SetPath(path);
        writer->SetPlannedFrames(kFrames);
        writer->SetFrameRate(30.0);
        writer->SetSourceFormat(c.pixelFormat);
        const bool colour = c.sampleBits == 0 || c.pattern;
        ASSERT_EQ(writer->Open(kWidth, kHeight, colour ? 24 : 8, false), kAviOk);
        std::vector<std::string> expected;
        // The converted image is not what is stored: its content does not matter.
        const std::vector<std::uint8_t> converted(size_t(kWidth * kHeight * (colour ? 3 : 1)), 0x55);
        for (int i = 0; i < kFrames; ++i) {
            std::vector<std::uint8_t> raw;
            std::vector<std::uint8_t> decoded;
            MakeFrame(c, i, raw, decoded);
            expected.push_back(Md5(decoded));
            const FrameView frame{
                converted.data(),     kWidth, kHeight, colour ? 3 : 1, raw.data(), raw.size(), c.pixelFormat,
                std::uint64_t(i + 1), 0,      0};
            EXPECT_EQ(writer->AddFrame(static_cast<std::uint32_t>(i), frame), i + 1 == kFrames);
        }
        EXPECT_EQ(writer->Close(), kAviOk);
        std::map<std::string, std::string> probe = avitest::Probe(path);
        EXPECT_EQ(probe["codec_name"], "ffv1");
        EXPECT_EQ(avitest::FrameMd5(path, c.decodeAs), expected);
        if (c.pattern) {
            EXPECT_EQ(StreamTag(path, "BAYER_PATTERN"), c.pattern);
        }
    }
}

// Block ids the camera sent and the ones that arrived: missing_before is the
// gap to the previous id, 16-bit ids wrap from 65535 to 1.
TEST(FrameLog, CountsTheCamerasFramesMissingBeforeEachFrame)
{
    const struct {
        std::vector<std::uint64_t> ids;
        std::vector<std::uint64_t> missing;
    } cases[] = {
        {{1, 2, 3, 4}, {0, 0, 0, 0}},
        {{5, 6, 9, 10, 14}, {0, 0, 2, 0, 3}},
        {{65533, 65535, 1, 3}, {0, 1, 0, 1}},
        {{70000, 70002}, {0, 1}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        FrameTally tally;
        FrameLog log;
        const std::string path = dir.file("run.frames.csv");
        ASSERT_TRUE(log.Open(path));
        std::uint64_t total = 0;
        for (size_t i = 0; i < c.ids.size(); ++i) {
            const FrameView frame{nullptr, 0, 0, 0, nullptr, 0, 0, c.ids[i], 1000 + 40 * i * i, 5};
            const std::uint64_t missing = tally.Add(frame);
            EXPECT_EQ(missing, c.missing[i]) << "id " << c.ids[i];
            total += missing;
            ASSERT_TRUE(log.Add(i, frame, missing));
        }
        ASSERT_TRUE(log.Close());
        EXPECT_EQ(tally.Missing(), total);
        EXPECT_EQ(tally.Frames(), c.ids.size());
        const size_t n = c.ids.size();
        EXPECT_EQ(tally.MaxIntervalNs(), 40 * (n - 1) * (n - 1) - 40 * (n - 2) * (n - 2));
        std::ifstream file(path);
        std::string line;
        std::getline(file, line);
        EXPECT_EQ(line, "index,frame_id,camera_timestamp_ns,host_time_ns,missing_before");
        std::getline(file, line);
        EXPECT_EQ(line, "0," + std::to_string(c.ids[0]) + ",1000,5,0");
    }
    EXPECT_EQ(FrameLog::PathFor("/data/run.mkv"), "/data/run.frames.csv");
    EXPECT_EQ(FrameLog::PathFor("/data/images"), "/data/images.frames.csv");
}
