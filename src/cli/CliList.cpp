#include "cli/CliCommand.h"

#include "sdk/SdkDiscovery.h"

#include <ostream>

int CliList(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli list\n"
                       "Lists the GigE Vision cameras that answer discovery on any network interface,\n"
                       "one line each: IP address, MAC address, model and serial number, tab-separated.\n");
    if (!context.args.empty() && (context.args.front() == "--help" || context.args.front() == "-h")) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    if (!context.args.empty()) {
        context.err << LumivexCli::tr("lumivex-cli: unexpected argument '%1'\n")
                           .arg(QString::fromStdString(context.args.front()))
                           .toStdString()
                    << usage.toStdString();
        return kCliUsageError;
    }
    for (const SdkDiscoveryRecord& camera : SdkDiscoverDevices())
        context.out << camera.GetIPAddress() << '\t' << camera.GetMACAddress() << '\t' << camera.GetModel() << '\t'
                    << camera.GetSerialNumber() << '\n';
    return kCliSuccess;
}
