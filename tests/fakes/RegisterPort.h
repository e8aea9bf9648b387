#pragma once

#include "sdk/SdkSerialPort.h"

#include <deque>
#include <map>
#include <utility>
#include <vector>

// A serial port whose far end answers register reads from a table; a read of
// a register not in the table is refused as busy.
class RegisterPort : public SdkSerialPort {
public:
    SdkResult Open(SdkDevice&, int) override
    {
        open_ = !openFails;
        return SdkResult(open_ ? SdkResult::OK : SdkResult::NOT_SUPPORTED);
    }
    SdkResult Close() override
    {
        open_ = false;
        return SdkResult(SdkResult::OK);
    }
    bool IsOpen() const override { return open_; }
    SdkResult Write(const uint8_t* data, uint32_t count, uint32_t* written) override
    {
        *written = count;
        const uint8_t bank = data[1] & 0x80;
        const uint8_t address = data[2];
        const uint8_t length = data[3];
        reads.push_back({bank, address});
        auto found = registers.find({bank, address});
        if (found == registers.end() || found->second.size() != length) {
            rx_.insert(rx_.end(), {0x02, 0x00, 0x07, 0x03});
        } else {
            rx_.push_back(0x02);
            rx_.push_back(length);
            rx_.insert(rx_.end(), found->second.begin(), found->second.end());
            rx_.push_back(0x03);
        }
        return SdkResult(SdkResult::OK);
    }
    SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t) override
    {
        uint32_t copied = 0;
        while (copied < count && !rx_.empty()) {
            data[copied++] = rx_.front();
            rx_.pop_front();
        }
        *read = copied;
        return SdkResult(copied == count ? SdkResult::OK : SdkResult::TIMEOUT);
    }
    SdkResult GetRxBytesReady(uint32_t* count) override
    {
        *count = static_cast<uint32_t>(rx_.size());
        return SdkResult(SdkResult::OK);
    }
    SdkResult FlushRxBuffer() override
    {
        rx_.clear();
        return SdkResult(SdkResult::OK);
    }

    bool openFails = false;
    std::map<std::pair<uint8_t, uint8_t>, std::vector<uint8_t>> registers;
    std::vector<std::pair<uint8_t, uint8_t>> reads;

private:
    bool open_ = false;
    std::deque<uint8_t> rx_;
};
