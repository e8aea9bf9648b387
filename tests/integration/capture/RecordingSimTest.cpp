// Movie recording from the simulated camera, end to end: lumivex-cli record,
// and the main window's Movie command on the camera context with the
// acquisition thread feeding the recorder; the files are read back by ffprobe
// and decoded by ffmpeg.
#include "AviTestSupport.h"
#include "SerialReports.h"
#include "TempDir.h"
#include "TestAddress.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FrameConverter.h"
#include "capture/AviWriter.h"
#include "capture/CRecordingControl.h"
#include "cli/CliCommand.h"
#include "commands/CMovieCommand.h"
#include "context/CameraContext.h"
#include "imaging/PixelFrameConverter.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkDiscoveryRecord.h"
#include "sim/SimCamera.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr auto kRecordingTimeout = 60s;

int Cli(const std::vector<std::string>& arguments, std::string* out = nullptr, std::string* err = nullptr)
{
    std::ostringstream outText;
    std::ostringstream errText;
    const int status = CliMain(arguments, outText, errText);
    if (out)
        *out = outText.str();
    if (err)
        *err = errText.str();
    return status;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

void ExpectMovie(const std::string& path, const std::string& codec, int packets)
{
    SCOPED_TRACE(path);
    std::map<std::string, std::string> probe = avitest::Probe(path);
    EXPECT_EQ(probe["codec_name"], codec);
    EXPECT_EQ(probe["width"], std::to_string(kWidth));
    EXPECT_EQ(probe["height"], std::to_string(kHeight));
    EXPECT_EQ(probe["nb_read_packets"], std::to_string(packets));
    EXPECT_EQ(avitest::DecodeErrors(path), "");
}

class RecordingSimTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SimOptions options;
        options.interfaceAddress = TestAddress();
        options.width = kWidth;
        options.height = kHeight;
        options.fps = 25.0;
        sim_ = std::make_unique<SimCamera>();
        if (!sim_->Start(options))
            FAIL() << sim_->ErrorText();
    }
    static void TearDownTestSuite() { sim_.reset(); }

    static std::unique_ptr<SimCamera> sim_;
};

std::unique_ptr<SimCamera> RecordingSimTest::sim_;

// The main window's side: the camera context with the first camera
// previewing, the recording control and the Movie command answered by the
// test instead of the user.
class MovieCommandTest : public RecordingSimTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_->IsRunning());
        context_ = std::make_unique<CameraContext>(dir_.file("lumivex.dat"));
        camera_ = context_->AddCamera(std::make_unique<CameraConnection>());
        ASSERT_NE(camera_, nullptr);
        camera_->GetSerial().SetReporter(&serial_);
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(), info));
        ASSERT_EQ(camera_->Connect(&info), 1);

        control_ = std::make_unique<CRecordingControl>(context_->recorder);
        movie_ = std::make_unique<CMovieCommand>(*context_, *control_);
        CMovieCommand::Prompts prompts;
        prompts.chooseMovieFile = [this](QWidget*) { return chosenPath_; };
        prompts.chooseSettings = [this](QWidget*, const RecordingCameraInfo& camera, const QString& path,
                                        RecordingSettings& settings) {
            shownCamera_ = camera;
            shownPath_ = path;
            shownSettings_ = settings;
            settings = chosenSettings_;
            return acceptSettings_;
        };
        prompts.showInformation = [this](QWidget*, const QString& message) {
            messages_.push_back(message.toStdString());
            if (onMessage_)
                onMessage_();
        };
        movie_->SetPrompts(prompts);
        QObject::connect(control_.get(), &CRecordingControl::recordingStarted, [this] { ++started_; });
        QObject::connect(control_.get(), &CRecordingControl::recordingFinished,
                         [this](CRecordingControl::EndReason reason) {
                             endReasons_.push_back(reason);
                             movie_->RecordingFinished(nullptr);
                         });

        ASSERT_TRUE(camera_->Acquisition().StartThread(nullptr, converter_));
        camera_->Acquisition().StartAcquisition();
    }

    void TearDown() override
    {
        if (camera_) {
            camera_->Acquisition().StopAcquisition();
            camera_->Acquisition().StopThread();
        }
        movie_.reset();
        control_.reset();
        context_.reset();
    }

    void Choose(const std::string& name, std::uint32_t compressor, std::uint32_t frames, int repeat = 0)
    {
        chosenPath_ = QString::fromStdString(dir_.file(name));
        chosenSettings_.compressor = compressor;
        chosenSettings_.frames = frames;
        chosenSettings_.quality = 75;
        chosenSettings_.retry = repeat > 0;
        chosenSettings_.repeat = repeat > 0 ? repeat : 1;
    }

    bool WaitForMessage()
    {
        return WaitUntil([this] { return !messages_.empty(); }, kRecordingTimeout);
    }

    TempDir dir_;
    PixelFrameConverter converter_;
    FailOnSerialError serial_;
    std::unique_ptr<CameraContext> context_;
    CameraConnection* camera_ = nullptr;
    std::unique_ptr<CRecordingControl> control_;
    std::unique_ptr<CMovieCommand> movie_;

    QString chosenPath_;
    RecordingSettings chosenSettings_;
    bool acceptSettings_ = true;
    RecordingCameraInfo shownCamera_;
    QString shownPath_;
    RecordingSettings shownSettings_;
    std::vector<std::string> messages_;
    std::function<void()> onMessage_;
    int started_ = 0;
    std::vector<CRecordingControl::EndReason> endReasons_;
};

} // namespace

