#pragma once

#include "camera/CameraAcquisition.h"
#include "sdk/SdkGenParameter.h"

#include <cstdint>
#include <memory>
#include <string>

class CRS232C_OM;
class SdkDevice;
class SdkDiscoveryRecord;
class SdkPipeline;
class SdkStream;

// Stream open attempts in Connect, one second apart, before the connection
// is given up.
inline constexpr int kStreamOpenAttempts = 5;

// The number at the head of a DeviceVersion text: its first 6 characters
// read as a decimal number, the rest ignored; 0 when they hold no number.
double ParseDeviceVersion(const std::string& text);

// One connected camera: the SDK device, its stream and pipeline, the option
// board's serial channel and its acquisition. Keeps what was learnt at
// connect time. All operations run on the user interface thread.
class CameraConnection : public SdkGenEventSink {
public:
    CameraConnection();
    // For tests: stand-ins for the device, the pipeline and the serial channel.
    CameraConnection(std::unique_ptr<SdkDevice> device, std::unique_ptr<SdkPipeline> pipeline,
                     std::unique_ptr<CRS232C_OM> serial);
    ~CameraConnection() override;
    CameraConnection(const CameraConnection&) = delete;
    CameraConnection& operator=(const CameraConnection&) = delete;

    // Connects to the camera, opens its stream and reads geometry, option
    // board values and digitisation taps. Gives 1 when connected, else 0.
    int Connect(const SdkDiscoveryRecord* info);
    // Gives 1.
    int Disconnect();
    // For a camera that no longer answers: ends the acquisition thread and
    // lets go of the camera without waiting for it.
    void Abandon();
    // Connects again to the camera, found anew, after Abandon; gives 1 when connected.
    int Reconnect(const SdkDiscoveryRecord& info);

    // Stop at the first feature that cannot be read, keeping what was stored.
    bool ReadGeometry();
    // Option board values through the serial channel, the second line source
    // and the device version; gives whether DeviceVersion was read.
    bool ReadOptionInfo();
    // Gives 1 when a SensorDigitizationTaps entry was set.
    int SelectDigitizationTaps();

    // Current feature values, 0 when the feature is missing.
    int32_t Width();
    int32_t Height();
    int32_t ModelCode();
    int32_t DeviceOptionFlg();
    uint32_t PixelFormat();
    double AcquisitionFrameRate();

    // The camera's features and the SDK objects, for the feature access
    // operations and the dialogs.
    SdkGenParameterArray* Features();
    SdkDevice& GetDevice() { return *device_; }
    SdkStream& GetStream() { return *stream_; }
    const SdkStream& GetStream() const { return *stream_; }
    SdkPipeline& GetPipeline() { return *pipeline_; }
    CRS232C_OM& GetSerial() { return *serial_; }

    // Starting and stopping the camera, the acquisition thread and the
    // consumers of its frames.
    CameraAcquisition& Acquisition() { return *acquisition_; }
    const CameraAcquisition& Acquisition() const { return *acquisition_; }

    void SetCameraNumber(int32_t number) { cameraNumber_ = number; }
    int32_t GetCameraNumber() const { return cameraNumber_; }

    // What was learnt at connect time.
    const std::string& GetIPAddress() const { return ipAddress_; }
    const std::string& GetMACAddress() const { return macAddress_; }
    const std::string& GetModel() const { return model_; }
    uint32_t GetCameraKey() const { return cameraKey_; }
    int32_t GetSensorWidth() const { return sensorWidth_; }
    int32_t GetSensorHeight() const { return sensorHeight_; }
    int32_t GetWidthMin() const { return widthMin_; }
    int32_t GetHeightMin() const { return heightMin_; }
    int32_t GetConnectWidth() const { return width_; }
    int32_t GetConnectHeight() const { return height_; }
    int32_t GetWidthIncrement() const { return widthIncrement_; }
    int32_t GetHeightIncrement() const { return heightIncrement_; }
    int32_t GetTapCount() const { return tapCount_; }
    int32_t GetOptionFlagA() const { return optionFlagA_; }
    int32_t GetOptionFlagB() const { return optionFlagB_; }
    int32_t GetGainScaleKind() const { return gainScaleKind_; }
    int32_t GetGainOffset1() const { return gainOffset1_; }
    int32_t GetGainOffset2() const { return gainOffset2_; }
    int32_t GetSecondLineSource() const { return secondLineSource_; }
    double GetDeviceVersion() const { return deviceVersion_; }

    // Registered on every feature at connect; no change needs handling.
    void OnParameterUpdate(SdkGenParameter*) override {}

private:
    void RegisterSinks();
    void UnregisterSinks();

    std::unique_ptr<SdkDevice> device_;
    std::unique_ptr<SdkStream> stream_;
    std::unique_ptr<SdkPipeline> pipeline_;
    std::unique_ptr<CRS232C_OM> serial_;
    std::string ipAddress_;
    std::string macAddress_;
    std::string model_;
    int32_t cameraNumber_ = 0;
    uint32_t cameraKey_ = 0;
    int32_t sensorWidth_ = 0;
    int32_t sensorHeight_ = 0;
    int32_t widthMin_ = 0;
    int32_t heightMin_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t widthIncrement_ = 0;
    int32_t heightIncrement_ = 0;
    int32_t tapCount_ = 0;
    int32_t optionFlagA_ = 1;
    int32_t optionFlagB_ = 0;
    int32_t gainScaleKind_ = 0;
    int32_t gainOffset1_ = 0;
    int32_t gainOffset2_ = 0;
    int32_t secondLineSource_ = 0;
    double deviceVersion_ = 2.0;
    // Last: it stops its thread before the device and pipeline go.
    std::unique_ptr<CameraAcquisition> acquisition_;
};
