// The control dialog and its pages against the simulated camera: the
// bindings on the camera's own GenICam features, the one-push white balance
// finishing in the camera, the trigger page's timer and logic block, and
// the area dialogs; and the pages on Aravis's fake camera, a camera the
// program did not write. With LUMIVEX_SCREENSHOT_DIR set, the pages and dialogs
// are also saved there as PNG files for a look at their layout.
#include "FakeCamera.h"
#include "SimControlTest.h"

#include "camera/AcquisitionThread.h"
#include "camera/FeatureAccess.h"
#include "camera/OverlayRegistry.h"
#include "controls/CAlcAreaDlg.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/FeatureBinding.h"
#include "controls/SettingsPage.h"
#include "controls/TriggerPage.h"
#include "controls/WhiteBalancePage.h"
#include "imaging/PixelFrameConverter.h"
#include "optionread/OptionBoardRead.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkDiscoveryRecord.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ControlsIntegrationTest : public SimControlTest {
protected:
    // The area dialogs draw through the camera's overlay registry.
    void Start(bool colour)
    {
        ASSERT_NO_FATAL_FAILURE(SimControlTest::Start(colour));
        camera_->Acquisition().CreateOverlayRegistry();
    }
};

// A host whose preview really streams (without a display), counting the
// stops and restarts that a locked feature needs.
class StreamingHost : public ControlHost {
public:
    explicit StreamingHost(CameraConnection& camera) : camera_(camera) {}
    CameraConnection* ControlCamera() override { return &camera_; }
    bool StopPreview() override
    {
        if (!camera_.Acquisition().GetThread())
            return false;
        camera_.Acquisition().StopAcquisition();
        camera_.Acquisition().StopThread();
        ++stops;
        return true;
    }
    void StartPreview() override
    {
        ASSERT_TRUE(camera_.Acquisition().StartThread(nullptr, converter_));
        camera_.Acquisition().StartAcquisition();
        ++starts;
    }
    void SetDisplayInterpolation(int) override {}
    void CloseRecording() override {}
    bool IsRecording() const override { return false; }
    DisplaySettings* Display() override { return nullptr; }

    int stops = 0;
    int starts = 0;

private:
    CameraConnection& camera_;
    PixelFrameConverter converter_;
};

} // namespace

