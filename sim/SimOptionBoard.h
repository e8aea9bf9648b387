#pragma once

#include "SimMemory.h"
#include "SimTableUpload.h"
#include "sdk/SdkSerialBridge.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>


// The device side of the serial bridge and the electronics behind it: port 0
// the camera's own registers, port 1 the option board's user FPGA. Each port
// has two 256-byte register banks (0x00 and 0x80) answering the framed
// protocol: read 02 C A L 01 03 -> 02 L data 03 or the refusal 02 00 status 03;
// write 02 C A L data 03 -> 02 00 status 03 (status 0 is success); command
// bit 1 marks a write, bit 7 selects bank 0x80. Statuses it gives of its own:
// 0x10 for a frame without its end byte or a block with a bad checksum, 0x11
// for a register range past the bank's end, 0x12 for an unknown command, a
// zero length or a table frame out of sequence. Bytes are taken only while
// the host has the port open; a frame left incomplete for 100 ms is dropped.
//
// Port 0 is always present (the camera's registers are there with or without
// an option board); port 1 only with an option board.
class SimOptionBoard {
public:
    SimOptionBoard(SimMemory& memory, bool optionBoardFitted, bool fivePins);

    // Takes written bytes and answers them; called by the poll thread.
    void Poll(std::chrono::steady_clock::time_point now);

    std::vector<uint8_t> ReadRegisters(int port, uint8_t bank, uint8_t address, size_t length) const;
    void WriteRegisters(int port, uint8_t bank, uint8_t address, const std::vector<uint8_t>& bytes);
    void AnswerNextRequests(int port, uint8_t status, int count);
    void IgnoreNextRequests(int port, int count);
    void RefuseWrites(int port, bool refuse);
    std::vector<SimTableUpload> TableUploads() const;
    void ClearTableUploads();
    // Called (on the poll thread) with each upload whose end frame arrived.
    void SetUploadSink(std::function<void(const SimTableUpload&)> sink);

private:
    static constexpr size_t kBankSize = 256;
    using Bank = std::array<uint8_t, kBankSize>;
    struct Override {
        bool silent = false;
        uint8_t status = 0;
    };
    struct Port {
        bool present = false;
        bool open = false;
        bool refuseWrites = false;
        std::array<Bank, 2> banks{};
        std::vector<uint8_t> pending;
        std::chrono::steady_clock::time_point lastByte;
        std::optional<size_t> upload; // index into uploads_ while one runs
        std::deque<Override> overrides;
    };

    void PollPort(int index, std::chrono::steady_clock::time_point now);
    void ProcessFrames(int index);
    std::vector<uint8_t> Answer(int index, const std::vector<uint8_t>& frame);
    std::vector<uint8_t> AnswerTableFrame(int index, const std::vector<uint8_t>& frame);
    std::vector<uint8_t> AnswerBlock(int index, const std::vector<uint8_t>& frame);
    void Reply(int index, const std::vector<uint8_t>& bytes);

    SimMemory& memory_;
    mutable std::mutex mutex_;
    std::array<Port, SerialBridge::kPortCount> ports_;
    std::vector<SimTableUpload> uploads_;
    std::function<void(const SimTableUpload&)> sink_;
};
