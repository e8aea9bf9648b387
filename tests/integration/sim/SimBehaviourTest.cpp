// What the simulated camera does when its features are written: triggers,
// the logic block, one-push white balance, user sets, frame-counted modes.
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr auto kFrameTimeout = 1000ms;
constexpr auto kQuiet = 300ms;

class SimBehaviourTest : public SimCameraTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Connect(TestOptions())); }

    int CountFrames(std::chrono::milliseconds during)
    {
        int frames = 0;
        const auto end = std::chrono::steady_clock::now() + during;
        while (std::chrono::steady_clock::now() < end) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() > 0 && Client().NextFrame(left))
                ++frames;
        }
        return frames;
    }

    // The camera clears a command's register once it has carried it out; the
    // register is write-only as a feature, so its memory is read.
    bool CommandDone(const std::string& command)
    {
        ArvGcNode* node = Client().Node((command + "Reg").c_str());
        if (!ARV_IS_GC_REGISTER(node))
            return false;
        GError* error = nullptr;
        const guint64 address = arv_gc_register_get_address(ARV_GC_REGISTER(node), &error);
        if (error != nullptr) {
            g_clear_error(&error);
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + kFrameTimeout;
        uint32_t value = 1;
        while (!Client().ReadMemory(static_cast<uint32_t>(address), &value, sizeof value) || value != 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }
};

} // namespace

TEST_F(SimBehaviourTest, TriggeredAcquisitionSendsFramesOnlyWhenTriggered)
{
    CameraClient& c = Client();
    ASSERT_TRUE(c.SetEnumeration("TriggerMode", "On"));
    ASSERT_TRUE(c.SetEnumeration("TriggerSource", "Software"));
    ASSERT_TRUE(c.SetEnumeration("TriggerSoftwareSource", "Command"));
    ASSERT_TRUE(c.StartStream()) << c.LastError();
    EXPECT_FALSE(c.NextFrame(kQuiet)) << "a frame came without a trigger";
    ASSERT_TRUE(c.Execute("TriggerSoftware"));
    EXPECT_TRUE(c.NextFrame(kFrameTimeout));
    EXPECT_FALSE(c.NextFrame(kQuiet)) << "one trigger gave two frames";

    // A hardware line source never fires here.
    ASSERT_TRUE(c.SetEnumeration("TriggerSource", "Line0"));
    ASSERT_TRUE(c.Execute("TriggerSoftware"));
    EXPECT_FALSE(c.NextFrame(kQuiet));
}

TEST_F(SimBehaviourTest, LogicBlockPulsesAndTimerTriggerFrames)
{
    CameraClient& c = Client();
    ASSERT_TRUE(c.SetEnumeration("TriggerMode", "On"));
    ASSERT_TRUE(c.SetEnumeration("TriggerSource", "Software"));
    ASSERT_TRUE(c.SetEnumeration("TriggerSoftwareSource", "PLC"));
    // One shot: PLC_ctrl0 -> PLC_I5 -> Q9; continuous: Timer1Out -> PLC_I7 -> Q4.
    ASSERT_TRUE(c.SetEnumeration("PLC_Q9_Variable0", "PLC_I5"));
    ASSERT_TRUE(c.SetEnumeration("PLC_Q4_Variable0", "PLC_I7"));
    ASSERT_TRUE(c.SetEnumeration("PLC_I5", "PLC_ctrl0"));
    ASSERT_TRUE(c.SetEnumeration("PLC_I7", "Timer1Out"));
    ASSERT_TRUE(c.StartStream()) << c.LastError();
    EXPECT_FALSE(c.NextFrame(kQuiet));

    // The pulse lasts until its frame has come.
    ASSERT_TRUE(c.SetBoolean("PLC_ctrl0", true));
    EXPECT_TRUE(c.NextFrame(kFrameTimeout));
    ASSERT_TRUE(c.SetBoolean("PLC_ctrl0", false));
    EXPECT_FALSE(c.NextFrame(kQuiet)) << "one pulse gave two frames";

    // 30 us ticks: 100 + 232 + 1 ticks make a 10 ms period.
    ASSERT_TRUE(c.SetInteger("TLParamsLocked", 0));
    ASSERT_TRUE(c.SetInteger("TimerDurationRaw", 100));
    ASSERT_TRUE(c.SetInteger("TimerDelayRaw", 232));
    ASSERT_TRUE(c.SetEnumeration("TimerTriggerSource", "Continuous"));
    const int frames = CountFrames(500ms);
    EXPECT_GE(frames, 25);
    EXPECT_LE(frames, 60);
    ASSERT_TRUE(c.SetEnumeration("TimerTriggerSource", "Off"));
    CountFrames(50ms);
    EXPECT_FALSE(c.NextFrame(kQuiet));
}

