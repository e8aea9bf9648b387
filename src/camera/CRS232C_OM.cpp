#include "camera/CRS232C_OM.h"

#include "platform/DataFiles.h"
#include "profile/Profile.h"
#include "sdk/SdkSerialPort.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

constexpr char kSettingsSection[] = "RS232C_OM";
constexpr int kDefaultReadDelayMs = 5000;
constexpr int kDefaultWriteDelayMs = 5000;
constexpr int kDefaultAttempts = 10;
constexpr int kDefaultReplyWaitMs = 10000;
constexpr int kDefaultErrorPauseMs = 1000;
constexpr uint32_t kPollIntervalMs = 1;
// No register access, retries and pauses included, keeps the window waiting
// longer than this for a silent or absent board; the settings' waits are
// each cut to what is left of it.
constexpr uint64_t kOperationBudgetMs = 2000;

// Frame bytes.
constexpr uint8_t kStart = 0x02;
constexpr uint8_t kEnd = 0x03;
constexpr uint8_t kWriteFlag = 0x02;
constexpr uint8_t kReadMarker = 0x01;
constexpr uint8_t kBlockCommand = 0x80;
constexpr size_t kBlockDataSize = 128;
constexpr size_t kBlockFrameSize = kBlockDataSize + 4;
constexpr uint32_t kReplyOverhead = 3; // start, length, end
constexpr uint32_t kAcknowledgementSize = 4;
constexpr uint32_t kMaxReplySize = 0xFF + kReplyOverhead;
constexpr size_t kLastFrameCapacity = 256;

// Result codes; 0 is success.
constexpr int kOk = 0;
constexpr int kNoStartByte = 1;
constexpr int kNoEndByte = 2;
constexpr int kNotReceived = 4;
constexpr int kShortReply = 6;
constexpr int kLengthError = 10;
constexpr int kPortReceiveError = 253;
constexpr int kPortSendError = 254;
constexpr int kStatusBase = 0x8000;
constexpr int kBusy = 0x8007;
constexpr int kStatusReceiveError = 0x8010;
constexpr int kStatusAroundError = 0x8011;
constexpr int kFrameWriteFailed = -1;

// Reply statuses.
constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusOkAlt = 0x01;


QString CodeText(int code)
{
    switch (code) {
    case kNoStartByte:
        return QCoreApplication::translate("CRS232C_OM", "Not found SOF.");
    case kNoEndByte:
        return QCoreApplication::translate("CRS232C_OM", "Not found ETX.");
    case kNotReceived:
        return QCoreApplication::translate("CRS232C_OM", "Not Recieve(PC).");
    case kShortReply:
        return QCoreApplication::translate("CRS232C_OM", "Data Length Error(PC).");
    case kLengthError:
        return QCoreApplication::translate("CRS232C_OM", "Data Length Error.");
    case kPortReceiveError:
        return QCoreApplication::translate("CRS232C_OM", "Recieve Error(SerialPort)");
    case kPortSendError:
        return QCoreApplication::translate("CRS232C_OM", "Send Error(SerialPort)");
    case kBusy:
        return QCoreApplication::translate("CRS232C_OM", "Busy(0x07).");
    case kStatusReceiveError:
        return QCoreApplication::translate("CRS232C_OM", "Recieve Error(0x10).");
    case kStatusAroundError:
        return QCoreApplication::translate("CRS232C_OM", "Around Error(0x11).");
    default:
        return QCoreApplication::translate("CRS232C_OM", "Extra Error(0x%1).")
            .arg(QString::number(static_cast<uint32_t>(code) & 0xFF, 16).toUpper());
    }
}

bool IsSuccessStatus(uint8_t status)
{
    return status == kStatusOk || status == kStatusOkAlt;
}

// Status of a refused register read: 0 and 1 contradict the refusal.
int ReadRefusalCode(uint8_t status)
{
    return IsSuccessStatus(status) ? kLengthError : kStatusBase + status;
}

// A refusing status of a write acknowledgement.
int AcknowledgementCode(uint8_t status)
{
    switch (status) {
    case 0x10:
        return kStatusReceiveError;
    case 0x11:
        return kStatusAroundError;
    case 0x12:
        return 5;
    case 0x13:
        return 0x8006;
    case 0x14:
        return 0x8004;
    case 0x15:
        return 3;
    case 0x16:
        return kLengthError;
    default:
        return kStatusBase;
    }
}

