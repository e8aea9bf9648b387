#pragma once

#include <QString>

#include <memory>
#include <vector>

class SimCamera;

// The simulated cameras of "lumivex --demo", running in this process on
// 127.0.0.1, 127.0.0.2, ... They answer discovery like real cameras, so run
// the program inside a private network namespace (scripts/netns).
class DemoCameras {
public:
    DemoCameras();
    // Stops the cameras.
    ~DemoCameras();
    DemoCameras(const DemoCameras&) = delete;
    DemoCameras& operator=(const DemoCameras&) = delete;

    // Starts cameras 1 to count; false with ErrorText when one cannot start
    // (those started keep running).
    bool Start(int count);
    const QString& ErrorText() const { return error_; }

private:
    std::vector<std::unique_ptr<SimCamera>> cameras_;
    QString error_;
};
