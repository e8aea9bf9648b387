// The writer on FFmpeg's AVI muxer: uncompressed bottom-up bitmaps and
// MS-MPEG4 V2, decoded back by ffmpeg and compared with what went in.
#include "AviTestSupport.h"
#include "TempDir.h"

#include "capture/AviWriter.h"
#include "capture/FfmpegAviWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace avitest;

namespace {

// 70 pixels make rows that need padding to whole words, in grey and colour.
constexpr int kWidth = 70;
constexpr int kHeight = 46;

// Frame numbers with a jump: positions 3 and 4 are skipped.
constexpr std::uint32_t kNumbers[] = {0, 1, 2, 5, 6};

// Records frames numbered kNumbers; gives them in order.
std::vector<std::vector<std::uint8_t>> Record(const std::string& path, std::uint32_t compressor, int width, int height,
                                              int bytesPerPixel)
{
    std::vector<std::vector<std::uint8_t>> frames;
    auto writer = AviWriter::Create(compressor);
    writer->SetPath(path);
    writer->SetPlannedFrames(20);
    writer->SetFrameRate(12.5);
    EXPECT_EQ(writer->Open(width, height, bytesPerPixel * 8, false), kAviOk);
    for (std::uint32_t number : kNumbers) {
        frames.push_back(MakeFrame(width, height, bytesPerPixel, int(number) * 5));
        EXPECT_FALSE(writer->AddFrame(number, frames.back().data()));
    }
    return frames;
}

long MeanDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t size)
{
    long difference = 0;
    for (std::size_t i = 0; i < size; ++i)
        difference += std::abs(int(a[i]) - int(b[i]));
    return difference / long(size);
}

} // namespace

