// Lumivex: the viewer and control tool for GigE Vision cameras.
#include "app/CLumivexApp.h"
#include "app/LaunchOptions.h"
#include "app/ProductVersion.h"
#include "platform/UiLanguage.h"
#include "selection/MessagePrompts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // --help and --version answer before the window system is opened, so
    // that they work without a display.
    QStringList early;
    for (int i = 1; i < argc; ++i)
        early << QString::fromLocal8Bit(argv[i]);
    const LaunchOptions asked = ParseLaunchOptions(early);
    if (asked.help) {
        std::fputs(LaunchUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (asked.version) {
        const ProductVersion version = LumivexProductVersion();
        std::printf("lumivex %d.%d.%d\n", version.major, version.minor, version.patch);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
    // The desktop entry's name, which ties the windows to its icon and name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.lumivex.Lumivex"));
    // Before the command line is read, so that its complaints are translated too.
    SetUiLanguage(UiLocale());
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const LaunchOptions options = ParseLaunchOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "lumivex: %s\n%s", options.error.toLocal8Bit().constData(),
                     LaunchUsage().toLocal8Bit().constData());
        return 2;
    }
    CLumivexApp app(QApplication::applicationFilePath(), options, MessagePrompts::System());
    return app.Run();
}
