#include "app/CameraLossWatch.h"

#include "camera/CDeviceInfo.h"
#include "camera/Thread.h"
#include "context/CameraContext.h"
#include "sdk/SdkDiscovery.h"

#include <algorithm>

namespace {
constexpr int kCheckIntervalMs = 200;
constexpr auto kSearchInterval = std::chrono::seconds(1);
} // namespace

CameraLossWatch::CameraLossWatch(CameraContext& context, LostFunction onLost, BackFunction onBack, QObject* parent)
    : QObject(parent), context_(context), onLost_(std::move(onLost)), onBack_(std::move(onBack))
{
    connect(&timer_, &QTimer::timeout, this, &CameraLossWatch::Check);
    timer_.start(kCheckIntervalMs);
}

bool CameraLossWatch::IsLost(const CDeviceInfo& camera) const
{
    return std::any_of(lost_.begin(), lost_.end(), [&](const LostCamera& lost) { return lost.camera == &camera; });
}

bool CameraLossWatch::IsConnected(const CDeviceInfo* camera) const
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (context_.Camera(i) == camera)
            return true;
    }
    return false;
}

void CameraLossWatch::Check()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CDeviceInfo* camera = context_.Camera(i);
        const Thread* thread = camera->GetThread();
        if (!thread || !thread->CameraLost() || IsLost(*camera))
            continue;
        lost_.push_back({camera, camera->GetIPAddress(), camera->GetMACAddress(), {}, {}});
        onLost_(*camera);
    }

    const auto now = std::chrono::steady_clock::now();
    for (auto entry = lost_.begin(); entry != lost_.end();) {
        if (!IsConnected(entry->camera)) {
            entry = lost_.erase(entry);
            continue;
        }
        if (entry->search.valid() &&
            entry->search.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            const std::optional<SdkDeviceInfo> found = entry->search.get();
            if (found && found->GetMACAddress() == entry->macAddress) {
                CDeviceInfo* camera = entry->camera;
                lost_.erase(entry);
                onBack_(*camera, *found);
                // The call may have changed the list; the next check goes on.
                return;
            }
        }
        if (!entry->search.valid() && now - entry->lastSearch >= kSearchInterval) {
            entry->lastSearch = now;
            entry->search = std::async(std::launch::async, [address = entry->ipAddress] {
                SdkDeviceInfo info;
                return SdkDeviceInfoFromAddress(address, info) ? std::optional<SdkDeviceInfo>(info) : std::nullopt;
            });
        }
        ++entry;
    }
}
