// The two own Motion JPEG writers: file structure checked chunk by chunk, and
// every file read back by FFmpeg.
#include "AviTestSupport.h"
#include "TempDir.h"

#include "capture/AviWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace avitest;

namespace {

constexpr int kWidth = 70;
constexpr int kHeight = 46;

std::unique_ptr<AviWriter> OpenWriter(std::uint32_t compressor, const std::string& path, std::uint32_t planned,
                                      int bitsPerPixel = 24, const AviSizeLimits& limits = {},
                                      double framesPerSecond = 25.0)
{
    auto writer = AviWriter::Create(compressor);
    writer->SetPath(path);
    writer->SetPlannedFrames(planned);
    writer->SetFrameRate(framesPerSecond);
    writer->SetSizeLimits(limits);
    EXPECT_EQ(writer->Open(kWidth, kHeight, bitsPerPixel, false), kAviOk);
    return writer;
}

// Adds frames until the writer reports the recording complete; gives how many it took.
int RecordUntilComplete(AviWriter& writer, int maxFrames, int bytesPerPixel = 3)
{
    for (int i = 0; i < maxFrames; ++i) {
        const auto frame = MakeFrame(kWidth, kHeight, bytesPerPixel, i);
        if (writer.AddFrame(static_cast<std::uint32_t>(i), frame.data()))
            return i + 1;
    }
    return maxFrames;
}

enum class Decode { EveryFrame, LastPart };

// Checks everything a reader relies on in one of our Motion JPEG files, and
// gives the frame chunks of all parts in order. A large file may have only
// its last part decoded, reached by seeking through its index.
std::vector<RiffChunk> VerifyMotionJpegFile(const std::string& path, bool openDml, Decode decode = Decode::EveryFrame)
{
    const RiffWalk walk = WalkRiff(path);
    EXPECT_EQ(walk.problem, "");
    const auto header = ReadBytes(path, 0, 2048);
    EXPECT_EQ(header.size(), 2048u);
    const std::uint32_t totalFrames = ReadU32(path, 48);
    EXPECT_EQ(ReadU32(path, 140), totalFrames) << "strh length";
    if (openDml) {
        EXPECT_EQ(ReadU32(path, 1360), totalFrames) << "dmlh total frames";
    }

    std::vector<RiffChunk> frames;
    for (int part = 0; part < walk.Parts(); ++part) {
        const auto chunks = walk.FrameChunks(part);
        frames.insert(frames.end(), chunks.begin(), chunks.end());
    }
    EXPECT_EQ(frames.size(), totalFrames);
    std::uint32_t largest = 0;
    std::size_t stored = 0;
    for (const RiffChunk& chunk : frames) {
        largest = std::max(largest, chunk.size);
        stored += chunk.size > 0;
        if (chunk.size & 1) {
            EXPECT_EQ(ReadBytes(path, chunk.offset + 8 + chunk.size, 1).at(0), 0x30) << "pad byte";
        }
    }
    EXPECT_EQ(ReadU32(path, 60), largest) << "avih suggested buffer";
    EXPECT_EQ(ReadU32(path, 144), largest) << "strh suggested buffer";

    // idx1 follows the first movi list and covers the first part's chunks.
    const auto part0 = walk.FrameChunks(0);
    const auto idx1 = walk.Find(FourCC("idx1"));
    EXPECT_EQ(idx1.size(), 1u);
    if (idx1.size() == 1) {
        EXPECT_EQ(idx1[0].offset, 2036 + 8 + ReadU32(path, 2040)) << "movi list size";
        EXPECT_EQ(idx1[0].size, part0.size() * 16);
        for (std::size_t i = 0; i < part0.size() && i < idx1[0].size / 16; ++i) {
            const std::uint64_t entry = idx1[0].offset + 8 + 16 * i;
            EXPECT_EQ(ReadU32(path, entry), FourCC("00dc"));
            EXPECT_EQ(ReadU32(path, entry + 4), 0x10u);
            EXPECT_EQ(2044 + ReadU32(path, entry + 8), part0[i].offset) << "idx1 entry " << i;
            EXPECT_EQ(ReadU32(path, entry + 12), part0[i].size) << "idx1 entry " << i;
        }
    }

    if (openDml) {
        const int parts = walk.Parts();
        EXPECT_EQ(ReadU32(path, 296), std::uint32_t(parts)) << "super index entries in use";
        EXPECT_EQ(ReadU32(path, 300), FourCC("00dc")) << "super index chunk id";
        std::uint32_t indexedFrames = 0;
        for (int part = 0; part < parts; ++part) {
            SCOPED_TRACE("part " + std::to_string(part));
            const auto chunks = walk.FrameChunks(part);
            const std::uint64_t entry = 316 + 16 * part;
            const std::uint64_t indexOffset = ReadU64(path, entry);
            const auto ix00 = walk.Find(FourCC("ix00"), part);
            EXPECT_EQ(ix00.size(), 1u);
            if (ix00.empty() || chunks.empty())
                continue;
            EXPECT_EQ(ix00[0].offset, indexOffset);
            EXPECT_EQ(ReadU32(path, entry + 8), ix00[0].size + 8);
            EXPECT_EQ(ReadU32(path, entry + 12), chunks.size());
            indexedFrames += ReadU32(path, entry + 12);
            EXPECT_EQ(ReadU32(path, indexOffset + 8), 0x01000002u) << "longs per entry 2, index of chunks";
            EXPECT_EQ(ReadU32(path, indexOffset + 12), chunks.size());
            EXPECT_EQ(ReadU32(path, indexOffset + 16), FourCC("00dc"));
            const std::uint64_t base = ReadU64(path, indexOffset + 20);
            EXPECT_EQ(base, chunks[0].offset);
            for (std::size_t i = 0; i < chunks.size(); ++i) {
                EXPECT_EQ(base + ReadU32(path, indexOffset + 32 + 8 * i) - 8, chunks[i].offset) << "entry " << i;
                EXPECT_EQ(ReadU32(path, indexOffset + 36 + 8 * i), chunks[i].size) << "entry " << i;
            }
            if (part > 0) {
                const auto riff = walk.Find(FourCC("RIFF"), part);
                EXPECT_EQ(riff.at(0).listType, FourCC("AVIX"));
                EXPECT_EQ(ReadU32(path, riff.at(0).offset + 12), FourCC("LIST"));
                EXPECT_EQ(ReadU32(path, riff.at(0).offset + 20), FourCC("movi"));
                EXPECT_EQ(riff.at(0).offset + 24, chunks[0].offset);
            }
        }
        EXPECT_EQ(indexedFrames, totalFrames);
    }

    auto probe = Probe(path);
    EXPECT_EQ(probe["codec_name"], "mjpeg");
    EXPECT_EQ(probe["nb_read_packets"], std::to_string(stored));
    if (decode == Decode::EveryFrame) {
        EXPECT_EQ(DecodeErrors(path), "");
    } else {
        const std::size_t firstOfLastPart = frames.size() - walk.FrameChunks(walk.Parts() - 1).size();
        const double seconds = double(firstOfLastPart) * ReadU32(path, 128) / ReadU32(path, 132);
        EXPECT_EQ(DecodeErrors(path, seconds), "");
    }
    // libavformat's index, built from the file's indexes, must point at the
    // packets that a sequential read finds. For an OpenDML file with AVIX
    // parts only the super index reaches past the first part.
    const IndexComparison read = IndexAndPackets(path);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.index.size(), stored);
    EXPECT_EQ(read.packets.size(), stored);
    for (std::size_t i = 0; i < std::min(read.index.size(), read.packets.size()); ++i) {
        EXPECT_EQ(read.index[i].first + 8, read.packets[i].first) << "packet " << i;
        EXPECT_EQ(read.index[i].second, read.packets[i].second) << "packet " << i;
    }
    return frames;
}

