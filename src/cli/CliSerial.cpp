#include "cli/CliCamera.h"
#include "cli/CliSerialArguments.h"

#include "camera/CRS232C_OM.h"
#include "platform/DataFiles.h"
#include "sdk/SdkDevice.h"

#include <QString>

#include <ostream>

namespace {

// The serial channel settings are the viewer's, so that one file tunes both.
constexpr char kViewerSettingsFile[] = "lumivex.ini";

// Puts on err what the viewer would show in a message box.
class StreamReporter : public SerialErrorReporter {
public:
    explicit StreamReporter(std::ostream& err) : err_(err) {}
    void ReportSerialError(const std::string& text) override
    {
        err_ << "lumivex-cli: "
             << QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString()
             << '\n';
    }

private:
    std::ostream& err_;
};

} // namespace

int CliSerial(CliContext& context)
{
    const QString usage = LumivexCli::tr("Usage: lumivex-cli serial -c ADDR [--port 0|1] read BANK ADDRESS LENGTH\n"
                                         "       lumivex-cli serial -c ADDR [--port 0|1] write BANK ADDRESS BYTE...\n"
                                         "Reads or writes registers of the option electronics of the camera at ADDR\n"
                                         "through its serial channel: port 0 (the default) the camera's registers,\n"
                                         "port 1 the option board's FPGA. BANK is 0x00 or 0x80; numbers are decimal\n"
                                         "or hexadecimal with 0x. A read prints the bytes in hexadecimal on one line.\n"
                                         "Exits with 1 when the exchange fails.\n");
    SerialRequest request;
    std::string problem;
    if (!ParseSerialArguments(context.args, request, problem)) {
        context.err << "lumivex-cli: " << problem << "\n" << usage.toStdString();
        return kCliUsageError;
    }
    if (request.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }

    // The command line is checked; connect as every camera command does.
    CliContext camera{{"-c", request.cameraAddress}, context.out, context.err};
    CliCameraOptions options;
    SdkDevice device;
    if (int status = StartCameraCommand(camera, usage, false, options, device); status >= 0)
        return status;

    CRS232C_OM channel(
        DataFilePath(QCoreApplication::applicationDirPath(), QString::fromLatin1(kViewerSettingsFile)).toStdString());
    StreamReporter reporter(context.err);
    channel.SetReporter(&reporter);
    if (!channel.OpenPort(device, request.port)) {
        context.err << LumivexCli::tr("lumivex-cli: the camera at %1 has no serial port %2\n")
                           .arg(QString::fromStdString(request.cameraAddress))
                           .arg(request.port)
                           .toStdString();
        return kCliFailure;
    }
    if (request.write) {
        const int code = channel.WriteRegister(request.bank, request.address, static_cast<uint8_t>(request.data.size()),
                                               request.data.data());
        return code == 0 ? kCliSuccess : kCliFailure;
    }
    std::vector<uint8_t> bytes(request.length);
    if (channel.ReadRegister(request.bank, request.address, request.length, bytes.data()) != 0)
        return kCliFailure;
    QString line;
    for (const uint8_t byte : bytes)
        line += QString::asprintf(line.isEmpty() ? "%02x" : " %02x", byte);
    context.out << line.toStdString() << '\n';
    return kCliSuccess;
}
