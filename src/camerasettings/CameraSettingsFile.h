#pragma once

#include "camerasettings/AoiArea.h"
#include "camerasettings/PulseTiming.h"

#include <cstdint>
#include <string>
#include <vector>

class CameraConnection;
class Profile;

// The camera settings file: the first camera's settings as it holds them, in
// INI sections named after the camera's model code ("LightControl-01A2"), or
// after its model name when it has no ModelCode ("LightControl-GV01"), so that
// one file holds several models side by side. Keys are written one by one,
// keeping every other section and key. Features the camera lacks are not
// written; the standard features a camera may offer instead (Gain,
// ExposureTime, ...) are kept as extra keys of the same sections.

// The values a save writes, by the control page that shows each: what the
// pages last showed or wrote, or the camera's own current values.
class CameraSettingsValues {
public:
    enum Page { kGainShutter, kWhiteBalance, kGamma, kTrigger, kOutput, kOther };

    explicit CameraSettingsValues(CameraConnection& camera) : camera_(camera) {}
    virtual ~CameraSettingsValues() = default;
    CameraSettingsValues(const CameraSettingsValues&) = delete;
    CameraSettingsValues& operator=(const CameraSettingsValues&) = delete;

    CameraConnection& Camera() const { return camera_; }
    virtual int32_t Value(Page page, const std::string& key) const = 0;
    virtual double FloatValue(Page page, const std::string& key) const = 0;
    virtual PulseTiming Timing() const = 0;
    virtual AoiRect Area() const = 0;
    virtual int32_t BinningVertical() const = 0;
    virtual bool IsColour() const = 0;

private:
    CameraConnection& camera_;
};

// The camera's current values, read when asked.
class CurrentCameraValues : public CameraSettingsValues {
public:
    using CameraSettingsValues::CameraSettingsValues;

    int32_t Value(Page page, const std::string& key) const override;
    double FloatValue(Page page, const std::string& key) const override;
    PulseTiming Timing() const override;
    AoiRect Area() const override;
    int32_t BinningVertical() const override;
    bool IsColour() const override;

private:
    int32_t Read(const std::string& key, int32_t fallback) const;
};

enum class LoadResult {
    Loaded,     // the last write (the frame rate) was taken
    Failed,     // a write failed or the load stopped at an empty value
    NoSettings, // the file holds nothing for the connected model: nothing changed
    Unreadable, // the file is missing or cannot be read: nothing changed
};

// Writes the sections of the values' camera model.
bool SaveCameraSettings(const std::string& path, const CameraSettingsValues& values);
// Applies the model's sections to the values' camera. Unless Loaded, `why`
// (when given) receives one line saying why: the file's error, the models it
// holds, or the key that stopped the load.
LoadResult LoadCameraSettings(const std::string& path, const CameraSettingsValues& values, std::string* why = nullptr);

// The same with the camera's current values (lumivex-cli).
bool SaveCameraSettings(const std::string& path, CameraConnection& camera);
LoadResult LoadCameraSettings(const std::string& path, CameraConnection& camera, std::string* why = nullptr);

// The section of that prefix for a model code: "ROI" and 0x1A2 give "ROI-01A2".
std::string SettingsSection(const char* prefix, int32_t modelCode);
// The section for a camera without ModelCode, by the first 64 characters of
// its model name: letters, digits, '-', '_' and '.' kept, anything else as
// '_' ("ROI" and "GV 01" give "ROI-GV_01").
std::string SettingsSection(const char* prefix, const std::string& modelName);
// An integer key's text: decimal digits with an optional leading '-'; any
// other text, or a value beyond the signed 32-bit range, gives 0.
int32_t ParseSettingsInt(const std::string& text);
// A 16-bit key's text (pulse timing, area): unsigned decimal digits that fit
// in 16 bits, else fallback.
int32_t ParseSettingsUint16(const std::string& text, int32_t fallback);
// The models the file has sections for, as their sections name them
// ("ROI-01A2" gives "01A2", "ROI-Fake" gives "Fake"), sorted.
std::vector<std::string> SettingsFileModels(const Profile& file);
// Empty when the file can be opened for reading and is a regular file, else
// "<path>: <the system's reason>".
std::string SettingsFileReadError(const std::string& path);
