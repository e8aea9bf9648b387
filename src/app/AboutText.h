#pragma once

#include "app/ProductVersion.h"

#include <QString>

#include <cstdint>

// What the about box tells of the program and the first camera.
struct CameraAboutData {
    QString model;             // DeviceModelName
    uint32_t serialNumber = 0; // SerialNumber
    uint32_t hardwareVersion = 0;
    uint32_t fpgaFirmwareVersion = 0;
    uint32_t firmwareVersion = 0;
};

// The camera's serial number text, "%X%X%s%X%X%X%X" from its bytes b0 (lowest)
// to b3: b3's high and low nibble, the month letter of b2's low nibble (1 to
// 12 give A to M without I; others "-"), b0's low nibble, b1's high and low
// nibble, b2's high nibble.
QString CameraSerialText(uint32_t serialNumber);
// A firmware version as "%X%X%X%X": the nibbles of its lowest byte, then of its second byte.
QString FirmwareVersionText(uint32_t version);
// The about box's text: the program's name and version, then the camera lines.
QString AboutText(const QString& applicationName, const ProductVersion& version, const CameraAboutData& camera);
