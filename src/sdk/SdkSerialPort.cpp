#include "sdk/SdkSerialPort.h"

#include "sdk/SdkDevice.h"
#include "sdk/SdkSerialBridge.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace {

using namespace SerialBridge;

constexpr uint32_t kWordSize = 4;

constexpr auto kDoorbellTimeout = std::chrono::milliseconds(1000);
constexpr auto kPollInterval = std::chrono::milliseconds(1);

uint32_t RoundUpToWord(uint32_t count)
{
    return (count + kWordSize - 1) / kWordSize * kWordSize;
}

} // namespace

struct SdkSerialPort::Impl {
    uint32_t Base() const { return kPortBase[port]; }

    // Bridge registers are little-endian words in the camera's memory.
    SdkResult ReadWord(uint32_t offset, uint32_t& value)
    {
        std::array<uint8_t, kWordSize> bytes{};
        SdkResult result = device->ReadMemory(Base() + offset, bytes.data(), kWordSize);
        value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t{bytes[3]} << 24;
        return result;
    }

    SdkResult WriteWord(uint32_t offset, uint32_t value)
    {
        const std::array<uint8_t, kWordSize> bytes{static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                                   static_cast<uint8_t>(value >> 16),
                                                   static_cast<uint8_t>(value >> 24)};
        return device->WriteMemory(Base() + offset, bytes.data(), kWordSize);
    }

    // Polls TX_LENGTH until the device has taken the previous bytes.
    SdkResult WaitForDoorbellClear()
    {
        auto deadline = std::chrono::steady_clock::now() + kDoorbellTimeout;
        while (true) {
            uint32_t pending = 0;
            SdkResult result = ReadWord(kTxLength, pending);
            if (!result.IsOK())
                return result;
            if (pending == 0)
                return SdkResult::OK;
            if (std::chrono::steady_clock::now() >= deadline)
                return SdkResult::TIMEOUT;
            std::this_thread::sleep_for(kPollInterval);
        }
    }

    SdkResult WriteChunk(const uint8_t* data, uint32_t count)
    {
        SdkResult result = WaitForDoorbellClear();
        if (!result.IsOK())
            return result;
        // Whole words on the wire; the device ignores the zero padding.
        std::array<uint8_t, kTxCapacity> padded{};
        std::copy(data, data + count, padded.begin());
        result = device->WriteMemory(Base() + kTxData, padded.data(), RoundUpToWord(count));
        if (result.IsOK())
            result = WriteWord(kTxLength, count);
        if (result.IsOK())
            result = WaitForDoorbellClear();
        return result;
    }

    SdkResult Waiting(uint32_t& count)
    {
        uint32_t writeIndex = 0;
        SdkResult result = ReadWord(kRxWriteIndex, writeIndex);
        // The device never runs more than the ring ahead; a larger distance
        // can only be a fault, and reading it would repeat ring contents.
        count = result.IsOK() ? std::min(writeIndex - readIndex, kRxRingSize) : 0;
        return result;
    }

    // Copies count bytes from the ring, starting at the read index.
    SdkResult CopyFromRing(uint8_t* data, uint32_t count)
    {
        uint32_t start = readIndex % kRxRingSize;
        uint32_t first = std::min(count, kRxRingSize - start);
        SdkResult result = device->ReadMemory(Base() + kRxRing + start, data, first);
        if (result.IsOK() && first < count)
            result = device->ReadMemory(Base() + kRxRing, data + first, count - first);
        return result;
    }

    SdkDevice* device = nullptr;
    int port = 0;
    // Count of bytes ever taken out of the ring; mirrors RX_READ_INDEX.
    uint32_t readIndex = 0;
};

SdkSerialPort::SdkSerialPort() = default;

SdkSerialPort::~SdkSerialPort()
{
    Close();
}

SdkResult SdkSerialPort::Open(SdkDevice& device, int port)
{
    if (port < 0 || port >= static_cast<int>(std::size(kPortBase)))
        return SdkResult::INVALID_PARAMETER;
    Close();
    auto impl = std::make_unique<Impl>();
    impl->device = &device;
    impl->port = port;
    uint32_t status = 0;
    SdkResult result = impl->ReadWord(kStatus, status);
    if (!result.IsOK())
        return result;
    if ((status & kStatusPresent) == 0)
        return SdkResult::NOT_SUPPORTED;
    result = impl->WriteWord(kControl, kControlOpen);
    // Bytes from an earlier session are not this session's replies.
    uint32_t writeIndex = 0;
    if (result.IsOK())
        result = impl->ReadWord(kRxWriteIndex, writeIndex);
    if (result.IsOK())
        result = impl->WriteWord(kRxReadIndex, writeIndex);
    if (!result.IsOK())
        return result;
    impl->readIndex = writeIndex;
    impl_ = std::move(impl);
    return SdkResult::OK;
}

SdkResult SdkSerialPort::Close()
{
    if (impl_ == nullptr)
        return SdkResult::OK;
    SdkResult result = impl_->WriteWord(kControl, 0);
    impl_.reset();
    return result;
}

SdkResult SdkSerialPort::Write(const uint8_t* data, uint32_t count, uint32_t* written)
{
    uint32_t done = 0;
    SdkResult result = impl_ == nullptr ? SdkResult(SdkResult::STATE_ERROR) : SdkResult::OK;
    if (impl_ != nullptr && data == nullptr && count > 0)
        result = SdkResult::INVALID_PARAMETER;
    while (result.IsOK() && done < count) {
        uint32_t chunk = std::min(count - done, kTxCapacity);
        result = impl_->WriteChunk(data + done, chunk);
        if (result.IsOK())
            done += chunk;
    }
    if (written != nullptr)
        *written = done;
    return result;
}

bool SdkSerialPort::IsOpen() const
{
    return impl_ != nullptr;
}

SdkResult SdkSerialPort::Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t timeoutMs)
{
    if (read != nullptr)
        *read = 0;
    if (impl_ == nullptr)
        return SdkResult::STATE_ERROR;
    if (data == nullptr && count > 0)
        return SdkResult::INVALID_PARAMETER;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    uint32_t waiting = 0;
    while (true) {
        SdkResult result = impl_->Waiting(waiting);
        if (!result.IsOK())
            return result;
        if (waiting >= count || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    uint32_t taken = std::min(waiting, count);
    SdkResult result = impl_->CopyFromRing(data, taken);
    if (result.IsOK())
        result = impl_->WriteWord(kRxReadIndex, impl_->readIndex + taken);
    if (!result.IsOK())
        return result;
    impl_->readIndex += taken;
    if (read != nullptr)
        *read = taken;
    return taken < count ? SdkResult(SdkResult::TIMEOUT) : SdkResult::OK;
}

SdkResult SdkSerialPort::GetRxBytesReady(uint32_t* count)
{
    if (count != nullptr)
        *count = 0;
    if (impl_ == nullptr)
        return SdkResult::STATE_ERROR;
    uint32_t waiting = 0;
    SdkResult result = impl_->Waiting(waiting);
    if (count != nullptr)
        *count = waiting;
    return result;
}

SdkResult SdkSerialPort::FlushRxBuffer()
{
    if (impl_ == nullptr)
        return SdkResult::STATE_ERROR;
    uint32_t writeIndex = 0;
    SdkResult result = impl_->ReadWord(kRxWriteIndex, writeIndex);
    if (result.IsOK())
        result = impl_->WriteWord(kRxReadIndex, writeIndex);
    if (result.IsOK())
        impl_->readIndex = writeIndex;
    return result;
}
