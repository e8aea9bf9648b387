// The INI profile store: every section read back, then a key written and the
// file read again.
#include "FuzzInput.h"
#include "profile/Profile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInputFile(data, size, ".ini");
    Profile profile(path);
    for (const std::string& section : profile.Sections()) {
        for (const char* key : {"Count", "Name", "Value", "Code000"}) {
            profile.GetInt(section, key, -1);
            profile.GetDouble(section, key, -1.0);
            profile.GetString(section, key, "");
            profile.HasKey(section, key);
        }
    }
    // A value taken from the input itself, then one more write in an update.
    const std::string value(reinterpret_cast<const char*>(data), std::min<size_t>(size, 32));
    profile.WriteString("Fuzz", "Key", value);
    profile.BeginUpdate();
    profile.WriteInt("Fuzz", "Number", static_cast<int>(size));
    profile.EndUpdate();
    profile.GetString("Fuzz", "Key", "");
    profile.GetInt("Fuzz", "Number", 0);
    return 0;
}
