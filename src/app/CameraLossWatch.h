#pragma once

#include "camera/CameraReturnSearch.h"
#include "sdk/SdkDiscoveryRecord.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class CameraContext;
class CameraConnection;

// Watches the connected cameras for one that is gone (its acquisition thread
// found it silent and no longer answering) and then, about once a second,
// asks its address for a camera with the same MAC address, so that the
// window can connect to it again. The searches run on threads of their own:
// the window never waits for a dead camera. The two calls must not wait for
// the user either: while one runs, this watch's timer cannot fire.
class CameraLossWatch : public QObject {
public:
    using LostFunction = std::function<void(CameraConnection& camera)>;
    // Gives false when the camera could not be connected again; it is then
    // looked for again.
    using BackFunction = std::function<bool(CameraConnection& camera, const SdkDiscoveryRecord& found)>;

    CameraLossWatch(CameraContext& context, LostFunction onLost, BackFunction onBack, QObject* parent = nullptr);

    bool IsLost(const CameraConnection& camera) const;

private:
    struct LostCamera {
        CameraConnection* camera;
        CameraReturnSearch search;
    };

    void Check();
    bool IsConnected(const CameraConnection* camera) const;

    CameraContext& context_;
    LostFunction onLost_;
    BackFunction onBack_;
    QTimer timer_;
    std::vector<LostCamera> lost_;
};
