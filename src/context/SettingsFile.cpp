#include "context/SettingsFile.h"

#include <QStandardPaths>

#include <filesystem>
#include <system_error>

std::string SettingsFilePath()
{
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when that is unset.
    const std::filesystem::path config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    const std::filesystem::path folder = config / "Norvane" / "lumivex";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return (folder / "lumivex.dat").string();
}
