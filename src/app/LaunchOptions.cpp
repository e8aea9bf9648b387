#include "app/LaunchOptions.h"

#include <QCoreApplication>

namespace {

const QString kDemo = QStringLiteral("--demo");
const QString kConnect = QStringLiteral("--connect");
const QString kStatsLog = QStringLiteral("--stats-log");

void ReadAddresses(const QString& list, LaunchOptions& options)
{
    for (const QString& address : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        options.connectAddresses.push_back(address.trimmed().toStdString());
}

} // namespace

LaunchOptions ParseLaunchOptions(const QStringList& arguments)
{
    LaunchOptions options;
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--tile")) {
            options.tile = true;
        } else if (argument == kDemo) {
            options.demoCameras = 1;
        } else if (argument.startsWith(kDemo + QLatin1Char('='))) {
            bool number = false;
            options.demoCameras = argument.mid(kDemo.size() + 1).toInt(&number);
            if (!number || options.demoCameras < 1 || options.demoCameras > LaunchOptions::kMaxCameras)
                options.error = QCoreApplication::translate("LaunchOptions", "--demo takes 1 to %1 cameras.")
                                    .arg(LaunchOptions::kMaxCameras);
        } else if (argument == kConnect) {
            options.connect = true;
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QStringLiteral("--")))
                ReadAddresses(arguments[++i], options);
        } else if (argument.startsWith(kConnect + QLatin1Char('='))) {
            options.connect = true;
            ReadAddresses(argument.mid(kConnect.size() + 1), options);
        } else if (argument == kStatsLog || argument.startsWith(kStatsLog + QLatin1Char('='))) {
            const bool separate = argument == kStatsLog;
            if (separate && i + 1 < arguments.size())
                options.statsLogPath = arguments[++i].toStdString();
            else if (!separate)
                options.statsLogPath = argument.mid(kStatsLog.size() + 1).toStdString();
            if (options.statsLogPath.empty())
                options.error = QCoreApplication::translate("LaunchOptions", "--stats-log needs a file name.");
        } else {
            options.error = QCoreApplication::translate("LaunchOptions", "Unknown argument: %1").arg(argument);
        }
    }
    if (!options.error.isEmpty())
        return options;
    if (options.connect && options.connectAddresses.empty()) {
        for (int number = 1; number <= options.demoCameras; ++number)
            options.connectAddresses.push_back(DemoCameraAddress(number));
        if (options.connectAddresses.empty())
            options.error = QCoreApplication::translate("LaunchOptions", "--connect needs an address, or --demo.");
    }
    if (options.connectAddresses.size() > LaunchOptions::kMaxCameras)
        options.error = QCoreApplication::translate("LaunchOptions", "--connect takes at most %1 cameras.")
                            .arg(LaunchOptions::kMaxCameras);
    return options;
}

QString LaunchUsage()
{
    return QCoreApplication::translate(
               "LaunchOptions",
               "usage: lumivex [--demo[=N]] [--connect [ADDR[,ADDR...]]] [--tile] [--stats-log FILE] [--help] "
               "[--version]\n"
               "  --demo[=N]        start N simulated cameras (1 to %1, default 1) on 127.0.0.1 to 127.0.0.N\n"
               "  --connect [ADDR]  connect these cameras (at most %1, comma separated) without the\n"
               "                    selection dialog; with --demo and no address, the simulated cameras\n"
               "  --tile            tile the camera windows over the screen once connected\n"
               "  --stats-log FILE  append each camera's stream statistics to FILE as CSV, one line\n"
               "                    per camera and second\n"
               "  --help, -h        print this text and exit\n"
               "  --version         print the version and exit\n")
        .arg(LaunchOptions::kMaxCameras);
}

std::string DemoCameraAddress(int number)
{
    return "127.0.0." + std::to_string(number);
}
