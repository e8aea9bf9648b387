#pragma once

#include <QCoreApplication>

#include <iosfwd>
#include <string>
#include <vector>

// What a command of lumivex-cli gets: the arguments after its name, and
// where its output and its complaints go.
struct CliContext {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

// A command; gives the program's exit status.
using CliHandler = int (*)(CliContext& context);

inline constexpr int kCliSuccess = 0;
// The camera or the network refused or failed.
inline constexpr int kCliFailure = 1;
// The command line itself is wrong.
inline constexpr int kCliUsageError = 2;

// Translation context of lumivex-cli's messages: LumivexCli::tr("...").
struct LumivexCli {
    Q_DECLARE_TR_FUNCTIONS(LumivexCli)
};

// Runs lumivex-cli with the arguments that follow the program's name.
int CliMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
