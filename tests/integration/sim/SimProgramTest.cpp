// lumivex-camsim as a program, its command line, and two cameras at once.
#include "SimTestSupport.h"

#include "sim/SimCommandLine.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using namespace std::chrono_literals;

std::map<std::string, std::string> DiscoveredCameras()
{
    arv_update_device_list();
    std::map<std::string, std::string> cameras; // address -> device id
    for (unsigned i = 0; i < arv_get_n_devices(); ++i) {
        const char* address = arv_get_device_address(i);
        const char* id = arv_get_device_id(i);
        if (address != nullptr && id != nullptr)
            cameras[address] = id;
    }
    return cameras;
}

SimCommandLine Parse(std::initializer_list<const char*> arguments)
{
    QStringList list = {"lumivex-camsim"};
    for (const char* argument : arguments)
        list << argument;
    return ParseSimCommandLine(list);
}

} // namespace

TEST(SimCommandLine, OptionsMapOntoTheCamera)
{
    const SimCommandLine line = Parse({"--interface",
                                       "127.0.0.7",
                                       "--serial",
                                       "LXTEST",
                                       "--model-code",
                                       "0x1A2",
                                       "--pixel-format",
                                       "Mono12",
                                       "--width",
                                       "640",
                                       "--height",
                                       "480",
                                       "--mono",
                                       "--five-pins",
                                       "--no-option-board",
                                       "--device-version",
                                       "2.0005",
                                       "--without",
                                       "ReverseX,ReverseY",
                                       "--without",
                                       "GammaMode",
                                       "--fps",
                                       "12.5",
                                       "--loss",
                                       "20",
                                       "--control-loss",
                                       "50",
                                       "--frame-skip",
                                       "7"});
    ASSERT_TRUE(line.error.empty()) << line.error;
    const SimOptions& o = line.options;
    EXPECT_EQ(o.interfaceAddress, "127.0.0.7");
    EXPECT_EQ(o.serial, "LXTEST");
    EXPECT_EQ(o.modelCode, 0x1A2);
    EXPECT_EQ(o.pixelFormat, "Mono12");
    EXPECT_EQ(o.width, 640);
    EXPECT_EQ(o.height, 480);
    EXPECT_FALSE(o.colour);
    EXPECT_TRUE(o.fivePins);
    EXPECT_FALSE(o.optionBoard);
    EXPECT_EQ(o.deviceVersion, "2.0005");
    EXPECT_EQ(o.without, (std::vector<std::string>{"ReverseX", "ReverseY", "GammaMode"}));
    EXPECT_DOUBLE_EQ(o.fps, 12.5);
    EXPECT_EQ(o.lossPerMille, 20);
    EXPECT_EQ(o.controlLossPerMille, 50);
    EXPECT_EQ(o.frameSkip, 7);

    const SimCommandLine defaults = Parse({});
    EXPECT_TRUE(defaults.error.empty());
    EXPECT_EQ(defaults.options.interfaceAddress, "127.0.0.1");
    EXPECT_TRUE(defaults.options.colour);
    EXPECT_TRUE(defaults.options.optionBoard);

    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_NE(Parse({"--help"}).helpText.find("--no-option-board"), std::string::npos);
    EXPECT_FALSE(Parse({"--width", "wide"}).error.empty());
    EXPECT_FALSE(Parse({"--mono", "--colour"}).error.empty());
    EXPECT_FALSE(Parse({"--bogus"}).error.empty());
    EXPECT_FALSE(Parse({"stray"}).error.empty());
}

TEST(SimProgram, PrintsReadyAndStopsOnSigterm)
{
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const std::string address = TestAddress(1);
    std::vector<std::string> arguments = {LUMIVEX_CAMSIM_PATH, "--interface", address, "--serial", "LXPROG"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, LUMIVEX_CAMSIM_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    FILE* lines = fdopen(output[0], "r");
    char line[256] = {};
    ASSERT_NE(fgets(line, sizeof line, lines), nullptr);
    EXPECT_EQ(std::string(line), "lumivex-camsim: ready on " + address + " (serial LXPROG)\n");
    EXPECT_EQ(DiscoveredCameras()[address], "Norvane-LXSIM-1280C-LXPROG");

    ASSERT_EQ(kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    fclose(lines);
}

TEST(SimProgram, TwoCamerasAnswerAndStreamAtOnce)
{
    SimCamera first;
    SimCamera second;
    ASSERT_TRUE(first.Start(TestOptions(0))) << first.ErrorText();
    SimOptions options = TestOptions(1);
    options.colour = false;
    ASSERT_TRUE(second.Start(options)) << second.ErrorText();

    const std::map<std::string, std::string> cameras = DiscoveredCameras();
    EXPECT_EQ(cameras.count(TestAddress(0)), 1u);
    EXPECT_EQ(cameras.count(TestAddress(1)), 1u);
    EXPECT_NE(cameras.at(TestAddress(0)).find(first.SerialText()), std::string::npos);
    EXPECT_NE(cameras.at(TestAddress(1)).find(second.SerialText()), std::string::npos);

    CameraClient a(TestAddress(0));
    CameraClient b(TestAddress(1));
    ASSERT_TRUE(a.IsConnected()) << a.LastError();
    ASSERT_TRUE(b.IsConnected()) << b.LastError();
    ASSERT_TRUE(a.StartStream()) << a.LastError();
    ASSERT_TRUE(b.StartStream()) << b.LastError();
    for (int i = 0; i < 5; ++i) {
        const std::optional<Frame> fromA = a.NextFrame(2000ms);
        const std::optional<Frame> fromB = b.NextFrame(2000ms);
        ASSERT_TRUE(fromA && fromB);
        EXPECT_EQ(fromA->pixelFormat, 0x01080008u); // BayerGR8
        EXPECT_EQ(fromB->pixelFormat, 0x01080001u); // Mono8
    }
}

namespace {

// Whether the process is gone or a zombie waiting for its parent.
bool Ended(pid_t pid)
{
    FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (stat == nullptr)
        return true;
    char state = 0;
    const bool read = std::fscanf(stat, "%*d (%*[^)]) %c", &state) == 1;
    std::fclose(stat);
    return !read || state == 'Z';
}

} // namespace

TEST(SimProgram, EndsWithTheProcessThatStartedIt)
{
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    // A parent that starts the camera, says its id and then only waits.
    std::string script =
        std::string("'") + LUMIVEX_CAMSIM_PATH + "' --interface " + TestAddress(2) + " & echo $!; exec sleep 60";
    std::vector<std::string> arguments = {"/bin/sh", "-c", script};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t parent = 0;
    ASSERT_EQ(posix_spawn(&parent, "/bin/sh", &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    FILE* lines = fdopen(output[0], "r");
    char line[256] = {};
    ASSERT_NE(fgets(line, sizeof line, lines), nullptr);
    const pid_t camera = static_cast<pid_t>(std::stol(line));
    ASSERT_NE(fgets(line, sizeof line, lines), nullptr);
    EXPECT_NE(std::string(line).find("ready"), std::string::npos);

    ASSERT_EQ(kill(parent, SIGKILL), 0);
    int status = 0;
    waitpid(parent, &status, 0);
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!Ended(camera) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(Ended(camera));
    if (!Ended(camera))
        kill(camera, SIGKILL);
    fclose(lines);
}