TEST_F(ControlsIntegrationTest, FeaturesWindowShowsTheTreeAndWritesThroughTheLock)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    StreamingHost host(*camera_);
    host.StartPreview();
    CFeaturesDlg dialog(host, [this] { return camera_.get(); });

    // The camera's categories, in its order, hold its features.
    QTreeWidget* tree = dialog.Tree();
    ASSERT_GT(tree->topLevelItemCount(), 5);
    EXPECT_EQ(tree->topLevelItem(0)->text(CFeaturesDlg::kNameColumn), "DeviceControl");
    ASSERT_NE(dialog.Item("Width"), nullptr);
    EXPECT_EQ(dialog.Item("Width")->parent()->text(CFeaturesDlg::kNameColumn), "ImageFormatControl");
    EXPECT_EQ(dialog.Item("SerialNumber")->text(CFeaturesDlg::kAccessColumn), "RO");
    EXPECT_EQ(dialog.Item("Width")->text(CFeaturesDlg::kRangeColumn), "32 .. 640, step 8");

    // Beginner hides expert and guru features; a search hides the rest.
    EXPECT_TRUE(dialog.Item("PLC_I0")->isHidden());
    EXPECT_TRUE(dialog.Item("HardwareVersion")->isHidden());
    dialog.SetVisibilityLevel(SDK_VISIBILITY_EXPERT);
    EXPECT_FALSE(dialog.Item("HardwareVersion")->isHidden());
    EXPECT_TRUE(dialog.Item("PLC_I0")->isHidden());
    dialog.SetVisibilityLevel(SDK_VISIBILITY_GURU);
    EXPECT_FALSE(dialog.Item("PLC_I0")->isHidden());
    dialog.SetSearchText("gainraw");
    EXPECT_FALSE(dialog.Item("GainRaw")->isHidden());
    EXPECT_TRUE(dialog.Item("Width")->isHidden());
    EXPECT_TRUE(dialog.Item("Width")->parent()->isHidden());
    dialog.SetSearchText({});

    // Width is locked while streaming: the preview stops for the write and
    // starts again; 100 is not a step of 8 above 32, so 104 is written.
    auto* width = qobject_cast<QLineEdit*>(dialog.Editor("Width"));
    ASSERT_NE(width, nullptr);
    width->setText("100");
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(Value("Width"), 104);
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(host.starts, 2);
    EXPECT_NE(camera_->Acquisition().GetThread(), nullptr);
    EXPECT_TRUE(dialog.Message().contains("104 was written")) << dialog.Message().toStdString();

    // An unlocked feature is written while streaming, clamped to its range.
    auto* digitalGain = qobject_cast<QLineEdit*>(dialog.Editor("DigitalGain"));
    digitalGain->setText("300");
    QTest::keyClick(digitalGain, Qt::Key_Return);
    EXPECT_EQ(Value("DigitalGain"), 255);
    EXPECT_EQ(host.stops, 1);
    EXPECT_TRUE(dialog.Message().contains("outside 0 .. 255")) << dialog.Message().toStdString();
    EXPECT_EQ(digitalGain->text(), "255");
    SaveScreenshot(dialog, "features-window");

    // A command button executes: loading the default user set undoes both.
    ASSERT_TRUE(host.StopPreview());
    auto* load = qobject_cast<QPushButton*>(dialog.Editor("UserSetLoad"));
    ASSERT_NE(load, nullptr);
    load->click();
    // The camera carries the command out on its own time.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Value("DigitalGain") == 0; }, 2000));
    EXPECT_EQ(Value("Width"), 640);
    EXPECT_EQ(dialog.Message(), "UserSetLoad executed.");
}

TEST_F(ControlsIntegrationTest, GainShutterPageOnTheCamerasFeatures)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    CLxCtrlMainDlg dialog(host_);
    EXPECT_EQ(dialog.windowTitle(), QGuiApplication::applicationDisplayName() + "[LXSIM-640C]");
    SettingsPage* page = dialog.Page(CLxCtrlMainDlg::kGainShutterTab);
    auto* gainAuto = Find<QComboBox>(page, "GainAuto");
    ASSERT_EQ(gainAuto->count(), 2);
    EXPECT_EQ(gainAuto->itemText(1), "Continuous");

    // Typed beyond the range: the maximum; the slider shows it.
    auto* gain = Find<QLineEdit>(page, "GainRawEdit");
    gain->setText("300");
    QTest::keyClick(gain, Qt::Key_Return);
    EXPECT_EQ(Value("GainRaw"), 255);
    EXPECT_EQ(Find<QSlider>(page, "GainRaw")->value(), 255);

    for (QPushButton* button : page->findChildren<QPushButton*>()) {
        if (button->text() == "1/60")
            button->click();
    }
    EXPECT_EQ(Value("ExposureTimeRaw"), 16666);

    Choose(gainAuto, 1);
    EXPECT_EQ(Value("GainAuto"), 1);
    EXPECT_FALSE(Find<QSlider>(page, "GainRaw")->isEnabled());
    EXPECT_TRUE(Find<QSlider>(page, "AGCRange")->isEnabled());

    // Another client's change shows after a tab switch.
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "DigitalGain", 42));
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kTriggerTab);
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kGainShutterTab);
    EXPECT_EQ(Find<QLineEdit>(page, "DigitalGainEdit")->text(), "42");
    SaveScreenshot(dialog, "gain-shutter-page");
}

