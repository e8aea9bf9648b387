#pragma once

#include "TestAddress.h"

#include <string>
#include <sys/types.h>
#include <vector>

// Aravis's stock simulated GigE Vision camera, run as a child process on one
// loopback address until the object goes away. Its serial number follows the
// address: discovery tells cameras apart by maker and serial number, and test
// programs run side by side.
class FakeCamera {
public:
    explicit FakeCamera(std::string address, const std::vector<std::string>& extraArguments = {});
    ~FakeCamera();
    FakeCamera(const FakeCamera&) = delete;
    FakeCamera& operator=(const FakeCamera&) = delete;

    // True once the camera answers at its address.
    bool IsReady() const { return ready_; }
    const std::string& Address() const { return address_; }
    const std::string& Serial() const { return serial_; }
    // Freezes and thaws the camera, as a link that goes dead and comes back.
    void Pause();
    void Resume();

private:
    std::string address_;
    std::string serial_;
    pid_t pid_ = -1;
    bool ready_ = false;
};
