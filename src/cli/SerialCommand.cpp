#include "cli/SerialCommand.h"

#include "camera/CRS232C_OM.h"
#include "cli/SerialArguments.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <filesystem>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void PrintError(const QString& text)
{
    std::fprintf(stderr, "lumivex-cli serial: %s\n", qUtf8Printable(text));
}

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream, "%s\n", qUtf8Printable(QCoreApplication::translate("SerialCommand", SerialUsage())));
}

// Tells the user on stderr what the channel would show in a message box.
class StderrReporter : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string& text) override
    {
        PrintError(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
};

// The serial channel settings are the viewer's, so that one file tunes both.
std::string ViewerSettingsPath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path() / "lumivex.ini").string();
}

int Execute(const SerialRequest& request)
{
    SdkDeviceInfo info;
    if (!SdkDeviceInfoFromAddress(request.cameraAddress, info)) {
        PrintError(QCoreApplication::translate("SerialCommand", "no camera answers at %1")
                       .arg(QString::fromStdString(request.cameraAddress)));
        return kExitUsage;
    }
    SdkDevice device;
    const SdkResult connected = device.Connect(info);
    if (!connected.IsOK()) {
        PrintError(QCoreApplication::translate("SerialCommand", "cannot connect to %1: %2")
                       .arg(QString::fromStdString(request.cameraAddress), QString::fromStdString(connected.GetText())));
        return kExitUsage;
    }
    CRS232C_OM channel(ViewerSettingsPath());
    StderrReporter reporter;
    channel.SetReporter(&reporter);
    if (!channel.OpenPort(device, request.port)) {
        PrintError(QCoreApplication::translate("SerialCommand", "cannot open serial port %1").arg(request.port));
        device.Disconnect();
        return kExitUsage;
    }

    int code = 0;
    if (request.write) {
        code = channel.WriteRegister(request.bank, request.address, static_cast<uint8_t>(request.data.size()),
                                     request.data.data());
    } else {
        std::vector<uint8_t> bytes(request.length);
        code = channel.ReadRegister(request.bank, request.address, request.length, bytes.data());
        if (code == 0) {
            QString line;
            for (const uint8_t byte : bytes)
                line += QString::asprintf(line.isEmpty() ? "%02x" : " %02x", byte);
            std::printf("%s\n", qUtf8Printable(line));
        }
    }
    channel.ClosePort();
    device.Disconnect();
    return code == 0 ? kExitOk : kExitFailed;
}

}  // namespace

int RunSerialCommand(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    SerialRequest request;
    std::string error;
    if (!ParseSerialArguments(args, request, error)) {
        PrintError(QString::fromStdString(error));
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (request.help) {
        PrintUsage(stdout);
        return kExitOk;
    }
    return Execute(request);
}
