// The control dialog and its pages against the simulated camera: the
// bindings on the camera's own GenICam features, the one-push white balance
// finishing in the camera, the trigger page's timer and logic block, and
// the area dialogs. With LUMIVEX_SCREENSHOT_DIR set, the pages and dialogs
// are also saved there as PNG files for a look at their layout.
#include "SimControlTest.h"

#include "camera/FeatureAccess.h"
#include "camera/OverlayRegistry.h"
#include "controls/CAlcAreaDlg.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/CTabDialog.h"
#include "controls/CTab_Trigger_Dlg.h"
#include "controls/CTab_WB_Dlg.h"
#include "imaging/PixelFrameConverter.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ControlsIntegrationTest : public SimControlTest {
protected:
    // The area dialogs draw through the camera's overlay registry.
    void Start(bool colour)
    {
        ASSERT_NO_FATAL_FAILURE(SimControlTest::Start(colour));
        camera_->CreateOverlayRegistry();
    }
};

// A host whose preview really streams (without a display), counting the
// stops and restarts that a locked feature needs.
class StreamingHost : public ControlHost {
public:
    explicit StreamingHost(CDeviceInfo& camera) : camera_(camera) {}
    CDeviceInfo* ControlCamera() override { return &camera_; }
    bool StopPreview() override
    {
        if (!camera_.GetThread())
            return false;
        camera_.StopAcquisition();
        camera_.StopThread();
        ++stops;
        return true;
    }
    void StartPreview() override
    {
        ASSERT_TRUE(camera_.StartThread(nullptr, converter_));
        camera_.StartAcquisition();
        ++starts;
    }
    void SetDisplayInterpolation(int) override {}

    int stops = 0;
    int starts = 0;

private:
    CDeviceInfo& camera_;
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
    EXPECT_NE(camera_->GetThread(), nullptr);
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
    CTabDialog* page = dialog.Page(CLxCtrlMainDlg::kGainShutterTab);
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
    auto* page = static_cast<CTab_WB_Dlg*>(dialog.Page(CLxCtrlMainDlg::kWhiteBalanceTab));
    EXPECT_TRUE(page->IsColorCamera());
    auto* mode = Find<QComboBox>(page, "BalanceWhiteAuto");
    Choose(mode, 2);
    EXPECT_EQ(Find<QLineEdit>(page, "BalanceRatio_REdit")->text(), "150");
    SaveScreenshot(dialog, "white-balance-page");

    Choose(mode, CTab_WB_Dlg::kModePushToSet);
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
    auto* page = static_cast<CTab_WB_Dlg*>(dialog.Page(CLxCtrlMainDlg::kWhiteBalanceTab));
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
    auto* page = static_cast<CTab_Trigger_Dlg*>(dialog.Page(CLxCtrlMainDlg::kTriggerTab));
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
    OverlayRegistry* registry = camera_->GetOverlayRegistry();
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
