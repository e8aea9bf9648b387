// lumivex-cli: looks at and sets up GigE Vision cameras from a shell.
#include "cli/CliCommand.h"
#include "platform/UiLanguage.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    SetUiLanguage(UiLocale());
    return CliMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
