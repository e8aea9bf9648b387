#include "SimBehaviour.h"

#include "SimFrameReader.h"

#include <arv.h>

#include <cmath>

namespace {

constexpr int kUserSets = 4;
constexpr uint32_t kPushToSet = 5;
constexpr auto kPushToSetDuration = std::chrono::milliseconds(1000);
constexpr uint32_t kSingleFrame = 1;
constexpr uint32_t kMultiFrame = 2;
constexpr uint32_t kTriggerOn = 1;
constexpr uint32_t kTriggerSourceSoftware = 1;
constexpr uint32_t kSoftwareSourcePlc = 0;
constexpr uint32_t kTimerContinuous = 1;
// A timer tick lasts (TimerGranularityFactor + 1) x 30 ns: 30 us at 999.
constexpr double kTickNanosecondsPerGranularity = 30.0;
constexpr double kDefaultGamma = 0.45;
constexpr double kGammaFullScale = 4095.0;

// Input sources of PLC_I0-7 and variables of the outputs (their entry values).
constexpr uint32_t kInputPlcCtrl0 = 2;
constexpr uint32_t kInputPlcCtrl1 = 3;
constexpr uint32_t kInputTimer1Out = 4;
constexpr uint32_t kVariableOne = 1;
constexpr uint32_t kVariableFirstInput = 2;
constexpr uint32_t kOperatorAnd = 1;
constexpr uint32_t kOperatorXor = 2;

SimGammaTable PowerTable(double exponent)
{
    SimGammaTable table{};
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<uint16_t>(std::lround(std::pow(i / kGammaFullScale, exponent) * kGammaFullScale));
    return table;
}

} // namespace

SimBehaviour::SimBehaviour(SimMemory& memory, const SimAddresses& addresses, const SimFeatureTable& table)
    : memory_(memory),
      a_(addresses)
{
    for (const SimFeature& f : table.Features()) {
        if (f.inUserSet && f.address != 0 && !f.masked)
            settingRanges_.push_back({f.address, f.length});
    }
    // The frame rate is a converter over the fake camera's frame period.
    settingRanges_.push_back({ARV_FAKE_CAMERA_REGISTER_ACQUISITION_FRAME_PERIOD_US, 4});
    userSets_.assign(kUserSets, SaveSettings());

    GammaSet gamma;
    gamma.fill(PowerTable(kDefaultGamma));
    registerGamma_ = std::make_shared<const GammaSet>(gamma);
    eepromGamma_ = registerGamma_;
}

uint32_t SimBehaviour::Value(uint32_t address) const
{
    return memory_.ReadBigEndian32(address);
}

SimBehaviour::Settings SimBehaviour::SaveSettings() const
{
    Settings settings;
    for (const SettingRange& range : settingRanges_) {
        const size_t at = settings.size();
        settings.resize(at + range.length);
        memory_.Read(range.address, settings.data() + at, range.length);
    }
    return settings;
}

void SimBehaviour::LoadSettings(const Settings& settings)
{
    size_t at = 0;
    for (const SettingRange& range : settingRanges_) {
        memory_.Write(range.address, settings.data() + at, range.length);
        at += range.length;
    }
}

void SimBehaviour::Poll(std::chrono::steady_clock::time_point now)
{
    PollCommands();
    PollWhiteBalance(now);
    PollAcquisition();
    PollLogicBlock(now);
    lastPoll_ = now;
}

void SimBehaviour::PollCommands()
{
    const uint32_t selected = Value(a_.userSetSelector);
    if (Value(a_.userSetSave) != 0) {
        memory_.WriteBigEndian32(a_.userSetSave, 0);
        if (selected > 0 && selected < kUserSets)
            userSets_[selected] = SaveSettings();
    }
    if (Value(a_.userSetLoad) != 0) {
        memory_.WriteBigEndian32(a_.userSetLoad, 0);
        if (selected < kUserSets)
            LoadSettings(userSets_[selected]);
    }
    if (Value(a_.reloadGammaData) != 0) {
        memory_.WriteBigEndian32(a_.reloadGammaData, 0);
        std::lock_guard lock(gammaMutex_);
        registerGamma_ = eepromGamma_;
    }
}

void SimBehaviour::PollWhiteBalance(std::chrono::steady_clock::time_point now)
{
    if (Value(a_.balanceWhiteAuto) != kPushToSet) {
        pushRunning_ = false;
        return;
    }
    if (!pushRunning_) {
        pushRunning_ = true;
        pushStart_ = now;
        return;
    }
    if (now - pushStart_ < kPushToSetDuration)
        return;
    const std::array<uint32_t, 4> neutral = SimNeutralBalanceRatios();
    constexpr int kOnceSet = 0;
    for (int gain = 0; gain < SimAddresses::kColourGains; ++gain)
        memory_.WriteBigEndian32(a_.balanceRatios[kOnceSet][gain], neutral[gain]);
    memory_.WriteBigEndian32(a_.balanceWhiteAuto, 0);
    pushRunning_ = false;
}

