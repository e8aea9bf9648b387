#include "app/AboutText.h"

#include <QCoreApplication>

namespace {

constexpr uint32_t kNibble = 0xF;

uint32_t ByteOf(uint32_t value, int index)
{
    return (value >> (8 * index)) & 0xFF;
}

QString MonthLetter(uint32_t month)
{
    static constexpr char kLetters[] = "ABCDEFGHJKLM";
    if (month < 1 || month > 12)
        return QStringLiteral("-");
    return QString(QLatin1Char(kLetters[month - 1]));
}

} // namespace

QString CameraSerialText(uint32_t serialNumber)
{
    const uint32_t b0 = ByteOf(serialNumber, 0);
    const uint32_t b1 = ByteOf(serialNumber, 1);
    const uint32_t b2 = ByteOf(serialNumber, 2);
    const uint32_t b3 = ByteOf(serialNumber, 3);
    return QString::asprintf("%X%X", b3 >> 4, b3 & kNibble) + MonthLetter(b2 & kNibble) +
           QString::asprintf("%X%X%X%X", b0 & kNibble, b1 >> 4, b1 & kNibble, b2 >> 4);
}

QString FirmwareVersionText(uint32_t version)
{
    const uint32_t low = ByteOf(version, 0);
    const uint32_t second = ByteOf(version, 1);
    return QString::asprintf("%X%X%X%X", low >> 4, low & kNibble, second >> 4, second & kNibble);
}

QString AboutText(const QString& applicationName, const ProductVersion& version, const CameraAboutData& camera)
{
    const QString serial = QCoreApplication::translate("CAboutDlg", "Camera Serial:%1(%2)")
                               .arg(CameraSerialText(camera.serialNumber), camera.model);
    const QString hardware = QCoreApplication::translate("CAboutDlg", "Camera Hardware Version:%1")
                                 .arg(QString::asprintf("%04X", camera.hardwareVersion));
    const QString fpga = QCoreApplication::translate("CAboutDlg", "Camera FPGA Frimware Version:%1")
                             .arg(FirmwareVersionText(camera.fpgaFirmwareVersion));
    const QString firmware = QCoreApplication::translate("CAboutDlg", "Camera Frimware Version:%1")
                                 .arg(FirmwareVersionText(camera.firmwareVersion));
    const QString program = QStringLiteral("%1:v%2.%3.%4.%5")
                                .arg(applicationName)
                                .arg(version.major)
                                .arg(version.minor)
                                .arg(version.patch)
                                .arg(version.build);
    const QStringList lines = {program, serial, hardware, fpga, firmware};
    return lines.join(QLatin1Char('\n'));
}
