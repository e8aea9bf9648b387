#include "camera/CameraReturnSearch.h"

#include "sdk/SdkDiscovery.h"

#include <utility>

CameraReturnSearch::CameraReturnSearch(std::string ipAddress, std::string macAddress)
    : ipAddress_(std::move(ipAddress)),
      macAddress_(std::move(macAddress)),
      since_(std::chrono::steady_clock::now())
{
}

std::optional<SdkDiscoveryRecord> CameraReturnSearch::Poll()
{
    if (question_.valid() && question_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        std::optional<SdkDiscoveryRecord> found = question_.get();
        // Another camera given the address meanwhile is not this one.
        if (found && found->GetMACAddress() == macAddress_)
            return found;
    }
    // A question asks a few times and listens a while after each, so the
    // next one starts at once: a camera back is found within a fraction of a
    // second, and the caller's timer keeps the pace.
    if (!question_.valid()) {
        question_ = std::async(std::launch::async, [address = ipAddress_] {
            SdkDiscoveryRecord info;
            return SdkDiscoveryRecordFromAddress(address, info) ? std::optional<SdkDiscoveryRecord>(info)
                                                                : std::nullopt;
        });
    }
    return std::nullopt;
}
