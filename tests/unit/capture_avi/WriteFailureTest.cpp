// Every movie writer on a disk that fills up, and at its size limit: the
// recording ends as a failure that says why, and the file is closed properly
// with every frame it counts, so that players read it to the end.
#include "AviTestSupport.h"
#include "TempDir.h"

#include "capture/AviWriter.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <string>

using namespace avitest;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr std::uint32_t kPlanned = 10000;

// A small file system of its own, seen only by this process: the test's own
// mount namespace holds it. False when the process may not make one.
bool MountSmallDisk(const std::string& folder, const char* size)
{
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    const std::string options = std::string("size=") + size;
    return mount("lumivex-test", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

struct Recorded {
    std::uint32_t framesWritten = 0;
    AviEnd end = AviEnd::Open;
    int error = 0;
    std::uint32_t closed = 0;
};

Recorded RecordUntilItEnds(std::uint32_t compressor, const std::string& path, const AviSizeLimits& limits)
{
    auto writer = AviWriter::Create(compressor);
    writer->SetPath(path);
    writer->SetPlannedFrames(kPlanned);
    writer->SetFrameRate(25.0);
    writer->SetSizeLimits(limits);
    EXPECT_EQ(writer->Open(kWidth, kHeight, 24, false), kAviOk);
    for (std::uint32_t i = 0; i < kPlanned; ++i) {
        // Noise keeps the compressed frames large.
        const auto frame = MakeNoiseFrame(kWidth, kHeight, 3, i);
        if (writer->AddFrame(i, frame.data()))
            break;
    }
    Recorded recorded{writer->FramesWritten(), writer->End(), writer->WriteError(), 0};
    recorded.closed = writer->Close();
    return recorded;
}

struct Writer {
    const char* name;
    std::uint32_t compressor;
};
constexpr Writer kWriters[] = {
    {"Motion JPEG", kCompressorMotionJpeg},
    {"Motion JPEG OpenDML", kCompressorMotionJpegOpenDml},
    {"uncompressed", kCompressorUncompressed},
    {"MS-MPEG4 V2", kCompressorMsMpeg4V2},
};

void ExpectReadableWithEveryFrame(const std::string& path, const Recorded& recorded)
{
    EXPECT_EQ(recorded.closed, kAviOk);
    EXPECT_GT(recorded.framesWritten, 2u);
    EXPECT_EQ(DecodeErrors(path), "");
    const auto probe = Probe(path);
    EXPECT_EQ(probe.at("nb_read_packets"), std::to_string(recorded.framesWritten));
    EXPECT_EQ(ReadU32(path, 48), recorded.framesWritten) << "frames in the main header";
}

} // namespace

TEST(WriteFailure, AFullDiskEndsTheRecordingWithAReadableFile)
{
    TempDir dir;
    if (!MountSmallDisk(dir.path().string(), "6m"))
        GTEST_SKIP() << "no mount namespace for a small disk (needs root)";
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const std::string path = dir.file(std::string(writer.name) + ".avi");
        const Recorded recorded = RecordUntilItEnds(writer.compressor, path, {});
        EXPECT_EQ(recorded.end, AviEnd::WriteFailed);
        EXPECT_EQ(recorded.error, ENOSPC);
        ExpectReadableWithEveryFrame(path, recorded);
        std::filesystem::remove(path);
    }
    umount(dir.path().c_str());
}

TEST(WriteFailure, ThePlainSizeLimitEndsTheRecordingAsAFailure)
{
    TempDir dir;
    AviSizeLimits limits;
    limits.plainFile = 2u << 20;
    for (const Writer& writer : {kWriters[0], kWriters[2]}) {
        SCOPED_TRACE(writer.name);
        const std::string path = dir.file(std::string(writer.name) + ".avi");
        const Recorded recorded = RecordUntilItEnds(writer.compressor, path, limits);
        EXPECT_EQ(recorded.end, AviEnd::WriteFailed);
        EXPECT_EQ(recorded.error, EFBIG);
        ExpectReadableWithEveryFrame(path, recorded);
    }
}
