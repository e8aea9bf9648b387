// Values no sane camera sends, through every control page, the area dialogs,
// the settings file and the features window: the widgets keep sane ranges,
// and nothing the camera's range cannot take is written. Run under the sanitizer build, the
// table also shows that none of it is undefined behaviour.
#include "ControlTestCamera.h"

#include "controls/CAlcAreaDlg.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/PageSettingsFile.h"
#include "controls/SettingsPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
const std::string kLongText(200 * 1024, 'M');

struct HostileCase {
    const char* name;
    std::function<void(TestCamera&)> add;
    // After every page was shown and driven once.
    std::function<void(TestCamera&, CLxCtrlMainDlg&, CFeaturesDlg&)> check;
};

template <typename Widget>
Widget* Find(QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Types into the page's edit box and presses Enter.
void Enter(QWidget& window, const char* name, const QString& text)
{
    if (auto* edit = Find<QLineEdit>(window, name)) {
        edit->setText(text);
        emit edit->returnPressed();
    }
}

// Pages a slider up as a click on its groove would, after checking its range.
void DriveSliders(QWidget& window)
{
    for (QSlider* slider : window.findChildren<QSlider*>()) {
        EXPECT_LE(slider->minimum(), slider->maximum()) << slider->objectName().toStdString();
        EXPECT_GE(slider->pageStep(), 1) << slider->objectName().toStdString();
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
}

// The area rows' features on a 4096 x 4096 sensor, for rows that do not add
// their own first.
void AddArea(TestCamera& camera)
{
    camera.AddInt("Width", 640, 8, 4096, 8);
    camera.AddInt("Height", 480, 8, 4096, 8);
    camera.AddInt("OffsetX", 0, 0, 4096, 8);
    camera.AddInt("OffsetY", 0, 0, 4096, 8);
    camera.AddInt("SensorWidth", 4096, 4096, 4096);
    camera.AddInt("SensorHeight", 4096, 4096, 4096);
}

// The ALC borders from x1 to x4; the row's own borders, added first, stay.
void AddAlcBorders(TestCamera& camera, std::array<int64_t, 4> x, int64_t min, int64_t max, int64_t increment = 1)
{
    for (size_t i = 0; i < x.size(); ++i)
        camera.AddInt("ALCWindowH" + std::to_string(i + 1), x[i], min, max, increment);
}

// Timer pulse rows that take input: trigger mode on, software source.
void AddPulses(TestCamera& camera)
{
    camera.AddEnum("TriggerMode", Entries({"Off", "On"}), 1);
    camera.AddTriggerFeatures();
}

// Edits one area row of the camera's area and presses Activate.
void Activate(QWidget& window, const char* edit, const QString& text)
{
    if (auto* undo = Find<QPushButton>(window, "Undo"); undo && undo->isEnabled())
        undo->click();
    Enter(window, edit, text);
    auto* activate = Find<QPushButton>(window, "Activate");
    ASSERT_NE(activate, nullptr);
    ASSERT_TRUE(activate->isEnabled());
    activate->click();
}

const HostileCase kCases[] = {
    {"float range of +-1e308",
     [](TestCamera& camera) {
         camera.AddFloat("Gain", 1.0, -1e308, 1e308);
         camera.AddFloat("ExposureTime", 1e308, -1e308, 1e308);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
         auto* gain = Find<QSlider>(dialog, "GainRaw");
         ASSERT_NE(gain, nullptr);
         EXPECT_TRUE(gain->isEnabled());
         EXPECT_EQ(gain->maximum(), kIntMax);
         Enter(dialog, "GainRawEdit", "12");
         EXPECT_EQ(camera.Get<FakeFloat>("Gain")->value, 12.0);
     }},
    {"integer ranges up to 2^31-1 and beyond",
     [](TestCamera& camera) {
         camera.AddInt("GainRaw", 0x7FFFFFFF, 0, 0x7FFFFFFF);
         camera.AddInt("BlackLevelRaw", 5, 0, int64_t{1} << 32);
         camera.AddInt("DigitalGain", 0, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max());
         camera.AddInt("SensorWidth", kIntMax, 0, kIntMax);
         camera.AddInt("OffsetX", 0, 0, kIntMax);
         AddArea(camera);
         AddAlcBorders(camera, {int64_t{kIntMin}, -1, 1, kIntMax}, std::numeric_limits<int64_t>::min(),
                       std::numeric_limits<int64_t>::max());
         camera.AddInt("TimerDurationRaw", kIntMax, 1, kIntMax);
         camera.AddInt("TimerDelayRaw", kIntMax, 0, kIntMax);
         AddPulses(camera);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
         // The largest offset that still leaves the width on the sensor.
         Activate(dialog, "OffsetXEdit", "2147483007");
         EXPECT_EQ(camera.Get<FakeInteger>("OffsetX")->value, 2147483000);
         // Saturated microseconds; the delay an interval asks is clamped, not wrapped.
         EXPECT_EQ(Find<QLineEdit>(dialog, "PulseWidthEdit")->text(), "2147483647");
         Enter(dialog, "PulseIntervalEdit", "2147483647");
         EXPECT_EQ(camera.Get<FakeInteger>("TimerDelayRaw")->value, 0);
         CAlcAreaDlg alc(&camera.Camera());
         EXPECT_EQ(Find<QSlider>(alc, "ALCWindowH1")->minimum(), kIntMin);
         Find<QSlider>(alc, "ALCWindowH2")->setValue(kIntMax);
         EXPECT_EQ(camera.Get<FakeInteger>("ALCWindowH2")->value, 0);
         EXPECT_EQ(Find<QSlider>(dialog, "GainRaw")->maximum(), kIntMax);
         // Saturated, not the low bits: 2^32 would read as 0.
         EXPECT_EQ(Find<QSlider>(dialog, "BlackLevelRaw")->maximum(), kIntMax);
         EXPECT_EQ(Find<QSlider>(dialog, "DigitalGain")->minimum(), std::numeric_limits<int>::min());
         Enter(dialog, "BlackLevelRawEdit", "2147483647");
         EXPECT_EQ(camera.Get<FakeInteger>("BlackLevelRaw")->value, kIntMax);
     }},
    {"minimum above maximum",
     [](TestCamera& camera) {
         camera.AddInt("GainRaw", 7, 10, 5);
         camera.AddFloat("Gain", 3.0, 10.0, 5.0);
         camera.AddFloat("TriggerDelay", 3.0, 10.0, 5.0);
         camera.AddInt("Width", 640, 800, 8, 8);
         camera.AddInt("OffsetX", 0, 10, 5);
         AddArea(camera);
         camera.AddInt("ALCWindowH2", 20, 30, 10);
         AddAlcBorders(camera, {0, 0, 50, 90}, 0, 100);
         camera.AddInt("ALCWeight1", 5, 10, 0);
         camera.AddInt("GammaMode", 0, 1, 0);
         camera.AddInt("TimerDurationRaw", 5, 10, 5);
         AddPulses(camera);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg& features) {
         // Shown read-only, with the camera's value; the settings file's
         // load writes what it saved, unclamped, but no row writes, whether
         // typed, slid or set by the program on the disabled widgets.
         EXPECT_FALSE(Find<QSlider>(dialog, "GainRaw")->isEnabled());
         EXPECT_EQ(Find<QLineEdit>(dialog, "GainRawEdit")->text(), "7");
         const std::vector<std::string> names = {"GainRaw",    "Width",     "OffsetX",         "ALCWindowH2",
                                                 "ALCWeight1", "GammaMode", "TimerDurationRaw"};
         std::vector<std::vector<int64_t>> loaded;
         for (const std::string& name : names)
             loaded.push_back(camera.Get<FakeInteger>(name)->writes);
         for (const char* name : {"Width", "OffsetX", "PulseWidth"}) {
             EXPECT_FALSE(Find<QSlider>(dialog, name)->isEnabled()) << name;
             EXPECT_FALSE(Find<QLineEdit>(dialog, (std::string(name) + "Edit").c_str())->isEnabled()) << name;
         }
         EXPECT_TRUE(Find<QSlider>(dialog, "Height")->isEnabled());
         EXPECT_TRUE(Find<QSlider>(dialog, "PulseInterval")->isEnabled());
         EXPECT_FALSE(Find<QLineEdit>(dialog, "TriggerDelay")->isEnabled());
         EXPECT_FALSE(Find<QComboBox>(dialog, "GammaMode")->isEnabled());
         EXPECT_EQ(Find<QLineEdit>(dialog, "WidthEdit")->text(), "640");
         Enter(dialog, "GainRawEdit", "6");
         Enter(dialog, "TriggerDelay", "6");
         Enter(dialog, "WidthEdit", "320");
         Enter(dialog, "PulseWidthEdit", "300");
         emit Find<QComboBox>(dialog, "GammaMode")->activated(1);
         // Activate writes what changed; the read-only rows did not.
         Activate(dialog, "HeightEdit", "240");
         EXPECT_EQ(camera.Get<FakeInteger>("Height")->value, 240);
         CAlcAreaDlg alc(&camera.Camera());
         EXPECT_FALSE(Find<QSlider>(alc, "ALCWindowH2")->isEnabled());
         EXPECT_TRUE(Find<QSlider>(alc, "ALCWindowH3")->isEnabled());
         Find<QSlider>(alc, "ALCWindowH2")->setValue(40);
         auto* weight = Find<QSpinBox>(alc, "ALCWeight1");
         EXPECT_FALSE(weight->isEnabled());
         EXPECT_EQ(weight->value(), 5);
         weight->setValue(6);
         for (size_t i = 0; i < names.size(); ++i)
             EXPECT_EQ(camera.Get<FakeInteger>(names[i])->writes, loaded[i]) << names[i];
         EXPECT_EQ(camera.Get<FakeFloat>("TriggerDelay")->value, 3.0);
         FakeInteger* gain = camera.Get<FakeInteger>("GainRaw");
         const std::vector<int64_t>& gainLoaded = loaded.front();
         auto* edit = qobject_cast<QLineEdit*>(features.Editor("GainRaw"));
         ASSERT_NE(edit, nullptr);
         EXPECT_TRUE(edit->isReadOnly());
         edit->setText("8");
         emit edit->returnPressed();
         EXPECT_EQ(gain->writes, gainLoaded);
         EXPECT_TRUE(features.Message().contains("minimum")) << features.Message().toStdString();
     }},
    {"increment 0 and negative",
     [](TestCamera& camera) {
         camera.AddInt("GainRaw", 4, 0, 255, 0);
         camera.AddInt("AGCRange", 4, 0, 255, -8);
         camera.AddInt("Width", 640, 8, 4096, 0);
         camera.AddInt("Height", 480, 8, 4096, -8);
         AddArea(camera);
         AddAlcBorders(camera, {0, 10, 50, 90}, 0, 100, -8);
         camera.AddInt("TimerDelayRaw", 1, 0, 65535, 0);
         AddPulses(camera);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
         Activate(dialog, "WidthEdit", "101");
         EXPECT_EQ(camera.Get<FakeInteger>("Width")->value, 101);
         Activate(dialog, "HeightEdit", "99");
         EXPECT_EQ(camera.Get<FakeInteger>("Height")->value, 99);
         // 3000 us: 100 ticks, one of them the pulse and one the gap.
         Enter(dialog, "PulseIntervalEdit", "3000");
         EXPECT_EQ(camera.Get<FakeInteger>("TimerDelayRaw")->value, 98);
         CAlcAreaDlg alc(&camera.Camera());
         Find<QSlider>(alc, "ALCWindowH2")->setValue(33);
         EXPECT_EQ(camera.Get<FakeInteger>("ALCWindowH2")->value, 33);
         EXPECT_EQ(Find<QSlider>(dialog, "GainRaw")->pageStep(), 1);
         Enter(dialog, "GainRawEdit", "101");
         Enter(dialog, "AGCRangeEdit", "101");
         EXPECT_EQ(camera.Get<FakeInteger>("GainRaw")->value, 101);
         EXPECT_EQ(camera.Get<FakeInteger>("AGCRange")->value, 101);
     }},
    {"not-a-number and infinite floats",
     [](TestCamera& camera) {
         camera.AddFloat("Gain", kNaN, 0.0, 10.0);
         camera.AddFloat("ExposureTime", kInf, 0.0, 1e6);
         camera.AddFloat("AcquisitionFrameRate", 30.0, -kInf, kInf);
         camera.AddFloat("TriggerDelay", kNaN, kNaN, kNaN);
         AddPulses(camera);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg& features) {
         Enter(dialog, "GainRawEdit", "5");
         EXPECT_EQ(camera.Get<FakeFloat>("Gain")->value, 5.0);
         // No finite range to clamp to: the number goes as typed.
         Enter(dialog, "AcquisitionFrameRate", "12.5");
         EXPECT_EQ(camera.Get<FakeFloat>("AcquisitionFrameRate")->value, 12.5);
         Enter(dialog, "TriggerDelay", "7");
         EXPECT_EQ(camera.Get<FakeFloat>("TriggerDelay")->value, 7.0);
         auto* edit = qobject_cast<QLineEdit*>(features.Editor("TriggerDelay"));
         ASSERT_NE(edit, nullptr);
         edit->setText("nan");
         emit edit->returnPressed();
         EXPECT_TRUE(features.Message().contains("not a number")) << features.Message().toStdString();
     }},
    {"empty enumerations",
     [](TestCamera& camera) {
         camera.AddEnum("PixelFormat", {});
         camera.AddEnum("GainAuto", {});
         camera.AddEnum("TriggerMode", {});
         camera.AddEnum("BalanceWhiteAuto", {});
     },
     [](TestCamera&, CLxCtrlMainDlg& dialog, CFeaturesDlg& features) {
         EXPECT_EQ(Find<QComboBox>(dialog, "GainAuto")->count(), 0);
         auto* combo = qobject_cast<QComboBox*>(features.Editor("PixelFormat"));
         ASSERT_NE(combo, nullptr);
         EXPECT_EQ(combo->count(), 0);
     }},
    {"200 kB texts",
     [](TestCamera& camera) {
         camera.AddEnum("PixelFormat", {{kLongText, 0x01080001, true}, {"Mono8", 1, true}}, 0x01080001);
         AddFake<FakeString>(camera.Features(), "DeviceVersion", kLongText);
         AddFake<FakeString>(camera.Features(), kLongText, kLongText);
     },
     [](TestCamera&, CLxCtrlMainDlg&, CFeaturesDlg& features) {
         auto* edit = qobject_cast<QLineEdit*>(features.Editor("DeviceVersion"));
         ASSERT_NE(edit, nullptr);
         // A line edit holds at most 32767 characters.
         EXPECT_FALSE(edit->text().isEmpty());
         EXPECT_NE(features.Item(kLongText), nullptr);
     }},
    {"unknown pixel formats",
     [](TestCamera& camera) {
         // The custom bit set: its low 32 bits read as a negative number.
         camera.AddEnum("PixelFormat", {{"Mono8", 0x01080001, true}, {"Custom", 0x8000BEEF, true}}, 0x8000BEEF);
         camera.AddInt("Width", 640, 8, 4096, 8);
         camera.AddInt("Height", 480, 8, 4096, 8);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
         auto* combo = Find<QComboBox>(dialog, "PixelFormat");
         ASSERT_NE(combo, nullptr);
         EXPECT_EQ(combo->currentText(), "Custom");
         TestEnum* format = camera.Get<TestEnum>("PixelFormat");
         format->writes.clear();
         emit combo->activated(0);
         emit combo->activated(1);
         EXPECT_EQ(format->writes, (std::vector<int64_t>{0x01080001, 0x8000BEEF}));
         EXPECT_EQ(combo->currentText(), "Custom");
     }},
};

class HostileValuesTest : public ::testing::TestWithParam<HostileCase> {};

} // namespace

TEST_P(HostileValuesTest, PagesSettingsFileAndFeaturesWindowStaySane)
{
    const HostileCase& hostile = GetParam();
    TestCamera camera;
    hostile.add(camera);
    camera.Camera().ReadGeometry();
    CLxCtrlMainDlg dialog(camera.Host());
    dialog.RefreshAllPages();
    DriveSliders(dialog);
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        EXPECT_FALSE(edit->text().contains("nan") || edit->text().contains("inf")) << edit->objectName().toStdString();
    }
    TempDir dir;
    const std::string path = dir.file("settings.cfg");
    EXPECT_TRUE(SaveCameraSettings(path, dialog));
    LoadCameraSettings(path, dialog);
    CFeaturesDlg features(camera.Host(), [&camera] { return &camera.Camera(); });
    hostile.check(camera, dialog, features);
    CAlcAreaDlg alc(&camera.Camera());
    DriveSliders(alc);
    CAwbAreaDlg awb(&camera.Camera());
    DriveSliders(awb);
}

INSTANTIATE_TEST_SUITE_P(ValueClasses, HostileValuesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });
