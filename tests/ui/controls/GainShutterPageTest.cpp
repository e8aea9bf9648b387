// The gain and shutter page: enabling rules, decibel and ratio texts,
// shutter presets and RESET, the shutter limits, and the ALC area dialog.
#include "ControlTestCamera.h"

#include "camera/OverlayRegistry.h"
#include "controls/CAlcAreaDlg.h"
#include "controls/GainShutterPage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace {

class GainShutterPageTest : public PageTest<GainShutterPage> {
protected:
    GainShutterPageTest() { camera_.AddGainShutterFeatures(); }

    QPushButton* Button(const QString& text)
    {
        for (QPushButton* button : page_.findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
};

// The widgets whose enabling the rules decide.
const char* const kRuled[] = {
    "ExposureMode",     "ExposureTimeRaw", "GainRaw",         "ALCIrisLens",  "LensManualAdjustment",
    "PriorityMode",     "Min_ShutterTime", "Max_ShutterTime", "AGCRange",     "ALC_Peak_Average",
    "TargetBrightness", "Weight",          "DigitalGain",     "BlackLevelRaw"};

struct EnablingCase {
    const char* name;
    int gainAuto;
    int exposureAuto;
    int iris;
    int exposureMode; // 0 Off, 1 Timed, 2 TriggerWidth
    // Enabled flags in the order of kRuled.
    std::array<bool, 14> enabled;
};

// Mode  Exp  Gain Iris Lens Prio Min  Max  AGC  Peak Tgt  Wgt  DG   BL
const EnablingCase kEnablingCases[] = {
    {"all manual", 0, 0, 0, 1, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1}},
    {"gain auto", 1, 0, 0, 1, {1, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
    {"exposure auto", 0, 1, 0, 1, {0, 0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 1, 1, 1}},
    {"exposure auto with iris", 0, 1, 1, 1, {0, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 1, 1}},
    {"iris alone", 0, 0, 1, 1, {1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1}},
    {"not timed", 0, 0, 0, 2, {1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1}},
    {"everything auto", 1, 1, 1, 0, {0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
};

} // namespace

TEST_F(GainShutterPageTest, EnablingRules)
{
    Open();
    for (const EnablingCase& test : kEnablingCases) {
        camera_.Get<TestEnum>("GainAuto")->value = test.gainAuto;
        camera_.Get<TestEnum>("ExposureAuto")->value = test.exposureAuto;
        camera_.Get<TestEnum>("ALCIrisLens")->value = test.iris;
        camera_.Get<TestEnum>("ExposureMode")->value = test.exposureMode;
        page_.RefreshFromCamera();
        for (size_t i = 0; i < test.enabled.size(); ++i)
            EXPECT_EQ(Enabled(kRuled[i]), test.enabled[i]) << test.name << ": " << kRuled[i];
    }
}

TEST_F(GainShutterPageTest, AutomaticGainSwapsFixedGainForTheAgcRange)
{
    Open();
    EXPECT_TRUE(Enabled("GainRaw"));
    EXPECT_TRUE(Enabled("GainRawEdit"));
    EXPECT_TRUE(Enabled("GainDecibels"));
    EXPECT_FALSE(Enabled("AGCRange"));
    Choose(Find<QComboBox>("GainAuto"), 1);
    EXPECT_EQ(camera_.Get<TestEnum>("GainAuto")->value, 1);
    EXPECT_FALSE(Enabled("GainRaw"));
    EXPECT_FALSE(Enabled("GainRawEdit"));
    EXPECT_FALSE(Enabled("GainDecibels"));
    EXPECT_TRUE(Enabled("AGCRange"));
    Choose(Find<QComboBox>("GainAuto"), 0);
    EXPECT_TRUE(Enabled("GainRaw"));
    EXPECT_FALSE(Enabled("AGCRange"));
}

TEST_F(GainShutterPageTest, ExposureModeChangeShowsTheShutterAgain)
{
    Open();
    camera_.Get<FakeInteger>("ExposureTimeRaw")->value = 20000;
    Choose(Find<QComboBox>("ExposureMode"), 2);
    EXPECT_EQ(camera_.Get<TestEnum>("ExposureMode")->value, 2);
    EXPECT_EQ(Find<QLineEdit>("ExposureTimeRawEdit")->text(), "20000");
    EXPECT_FALSE(Enabled("ExposureTimeRaw"));
}

TEST(GainShutterPage, WithoutAnIrisLensItsCombosStayDisabledAndUnread)
{
    TestCamera camera;
    camera.AddGainShutterFeatures(SDK_VISIBILITY_INVISIBLE);
    camera.Get<TestEnum>("ALCIrisLens")->value = 1;
    GainShutterPage page;
    OpenPage(page, camera);
    page.RefreshFromCamera();
    EXPECT_FALSE(page.findChild<QComboBox*>("ALCIrisLens")->isEnabled());
    EXPECT_FALSE(page.findChild<QComboBox*>("LensManualAdjustment")->isEnabled());
    EXPECT_EQ(camera.Get<TestEnum>("ALCIrisLens")->reads, 0);
    EXPECT_EQ(camera.Get<TestEnum>("LensManualAdjustment")->reads, 0);
    // Iris never read: the light control rows follow the automatic modes.
    EXPECT_FALSE(page.findChild<QSlider*>("ALC_Peak_Average")->isEnabled());
}

TEST_F(GainShutterPageTest, WithoutACameraOnlyTheRulesRun)
{
    camera_.Host().connected = false;
    Open();
    EXPECT_FALSE(Enabled("ExposureTimeRaw"));
    EXPECT_FALSE(Button("1/60")->isEnabled());
    EXPECT_FALSE(Button("RESET")->isEnabled());
    EXPECT_FALSE(Enabled("ALCIrisLens"));
    EXPECT_TRUE(Enabled("GainRaw"));
    EXPECT_TRUE(Enabled("DigitalGain"));
    EXPECT_EQ(Find<QLineEdit>("GainRawEdit")->text(), "");
}

TEST_F(GainShutterPageTest, LabelsAndRegisterTooltips)
{
    Open();
    std::map<QString, QString> tooltips;
    for (QLabel* label : page_.findChildren<QLabel*>())
        tooltips[label->text()] = label->toolTip();
    EXPECT_EQ(tooltips["AGC Mode"], "20H_ 20H.3");
    EXPECT_EQ(tooltips["Lens Manual Adjustment"], "20H_ 92H.0-1");
    EXPECT_EQ(tooltips["Fixed Shutter"], "00H_ 20H,21H,22H");
    EXPECT_EQ(tooltips["AGC Range"], "20H_ 21H");
    EXPECT_EQ(tooltips["Exposure mode"], "");
    EXPECT_EQ(tooltips.count("[0:Default]"), 1u);
    EXPECT_EQ(Find<QComboBox>("PriorityMode")->itemText(1), "Shutter Priority");
    EXPECT_EQ(Find<QComboBox>("GainAuto")->itemText(1), "Continuous");
}

TEST_F(GainShutterPageTest, DecibelAndPeakAverageTextsFollowTheValues)
{
    camera_.Get<FakeInteger>("GainRaw")->value = 10;
    camera_.Get<FakeInteger>("ALC_Peak_Average")->value = 128;
    camera_.AddInt("ModelCode", 0x1A2, 0, 0xFFFF);
    Open();
    // Gain scale kind 0 with both offsets 0: 0.04 x 20 - 6.
    EXPECT_EQ(Find<QLabel>("GainDecibels")->text(), "-5.200 dB");
    EXPECT_EQ(Find<QLabel>("PeakAverageRatio")->text(), "Ave[ 49.9%] Peak[ 50.1%]");
    Find<QSlider>("GainRaw")->setValue(150);
    EXPECT_EQ(Find<QLabel>("GainDecibels")->text(), "6.000 dB");
    Find<QSlider>("ALC_Peak_Average")->setValue(255);
    EXPECT_EQ(Find<QLabel>("PeakAverageRatio")->text(), "Ave[  0.0%] Peak[100.0%]");
}

TEST_F(GainShutterPageTest, ShutterPresetsAreRoundedToTheIncrement)
{
    camera_.Get<FakeInteger>("ExposureTimeRaw")->increment = 10;
    Open();
    Button("1/60")->click();
    EXPECT_EQ(camera_.Get<FakeInteger>("ExposureTimeRaw")->value, 16660);
    EXPECT_EQ(Find<QLineEdit>("ExposureTimeRawEdit")->text(), "16660");
    Button("1/120")->click();
    EXPECT_EQ(camera_.Get<FakeInteger>("ExposureTimeRaw")->value, 8330);
    Button("1/25")->click();
    EXPECT_EQ(camera_.Get<FakeInteger>("ExposureTimeRaw")->value, 40000);
}

TEST_F(GainShutterPageTest, ResetTurnsExposureControlOff)
{
    Open();
    ASSERT_TRUE(Enabled("ExposureTimeRaw"));
    Button("RESET")->click();
    EXPECT_EQ(camera_.Get<TestEnum>("ExposureMode")->value, 0);
    EXPECT_EQ(Find<QComboBox>("ExposureMode")->currentText(), "Off");
    EXPECT_FALSE(Enabled("ExposureTimeRaw"));
    EXPECT_EQ(camera_.Get<FakeInteger>("ExposureTimeRaw")->writes.size(), 0u);
}

TEST(GainShutterPage, ResetWithoutAnOffModeWritesTheShortestExposure)
{
    TestCamera camera;
    camera.AddEnum("ExposureMode", Entries({"Timed", "TriggerWidth"}));
    camera.AddGainShutterFeatures();
    FakeInteger* exposure = camera.Get<FakeInteger>("ExposureTimeRaw");
    exposure->min = 25;
    GainShutterPage page;
    OpenPage(page, camera);
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->text() == "RESET")
            button->click();
    }
    EXPECT_EQ(exposure->writes, (std::vector<int64_t>{25}));
    EXPECT_EQ(page.findChild<QLineEdit*>("ExposureTimeRawEdit")->text(), "25");
}

TEST_F(GainShutterPageTest, MovingOneShutterLimitWritesTheOtherFromItsSlider)
{
    camera_.Get<TestEnum>("ExposureAuto")->value = 1;
    Open();
    FakeInteger* min = camera_.Get<FakeInteger>("Min_ShutterTime");
    FakeInteger* max = camera_.Get<FakeInteger>("Max_ShutterTime");
    Find<QSlider>("Min_ShutterTime")->setValue(200);
    EXPECT_EQ(min->writes, (std::vector<int64_t>{200}));
    EXPECT_EQ(max->writes, (std::vector<int64_t>{33333}));
    Find<QSlider>("Max_ShutterTime")->setValue(40000);
    EXPECT_EQ(max->writes, (std::vector<int64_t>{33333, 40000}));
    EXPECT_EQ(min->writes, (std::vector<int64_t>{200, 200}));
    // The edit boxes write their own feature only.
    QLineEdit* edit = Find<QLineEdit>("Min_ShutterTimeEdit");
    edit->setText("300");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(min->value, 300);
    EXPECT_EQ(max->writes.size(), 2u);
}

namespace {

class AlcAreaDialogTest : public ::testing::Test {
protected:
    AlcAreaDialogTest() { camera_.AddGainShutterFeatures(); }

    TestCamera camera_;
};

} // namespace

TEST_F(AlcAreaDialogTest, WeightsAndBordersComeFromTheCamera)
{
    camera_.Get<FakeInteger>("ALCWeight2")->failRange = true;
    CAlcAreaDlg dialog(&camera_.Camera());
    EXPECT_EQ(dialog.windowTitle(), "ALC Weight/Area");
    auto* centre = dialog.findChild<QSpinBox*>("ALCWeight5");
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->value(), 8);
    EXPECT_EQ(centre->maximum(), 15);
    EXPECT_EQ(centre->toolTip(), "20H_ 2BH.0-3");
    EXPECT_EQ(dialog.findChild<QSpinBox*>("ALCWeight2")->maximum(), 10);

    auto* x2 = dialog.findChild<QSlider*>("ALCWindowH2");
    ASSERT_NE(x2, nullptr);
    EXPECT_EQ(x2->minimum(), 0);
    EXPECT_EQ(x2->maximum(), 1279);
    EXPECT_EQ(x2->pageStep(), 10);
    EXPECT_EQ(x2->value(), 512);
    EXPECT_EQ(dialog.findChild<QLabel*>("ALCWindowH2Value")->text(), "[ 512]");
    EXPECT_EQ(dialog.findChild<QSlider*>("ALCWindowV4")->maximum(), 959);
}

TEST_F(AlcAreaDialogTest, WeightsAreWrittenClampedAndRestoredWhenLeft)
{
    CAlcAreaDlg dialog(&camera_.Camera());
    auto* weight = dialog.findChild<QSpinBox*>("ALCWeight1");
    weight->stepBy(3);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWeight1")->value, 7);
    weight->setValue(40);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWeight1")->value, 15);
    weight->findChild<QLineEdit*>()->setText("2");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(weight, &leave);
    EXPECT_EQ(weight->value(), 15);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWeight1")->writes, (std::vector<int64_t>{7, 15}));
}

TEST_F(AlcAreaDialogTest, DraggedBordersKeepTheirOrder)
{
    CAlcAreaDlg dialog(&camera_.Camera());
    // X1..X4 start at 256, 512, 768, 1024.
    dialog.findChild<QSlider*>("ALCWindowH2")->setValue(100);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWindowH2")->writes, (std::vector<int64_t>{257}));
    EXPECT_EQ(dialog.findChild<QSlider*>("ALCWindowH2")->value(), 257);
    EXPECT_EQ(dialog.findChild<QLabel*>("ALCWindowH2Value")->text(), "[ 257]");
    dialog.findChild<QSlider*>("ALCWindowH1")->setValue(900);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWindowH1")->value, 256);
    dialog.findChild<QSlider*>("ALCWindowV4")->setValue(0);
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWindowV4")->value, 577);
    // Only the moved border is written.
    EXPECT_TRUE(camera_.Get<FakeInteger>("ALCWindowH3")->writes.empty());
}

TEST_F(AlcAreaDialogTest, RefusedBorderSpringsBack)
{
    CAlcAreaDlg dialog(&camera_.Camera());
    camera_.Get<FakeInteger>("ALCWindowH3")->failWrite = true;
    auto* x3 = dialog.findChild<QSlider*>("ALCWindowH3");
    x3->setValue(800);
    EXPECT_EQ(x3->value(), 768);
}

TEST_F(AlcAreaDialogTest, DrawsTheAreaOnTheLivePreviewWhileOpen)
{
    OverlayRegistry* registry = camera_.Camera().Acquisition().GetOverlayRegistry();
    ASSERT_TRUE(registry->IsEmpty());
    QImage frame(1280, 960, QImage::Format_BGR888);
    {
        CAlcAreaDlg dialog(&camera_.Camera());
        EXPECT_STREQ(dialog.Overlay().Name(), "ALCAREA");
        EXPECT_FALSE(registry->IsEmpty());
        dialog.findChild<QSlider*>("ALCWindowH2")->setValue(600);
        frame.fill(Qt::black);
        QPainter painter(&frame);
        registry->PaintAll(painter, frame.bits(), frame.width(), frame.height(), 1, nullptr);
    }
    EXPECT_TRUE(registry->IsEmpty());
    EXPECT_EQ(frame.pixelColor(600, 100), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(512, 100), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(100, 192), QColor(Qt::red));
}

TEST_F(AlcAreaDialogTest, EnterInAWeightDoesNotCloseIt)
{
    CAlcAreaDlg dialog(&camera_.Camera());
    dialog.show();
    auto* weight = dialog.findChild<QSpinBox*>("ALCWeight9");
    QTest::keyClick(weight, Qt::Key_Up);
    QTest::keyClick(weight, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(camera_.Get<FakeInteger>("ALCWeight9")->value, 5);
}
