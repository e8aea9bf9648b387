#include "FakeCamera.h"
#include "TempDir.h"

#include "cli/CliCommand.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <sstream>

#include <unistd.h>

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
    CliRun set =
        Cli({"set", "-c", Address(), "Width=0x100", "PixelFormat=Mono16", "TestBoolean=true", "ExposureTimeAbs=2500"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "");
    CliRun get = Cli(
        {"get", "--camera=" + Address(), "Width", "PixelFormat", "TestBoolean", "ExposureTimeAbs", "DeviceModelName"});
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
    for (const char* notFinite : {"AcquisitionFrameRate=nan", "AcquisitionFrameRate=-inf"})
        EXPECT_EQ(Cli({"set", "-c", Address(), notFinite}).status, 2) << notFinite;

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
    EXPECT_EQ(Cli({"doctor", "-c", Address(), "--seconds", "0"}).status, 2);
    EXPECT_EQ(Cli({"doctor", "-c", Address(), "--seconds"}).status, 2);
}

// doctor reports the link after streaming for the time asked: a clean link
// passes; a camera that drops packets and never sends them again fails, with
// the cause and what to change.
TEST_F(CliTest, DoctorReportsTheLinkAndFailsWhenPacketsAreLost)
{
    CliRun clean = Cli({"doctor", "-c", Address(), "--seconds", "2"});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    for (const char* field : {"Packet size:", "net.core.rmem_max", "Throughput:", "Nothing was lost."})
        EXPECT_NE(clean.out.find(field), std::string::npos) << field << "\n" << clean.out;
    EXPECT_TRUE(std::regex_search(clean.out, std::regex("Frames: +[1-9][0-9]* completed, 0 failed"))) << clean.out;
    EXPECT_TRUE(std::regex_search(clean.out, std::regex("Packets: +0 missing, 0 resent"))) << clean.out;
    EXPECT_TRUE(std::regex_search(clean.out, std::regex("Socket buffer: +[1-9][0-9]* KB asked for"))) << clean.out;

    FakeCamera lossy(TestAddress(1), {"-r", "100"});
    ASSERT_TRUE(lossy.IsReady());
    CliRun lost = Cli({"doctor", "-c", lossy.Address(), "--seconds=2"});
    EXPECT_EQ(lost.status, 1) << lost.out << lost.err;
    EXPECT_TRUE(std::regex_search(lost.out, std::regex("Packets: +[1-9][0-9]* missing"))) << lost.out;
    EXPECT_NE(lost.out.find("To change:\n  - "), std::string::npos) << lost.out;
}

