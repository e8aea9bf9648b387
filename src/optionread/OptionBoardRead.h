#pragma once

#include <string>

class CameraConnection;

// The number at the head of a DeviceVersion text: its first 6 characters
// read as a decimal number, the rest ignored; 0 when they hold no number.
double ParseDeviceVersion(const std::string& text);

// Reads the option board values of a connected camera into it: the option
// electronics' registers through the serial channel, the second line source
// and the device version. A value that cannot be read keeps what the camera
// held. Run after every connect, reconnects included. Gives whether
// DeviceVersion was read.
bool ReadOptionBoard(CameraConnection& camera);
