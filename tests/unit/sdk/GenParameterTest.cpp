#include "sdk/SdkDevice.h"
#include "sdk/SdkGenParameter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FlagParameter final : public SdkGenBoolean {
public:
    FlagParameter(std::string name, SdkVisibility visibility) : SdkGenBoolean(std::move(name), visibility) {}
    SdkResult GetValue(bool& value) const override
    {
        value = value_;
        return SdkResult::OK;
    }
    SdkResult SetValue(bool value) override
    {
        value_ = value;
        NotifySinks();
        return SdkResult::OK;
    }

private:
    bool value_ = false;
};

class RecordingSink : public SdkGenEventSink {
public:
    void OnParameterUpdate(SdkGenParameter* parameter) override { updates.push_back(parameter); }
    std::vector<SdkGenParameter*> updates;
};

// Unregisters itself from the parameter while being notified.
class OneShotSink : public RecordingSink {
public:
    void OnParameterUpdate(SdkGenParameter* parameter) override
    {
        RecordingSink::OnParameterUpdate(parameter);
        parameter->UnregisterEventSink(this);
    }
};

void AddFlags(SdkGenParameterArray& array, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        array.Add(std::make_unique<FlagParameter>(name, SDK_VISIBILITY_BEGINNER));
}

} // namespace

TEST(SdkGenParameterArray, LooksUpByNameAndByIndexInInsertionOrder)
{
    SdkGenParameterArray array;
    AddFlags(array, {"Width", "Height", "Gain"});
    ASSERT_EQ(array.GetCount(), 3u);
    EXPECT_EQ(array.Get(0u)->GetName(), "Width");
    EXPECT_EQ(array.Get(2u)->GetName(), "Gain");
    EXPECT_EQ(array.Get(3u), nullptr);
    EXPECT_EQ(array.Get("Height"), array.Get(1u));
    EXPECT_EQ(array.Get("height"), nullptr);
    EXPECT_EQ(array.Get("Missing"), nullptr);
}

TEST(SdkGenParameterArray, DropsASecondParameterOfTheSameNameAndClears)
{
    SdkGenParameterArray array;
    AddFlags(array, {"Width", "Width", "Height"});
    EXPECT_EQ(array.GetCount(), 2u);
    EXPECT_EQ(array.Get(1u)->GetName(), "Height");
    array.Add(nullptr);
    EXPECT_EQ(array.GetCount(), 2u);
    array.Clear();
    EXPECT_EQ(array.GetCount(), 0u);
    EXPECT_EQ(array.Get("Width"), nullptr);
}

TEST(SdkGenParameter, IsVisibleAtItsOwnLevelAndAbove)
{
    const SdkVisibility levels[] = {SDK_VISIBILITY_BEGINNER, SDK_VISIBILITY_EXPERT, SDK_VISIBILITY_GURU};
    for (SdkVisibility own : levels) {
        FlagParameter parameter("P", own);
        EXPECT_EQ(parameter.GetVisibility(), own);
        for (SdkVisibility level : levels)
            EXPECT_EQ(parameter.IsVisible(level), own <= level) << own << " at " << level;
    }
    FlagParameter hidden("Hidden", SDK_VISIBILITY_INVISIBLE);
    for (SdkVisibility level : levels)
        EXPECT_FALSE(hidden.IsVisible(level));
    EXPECT_FALSE(hidden.IsVisible(SDK_VISIBILITY_INVISIBLE));
}

TEST(SdkGenParameter, NotifiesEachRegisteredSinkOncePerChange)
{
    FlagParameter parameter("Flag", SDK_VISIBILITY_BEGINNER);
    RecordingSink first;
    RecordingSink second;
    EXPECT_TRUE(parameter.RegisterEventSink(&first).IsOK());
    EXPECT_TRUE(parameter.RegisterEventSink(&first).IsOK());
    EXPECT_TRUE(parameter.RegisterEventSink(&second).IsOK());
    EXPECT_EQ(parameter.RegisterEventSink(nullptr).GetCode(), SdkResult::INVALID_PARAMETER);

    parameter.SetValue(true);
    ASSERT_EQ(first.updates.size(), 1u);
    EXPECT_EQ(first.updates[0], &parameter);
    EXPECT_EQ(second.updates.size(), 1u);

    EXPECT_TRUE(parameter.UnregisterEventSink(&first).IsOK());
    EXPECT_EQ(parameter.UnregisterEventSink(&first).GetCode(), SdkResult::NOT_FOUND);
    parameter.SetValue(false);
    EXPECT_EQ(first.updates.size(), 1u);
    EXPECT_EQ(second.updates.size(), 2u);
}

