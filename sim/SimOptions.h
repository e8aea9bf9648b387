#pragma once

#include <string>
#include <vector>

// How one simulated camera is built. The defaults make a colour camera with
// an option board on 127.0.0.1.
struct SimOptions {
    // Address the camera answers on; it must belong to a local interface
    // (127.0.0.x on loopback inside the test namespace).
    std::string interfaceAddress = "127.0.0.1";
    // Serial number text; empty gives "LX" and the address's last byte in
    // four digits, so cameras on different addresses differ.
    std::string serial;
    int modelCode = 0x0101;
    // Initial pixel format by its GenICam name; empty gives BayerGR8 for a
    // colour camera and Mono8 for a monochrome one. A Bayer name also sets the
    // sensor's own pattern.
    std::string pixelFormat;
    // Sensor size; the image starts at full size.
    int width = 1280;
    int height = 960;
    bool colour = true;
    // Five output pins instead of two.
    bool fivePins = false;
    // Whether an option board is fitted (serial port 1 present).
    bool optionBoard = true;
    std::string deviceVersion = "2.0007";
    // Features left out of the camera's GenICam description.
    std::vector<std::string> without;
    double fps = 30.0;
    // A link that is not perfect: this share (per mille) of the stream
    // packets is lost when first sent (a packet sent again on request always
    // arrives), and of the acknowledges to register and memory commands.
    int lossPerMille = 0;
    int controlLossPerMille = 0;
    // Every frameSkip-th frame takes its block id but is never sent, not even
    // on request: a frame the camera sent that never arrived. 0 sends all.
    int frameSkip = 0;
};