TEST_F(RecordingSimTest, CliRecordsMotionJpeg)
{
    TempDir dir;
    const std::string path = dir.file("cli.avi");
    std::string out;
    std::string err;
    ASSERT_EQ(Cli({"record", "-c", TestAddress(), "--frames", "100", "--codec", "mjpeg", "--quality", "75", path}, &out,
                  &err),
              0)
        << err;
    EXPECT_EQ(out.substr(0, out.find('\n') + 1), "Recorded 100 frames into " + path + "\n");
    // The summary follows; the frame list lies beside the movie.
    EXPECT_NE(out.find("100 frames written; "), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::exists(dir.file("cli.frames.csv")));
    ExpectMovie(path, "mjpeg", 100);
}

TEST_F(RecordingSimTest, CliRecordsUncompressedAndOpenDml)
{
    TempDir dir;
    std::string err;
    ASSERT_EQ(
        Cli({"record", "--camera=" + TestAddress(), "--frames=4", "--codec=raw", dir.file("raw.avi")}, nullptr, &err),
        0)
        << err;
    ExpectMovie(dir.file("raw.avi"), "rawvideo", 4);
    ASSERT_EQ(
        Cli({"record", "-c", TestAddress(), "--frames", "6", "--codec", "odml", dir.file("odml.AVI")}, nullptr, &err),
        0)
        << err;
    ExpectMovie(dir.file("odml.AVI"), "mjpeg", 6);
}

TEST_F(RecordingSimTest, CliRefusesIncompleteCommandLines)
{
    const std::string camera = TestAddress();
    std::string err;
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "5", "--seconds", "1", "out.avi"}, nullptr, &err), 2);
    EXPECT_NE(err.find("either --frames or --seconds"), std::string::npos) << err;
    EXPECT_EQ(Cli({"record", "-c", camera, "--seconds", "0", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--seconds=soon", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "0", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "10x", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "10", "--codec", "h264", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "10", "--quality", "101", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "10", "out.mp4"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames", "10"}), 2);
    EXPECT_EQ(Cli({"record", "--frames", "10", "out.avi"}), 2);
    EXPECT_EQ(Cli({"record", "-c", camera, "--frames"}), 2);
    std::string out;
    EXPECT_EQ(Cli({"record", "--help"}, &out), 0);
    EXPECT_EQ(out.rfind("Usage: lumivex-cli record", 0), 0u) << out;
}