class OwnMotionJpegWriters : public testing::TestWithParam<std::uint32_t> {
protected:
    bool OpenDml() const { return GetParam() == kCompressorMotionJpegOpenDml; }
    TempDir dir_;
    std::string path_ = dir_.file("movie.avi");
};

} // namespace

TEST_P(OwnMotionJpegWriters, SkippedFrameNumbersLeaveEmptyIndexedChunks)
{
    {
        auto writer = OpenWriter(GetParam(), path_, 30);
        // Jumps of 3 leave two empty chunks each; the recording is still open
        // when the writer is destroyed, which finalises the file.
        const std::uint32_t numbers[] = {100, 101, 102, 105, 106, 109};
        for (std::uint32_t number : numbers) {
            const auto frame = MakeFrame(kWidth, kHeight, 3, int(number));
            EXPECT_FALSE(writer->AddFrame(number, frame.data()));
        }
        EXPECT_EQ(writer->FramesWritten(), 6u);
    }
    const auto frames = VerifyMotionJpegFile(path_, OpenDml());
    ASSERT_EQ(frames.size(), 10u);
    for (std::size_t empty : {3, 4, 7, 8})
        EXPECT_EQ(frames[empty].size, 0u) << empty;
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](const RiffChunk& c) { return c.size & 1; }))
        << "the test frames should include an odd-length JPEG";
    EXPECT_EQ(ReadU32(path_, 64), std::uint32_t(kWidth));
    EXPECT_EQ(ReadU32(path_, 68), std::uint32_t(kHeight));
    EXPECT_EQ(ReadU32(path_, 108), FourCC("vids"));
    EXPECT_EQ(ReadU32(path_, 112), FourCC("MJPG"));
    EXPECT_EQ(ReadU32(path_, 148), 7500u) << "quality 75";
    EXPECT_EQ(ReadU32(path_, 44), OpenDml() ? 0x810u : 0x10u);
}

