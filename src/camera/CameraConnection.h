#pragma once

#include "camera/CameraIdentity.h"
#include "camera/HandOffRecords.h"
#include "camera/OptionBoardValues.h"
#include "sdk/SdkGenParameter.h"

#include <cstdint>
#include <memory>
#include <string>

class CRS232C_OM;
class FrameConverter;
class FrameDisplayTarget;
class OverlayRegistry;
class SdkDevice;
class SdkDiscoveryRecord;
class SdkPipeline;
class SdkStream;
class AcquisitionThread;

// Stream open attempts in Connect, one second apart, before the connection
// is given up.
inline constexpr int kStreamOpenAttempts = 5;

// One connected camera: the SDK device, its stream and pipeline, the option
// board's serial channel and, while previewing, the acquisition thread. Keeps
// what was learnt at connect time. All operations run on the user interface
// thread.
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

    // Camera side of acquisition. A camera without AcquisitionMode is started
    // as continuous; missing AcquisitionStart, AcquisitionStop, TLParamsLocked
    // or stream Reset are skipped.
    void StartAcquisition();
    void StopAcquisition();
    // Thread side: builds and starts the acquisition thread showing into
    // display, then starts the pipeline. False when a thread exists already or
    // cannot start. converter must outlive the thread.
    bool StartThread(FrameDisplayTarget* display, const FrameConverter& converter);
    // Stops and deletes the thread, then stops the pipeline if it is started.
    void StopThread();
    AcquisitionThread* GetThread() const { return thread_.get(); }

    // Stop at the first feature that cannot be read, keeping what was stored.
    bool ReadGeometry();
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

    void SetCameraNumber(int32_t number) { cameraNumber_ = number; }
    int32_t GetCameraNumber() const { return cameraNumber_; }
    void CreateOverlayRegistry();
    void DestroyOverlayRegistry();
    OverlayRegistry* GetOverlayRegistry() const { return overlays_.get(); }
    void SetHandOffRecords(const HandOffRecords& records) { records_ = records; }
    const HandOffRecords& GetHandOffRecords() const { return records_; }

    // What was learnt at connect time.
    const CameraIdentity& Identity() const { return identity_; }
    // The option board values, read and set by whoever connects the camera.
    const OptionBoardValues& OptionBoard() const { return optionBoard_; }
    void SetOptionBoard(const OptionBoardValues& values) { optionBoard_ = values; }

    // Registered on every feature at connect; no change needs handling.
    void OnParameterUpdate(SdkGenParameter*) override {}

private:
    // The pipeline's buffers fit the camera's PayloadSize, rounded up to 32 bytes.
    void SizeBuffersToPayload();
    void RegisterSinks();
    void UnregisterSinks();

    std::unique_ptr<SdkDevice> device_;
    std::unique_ptr<SdkStream> stream_;
    std::unique_ptr<SdkPipeline> pipeline_;
    std::unique_ptr<CRS232C_OM> serial_;
    std::unique_ptr<AcquisitionThread> thread_;
    CameraIdentity identity_;
    int32_t cameraNumber_ = 0;
    OptionBoardValues optionBoard_;
    std::unique_ptr<OverlayRegistry> overlays_;
    HandOffRecords records_;
};
