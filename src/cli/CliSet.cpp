#include "cli/CliCamera.h"
#include "cli/CliValue.h"

#include "sdk/SdkDevice.h"

#include <ostream>

int CliSet(CliContext& context)
{
    const QString usage = LumivexCli::tr("Usage: lumivex-cli set -c ADDR NAME=VALUE...\n"
                                         "Sets features of the camera at ADDR in the order given, stopping at the\n"
                                         "first one that fails. Integers are decimal or 0x hexadecimal, booleans\n"
                                         "true/false or 1/0, enumerations an entry name or its integer value.\n"
                                         "Exits with 1 when the camera refuses a value.\n");
    CliCameraOptions options;
    SdkDevice device;
    if (int status = StartCameraCommand(context, usage, true, options, device); status >= 0)
        return status;
    // Every operand is checked before the first one is sent.
    for (const std::string& assignment : options.operands) {
        if (assignment.find('=') == std::string::npos || assignment.front() == '=') {
            context.err << LumivexCli::tr("lumivex-cli: '%1' is not NAME=VALUE\n")
                               .arg(QString::fromStdString(assignment))
                               .toStdString()
                        << usage.toStdString();
            return kCliUsageError;
        }
    }
    for (const std::string& assignment : options.operands) {
        size_t equals = assignment.find('=');
        const QString name = QString::fromStdString(assignment.substr(0, equals));
        const QString text = QString::fromStdString(assignment.substr(equals + 1));
        SdkGenParameter* feature = device.GetGenParameters()->Get(name.toStdString());
        if (feature == nullptr) {
            context.err << LumivexCli::tr("lumivex-cli: the camera has no feature %1\n").arg(name).toStdString();
            return kCliFailure;
        }
        SdkResult result = CliSetValue(*feature, text.toStdString());
        if (result == SdkResult::INVALID_DATA_FORMAT) {
            context.err << LumivexCli::tr("lumivex-cli: '%1' is not a value for the %2 feature %3\n")
                               .arg(text, QString::fromUtf8(CliTypeName(feature->GetType())), name)
                               .toStdString();
            return kCliUsageError;
        }
        if (result == SdkResult::NOT_SUPPORTED && feature->GetType() == SDK_GEN_COMMAND) {
            context.err
                << LumivexCli::tr("lumivex-cli: %1 is a command and has no value to set\n").arg(name).toStdString();
            return kCliFailure;
        }
        if (!result.IsOK()) {
            QString reason = feature->IsWritable() ? QString::fromUtf8(result.GetText().c_str())
                                                   : LumivexCli::tr("the feature is read-only");
            context.err
                << LumivexCli::tr("lumivex-cli: the camera refused %1=%2 (%3)\n").arg(name, text, reason).toStdString();
            return kCliFailure;
        }
    }
    return kCliSuccess;
}