void SimBehaviour::OnFrameSent()
{
    const uint64_t frames = ++framesInAcquisition_;
    const uint32_t mode = Value(a_.acquisitionMode);
    const uint64_t limit = mode == kSingleFrame ? 1 : mode == kMultiFrame ? Value(a_.acquisitionFrameCount) : 0;
    if (limit > 0 && frames >= limit)
        memory_.WriteBigEndian32(a_.acquisitionStart, 0);
}

void SimBehaviour::PollAcquisition()
{
    // A stopped acquisition starts its count afresh.
    if (Value(a_.acquisitionStart) == 0)
        framesInAcquisition_ = 0;
}

bool SimBehaviour::PlcOutput(const SimAddresses::PlcOutput& output,
                             const std::array<bool, SimAddresses::kPlcInputs>& inputs) const
{
    auto variable = [&](int index) {
        const uint32_t v = Value(output.variables[index]);
        if (v == kVariableOne)
            return true;
        if (v >= kVariableFirstInput && v < kVariableFirstInput + SimAddresses::kPlcInputs)
            return inputs[v - kVariableFirstInput];
        return false;
    };
    bool result = variable(0);
    for (int i = 0; i < SimAddresses::kPlcOperators; ++i) {
        const bool next = variable(i + 1);
        const uint32_t op = Value(output.operators[i]);
        result = op == kOperatorAnd ? (result && next) : op == kOperatorXor ? (result != next) : (result || next);
    }
    return result;
}

void SimBehaviour::PollLogicBlock(std::chrono::steady_clock::time_point now)
{
    // Timer 1 fires a pulse every delay + duration + 1 ticks while it runs;
    // the logic block sees whether a pulse began since the last poll.
    bool timerPulse = false;
    const bool timerOn = Value(a_.timerTriggerSource) == kTimerContinuous;
    if (timerOn && !timerRunning_)
        timerStart_ = now;
    timerRunning_ = timerOn;
    if (timerOn) {
        const double tickNs = (Value(a_.timerGranularity) + 1.0) * kTickNanosecondsPerGranularity;
        const double periodNs = tickNs * (Value(a_.timerDelay) + Value(a_.timerDuration) + 1.0);
        auto pulses = [&](std::chrono::steady_clock::time_point t) {
            const double elapsed = std::chrono::duration<double, std::nano>(t - timerStart_).count();
            return elapsed < 0.0 ? -1.0 : std::floor(elapsed / periodNs);
        };
        timerPulse = pulses(now) > pulses(lastPoll_);
    }

    const std::array<bool, 2> controls = {Value(a_.plcControls[0]) != 0, Value(a_.plcControls[1]) != 0};
    std::array<bool, SimAddresses::kPlcInputs> inputs{};
    for (int i = 0; i < SimAddresses::kPlcInputs; ++i) {
        const uint32_t source = Value(a_.plcInputs[i]);
        inputs[i] = source == kInputPlcCtrl0    ? controls[0]
                    : source == kInputPlcCtrl1  ? controls[1]
                    : source == kInputTimer1Out ? timerPulse
                                                : false;
    }
    const bool high = PlcOutput(a_.plcQ4, inputs) || PlcOutput(a_.plcQ9, inputs);
    const bool fire = high && (!plcOutputHigh_ || timerPulse);
    plcOutputHigh_ = high;

    const bool waitsForPlc = Value(a_.triggerMode) == kTriggerOn && Value(a_.triggerSource) == kTriggerSourceSoftware &&
                             Value(a_.triggerSoftwareSource) == kSoftwareSourcePlc;
    if (fire && waitsForPlc)
        memory_.WriteBigEndian32(a_.triggerSoftware, 1);
}

std::shared_ptr<const std::array<SimGammaTable, SimBehaviour::kGammaChannels>> SimBehaviour::ActiveGamma() const
{
    if (Value(a_.gammaMode) == 0)
        return nullptr;
    std::lock_guard lock(gammaMutex_);
    return registerGamma_;
}

void SimBehaviour::StoreUpload(const SimTableUpload& upload)
{
    constexpr uint8_t kFirstChannel = 0x10;
    constexpr uint8_t kTargetBit = 0x01;
    const int channel = upload.channelByte - kFirstChannel;
    SimGammaTable table{};
    if (channel < 0 || channel >= kGammaChannels || upload.data.size() != 2 * table.size())
        return;
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<uint16_t>(upload.data[2 * i] | (upload.data[2 * i + 1] << 8));
    const int target = (upload.startCommand & kTargetBit) != 0 ? kGammaEeprom : kGammaRegister;

    std::lock_guard lock(gammaMutex_);
    std::shared_ptr<const GammaSet>& set = target == kGammaEeprom ? eepromGamma_ : registerGamma_;
    auto changed = std::make_shared<GammaSet>(*set);
    (*changed)[channel] = table;
    set = std::move(changed);
}

SimGammaTable SimBehaviour::GammaTable(int target, int channel) const
{
    std::lock_guard lock(gammaMutex_);
    const std::shared_ptr<const GammaSet>& set = target == kGammaEeprom ? eepromGamma_ : registerGamma_;
    return (*set)[static_cast<size_t>(channel) % kGammaChannels];
}
