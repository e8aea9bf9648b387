#include "camera/CameraConnection.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraAcquisition.h"
#include "camera/FeatureAccess.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscoveryRecord.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <cctype>
#include <charconv>
#include <chrono>
#include <thread>

namespace {

constexpr int kControllerAccess = 1;
constexpr int kStreamChannel = 0;
constexpr uint32_t kFallbackPacketSize = 1440;
constexpr uint32_t kStreamCapacity = 64;
constexpr auto kNegotiationFailurePause = std::chrono::milliseconds(2500);
constexpr auto kStreamOpenRetryPause = std::chrono::milliseconds(1000);
constexpr size_t kDeviceVersionChars = 6;

// Serial channel registers of the option electronics (port 0: the camera's own).
constexpr int kCameraRegisterPort = 0;
constexpr uint8_t kCameraBank = 0x00;
constexpr uint8_t kOptionBank = 0x80;
constexpr uint8_t kOptionInfoAddress = 0;
constexpr uint8_t kOptionInfoLength = 12;
constexpr uint8_t kGainScaleKindAddress = 158;
constexpr uint8_t kGainOffset1Address = 50;
constexpr uint8_t kGainOffset2Address = 94;
constexpr uint8_t kOptionFlagAAddress = 156;
// Gain scale kind 3 means the kind is kept in a register of its own.
constexpr int32_t kExtendedGainScaleKind = 3;

SdkGenEnum* FindEnum(SdkGenParameterArray* features, const std::string& name)
{
    SdkGenParameter* parameter = features ? features->Get(name) : nullptr;
    if (!parameter || parameter->GetType() != SDK_GEN_ENUM)
        return nullptr;
    return dynamic_cast<SdkGenEnum*>(parameter);
}

int32_t ReadIntOrZero(SdkGenParameterArray* features, const std::string& name)
{
    int32_t value = 0;
    return ReadFeatureValue(features, name, value) ? value : 0;
}

} // namespace

double ParseDeviceVersion(const std::string& text)
{
    const std::string head = text.substr(0, kDeviceVersionChars);
    const char* begin = head.data();
    const char* end = head.data() + head.size();
    while (begin != end && std::isspace(static_cast<unsigned char>(*begin)))
        ++begin;
    if (begin != end && *begin == '+')
        ++begin;
    double version = 0.0;
    if (std::from_chars(begin, end, version).ec != std::errc())
        return 0.0;
    return version;
}

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

    ipAddress_ = info->GetIPAddress();
    macAddress_ = info->GetMACAddress();
    model_ = info->GetModel();
    int32_t key = 0;
    cameraKey_ = ReadFeatureValue(Features(), "GevCurrentIPAddress", key) ? static_cast<uint32_t>(key) : 0;

    ReadGeometry();
    ReadOptionInfo();
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
    width_ = value;
    if (!ReadFeatureValue(features, "Height", value))
        return false;
    height_ = value;
    if (!ReadIntRange(features, "Width", min, max, increment))
        return false;
    widthMin_ = min;
    widthIncrement_ = increment;
    if (!ReadFeatureValue(features, "SensorWidth", value))
        return false;
    sensorWidth_ = value;
    if (!ReadIntRange(features, "Height", min, max, increment))
        return false;
    heightMin_ = min;
    heightIncrement_ = increment;
    if (!ReadFeatureValue(features, "SensorHeight", value))
        return false;
    sensorHeight_ = value;
    return true;
}

bool CameraConnection::ReadOptionInfo()
{
    // Without a channel every register read would fail slowly and report
    // itself to the user; the values keep their defaults instead.
    if (serial_->OpenPort(*device_, kCameraRegisterPort)) {
        uint8_t info[kOptionInfoLength] = {};
        if (serial_->ReadRegister(kOptionBank, kOptionInfoAddress, kOptionInfoLength, info) == 0) {
            optionFlagB_ = (info[11] >> 4) & 0x01;
            gainScaleKind_ = (info[0] >> 2) & 0x03;
            uint8_t kind = 0;
            if (gainScaleKind_ == kExtendedGainScaleKind &&
                serial_->ReadRegister(kOptionBank, kGainScaleKindAddress, 1, &kind) == 0)
                gainScaleKind_ = kind;
        }
        uint8_t byte = 0;
        if (serial_->ReadRegister(kCameraBank, kGainOffset1Address, 1, &byte) == 0)
            gainOffset1_ = byte;
        uint8_t word[2] = {};
        // A 16-bit value in the order the bytes arrive, low byte first.
        if (serial_->ReadRegister(kCameraBank, kGainOffset2Address, 2, word) == 0)
            gainOffset2_ = word[0] | (word[1] << 8);
        if (serial_->ReadRegister(kOptionBank, kOptionFlagAAddress, 1, &byte) == 0)
            optionFlagA_ = (byte >> 1) & 0x03;
    }
    if (serial_->IsOpen())
        serial_->ClosePort();

    SdkGenParameterArray* features = Features();
    if (IsFeatureAvailable(features, "LineSourcePin2"))
        secondLineSource_ = 1;
    std::string version;
    if (!ReadFeatureText(features, "DeviceVersion", version))
        return false;
    deviceVersion_ = ParseDeviceVersion(version);
    return true;
}

int CameraConnection::SelectDigitizationTaps()
{
    tapCount_ = 0;
    SdkGenEnum* taps = FindEnum(Features(), "SensorDigitizationTaps");
    uint32_t count = 0;
    if (!taps || !taps->GetEntriesCount(count).IsOK())
        return 0;
    tapCount_ = static_cast<int32_t>(count);
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
    return ReadIntOrZero(Features(), "Width");
}

int32_t CameraConnection::Height()
{
    return ReadIntOrZero(Features(), "Height");
}

int32_t CameraConnection::ModelCode()
{
    return ReadIntOrZero(Features(), "ModelCode");
}

int32_t CameraConnection::DeviceOptionFlg()
{
    return ReadIntOrZero(Features(), "DeviceOptionFlg");
}

uint32_t CameraConnection::PixelFormat()
{
    return static_cast<uint32_t>(ReadIntOrZero(Features(), "PixelFormat"));
}

double CameraConnection::AcquisitionFrameRate()
{
    double value = 0.0;
    return ReadFloatValue(Features(), "AcquisitionFrameRate", value) ? value : 0.0;
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
