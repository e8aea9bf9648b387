// Reply frames of the option electronics' serial channel: the first bytes
// choose the request, the rest arrive as the far end's answers.
#include "camera/CRS232C_OM.h"
#include "sdk/SdkSerialPort.h"

#include <algorithm>
#include <array>
#include <deque>

namespace {

// Delivers the input, a piece per accepted write, and never waits.
class ReplayPort : public SdkSerialPort {
public:
    ReplayPort(const uint8_t* data, size_t size) : input_(data, data + size) {}

    SdkResult Open(SdkDevice&, int) override { return SdkResult::OK; }
    SdkResult Close() override { return SdkResult::OK; }
    bool IsOpen() const override { return true; }
    SdkResult Write(const uint8_t*, uint32_t count, uint32_t* written) override
    {
        // The first input byte says how many bytes this write brings (0: the
        // write is refused).
        if (input_.empty()) {
            *written = 0;
            return SdkResult::TIMEOUT;
        }
        const size_t piece = std::min<size_t>(input_.front(), input_.size() - 1);
        input_.pop_front();
        if (piece == 0) {
            *written = 0;
            return SdkResult::TIMEOUT;
        }
        received_.insert(received_.end(), input_.begin(), input_.begin() + static_cast<long>(piece));
        input_.erase(input_.begin(), input_.begin() + static_cast<long>(piece));
        *written = count;
        return SdkResult::OK;
    }
    SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t) override
    {
        *read = static_cast<uint32_t>(std::min<size_t>(count, received_.size()));
        std::copy_n(received_.begin(), *read, data);
        received_.erase(received_.begin(), received_.begin() + *read);
        return *read == count ? SdkResult::OK : SdkResult::TIMEOUT;
    }
    SdkResult GetRxBytesReady(uint32_t* count) override
    {
        *count = static_cast<uint32_t>(received_.size());
        return SdkResult::OK;
    }
    SdkResult FlushRxBuffer() override
    {
        received_.clear();
        return SdkResult::OK;
    }

private:
    std::deque<uint8_t> input_;
    std::deque<uint8_t> received_;
};

class SilentReporter : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t request = data[0];
    const uint8_t length = data[1];
    SilentReporter reporter;
    CRS232C_OM channel("/nonexistent/channel.ini", std::make_unique<ReplayPort>(data + 2, size - 2));
    channel.SetReporter(&reporter);
    channel.SetSleep([](uint32_t) {});
    std::array<uint8_t, 256> buffer{};
    std::array<uint8_t, 256> payload{};
    switch (request % 4) {
    case 0:
        channel.ReadRegister(request & 0x80, 0x10, length, buffer.data());
        break;
    case 1:
        channel.WriteRegister(request & 0x80, 0x10, length, payload.data());
        break;
    case 2:
        channel.SendFrame(length, payload.data());
        break;
    default:
        channel.WriteBlock(payload.data());
        break;
    }
    return 0;
}