TEST_F(MovieCommandTest, RecordsMotionJpegAndKeepsTheSettings)
{
    Choose("movie.avi", kCompressorMotionJpeg, 100);
    movie_->Run(nullptr);
    EXPECT_EQ(shownPath_, chosenPath_);
    EXPECT_EQ(shownCamera_.width, kWidth);
    EXPECT_EQ(shownCamera_.height, kHeight);
    EXPECT_TRUE(shownCamera_.colour);
    EXPECT_NEAR(shownCamera_.frameRate, 25.0, 0.01);
    EXPECT_EQ(shownSettings_.frames, 300u); // the defaults: nothing kept yet
    EXPECT_EQ(context_->recordingInProgress, 1);

    ASSERT_TRUE(WaitForMessage());
    EXPECT_EQ(messages_, std::vector<std::string>{"AVI File Created."});
    EXPECT_EQ(started_, 1);
    EXPECT_EQ(context_->recordingInProgress, 0);
    EXPECT_FALSE(control_->IsActive());
    EXPECT_EQ(control_->FramesRecorded(), 100u);
    ExpectMovie(dir_.file("movie.avi"), "mjpeg", 100);

    const RecordingSettings kept = ReadRecordingSettings(context_->SettingsPath());
    EXPECT_EQ(kept.compressor, kCompressorMotionJpeg);
    EXPECT_EQ(kept.frames, 100u);
    EXPECT_EQ(kept.quality, 75);
}

TEST_F(MovieCommandTest, RepeatOfThreeWritesNumberedFilesAndReportsOnce)
{
    Choose("run.avi", kCompressorMotionJpeg, 5, 3);
    // When the one message comes, the third file is complete.
    onMessage_ = [this] { ExpectMovie(dir_.file("run_3.avi"), "mjpeg", 5); };
    movie_->Run(nullptr);
    ASSERT_TRUE(WaitForMessage());
    // Nothing more arrives.
    WaitUntil([] { return false; }, 500ms);
    EXPECT_EQ(messages_, std::vector<std::string>{"AVI File Created."});
    EXPECT_EQ(started_, 1);
    EXPECT_EQ(endReasons_, std::vector{CRecordingControl::EndReason::Completed});
    EXPECT_EQ(control_->FramesRecorded(), 15u);
    for (const char* name : {"run_1.avi", "run_2.avi"})
        ExpectMovie(dir_.file(name), "mjpeg", 5);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("run.avi")));
    EXPECT_FALSE(std::filesystem::exists(dir_.file("run_4.avi")));
}

TEST_F(MovieCommandTest, RepeatOfOneWritesTheChosenName)
{
    Choose("run.avi", kCompressorUncompressed, 3, 1);
    movie_->Run(nullptr);
    ASSERT_TRUE(WaitForMessage());
    EXPECT_EQ(messages_, std::vector<std::string>{"AVI File Created."});
    ExpectMovie(dir_.file("run.avi"), "rawvideo", 3);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("run_1.avi")));
}

TEST_F(MovieCommandTest, SecondCommandWhileRecordingOnlyKeepsTheSettings)
{
    Choose("long.avi", kCompressorMotionJpeg, 100000);
    movie_->Run(nullptr);
    ASSERT_TRUE(control_->IsActive());
    ASSERT_TRUE(WaitUntil([this] { return control_->FramesRecorded() >= 3; }, kRecordingTimeout));

    Choose("other.avi", kCompressorUncompressed, 10);
    chosenSettings_.quality = 40;
    movie_->Run(nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("other.avi")));
    EXPECT_EQ(context_->recorder.quality, 40);
    EXPECT_EQ(ReadRecordingSettings(context_->SettingsPath()).compressor, kCompressorUncompressed);
    EXPECT_EQ(context_->recordingInProgress, 1);

    // Closing the program finalises the open file without a message.
    camera_->Acquisition().StopAcquisition();
    camera_->Acquisition().StopThread();
    const std::uint64_t recorded = control_->FramesRecorded();
    control_.reset();
    EXPECT_FALSE(context_->recorder.active);
    EXPECT_EQ(context_->recorder.writer, nullptr);
    WaitUntil([] { return false; }, 200ms);
    EXPECT_TRUE(messages_.empty());
    ExpectMovie(dir_.file("long.avi"), "mjpeg", static_cast<int>(recorded));
}

TEST_F(MovieCommandTest, CancelledChoicesStartNothing)
{
    chosenPath_.clear();
    movie_->Run(nullptr);
    EXPECT_EQ(messages_, std::vector<std::string>{"Operation Canceled."});

    messages_.clear();
    Choose("cancelled.avi", kCompressorMotionJpeg, 10);
    acceptSettings_ = false;
    movie_->Run(nullptr);
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(control_->IsActive());
    EXPECT_EQ(context_->recordingInProgress, 0);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("cancelled.avi")));
    EXPECT_FALSE(std::filesystem::exists(context_->SettingsPath()));
}

