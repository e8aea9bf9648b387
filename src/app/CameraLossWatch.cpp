#include "app/CameraLossWatch.h"

#include "camera/AcquisitionThread.h"
#include "camera/CameraConnection.h"
#include "context/CameraContext.h"

#include <algorithm>

namespace {
constexpr int kCheckIntervalMs = 200;
} // namespace

CameraLossWatch::CameraLossWatch(CameraContext& context, LostFunction onLost, BackFunction onBack, QObject* parent)
    : QObject(parent),
      context_(context),
      onLost_(std::move(onLost)),
      onBack_(std::move(onBack))
{
    connect(&timer_, &QTimer::timeout, this, &CameraLossWatch::Check);
    timer_.start(kCheckIntervalMs);
}

bool CameraLossWatch::IsLost(const CameraConnection& camera) const
{
    return std::any_of(lost_.begin(), lost_.end(), [&](const LostCamera& lost) { return lost.camera == &camera; });
}

bool CameraLossWatch::IsConnected(const CameraConnection* camera) const
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
        CameraConnection* camera = context_.Camera(i);
        const AcquisitionThread* thread = camera->Acquisition().GetThread();
        if (!thread || !thread->CameraLost() || IsLost(*camera))
            continue;
        lost_.push_back({camera, CameraReturnSearch(camera->Identity().ipAddress, camera->Identity().macAddress)});
        onLost_(*camera);
    }

    for (auto entry = lost_.begin(); entry != lost_.end();) {
        if (!IsConnected(entry->camera)) {
            entry = lost_.erase(entry);
            continue;
        }
        if (const std::optional<SdkDiscoveryRecord> found = entry->search.Poll()) {
            // A camera that answers discovery while still starting up may
            // refuse the connection; it stays lost and is asked again.
            LostCamera back = std::move(*entry);
            lost_.erase(entry);
            if (!onBack_(*back.camera, *found))
                lost_.push_back(std::move(back));
            // The call may have changed the list; the next check goes on.
            return;
        }
        ++entry;
    }
}