// A recording of no planned length: the header claims nothing until the
// file is closed, then what it holds. The size table and the closing reserve
// grow as positions come, past the reserve's first step too.
TEST_P(OwnMotionJpegWriters, AnUnplannedRecordingCountsWhatItWroteWhenClosed)
{
    struct Case {
        std::vector<std::uint32_t> numbers;
        std::uint32_t positions;
        bool decode;
    };
    // Decoders choke on tens of thousands of empty chunks in a row: the long
    // jump is checked by its header only.
    const Case cases[] = {{{0, 1, 2, 5}, 6, true}, {{0, 70000, 70001}, 70002, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.positions);
        {
            auto writer = OpenWriter(GetParam(), path_, kUnplannedFrames);
            EXPECT_EQ(ReadU32(path_, 48), 0u);
            for (std::uint32_t number : c.numbers) {
                const auto frame = MakeFrame(kWidth, kHeight, 3, int(number));
                EXPECT_FALSE(writer->AddFrame(number, frame.data())) << number;
            }
            EXPECT_EQ(writer->FramesWritten(), c.numbers.size());
        }
        EXPECT_EQ(ReadU32(path_, 48), c.positions);
        EXPECT_EQ(ReadU32(path_, 140), c.positions) << "strh length";
        if (c.decode) {
            EXPECT_EQ(VerifyMotionJpegFile(path_, OpenDml()).size(), c.positions);
        }
    }
}

TEST_P(OwnMotionJpegWriters, OneFrameKeepsTheConfiguredRate)
{
    {
        auto writer = OpenWriter(GetParam(), path_, 10, 24, {}, 29.97);
        const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
        EXPECT_FALSE(writer->AddFrame(7, frame.data()));
    }
    VerifyMotionJpegFile(path_, OpenDml());
    EXPECT_EQ(ReadU32(path_, 128), 1000u);
    EXPECT_EQ(ReadU32(path_, 132), 29970u);
    EXPECT_EQ(Probe(path_)["r_frame_rate"], "2997/100");
}