// The acknowledgement's verdict once its start byte is known good.
int CheckAcknowledgement(const uint8_t* reply)
{
    if (!IsSuccessStatus(reply[2]))
        return AcknowledgementCode(reply[2]);
    return reply[3] == kEnd ? kOk : kNoEndByte;
}

// Gives 0 when the whole reply came, 6 when part of it did, 4 when nothing
// did or the port failed.
int ReceiveCode(const SdkResult& result, uint32_t received, uint32_t expected)
{
    if (received == expected)
        return kOk;
    if (received == 0 || !(result.IsOK() || result == SdkResult::TIMEOUT))
        return kNotReceived;
    return kShortReply;
}

uint8_t BlockChecksum(const uint8_t* block)
{
    unsigned sum = 0;
    for (size_t i = 0; i < kBlockDataSize; ++i)
        sum += block[i];
    return static_cast<uint8_t>(sum);
}

std::string ProgramSettingsPath()
{
    std::filesystem::path program;
    if (QCoreApplication::instance()) {
        program = QCoreApplication::applicationFilePath().toStdString();
    } else {
        std::error_code error;
        program = std::filesystem::read_symlink("/proc/self/exe", error);
    }
    // Named after the program, in its data folders.
    const std::filesystem::path name = program.filename().replace_extension(".ini");
    return DataFilePath(QString::fromStdString(program.parent_path().string()), QString::fromStdString(name.string()))
        .toStdString();
}

