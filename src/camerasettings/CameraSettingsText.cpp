// The texts of the camera settings file that need no camera: section names,
// key values and the models a file holds.
#include "camerasettings/CameraSettingsFile.h"
#include "profile/Profile.h"

#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr int32_t kUint16Max = 0xFFFF;
// A GigE Vision camera's model name has 32 bytes; a feature may claim any
// length, and every key written repeats its section's name.
constexpr size_t kMaxSectionModelName = 64;

} // namespace

std::string SettingsSection(const char* prefix, int32_t modelCode)
{
    return prefix + QString::asprintf("-%04X", static_cast<unsigned>(modelCode)).toStdString();
}

std::string SettingsSection(const char* prefix, const std::string& modelName)
{
    std::string section = std::string(prefix) + '-';
    for (const char c : std::string_view(modelName).substr(0, kMaxSectionModelName)) {
        const bool kept = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
        section += kept ? c : '_';
    }
    return section;
}

int32_t ParseSettingsInt(const std::string& text)
{
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || next != end)
        return 0;
    return value;
}

int32_t ParseSettingsUint16(const std::string& text, int32_t fallback)
{
    if (text.empty() || text.front() == '-')
        return fallback;
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || next != end || value > kUint16Max)
        return fallback;
    return static_cast<int32_t>(value);
}

std::vector<std::string> SettingsFileModels(const Profile& file)
{
    std::vector<std::string> models;
    for (const std::string& section : file.Sections()) {
        const size_t dash = section.find('-');
        if (dash != std::string::npos && dash + 1 < section.size())
            models.push_back(section.substr(dash + 1));
    }
    std::sort(models.begin(), models.end());
    models.erase(std::unique(models.begin(), models.end()), models.end());
    return models;
}

std::string SettingsFileReadError(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return path + ": " + std::strerror(errno);
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular ? std::string() : path + ": not a regular file";
}
