#pragma once

#include "sdk/SdkDiscoveryRecord.h"
#include "sdk/SdkResult.h"

#include <optional>
#include <string>

// The camera finder: a modal window that lists what discovery finds
// (IP address, MAC address, model) with OK and Cancel.
class SdkDeviceFinderWnd {
public:
    SdkDeviceFinderWnd();
    ~SdkDeviceFinderWnd();

    void SetTitle(const std::string& title);
    // OK with a camera selected gives OK, OK without one ABORTED; Cancel or
    // closing gives CANCEL.
    SdkResult ShowModal();
    // The camera chosen by the last ShowModal that ended with OK, or none.
    std::optional<SdkDiscoveryRecord> GetSelected() const;

private:
    std::string title_;
    std::optional<SdkDiscoveryRecord> selected_;
};
