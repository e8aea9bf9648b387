// Lumivex: the viewer and control tool for GigE Vision cameras.
#include "app/CLumivexApp.h"
#include "app/LaunchOptions.h"
#include "camera/MessagePrompts.h"
#include "platform/UiLanguage.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
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
        std::fprintf(stderr, "lumivex: %s\n%s\n", options.error.toLocal8Bit().constData(),
                     QApplication::translate("main", "usage: lumivex [--demo[=N]] [--connect [ADDR[,ADDR...]]]")
                         .toLocal8Bit()
                         .constData());
        return 2;
    }
    CLumivexApp app(QApplication::applicationFilePath(), options, MessagePrompts::System());
    return app.Run();
}