TEST(SdkGenParameter, ASinkMayUnregisterItselfWhileNotified)
{
    FlagParameter parameter("Flag", SDK_VISIBILITY_BEGINNER);
    OneShotSink once;
    RecordingSink always;
    parameter.RegisterEventSink(&once);
    parameter.RegisterEventSink(&always);
    parameter.SetValue(true);
    parameter.SetValue(false);
    EXPECT_EQ(once.updates.size(), 1u);
    EXPECT_EQ(always.updates.size(), 2u);
}

TEST(SdkDeviceLink, AnUnconnectedDeviceHasTheLinkParametersAndNoFeatures)
{
    SdkDevice device;
    EXPECT_FALSE(device.IsConnected());
    EXPECT_EQ(device.GetGenParameters()->GetCount(), 0u);

    SdkGenParameterArray& link = *device.GetGenLink();
    EXPECT_EQ(link.GetCount(), 5u);
    for (const char* name : {"LinkRecoveryEnabled", "StreamRecoveryEnabled", "AutoNegotiation"}) {
        ASSERT_NE(link.Get(name), nullptr) << name;
        EXPECT_EQ(link.Get(name)->GetType(), SDK_GEN_BOOLEAN) << name;
    }
    bool autoNegotiation = false;
    dynamic_cast<SdkGenBoolean*>(link.Get("AutoNegotiation"))->GetValue(autoNegotiation);
    EXPECT_TRUE(autoNegotiation);

    auto* address = dynamic_cast<SdkGenString*>(link.Get("IPAddress"));
    ASSERT_NE(address, nullptr);
    std::string text = "unset";
    EXPECT_TRUE(address->GetValue(text).IsOK());
    EXPECT_EQ(text, "");
    EXPECT_FALSE(address->IsWritable());
    EXPECT_EQ(address->SetValue("10.0.0.1").GetCode(), SdkResult::NOT_SUPPORTED);
}

TEST(SdkDeviceLink, DefaultPacketSizeRefusesSizesOutsideItsRangeWithoutNotifying)
{
    SdkDevice device;
    auto* size = dynamic_cast<SdkGenInteger*>(device.GetGenLink()->Get("DefaultPacketSize"));
    ASSERT_NE(size, nullptr);
    int64_t min = 0;
    int64_t max = 0;
    int64_t increment = 0;
    int64_t value = 0;
    ASSERT_TRUE(size->GetMin(min).IsOK());
    ASSERT_TRUE(size->GetMax(max).IsOK());
    ASSERT_TRUE(size->GetIncrement(increment).IsOK());
    ASSERT_TRUE(size->GetValue(value).IsOK());
    EXPECT_EQ(min, 576);
    EXPECT_EQ(max, 65024);
    EXPECT_EQ(increment, 1);
    EXPECT_GE(value, min);
    EXPECT_LE(value, max);

    RecordingSink sink;
    size->RegisterEventSink(&sink);
    EXPECT_EQ(size->SetValue(max + 1).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(size->SetValue(min - 1).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_TRUE(sink.updates.empty());
    EXPECT_TRUE(size->SetValue(1501).IsOK());
    size->GetValue(value);
    EXPECT_EQ(value, 1501);
    EXPECT_EQ(sink.updates.size(), 1u);
    size->UnregisterEventSink(&sink);
}

TEST(SdkDevice, OperationsOnAnUnconnectedDeviceReportNotConnected)
{
    SdkDevice device;
    uint32_t word = 0;
    uint8_t bytes[4] = {};
    EXPECT_EQ(device.ReadRegister(0, word).GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.ReadMemory(0, bytes, 4).GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.WriteMemory(0, bytes, 4).GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.NegotiatePacketSize().GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.SetStreamDestination("127.0.0.1", 5000).GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.Disconnect().GetCode(), SdkResult::NOT_CONNECTED);
    EXPECT_EQ(device.Connect(SdkDiscoveryRecord{}).GetCode(), SdkResult::INVALID_PARAMETER);
}
