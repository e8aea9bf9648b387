#pragma once

#include "camera/CameraAcquisition.h"
#include "camera/CameraIdentity.h"
#include "camera/OptionBoardValues.h"
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

    // Connects to the camera, opens its stream and reads geometry and
    // digitisation taps; the option board values are read by whoever connects
    // (ReadOptionBoard). Gives 1 when connected, else 0.
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
    // Gives 1 when a SensorDigitizationTaps entry was set.
    int SelectDigitizationTaps();

    // Current feature values, 0 when the feature is missing.
    int32_t Width();
    int32_t Height();
    uint32_t PixelFormat();

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
    const CameraIdentity& Identity() const { return identity_; }
    // The option board values, read and set by whoever connects the camera.
    const OptionBoardValues& OptionBoard() const { return optionBoard_; }
    void SetOptionBoard(const OptionBoardValues& values) { optionBoard_ = values; }

    // Registered on every feature at connect; no change needs handling.
    void OnParameterUpdate(SdkGenParameter*) override {}

private:
    void RegisterSinks();
    void UnregisterSinks();

    std::unique_ptr<SdkDevice> device_;
    std::unique_ptr<SdkStream> stream_;
    std::unique_ptr<SdkPipeline> pipeline_;
    std::unique_ptr<CRS232C_OM> serial_;
    CameraIdentity identity_;
    int32_t cameraNumber_ = 0;
    OptionBoardValues optionBoard_;
    // Last: it stops its thread before the device and pipeline go.
    std::unique_ptr<CameraAcquisition> acquisition_;
};
