#include "ControlTestCamera.h"

#include "camera/CRS232C_OM.h"
#include "controls/SettingsPage.h"

namespace {

SdkResult Outcome(bool ok)
{
    return SdkResult(ok ? SdkResult::OK : SdkResult::GENERIC_ERROR);
}

} // namespace

TestEnum::TestEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, int64_t value,
                   SdkVisibility visibility)
    : SdkGenEnum(name, visibility),
      entries(std::move(entries)),
      value(value)
{
}

SdkResult TestEnum::GetValue(int64_t& out) const
{
    ++reads;
    if (failRead)
        return Outcome(false);
    if (readsUntilZero > 0 && --readsUntilZero == 0)
        value = 0;
    out = value;
    return Outcome(true);
}

std::string TestEnum::Name() const
{
    for (const SdkGenEnumEntry& entry : entries) {
        if (entry.GetValue() == value)
            return entry.GetName();
    }
    return {};
}

SdkResult TestEnum::GetValue(std::string& out) const
{
    ++reads;
    if (failRead)
        return Outcome(false);
    out = Name();
    return Outcome(!out.empty());
}

SdkResult TestEnum::SetValue(int64_t in)
{
    for (const SdkGenEnumEntry& entry : entries) {
        if (entry.GetValue() == in && !failWrite) {
            value = in;
            writes.push_back(in);
            return Outcome(true);
        }
    }
    return Outcome(false);
}

SdkResult TestEnum::SetValue(const std::string& in)
{
    for (const SdkGenEnumEntry& entry : entries) {
        if (entry.GetName() == in)
            return SetValue(entry.GetValue());
    }
    return Outcome(false);
}

SdkResult TestEnum::GetEntriesCount(uint32_t& count) const
{
    count = static_cast<uint32_t>(entries.size());
    return Outcome(true);
}

SdkResult TestEnum::GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const
{
    if (index >= entries.size())
        return Outcome(false);
    entry = entries[index];
    return Outcome(true);
}

TestBoolean::TestBoolean(const std::string& name, bool value, SdkVisibility visibility)
    : SdkGenBoolean(name, visibility),
      value(value)
{
}

SdkResult TestBoolean::GetValue(bool& out) const
{
    out = value;
    return Outcome(true);
}

SdkResult TestBoolean::SetValue(bool in)
{
    value = in;
    writes.push_back(in);
    return Outcome(true);
}

std::vector<SdkGenEnumEntry> Entries(std::initializer_list<const char*> names)
{
    std::vector<SdkGenEnumEntry> entries;
    for (const char* name : names)
        entries.emplace_back(name, static_cast<int64_t>(entries.size()), true);
    return entries;
}

bool TestHost::StopPreview()
{
    calls.push_back("stop");
    const bool stopped = previewing;
    previewing = false;
    return stopped;
}

void TestHost::StartPreview()
{
    calls.push_back("start");
    previewing = true;
}

TestCamera::TestCamera()
{
    auto device = std::make_unique<FakeDevice>();
    device_ = device.get();
    camera_ = std::make_unique<CameraConnection>(std::move(device), std::make_unique<FakePipeline>(),
                                                 std::make_unique<CRS232C_OM>(dir_.file("serial.ini")));
    camera_->Acquisition().CreateOverlayRegistry();
    host_.camera = camera_.get();
}

TestCamera::~TestCamera() = default;

FakeInteger* TestCamera::AddInt(const std::string& name, int64_t value, int64_t min, int64_t max, int64_t increment)
{
    return AddFake<FakeInteger>(Features(), name, value, min, max, increment);
}

TestEnum* TestCamera::AddEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, int64_t value,
                              SdkVisibility visibility)
{
    return AddFake<TestEnum>(Features(), name, std::move(entries), value, visibility);
}

TestBoolean* TestCamera::AddBool(const std::string& name, bool value)
{
    return AddFake<TestBoolean>(Features(), name, value);
}

FakeFloat* TestCamera::AddFloat(const std::string& name, double value, double min, double max)
{
    return AddFake<FakeFloat>(Features(), name, value, min, max);
}

FakeCommand* TestCamera::AddCommand(const std::string& name)
{
    return AddFake<FakeCommand>(Features(), name);
}

