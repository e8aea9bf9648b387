#include "cli/CliSerialArguments.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    bool ok;
    SerialRequest request;
    std::string error;
};

Parsed Parse(const std::vector<std::string>& args)
{
    Parsed parsed;
    parsed.ok = ParseSerialArguments(args, parsed.request, parsed.error);
    return parsed;
}

TEST(SerialArguments, ReadWithHexAndDecimalNumbers)
{
    const Parsed parsed = Parse({"-c", "127.0.0.10", "read", "0x80", "33", "0x04"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.request.cameraAddress, "127.0.0.10");
    EXPECT_EQ(parsed.request.port, 0);
    EXPECT_FALSE(parsed.request.write);
    EXPECT_EQ(parsed.request.bank, 0x80);
    EXPECT_EQ(parsed.request.address, 33);
    EXPECT_EQ(parsed.request.length, 4);
}

TEST(SerialArguments, WriteWithPortAnywhere)
{
    const Parsed parsed = Parse({"write", "0", "0xFF", "1", "0xab", "255", "--port", "1", "--camera=cam"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_TRUE(parsed.request.write);
    EXPECT_EQ(parsed.request.port, 1);
    EXPECT_EQ(parsed.request.bank, 0);
    EXPECT_EQ(parsed.request.address, 0xFF);
    EXPECT_EQ(parsed.request.cameraAddress, "cam");
    EXPECT_EQ(parsed.request.data, (std::vector<uint8_t>{1, 0xAB, 255}));
    EXPECT_EQ(Parse({"-c", "cam", "--port=1", "read", "0", "0", "1"}).request.port, 1);
}

TEST(SerialArguments, HelpNeedsNothingElse)
{
    const Parsed parsed = Parse({"read", "--help"});
    EXPECT_TRUE(parsed.ok);
    EXPECT_TRUE(parsed.request.help);
}

TEST(SerialArguments, RefusesWhatCannotBeSent)
{
    const std::vector<std::vector<std::string>> bad = {
        {"read", "0", "0", "1"},                             // no camera
        {"-c"},                                              // -c without address
        {"-c", "cam", "read", "0", "0"},                     // no length
        {"-c", "cam", "read", "0", "0", "1", "2"},           // too many
        {"-c", "cam", "read", "0", "0", "0"},                // zero length
        {"-c", "cam", "read", "0", "0", "256"},              // beyond a byte
        {"-c", "cam", "read", "0x40", "0", "1"},             // not a bank
        {"-c", "cam", "read", "0", "0x", "1"},               // no digits
        {"-c", "cam", "read", "0", "12z", "1"},              // trailing junk
        {"-c", "cam", "read", "0", "-1", "1"},               // negative
        {"-c", "cam", "write", "0", "0"},                    // no bytes
        {"-c", "cam", "write", "0", "0", "0x100"},           // not a byte
        {"-c", "cam", "--port", "2", "read", "0", "0", "1"}, // no such port
        {"-c", "cam", "--port"},                             // port without number
        {"-c", "cam", "--port=x", "read", "0", "0", "1"},    // port not a number
        {"-c", "cam", "--verbose", "read", "0", "0", "1"},   // unknown option
        {"-c", "cam", "erase", "0", "0", "1"},               // unknown action
    };
    for (const auto& args : bad) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.ok) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.error.empty());
    }
    std::vector<std::string> longest = {"-c", "cam", "write", "0", "0"};
    longest.resize(longest.size() + 255, "7");
    EXPECT_TRUE(Parse(longest).ok);
    longest.push_back("7");
    EXPECT_FALSE(Parse(longest).ok);
}

} // namespace
