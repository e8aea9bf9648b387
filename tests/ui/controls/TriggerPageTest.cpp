// The trigger page: enabling rules, pulse timing through the camera's timer,
// the logic block and the software triggers.
#include "ControlTestCamera.h"

#include "controls/TriggerPage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// An integer the camera refuses to change while TLParamsLocked is set.
class LockedInteger : public FakeInteger {
public:
    LockedInteger(const std::string& name, int64_t value, int64_t min, int64_t max, const FakeInteger* lock)
        : FakeInteger(name, value, min, max),
          lock_(lock)
    {
    }
    SdkResult SetValue(int64_t value) override
    {
        if (lock_->value != 0)
            return SdkResult(SdkResult::STATE_ERROR);
        return FakeInteger::SetValue(value);
    }

private:
    const FakeInteger* lock_;
};

class TriggerPageTest : public PageTest<TriggerPage> {
protected:
    TriggerPageTest() { camera_.AddTriggerFeatures(); }

    void Set(const char* feature, int64_t value) { camera_.Get<TestEnum>(feature)->value = value; }

    void Type(const char* edit, const char* text)
    {
        Find<QLineEdit>(edit)->setText(text);
        QTest::keyClick(Find<QLineEdit>(edit), Qt::Key_Return);
    }
};

const char* const kRuled[] = {"TriggerMode",
                              "TriggerSource",
                              "TriggerSoftwareSource",
                              "ExposureMode",
                              "ExposureTimeRaw",
                              "PulseWidth",
                              "PulseIntervalEdit",
                              "Continuous",
                              "OneShot",
                              "TriggerSoftware",
                              "TriggerActivation",
                              "TriggerDelay",
                              "TriggerOverlap",
                              "TriggerHorizontalReset"};

struct TriggerCase {
    const char* name;
    int mode;           // 0 Off, 1 On
    int source;         // 0 Line0, 1 Software
    int softwareSource; // 0 PLC, 2 Command
    int exposureMode;   // 1 Timed
    std::array<bool, 14> enabled;
};

// Mode Src  SwSrc ExpM Exp  Width Intv Cont One  Cmd  Pol  Dly  Ovl  HRst
const TriggerCase kCases[] = {
    {"trigger off", 0, 1, 0, 1, {1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"trigger off, not timed", 0, 1, 0, 2, {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"line trigger", 1, 0, 0, 1, {1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1}},
    {"logic block trigger", 1, 1, 0, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1}},
    {"command trigger", 1, 1, 2, 0, {1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1}},
};

} // namespace

TEST_F(TriggerPageTest, EnablingRules)
{
    Open();
    for (const TriggerCase& test : kCases) {
        Set("TriggerMode", test.mode);
        Set("TriggerSource", test.source);
        Set("TriggerSoftwareSource", test.softwareSource);
        Set("ExposureMode", test.exposureMode);
        page_.RefreshFromCamera();
        for (size_t i = 0; i < test.enabled.size(); ++i)
            EXPECT_EQ(Enabled(kRuled[i]), test.enabled[i]) << test.name << ": " << kRuled[i];
    }
}

TEST_F(TriggerPageTest, CombosListTheCamerasEntriesAndChangesApplyTheRules)
{
    Open();
    auto* source = Find<QComboBox>("TriggerSoftwareSource");
    ASSERT_EQ(source->count(), 2);
    EXPECT_EQ(source->itemText(1), "Command");
    EXPECT_EQ(source->itemData(1).toLongLong(), 2);
    EXPECT_FALSE(Enabled("TriggerSource"));
    Choose(Find<QComboBox>("TriggerMode"), 1);
    EXPECT_EQ(camera_.Get<TestEnum>("TriggerMode")->value, 1);
    EXPECT_TRUE(Enabled("TriggerSource"));
    EXPECT_TRUE(Enabled("OneShot"));
    Choose(source, 1);
    EXPECT_EQ(camera_.Get<TestEnum>("TriggerSoftwareSource")->value, 2);
    EXPECT_FALSE(Enabled("OneShot"));
    EXPECT_TRUE(Enabled("TriggerSoftware"));
    Choose(Find<QComboBox>("ExposureMode"), 0);
    EXPECT_FALSE(Enabled("ExposureTimeRaw"));
}

TEST(TriggerPage, CombosOfMissingOrHiddenFeaturesAreHidden)
{
    TestCamera camera;
    camera.AddEnum("TriggerMode", Entries({"Off", "On"}));
    camera.AddEnum("TriggerOverlap", Entries({"Off"}), 0, SDK_VISIBILITY_INVISIBLE);
    TriggerPage page;
    OpenPage(page, camera);
    EXPECT_TRUE(page.findChild<QComboBox*>("TriggerOverlap")->isHidden());
    EXPECT_TRUE(page.findChild<QComboBox*>("TriggerHorizontalReset")->isHidden());
    EXPECT_FALSE(page.findChild<QComboBox*>("TriggerMode")->isHidden());
}