void RealSleep(uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

uint64_t SteadyMs()
{
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

// A program without a reporter of its own (a command-line tool that forgot
// its own) must still not lose the message.
class StandardErrorReporter : public SerialErrorReporter {
public:
    void ReportSerialError(const std::string& text) override
    {
        QString shown = QString::fromStdString(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(stderr, "%s\n", qUtf8Printable(shown));
    }
};

std::atomic<SerialErrorReporter*> programReporter{nullptr};

SerialErrorReporter& ProgramReporter()
{
    static StandardErrorReporter standardError;
    SerialErrorReporter* reporter = programReporter.load();
    return reporter ? *reporter : standardError;
}

} // namespace

struct CRS232C_OM::Impl {
    std::unique_ptr<SdkSerialPort> port;
    uint32_t readTimeoutMs = kDefaultReadDelayMs;
    uint32_t writeTimeoutMs = kDefaultWriteDelayMs;
    int attempts = kDefaultAttempts;
    uint32_t replyWaitMs = kDefaultReplyWaitMs;
    uint32_t errorPauseMs = kDefaultErrorPauseMs;

    std::array<uint8_t, kLastFrameCapacity> lastFrame{};
    uint32_t lastFrameLength = 0;
    uint32_t lastSendCode = 0;
    uint32_t lastSendWritten = 0;

    SerialErrorReporter* reporter = nullptr;
    std::function<void(uint32_t)> sleep = RealSleep;
    // The clock the budgets are measured on, in milliseconds.
    std::function<uint64_t()> now = SteadyMs;
    // The end of the current operation's budget.
    uint64_t deadline = 0;

    void StartOperation() { deadline = now() + kOperationBudgetMs; }
    uint32_t LeftMs() const
    {
        const uint64_t current = now();
        return current < deadline ? static_cast<uint32_t>(deadline - current) : 0;
    }
    // A wait of the settings, cut to what is left of the budget.
    uint32_t Budgeted(uint32_t ms) const { return std::min(ms, LeftMs()); }
    void Pause() { sleep(Budgeted(errorPauseMs)); }
    SerialErrorReporter& Reporter() const { return reporter ? *reporter : ProgramReporter(); }

    void ReadSettings(const std::string& path)
    {
        const Profile settings(path.empty() ? ProgramSettingsPath() : path);
        const auto read = [&settings](const char* key, int fallback) {
            return std::max(0, settings.GetInt(kSettingsSection, key, fallback));
        };
        readTimeoutMs = static_cast<uint32_t>(read("ReadDelayTime", kDefaultReadDelayMs));
        writeTimeoutMs = static_cast<uint32_t>(read("WriteDelayTime", kDefaultWriteDelayMs));
        // At least one attempt, or a request would fail without being sent.
        attempts = std::max(1, read("NGRepeatCount", kDefaultAttempts));
        // Once a count of 1 ms polls (each took 1.3 to 2.2 ms with the
        // register read), now the time the polls may take.
        replyWaitMs = static_cast<uint32_t>(read("SndRevDelayTime", kDefaultReplyWaitMs));
        errorPauseMs = static_cast<uint32_t>(read("ErrCmdDelayTime", kDefaultErrorPauseMs));
    }

    void KeepFrame(const uint8_t* bytes, size_t count)
    {
        lastFrameLength = static_cast<uint32_t>(std::min(count, kLastFrameCapacity));
        std::copy_n(bytes, lastFrameLength, lastFrame.begin());
    }

    // Polls, 1 ms apart, until at least count bytes wait; gives up after the
    // reply wait (cut to the budget) or when the port cannot tell.
    void WaitForBytes(uint32_t count)
    {
        const uint64_t end = now() + Budgeted(replyWaitMs);
        while (now() < end) {
            uint32_t waiting = 0;
            if (!port->GetRxBytesReady(&waiting).IsOK() || waiting >= count)
                return;
            sleep(kPollIntervalMs);
        }
    }

    // Writes a whole frame; on failure remembers it with the port's result.
    bool WriteFrame(const uint8_t* frame, uint32_t size)
    {
        uint32_t written = 0;
        const SdkResult result = port->Write(frame, size, &written);
        if (result.IsOK() && written == size)
            return true;
        KeepFrame(frame, size);
        lastSendCode = result.GetCode();
        lastSendWritten = written;
        return false;
    }

    // Waits for count bytes, then reads them; received gets how many came.
    SdkResult ReadBytes(uint8_t* into, uint32_t count, uint32_t timeoutMs, uint32_t& received)
    {
        WaitForBytes(count);
        received = 0;
        SdkResult result = port->Read(into, count, &received, Budgeted(timeoutMs));
        received = std::min(received, count);
        return result;
    }

    // Drops a late reply to a request whose sending failed.
    void Drain(uint32_t expected)
    {
        std::vector<uint8_t> dropped(expected);
        uint32_t received = 0;
        ReadBytes(dropped.data(), expected, writeTimeoutMs, received);
        port->FlushRxBuffer();
    }

    // Keeps what came as the last frame and drops anything after it.
    void EndReply(const uint8_t* reply, uint32_t received)
    {
        KeepFrame(reply, received);
        port->FlushRxBuffer();
    }

    int ReceiveReply(bool write, uint8_t length, uint8_t* buffer, uint32_t timeoutMs)
    {
        const uint32_t expected = write ? kAcknowledgementSize : length + kReplyOverhead;
        std::array<uint8_t, kMaxReplySize> reply{};
        // A refusal has four bytes whatever length was asked for: the first
        // four are looked at before waiting for the rest, so that a refused
        // long read does not wait out the whole timeout.
        const uint32_t head = std::min(expected, kAcknowledgementSize);
        uint32_t received = 0;
        SdkResult result = ReadBytes(reply.data(), head, timeoutMs, received);
        const bool refusal = !write && received == kAcknowledgementSize && reply[1] == 0;
        if (received == head && expected > head && !refusal) {
            uint32_t rest = 0;
            result = ReadBytes(reply.data() + head, expected - head, timeoutMs, rest);
            received += rest;
        }
        EndReply(reply.data(), received);
        const int code = ReceiveCode(result, received, expected);
        if (code != kOk && !refusal)
            return code;
        if (reply[0] != kStart)
            return kNoStartByte;
        if (write)
            return reply[1] != 0 ? kLengthError : CheckAcknowledgement(reply.data());
        if (code == kOk && reply[1] == length) {
            if (reply[length + 2] != kEnd)
                return kNoEndByte;
            std::copy_n(reply.begin() + 2, length, buffer);
            return kOk;
        }
        if (reply[1] != 0)
            return kLengthError;
        return ReadRefusalCode(reply[2]);
    }

    int ReceiveAcknowledgement()
    {
        std::array<uint8_t, kAcknowledgementSize> reply{};
        uint32_t received = 0;
        ReadBytes(reply.data(), kAcknowledgementSize, writeTimeoutMs, received);
        EndReply(reply.data(), received);
        if (received != kAcknowledgementSize)
            return kNotReceived;
        if (reply[0] != kStart)
            return kNoStartByte;
        return CheckAcknowledgement(reply.data());
    }

    int AccessRegister(uint8_t command, uint8_t address, uint8_t length, const uint8_t* data, uint8_t* buffer)
    {
        const bool write = (command & kWriteFlag) != 0;
        std::vector<uint8_t> frame{kStart, command, address, length};
        if (write)
            frame.insert(frame.end(), data, data + length);
        else
            frame.push_back(kReadMarker);
        frame.push_back(kEnd);
        const uint32_t expected = write ? kAcknowledgementSize : length + kReplyOverhead;

        int code = kOk;
        StartOperation();
        for (int remaining = attempts - 1;; --remaining) {
            port->FlushRxBuffer();
            if (WriteFrame(frame.data(), static_cast<uint32_t>(frame.size()))) {
                code = ReceiveReply(write, length, buffer, write ? writeTimeoutMs : readTimeoutMs);
                if (code == kOk)
                    return kOk;
                // A refused or garbled reply is not retried.
                Pause();
                break;
            }
            code = kPortSendError;
            Drain(expected);
            Pause();
            if (remaining <= 0 || LeftMs() == 0)
                break;
        }
        Report(code);
        return code;
    }

    int SendPrepared(const uint8_t* frame, uint32_t size)
    {
        int code = kOk;
        StartOperation();
        for (int attempt = 0; attempt < attempts && (attempt == 0 || LeftMs() > 0); ++attempt) {
            if (!WriteFrame(frame, size)) {
                code = kFrameWriteFailed;
                continue;
            }
            code = ReceiveAcknowledgement();
            if (code == kOk)
                return kOk;
        }
        Report(code);
        return code;
    }

    void Report(int code)
    {
        QString text = CodeText(code);
        if (code != kNotReceived) {
            if (code == kPortSendError)
                text += QString::asprintf("\r\n(Code=%d)(WriteSize=%d)", static_cast<int>(lastSendCode),
                                          static_cast<int>(lastSendWritten));
            text += QString::asprintf("\r\n(%d)", static_cast<int>(lastFrameLength));
            for (uint32_t i = 0; i < lastFrameLength; ++i)
                text += QString::asprintf(" %02x", lastFrame[i]);
        }
        Reporter().ReportSerialError(text.toStdString());
    }
};

CRS232C_OM::CRS232C_OM(const std::string& settingsPath) : CRS232C_OM(settingsPath, std::make_unique<SdkSerialPort>()) {}

CRS232C_OM::CRS232C_OM(const std::string& settingsPath, std::unique_ptr<SdkSerialPort> port)
    : impl_(std::make_unique<Impl>())
{
    impl_->port = std::move(port);
    impl_->ReadSettings(settingsPath);
}

CRS232C_OM::~CRS232C_OM()
{
    ClosePort();
}

bool CRS232C_OM::OpenPort(SdkDevice& device, int port)
{
    ClosePort();
    if (port != 0 && port != 1)
        return false;
    return impl_->port->Open(device, port).IsOK();
}

void CRS232C_OM::ClosePort()
{
    if (impl_->port->IsOpen())
        impl_->port->Close();
}

bool CRS232C_OM::IsOpen() const
{
    return impl_->port->IsOpen();
}

int CRS232C_OM::ReadRegister(uint8_t bank, uint8_t address, uint8_t length, uint8_t* buffer)
{
    return impl_->AccessRegister(bank, address, length, nullptr, buffer);
}

int CRS232C_OM::WriteRegister(uint8_t bank, uint8_t address, uint8_t length, const uint8_t* data)
{
    return impl_->AccessRegister(static_cast<uint8_t>(bank | kWriteFlag), address, length, data, nullptr);
}

int CRS232C_OM::SendFrame(uint32_t size, const uint8_t* bytes)
{
    return impl_->SendPrepared(bytes, size);
}

int CRS232C_OM::WriteBlock(const uint8_t* block128)
{
    std::array<uint8_t, kBlockFrameSize> frame{};
    frame[0] = kStart;
    frame[1] = kBlockCommand;
    std::copy_n(block128, kBlockDataSize, frame.begin() + 2);
    frame[kBlockDataSize + 2] = BlockChecksum(block128);
    frame[kBlockDataSize + 3] = kEnd;
    return impl_->SendPrepared(frame.data(), static_cast<uint32_t>(frame.size())) == kOk ? 1 : 0;
}

void CRS232C_OM::SetReporter(SerialErrorReporter* reporter)
{
    impl_->reporter = reporter;
}

void CRS232C_OM::SetProgramReporter(SerialErrorReporter* reporter)
{
    programReporter.store(reporter);
}

void CRS232C_OM::SetSleep(std::function<void(uint32_t ms)> sleep)
{
    if (!sleep) {
        impl_->sleep = RealSleep;
        impl_->now = SteadyMs;
        return;
    }
    // Time passes only as the stand-in sleeps, so that budgets run out after
    // the same waits they would in real time.
    auto slept = std::make_shared<uint64_t>(0);
    impl_->sleep = [slept, sleep = std::move(sleep)](uint32_t ms) {
        *slept += ms;
        sleep(ms);
    };
    impl_->now = [slept] { return *slept; };
}
