#include "optionread/OptionBoardRead.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/OptionBoardValues.h"

#include <cctype>
#include <charconv>

namespace {

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

bool ReadOptionBoard(CameraConnection& camera)
{
    OptionBoardValues values = camera.OptionBoard();
    CRS232C_OM& serial = camera.GetSerial();
    // Without a channel every register read would fail slowly and report
    // itself to the user; the values keep what they held instead.
    if (serial.OpenPort(camera.GetDevice(), kCameraRegisterPort)) {
        uint8_t info[kOptionInfoLength] = {};
        if (serial.ReadRegister(kOptionBank, kOptionInfoAddress, kOptionInfoLength, info) == 0) {
            values.optionFlagB = (info[11] >> 4) & 0x01;
            values.gainScaleKind = (info[0] >> 2) & 0x03;
            uint8_t kind = 0;
            if (values.gainScaleKind == kExtendedGainScaleKind &&
                serial.ReadRegister(kOptionBank, kGainScaleKindAddress, 1, &kind) == 0)
                values.gainScaleKind = kind;
        }
        uint8_t byte = 0;
        if (serial.ReadRegister(kCameraBank, kGainOffset1Address, 1, &byte) == 0)
            values.gainOffset1 = byte;
        uint8_t word[2] = {};
        // A 16-bit value in the order the bytes arrive, low byte first.
        if (serial.ReadRegister(kCameraBank, kGainOffset2Address, 2, word) == 0)
            values.gainOffset2 = word[0] | (word[1] << 8);
        if (serial.ReadRegister(kOptionBank, kOptionFlagAAddress, 1, &byte) == 0)
            values.optionFlagA = (byte >> 1) & 0x03;
    }
    if (serial.IsOpen())
        serial.ClosePort();

    SdkGenParameterArray* features = camera.Features();
    if (IsFeatureAvailable(features, "LineSourcePin2"))
        values.secondLineSource = 1;
    std::string version;
    const bool versionRead = ReadFeatureText(features, "DeviceVersion", version);
    if (versionRead)
        values.deviceVersion = ParseDeviceVersion(version);
    camera.SetOptionBoard(values);
    return versionRead;
}
