#include "camera/StreamStatistics.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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
    {"one second", {100, 50, 1'000'000, 3, 7, 4, 1}, {130, 80, 63'400'000, 3, 9, 5, 1}, 1.0,
     "T,127.0.0.1,30.00,30.00,62.400,0,2,1"},
    {"two seconds halve the rates but not the counts", {0, 0, 0, 0, 0, 0, 0}, {59, 29, 3'000'000, 30, 4, 2, 0}, 2.0,
     "T,127.0.0.1,29.50,14.50,1.500,30,4,2"},
    {"a restarted thread counts from zero", {9000, 8000, 900'000'000, 50, 10, 0, 0}, {15, 15, 1'500'000, 1, 10, 0, 0},
     0.5, "T,127.0.0.1,30.00,30.00,3.000,1,0,0"},
    {"no time passed: counts only", {1, 1, 1, 1, 1, 1, 1}, {5, 5, 5, 5, 5, 5, 5}, 0.0,
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

} // namespace