TEST_F(TriggerPageTest, PulseTimingInMicroseconds)
{
    Open();
    // Width 1 and delay 1: a period of 3 ticks of 30 us.
    EXPECT_EQ(Find<QLineEdit>("PulseWidthEdit")->text(), "30");
    EXPECT_EQ(Find<QLineEdit>("PulseIntervalEdit")->text(), "90");
    EXPECT_EQ(page_.Timing().Period(), 3);
    EXPECT_EQ(Find<QSlider>("PulseWidth")->maximum(), 1);
    EXPECT_EQ(Find<QSlider>("PulseInterval")->maximum(), 65535);
    EXPECT_EQ(camera_.Get<FakeInteger>("TimerGranularityFactor")->writes, (std::vector<int64_t>{999}));
}

TEST_F(TriggerPageTest, TypedIntervalKeepsTheWidth)
{
    camera_.Get<FakeInteger>("TimerDurationRaw")->value = 9;
    Set("TriggerMode", 1);
    Open();
    Type("PulseIntervalEdit", "3000");
    EXPECT_EQ(camera_.Get<FakeInteger>("TimerDelayRaw")->value, 90);
    EXPECT_EQ(Find<QLineEdit>("PulseIntervalEdit")->text(), "3000");
    Type("PulseWidthEdit", "599");
    EXPECT_EQ(camera_.Get<FakeInteger>("TimerDurationRaw")->value, 19);
    EXPECT_EQ(Find<QLineEdit>("PulseWidthEdit")->text(), "570");
}

TEST_F(TriggerPageTest, WidthSliderKeepsTheInterval)
{
    camera_.Get<FakeInteger>("TimerDelayRaw")->value = 8;
    Open();
    EXPECT_EQ(Find<QLineEdit>("PulseIntervalEdit")->text(), "300");
    EXPECT_EQ(Find<QSlider>("PulseWidth")->maximum(), 8);
    Find<QSlider>("PulseWidth")->setValue(4);
    EXPECT_EQ(camera_.Get<FakeInteger>("TimerDurationRaw")->value, 4);
    EXPECT_EQ(camera_.Get<FakeInteger>("TimerDelayRaw")->value, 5);
    EXPECT_EQ(Find<QLineEdit>("PulseIntervalEdit")->text(), "300");
    EXPECT_EQ(Find<QLineEdit>("PulseWidthEdit")->text(), "120");
    Find<QSlider>("PulseInterval")->setValue(20);
    EXPECT_EQ(Find<QLineEdit>("PulseIntervalEdit")->text(), "750");

    Find<QLineEdit>("PulseWidthEdit")->setText("9000");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Find<QLineEdit>("PulseWidthEdit"), &leave);
    EXPECT_EQ(Find<QLineEdit>("PulseWidthEdit")->text(), "120");
}

TEST(TriggerPage, TimerWritesReleaseTheStreamingLockAndSetItAgain)
{
    TestCamera camera;
    camera.AddEnum("TriggerMode", Entries({"Off", "On"}), 1);
    camera.AddEnum("TriggerSource", Entries({"Software"}));
    FakeInteger* lock = camera.AddInt("TLParamsLocked", 1, 0, 1);
    auto* duration = AddFake<LockedInteger>(camera.Features(), "TimerDurationRaw", 1, 1, 65535, lock);
    auto* delay = AddFake<LockedInteger>(camera.Features(), "TimerDelayRaw", 1, 0, 65535, lock);
    TriggerPage page;
    OpenPage(page, camera);
    auto* interval = page.findChild<QLineEdit*>("PulseIntervalEdit");
    interval->setText("600");
    QTest::keyClick(interval, Qt::Key_Return);
    EXPECT_EQ(delay->value, 18);
    EXPECT_EQ(duration->value, 1);
    EXPECT_EQ(lock->value, 1);
    EXPECT_EQ(interval->text(), "600");
}

TEST(TriggerPage, CameraWithoutATimerShowsTheDefaultRanges)
{
    TestCamera camera;
    camera.AddEnum("TriggerMode", Entries({"Off", "On"}), 1);
    camera.AddEnum("TriggerSource", Entries({"Software"}));
    TriggerPage page;
    OpenPage(page, camera);
    EXPECT_EQ(page.findChild<QLineEdit*>("PulseWidthEdit")->text(), "30");
    EXPECT_EQ(page.findChild<QLineEdit*>("PulseIntervalEdit")->text(), "90");
    EXPECT_EQ(page.findChild<QSlider*>("PulseInterval")->maximum(), 1);
    // Neither a logic block nor a trigger command: nothing to trigger with.
    auto* oneShot = page.findChild<QPushButton*>("OneShot");
    EXPECT_FALSE(oneShot->isEnabled());
    EXPECT_FALSE(page.findChild<QPushButton*>("TriggerSoftware")->isEnabled());
    // A standard camera's trigger command: one shot executes it (no
    // TriggerSoftwareSource, so both kinds of software trigger count).
    FakeCommand* command = camera.AddCommand("TriggerSoftware");
    page.RefreshFromCamera();
    EXPECT_TRUE(oneShot->isEnabled());
    EXPECT_TRUE(page.findChild<QPushButton*>("TriggerSoftware")->isEnabled());
    oneShot->click();
    EXPECT_EQ(command->executed, 1);
}

