#include "cli/CliCamera.h"
#include "cli/CliValue.h"

#include "sdk/SdkDevice.h"

#include <ostream>

int CliGet(CliContext& context)
{
    const QString usage = LumivexCli::tr("Usage: lumivex-cli get -c ADDR NAME...\n"
                                         "Prints one line NAME=value for each named feature of the camera at ADDR.\n"
                                         "Exits with 1 when a feature is missing or cannot be read.\n");
    CliCameraOptions options;
    SdkDevice device;
    if (int status = StartCameraCommand(context, usage, true, options, device); status >= 0)
        return status;

    int status = kCliSuccess;
    for (const std::string& name : options.operands) {
        const SdkGenParameter* feature = device.GetGenParameters()->Get(name);
        std::string value;
        SdkResult result = feature == nullptr ? SdkResult(SdkResult::NOT_FOUND) : CliValueText(*feature, value);
        if (result.IsOK()) {
            context.out << name << '=' << value << '\n';
            continue;
        }
        QString reason = feature == nullptr                      ? LumivexCli::tr("the camera has no such feature")
                         : feature->GetType() == SDK_GEN_COMMAND ? LumivexCli::tr("it is a command")
                                                                 : QString::fromUtf8(result.GetText().c_str());
        context.err << LumivexCli::tr("lumivex-cli: cannot read %1: %2\n")
                           .arg(QString::fromStdString(name), reason)
                           .toStdString();
        status = kCliFailure;
    }
    return status;
}
