#include "FakeCamera.h"
#include "TempDir.h"

#include "cli/CliCommand.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = CliMain(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The line of `features` output that describes one feature, split at tabs.
std::vector<std::string> FeatureLine(const std::string& output, const std::string& name)
{
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(name + "\t", 0) != 0)
            continue;
        std::vector<std::string> fields;
        std::istringstream columns(line);
        std::string field;
        while (std::getline(columns, field, '\t'))
            fields.push_back(field);
        return fields;
    }
    return {};
}

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { camera_ = std::make_unique<FakeCamera>(TestAddress()); }
    static void TearDownTestSuite() { camera_.reset(); }
    void SetUp() override { ASSERT_TRUE(camera_->IsReady()); }

    static std::string Address() { return camera_->Address(); }

    static std::unique_ptr<FakeCamera> camera_;
};

std::unique_ptr<FakeCamera> CliTest::camera_;

} // namespace

TEST_F(CliTest, ListGivesOneTabSeparatedLinePerCamera)
{
    CliRun run = Cli({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::istringstream lines(run.out);
    std::string line;
    bool found = false;
    while (std::getline(lines, line)) {
        if (line.rfind(Address() + "\t", 0) == 0) {
            found = true;
            EXPECT_EQ(line.substr(Address().size()), "\t00:00:00:00:00:00\tFake\t" + camera_->Serial());
        }
    }
    EXPECT_TRUE(found) << run.out;
    EXPECT_EQ(Cli({"list", "extra"}).status, 2);
}

TEST_F(CliTest, FeaturesDescribeTypeAccessVisibilityValueAndRange)
{
    ASSERT_EQ(Cli({"set", "-c", Address(), "Width=640"}).status, 0);
    CliRun run = Cli({"features", "-c", Address()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FeatureLine(run.out, "Width"),
              (std::vector<std::string>{"Width", "integer", "RW", "Beginner", "640", "1..2048 step 1"}));
    std::vector<std::string> format = FeatureLine(run.out, "PixelFormat");
    ASSERT_EQ(format.size(), 6u);
    EXPECT_EQ(format[1], "enumeration");
    EXPECT_NE(format[5].find("Mono8|"), std::string::npos) << format[5];
    EXPECT_EQ(FeatureLine(run.out, "AcquisitionStart"),
              (std::vector<std::string>{"AcquisitionStart", "command", "WO", "Beginner", "-", "-"}));
    EXPECT_EQ(FeatureLine(run.out, "SensorWidth")[2], "RO");
    EXPECT_EQ(FeatureLine(run.out, "TLParamsLocked")[3], "Invisible");
    EXPECT_EQ(FeatureLine(run.out, "ExposureTimeAbs")[5], "10..10000000");
    EXPECT_EQ(FeatureLine(run.out, "DeviceModelName")[4], "Fake");
}

TEST_F(CliTest, SetThenGetRoundTripsEveryKind)
{
    CliRun set = Cli({"set", "-c", Address(), "Width=0x100", "PixelFormat=Mono16", "TestBoolean=true",
                   "ExposureTimeAbs=2500"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "");
    CliRun get = Cli({"get", "--camera=" + Address(), "Width", "PixelFormat", "TestBoolean", "ExposureTimeAbs",
                   "DeviceModelName"});
    EXPECT_EQ(get.status, 0) << get.err;
    EXPECT_EQ(get.out, "Width=256\nPixelFormat=Mono16\nTestBoolean=true\nExposureTimeAbs=2500\nDeviceModelName=Fake\n");
    ASSERT_EQ(Cli({"set", "--camera", Address(), "PixelFormat=17301505"}).status, 0);
    EXPECT_EQ(Cli({"get", "-c", Address(), "PixelFormat"}).out, "PixelFormat=Mono8\n");
}

TEST_F(CliTest, AWriteTheCameraRefusesExitsWithOneAndSaysWhy)
{
    ASSERT_EQ(Cli({"set", "-c", Address(), "Width=320"}).status, 0);
    CliRun tooWide = Cli({"set", "-c", Address(), "Width=99999"});
    EXPECT_EQ(tooWide.status, 1);
    EXPECT_EQ(tooWide.err, "lumivex-cli: the camera refused Width=99999 (Invalid Parameter)\n");
    EXPECT_EQ(Cli({"get", "-c", Address(), "Width"}).out, "Width=320\n");

    CliRun readOnly = Cli({"set", "-c", Address(), "SensorWidth=5"});
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err, "lumivex-cli: the camera refused SensorWidth=5 (the feature is read-only)\n");

    // Stops at the first failure: Height keeps its value.
    ASSERT_EQ(Cli({"set", "-c", Address(), "Height=100"}).status, 0);
    EXPECT_EQ(Cli({"set", "-c", Address(), "GainRaw=99", "Height=200"}).status, 1);
    EXPECT_EQ(Cli({"get", "-c", Address(), "Height"}).out, "Height=100\n");
}

TEST_F(CliTest, MistakesGoToStandardErrorWithANonZeroExit)
{
    CliRun badValue = Cli({"set", "-c", Address(), "Width=wide"});
    EXPECT_EQ(badValue.status, 2);
    EXPECT_EQ(badValue.err, "lumivex-cli: 'wide' is not a value for the integer feature Width\n");
    EXPECT_EQ(Cli({"set", "-c", Address(), "Width"}).status, 2);
    EXPECT_EQ(Cli({"set", "-c", Address(), "TestBoolean=maybe"}).status, 2);

    CliRun missing = Cli({"get", "-c", Address(), "Width", "NoSuchFeature"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, Cli({"get", "-c", Address(), "Width"}).out);
    EXPECT_EQ(missing.err, "lumivex-cli: cannot read NoSuchFeature: the camera has no such feature\n");

    CliRun noCamera = Cli({"get", "Width"});
    EXPECT_EQ(noCamera.status, 2);
    EXPECT_EQ(noCamera.out, "");
    EXPECT_NE(noCamera.err.find("no camera given"), std::string::npos);

    CliRun nobodyThere = Cli({"features", "-c", TestAddress(1)});
    EXPECT_EQ(nobodyThere.status, 1);
    EXPECT_EQ(nobodyThere.err, "lumivex-cli: no camera answers at " + TestAddress(1) + "\n");

    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"get", "-c"}).status, 2);
    EXPECT_EQ(Cli({"get", "-x", "-c", Address(), "Width"}).status, 2);
}

TEST_F(CliTest, EveryCommandHasHelp)
{
    for (const char* command : {"list", "features", "get", "set"}) {
        CliRun run = Cli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind(std::string("Usage: lumivex-cli ") + command, 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    CliRun overview = Cli({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"list", "features", "get", "set"})
        EXPECT_NE(overview.out.find(std::string("  ") + command + " "), std::string::npos) << command;
}

TEST_F(CliTest, TheProgramExitsWithTheCommandsStatus)
{
    QProcess cli;
    cli.start(LUMIVEX_CLI_PROGRAM, {"set", "-c", QString::fromStdString(Address()), "Width=99999"});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardOutput(), "");
    EXPECT_EQ(cli.readAllStandardError(), "lumivex-cli: the camera refused Width=99999 (Invalid Parameter)\n");

    cli.start(LUMIVEX_CLI_PROGRAM, {"get", "-c", QString::fromStdString(Address()), "DeviceModelName"});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(cli.readAllStandardOutput(), "DeviceModelName=Fake\n");
}

// Every way a settings load fails says why on stderr, with exit status 1; the
// file this camera saved loads cleanly.
TEST_F(CliTest, SettingsLoadFailuresSayWhy)
{
    TempDir dir;
    const std::string saved = dir.file("saved.cfg");
    CliRun save = Cli({"settings", "-c", Address(), "save", saved});
    ASSERT_EQ(save.status, 0) << save.err;
    std::stringstream text;
    text << std::ifstream(saved).rdbuf();
    const std::string savedText = text.str();
    std::smatch model;
    ASSERT_TRUE(std::regex_search(savedText, model, std::regex(R"(\[Other-([0-9A-F]{4})\])"))) << savedText;
    const std::string code = model[1];
    const auto replaced = [&](const std::string& key, const std::string& value) {
        return std::regex_replace(savedText, std::regex("\n" + key + "=[^\n]*"), "\n" + key + "=" + value);
    };

    struct Case {
        const char* what;
        std::string name;  // written into the folder unless the text is empty
        std::string text;
        std::string err;
    };
    const Case cases[] = {
        {"the file as saved", "same.cfg", savedText, ""},
        {"missing file", "missing.cfg", "", dir.file("missing.cfg") + ": No such file or directory"},
        {"a folder", "", "", dir.path().string() + ": not a regular file"},
        {"other models only", "other.cfg", "[ROI-0BEE]\nOffsetX=0\n[Other-0C00]\nPixelFormat=1\n",
         dir.file("other.cfg") + " holds no settings for camera model " + code + " (only for 0BEE, 0C00)"},
        {"frame rate the camera refuses", "rate.cfg", replaced("AcquisitionFrameRate", "-1"),
         "the camera refused AcquisitionFrameRate=-1"},
        {"empty pulse width", "pulse.cfg", replaced("PulseWidth", ""), "[Trigger-" + code + "] PulseWidth has no value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.name.empty() ? dir.path().string() : dir.file(c.name);
        if (!c.text.empty())
            std::ofstream(path) << c.text;
        CliRun load = Cli({"settings", "-c", Address(), "load", path});
        EXPECT_EQ(load.status, c.err.empty() ? 0 : 1);
        EXPECT_EQ(load.err, c.err.empty() ? "" : "lumivex-cli: " + c.err + "\n");
    }
}
