#include "camera/StreamStatistics.h"
#include "camera/LinkDiagnosis.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

struct RatesCase {
    const char* what;
    StreamCounts earlier;
    StreamCounts later;
    double seconds;
    const char* line;
};

// Fields: received, shown, bytes, dropped, missing, resent, failed.
const RatesCase kRatesCases[] = {
    {"one second",
     {100, 50, 1'000'000, 3, 7, 4, 1},
     {130, 80, 63'400'000, 3, 9, 5, 1},
     1.0,
     "T,127.0.0.1,30.00,30.00,62.400,0,2,1"},
    {"two seconds halve the rates but not the counts",
     {0, 0, 0, 0, 0, 0, 0},
     {59, 29, 3'000'000, 30, 4, 2, 0},
     2.0,
     "T,127.0.0.1,29.50,14.50,1.500,30,4,2"},
    {"a restarted thread counts from zero",
     {9000, 8000, 900'000'000, 50, 10, 0, 0},
     {15, 15, 1'500'000, 1, 10, 0, 0},
     0.5,
     "T,127.0.0.1,30.00,30.00,3.000,1,0,0"},
    {"no time passed: counts only",
     {1, 1, 1, 1, 1, 1, 1},
     {5, 5, 5, 5, 5, 5, 5},
     0.0,
     "T,127.0.0.1,0.00,0.00,0.000,4,4,4"},
};

TEST(StreamStatistics, RatesBetweenSamplesAndTheirLogLine)
{
    for (const RatesCase& c : kRatesCases) {
        const StreamRates rates = RatesBetween(c.earlier, c.later, c.seconds);
        EXPECT_EQ(StatsLogLine("T", "127.0.0.1", rates), c.line) << c.what;
        EXPECT_EQ(rates.failedBuffers, c.later.failedBuffers - c.earlier.failedBuffers) << c.what;
    }
}

TEST(StreamStatistics, LogGetsItsHeaderOnlyWhenNewOrEmpty)
{
    TempDir dir;
    const std::string path = dir.file("stats.csv");
    std::ofstream(path).close(); // an empty file counts as new
    ASSERT_TRUE(AppendStatsLog(path, {"a"}));
    ASSERT_TRUE(AppendStatsLog(path, {"b", "c"}));
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_EQ(text.str(), std::string(kStatsLogHeader) + "\na\nb\nc\n");
    EXPECT_EQ(std::string(kStatsLogHeader),
              "time,camera,received_fps,shown_fps,megabytes_per_s,dropped_frames,missing_packets,resent_packets");
    EXPECT_FALSE(AppendStatsLog(dir.file("no/such/folder/stats.csv"), {"a"}));
}

LinkFacts Facts(uint64_t missing, uint64_t resent, uint64_t failed, uint32_t packetSize, uint32_t mtu, int64_t delay,
                uint64_t rmemMax, double megabytes, int cameras)
{
    LinkFacts facts;
    facts.missingPackets = missing;
    facts.resentPackets = resent;
    facts.failedFrames = failed;
    facts.packetSize = packetSize;
    facts.interfaceName = "eth1";
    facts.interfaceMtu = mtu;
    facts.packetDelay = delay;
    facts.socketBuffer = 4u << 20;
    facts.rmemMax = rmemMax;
    facts.megabytesPerSecond = megabytes;
    facts.camerasOnLink = cameras;
    facts.linkMegabytesPerSecond = megabytes * cameras;
    return facts;
}

struct DiagnosisCase {
    const char* what;
    LinkFacts facts;
    std::vector<LossCause> causes;
    // A part of the status line's text.
    const char* says;
};

constexpr uint64_t kSmallRmem = 212992;
constexpr uint64_t kLargeRmem = 33554432;

const DiagnosisCase kDiagnosisCases[] = {
    {"nothing lost", Facts(0, 0, 0, 1440, 1500, 0, kSmallRmem, 60, 2), {}, ""},
    {"the system holds the socket buffer small",
     Facts(3, 5, 0, 8972, 9000, 100, kSmallRmem, 60, 1),
     {LossCause::SocketBuffer},
     "Packets lost (3 missing, 5 resent): The socket buffer gets 208 KB of the 4096 KB asked for, held by "
     "net.core.rmem_max; raise it: sysctl -w net.core.rmem_max=4194304."},
    {"standard packets at a high rate",
     Facts(0, 9, 0, 1440, 1500, 100, kLargeRmem, 60, 1),
     {LossCause::PacketSize},
     "41666 packets a second; turn on jumbo frames (ip link set dev eth1 mtu 9000"},
    {"small packets though the card takes jumbo frames",
     Facts(0, 9, 0, 1440, 9000, 100, kLargeRmem, 60, 1),
     {LossCause::PacketSize},
     "raise the packet size (GevSCPSPacketSize)"},
    {"standard packets at a low rate are no burden",
     Facts(1, 0, 1, 1440, 1500, 100, kLargeRmem, 5, 1),
     {LossCause::Unknown},
     "ethtool -G eth1 rx 4096"},
    {"two cameras on one card",
     Facts(2, 0, 0, 8972, 9000, 100, kLargeRmem, 40, 2),
     {LossCause::SharedLink},
     "2 cameras share one link (80.0 MB/s together)"},
    {"packets back to back", Facts(0, 1, 0, 8972, 9000, 0, kLargeRmem, 40, 1), {LossCause::PacketDelay}, "(GevSCPD 0)"},
    {"everything at once, most likely first",
     Facts(7, 0, 2, 1440, 1500, 0, kSmallRmem, 100, 3),
     {LossCause::SocketBuffer, LossCause::SharedLink, LossCause::PacketSize, LossCause::PacketDelay},
     "The socket buffer gets"},
};

TEST(StreamStatistics, LostPacketsAreExplainedWithTheirLikelyCauseAndFix)
{
    for (const DiagnosisCase& c : kDiagnosisCases) {
        EXPECT_EQ(DiagnoseLoss(c.facts), c.causes) << c.what;
        const QString summary = LinkDiagnosis::Summary(c.facts);
        EXPECT_EQ(summary.isEmpty(), c.causes.empty()) << c.what;
        EXPECT_TRUE(summary.contains(QString::fromUtf8(c.says))) << c.what << ": " << summary.toStdString();
    }
}

} // namespace
