#pragma once

#include "sdk/SdkResult.h"

#include <cstdint>
#include <memory>

class SdkDevice;

// A serial port of the camera's option electronics, tunnelled over the camera
// link through the register bridge described in docs/serial-bridge.md.
// Port 0 reaches the camera's registers, port 1 the option board's user FPGA.
// Virtual so that the serial channel can be tested against a scripted port.
class SdkSerialPort {
public:
    SdkSerialPort();
    virtual ~SdkSerialPort();
    SdkSerialPort(const SdkSerialPort&) = delete;
    SdkSerialPort& operator=(const SdkSerialPort&) = delete;

    virtual SdkResult Open(SdkDevice& device, int port);
    virtual SdkResult Close();
    // Sends count bytes; written receives how many the camera took.
    virtual SdkResult Write(const uint8_t* data, uint32_t count, uint32_t* written);
    virtual bool IsOpen() const;
    // Reads up to count bytes, waiting at most timeoutMs for them; read
    // receives how many arrived. Fewer than count is TIMEOUT.
    virtual SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t timeoutMs);
    virtual SdkResult GetRxBytesReady(uint32_t* count);
    // Drops every received byte not yet read.
    virtual SdkResult FlushRxBuffer();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