TEST_F(ControlsIntegrationTest, OnePushWhiteBalanceReturnsControlWhenTheCameraIsDone)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    CLxCtrlMainDlg dialog(host_);
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kWhiteBalanceTab);
    auto* page = static_cast<WhiteBalancePage*>(dialog.Page(CLxCtrlMainDlg::kWhiteBalanceTab));
    EXPECT_TRUE(page->IsColorCamera());
    auto* mode = Find<QComboBox>(page, "BalanceWhiteAuto");
    Choose(mode, 2);
    EXPECT_EQ(Find<QLineEdit>(page, "BalanceRatio_REdit")->text(), "150");
    SaveScreenshot(dialog, "white-balance-page");

    Choose(mode, WhiteBalancePage::kModePushToSet);
    EXPECT_TRUE(page->IsWaitingForPushToSet());
    EXPECT_FALSE(mode->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([page] { return !page->IsWaitingForPushToSet(); }, 5000));
    EXPECT_EQ(Value("BalanceWhiteAuto"), 0);
    EXPECT_TRUE(mode->isEnabled());
    EXPECT_EQ(mode->currentIndex(), 0);
    EXPECT_TRUE(Find<QSlider>(page, "BalanceRatio_R")->isEnabled());
}

TEST_F(ControlsIntegrationTest, MonochromeCameraHasNoWhiteBalance)
{
    ASSERT_NO_FATAL_FAILURE(Start(false));
    CLxCtrlMainDlg dialog(host_);
    auto* page = static_cast<WhiteBalancePage*>(dialog.Page(CLxCtrlMainDlg::kWhiteBalanceTab));
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kWhiteBalanceTab);
    EXPECT_FALSE(page->IsColorCamera());
    EXPECT_FALSE(Find<QComboBox>(page, "BalanceWhiteAuto")->isEnabled());
    EXPECT_FALSE(Find<QSlider>(page, "YThreshold")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page, "WBZone")->isEnabled());
}

TEST_F(ControlsIntegrationTest, TriggerPageDrivesTheCamerasTimerAndLogicBlock)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    CLxCtrlMainDlg dialog(host_);
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kTriggerTab);
    auto* page = static_cast<TriggerPage*>(dialog.Page(CLxCtrlMainDlg::kTriggerTab));
    EXPECT_FALSE(Find<QSlider>(page, "PulseWidth")->isEnabled());
    Choose(Find<QComboBox>(page, "TriggerMode"), 1);
    EXPECT_EQ(Value("TriggerMode"), 1);
    // The camera starts with Software as source and the logic block as its
    // software trigger, width 1 and delay 1.
    EXPECT_TRUE(Find<QSlider>(page, "PulseWidth")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(page, "PulseWidthEdit")->text(), "30");
    EXPECT_EQ(Find<QLineEdit>(page, "PulseIntervalEdit")->text(), "90");
    EXPECT_EQ(Value("TimerGranularityFactor"), 999);

    auto* interval = Find<QLineEdit>(page, "PulseIntervalEdit");
    interval->setText("30000");
    QTest::keyClick(interval, Qt::Key_Return);
    EXPECT_EQ(Value("TimerDelayRaw"), 998);
    EXPECT_EQ(interval->text(), "30000");

    Find<QPushButton>(page, "OneShot")->click();
    std::string entry;
    EXPECT_TRUE(ReadFeatureText(camera_->Features(), "PLC_I7", entry));
    EXPECT_EQ(entry, "Timer1Out");
    EXPECT_TRUE(ReadFeatureText(camera_->Features(), "PLC_Q9_Variable0", entry));
    EXPECT_EQ(entry, "PLC_I5");
    EXPECT_EQ(Value("PLC_ctrl0"), 0);

    auto* continuous = Find<QPushButton>(page, "Continuous");
    continuous->click();
    EXPECT_EQ(Value("TimerTriggerSource"), 1);
    EXPECT_EQ(continuous->text(), "Stop");
    EXPECT_FALSE(Find<QComboBox>(page, "TriggerMode")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(page, "OneShot")->isEnabled());
    SaveScreenshot(dialog, "trigger-page");
    continuous->click();
    EXPECT_EQ(Value("TimerTriggerSource"), 0);
    EXPECT_TRUE(Find<QComboBox>(page, "TriggerMode")->isEnabled());
}

