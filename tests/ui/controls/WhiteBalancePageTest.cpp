// The white balance page and its area dialog.
#include "ControlTestCamera.h"

#include "camera/OverlayRegistry.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/WhiteBalancePage.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WhiteBalancePageTest : public PageTest<WhiteBalancePage> {
protected:
    WhiteBalancePageTest()
    {
        camera_.AddWhiteBalanceFeatures();
        mode_ = camera_.Get<TestEnum>("BalanceWhiteAuto");
    }

    QString GainText(const char* colour)
    {
        return page_.findChild<QLineEdit*>(QString("BalanceRatio_%1Edit").arg(colour))->text();
    }

    QString Tooltip(const QString& label)
    {
        for (QLabel* candidate : page_.findChildren<QLabel*>()) {
            if (candidate->text() == label)
                return candidate->toolTip();
        }
        return "no label";
    }

    TestEnum* mode_;
};

struct ModeCase {
    int mode;
    bool gains;
    bool threshold;
};

const char* const kGainRows[] = {"BalanceRatio_R", "BalanceRatio_Gr", "BalanceRatio_Gb", "BalanceRatio_B"};

} // namespace

TEST_F(WhiteBalancePageTest, EnablingByMode)
{
    Open();
    const ModeCase cases[] = {{0, true, true}, {1, true, true}, {3, true, true}, {4, false, true}};
    for (const ModeCase& test : cases) {
        Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), test.mode);
        EXPECT_EQ(mode_->value, test.mode);
        for (const char* row : kGainRows) {
            EXPECT_EQ(Enabled(row), test.gains) << "mode " << test.mode << " " << row;
            EXPECT_EQ(Enabled((std::string(row) + "Edit").c_str()), test.gains) << "mode " << test.mode;
        }
        EXPECT_EQ(Enabled("YThreshold"), test.threshold) << "mode " << test.mode;
        EXPECT_TRUE(Enabled("BalanceWhiteAuto"));
        EXPECT_TRUE(Enabled("WBZone"));
    }
}

TEST_F(WhiteBalancePageTest, GainRowsEditTheSelectedModesGains)
{
    // The fake numbers the gains from 100: _Once R Gr Gb B, then _Preset1...
    Open();
    EXPECT_EQ(GainText("R"), "100");
    EXPECT_EQ(GainText("B"), "103");
    EXPECT_EQ(Tooltip("Color Gain R"), "20H_ 80H");
    EXPECT_EQ(Tooltip("Color Gain Gb"), "20H_ 83H");
    EXPECT_EQ(Tooltip("Color Gain B"), "20H_ 82H");

    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), 2);
    EXPECT_EQ(GainText("R"), "108");
    EXPECT_EQ(GainText("Gb"), "110");
    EXPECT_EQ(Tooltip("Color Gain R"), "20H_ 45H");
    EXPECT_EQ(Tooltip("Color Gain Gb"), "20H_ 48H");
    page_.findChild<QSlider*>("BalanceRatio_Gr")->setValue(50);
    EXPECT_EQ(camera_.Get<FakeInteger>("BalanceRatio_Gr_Preset2")->value, 50);
    EXPECT_EQ(camera_.Get<FakeInteger>("BalanceRatio_Gr_Once")->value, 101);

    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), 3);
    EXPECT_EQ(Tooltip("Color Gain B"), "20H_ 4BH");
    EXPECT_EQ(Tooltip("White Balance"), "20H_ 40H.0-2");
    EXPECT_EQ(Tooltip("Y Threshold"), "20H_ 4EH,4FH");
}

TEST_F(WhiteBalancePageTest, AtwLeavesTheGainsOnTheLastSetAndDisabled)
{
    Open();
    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), 1);
    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), WhiteBalancePage::kModeAtw);
    EXPECT_FALSE(Enabled("BalanceRatio_R"));
    page_.findChild<QSlider*>("YThreshold")->setValue(500);
    EXPECT_EQ(camera_.Get<FakeInteger>("YThreshold")->value, 500);
}

