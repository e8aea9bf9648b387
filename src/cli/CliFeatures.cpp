#include "cli/CliCamera.h"
#include "cli/CliValue.h"

#include "sdk/SdkDevice.h"

#include <ostream>

int CliFeatures(CliContext& context)
{
    const QString usage =
        LumivexCli::tr("Usage: lumivex-cli features -c ADDR\n"
                       "Lists every feature of the camera at ADDR, one line each, tab-separated:\n"
                       "name, type, access (RW, RO, WO), visibility, value ('-' when it cannot be read),\n"
                       "and the range (integers: min..max step inc; floats: min..max) or the\n"
                       "available entries of an enumeration separated by '|'.\n");
    CliCameraOptions options;
    SdkDevice device;
    if (int status = StartCameraCommand(context, usage, false, options, device); status >= 0)
        return status;

    const SdkGenParameterArray& features = *device.GetGenParameters();
    for (uint32_t i = 0; i < features.GetCount(); ++i) {
        const SdkGenParameter& feature = *features.Get(i);
        std::string value;
        if (!feature.IsReadable() || !CliValueText(feature, value).IsOK())
            value = "-";
        std::string range;
        if (!CliRangeText(feature, range).IsOK() || range.empty())
            range = "-";
        context.out << feature.GetName() << '\t' << CliTypeName(feature.GetType()) << '\t' << CliAccessText(feature)
                    << '\t' << CliVisibilityName(feature.GetVisibility()) << '\t' << value << '\t' << range << '\n';
    }
    return kCliSuccess;
}
