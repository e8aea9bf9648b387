#include "FakeCamera.h"

#include "sdk/SdkDiscovery.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(50);

} // namespace

FakeCamera::FakeCamera(std::string address, const std::vector<std::string>& extraArguments)
    : address_(std::move(address)),
      serial_("GV" + address_.substr(address_.rfind('.') + 1))
{
    std::vector<std::string> arguments{"arv-fake-gv-camera-0.8", "-i", address_, "-s", serial_};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (address_.empty()) {
        pid_ = -1;
        return;
    }
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        // The camera ends with the test, however the test ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() == parent)
            execvp(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0)
        return;
    auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    SdkDiscoveryRecord info;
    while (!ready_ && std::chrono::steady_clock::now() < deadline) {
        ready_ = SdkDiscoveryRecordFromAddress(address_, info);
        if (!ready_)
            std::this_thread::sleep_for(kPollInterval);
    }
}

FakeCamera::~FakeCamera()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
}

void FakeCamera::Pause()
{
    if (pid_ > 0)
        kill(pid_, SIGSTOP);
}

void FakeCamera::Resume()
{
    if (pid_ > 0)
        kill(pid_, SIGCONT);
}