TEST(ContainerAvi, UncompressedColourPlaysBackPixelExact)
{
    TempDir dir;
    const std::string path = dir.file("colour.avi");
    const auto frames = Record(path, kCompressorUncompressed, kWidth, kHeight, 3);

    const RiffWalk walk = WalkRiff(path);
    EXPECT_EQ(walk.problem, "");
    const auto strf = walk.Find(FourCC("strf"));
    ASSERT_EQ(strf.size(), 1u);
    EXPECT_EQ(ReadU32(path, strf[0].offset + 16), std::uint32_t(kHeight)) << "positive height: bottom-up rows";
    EXPECT_EQ(ReadU32(path, strf[0].offset + 20) >> 16, 24u);
    EXPECT_EQ(ReadU32(path, strf[0].offset + 24), 0u) << "uncompressed bitmap";
    // The stream header after the rate patch.
    EXPECT_EQ(ReadU32(path, 108), FourCC("vids"));
    EXPECT_EQ(ReadU32(path, 112), FourCC("DIB "));
    EXPECT_EQ(ReadU32(path, 128), 1000u);

    auto probe = Probe(path);
    EXPECT_EQ(probe["codec_name"], "rawvideo");
    EXPECT_EQ(probe["pix_fmt"], "bgr24");
    EXPECT_EQ(probe["width"], std::to_string(kWidth));
    EXPECT_EQ(probe["height"], std::to_string(kHeight));
    EXPECT_EQ(probe["nb_read_packets"], "5");
    EXPECT_EQ(probe["nb_frames"], "7") << "empty chunks for the skipped positions";
    EXPECT_EQ(DecodeErrors(path), "");

    const auto decoded = DecodeRaw(path, "bgr24");
    const std::size_t frameSize = std::size_t(kWidth) * kHeight * 3;
    ASSERT_EQ(decoded.size(), frameSize * frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_TRUE(std::equal(frames[i].begin(), frames[i].end(), decoded.begin() + i * frameSize)) << i;
}

TEST(ContainerAvi, UncompressedGreyCarriesTheGreyPalette)
{
    TempDir dir;
    const std::string path = dir.file("grey.avi");
    const auto frames = Record(path, kCompressorUncompressed, kWidth, kHeight, 1);

    const RiffWalk walk = WalkRiff(path);
    EXPECT_EQ(walk.problem, "");
    const auto strf = walk.Find(FourCC("strf"));
    ASSERT_EQ(strf.size(), 1u);
    EXPECT_EQ(strf[0].size, 1064u) << "bitmap header and 256 palette entries";
    EXPECT_EQ(ReadU32(path, strf[0].offset + 20) >> 16, 8u);
    EXPECT_EQ(ReadU32(path, strf[0].offset + 40), 256u) << "colours used";
    for (std::uint32_t i : {0u, 1u, 128u, 255u})
        EXPECT_EQ(ReadU32(path, strf[0].offset + 48 + 4 * i), i | i << 8 | i << 16) << "palette entry " << i;

    auto probe = Probe(path);
    EXPECT_EQ(probe["pix_fmt"], "pal8");
    EXPECT_EQ(probe["nb_read_packets"], "5");
    EXPECT_EQ(DecodeErrors(path), "");
    const auto decoded = DecodeRaw(path, "bgr24");
    const std::size_t pixels = std::size_t(kWidth) * kHeight;
    ASSERT_EQ(decoded.size(), pixels * 3 * frames.size());
    for (std::size_t frame = 0; frame < frames.size(); ++frame) {
        bool same = true;
        for (std::size_t i = 0; i < pixels && same; ++i) {
            const std::uint8_t* bgr = &decoded[(frame * pixels + i) * 3];
            same = bgr[0] == frames[frame][i] && bgr[1] == frames[frame][i] && bgr[2] == frames[frame][i];
        }
        EXPECT_TRUE(same) << frame;
    }
}

TEST(ContainerAvi, MsMpeg4V2PlaysBack)
{
    ASSERT_TRUE(FfmpegAviWriter::IsCompressorAvailable(kCompressorMsMpeg4V2));
    TempDir dir;
    for (int bytesPerPixel : {3, 1}) {
        SCOPED_TRACE(bytesPerPixel);
        const std::string path = dir.file("mp42.avi");
        const auto frames = Record(path, kCompressorMsMpeg4V2, 320, 240, bytesPerPixel);
        EXPECT_EQ(WalkRiff(path).problem, "");
        EXPECT_EQ(ReadU32(path, 112), FourCC("mp42"));
        EXPECT_EQ(ReadU32(path, 128), 1000u);
        auto probe = Probe(path);
        EXPECT_EQ(probe["codec_name"], "msmpeg4v2");
        EXPECT_EQ(probe["codec_tag_string"], "mp42");
        EXPECT_EQ(probe["nb_read_packets"], "5");
        EXPECT_EQ(DecodeErrors(path), "");
        const auto decoded = DecodeRaw(path, bytesPerPixel == 1 ? "gray" : "bgr24");
        const std::size_t rowSize = std::size_t(320) * bytesPerPixel;
        const std::size_t frameSize = rowSize * 240;
        ASSERT_EQ(decoded.size(), frameSize * frames.size());
        // Lossy, but close to what went in, and the right way up.
        const auto& last = frames.back();
        std::vector<std::uint8_t> upsideDown(frameSize);
        for (std::size_t y = 0; y < 240; ++y)
            std::copy_n(last.begin() + y * rowSize, rowSize, upsideDown.begin() + (239 - y) * rowSize);
        const std::uint8_t* decodedLast = decoded.data() + (frames.size() - 1) * frameSize;
        const long difference = MeanDifference(decodedLast, last.data(), frameSize);
        EXPECT_LT(difference, 20);
        EXPECT_LT(difference * 3, MeanDifference(decodedLast, upsideDown.data(), frameSize));
    }
}

TEST(ContainerAvi, MsMpeg4V1HasNoEncoder)
{
    EXPECT_TRUE(FfmpegAviWriter::IsCompressorAvailable(kCompressorUncompressed));
    EXPECT_FALSE(FfmpegAviWriter::IsCompressorAvailable(kCompressorMsMpeg4V1));
    TempDir dir;
    auto writer = AviWriter::Create(kCompressorMsMpeg4V1);
    writer->SetPath(dir.file("v1.avi"));
    writer->SetPlannedFrames(5);
    EXPECT_EQ(writer->Open(kWidth, kHeight, 24, true), kAviNoCompressor);
    EXPECT_FALSE(std::filesystem::exists(dir.file("v1.avi")));
    auto uncompressed = AviWriter::Create(kCompressorUncompressed);
    uncompressed->SetPath(dir.file("missing/movie.avi"));
    uncompressed->SetPlannedFrames(5);
    EXPECT_EQ(uncompressed->Open(kWidth, kHeight, 24, true), kAviCannotOpenFile);
}

TEST(ContainerAvi, OneFrameKeepsTheConfiguredRateAndLongerOnesAreMeasured)
{
    TempDir dir;
    const std::string one = dir.file("one.avi");
    {
        auto writer = AviWriter::Create(kCompressorUncompressed);
        writer->SetPath(one);
        writer->SetPlannedFrames(5);
        writer->SetFrameRate(29.97);
        ASSERT_EQ(writer->Open(kWidth, kHeight, 24, false), kAviOk);
        const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
        EXPECT_FALSE(writer->AddFrame(3, frame.data()));
    }
    EXPECT_EQ(ReadU32(one, 132), 29970u);
    EXPECT_EQ(Probe(one)["r_frame_rate"], "2997/100");

    const std::string measured = dir.file("measured.avi");
    {
        auto writer = AviWriter::Create(kCompressorUncompressed);
        writer->SetPath(measured);
        writer->SetPlannedFrames(3);
        writer->SetFrameRate(29.97);
        ASSERT_EQ(writer->Open(kWidth, kHeight, 24, false), kAviOk);
        const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
        for (std::uint32_t i = 0; i < 3; ++i) {
            // The writer measures the rate from the time between frames.
            if (i > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            EXPECT_EQ(writer->AddFrame(i, frame.data()), i == 2);
        }
    }
    EXPECT_LE(ReadU32(measured, 132), 20000u);
    EXPECT_GT(ReadU32(measured, 132), 5000u);
}

TEST(ContainerAvi, StopsBeforeItsSizeLimit)
{
    TempDir dir;
    const std::string path = dir.file("limited.avi");
    AviSizeLimits limits;
    limits.plainFile = 200000;
    std::uint32_t written = 0;
    {
        auto writer = AviWriter::Create(kCompressorUncompressed);
        writer->SetPath(path);
        writer->SetPlannedFrames(1000);
        writer->SetSizeLimits(limits);
        ASSERT_EQ(writer->Open(kWidth, kHeight, 24, false), kAviOk);
        const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
        std::uint32_t number = 0;
        while (!writer->AddFrame(number, frame.data()))
            ++number;
        written = writer->FramesWritten();
        EXPECT_LT(number, 999u);
    }
    EXPECT_LE(std::filesystem::file_size(path), limits.plainFile);
    EXPECT_GT(written, 10u);
    EXPECT_EQ(Probe(path)["nb_read_packets"], std::to_string(written));
    EXPECT_EQ(DecodeErrors(path), "");
}
