#pragma once

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"

#include <cstdint>
#include <string>

// option.ini in the program's data folders: its presence enables the option board
// dialog; section "Model" lists the camera models that carry an option board
// as decimal model codes under "Code000", "Code001", ... up to the first key
// whose value is "End" (or that is missing).
inline constexpr const char* kOptionFileName = "option.ini";

// The option.ini of the program in the given folder: the first of its data
// folders that holds one, else the path beside the program.
std::string OptionFilePath(const std::string& programFolder);

// The option board model check: true when the low 16 bits of the camera's
// option flag are 1, or when its model code (low 16 bits) is listed in the
// option file.
bool IsOptionBoardModel(int32_t deviceOptionFlag, int32_t modelCode, const std::string& optionFilePath);
// The same, reading DeviceOptionFlg and ModelCode from the camera. Inline, so
// that the file check links without the camera library.
inline bool IsOptionBoardModel(CameraConnection& camera, const std::string& optionFilePath)
{
    return IsOptionBoardModel(IntFeatureOrZero(camera.Features(), "DeviceOptionFlg"),
                              IntFeatureOrZero(camera.Features(), "ModelCode"), optionFilePath);
}