TEST_F(CliTest, EveryCommandHasHelp)
{
    for (const char* command : {"list", "features", "get", "set", "convert", "snapshot", "doctor"}) {
        CliRun run = Cli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind(std::string("Usage: lumivex-cli ") + command, 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    CliRun overview = Cli({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"list", "features", "get", "set", "convert", "snapshot", "doctor"})
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

TEST(CliRecord, ACameraKilledMidRecordingEndsTheProgramSoonAfterTheStallLimit)
{
    // The stall limit of `record` and what the program may take beyond it.
    constexpr int kStallLimitMs = 10000;
    constexpr int kEndWithinMs = kStallLimitMs + 2000;
    auto camera = std::make_unique<FakeCamera>(TestAddress(1));
    ASSERT_TRUE(camera->IsReady());
    const QString path = QDir::temp().filePath(QStringLiteral("lumivex-killed-%1.avi").arg(getpid()));
    QProcess cli;
    cli.start(LUMIVEX_CLI_PROGRAM,
              {"record", "-c", QString::fromStdString(camera->Address()), "--frames", "100000", path});
    ASSERT_TRUE(cli.waitForStarted());
    // Frames are flowing once the file grows past what its first look showed.
    QElapsedTimer waited;
    waited.start();
    qint64 firstSize = -1;
    while (waited.elapsed() < 20000 && cli.state() == QProcess::Running) {
        const qint64 size = QFileInfo(path).size();
        if (firstSize < 0 && size > 0)
            firstSize = size;
        else if (firstSize >= 0 && size > firstSize)
            break;
        cli.waitForFinished(50);
    }
    ASSERT_EQ(cli.state(), QProcess::Running) << cli.readAllStandardError().toStdString();
    ASSERT_TRUE(firstSize > 0 && QFileInfo(path).size() > firstSize) << "no frames were written";
    camera.reset();
    QElapsedTimer sinceKilled;
    sinceKilled.start();
    ASSERT_TRUE(cli.waitForFinished(kEndWithinMs + 10000));
    EXPECT_LT(sinceKilled.elapsed(), kEndWithinMs);
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_TRUE(cli.readAllStandardError().contains("the camera stopped sending frames"));
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-f", "null", "-"});
    ASSERT_TRUE(ffmpeg.waitForFinished(30000));
    EXPECT_EQ(ffmpeg.exitCode(), 0);
    EXPECT_EQ(ffmpeg.readAllStandardError(), "");
    QFile::remove(path);
}

TEST(CliRecord, WithReconnectTheRecordingSpansACameraRestartInTwoFinalisedFiles)
{
    constexpr int kFrames = 150;
    constexpr int kWaitMs = 20000;
    auto camera = std::make_unique<FakeCamera>(TestAddress(1));
    ASSERT_TRUE(camera->IsReady());
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("spans.avi"));
    const QString second = QString::fromStdString(dir.file("spans_2.avi"));
    QProcess cli;
    cli.start(LUMIVEX_CLI_PROGRAM, {"record", "-c", QString::fromStdString(camera->Address()), "--frames",
                                    QString::number(kFrames), "--reconnect", "--reconnect-timeout", "30", path});
    ASSERT_TRUE(cli.waitForStarted());
    // Frames are being written before the camera goes.
    QElapsedTimer timer;
    timer.start();
    qint64 firstSize = -1;
    while (timer.elapsed() < kWaitMs && (firstSize < 0 || QFileInfo(path).size() <= firstSize)) {
        if (firstSize < 0 && QFileInfo(path).size() > 0)
            firstSize = QFileInfo(path).size();
        cli.waitForFinished(20);
    }
    ASSERT_EQ(cli.state(), QProcess::Running) << cli.readAllStandardError().toStdString();
    ASSERT_GT(QFileInfo(path).size(), firstSize);

    camera.reset();
    QByteArray err;
    while (!err.contains("no longer answers") && timer.elapsed() < kWaitMs && cli.state() == QProcess::Running) {
        cli.waitForReadyRead(100);
        err += cli.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("no longer answers; waiting up to 30 s for it")) << err.toStdString();
    camera = std::make_unique<FakeCamera>(TestAddress(1));
    ASSERT_TRUE(camera->IsReady());

    ASSERT_TRUE(cli.waitForFinished(kWaitMs));
    err += cli.readAllStandardError();
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("the camera is back after")) << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("Recorded %1 frames into %2\n").arg(kFrames).arg(path)))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("the recording went on in %1.").arg(second))) << out.toStdString();
    int frames = 0;
    for (const QString& file : {path, second}) {
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                "stream=nb_read_frames", "-of", "csv=p=0", file});
        ASSERT_TRUE(probe.waitForFinished(10000));
        EXPECT_EQ(probe.readAllStandardError(), "") << file.toStdString();
        const int fileFrames = probe.readAllStandardOutput().trimmed().toInt();
        EXPECT_GT(fileFrames, 0) << file.toStdString();
        frames += fileFrames;
    }
    EXPECT_EQ(frames, kFrames);
}

