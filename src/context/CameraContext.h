#pragma once

#include "camera/DisplaySettings.h"
#include "camera/FrameRequest.h"
#include "camera/RecorderSlot.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/DrawingOverlayPainter.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CameraConnection;
class OverlayPainterSet;
class SnapShotList;
class QWidget;

// The one application-wide record that every window shares: the connected
// cameras, the display settings, the drawing manager, the snapshot list, the
// snapshot frame request and the recorder slot.
// Created before any window and destroyed after the main window has closed;
// it reads its settings at creation and writes them back at destruction.
class CameraContext {
public:
    static constexpr int kMaxCameras = 4;
    static constexpr int32_t kDefaultShowToolBar = 1;
    static constexpr int32_t kDefaultZoomIndex = 4; // x1
    static constexpr int32_t kDefaultThumbnailBorder = 5;
    static constexpr int32_t kDefaultThumbnailScale = 2;

    // An empty path means SettingsFilePath().
    explicit CameraContext(std::string settingsPath = {});
    ~CameraContext();
    CameraContext(const CameraContext&) = delete;
    CameraContext& operator=(const CameraContext&) = delete;

    const std::string& SettingsPath() const { return settingsPath_; }

    // The camera list, in connection order; the first camera is the one the
    // control panels and most commands act on.
    int CameraCount() const { return static_cast<int>(cameras_.size()); }
    CameraConnection* Camera(int index) const;
    CameraConnection* FirstCamera() const { return Camera(0); }
    // Appends a camera: sets its 1-based number, creates its
    // overlay registry and points it at this context's display settings.
    // Null, destroying the camera, when the list is full.
    CameraConnection* AddCamera(std::unique_ptr<CameraConnection> camera);
    // Destroys the camera's overlay registry, then the camera, and takes it
    // out of the list keeping the others' order.
    void RemoveCamera(CameraConnection* camera);
    // The built-in overlay painters of a listed camera, bound to its overlay
    // registry from AddCamera to RemoveCamera; null for a camera not listed.
    OverlayPainterSet* OverlayPainters(const CameraConnection* camera) const;
    // Makes path the drawing file loaded when the first camera connects, and
    // stores it for that camera at once: the camera may be disconnected, and
    // another one connected, before the program ends.
    void RegisterDrawingFile(const QString& path);

    int32_t recordingInProgress = 0;
    DisplaySettings displaySettings;
    QWidget* mainWindow = nullptr;
    std::unique_ptr<CDrawingManagement> drawingManager;
    int32_t showToolBar = kDefaultShowToolBar;
    int32_t zoomIndex = kDefaultZoomIndex;
    FrameRequest frameRequest;
    // The snapshot list (the snapshot windows), owned; null while it has none.
    std::unique_ptr<SnapShotList> snapshotList;
    std::mutex snapshotMutex;
    int32_t thumbnailBorder = kDefaultThumbnailBorder;
    int32_t thumbnailScale = kDefaultThumbnailScale;
    RecorderSlot recorder;
    // The "Drawing" overlay painter of the first camera; null when none.
    std::unique_ptr<DrawingOverlayPainter> drawingOverlayPainter;

private:
    std::string settingsPath_;
    std::vector<std::unique_ptr<CameraConnection>> cameras_;
    // One set per listed camera, in the same order.
    std::vector<std::unique_ptr<OverlayPainterSet>> overlayPainters_;
};
