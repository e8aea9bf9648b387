#include "profile/Profile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

int CountFiles(const std::filesystem::path& folder)
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(Profile, MissingFileOrKeyGivesTheDefault)
{
    TempDir dir;
    Profile missing(dir.file("none.ini"));
    EXPECT_EQ(missing.GetInt("Other", "MirrorMode", 3), 3);
    EXPECT_EQ(missing.GetString("Other", "Name", "dflt"), "dflt");
    EXPECT_DOUBLE_EQ(missing.GetDouble("Other", "Ratio", 1.5), 1.5);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));

    WriteText(dir.file("a.ini"), "[Other]\nMirrorMode=2\nEmpty=\nWord=abc\n");
    Profile profile(dir.file("a.ini"));
    EXPECT_EQ(profile.GetInt("Other", "Interpolation", 4), 4);
    EXPECT_EQ(profile.GetInt("Missing", "MirrorMode", 4), 4);
    EXPECT_EQ(profile.GetInt("Other", "MirrorMode", 4), 2);
    EXPECT_EQ(profile.GetInt("Other", "Empty", 4), 4);
    EXPECT_EQ(profile.GetInt("Other", "Word", 4), 4);
    EXPECT_EQ(profile.GetString("Other", "Empty", "x"), "");
    EXPECT_TRUE(profile.HasKey("other", "empty"));
    EXPECT_FALSE(profile.HasKey("Other", "None"));
}

TEST(Profile, NumbersReadAsTheProfileFunctionsReadThem)
{
    TempDir dir;
    WriteText(dir.file("n.ini"),
              "[N]\nNeg=-17\nPlus=+5\nHex=0x1A\nTail=12abc\nBlank=  7\nUnsigned=4294967295\nHuge=99999999999\n"
              "Real=2.500000\nRealTail=3.25mm\nExp=1e3\n");
    Profile profile(dir.file("n.ini"));
    EXPECT_EQ(profile.GetInt("N", "Neg", 0), -17);
    EXPECT_EQ(profile.GetInt("N", "Plus", 0), 5);
    EXPECT_EQ(profile.GetInt("N", "Hex", 0), 26);
    EXPECT_EQ(profile.GetInt("N", "Tail", 0), 12);
    EXPECT_EQ(profile.GetInt("N", "Blank", 0), 7);
    EXPECT_EQ(profile.GetInt("N", "Unsigned", 0), -1);
    EXPECT_EQ(profile.GetInt("N", "Huge", 8), 8);
    EXPECT_DOUBLE_EQ(profile.GetDouble("N", "Real", 0), 2.5);
    EXPECT_DOUBLE_EQ(profile.GetDouble("N", "RealTail", 0), 3.25);
    EXPECT_DOUBLE_EQ(profile.GetDouble("N", "Exp", 0), 1000.0);
    EXPECT_DOUBLE_EQ(profile.GetDouble("N", "Neg", 0), -17.0);
}

TEST(Profile, WritingOneKeyKeepsEveryOtherSectionKeyAndComment)
{
    TempDir dir;
    const std::string path = dir.file("keep.ini");
    WriteText(path, "; settings\n\n[Display]\nZoom=4\n; toolbar shown\nToolBar=1\n[Other]\nMirrorMode=0\n"
                    "Interpolation=2\n[Last]\nName=cam\n");
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("Other", "MirrorMode", 3));
    ASSERT_TRUE(profile.WriteInt("Other", "Added", -5));
    ASSERT_TRUE(profile.WriteString("New", "Key", "v"));

    const std::string text = ReadText(path);
    EXPECT_NE(text.find("; settings"), std::string::npos);
    EXPECT_NE(text.find("; toolbar shown\nToolBar=1"), std::string::npos);
    const size_t display = text.find("[Display]");
    const size_t other = text.find("[Other]");
    const size_t last = text.find("[Last]");
    const size_t added = text.find("[New]");
    EXPECT_TRUE(display < other && other < last && last < added) << text;
    EXPECT_LT(text.find("MirrorMode=3"), text.find("Interpolation=2"));
    EXPECT_LT(text.find("Interpolation=2"), text.find("Added=-5"));

    Profile reader(path);
    EXPECT_EQ(reader.GetInt("Display", "Zoom", 0), 4);
    EXPECT_EQ(reader.GetInt("Display", "ToolBar", 0), 1);
    EXPECT_EQ(reader.GetInt("Other", "MirrorMode", 0), 3);
    EXPECT_EQ(reader.GetInt("Other", "Interpolation", 0), 2);
    EXPECT_EQ(reader.GetInt("Other", "Added", 0), -5);
    EXPECT_EQ(reader.GetString("Last", "Name", ""), "cam");
    EXPECT_EQ(reader.GetString("New", "Key", ""), "v");
}