TEST_F(TriggerPageTest, OneShotSetsUpTheLogicBlockOnceAndPulsesItsControlInput)
{
    Set("TriggerMode", 1);
    Open();
    Find<QPushButton>("OneShot")->click();
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_Q4_Variable0")->Name(), "PLC_I7");
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_Q9_Variable0")->Name(), "PLC_I5");
    for (const char* output : {"PLC_Q4_", "PLC_Q9_"}) {
        for (const char* variable : {"Variable1", "Variable2", "Variable3"})
            EXPECT_EQ(camera_.Get<TestEnum>(std::string(output) + variable)->Name(), "Zero");
        for (const char* op : {"Operator0", "Operator1", "Operator2"})
            EXPECT_EQ(camera_.Get<TestEnum>(std::string(output) + op)->Name(), "Or");
    }
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_I5")->Name(), "PLC_ctrl0");
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_I7")->Name(), "Timer1Out");
    EXPECT_EQ(camera_.Get<TestBoolean>("PLC_ctrl0")->writes, (std::vector<bool>{true, false}));

    Find<QPushButton>("OneShot")->click();
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_I5")->writes.size(), 1u);
    EXPECT_EQ(camera_.Get<TestBoolean>("PLC_ctrl0")->writes.size(), 4u);

    // Set up again after the page is initialised again.
    page_.InitControls();
    Find<QPushButton>("OneShot")->click();
    EXPECT_EQ(camera_.Get<TestEnum>("PLC_I5")->writes.size(), 2u);
}

TEST_F(TriggerPageTest, OneShotStopsATimerDrivenTrigger)
{
    Set("TriggerMode", 1);
    Set("TimerTriggerSource", 1);
    Open();
    EXPECT_FALSE(Enabled("TriggerMode"));
    Find<QPushButton>("OneShot")->click();
    EXPECT_EQ(camera_.Get<TestEnum>("TimerTriggerSource")->value, 0);
    EXPECT_EQ(page_.TimerTriggerSource(), 0);
    EXPECT_TRUE(Enabled("TriggerMode"));
}

TEST_F(TriggerPageTest, ContinuousTriggerRunsTheTimerUntilStopped)
{
    Set("TriggerMode", 1);
    Open();
    auto* continuous = Find<QPushButton>("Continuous");
    EXPECT_EQ(continuous->text(), "Continuous trigger");
    continuous->click();
    EXPECT_TRUE(page_.IsContinuousRunning());
    EXPECT_EQ(camera_.Get<TestEnum>("TimerTriggerSource")->value, 1);
    EXPECT_EQ(continuous->text(), "Stop");
    for (const char* name : {"TriggerMode", "TriggerSource", "TriggerSoftwareSource", "OneShot", "TriggerSoftware"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_TRUE(Enabled("Continuous"));
    EXPECT_TRUE(Enabled("PulseWidth"));
    // A refresh reads the running timer and keeps the rules.
    page_.RefreshFromCamera();
    EXPECT_FALSE(Enabled("TriggerMode"));

    continuous->click();
    EXPECT_FALSE(page_.IsContinuousRunning());
    EXPECT_EQ(camera_.Get<TestEnum>("TimerTriggerSource")->value, 0);
    EXPECT_EQ(continuous->text(), "Continuous trigger");
    EXPECT_TRUE(Enabled("TriggerMode"));
    EXPECT_TRUE(Enabled("OneShot"));
}

TEST_F(TriggerPageTest, CommandTriggerExecutesTriggerSoftware)
{
    Set("TriggerMode", 1);
    Set("TriggerSoftwareSource", 2);
    Open();
    Find<QPushButton>("TriggerSoftware")->click();
    EXPECT_EQ(camera_.Get<FakeCommand>("TriggerSoftware")->executed, 1);
    EXPECT_EQ(Find<QPushButton>("TriggerSoftware")->text(), "Command Trigger");
    EXPECT_EQ(Find<QPushButton>("TriggerSoftware")->toolTip(), "00H_ 16H.0");
}

TEST_F(TriggerPageTest, DelayAndPresetsAsOnTheGainPage)
{
    Set("TriggerMode", 1);
    Open();
    EXPECT_EQ(Find<QLineEdit>("TriggerDelay")->text(), "0.00");
    Type("TriggerDelay", "12.345");
    EXPECT_DOUBLE_EQ(camera_.Get<FakeFloat>("TriggerDelay")->value, 12.345);
    EXPECT_EQ(Find<QLineEdit>("TriggerDelay")->text(), "12.35");
    for (QPushButton* button : page_.findChildren<QPushButton*>()) {
        if (button->text() == "1/30")
            button->click();
    }
    EXPECT_EQ(camera_.Get<FakeInteger>("ExposureTimeRaw")->value, 33333);
}