TEST_F(MovieCommandTest, OnlyAviFilesAreRecorded)
{
    Choose("movie.mp4", kCompressorMotionJpeg, 10);
    movie_->Run(nullptr);
    EXPECT_FALSE(control_->IsActive());
    EXPECT_EQ(context_->recordingInProgress, 0);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("movie.mp4")));
    WaitUntil([] { return false; }, 200ms);
    EXPECT_EQ(started_, 0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(MovieCommandTest, NumberedFileThatCannotStartEndsTheRecording)
{
    std::filesystem::create_directory(dir_.file("run_2.avi"));
    Choose("run.avi", kCompressorMotionJpeg, 4, 3);
    movie_->Run(nullptr);
    ASSERT_TRUE(WaitForMessage());
    WaitUntil([] { return false; }, 500ms);
    EXPECT_EQ(messages_, std::vector<std::string>{"AVI File Created."});
    EXPECT_EQ(endReasons_, std::vector{CRecordingControl::EndReason::Failed});
    EXPECT_EQ(context_->recordingInProgress, 0);
    EXPECT_FALSE(control_->IsActive());
    ExpectMovie(dir_.file("run_1.avi"), "mjpeg", 4);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("run_3.avi")));
}

// A lost camera as the main window reports it: the recording ends with the
// closed file, or waits for the camera and, once it is back, goes on in the
// next number before the numbered files planned after it; stopped while
// waiting, it ends with what it has.
TEST_F(MovieCommandTest, ALostCameraEndsTheRecordingOrItGoesOnInTheNextNumberedFile)
{
    constexpr std::uint32_t kFrames = 20;
    // What a file holds: the frames before the loss, the frames that file
    // lacked, or all planned.
    enum class Part { Interrupted, Rest, Whole };
    struct Case {
        const char* name;
        bool continueAfterLoss;
        int repeat;
        bool back;
        std::vector<std::pair<std::string, Part>> files;
        // How the message after "AVI File Created." ends.
        const char* lastMessageEnd;
        CRecordingControl::EndReason reason;
    };
    const Case cases[] = {
        {"ends",
         false,
         0,
         false,
         {{"ends.avi", Part::Interrupted}},
         "ended because the camera stopped answering.",
         CRecordingControl::EndReason::CameraLost},
        {"goes",
         true,
         2,
         true,
         {{"goes_1.avi", Part::Interrupted}, {"goes_2.avi", Part::Rest}, {"goes_3.avi", Part::Whole}},
         "goes_2.avi.",
         CRecordingControl::EndReason::Completed},
        {"stops",
         true,
         0,
         false,
         {{"stops.avi", Part::Interrupted}},
         "and the recording ended before it was back.",
         CRecordingControl::EndReason::Stopped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.clear();
        endReasons_.clear();
        Choose(std::string(c.name) + ".avi", kCompressorMotionJpeg, kFrames, c.repeat);
        chosenSettings_.continueAfterLoss = c.continueAfterLoss;
        movie_->Run(nullptr);
        ASSERT_TRUE(WaitUntil([this] { return control_->FramesRecorded() >= 3; }, kRecordingTimeout));
        control_->CameraLost();
        const auto interrupted = static_cast<std::uint32_t>(control_->FramesRecorded());
        EXPECT_EQ(control_->IsWaitingForCamera(), c.continueAfterLoss);
        if (c.back) {
            EXPECT_TRUE(control_->CameraBack(*camera_));
        } else if (c.continueAfterLoss) {
            control_->Stop();
        }
        ASSERT_TRUE(WaitForMessage());
        WaitUntil([] { return false; }, 200ms);
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[0], "AVI File Created.");
        EXPECT_TRUE(messages_[1].ends_with(c.lastMessageEnd)) << messages_[1];
        EXPECT_EQ(endReasons_, std::vector{c.reason});
        EXPECT_EQ(context_->recordingInProgress, 0);
        std::uint32_t total = 0;
        for (const auto& [name, part] : c.files) {
            const std::uint32_t frames = part == Part::Interrupted ? interrupted
                                         : part == Part::Rest      ? kFrames - interrupted
                                                                   : kFrames;
            ExpectMovie(dir_.file(name), "mjpeg", static_cast<int>(frames));
            total += frames;
        }
        EXPECT_EQ(control_->FramesRecorded(), total);
    }
}