TEST_F(WhiteBalancePageTest, PushToSetDisablesThePageUntilTheCameraIsDone)
{
    Open();
    mode_->readsUntilZero = 6;
    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), WhiteBalancePage::kModePushToSet);
    EXPECT_TRUE(page_.IsWaitingForPushToSet());
    for (const char* name : {"BalanceWhiteAuto", "BalanceRatio_R", "YThreshold", "WBZone"})
        EXPECT_FALSE(Enabled(name)) << name;
    // A refresh meanwhile (a tab switch) keeps it disabled.
    page_.RefreshFromCamera();
    EXPECT_FALSE(Enabled("BalanceWhiteAuto"));

    EXPECT_TRUE(QTest::qWaitFor([this] { return !page_.IsWaitingForPushToSet(); }, 3000));
    EXPECT_EQ(mode_->value, 0);
    for (const char* name : {"BalanceWhiteAuto", "BalanceRatio_R", "YThreshold", "WBZone"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_EQ(page_.findChild<QComboBox*>("BalanceWhiteAuto")->currentIndex(), 0);
}

TEST_F(WhiteBalancePageTest, PushToSetKeepsPollingWhileTheCameraIsBusy)
{
    Open();
    Choose(page_.findChild<QComboBox*>("BalanceWhiteAuto"), WhiteBalancePage::kModePushToSet);
    const int readsBefore = mode_->reads;
    QTest::qWait(700);
    EXPECT_TRUE(page_.IsWaitingForPushToSet());
    EXPECT_FALSE(Enabled("BalanceWhiteAuto"));
    // Every 200 ms: at least two polls in 700 ms, far fewer than a busy loop.
    EXPECT_GE(mode_->reads - readsBefore, 2);
    EXPECT_LE(mode_->reads - readsBefore, 5);

    // A read that fails ends the wait too.
    mode_->failRead = true;
    EXPECT_TRUE(QTest::qWaitFor([this] { return !page_.IsWaitingForPushToSet(); }, 1000));
}

TEST(WhiteBalancePage, MonochromeCameraOrNoneDisablesTheWholePage)
{
    TestCamera camera;
    camera.AddWhiteBalanceFeatures();
    camera.Get<FakeInteger>("DeviceColorFlg")->value = 0;
    for (bool connected : {true, false}) {
        camera.Host().connected = connected;
        WhiteBalancePage page;
        OpenPage(page, camera);
        EXPECT_FALSE(page.IsColorCamera());
        for (const char* name : {"BalanceWhiteAuto", "BalanceRatio_R", "BalanceRatio_BEdit", "YThreshold", "WBZone"})
            EXPECT_FALSE(page.findChild<QWidget*>(name)->isEnabled()) << name << " connected " << connected;
        EXPECT_EQ(camera.Get<TestEnum>("BalanceWhiteAuto")->reads, 0);
    }
}

namespace {

class AwbAreaDialogTest : public ::testing::Test {
protected:
    AwbAreaDialogTest() { camera_.AddWhiteBalanceFeatures(); }

    TestCamera camera_;
};

} // namespace

TEST_F(AwbAreaDialogTest, ZoneSlidersFollowTheWindowMode)
{
    CAwbAreaDlg dialog(&camera_.Camera());
    EXPECT_EQ(dialog.windowTitle(), "White Balance setting");
    auto* mode = dialog.findChild<QComboBox*>("WB_WindowMode");
    auto* x1 = dialog.findChild<QSlider*>("WB_WindowH1");
    ASSERT_NE(mode, nullptr);
    ASSERT_NE(x1, nullptr);
    EXPECT_EQ(mode->toolTip(), "20H_ 60H.4");
    EXPECT_FALSE(x1->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLabel*>("WB_WindowV2Value")->isEnabled());
    Choose(mode, 1);
    EXPECT_EQ(camera_.Get<TestEnum>("WB_WindowMode")->value, 1);
    EXPECT_TRUE(x1->isEnabled());
    EXPECT_EQ(x1->maximum(), 1279);
    EXPECT_EQ(dialog.findChild<QSlider*>("WB_WindowV1")->maximum(), 959);
    EXPECT_EQ(dialog.findChild<QLabel*>("WB_WindowH2Value")->text(), "[ 960]");
}

TEST_F(AwbAreaDialogTest, DraggedBordersStayApart)
{
    CAwbAreaDlg dialog(&camera_.Camera());
    dialog.findChild<QSlider*>("WB_WindowH2")->setValue(10);
    EXPECT_EQ(camera_.Get<FakeInteger>("WB_WindowH2")->value, 321);
    dialog.findChild<QSlider*>("WB_WindowV1")->setValue(959);
    EXPECT_EQ(camera_.Get<FakeInteger>("WB_WindowV1")->value, 719);
    EXPECT_EQ(dialog.findChild<QSlider*>("WB_WindowV1")->value(), 719);
}

TEST_F(AwbAreaDialogTest, DrawsTheZoneWhileOpen)
{
    OverlayRegistry* registry = camera_.Camera().Acquisition().GetOverlayRegistry();
    QImage frame(1280, 960, QImage::Format_Grayscale8);
    frame.fill(0);
    {
        CAwbAreaDlg dialog(&camera_.Camera());
        EXPECT_STREQ(dialog.Overlay().Name(), "AWBAREA");
        QPainter painter(&frame);
        registry->PaintAll(painter, frame.bits(), frame.width(), frame.height(), 1, nullptr);
    }
    EXPECT_TRUE(registry->IsEmpty());
    const int red = qGray(QColor(Qt::red).rgb());
    EXPECT_EQ(qGray(frame.pixel(320, 10)), red);
    EXPECT_EQ(qGray(frame.pixel(960, 900)), red);
    EXPECT_EQ(qGray(frame.pixel(10, 720)), red);
    EXPECT_EQ(qGray(frame.pixel(600, 500)), 0);
}
