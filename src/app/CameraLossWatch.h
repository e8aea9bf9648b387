#pragma once

#include "sdk/SdkDeviceInfo.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

class CameraContext;
class CDeviceInfo;

// Watches the connected cameras for one that is gone (its acquisition thread
// found it silent and no longer answering) and then, about once a second,
// asks its address for a camera with the same MAC address, so that the
// window can connect to it again. The searches run on threads of their own:
// the window never waits for a dead camera.
class CameraLossWatch : public QObject {
public:
    using LostFunction = std::function<void(CDeviceInfo& camera)>;
    using BackFunction = std::function<void(CDeviceInfo& camera, const SdkDeviceInfo& found)>;

    CameraLossWatch(CameraContext& context, LostFunction onLost, BackFunction onBack, QObject* parent = nullptr);

    bool IsLost(const CDeviceInfo& camera) const;

private:
    struct LostCamera {
        CDeviceInfo* camera;
        std::string ipAddress;
        std::string macAddress;
        std::future<std::optional<SdkDeviceInfo>> search;
        std::chrono::steady_clock::time_point lastSearch;
    };

    void Check();
    bool IsConnected(const CDeviceInfo* camera) const;

    CameraContext& context_;
    LostFunction onLost_;
    BackFunction onBack_;
    QTimer timer_;
    std::vector<LostCamera> lost_;
};