TEST_P(OwnMotionJpegWriters, StopsAtThePlannedCountWithTheMeasuredRateAndNotifiesOnce)
{
    int notices = 0;
    {
        auto writer = AviWriter::Create(GetParam());
        writer->SetPath(path_);
        writer->SetPlannedFrames(5);
        writer->SetFrameRate(0.0); // unreadable rates fall back to 30 fps
        writer->SetCloseNotice([&notices] { ++notices; });
        EXPECT_EQ(writer->Rate(), 30000u);
        ASSERT_EQ(writer->Open(kWidth, kHeight, 24, true), kAviOk);
        for (int i = 0; i < 5; ++i) {
            // The writer measures the rate from the time between frames.
            if (i > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            const auto frame = MakeFrame(kWidth, kHeight, 3, i);
            EXPECT_EQ(writer->AddFrame(std::uint32_t(i), frame.data()), i == 4) << i;
        }
        const auto frame = MakeFrame(kWidth, kHeight, 3, 5);
        EXPECT_TRUE(writer->AddFrame(5, frame.data()));
        EXPECT_EQ(notices, 0);
    }
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(VerifyMotionJpegFile(path_, OpenDml()).size(), 5u);
    // Four intervals of at least 40 ms: at most 25 frames per second.
    const std::uint32_t rate = ReadU32(path_, 132);
    EXPECT_LE(rate, 25000u);
    EXPECT_GT(rate, 10000u);
}

TEST_P(OwnMotionJpegWriters, FrameCounterGoingBackEndsTheRecording)
{
    {
        auto writer = OpenWriter(GetParam(), path_, 50);
        for (std::uint32_t number : {5u, 6u, 7u}) {
            const auto frame = MakeFrame(kWidth, kHeight, 3, int(number));
            EXPECT_FALSE(writer->AddFrame(number, frame.data()));
        }
        const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
        EXPECT_TRUE(writer->AddFrame(6, frame.data()));
        EXPECT_TRUE(writer->AddFrame(0, frame.data()));
    }
    EXPECT_EQ(VerifyMotionJpegFile(path_, OpenDml()).size(), 3u);
}

TEST_P(OwnMotionJpegWriters, GreyFramesAreYCbCrWithNeutralChroma)
{
    std::vector<std::uint8_t> grey;
    {
        auto writer = OpenWriter(GetParam(), path_, 3, 8);
        grey = MakeFrame(kWidth, kHeight, 1, 3);
        EXPECT_FALSE(writer->AddFrame(0, grey.data()));
    }
    VerifyMotionJpegFile(path_, OpenDml());
    EXPECT_EQ(ReadU32(path_, 184) >> 16, 24u) << "strf bit count";
    EXPECT_EQ(ReadU32(path_, 188), FourCC("MJPG"));
    EXPECT_EQ(Probe(path_)["pix_fmt"], "yuvj422p");
    const auto decoded = DecodeRaw(path_, "yuvj422p");
    const std::size_t luma = std::size_t(kWidth) * kHeight;
    const std::size_t chroma = std::size_t(kWidth / 2) * kHeight;
    ASSERT_EQ(decoded.size(), luma + 2 * chroma);
    EXPECT_TRUE(std::all_of(decoded.begin() + luma, decoded.end(), [](std::uint8_t v) { return v == 128; }));
    long difference = 0;
    for (std::size_t i = 0; i < luma; ++i)
        difference += std::abs(int(decoded[i]) - int(grey[i]));
    EXPECT_LT(difference / long(luma), 4);
}

TEST_P(OwnMotionJpegWriters, JpegFramesLargerThanTheRawFrameAreStoredWhole)
{
    // Grey noise at quality 100 encodes as YCbCr into more bytes than the
    // grey frame holds.
    {
        auto writer = AviWriter::Create(GetParam());
        writer->SetPath(path_);
        writer->SetPlannedFrames(3);
        writer->SetQuality(100);
        ASSERT_EQ(writer->Open(kWidth, kHeight, 8, false), kAviOk);
        for (std::uint32_t i = 0; i < 3; ++i) {
            const auto noise = MakeNoiseFrame(kWidth, kHeight, 1, i);
            EXPECT_EQ(writer->AddFrame(i, noise.data()), i == 2);
        }
    }
    for (const RiffChunk& chunk : VerifyMotionJpegFile(path_, OpenDml()))
        EXPECT_GT(chunk.size, std::uint32_t(kWidth * kHeight));
}

TEST_P(OwnMotionJpegWriters, FailedOpenGivesTheCodeAndNeverNotifies)
{
    int notifications = 0;
    auto writer = AviWriter::Create(GetParam());
    writer->SetCloseNotice([&notifications] { ++notifications; });
    writer->SetPlannedFrames(5);
    writer->SetPath(dir_.file("missing/movie.avi"));
    EXPECT_EQ(writer->Open(kWidth, kHeight, 24, true), kAviCannotCreate);
    writer->SetPath(path_);
    EXPECT_EQ(writer->Open(0, kHeight, 24, true), kAviCannotCreate);
    EXPECT_EQ(writer->Open(kWidth, kHeight, 16, true), kAviCannotCreate);
    EXPECT_FALSE(writer->IsOpen());
    writer.reset();
    EXPECT_EQ(notifications, 0);
}

TEST_P(OwnMotionJpegWriters, AFailingDiskEndsTheRecording)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    auto writer = AviWriter::Create(GetParam());
    writer->SetPath("/dev/full");
    writer->SetPlannedFrames(50);
    ASSERT_EQ(writer->Open(kWidth, kHeight, 24, false), kAviOk);
    const auto frame = MakeFrame(kWidth, kHeight, 3, 0);
    EXPECT_TRUE(writer->AddFrame(0, frame.data()));
    EXPECT_NE(writer->Close(), kAviOk);
}

INSTANTIATE_TEST_SUITE_P(Both, OwnMotionJpegWriters,
                         testing::Values(kCompressorMotionJpeg, kCompressorMotionJpegOpenDml),
                         [](const testing::TestParamInfo<std::uint32_t>& info) {
                             return info.param == kCompressorMotionJpeg ? "Plain" : "OpenDml";
                         });

