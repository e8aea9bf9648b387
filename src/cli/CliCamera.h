#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

#include "camera/CRS232C_OM.h"

#include <iosfwd>

class CameraConnection;
class SdkDevice;

// Problems of the serial channel that connecting reads the option board
// through go to err rather than into message boxes.
class ErrorStreamReporter : public SerialErrorReporter {
public:
    explicit ErrorStreamReporter(std::ostream& err) : err_(err) {}
    void ReportSerialError(const std::string& text) override;

private:
    std::ostream& err_;
};

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
// Connects camera to the camera at address as the viewer does (option board
// values included), its serial channel's problems going to reporter; says
// on err when it cannot. reporter must outlive the connection.
bool ConnectCameraInfo(CliContext& context, const std::string& address, CameraConnection& camera,
                       ErrorStreamReporter& reporter);

int StartCameraCommand(CliContext& context, const QString& usage, bool needsOperands, CliCameraOptions& options,
                       SdkDevice& device);