TEST_F(CliTest, ConvertSavesARawFrameThroughTheViewersConversion)
{
    TempDir dir;
    // A 4 x 2 grey ramp and the same bytes as a Bayer RG frame.
    const std::string raw = dir.file("frame.raw");
    {
        std::ofstream file(raw, std::ios::binary);
        for (char value : {0, 40, 80, 120, 160, 200, 240, 255})
            file.put(value);
    }
    struct Case {
        std::vector<std::string> options;
        const char* output;
        QImage::Format grey;
        QColor topLeft;
    };
    const Case cases[] = {
        {{"--pixel-format", "Mono8"}, "grey.png", QImage::Format_Grayscale8, QColor(0, 0, 0)},
        // Mirrored both ways: the last pixel comes first.
        {{"--pixel-format=Mono8", "--mirror", "3"}, "mirrored.bmp", QImage::Format_Grayscale8, QColor(255, 255, 255)},
        {{"--pixel-format", "BayerRG8", "--interpolation", "1"}, "colour.jpg", QImage::Format_Invalid, QColor()},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"convert"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const std::string output = dir.file(c.output);
        for (const char* part : {"--width", "4", "--height", "2"})
            arguments.push_back(part);
        arguments.push_back(raw);
        arguments.push_back(output);
        CliRun run = Cli(arguments);
        ASSERT_EQ(run.status, 0) << c.output << run.err;
        const QImage image(QString::fromStdString(output));
        ASSERT_EQ(image.size(), QSize(4, 2)) << c.output;
        if (c.grey != QImage::Format_Invalid) {
            EXPECT_TRUE(image.isGrayscale()) << c.output;
            EXPECT_EQ(image.pixelColor(0, 0), c.topLeft) << c.output;
        } else {
            EXPECT_FALSE(image.allGray()) << c.output;
        }
    }

    // Mistakes: usage errors exit 2, a frame or file that cannot be done 1.
    const std::string out = dir.file("out.png");
    struct Mistake {
        std::vector<std::string> arguments;
        int status;
        const char* says;
    };
    const Mistake mistakes[] = {
        {{"convert", "--pixel-format", "Mono9", "--width", "4", "--height", "2", raw, out}, 2, "unknown pixel format"},
        {{"convert", "--width", "4", "--height", "2", raw, out}, 2, "no pixel format"},
        {{"convert", "--pixel-format", "Mono8", "--width", "0", "--height", "2", raw, out}, 2, "--width"},
        {{"convert", "--pixel-format", "Mono8", "--width", "4", "--height", "2", "--interpolation", "6", raw, out},
         2,
         "--interpolation takes 0 to 5"},
        {{"convert", "--pixel-format", "Mono8", "--width", "4", "--height", "2", "--mirror", "x", raw, out},
         2,
         "--mirror takes 0 to 3"},
        {{"convert", "--pixel-format", "Mono8", "--width", "4", "--height", "2", raw}, 2, "name the raw input"},
        {{"convert", "--pixel-format", "Mono16", "--width", "4", "--height", "2", raw, out}, 1, "need 16"},
        {{"convert", "--pixel-format", "Mono8", "--width", "4", "--height", "2", raw, dir.file("out.gif")},
         1,
         "use .bmp"},
        {{"convert", "--pixel-format", "Mono8", "--width", "4", "--height", "2", dir.file("none.raw"), out},
         1,
         "cannot read"},
    };
    for (const Mistake& mistake : mistakes) {
        CliRun run = Cli(mistake.arguments);
        EXPECT_EQ(run.status, mistake.status) << mistake.says;
        EXPECT_NE(run.err.find(mistake.says), std::string::npos) << run.err;
    }
}