TEST(Profile, NamesAreCaseInsensitiveAndKeepTheirSpelling)
{
    TempDir dir;
    const std::string path = dir.file("case.ini");
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("Other", "MirrorMode", 2));
    EXPECT_EQ(profile.GetInt("OTHER", "mirrormode", 0), 2);
    ASSERT_TRUE(profile.WriteInt("other", "MIRRORMODE", 1));
    EXPECT_EQ(ReadText(path), "[Other]\nMirrorMode=1\n");
}

TEST(Profile, ValuesRoundTrip)
{
    TempDir dir;
    Profile profile(dir.file("values.ini"));
    ASSERT_TRUE(profile.WriteString("Unit", "LengthUnit", "milli metre per pixel"));
    ASSERT_TRUE(profile.WriteString("Unit", "Padded", "  two blanks  "));
    ASSERT_TRUE(profile.WriteString("Unit", "Utf8", "\xC2\xB5m"));
    ASSERT_TRUE(profile.WriteString("Unit", "Empty", ""));
    ASSERT_TRUE(profile.WriteDouble("Unit", "Size", 0.125));
    ASSERT_TRUE(profile.WriteInt("Unit", "Min", std::numeric_limits<int>::min()));

    Profile reader(dir.file("values.ini"));
    EXPECT_EQ(reader.GetString("Unit", "LengthUnit", ""), "milli metre per pixel");
    EXPECT_EQ(reader.GetString("Unit", "Padded", ""), "  two blanks  ");
    EXPECT_EQ(reader.GetString("Unit", "Utf8", ""), "\xC2\xB5m");
    EXPECT_EQ(reader.GetString("Unit", "Empty", "x"), "");
    EXPECT_EQ(reader.GetString("Unit", "Size", ""), "0.125000");
    EXPECT_EQ(reader.GetInt("Unit", "Min", 0), std::numeric_limits<int>::min());
}

