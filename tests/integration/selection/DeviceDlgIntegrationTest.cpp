// The camera selection dialog against simulated cameras: connecting up to
// four, the details shown, the packet size given to the next camera, the
// first camera's drawing file and disconnecting them all.
#include "AppTestSupport.h"
#include "TempDir.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "context/CameraContext.h"
#include "context/SettingsFile.h"
#include "drawing/CDrawingManagement.h"
#include "profile/Profile.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "selection/CDeviceDlg.h"
#include "sim/SimCamera.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kCameras = 4;

// A drawing file holding one line.
bool SaveOneLineDrawing(const QString& path)
{
    CDrawingManagement manager;
    manager.SetImageSize(320, 240);
    manager.SetTool(1);
    manager.OnPress(QPoint(10, 10), 0);
    manager.OnPress(QPoint(50, 60), 0);
    manager.OnRelease();
    return manager.ObjectCount() == 1 && manager.SaveDrawingFile(path);
}

class DeviceDlgIntegrationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < kCameras; ++i) {
            SimOptions options;
            options.interfaceAddress = TestAddress(i);
            options.width = 320;
            options.height = 240;
            cameras_[i] = std::make_unique<SimCamera>();
            ASSERT_TRUE(cameras_[i]->Start(options)) << cameras_[i]->ErrorText();
        }
    }

    static void TearDownTestSuite()
    {
        for (auto& camera : cameras_)
            camera.reset();
    }

    DeviceDlgIntegrationTest() : context_(dir_.file("lumivex.dat")), dialog_(context_, true, prompts_)
    {
        // The finder hands out the simulated cameras in turn.
        CDeviceDlg::Services services = CDeviceDlg::SystemServices(prompts_);
        services.findCamera = [this](std::optional<SdkDiscoveryRecord>& selected) {
            SdkDiscoveryRecord info;
            if (!SdkDiscoveryRecordFromAddress(TestAddress(nextCamera_++), info))
                return SdkResult(SdkResult::GENERIC_ERROR);
            selected = info;
            return SdkResult(SdkResult::OK);
        };
        services.choosePacketSize = [this](QWidget*, bool& autoNegotiation, int32_t& packetSize, int32_t minimum,
                                           int32_t maximum) {
            shownRange_ = {minimum, maximum};
            autoNegotiation = false;
            packetSize = kChosenPacketSize;
            return true;
        };
        dialog_.SetServices(services);
        dialog_.Initialise();
    }

    static constexpr int32_t kChosenPacketSize = 1400;
    static inline std::array<std::unique_ptr<SimCamera>, kCameras> cameras_;
    TempDir dir_;
    RecordingPrompts prompts_;
    CameraContext context_;
    CDeviceDlg dialog_;
    int nextCamera_ = 0;
    std::pair<int32_t, int32_t> shownRange_;
};

TEST_F(DeviceDlgIntegrationTest, ConnectsUpToFourCamerasAndShowsTheNewest)
{
    for (int i = 1; i <= kCameras; ++i) {
        ASSERT_TRUE(dialog_.ConnectButton()->isEnabled());
        dialog_.ConnectButton()->click();
        ASSERT_TRUE(prompts_.shown.empty()) << prompts_.Texts().join(' ').toStdString();
        ASSERT_EQ(context_.CameraCount(), i);
        EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("%1/%1 (Max 4)").arg(i));
        EXPECT_TRUE(dialog_.DisconnectButton()->isEnabled());
    }
    EXPECT_FALSE(dialog_.ConnectButton()->isEnabled());

    CameraConnection* newest = context_.Camera(kCameras - 1);
    const std::string address = TestAddress(kCameras - 1);
    const QString lastByte = QString::fromStdString(address.substr(address.rfind('.') + 1));
    EXPECT_EQ(dialog_.AddressField()->text(), QStringLiteral("127.  0.  0.%1").arg(lastByte, 3));
    EXPECT_EQ(dialog_.ModelField()->text(), QString::fromStdString(newest->Identity().model));
    EXPECT_EQ(dialog_.MACAddressField()->text().toUpper(),
              QString::fromStdString(newest->Identity().macAddress).toUpper());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[ 0-9]{3}(\\.[ 0-9]{3}){3}$"))
                    .match(dialog_.NICAddressField()->text())
                    .hasMatch())
        << dialog_.NICAddressField()->text().toStdString();

    dialog_.PreviousButton()->click();
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("3/4 (Max 4)"));
    EXPECT_EQ(dialog_.ModelField()->text(), QString::fromStdString(context_.Camera(2)->Identity().model));

    dialog_.DisconnectButton()->click();
    EXPECT_EQ(context_.CameraCount(), 0);
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("0/0 (Max 4)"));
}