TEST_F(CliTest, SnapshotAndRecordTakeFramesFromTheCamera)
{
    ASSERT_EQ(Cli({"set", "-c", Address(), "Width=64", "Height=48", "PixelFormat=Mono8"}).status, 0);
    TempDir dir;
    const std::string still = dir.file("snap.png");
    CliRun snapshot = Cli({"snapshot", "-c", Address(), "-o", still, "--mirror", "1"});
    ASSERT_EQ(snapshot.status, 0) << snapshot.err;
    EXPECT_EQ(snapshot.out, "Saved 64 x 48 into " + still + "\n");
    const QImage image(QString::fromStdString(still));
    EXPECT_EQ(image.size(), QSize(64, 48));
    EXPECT_TRUE(image.isGrayscale());

    EXPECT_EQ(Cli({"snapshot", "-c", Address()}).status, 2);
    EXPECT_EQ(Cli({"snapshot", "-o", still}).status, 2);
    EXPECT_EQ(Cli({"snapshot", "-c", Address(), "-o", still, "--interpolation", "9"}).status, 2);
    EXPECT_EQ(Cli({"snapshot", "-c", TestAddress(1), "-o", still}).status, 1);

    const std::string movie = dir.file("movie.avi");
    CliRun record = Cli({"record", "-c", Address(), "--frames", "5", movie});
    ASSERT_EQ(record.status, 0) << record.err;
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                            "stream=nb_read_frames,width,height", "-of", "csv=p=0", QString::fromStdString(movie)});
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "64,48,5");
}

namespace {

// A movie's frame counts: what its header says, and what a decoder reads.
struct MovieCounts {
    long header = -1;
    long decoded = -1;
};

MovieCounts CountFrames(const std::string& path)
{
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                            "stream=nb_frames,nb_read_frames", "-of", "csv=p=0", QString::fromStdString(path)});
    MovieCounts counts;
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return counts;
    const QList<QByteArray> fields = probe.readAllStandardOutput().trimmed().split(',');
    if (fields.size() == 2) {
        counts.header = fields[0].toLong();
        counts.decoded = fields[1].toLong();
    }
    return counts;
}

// The frames `record` says it wrote, or -1.
long ReportedFrames(const QByteArray& out, const std::string& path)
{
    std::smatch match;
    const std::string text = out.toStdString();
    // The first line counts the frames; the recording's summary follows.
    if (!std::regex_search(text, match, std::regex("^Recorded ([0-9]+) frames into (.*)\n")) || match[2] != path)
        return -1;
    return std::stol(match[1]);
}

// Waits, boundedly, until the file holds more than bytes.
bool GrowsPast(const std::string& path, qint64 bytes, QProcess& writer)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000 && writer.state() == QProcess::Running) {
        if (QFileInfo(QString::fromStdString(path)).size() > bytes)
            return true;
        writer.waitForFinished(50);
    }
    return false;
}

} // namespace

// An interrupted recording ends with a complete file for every codec: the
// header counts what a decoder reads, and that is what the program reports.
TEST_F(CliTest, AnInterruptedRecordingLeavesACompleteFile)
{
    ASSERT_EQ(Cli({"set", "-c", Address(), "Width=640", "Height=480", "PixelFormat=Mono8"}).status, 0);
    // Past the container library's output buffer, so frames are on disk.
    constexpr qint64 kRecordingUnderWay = 80 * 1024;
    struct Case {
        const char* codec;
        int signal;
        int status;
    };
    const Case cases[] = {
        {"mjpeg", SIGINT, 130}, {"mjpeg", SIGTERM, 143}, {"odml", SIGINT, 130}, {"odml", SIGHUP, 129},
        {"raw", SIGINT, 130},   {"raw", SIGTERM, 143},   {"mp42", SIGINT, 130}, {"mp42", SIGTERM, 143},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.codec) + " signal " + std::to_string(c.signal));
        const std::string path = dir.file(std::string(c.codec) + std::to_string(c.signal) + ".avi");
        QProcess cli;
        cli.start(LUMIVEX_CLI_PROGRAM, {"record", "-c", QString::fromStdString(Address()), "--codec", c.codec,
                                        QString::fromStdString(path)});
        ASSERT_TRUE(cli.waitForStarted());
        ASSERT_TRUE(GrowsPast(path, kRecordingUnderWay, cli)) << cli.readAllStandardError().toStdString();
        ASSERT_EQ(::kill(static_cast<pid_t>(cli.processId()), c.signal), 0);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), c.status) << cli.readAllStandardError().toStdString();
        const long reported = ReportedFrames(cli.readAllStandardOutput(), path);
        EXPECT_GT(reported, 0);
        const MovieCounts counts = CountFrames(path);
        EXPECT_EQ(counts.header, reported);
        EXPECT_EQ(counts.decoded, reported);
    }

    // --seconds ends the recording by itself.
    const std::string timed = dir.file("timed.avi");
    CliRun run = Cli({"record", "-c", Address(), "--seconds", "0.5", timed});
    ASSERT_EQ(run.status, 0) << run.err;
    const long reported = ReportedFrames(QByteArray::fromStdString(run.out), timed);
    EXPECT_GT(reported, 0);
    const MovieCounts counts = CountFrames(timed);
    EXPECT_EQ(counts.header, reported);
    EXPECT_EQ(counts.decoded, reported);
}

