#pragma once

#include "SimAddresses.h"
#include "SimFeatureTable.h"
#include "SimMemory.h"
#include "SimPattern.h"
#include "SimTableUpload.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

// What the simulated camera does when its registers are written. Aravis's
// fake camera has no write hook, so the camera's poll thread calls Poll about
// once a millisecond and acts on what changed:
// - UserSetSave / UserSetLoad store and restore every setting of the user
//   set chosen by UserSetSelector (set 0 holds the factory settings and
//   cannot be overwritten);
// - BalanceWhiteAuto 5 (push to set) finds the neutral one-push gains about a
//   second later and returns to 0;
// - the logic block: PLC_ctrl0/1 and the pulses of Timer1 (running while
//   TimerTriggerSource is 1) feed inputs PLC_I0-7, outputs PLC_Q4 and PLC_Q9
//   combine them; a rising output fires a frame when the camera waits for a
//   software trigger from the logic block (TriggerMode On, TriggerSource
//   Software, TriggerSoftwareSource PLC);
// - SingleFrame and MultiFrame acquisitions stop after 1 and
//   AcquisitionFrameCount frames;
// - ReloadGammaData copies the non-volatile gamma tables into the active ones.
class SimBehaviour {
public:
    static constexpr int kGammaChannels = 4; // red, green, blue, mono
    static constexpr int kGammaRegister = 0;
    static constexpr int kGammaEeprom = 1;

    SimBehaviour(SimMemory& memory, const SimAddresses& addresses, const SimFeatureTable& table);

    void Poll(std::chrono::steady_clock::time_point now);
    // Called on the camera's thread after each frame was filled.
    void OnFrameSent();

    // The active gamma tables while GammaMode is on, else null.
    std::shared_ptr<const std::array<SimGammaTable, kGammaChannels>> ActiveGamma() const;
    // Takes a finished gamma table upload (8192 bytes, entries little-endian)
    // into the register or EEPROM tables; other uploads are ignored.
    void StoreUpload(const SimTableUpload& upload);
    // Target kGammaRegister or kGammaEeprom, channel 0 to 3.
    SimGammaTable GammaTable(int target, int channel) const;

private:
    struct SettingRange {
        uint32_t address;
        uint32_t length;
    };
    using Settings = std::vector<uint8_t>;
    using GammaSet = std::array<SimGammaTable, kGammaChannels>;

    uint32_t Value(uint32_t address) const;
    Settings SaveSettings() const;
    void LoadSettings(const Settings& settings);
    void PollCommands();
    void PollWhiteBalance(std::chrono::steady_clock::time_point now);
    void PollAcquisition();
    void PollLogicBlock(std::chrono::steady_clock::time_point now);
    bool PlcOutput(const SimAddresses::PlcOutput& output,
                   const std::array<bool, SimAddresses::kPlcInputs>& inputs) const;

    SimMemory& memory_;
    const SimAddresses& a_;
    std::vector<SettingRange> settingRanges_;
    std::vector<Settings> userSets_;

    bool pushRunning_ = false;
    std::chrono::steady_clock::time_point pushStart_;

    std::atomic<uint64_t> framesInAcquisition_{0};

    bool timerRunning_ = false;
    std::chrono::steady_clock::time_point timerStart_;
    std::chrono::steady_clock::time_point lastPoll_;
    bool plcOutputHigh_ = false;

    mutable std::mutex gammaMutex_;
    std::shared_ptr<const GammaSet> registerGamma_;
    std::shared_ptr<const GammaSet> eepromGamma_;
};
