// Camera settings files: the models a file holds and the values of the keys a
// load reads, as a load reads them.
#include "FuzzInput.h"
#include "camerasettings/CameraSettingsFile.h"
#include "profile/Profile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInputFile(data, size, ".cfg");
    SettingsFileReadError(path);
    const Profile file(path);
    for (const std::string& model : SettingsFileModels(file)) {
        for (const char* prefix : {"LightControl", "WhiteBalance", "Trigger", "ROI", "IO", "Other"}) {
            const std::string section = SettingsSection(prefix, model);
            for (const char* key : {"GainRaw", "PulseWidth", "OffsetX", "Width", "PixelFormat", "LineSource0"}) {
                const std::string text = file.GetString(section, key, "0");
                ParseSettingsInt(text);
                ParseSettingsUint16(text, 7);
            }
        }
    }
    return 0;
}