void TestCamera::AddGainShutterFeatures(SdkVisibility lensVisibility)
{
    AddEnum("GainAuto", Entries({"Off", "Continuous"}));
    AddEnum("ExposureAuto", Entries({"Off", "Continuous"}));
    AddEnum("ExposureMode", Entries({"Off", "Timed", "TriggerWidth"}), 1);
    AddEnum("ALCIrisLens", Entries({"Off", "On"}), 0, lensVisibility);
    AddEnum("LensManualAdjustment", Entries({"Hold", "Open", "Close"}), 0, lensVisibility);
    AddEnum("PriorityMode", Entries({"IrisPriority", "ShutterPriority"}));
    AddInt("GainRaw", 0, 0, 255);
    AddInt("ExposureTimeRaw", 10000, 0, 1000000);
    AddInt("AGCRange", 128, 0, 255);
    AddInt("Min_ShutterTime", 100, 10, 1000000);
    AddInt("Max_ShutterTime", 33333, 10, 1000000);
    AddInt("TargetBrightness", 128, 0, 255);
    AddInt("ALC_Peak_Average", 0, 0, 255);
    AddInt("DigitalGain", 0, 0, 255);
    AddInt("BlackLevelRaw", 0, 0, 255);
    for (int cell = 1; cell <= 9; ++cell)
        AddInt("ALCWeight" + std::to_string(cell), cell == 5 ? 8 : 4, 0, 15);
    for (int border = 1; border <= 4; ++border) {
        AddInt("ALCWindowH" + std::to_string(border), 1280 * border / 5, 0, 1279);
        AddInt("ALCWindowV" + std::to_string(border), 960 * border / 5, 0, 959);
    }
}

void TestCamera::AddWhiteBalanceFeatures()
{
    AddInt("DeviceColorFlg", 1, 0, 1);
    AddEnum("BalanceWhiteAuto", Entries({"Off", "Preset1", "Preset2", "Preset3", "ATW", "PushToSet"}));
    int64_t gain = 100;
    for (const char* set : {"_Once", "_Preset1", "_Preset2", "_Preset3"}) {
        for (const char* colour : {"R", "Gr", "Gb", "B"})
            AddInt(std::string("BalanceRatio_") + colour + set, gain++, 0, 255);
    }
    AddInt("YThreshold", 100, 0, 1023);
    AddEnum("WB_WindowMode", Entries({"Off", "On"}), 0, SDK_VISIBILITY_EXPERT);
    AddInt("WB_WindowH1", 320, 0, 1279);
    AddInt("WB_WindowH2", 960, 0, 1279);
    AddInt("WB_WindowV1", 240, 0, 959);
    AddInt("WB_WindowV2", 720, 0, 959);
}

void TestCamera::AddTriggerFeatures()
{
    AddEnum("TriggerMode", Entries({"Off", "On"}));
    AddEnum("TriggerSource", Entries({"Line0", "Software"}), 1);
    AddEnum("TriggerSoftwareSource", {{"PLC", 0, true}, {"Command", 2, true}}, 0);
    AddCommand("TriggerSoftware");
    AddEnum("TriggerActivation", Entries({"RisingEdge", "FallingEdge"}));
    AddFloat("TriggerDelay", 0.0, 0.0, 1000000.0);
    AddEnum("TriggerOverlap", Entries({"Off", "ReadOut"}), 0, SDK_VISIBILITY_EXPERT);
    AddEnum("TriggerHorizontalReset", Entries({"Off", "On"}), 0, SDK_VISIBILITY_EXPERT);
    if (!Features().Get("ExposureMode"))
        AddEnum("ExposureMode", Entries({"Off", "Timed", "TriggerWidth"}), 1);
    if (!Features().Get("ExposureTimeRaw"))
        AddInt("ExposureTimeRaw", 10000, 0, 1000000);
    AddInt("TLParamsLocked", 0, 0, 1);
    AddEnum("TimerSelector", Entries({"Timer1"}), 0, SDK_VISIBILITY_EXPERT);
    AddInt("TimerGranularityFactor", 999, 1, 1023);
    AddInt("TimerDurationRaw", 1, 1, 65535);
    AddInt("TimerDelayRaw", 1, 0, 65535);
    AddEnum("TimerTriggerSource", Entries({"Off", "Continuous"}), 0, SDK_VISIBILITY_EXPERT);
    std::vector<SdkGenEnumEntry> variables = Entries({"Zero", "One"});
    for (int input = 0; input < 8; ++input) {
        AddEnum("PLC_I" + std::to_string(input), Entries({"Zero", "Line0", "PLC_ctrl0", "PLC_ctrl1", "Timer1Out"}), 0,
                SDK_VISIBILITY_GURU);
        variables.emplace_back("PLC_I" + std::to_string(input), 2 + input, true);
    }
    for (int output : {4, 9}) {
        const std::string prefix = "PLC_Q" + std::to_string(output) + "_";
        for (int v = 0; v < 4; ++v) {
            AddEnum(prefix + "Variable" + std::to_string(v), variables, 1, SDK_VISIBILITY_GURU);
            if (v < 3)
                AddEnum(prefix + "Operator" + std::to_string(v), Entries({"Or", "And", "Xor"}), 2, SDK_VISIBILITY_GURU);
        }
    }
    AddBool("PLC_ctrl0", false);
    AddBool("PLC_ctrl1", false);
}

void OpenPage(SettingsPage& page, TestCamera& camera)
{
    page.SetHost(&camera.Host());
    page.InitControls();
    page.RefreshFromCamera();
}
