#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

class SdkDevice;

// The command line of a command that works on one camera:
// -c ADDR / --camera ADDR / --camera=ADDR, -h / --help, then operands.
struct CliCameraOptions {
    std::string address;
    bool help = false;
    std::vector<std::string> operands;
    // Set when the command line cannot be understood.
    std::string error;
};

CliCameraOptions ParseCameraOptions(const std::vector<std::string>& args);

// The start of every command that works on one camera: parses and checks its
// command line (printing the usage for --help, or the problem and the usage
// on err) and connects device to the camera. Gives -1 when the command goes
// on with options and device, else the exit status.
int StartCameraCommand(CliContext& context, const QString& usage, bool needsOperands, CliCameraOptions& options,
                       SdkDevice& device);
