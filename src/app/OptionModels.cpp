#include "app/OptionModels.h"

#include "platform/DataFiles.h"
#include "profile/Profile.h"

#include <QString>

#include <cstdlib>

namespace {

constexpr const char* kModelSection = "Model";
constexpr const char* kListEnd = "End";
constexpr uint32_t kLow16 = 0xFFFF;
constexpr int32_t kOptionBoardFitted = 1;

std::string ModelKey(int number)
{
    return QString::asprintf("Code%03d", number).toStdString();
}

} // namespace

std::string OptionFilePath(const std::string& programFolder)
{
    return DataFilePath(QString::fromStdString(programFolder), QString::fromLatin1(kOptionFileName)).toStdString();
}

bool IsOptionBoardModel(int32_t deviceOptionFlag, int32_t modelCode, const std::string& optionFilePath)
{
    if ((static_cast<uint32_t>(deviceOptionFlag) & kLow16) == kOptionBoardFitted)
        return true;
    const Profile options(optionFilePath);
    const uint32_t model = static_cast<uint32_t>(modelCode) & kLow16;
    for (int number = 0;; ++number) {
        const std::string value = options.GetString(kModelSection, ModelKey(number), kListEnd);
        if (value.empty() || value == kListEnd)
            return false;
        // The leading decimal number, as the list was always read.
        const auto listed = static_cast<uint32_t>(std::strtol(value.c_str(), nullptr, 10));
        if ((listed & kLow16) == model)
            return true;
    }
}
