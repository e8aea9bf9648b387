#include "cli/CliCamera.h"

#include "camera/CameraConnection.h"
#include "camerasettings/CameraSettingsFile.h"

#include <QString>

#include <ostream>

int CliSettings(CliContext& context)
{
    const QString usage = LumivexCli::tr("Usage: lumivex-cli settings -c ADDR save FILE.cfg\n"
                                         "       lumivex-cli settings -c ADDR load FILE.cfg\n"
                                         "Saves the settings of the camera at ADDR into a camera settings file, in\n"
                                         "the sections of its model, keeping the file's other sections; or applies\n"
                                         "the sections of its model from such a file to the camera.\n"
                                         "Exits with 1 when the camera or the file fails.\n");
    const CliCameraOptions options = ParseCameraOptions(context.args);
    if (options.help) {
        context.out << usage.toStdString();
        return kCliSuccess;
    }
    const bool save = options.operands.size() == 2 && options.operands[0] == "save";
    const bool load = options.operands.size() == 2 && options.operands[0] == "load";
    if (!options.error.empty() || options.address.empty() || (!save && !load)) {
        if (!options.error.empty())
            context.err << "lumivex-cli: " << options.error << '\n';
        context.err << usage.toStdString();
        return kCliUsageError;
    }
    ErrorStreamReporter reporter(context.err);
    CameraConnection camera;
    if (!ConnectCameraInfo(context, options.address, camera, reporter))
        return kCliFailure;
    const std::string& path = options.operands[1];
    if (save) {
        if (SaveCameraSettings(path, camera))
            return kCliSuccess;
        context.err << LumivexCli::tr("lumivex-cli: cannot write the settings to %1\n")
                           .arg(QString::fromStdString(path))
                           .toStdString();
        return kCliFailure;
    }
    std::string why;
    if (LoadCameraSettings(path, camera, &why) == LoadResult::Loaded)
        return kCliSuccess;
    context.err << "lumivex-cli: " << why << '\n';
    return kCliFailure;
}
