#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns the termination signals a user or the system sends (SIGINT, SIGTERM,
// SIGHUP) into Qt signals on the thread that made the watch, from its event loop,
// so that a program can end its work cleanly instead of dying mid-write. The
// signal handler only writes the signal's number into a pipe, which is all a
// handler may safely do. A second SIGINT kills the program at once, for a
// user whose Ctrl+C seems to be ignored.
//
// One watch at a time; the signals' earlier actions are restored when it goes.
class SignalWatch : public QObject {
    Q_OBJECT

public:
    explicit SignalWatch(std::initializer_list<int> watched, QObject* parent = nullptr);
    ~SignalWatch() override;
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    // False when the pipe or the handlers could not be set up; the signals
    // then keep their earlier actions.
    bool IsWatching() const { return watching_; }
    // The first signal caught so far, or 0; usable without an event loop.
    int FirstSignal() const;

    // The exit status of a program that ended its work because of signal: as
    // a shell reports a program killed by it, 128 + its number.
    static int ExitStatus(int signal) { return 128 + signal; }

signals:
    // Once for every signal caught.
    void signalled(int signal);

private:
    void ReadSignals();

    QSocketNotifier* notifier_ = nullptr;
    bool watching_ = false;
};