TEST_F(ControlsIntegrationTest, AreaDialogsWriteOrderedBordersAndDrawThemOnTheImage)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    OverlayRegistry* registry = camera_->Acquisition().GetOverlayRegistry();
    QImage frame(640, 480, QImage::Format_BGR888);
    frame.fill(QColor(40, 60, 80));
    {
        CAlcAreaDlg alc(camera_.get());
        // The camera's borders start at 128, 256, 384, 512.
        Find<QSlider>(&alc, "ALCWindowH2")->setValue(10);
        EXPECT_EQ(Value("ALCWindowH2"), 129);
        Find<QSpinBox>(&alc, "ALCWeight5")->stepBy(2);
        EXPECT_EQ(Value("ALCWeight5"), 10);
        QPainter painter(&frame);
        registry->PaintAll(painter, frame.bits(), frame.width(), frame.height(), 1, nullptr);
        SaveScreenshot(alc, "alc-area-dialog");
    }
    EXPECT_TRUE(registry->IsEmpty());
    EXPECT_EQ(frame.pixelColor(129, 470), QColor(Qt::red));
    {
        CAwbAreaDlg awb(camera_.get());
        Choose(Find<QComboBox>(&awb, "WB_WindowMode"), 1);
        EXPECT_EQ(Value("WB_WindowMode"), 1);
        Find<QSlider>(&awb, "WB_WindowH1")->setValue(639);
        EXPECT_EQ(Value("WB_WindowH1"), 479);
        SaveScreenshot(awb, "awb-area-dialog");
    }
    if (const char* folder = std::getenv("LUMIVEX_SCREENSHOT_DIR"))
        frame.save(QDir(folder).filePath("alc-area-overlay.png"));
}

// The pages against a camera the program did not write: Aravis's fake
// camera with its own description (GainRaw, ExposureTimeAbs, no option
// electronics) and with one that uses the standard float Gain and
// ExposureTime.
namespace {

struct ForeignDescription {
    const char* name;
    std::vector<std::string> arguments;
    const char* gainFeature;
    const char* gainTyped;
    double gainWritten;
    const char* decibels;
    const char* exposureFeature;
};

const ForeignDescription kForeignDescriptions[] = {
    {"default", {}, "GainRaw", "7", 7.0, "", "ExposureTimeAbs"},
    {"standard", {"-g", LUMIVEX_FAKE_STANDARD_XML}, "Gain", "3.5", 3.5, "3.500 dB", "ExposureTime"},
};

class ForeignCameraTest : public ::testing::TestWithParam<ForeignDescription> {
protected:
    void SetUp() override
    {
        fake_ = std::make_unique<FakeCamera>(TestAddress(1), GetParam().arguments);
        ASSERT_TRUE(fake_->IsReady());
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(fake_->Address(), info));
        ASSERT_EQ(camera_.Connect(&info), 1);
        ReadOptionBoard(camera_);
        host_.camera = &camera_;
    }
    void TearDown() override
    {
        camera_.Acquisition().StopAcquisition();
        camera_.Acquisition().StopThread();
        camera_.Disconnect();
    }

    // A float or integer feature's value; -1 when it cannot be read.
    double Number(const char* feature)
    {
        double value = -1.0;
        int32_t integer = 0;
        if (ReadFloatValue(camera_.Features(), feature, value))
            return value;
        return ReadFeatureValue(camera_.Features(), feature, integer) ? integer : -1.0;
    }
    int32_t FrameCount()
    {
        return camera_.Acquisition().GetThread() ? camera_.Acquisition().GetThread()->FrameCounter() : 0;
    }
    bool FramesArrive(int32_t more)
    {
        const int32_t wanted = FrameCount() + more;
        return QTest::qWaitFor([&] { return FrameCount() >= wanted; }, 5000);
    }

    std::unique_ptr<FakeCamera> fake_;
    CameraConnection camera_;
    SimControlHost host_;
    PixelFrameConverter converter_;
};