TEST_F(DeviceDlgIntegrationTest, TheChosenPacketSizeAppliesToTheCamerasConnectedAfterwards)
{
    dialog_.ConnectButton()->click();
    ASSERT_EQ(context_.CameraCount(), 1);
    int32_t negotiation = 0;
    ASSERT_TRUE(ReadFeatureValue(context_.Camera(0)->GetDevice().GetGenLink(), "AutoNegotiation", negotiation));
    EXPECT_EQ(negotiation, 1);

    dialog_.EditPacketSize();
    EXPECT_EQ(shownRange_, (std::pair<int32_t, int32_t>(576, 65024)));
    dialog_.ConnectButton()->click();
    ASSERT_EQ(context_.CameraCount(), 2);
    SdkGenParameterArray* link = context_.Camera(1)->GetDevice().GetGenLink();
    int32_t packetSize = 0;
    ASSERT_TRUE(ReadFeatureValue(link, "AutoNegotiation", negotiation));
    ASSERT_TRUE(ReadFeatureValue(link, "DefaultPacketSize", packetSize));
    EXPECT_EQ(negotiation, 0);
    EXPECT_EQ(packetSize, kChosenPacketSize);
}

TEST_F(DeviceDlgIntegrationTest, TheFirstCameraLoadsItsDrawingFile)
{
    SdkDiscoveryRecord info;
    ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(0), info));
    const QString drawing = QString::fromStdString(dir_.file("camera.drw"));
    ASSERT_TRUE(SaveOneLineDrawing(drawing));
    ASSERT_TRUE(
        Profile(context_.SettingsPath()).WriteString(info.GetMACAddress(), kDrawFileNameKey, drawing.toStdString()));

    dialog_.ConnectButton()->click();
    ASSERT_EQ(context_.CameraCount(), 1);
    EXPECT_EQ(context_.drawingManager->DrawingFileName(), drawing);
    EXPECT_EQ(context_.drawingManager->ObjectCount(), 1);

    // A second camera loads nothing.
    context_.drawingManager->SetDrawingFileName(QString());
    dialog_.ConnectButton()->click();
    ASSERT_EQ(context_.CameraCount(), 2);
    EXPECT_TRUE(context_.drawingManager->DrawingFileName().isEmpty());
}

TEST_F(DeviceDlgIntegrationTest, ACameraNamedAtStartLoadsItsDrawingFileAndKeepsItAcrossExit)
{
    SdkDiscoveryRecord info;
    ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(0), info));
    const std::string settings = dir_.file("started.dat");
    const QString drawing = QString::fromStdString(dir_.file("started.drw"));
    ASSERT_TRUE(SaveOneLineDrawing(drawing));
    ASSERT_TRUE(Profile(settings).WriteString(info.GetMACAddress(), kDrawFileNameKey, drawing.toStdString()));
    {
        CameraContext context(settings);
        CDeviceDlg dialog(context, true, prompts_);
        ASSERT_TRUE(dialog.ConnectAtStart(info));
        EXPECT_EQ(context.drawingManager->DrawingFileName(), drawing);
        EXPECT_EQ(context.drawingManager->ObjectCount(), 1);
        // "Manage Connection" later shows the dialog as after start-up.
        dialog.Initialise();
        EXPECT_TRUE(dialog.EndButton()->isHidden());
    }
    EXPECT_EQ(Profile(settings).GetString(info.GetMACAddress(), kDrawFileNameKey, std::string_view()),
              drawing.toStdString());
}

} // namespace