TEST(Profile, RefusesNamesAndValuesThatWouldNotReadBack)
{
    TempDir dir;
    const std::string path = dir.file("refuse.ini");
    Profile profile(path);
    EXPECT_FALSE(profile.WriteString("Drawing", "Name", "two\nlines"));
    EXPECT_FALSE(profile.WriteString("Drawing", "Name", "x\r[Injected]"));
    EXPECT_FALSE(profile.WriteString("Draw]ing", "Name", "x"));
    EXPECT_FALSE(profile.WriteString("Drawing", "Na=me", "x"));
    EXPECT_FALSE(profile.WriteString("Drawing", ";Name", "x"));
    EXPECT_FALSE(profile.WriteString("", "Name", "x"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Profile, WritesDoNotLoseAKeyWrittenByAnotherObject)
{
    TempDir dir;
    const std::string path = dir.file("shared.ini");
    Profile first(path);
    Profile second(path);
    EXPECT_EQ(first.GetInt("S", "A", 0), 0);
    EXPECT_EQ(second.GetInt("S", "B", 0), 0);
    ASSERT_TRUE(first.WriteInt("S", "A", 1));
    ASSERT_TRUE(second.WriteInt("S", "B", 2));
    ASSERT_TRUE(first.WriteInt("S", "C", 3));
    EXPECT_EQ(second.GetInt("S", "A", 0), 1);
    EXPECT_EQ(first.GetInt("S", "B", 0), 2);
    EXPECT_EQ(second.GetInt("S", "C", 0), 3);
}

TEST(Profile, ConcurrentWritersOnOnePathKeepEveryKey)
{
    TempDir dir;
    const std::string path = dir.file("threads.ini");
    constexpr int kThreads = 4;
    constexpr int kKeys = 25;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&path, t] {
            Profile profile(path);
            for (int k = 0; k < kKeys; ++k)
                EXPECT_TRUE(profile.WriteInt("T" + std::to_string(t), "K" + std::to_string(k), k));
        });
    }
    for (auto& writer : writers)
        writer.join();
    Profile reader(path);
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(reader.GetInt("T" + std::to_string(t), "K" + std::to_string(k), -1), k);
    EXPECT_EQ(CountFiles(dir.path()), 1);
}

TEST(Profile, UpdateWritesManyKeysAtOnce)
{
    TempDir dir;
    const std::string path = dir.file("batch.drw");
    Profile profile(path);
    Profile other(path);
    profile.BeginUpdate();
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(profile.WriteInt("DrawingObject_" + std::to_string(i), "DrawingType", i % 12 + 1));
    EXPECT_EQ(profile.GetInt("DrawingObject_7", "DrawingType", 0), 8);
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(other.WriteInt("DrawingManagement", "Count", 200));
    ASSERT_TRUE(profile.EndUpdate());

    Profile reader(path);
    EXPECT_EQ(reader.GetInt("DrawingManagement", "Count", 0), 200);
    EXPECT_EQ(reader.GetInt("DrawingObject_199", "DrawingType", 0), 8);
}

TEST(Profile, MissingFolderIsNotCreated)
{
    TempDir dir;
    const std::string path = dir.file("absent/settings.ini");
    Profile profile(path);
    EXPECT_FALSE(profile.WriteInt("Other", "MirrorMode", 1));
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent")));
    EXPECT_EQ(profile.GetInt("Other", "MirrorMode", 9), 9);
}

TEST(Profile, AFileThatCannotBeReadIsNotReplaced)
{
    TempDir dir;
    const std::string path = dir.file("folder.ini");
    std::filesystem::create_directory(path);
    Profile profile(path);
    EXPECT_EQ(profile.GetInt("Other", "MirrorMode", 9), 9);
    EXPECT_FALSE(profile.WriteInt("Other", "MirrorMode", 1));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(CountFiles(dir.path()), 1);
}

TEST(Profile, ACrashWhileWritingLeavesTheOldFileIntact)
{
    TempDir dir;
    const std::string path = dir.file("crash.ini");
    const std::string original = "[Other]\nMirrorMode=2\n[Last]\nName=cam\n";
    WriteText(path, original);

    // A child process dies in the middle of writing: its file size limit
    // kills it with SIGXFSZ once the temporary file holds 64 KiB.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{64 << 10, 64 << 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        Profile profile(path);
        profile.WriteString("Big", "Value", std::string(1 << 20, 'x'));
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

    EXPECT_EQ(ReadText(path), original);
    EXPECT_EQ(CountFiles(dir.path()), 2); // the stale temporary file
    Profile profile(path);
    EXPECT_EQ(profile.GetInt("Other", "MirrorMode", 0), 2);
    ASSERT_TRUE(profile.WriteInt("Other", "MirrorMode", 3));
    Profile reader(path);
    EXPECT_EQ(reader.GetInt("Other", "MirrorMode", 0), 3);
    EXPECT_EQ(reader.GetString("Last", "Name", ""), "cam");
}

} // namespace
