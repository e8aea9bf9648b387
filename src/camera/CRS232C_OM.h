#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class SdkDevice;
class SdkSerialPort;

// Shows a failed exchange to the user. The program's reporter puts the text in
// a message box with the exclamation icon; tests capture it.
class SerialErrorReporter {
public:
    virtual ~SerialErrorReporter() = default;
    virtual void ReportSerialError(const std::string& text) = 0;
};

// The framed register protocol of the camera's option electronics over the
// tunnelled serial port: port 0 the camera's registers, port 1 the option
// board's user FPGA. Every call is one blocking exchange on the UI thread;
// each failure is reported and returned as a code (0 is success).
//
// Settings (section RS232C_OM): ReadDelayTime and WriteDelayTime are the
// port's read timeouts in ms, SndRevDelayTime the time in ms to poll for a
// reply before reading it, NGRepeatCount the attempts at a send the port
// refuses, ErrCmdDelayTime the pause in ms after a failure. Each call keeps
// to a budget of about 2 s: every wait is cut to what is left of it and no
// attempt starts once it is spent, so a silent or absent board cannot hold
// the window longer.
class CRS232C_OM {
public:
    // Settings come from the INI file at settingsPath, section RS232C_OM;
    // an empty path means the program's own path with ".ini".
    explicit CRS232C_OM(const std::string& settingsPath = {});
    // For tests: a scripted port instead of the tunnelled one.
    CRS232C_OM(const std::string& settingsPath, std::unique_ptr<SdkSerialPort> port);
    virtual ~CRS232C_OM();
    CRS232C_OM(const CRS232C_OM&) = delete;
    CRS232C_OM& operator=(const CRS232C_OM&) = delete;

    // Closes the port if open, then opens port 0 or 1 on the device.
    bool OpenPort(SdkDevice& device, int port);
    void ClosePort();
    bool IsOpen() const;

    // Bank is 0x00 or 0x80. Give 0 or an error code.
    int ReadRegister(uint8_t bank, uint8_t address, uint8_t length, uint8_t* buffer);
    int WriteRegister(uint8_t bank, uint8_t address, uint8_t length, const uint8_t* data);
    // Writes a frame prepared by the caller and waits for its acknowledgement.
    int SendFrame(uint32_t size, const uint8_t* bytes);
    // Sends one 128-byte table block; gives 1 on success, 0 on failure.
    int WriteBlock(const uint8_t* block128);

    // Null restores the program's reporter.
    void SetReporter(SerialErrorReporter* reporter);
    // The reporter of every channel without one of its own: the window
    // program sets its message box at start. Null, the default, writes the
    // text to standard error.
    static void SetProgramReporter(SerialErrorReporter* reporter);
    // For tests: stands in for the millisecond sleeps of the reply polls and
    // the pause after a failed access; the budget's clock then advances only
    // by what the stand-in is asked to sleep. Null restores the real sleep
    // and clock.
    void SetSleep(std::function<void(uint32_t ms)> sleep);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
