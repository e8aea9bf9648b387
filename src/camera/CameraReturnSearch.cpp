#include "camera/CameraReturnSearch.h"

#include "sdk/SdkDiscovery.h"

#include <utility>

namespace {
// A question listens for most of this long itself, so the address is asked
// almost without pause.
constexpr auto kAskInterval = std::chrono::seconds(1);
} // namespace

CameraReturnSearch::CameraReturnSearch(std::string ipAddress, std::string macAddress)
    : ipAddress_(std::move(ipAddress)), macAddress_(std::move(macAddress)), since_(std::chrono::steady_clock::now())
{
}

std::optional<SdkDeviceInfo> CameraReturnSearch::Poll()
{
    if (question_.valid() && question_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        const std::optional<SdkDeviceInfo> found = question_.get();
        // Another camera given the address meanwhile is not this one.
        if (found && found->GetMACAddress() == macAddress_)
            return found;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!question_.valid() && now - lastAsked_ >= kAskInterval) {
        lastAsked_ = now;
        question_ = std::async(std::launch::async, [address = ipAddress_] {
            SdkDeviceInfo info;
            return SdkDeviceInfoFromAddress(address, info) ? std::optional<SdkDeviceInfo>(info) : std::nullopt;
        });
    }
    return std::nullopt;
}
