#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that stays signalled once set until it is reset, releasing every
// waiter meanwhile.
class ManualResetEvent {
public:
    void Set();
    void Reset();
    bool IsSet() const;
    // True when the event was set within the timeout.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};
