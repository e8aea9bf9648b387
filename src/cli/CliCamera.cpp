#include "cli/CliCamera.h"

#include "camera/CameraConnection.h"
#include "optionread/OptionBoardRead.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"

#include <ostream>

namespace {

constexpr std::string_view kCameraLongOption = "--camera=";

// Gives -1 when the options are complete, else the exit status.
int CheckCameraOptions(const CliCameraOptions& options, CliContext& context, const QString& usage, bool needsOperands)
{
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    std::string problem = options.error;
    if (problem.empty() && options.address.empty())
        problem = LumivexCli::tr("no camera given; name it with -c ADDR").toStdString();
    if (problem.empty() && needsOperands && options.operands.empty())
        problem = LumivexCli::tr("nothing to do; name at least one feature").toStdString();
    if (problem.empty() && !needsOperands && !options.operands.empty())
        problem = LumivexCli::tr("unexpected argument '%1'")
                      .arg(QString::fromStdString(options.operands.front()))
                      .toStdString();
    if (problem.empty())
        return -1;
    context.err << "lumivex-cli: " << problem << "\n" << usage.toStdString();
    return kCliUsageError;
}

bool Connect(const std::string& address, SdkDevice& device, std::ostream& err)
{
    SdkDiscoveryRecord info;
    if (!SdkDiscoveryRecordFromAddress(address, info)) {
        err << LumivexCli::tr("lumivex-cli: no camera answers at %1\n")
                   .arg(QString::fromStdString(address))
                   .toStdString();
        return false;
    }
    SdkResult result = device.Connect(info);
    if (!result.IsOK()) {
        QString reason = result == SdkResult::STATE_ERROR ? LumivexCli::tr("another application controls it")
                                                          : QString::fromUtf8(result.GetText().c_str());
        err << LumivexCli::tr("lumivex-cli: cannot connect to the camera at %1: %2\n")
                   .arg(QString::fromStdString(address), reason)
                   .toStdString();
        return false;
    }
    return true;
}

} // namespace

void ErrorStreamReporter::ReportSerialError(const std::string& text)
{
    err_ << "lumivex-cli: " << QString::fromStdString(text).simplified().toStdString() << '\n';
}

bool ConnectCameraInfo(CliContext& context, const std::string& address, CameraConnection& camera,
                       ErrorStreamReporter& reporter)
{
    camera.GetSerial().SetReporter(&reporter);
    SdkDiscoveryRecord info;
    if (SdkDiscoveryRecordFromAddress(address, info) && camera.Connect(&info) == 1) {
        ReadOptionBoard(camera);
        return true;
    }
    context.err << LumivexCli::tr("lumivex-cli: cannot connect to the camera at %1\n")
                       .arg(QString::fromStdString(address))
                       .toStdString();
    return false;
}

CliCameraOptions ParseCameraOptions(const std::vector<std::string>& args)
{
    CliCameraOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-c" || arg == "--camera") {
            if (i + 1 == args.size()) {
                options.error =
                    LumivexCli::tr("%1 needs a camera address").arg(QString::fromStdString(arg)).toStdString();
                return options;
            }
            options.address = args[++i];
        } else if (arg.starts_with(kCameraLongOption)) {
            options.address = arg.substr(kCameraLongOption.size());
        } else if (arg.size() > 1 && arg[0] == '-') {
            options.error = LumivexCli::tr("unknown option '%1'").arg(QString::fromStdString(arg)).toStdString();
            return options;
        } else {
            options.operands.push_back(arg);
        }
    }
    return options;
}

int StartCameraCommand(CliContext& context, const QString& usage, bool needsOperands, CliCameraOptions& options,
                       SdkDevice& device)
{
    options = ParseCameraOptions(context.args);
    if (int status = CheckCameraOptions(options, context, usage, needsOperands); status >= 0)
        return status;
    return Connect(options.address, device, context.err) ? -1 : kCliFailure;
}
