#pragma once

#include <string>

// The program's settings file: $XDG_CONFIG_HOME (default ~/.config) +
// /Norvane/lumivex/lumivex.dat. Its folder is created when missing.
std::string SettingsFilePath();

// Sections and keys kept by the camera context; other subsystems add their own.
inline constexpr const char* kSettingSection = "Setting";
inline constexpr const char* kShowToolBarKey = "ShowToolBar";
inline constexpr const char* kOtherSection = "Other";
inline constexpr const char* kInterpolationMethodKey = "InterpolationMethod";
inline constexpr const char* kMirrorModeKey = "MirrorMode";
inline constexpr const char* kDeepViewKey = "DeepView";
inline constexpr const char* kBlackPointKey = "BlackPoint";
inline constexpr const char* kWhitePointKey = "WhitePoint";
inline constexpr const char* kAutoLevelsKey = "AutoLevels";
inline constexpr const char* kBitShiftKey = "BitShift";
// In the section named by the first camera's MAC address text.
inline constexpr const char* kDrawFileNameKey = "DrawFileName";
