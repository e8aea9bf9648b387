#include "SimOptionBoard.h"

#include <algorithm>

namespace {

using namespace SerialBridge;

constexpr uint8_t kStart = 0x02;
constexpr uint8_t kEnd = 0x03;
constexpr uint8_t kWriteBit = 0x02;
constexpr uint8_t kBankBit = 0x80;
constexpr uint8_t kTableCommands = 0xF0; // 0xF0-0xF3: table end and start
constexpr uint8_t kTableStartBit = 0x02;
constexpr uint8_t kTableTargetBit = 0x01;
constexpr uint8_t kBlockCommand = 0x80;
constexpr size_t kBlockBytes = 128;
constexpr size_t kBlockFrameBytes = kBlockBytes + 4;
constexpr size_t kShortFrameBytes = 6;
constexpr size_t kWriteOverhead = 5;

constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusReceiveError = 0x10;
constexpr uint8_t kStatusAroundError = 0x11;
constexpr uint8_t kStatusRefused = 0x12;

constexpr auto kFrameTimeout = std::chrono::milliseconds(100);

// Option information the host reads at connect (bank 0x80 unless noted).
constexpr uint8_t kOptionFlagsAddress = 11; // bit 4: five output pins
constexpr uint8_t kFivePinsBit = 0x10;
constexpr uint8_t kBinningFlagAddress = 156; // bits 1-2: binning shrinks the sensor
constexpr uint8_t kBinningFlag = 0x02;
constexpr uint8_t kGainOffset1Address = 50; // bank 0x00
constexpr uint8_t kGainOffset2Address = 94; // bank 0x00, two bytes, low first
constexpr uint8_t kGainOffset1 = 100;
constexpr uint8_t kGainOffset2 = 50;

std::vector<uint8_t> Status(uint8_t status)
{
    return {kStart, 0x00, status, kEnd};
}

int BankIndex(uint8_t bank)
{
    return (bank & kBankBit) != 0 ? 1 : 0;
}

} // namespace

SimOptionBoard::SimOptionBoard(SimMemory& memory, bool optionBoardFitted, bool fivePins) : memory_(memory)
{
    ports_[0].present = true;
    ports_[1].present = optionBoardFitted;
    Bank& camera = ports_[0].banks[0];
    Bank& cameraHigh = ports_[0].banks[1];
    camera[kGainOffset1Address] = kGainOffset1;
    camera[kGainOffset2Address] = kGainOffset2;
    cameraHigh[kOptionFlagsAddress] = fivePins ? kFivePinsBit : 0;
    cameraHigh[kBinningFlagAddress] = kBinningFlag;
    for (int i = 0; i < kPortCount; ++i)
        memory_.WriteLittleEndian32(kPortBase[i] + kStatus, ports_[i].present ? kStatusPresent : 0);
}

void SimOptionBoard::Poll(std::chrono::steady_clock::time_point now)
{
    std::lock_guard lock(mutex_);
    for (int i = 0; i < kPortCount; ++i)
        PollPort(i, now);
}

void SimOptionBoard::PollPort(int index, std::chrono::steady_clock::time_point now)
{
    Port& port = ports_[index];
    if (!port.present)
        return;
    const uint32_t base = kPortBase[index];
    const bool open = (memory_.ReadLittleEndian32(base + kControl) & kControlOpen) != 0;
    if (open != port.open) {
        port.open = open;
        port.pending.clear();
        port.upload.reset();
    }
    if (!port.pending.empty() && now - port.lastByte > kFrameTimeout)
        port.pending.clear();

    const uint32_t length = memory_.ReadLittleEndian32(base + kTxLength);
    if (length == 0 || port.refuseWrites)
        return;
    const uint32_t count = std::min(length, kTxCapacity);
    if (open) {
        const size_t at = port.pending.size();
        port.pending.resize(at + count);
        memory_.Read(base + kTxData, port.pending.data() + at, count);
        port.lastByte = now;
        ProcessFrames(index);
    }
    memory_.WriteLittleEndian32(base + kTxLength, 0);
}

void SimOptionBoard::ProcessFrames(int index)
{
    Port& port = ports_[index];
    for (;;) {
        const auto start = std::find(port.pending.begin(), port.pending.end(), kStart);
        port.pending.erase(port.pending.begin(), start);
        if (port.pending.size() < 2)
            return;
        const uint8_t command = port.pending[1];
        size_t frameBytes = kShortFrameBytes;
        if (port.upload && command == kBlockCommand) {
            frameBytes = kBlockFrameBytes;
        } else if (command < kTableCommands && (command & kWriteBit) != 0) {
            if (port.pending.size() < 4)
                return;
            frameBytes = port.pending[3] + kWriteOverhead;
        }
        if (port.pending.size() < frameBytes)
            return;
        const std::vector<uint8_t> frame(port.pending.begin(), port.pending.begin() + frameBytes);
        port.pending.erase(port.pending.begin(), port.pending.begin() + frameBytes);
        Reply(index, Answer(index, frame));
    }
}