TEST_F(SimBehaviourTest, PushToSetWhiteBalanceBalancesAndReturnsToOff)
{
    CameraClient& c = Client();
    ASSERT_TRUE(c.SetEnumeration("BalanceWhiteAuto", "PushToSet"));
    // The balance takes its time: still running after 300 ms.
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(*c.Enumeration("BalanceWhiteAuto"), "PushToSet") << "finished too early";
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (*c.Enumeration("BalanceWhiteAuto") != "Off" && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(50ms);
    EXPECT_EQ(*c.Enumeration("BalanceWhiteAuto"), "Off");
    EXPECT_LT(*c.Integer("BalanceRatio_R_Once"), 128);
    EXPECT_GT(*c.Integer("BalanceRatio_B_Once"), 128);

    // The balanced white bar is grey: R, G and B agree.
    ASSERT_TRUE(c.SetEnumeration("PixelFormat", "RGB8Packed"));
    ASSERT_TRUE(c.StartStream()) << c.LastError();
    const std::optional<Frame> frame = c.NextFrame(kFrameTimeout);
    ASSERT_TRUE(frame);
    const size_t at = 3 * (25 * 320 + 10);
    EXPECT_NEAR(frame->data[at], frame->data[at + 1], 2);
    EXPECT_NEAR(frame->data[at + 2], frame->data[at + 1], 2);
}

TEST_F(SimBehaviourTest, UserSetsSaveAndLoadTheSettings)
{
    CameraClient& c = Client();
    ASSERT_TRUE(c.SetInteger("GainRaw", 77));
    ASSERT_TRUE(c.SetInteger("Width", 160));
    ASSERT_TRUE(c.SetFloat("AcquisitionFrameRate", 40.0));
    ASSERT_TRUE(c.SetEnumeration("UserSetSelector", "UserSet2"));
    ASSERT_TRUE(c.Execute("UserSetSave"));
    ASSERT_TRUE(CommandDone("UserSetSave"));

    ASSERT_TRUE(c.SetInteger("GainRaw", 5));
    ASSERT_TRUE(c.SetInteger("Width", 320));
    ASSERT_TRUE(c.SetFloat("AcquisitionFrameRate", 10.0));
    ASSERT_TRUE(c.Execute("UserSetLoad"));
    ASSERT_TRUE(CommandDone("UserSetLoad"));
    EXPECT_EQ(*c.Integer("GainRaw"), 77);
    EXPECT_EQ(*c.Integer("Width"), 160);
    EXPECT_NEAR(*c.Float("AcquisitionFrameRate"), 40.0, 0.01);

    // The default set keeps the factory settings and cannot be overwritten.
    ASSERT_TRUE(c.SetEnumeration("UserSetSelector", "Default"));
    ASSERT_TRUE(c.Execute("UserSetSave"));
    ASSERT_TRUE(CommandDone("UserSetSave"));
    ASSERT_TRUE(c.Execute("UserSetLoad"));
    ASSERT_TRUE(CommandDone("UserSetLoad"));
    EXPECT_EQ(*c.Integer("GainRaw"), 0);
    EXPECT_EQ(*c.Integer("Width"), 320);
}

TEST_F(SimBehaviourTest, SingleAndMultiFrameAcquisitionsStopByThemselves)
{
    CameraClient& c = Client();
    ASSERT_TRUE(c.SetEnumeration("AcquisitionMode", "SingleFrame"));
    ASSERT_TRUE(c.StartStream()) << c.LastError();
    EXPECT_EQ(CountFrames(400ms), 1);
    c.StopStream();

    ASSERT_TRUE(c.SetEnumeration("AcquisitionMode", "MultiFrame"));
    ASSERT_TRUE(c.SetInteger("AcquisitionFrameCount", 3));
    // The simulated camera's poll, every few milliseconds, starts the count
    // afresh once it sees the stop; nothing tells the client when.
    std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(c.StartStream()) << c.LastError();
    EXPECT_EQ(CountFrames(400ms), 3);
}
