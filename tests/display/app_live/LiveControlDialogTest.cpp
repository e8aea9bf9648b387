// The control dialog over the main window's live image: the ALC and white
// balance area dialogs draw their metering borders over it while they are
// open, and the Other page's interpolation reaches the display at once.
#include "LiveMainWindow.h"

#include "app/CLumivexDlg.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/SettingsPage.h"

#include "display/GlDisplayWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kOverlayWaitMs = 600;

bool IsBorderRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// Whether the displayed image has a red vertical line at x over the rows
// [top, top + length) and a red horizontal one at y over the columns
// [left, left + length).
testing::AssertionResult HasRedBorders(const QImage& image, int x, int y, int top, int left, int length)
{
    if (image.size() != QSize(kWidth, kHeight))
        return testing::AssertionFailure() << "image is " << image.width() << "x" << image.height();
    for (int i = 0; i < length; ++i) {
        if (!IsBorderRed(image.pixel(x, top + i)))
            return testing::AssertionFailure() << "no red at (" << x << "," << top + i << ")";
        if (!IsBorderRed(image.pixel(left + i, y)))
            return testing::AssertionFailure() << "no red at (" << left + i << "," << y << ")";
    }
    return testing::AssertionSuccess();
}

class LiveControlDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimOptions options;
        options.width = kWidth;
        options.height = kHeight;
        options.colour = true;
        ASSERT_TRUE(live_.Start(options));
        live_.Window().move(0, 0);
        live_.Window().Action(CLumivexDlg::kSettings)->trigger();
        controls_ = live_.Window().ControlDialog();
        ASSERT_NE(controls_, nullptr);
        controls_->move(live_.Window().frameGeometry().right() + 10, 0);
    }

    // Opens the area dialog behind the page's button and, while it is open
    // beside the control dialog, hands the live image to check.
    void WithAreaDialogOpen(CLxCtrlMainDlg::Tab tab, const char* button, const std::function<void(QWidget&)>& check)
    {
        controls_->Tabs()->setCurrentIndex(tab);
        controls_->RefreshCurrentPageAndTitle();
        auto* opener = controls_->Page(tab)->findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(opener, nullptr) << button;
        ASSERT_TRUE(opener->isEnabled()) << button;
        bool checked = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->move(controls_->x(), controls_->frameGeometry().bottom() + 10);
            WaitLive(kOverlayWaitMs);
            check(*dialog);
            checked = true;
            dialog->close();
        });
        opener->click();
        EXPECT_TRUE(checked);
        EXPECT_TRUE(live_.Prompts().shown.empty()) << live_.Prompts().Texts().join(' ').toStdString();
    }

    LiveMainWindow live_;
    CLxCtrlMainDlg* controls_ = nullptr;
};

TEST_F(LiveControlDialog, AlcBordersAreDrawnOnTheLiveImageWhileTheDialogIsOpen)
{
    // The weights and borders apply to automatic gain control.
    ASSERT_TRUE(WriteFeatureValue(live_.Context().FirstCamera()->Features(), "GainAuto", 1));
    // The camera's ALC borders divide the image in fifths: x 128, 256, 384,
    // 512 and y 96, 192, 288, 384.
    WithAreaDialogOpen(CLxCtrlMainDlg::kGainShutterTab, "Weight", [&](QWidget&) {
        const QImage image = live_.DisplayedImage();
        EXPECT_TRUE(HasRedBorders(image, 128, 96, 20, 20, 40));
        EXPECT_TRUE(HasRedBorders(image, 512, 384, 400, 540, 40));
        LiveMainWindow::SaveScreenshot(QStringLiteral("live-alc-area"));
    });
}

TEST_F(LiveControlDialog, WhiteBalanceBordersAreDrawnOnTheLiveImageWhileTheDialogIsOpen)
{
    // The camera's white balance window is the middle half: x 160 to 480,
    // y 120 to 360.
    WithAreaDialogOpen(CLxCtrlMainDlg::kWhiteBalanceTab, "WBZone", [&](QWidget&) {
        const QImage image = live_.DisplayedImage();
        EXPECT_TRUE(HasRedBorders(image, 160, 120, 200, 200, 40));
        EXPECT_TRUE(HasRedBorders(image, 480, 360, 20, 520, 40));
        LiveMainWindow::SaveScreenshot(QStringLiteral("live-awb-area"));
    });
}

TEST_F(LiveControlDialog, TheOtherPagesInterpolationReachesTheMainDisplayWhilePreviewing)
{
    controls_->Tabs()->setCurrentIndex(CLxCtrlMainDlg::kOtherTab);
    auto* interpolation =
        controls_->Page(CLxCtrlMainDlg::kOtherTab)->findChild<QComboBox*>(QStringLiteral("ColorInterpolation"));
    ASSERT_NE(interpolation, nullptr);
    ASSERT_TRUE(interpolation->isEnabled());
    const uint64_t framesBefore = live_.Camera().FramesSent();
    interpolation->setCurrentIndex(4);
    emit interpolation->activated(4);
    EXPECT_EQ(live_.Window().MainDisplay().DisplayWindow()->InterpolationMethod(), 4);
    EXPECT_EQ(live_.Context().displaySettings.interpolationMethod, 4);
    EXPECT_TRUE(live_.Window().IsPreviewing());
    EXPECT_TRUE(live_.Camera().WaitForFrames(framesBefore + 3, std::chrono::seconds(3)));
}

} // namespace
