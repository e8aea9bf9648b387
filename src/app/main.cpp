// Lumivex: the viewer and control tool for GigE Vision cameras.
#include "app/CLumivexApp.h"
#include "app/LaunchOptions.h"
#include "camera/MessagePrompts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
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