template <typename Widget>
Widget* Find(QWidget* parent, const char* name)
{
    auto* widget = parent->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Type(QLineEdit* edit, const char* text)
{
    edit->setText(QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

TEST_P(ForeignCameraTest, GainAndExposureThroughTheGainShutterPage)
{
    const ForeignDescription& description = GetParam();
    CLxCtrlMainDlg dialog(host_);
    SettingsPage* page = dialog.Page(CLxCtrlMainDlg::kGainShutterTab);
    // The rows keep the program's own names as object names.
    auto* gain = Find<QLineEdit>(page, "GainRawEdit");
    auto* exposure = Find<QLineEdit>(page, "ExposureTimeRawEdit");
    ASSERT_TRUE(gain->isEnabled());
    ASSERT_TRUE(exposure->isEnabled());

    Type(gain, description.gainTyped);
    EXPECT_DOUBLE_EQ(Number(description.gainFeature), description.gainWritten);
    // No decibel scale is known for a raw gain of a camera without the
    // program's option electronics.
    EXPECT_EQ(Find<QLabel>(page, "GainDecibels")->text(), description.decibels);
    Type(exposure, "2000");
    EXPECT_DOUBLE_EQ(Number(description.exposureFeature), 2000.0);
    EXPECT_EQ(exposure->text(), "2000");

    // A value beyond the range is clamped, and the page says so.
    Type(gain, "99");
    auto* gainBinding = page->findChildren<FeatureBinding*>().front();
    for (FeatureBinding* binding : page->findChildren<FeatureBinding*>()) {
        if (binding->Feature() == description.gainFeature)
            gainBinding = binding;
    }
    EXPECT_TRUE(gainBinding->WriteNote().contains(QStringLiteral("instead of")))
        << gainBinding->WriteNote().toStdString();

    // What the camera lacks is disabled and says why.
    auto* agcRange = Find<QSlider>(page, "AGCRange");
    EXPECT_FALSE(agcRange->isEnabled());
    EXPECT_TRUE(agcRange->toolTip().contains(QStringLiteral("does not offer AGCRange")));
    EXPECT_FALSE(Find<QSlider>(page, "DigitalGain")->isEnabled());
    const bool standard = std::string(description.name) == "standard";
    EXPECT_EQ(Find<QSlider>(page, "BlackLevelRaw")->isEnabled(), standard);

    Type(gain, description.gainTyped);
    SaveScreenshot(dialog, standard ? "gain-shutter-page-fake-standard" : "gain-shutter-page-fake");
}

TEST_P(ForeignCameraTest, LiveFramesAndTheTriggerPagesSoftwareTriggers)
{
    ASSERT_TRUE(camera_.Acquisition().StartThread(nullptr, converter_));
    camera_.Acquisition().StartAcquisition();
    EXPECT_TRUE(FramesArrive(3));

    CLxCtrlMainDlg dialog(host_);
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kTriggerTab);
    SettingsPage* page = dialog.Page(CLxCtrlMainDlg::kTriggerTab);
    auto* mode = Find<QComboBox>(page, "TriggerMode");
    Choose(mode, mode->findText(QStringLiteral("On")));
    auto* source = Find<QComboBox>(page, "TriggerSource");
    Choose(source, source->findText(QStringLiteral("Software")));
    // Nothing comes while the camera waits for its trigger.
    QTest::qWait(300);
    const int32_t waiting = FrameCount();
    QTest::qWait(300);
    EXPECT_LE(FrameCount(), waiting + 1);

    auto* oneShot = Find<QPushButton>(page, "OneShot");
    ASSERT_TRUE(oneShot->isEnabled());
    oneShot->click();
    EXPECT_TRUE(FramesArrive(1));
    auto* continuous = Find<QPushButton>(page, "Continuous");
    continuous->click();
    EXPECT_EQ(continuous->text(), "Stop");
    EXPECT_TRUE(FramesArrive(3));
    continuous->click();
    Choose(mode, mode->findText(QStringLiteral("Off")));
}

INSTANTIATE_TEST_SUITE_P(AravisFakeCamera, ForeignCameraTest, ::testing::ValuesIn(kForeignDescriptions),
                         [](const auto& info) { return std::string(info.param.name); });