std::vector<uint8_t> SimOptionBoard::Answer(int index, const std::vector<uint8_t>& frame)
{
    Port& port = ports_[index];
    if (!port.overrides.empty()) {
        const Override forced = port.overrides.front();
        port.overrides.pop_front();
        return forced.silent ? std::vector<uint8_t>{} : Status(forced.status);
    }
    if (frame.back() != kEnd)
        return Status(kStatusReceiveError);

    const uint8_t command = frame[1];
    if (port.upload && command == kBlockCommand)
        return AnswerBlock(index, frame);
    if (command >= kTableCommands)
        return AnswerTableFrame(index, frame);
    if ((command & ~(kWriteBit | kBankBit)) != 0)
        return Status(kStatusRefused);

    Bank& bank = port.banks[BankIndex(command)];
    const size_t address = frame[2];
    const size_t length = frame[3];
    if (length == 0)
        return Status(kStatusRefused);
    if (address + length > kBankSize)
        return Status(kStatusAroundError);
    if ((command & kWriteBit) != 0) {
        std::copy_n(frame.begin() + 4, length, bank.begin() + static_cast<std::ptrdiff_t>(address));
        return Status(kStatusOk);
    }
    std::vector<uint8_t> reply = {kStart, static_cast<uint8_t>(length)};
    reply.insert(reply.end(), bank.begin() + static_cast<std::ptrdiff_t>(address),
                 bank.begin() + static_cast<std::ptrdiff_t>(address + length));
    reply.push_back(kEnd);
    return reply;
}

std::vector<uint8_t> SimOptionBoard::AnswerTableFrame(int index, const std::vector<uint8_t>& frame)
{
    Port& port = ports_[index];
    const uint8_t command = frame[1];
    if ((command & kTableStartBit) != 0) {
        SimTableUpload upload;
        upload.port = index;
        upload.startCommand = command;
        upload.channelByte = frame[2];
        upload.declaredBlocks = frame[3];
        uploads_.push_back(std::move(upload));
        port.upload = uploads_.size() - 1;
        return Status(kStatusOk);
    }
    if (!port.upload)
        return Status(kStatusRefused);
    SimTableUpload& upload = uploads_[*port.upload];
    const bool sameTarget = (command & kTableTargetBit) == (upload.startCommand & kTableTargetBit);
    if (!sameTarget || frame[2] != upload.channelByte || upload.data.size() != upload.declaredBlocks * kBlockBytes)
        return Status(kStatusRefused);
    upload.ended = true;
    upload.endCommand = command;
    port.upload.reset();
    if (sink_)
        sink_(upload);
    return Status(kStatusOk);
}

std::vector<uint8_t> SimOptionBoard::AnswerBlock(int index, const std::vector<uint8_t>& frame)
{
    SimTableUpload& upload = uploads_[*ports_[index].upload];
    ++upload.blocks;
    const auto first = frame.begin() + 2;
    const auto last = first + kBlockBytes;
    uint8_t checksum = 0;
    for (auto it = first; it != last; ++it)
        checksum = static_cast<uint8_t>(checksum + *it);
    if (checksum != frame[kBlockBytes + 2]) {
        ++upload.badChecksums;
        return Status(kStatusReceiveError);
    }
    upload.data.insert(upload.data.end(), first, last);
    return Status(kStatusOk);
}

void SimOptionBoard::Reply(int index, const std::vector<uint8_t>& bytes)
{
    if (bytes.empty())
        return;
    const uint32_t base = kPortBase[index];
    uint32_t written = memory_.ReadLittleEndian32(base + kRxWriteIndex);
    const uint32_t read = memory_.ReadLittleEndian32(base + kRxReadIndex);
    for (uint8_t byte : bytes) {
        // Never more than the ring holds ahead of the host; the rest is lost.
        if (written - read >= kRxRingSize)
            break;
        memory_.Write(base + kRxRing + written % kRxRingSize, &byte, 1);
        ++written;
    }
    memory_.WriteLittleEndian32(base + kRxWriteIndex, written);
}

std::vector<uint8_t> SimOptionBoard::ReadRegisters(int port, uint8_t bank, uint8_t address, size_t length) const
{
    std::lock_guard lock(mutex_);
    if (port < 0 || port >= kPortCount)
        return {};
    const Bank& source = ports_[port].banks[BankIndex(bank)];
    const size_t end = std::min<size_t>(address + length, kBankSize);
    return std::vector<uint8_t>(source.begin() + address, source.begin() + static_cast<std::ptrdiff_t>(end));
}

void SimOptionBoard::WriteRegisters(int port, uint8_t bank, uint8_t address, const std::vector<uint8_t>& bytes)
{
    std::lock_guard lock(mutex_);
    if (port < 0 || port >= kPortCount)
        return;
    Bank& target = ports_[port].banks[BankIndex(bank)];
    const size_t count = std::min<size_t>(bytes.size(), kBankSize - address);
    std::copy_n(bytes.begin(), count, target.begin() + address);
}

void SimOptionBoard::AnswerNextRequests(int port, uint8_t status, int count)
{
    std::lock_guard lock(mutex_);
    if (port >= 0 && port < kPortCount)
        ports_[port].overrides.insert(ports_[port].overrides.end(), std::max(count, 0), Override{false, status});
}

void SimOptionBoard::IgnoreNextRequests(int port, int count)
{
    std::lock_guard lock(mutex_);
    if (port >= 0 && port < kPortCount)
        ports_[port].overrides.insert(ports_[port].overrides.end(), std::max(count, 0), Override{true, 0});
}

void SimOptionBoard::RefuseWrites(int port, bool refuse)
{
    std::lock_guard lock(mutex_);
    if (port >= 0 && port < kPortCount)
        ports_[port].refuseWrites = refuse;
}

std::vector<SimTableUpload> SimOptionBoard::TableUploads() const
{
    std::lock_guard lock(mutex_);
    return uploads_;
}

void SimOptionBoard::ClearTableUploads()
{
    std::lock_guard lock(mutex_);
    uploads_.clear();
    for (Port& port : ports_)
        port.upload.reset();
}

void SimOptionBoard::SetUploadSink(std::function<void(const SimTableUpload&)> sink)
{
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
}
