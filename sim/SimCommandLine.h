#pragma once

#include "SimOptions.h"

#include <QStringList>

#include <string>

// What lumivex-camsim's command line asks for.
struct SimCommandLine {
    SimOptions options;
    bool help = false;
    std::string helpText;
    std::string error; // empty when the line was understood
};

// Reads the program's arguments (the first is the program itself).
SimCommandLine ParseSimCommandLine(const QStringList& arguments);