TEST(MotionJpegAvi, CreateChoosesTheWriterByCode)
{
    auto plain = AviWriter::Create(kCompressorMotionJpeg);
    EXPECT_EQ(plain->Kind(), AviFileKind::Plain);
    EXPECT_EQ(plain->Compressor(), kCompressorMotionJpeg);
    auto openDml = AviWriter::Create(kCompressorMotionJpegOpenDml);
    EXPECT_EQ(openDml->Kind(), AviFileKind::OpenDml);
    EXPECT_EQ(openDml->Compressor(), kCompressorMotionJpeg);
    for (std::uint32_t code : {kCompressorUncompressed, kCompressorMsMpeg4V1, kCompressorMsMpeg4V2}) {
        auto other = AviWriter::Create(code);
        EXPECT_EQ(other->Kind(), AviFileKind::Plain);
        EXPECT_EQ(other->Compressor(), code);
    }
}

TEST(MotionJpegAvi, PlainFileStopsBeforeItsSizeLimit)
{
    // The real limit is 2 GB; a small one exercises the same arithmetic.
    TempDir dir;
    const std::string path = dir.file("limited.avi");
    AviSizeLimits limits;
    limits.plainFile = 40000;
    {
        auto writer = OpenWriter(kCompressorMotionJpeg, path, 1000, 24, limits);
        const int added = RecordUntilComplete(*writer, 1000);
        EXPECT_LT(added, 1000);
        EXPECT_EQ(writer->FramesWritten(), std::uint32_t(added - 1)) << "the frame that did not fit is dropped";
    }
    const auto frames = VerifyMotionJpegFile(path, false);
    const auto size = std::filesystem::file_size(path);
    EXPECT_LE(size, limits.plainFile);
    // It stopped only because the next frame would not have fitted.
    EXPECT_GT(size + 8 + 2000 + 16, limits.plainFile);
    EXPECT_GT(frames.size(), 10u);
}

TEST(OpenDmlAvi, ContinuesIntoIndexedAvixParts)
{
    TempDir dir;
    const std::string path = dir.file("parts.avi");
    AviSizeLimits limits;
    limits.firstPart = 30000;
    limits.laterPart = 20000;
    {
        auto writer = OpenWriter(kCompressorMotionJpegOpenDml, path, 200, 24, limits);
        std::uint32_t number = 0;
        for (int i = 0; i < 60; ++i) {
            const auto frame = MakeFrame(kWidth, kHeight, 3, i);
            ASSERT_FALSE(writer->AddFrame(number, frame.data())) << i;
            number += (i % 7 == 3) ? 3 : 1;
        }
    }
    VerifyMotionJpegFile(path, true);
    const RiffWalk walk = WalkRiff(path);
    EXPECT_GE(walk.Parts(), 4);
    const auto riffs = walk.Find(FourCC("RIFF"));
    EXPECT_LE(riffs[0].size + 8, limits.firstPart);
    for (std::size_t part = 1; part < riffs.size(); ++part)
        EXPECT_LE(riffs[part].size + 8, limits.laterPart);
}

TEST(OpenDmlAvi, SixtyFourPartsEndTheRecordingWithAValidFile)
{
    TempDir dir;
    const std::string path = dir.file("full.avi");
    AviSizeLimits limits;
    limits.firstPart = 8000;
    limits.laterPart = 4000;
    {
        auto writer = OpenWriter(kCompressorMotionJpegOpenDml, path, 1000, 24, limits);
        EXPECT_LT(RecordUntilComplete(*writer, 1000), 1000);
    }
    VerifyMotionJpegFile(path, true);
    EXPECT_EQ(WalkRiff(path).Parts(), 64);
}

TEST(OpenDmlAvi, RecordingPassesOneGigabyte)
{
    // Colour noise compresses badly, so few large frames pass 1 GB quickly.
    constexpr int kBigWidth = 4000;
    constexpr int kBigHeight = 2000;
    TempDir dir;
    const std::string path = dir.file("large.avi");
    const auto frame = MakeNoiseFrame(kBigWidth, kBigHeight, 3, 7);
    const std::uint64_t target = (std::uint64_t{1} << 30) + (std::uint64_t{64} << 20);
    {
        auto writer = AviWriter::Create(kCompressorMotionJpegOpenDml);
        writer->SetPath(path);
        writer->SetPlannedFrames(1000);
        writer->SetQuality(100);
        writer->SetFrameRate(10.0);
        ASSERT_EQ(writer->Open(kBigWidth, kBigHeight, 24, false), kAviOk);
        for (std::uint32_t i = 0; std::filesystem::file_size(path) < target; ++i)
            ASSERT_FALSE(writer->AddFrame(i, frame.data()));
    }
    const RiffWalk walk = WalkRiff(path);
    ASSERT_EQ(walk.Parts(), 2);
    EXPECT_LE(walk.Find(FourCC("RIFF"))[0].size + 8, std::uint64_t{1} << 30);
    VerifyMotionJpegFile(path, true, Decode::LastPart);
}
