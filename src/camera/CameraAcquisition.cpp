#include "camera/CameraAcquisition.h"

#include "camera/AcquisitionThread.h"
#include "camera/FeatureAccess.h"
#include "camera/OverlayRegistry.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <string>

namespace {

constexpr uint32_t kPayloadAlignment = 32;

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

CameraAcquisition::CameraAcquisition(SdkDevice& device, SdkStream& stream, SdkPipeline& pipeline)
    : device_(device),
      stream_(stream),
      pipeline_(pipeline)
{
}

CameraAcquisition::~CameraAcquisition()
{
    // The thread reads the device, pipeline and sinks until it has ended.
    StopThread();
    if (overlays_)
        sinks_->Remove(*overlays_);
}

void CameraAcquisition::SizeBuffersToPayload()
{
    int32_t payloadSize = 0;
    if (ReadFeatureValue(device_.GetGenParameters(), "PayloadSize", payloadSize) && payloadSize > 0) {
        const uint32_t bytes =
            (static_cast<uint32_t>(payloadSize) + kPayloadAlignment - 1) / kPayloadAlignment * kPayloadAlignment;
        pipeline_.SetBufferSize(bytes);
    }
}

void CameraAcquisition::StartAcquisition()
{
    SdkGenParameterArray* features = device_.GetGenParameters();
    // The buffers were sized when the pipeline started (StartThread).
    pipeline_.Reset();
    ExecuteCommand(stream_.GetParameters(), "Reset");

    std::string mode;
    if (!ReadFeatureText(features, "AcquisitionMode", mode) || Contains(mode, "Continuous")) {
        // Parameters stay locked while a continuous acquisition runs.
        WriteFeatureValue(features, "TLParamsLocked", 1);
        ExecuteCommand(features, "AcquisitionStart");
    } else if (Contains(mode, "Multi") || Contains(mode, "Single")) {
        WriteFeatureValue(features, "TLParamsLocked", 1);
        ExecuteCommand(features, "AcquisitionStart");
        WriteFeatureValue(features, "TLParamsLocked", 0);
    }
}

void CameraAcquisition::StopAcquisition()
{
    if (!device_.IsConnected())
        return;
    SdkGenParameterArray* features = device_.GetGenParameters();
    ExecuteCommand(features, "AcquisitionStop");
    WriteFeatureValue(features, "TLParamsLocked", 0);
}

bool CameraAcquisition::StartThread(FrameDisplayTarget* display, const FrameConverter& converter)
{
    if (thread_)
        return false;
    thread_ = std::make_unique<AcquisitionThread>(device_, pipeline_, *sinks_, displaySettings_, display, converter);
    if (!thread_->Start()) {
        thread_.reset();
        return false;
    }
    // The pipeline allocates its buffers as it starts, before the camera side
    // starts: they must fit the frames of the current format and area.
    SizeBuffersToPayload();
    pipeline_.Start();
    return true;
}

void CameraAcquisition::StopThread()
{
    if (thread_) {
        thread_->Stop();
        thread_.reset();
    }
    if (pipeline_.IsStarted())
        pipeline_.Stop();
}

void CameraAcquisition::CreateOverlayRegistry()
{
    if (overlays_)
        return;
    overlays_ = std::make_unique<OverlayRegistry>();
    sinks_->Add(*overlays_, SinkLayer::Overlay);
}

void CameraAcquisition::DestroyOverlayRegistry()
{
    StopThread();
    if (overlays_)
        sinks_->Remove(*overlays_);
    overlays_.reset();
}
