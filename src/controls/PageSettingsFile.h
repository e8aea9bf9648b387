#pragma once

#include "camerasettings/CameraSettingsFile.h"

#include <string>

class CLxCtrlMainDlg;

// The camera settings file with the values the control dialog's pages last
// showed or wrote. Without a camera a save writes nothing and succeeds, and a
// load does nothing and gives Loaded.
bool SaveCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog);
LoadResult LoadCameraSettings(const std::string& path, CLxCtrlMainDlg& dialog, std::string* why = nullptr);
