#include "platform/SignalWatch.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What the handler touches: only lock-free atomics and the pipe.
std::atomic<int> g_writeFd{-1};
std::atomic<int> g_firstSignal{0};
int g_readFd = -1;

constexpr int kMaxSignal = 65;
std::array<struct sigaction, kMaxSignal> g_previous{};
std::array<bool, kMaxSignal> g_installed{};

void OnSignal(int signal)
{
    const int savedErrno = errno;
    int none = 0;
    g_firstSignal.compare_exchange_strong(none, signal);
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds enough to wake the reader.
    [[maybe_unused]] const ssize_t written = ::write(g_writeFd.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatch::SignalWatch(std::initializer_list<int> watched, QObject* parent) : QObject(parent)
{
    static_assert(std::atomic<int>::is_always_lock_free);
    int fds[2];
    if (g_writeFd.load() >= 0 || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_readFd = fds[0];
    g_writeFd = fds[1];
    g_firstSignal = 0;
    notifier_ = new QSocketNotifier(g_readFd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalWatch::ReadSignals);

    for (const int signal : watched) {
        if (signal <= 0 || signal >= kMaxSignal)
            continue;
        struct sigaction action = {};
        action.sa_handler = &OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        // The second Ctrl+C meets the default action: the program ends at once.
        if (signal == SIGINT)
            action.sa_flags |= SA_RESETHAND;
        g_installed[signal] = ::sigaction(signal, &action, &g_previous[signal]) == 0;
    }
    watching_ = true;
}

SignalWatch::~SignalWatch()
{
    if (!watching_)
        return;
    for (int signal = 0; signal < kMaxSignal; ++signal) {
        if (g_installed[signal])
            ::sigaction(signal, &g_previous[signal], nullptr);
        g_installed[signal] = false;
    }
    delete notifier_;
    const int writeFd = g_writeFd.exchange(-1);
    ::close(writeFd);
    ::close(g_readFd);
    g_readFd = -1;
}

int SignalWatch::FirstSignal() const
{
    return watching_ ? g_firstSignal.load() : 0;
}

void SignalWatch::ReadSignals()
{
    unsigned char signal = 0;
    while (::read(g_readFd, &signal, 1) == 1)
        emit signalled(signal);
}
