#include "camera/CameraConnection.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraAcquisition.h"
#include "camera/FeatureAccess.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscoveryRecord.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <chrono>
#include <thread>

namespace {

constexpr int kControllerAccess = 1;
constexpr int kStreamChannel = 0;
constexpr uint32_t kFallbackPacketSize = 1440;
constexpr uint32_t kStreamCapacity = 64;
constexpr auto kNegotiationFailurePause = std::chrono::milliseconds(2500);
constexpr auto kStreamOpenRetryPause = std::chrono::milliseconds(1000);

SdkGenEnum* FindEnum(SdkGenParameterArray* features, const std::string& name)
{
    SdkGenParameter* parameter = features ? features->Get(name) : nullptr;
    if (!parameter || parameter->GetType() != SDK_GEN_ENUM)
        return nullptr;
    return dynamic_cast<SdkGenEnum*>(parameter);
}

} // namespace

CameraConnection::CameraConnection()
    : device_(std::make_unique<SdkDevice>()),
      stream_(std::make_unique<SdkStream>()),
      pipeline_(std::make_unique<SdkPipeline>(*stream_)),
      serial_(std::make_unique<CRS232C_OM>()),
      acquisition_(std::make_unique<CameraAcquisition>(*device_, *stream_, *pipeline_))
{
}

CameraConnection::CameraConnection(std::unique_ptr<SdkDevice> device, std::unique_ptr<SdkPipeline> pipeline,
                                   std::unique_ptr<CRS232C_OM> serial)
    : device_(std::move(device)),
      stream_(std::make_unique<SdkStream>()),
      pipeline_(std::move(pipeline)),
      serial_(std::move(serial)),
      acquisition_(std::make_unique<CameraAcquisition>(*device_, *stream_, *pipeline_))
{
}

CameraConnection::~CameraConnection()
{
    // The thread reads the device and pipeline until it has ended.
    acquisition_->StopThread();
    if (device_->IsConnected())
        UnregisterSinks();
    if (stream_->IsOpen())
        stream_->Close();
    if (device_->IsConnected())
        device_->Disconnect();
    if (serial_->IsOpen())
        serial_->ClosePort();
}

int CameraConnection::Connect(const SdkDiscoveryRecord* info)
{
    if (!info)
        return 0;
    if (!device_->Connect(*info, kControllerAccess).IsOK()) {
        Disconnect();
        return 0;
    }
    if (!device_->NegotiatePacketSize(kStreamChannel, kFallbackPacketSize).IsOK())
        std::this_thread::sleep_for(kNegotiationFailurePause);

    bool streamOpen = false;
    for (int attempt = 0; attempt < kStreamOpenAttempts && !streamOpen; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(kStreamOpenRetryPause);
        streamOpen = stream_->Open(*device_, info->GetIPAddress(), 0, kStreamChannel, {}, kStreamCapacity).IsOK();
    }
    if (!streamOpen) {
        Disconnect();
        return 0;
    }
    device_->SetStreamDestination(stream_->GetLocalIPAddress(), stream_->GetLocalPort(), kStreamChannel);

    RegisterSinks();
    SdkGenParameterArray* link = device_->GetGenLink();
    WriteFeatureValue(link, "LinkRecoveryEnabled", 1);
    WriteFeatureValue(link, "StreamRecoveryEnabled", 1);

    identity_.ipAddress = info->GetIPAddress();
    identity_.macAddress = info->GetMACAddress();
    identity_.model = info->GetModel();

    ReadGeometry();
    SelectDigitizationTaps();
    return 1;
}

int CameraConnection::Disconnect()
{
    UnregisterSinks();
    device_->Disconnect();
    stream_->Close();
    return 1;
}

void CameraConnection::Abandon()
{
    device_->Abandon();
    acquisition_->StopThread();
    stream_->Abandon();
}

int CameraConnection::Reconnect(const SdkDiscoveryRecord& info)
{
    acquisition_->StopThread();
    if (stream_->IsOpen())
        stream_->Close();
    if (device_->IsConnected())
        device_->Disconnect();
    return Connect(&info);
}

bool CameraConnection::ReadGeometry()
{
    SdkGenParameterArray* features = Features();
    int32_t value = 0;
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    if (!ReadFeatureValue(features, "Width", value))
        return false;
    identity_.connectWidth = value;
    if (!ReadFeatureValue(features, "Height", value))
        return false;
    identity_.connectHeight = value;
    if (!ReadIntRange(features, "Width", min, max, increment))
        return false;
    identity_.widthMin = min;
    identity_.widthIncrement = increment;
    if (!ReadFeatureValue(features, "SensorWidth", value))
        return false;
    identity_.sensorWidth = value;
    if (!ReadIntRange(features, "Height", min, max, increment))
        return false;
    identity_.heightMin = min;
    identity_.heightIncrement = increment;
    if (!ReadFeatureValue(features, "SensorHeight", value))
        return false;
    identity_.sensorHeight = value;
    return true;
}

int CameraConnection::SelectDigitizationTaps()
{
    identity_.tapCount = 0;
    SdkGenEnum* taps = FindEnum(Features(), "SensorDigitizationTaps");
    uint32_t count = 0;
    if (!taps || !taps->GetEntriesCount(count).IsOK())
        return 0;
    identity_.tapCount = static_cast<int32_t>(count);
    if (count <= 1)
        return 0;
    const uint32_t pixelFormat = PixelFormat();
    const uint32_t index = pixelFormat == kPixelRGB8Packed || pixelFormat == kPixelBGR8Packed ? 0 : 1;
    SdkGenEnumEntry entry;
    if (!taps->GetEntryByIndex(index, entry).IsOK())
        return 0;
    return taps->SetValue(entry.GetValue()).IsOK() ? 1 : 0;
}

int32_t CameraConnection::Width()
{
    return IntFeatureOrZero(Features(), "Width");
}

int32_t CameraConnection::Height()
{
    return IntFeatureOrZero(Features(), "Height");
}

uint32_t CameraConnection::PixelFormat()
{
    return static_cast<uint32_t>(IntFeatureOrZero(Features(), "PixelFormat"));
}

SdkGenParameterArray* CameraConnection::Features()
{
    return device_->GetGenParameters();
}

void CameraConnection::RegisterSinks()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    for (uint32_t i = 0; i < features->GetCount(); ++i)
        if (SdkGenParameter* parameter = features->Get(i))
            parameter->RegisterEventSink(this);
}

void CameraConnection::UnregisterSinks()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    for (uint32_t i = 0; i < features->GetCount(); ++i)
        if (SdkGenParameter* parameter = features->Get(i))
            parameter->UnregisterEventSink(this);
}
