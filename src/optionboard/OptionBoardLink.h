#pragma once

#include "optionboard/OptionState.h"

#include <functional>

class CameraConnection;
class CRS232C_OM;
class SdkDevice;

// The option board dialog's exchanges with one camera over its serial
// channel. The camera's registers are on port 0, the user FPGA on port 1;
// every exchange leaves the channel open on port 0, where the camera
// connection expects it. Writes give 0 or the channel's error code (the
// channel has already shown the failure to the user); the caller keeps its
// old state when a write fails.
class OptionBoardLink {
public:
    // Returned when a port cannot be opened at all.
    static constexpr int kPortNotOpened = 253;

    OptionBoardLink(CRS232C_OM& serial, SdkDevice& device);

    // Reads the data path register, JTAG connection and user FPGA enable
    // into state. Stops at the first failed read, keeping what was read
    // before it; gives whether everything was read.
    bool ReadState(OptionState& state);

    // One write of the items of wanted that it names.
    using Write = int (OptionBoardLink::*)(const OptionState& wanted);

    // Port 0 writes: the data path register composed from wanted, JTAG
    // connection, user FPGA enable.
    int WriteDataPath(const OptionState& wanted);
    int WriteJtagConnection(const OptionState& wanted);
    int WriteUserFpgaEnable(const OptionState& wanted);

    // User FPGA writes on port 1.
    int WriteImageProcessing(const OptionState& wanted);
    int WriteFrameMemory(const OptionState& wanted);
    int WriteOutputControl(const OptionState& wanted);

private:
    bool OpenCameraPort();
    int WriteUserFpga(uint8_t address, uint8_t length, const uint8_t* bytes);

    CRS232C_OM& serial_;
    SdkDevice& device_;
};

// One change made on the camera's option board: edit is applied to a copy of
// state, which write sends; state takes the copy only when the write
// succeeded. Does nothing without a camera. Gives whether state changed.
bool ChangeOptionState(CameraConnection* camera, OptionState& state, const std::function<void(OptionState&)>& edit,
                       OptionBoardLink::Write write);