// The settings file on Aravis's fake camera, with its own description and
// with one that uses the standard float features: sections named after the
// model name (it has no ModelCode), the standard features kept as extra keys,
// and a load that restores them.
TEST_F(CliTest, SettingsRoundTripOnCamerasWithoutTheProgramsFeatures)
{
    FakeCamera standard(TestAddress(1), {"-g", LUMIVEX_FAKE_STANDARD_XML});
    ASSERT_TRUE(standard.IsReady());
    struct Case {
        std::string address;
        std::vector<std::string> saved;   // NAME=VALUE set before the save
        std::vector<std::string> changed; // set after it
        std::vector<std::string> keys;    // written into [LightControl-Fake]
    };
    const Case cases[] = {
        {Address(),
         {"GainRaw=4", "ExposureTimeAbs=1500"},
         {"GainRaw=9", "ExposureTimeAbs=3000"},
         {"GainRaw=4", "ExposureTimeAbs=1500"}},
        {standard.Address(),
         {"Gain=2.5", "ExposureTime=1200", "BlackLevel=3"},
         {"Gain=8", "ExposureTime=5000", "BlackLevel=9"},
         {"Gain=2.5", "ExposureTime=1200", "BlackLevel=3"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file("camera.cfg");
        std::vector<std::string> set{"set", "-c", c.address};
        set.insert(set.end(), c.saved.begin(), c.saved.end());
        ASSERT_EQ(Cli(set).status, 0) << c.address;
        ASSERT_EQ(Cli({"settings", "-c", c.address, "save", path}).status, 0) << c.address;
        std::ifstream file(path);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("[LightControl-Fake]"), std::string::npos) << text;
        EXPECT_EQ(text.find("-0000]"), std::string::npos) << text;
        EXPECT_EQ(text.find("=-1\n"), std::string::npos) << text;
        for (const std::string& key : c.keys)
            EXPECT_NE(text.find(key), std::string::npos) << key << "\n" << text;

        set = {"set", "-c", c.address};
        set.insert(set.end(), c.changed.begin(), c.changed.end());
        ASSERT_EQ(Cli(set).status, 0) << c.address;
        CliRun load = Cli({"settings", "-c", c.address, "load", path});
        EXPECT_EQ(load.status, 0) << load.err;
        std::vector<std::string> get{"get", "-c", c.address};
        std::string expected;
        for (const std::string& assignment : c.saved) {
            get.push_back(assignment.substr(0, assignment.find('=')));
            expected += assignment + "\n";
        }
        EXPECT_EQ(Cli(get).out, expected) << c.address;
    }
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
    ASSERT_TRUE(std::regex_search(savedText, model, std::regex(R"(\[Other-([^\]]+)\])"))) << savedText;
    const std::string code = model[1];
    const auto replaced = [&](const std::string& key, const std::string& value) {
        return std::regex_replace(savedText, std::regex("\n" + key + "=[^\n]*"), "\n" + key + "=" + value);
    };

    struct Case {
        const char* what;
        std::string name; // written into the folder unless the text is empty
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
        {"empty width", "width.cfg", replaced("Width", ""), "[ROI-" + code + "] Width has no value"},
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
