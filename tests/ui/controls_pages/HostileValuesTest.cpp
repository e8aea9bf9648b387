// Values no sane camera sends, through every control page, the settings file
// and the features window: the widgets keep sane ranges, and nothing the
// camera's range cannot take is written. Run under the sanitizer build, the
// table also shows that none of it is undefined behaviour.
#include "ControlTestCamera.h"

#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/CTabDialog.h"
#include "controls/PageSettingsFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
const std::string kLongText(200 * 1024, 'M');

struct HostileCase {
    const char* name;
    std::function<void(TestCamera&)> add;
    // After every page was shown and driven once.
    std::function<void(TestCamera&, CLxCtrlMainDlg&, CFeaturesDlg&)> check;
};

template <typename Widget>
Widget* Find(CLxCtrlMainDlg& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Types into the page's edit box and presses Enter.
void Enter(CLxCtrlMainDlg& dialog, const char* name, const QString& text)
{
    if (auto* edit = Find<QLineEdit>(dialog, name)) {
        edit->setText(text);
        emit edit->returnPressed();
    }
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
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
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
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg& features) {
         // Shown read-only, with the camera's value; the settings file's
         // load writes what it saved, unclamped, but no row writes.
         EXPECT_FALSE(Find<QSlider>(dialog, "GainRaw")->isEnabled());
         EXPECT_EQ(Find<QLineEdit>(dialog, "GainRawEdit")->text(), "7");
         FakeInteger* gain = camera.Get<FakeInteger>("GainRaw");
         const std::vector<int64_t> loaded = gain->writes;
         Enter(dialog, "GainRawEdit", "6");
         Enter(dialog, "TriggerDelay", "6");
         EXPECT_EQ(gain->writes, loaded);
         EXPECT_EQ(camera.Get<FakeFloat>("TriggerDelay")->value, 3.0);
         auto* edit = qobject_cast<QLineEdit*>(features.Editor("GainRaw"));
         ASSERT_NE(edit, nullptr);
         EXPECT_TRUE(edit->isReadOnly());
         edit->setText("8");
         emit edit->returnPressed();
         EXPECT_EQ(gain->writes, loaded);
         EXPECT_TRUE(features.Message().contains("minimum")) << features.Message().toStdString();
     }},
    {"increment 0 and negative",
     [](TestCamera& camera) {
         camera.AddInt("GainRaw", 4, 0, 255, 0);
         camera.AddInt("AGCRange", 4, 0, 255, -8);
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg&) {
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
     },
     [](TestCamera& camera, CLxCtrlMainDlg& dialog, CFeaturesDlg& features) {
         Enter(dialog, "GainRawEdit", "5");
         EXPECT_EQ(camera.Get<FakeFloat>("Gain")->value, 5.0);
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
    for (QSlider* slider : dialog.findChildren<QSlider*>()) {
        EXPECT_LE(slider->minimum(), slider->maximum()) << slider->objectName().toStdString();
        EXPECT_GE(slider->pageStep(), 1) << slider->objectName().toStdString();
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        EXPECT_FALSE(edit->text().contains("nan") || edit->text().contains("inf")) << edit->objectName().toStdString();
    }
    TempDir dir;
    const std::string path = dir.file("settings.cfg");
    EXPECT_TRUE(SaveCameraSettings(path, dialog));
    LoadCameraSettings(path, dialog);
    CFeaturesDlg features(camera.Host(), [&camera] { return &camera.Camera(); });
    hostile.check(camera, dialog, features);
}

INSTANTIATE_TEST_SUITE_P(ValueClasses, HostileValuesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });
