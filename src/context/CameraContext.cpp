#include "context/CameraContext.h"

#include "camera/CameraConnection.h"
#include "capturewindows/SnapShotList.h"
#include "context/SettingsFile.h"
#include "imaging/OverlayPainterSet.h"
#include "profile/Profile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr int32_t kMaxInterpolationMethod = 5;
constexpr int32_t kMaxMirrorMode = 3;
constexpr int32_t kMaxDeepViewMode = kDeepViewBitShift;

// A value outside 0..max (a damaged or foreign settings file) takes the default.
int32_t InRangeOr(int32_t value, int32_t max, int32_t fallback)
{
    return value >= 0 && value <= max ? value : fallback;
}

} // namespace

CameraContext::CameraContext(std::string settingsPath)
    : drawingManager(std::make_unique<CDrawingManagement>()),
      settingsPath_(settingsPath.empty() ? SettingsFilePath() : std::move(settingsPath))
{
    Profile settings(settingsPath_);
    showToolBar = settings.GetInt(kSettingSection, kShowToolBarKey, kDefaultShowToolBar);
    displaySettings.interpolationMethod =
        InRangeOr(settings.GetInt(kOtherSection, kInterpolationMethodKey, DisplaySettings::kDefaultInterpolationMethod),
                  kMaxInterpolationMethod, DisplaySettings::kDefaultInterpolationMethod);
    displaySettings.mirrorMode =
        InRangeOr(settings.GetInt(kOtherSection, kMirrorModeKey, DisplaySettings::kDefaultMirrorMode), kMaxMirrorMode,
                  DisplaySettings::kDefaultMirrorMode);
    const DeepView defaults;
    DeepView view;
    view.mode = InRangeOr(settings.GetInt(kOtherSection, kDeepViewKey, defaults.mode), kMaxDeepViewMode, defaults.mode);
    view.blackPoint = InRangeOr(settings.GetInt(kOtherSection, kBlackPointKey, defaults.blackPoint),
                                DeepView::kMaxSample, defaults.blackPoint);
    view.whitePoint = InRangeOr(settings.GetInt(kOtherSection, kWhitePointKey, defaults.whitePoint),
                                DeepView::kMaxSample, defaults.whitePoint);
    view.autoLevels = settings.GetInt(kOtherSection, kAutoLevelsKey, 0) == 1;
    view.bitShift = InRangeOr(settings.GetInt(kOtherSection, kBitShiftKey, defaults.bitShift), DeepView::kMaxBitShift,
                              defaults.bitShift);
    displaySettings.StoreDeepView(view);
}

CameraContext::~CameraContext()
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(settingsPath_).parent_path(), ignored);
    Profile settings(settingsPath_);
    settings.WriteInt(kSettingSection, kShowToolBarKey, showToolBar);
    if (!cameras_.empty())
        settings.WriteString(cameras_.front()->Identity().macAddress, kDrawFileNameKey,
                             drawingManager->DrawingFileName().toStdString());
    settings.WriteInt(kOtherSection, kInterpolationMethodKey, displaySettings.interpolationMethod);
    settings.WriteInt(kOtherSection, kMirrorModeKey, displaySettings.mirrorMode);
    const DeepView view = displaySettings.LoadDeepView();
    settings.WriteInt(kOtherSection, kDeepViewKey, view.mode);
    settings.WriteInt(kOtherSection, kBlackPointKey, view.blackPoint);
    settings.WriteInt(kOtherSection, kWhitePointKey, view.whitePoint);
    settings.WriteInt(kOtherSection, kAutoLevelsKey, view.autoLevels ? 1 : 0);
    settings.WriteInt(kOtherSection, kBitShiftKey, view.bitShift);

    // No acquisition thread may be painting with the painter being deleted.
    for (const auto& camera : cameras_)
        camera->Acquisition().StopThread();
    drawingOverlayPainter.reset();
    while (!cameras_.empty())
        RemoveCamera(cameras_.back().get());
    snapshotList.reset();
    drawingManager.reset();
}

CameraConnection* CameraContext::Camera(int index) const
{
    if (index < 0 || index >= CameraCount())
        return nullptr;
    return cameras_[static_cast<size_t>(index)].get();
}

CameraConnection* CameraContext::AddCamera(std::unique_ptr<CameraConnection> camera)
{
    if (!camera || CameraCount() >= kMaxCameras)
        return nullptr;
    CameraConnection* added = camera.get();
    cameras_.push_back(std::move(camera));
    added->SetCameraNumber(CameraCount());
    added->Acquisition().CreateOverlayRegistry();
    overlayPainters_.push_back(
        std::make_unique<OverlayPainterSet>(*added->Acquisition().GetOverlayRegistry(), settingsPath_));
    added->Acquisition().SetDisplaySettings(&displaySettings);
    return added;
}

void CameraContext::RegisterDrawingFile(const QString& path)
{
    drawingManager->SetDrawingFileName(path);
    if (!cameras_.empty())
        Profile(settingsPath_)
            .WriteString(cameras_.front()->Identity().macAddress, kDrawFileNameKey, path.toStdString());
}

void CameraContext::RemoveCamera(CameraConnection* camera)
{
    auto found =
        std::find_if(cameras_.begin(), cameras_.end(),
                     [camera](const std::unique_ptr<CameraConnection>& listed) { return listed.get() == camera; });
    if (found == cameras_.end())
        return;
    // The painters leave the registry before it goes.
    overlayPainters_.erase(overlayPainters_.begin() + (found - cameras_.begin()));
    (*found)->Acquisition().DestroyOverlayRegistry();
    found->reset();
    cameras_.erase(found);
}

OverlayPainterSet* CameraContext::OverlayPainters(const CameraConnection* camera) const
{
    for (size_t i = 0; i < cameras_.size(); ++i) {
        if (cameras_[i].get() == camera)
            return overlayPainters_[i].get();
    }
    return nullptr;
}
