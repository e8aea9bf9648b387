#include "cli/CliCommand.h"

#include <iostream>

#define LUMIVEX_CLI_COMMAND(name, handler, summary) int handler(CliContext& context);
#include "cli/CliCommandTable.h"
#undef LUMIVEX_CLI_COMMAND

namespace {

struct CliCommand {
    const char* name;
    CliHandler run;
    const char* summary;
};

constexpr CliCommand kCommands[] = {
#define LUMIVEX_CLI_COMMAND(name, handler, summary) {name, handler, summary},
#include "cli/CliCommandTable.h"
#undef LUMIVEX_CLI_COMMAND
};

void PrintUsage(std::ostream& out)
{
    out << LumivexCli::tr("Usage: lumivex-cli COMMAND [OPTIONS]\n"
                          "Looks at and sets up GigE Vision cameras.\n\nCommands:\n")
               .toStdString();
    for (const CliCommand& command : kCommands)
        out << "  " << command.name << std::string(10 - std::char_traits<char>::length(command.name), ' ')
            << LumivexCli::tr(command.summary).toStdString() << "\n";
    out << LumivexCli::tr("\n'lumivex-cli COMMAND --help' describes a command.\n").toStdString();
}

} // namespace

int CliMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        PrintUsage(err);
        return kCliUsageError;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h") {
        PrintUsage(out);
        return kCliSuccess;
    }
    for (const CliCommand& command : kCommands) {
        if (name == command.name) {
            CliContext context{{arguments.begin() + 1, arguments.end()}, out, err};
            return command.run(context);
        }
    }
    err << LumivexCli::tr("lumivex-cli: unknown command '%1'. 'lumivex-cli --help' lists the commands.\n")
               .arg(QString::fromStdString(name))
               .toStdString();
    return kCliUsageError;
}
