#include "platform/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr char kDataFolderName[] = "lumivex";

} // namespace

QStringList DataFolders(const QString& programFolder)
{
    QStringList folders{programFolder};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.push_back(data + QLatin1Char('/') + QLatin1String(kDataFolderName));
    // LUMIVEX_DATA_FROM_BIN: the installed data folder relative to the installed programs.
    folders.push_back(QDir::cleanPath(programFolder + QStringLiteral("/" LUMIVEX_DATA_FROM_BIN)));
    return folders;
}

QStringList DocFolders(const QString& programFolder)
{
    QStringList folders;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.push_back(data + QStringLiteral("/doc/") + QLatin1String(kDataFolderName));
    folders.push_back(QDir::cleanPath(programFolder + QStringLiteral("/" LUMIVEX_DOC_FROM_BIN)));
    return folders;
}

QString DataFilePath(const QString& programFolder, const QString& name)
{
    for (const QString& folder : DataFolders(programFolder)) {
        QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return programFolder + QLatin1Char('/') + name;
}
