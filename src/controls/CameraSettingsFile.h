#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDeviceInfo;
class CLxCtrlMainDlg;
class Profile;

// The camera settings file: the first camera's settings as it holds them, in
// INI sections named after the camera's model code ("LightControl-01A2"), or
// after its model name when it has no ModelCode ("LightControl-GV01"), so that
// one file holds several models side by side. Keys are written one by one,
// keeping every other section and key. Features the camera lacks are not
// written; the standard features a camera may offer instead (Gain,
// ExposureTime, ...) are kept as extra keys of the same sections.

// Writes the sections of the connected model. Without a camera writes
// nothing and succeeds.
bool SaveCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog);

enum class LoadResult {
    Loaded,      // the last write (the frame rate) was taken
    Failed,      // a write failed or the load stopped at an empty value
    NoSettings,  // the file holds nothing for the connected model: nothing changed
    Unreadable,  // the file is missing or cannot be read: nothing changed
};
// Applies the connected model's sections to the camera. Without a camera
// does nothing and gives Loaded. Unless Loaded, `why` (when given) receives
// one line saying why: the file's error, the models it holds, or the key
// that stopped the load.
LoadResult LoadCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog, std::string* why = nullptr);

// The same for a camera without the control dialog (lumivex-cli): the values
// saved are the camera's current ones.
bool SaveCameraSettings(const std::string& path, CDeviceInfo& camera);
LoadResult LoadCameraSettings(const std::string& path, CDeviceInfo& camera, std::string* why = nullptr);

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
