#pragma once

#include "SimOptions.h"
#include "SimTableUpload.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A simulated GigE Vision camera running in this process: real GVCP
// (control) and GVSP (stream) traffic on options.interfaceAddress, answered
// as a device does (SimGvDevice) over the register memory of Aravis's fake
// camera, with the camera's own GenICam description, a moving test pattern in
// every pixel format the program converts, and the camera behaviour behind
// its registers. SimOptions may make the link lossy.
//
// Run it only inside a private network namespace (scripts/netns): it answers
// discovery broadcasts. Several cameras may run at once on different
// 127.0.0.x addresses. The camera keeps its settings across client
// connections, like a real one; start a fresh camera for a clean state.
//
// The camera works on threads of its own between Start and Stop. While it
// runs, every method but Start and Stop may be called from any thread.
class SimCamera {
public:
    SimCamera();
    ~SimCamera(); // stops the camera
    SimCamera(const SimCamera&) = delete;
    SimCamera& operator=(const SimCamera&) = delete;

    // Builds and starts the camera. False when the options are invalid or the
    // address cannot be bound (not on a local interface, or taken by another
    // camera); ErrorText says why.
    bool Start(const SimOptions& options);
    // Stops answering and streaming. Start may be called again afterwards.
    void Stop();
    bool IsRunning() const;
    const std::string& ErrorText() const;

    const SimOptions& Options() const;
    // The serial number text the camera reports (options.serial or the one
    // derived from the address).
    std::string SerialText() const;
    // The GenICam XML the camera serves.
    std::string GenicamXml() const;

    // Frames the camera has filled and sent since Start.
    uint64_t FramesSent() const;
    // Waits until at least count frames were sent since Start; false on timeout.
    bool WaitForFrames(uint64_t count, std::chrono::milliseconds timeout) const;

    // Register access as a GVCP client would see it. A feature's register
    // holds its value as a big-endian word (floats as big-endian doubles).
    std::optional<uint32_t> FeatureAddress(std::string_view feature) const;
    uint32_t ReadRegister(uint32_t address) const;
    void WriteRegister(uint32_t address, uint32_t value);
    bool ReadMemory(uint32_t address, void* data, size_t size) const;
    bool WriteMemory(uint32_t address, const void* data, size_t size);

    // The option electronics behind the serial bridge (docs/serial-bridge.md;
    // sdk/SdkSerialBridge.h has the register layout): port 0
    // reaches the camera's registers, port 1 the option board's user FPGA.
    // Each port has two 256-byte register banks, 0x00 and 0x80, as the framed
    // protocol reads and writes them. Port 0 always answers; port 1 only with
    // an option board (STATUS.PRESENT says which).
    std::vector<uint8_t> ReadOptionRegisters(int port, uint8_t bank, uint8_t address, size_t length) const;
    void WriteOptionRegisters(int port, uint8_t bank, uint8_t address, const std::vector<uint8_t>& bytes);
    // The next count requests on the port are answered 02 00 status 03 and
    // not carried out (a busy or refusing device).
    void AnswerNextRequests(int port, uint8_t status, int count = 1);
    // The next count requests on the port get no answer at all.
    void IgnoreNextRequests(int port, int count = 1);
    // While set, the port takes no written bytes: TX_LENGTH is never cleared.
    void RefuseWrites(int port, bool refuse);
    // Every table upload since Start or the last clear, finished or not.
    std::vector<SimTableUpload> TableUploads() const;
    void ClearTableUploads();

    // Gamma tables (4096 entries of 12 bits) as uploads and ReloadGammaData
    // left them: target 0 the active register, 1 the EEPROM; channel 0 red,
    // 1 green, 2 blue, 3 mono. They start as a 0.45 power curve and shape the
    // pattern while GammaMode is On.
    std::vector<uint16_t> GammaTable(int target, int channel) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
