// The camera selection dialog on cameras that need no network: page label,
// buttons, paging, disconnecting, the finder's outcomes and the packet size.
#include "AppTestSupport.h"
#include "CameraFakes.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "context/CameraContext.h"
#include "selection/CDeviceDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A camera that refuses the connection.
class RefusingDevice : public FakeDevice {
public:
    SdkResult Connect(const SdkDiscoveryRecord&, int) override { return SdkResult::NOT_CONNECTED; }
};

class DeviceDlgTest : public ::testing::Test {
protected:
    DeviceDlgTest() : context_(dir_.file("lumivex.dat")), dialog_(context_, true, prompts_) {}

    // Adds a listed camera whose current address ends in lastByte.
    void AddCamera(int lastByte)
    {
        FakeDevice* device = nullptr;
        CameraConnection* camera = context_.AddCamera(MakeFakeCamera(dir_, &device));
        ASSERT_NE(camera, nullptr);
        AddFake<FakeInteger>(device->features, "GevCurrentIPAddress", 0x7F000000 + lastByte);
        AddFake<FakeString>(device->features, "DeviceModelName", "LX-" + std::to_string(lastByte));
        AddFake<FakeInteger>(device->features, "GevMACAddress", 0x0011223344A0 + lastByte, 0, 0xFFFFFFFFFFFF);
        AddFake<FakeString>(device->features, "DeviceUserID", "user");
    }

    TempDir dir_;
    RecordingPrompts prompts_;
    CameraContext context_;
    CDeviceDlg dialog_;
};

TEST_F(DeviceDlgTest, WithoutCamerasThePageIsEmptyAndOnlyConnectWorks)
{
    dialog_.Initialise();
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("GigE Vision Camera Selection"));
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("0/0 (Max 4)"));
    EXPECT_EQ(dialog_.ShownIndex(), -1);
    EXPECT_TRUE(dialog_.ConnectButton()->isEnabled());
    EXPECT_FALSE(dialog_.DisconnectButton()->isEnabled());
    EXPECT_TRUE(dialog_.ModelField()->text().isEmpty());
    // ▲ and ▼ change nothing without cameras.
    dialog_.ShowNext();
    dialog_.ShowPrevious();
    EXPECT_EQ(dialog_.ShownIndex(), -1);
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("0/0 (Max 4)"));
}

TEST_F(DeviceDlgTest, EndIsShownOnlyTheFirstTime)
{
    dialog_.Initialise();
    EXPECT_FALSE(dialog_.EndButton()->isHidden());
    dialog_.Initialise();
    EXPECT_TRUE(dialog_.EndButton()->isHidden());
}

TEST_F(DeviceDlgTest, ShowsTheFirstCameraAndPagesThroughTheList)
{
    AddCamera(10);
    AddCamera(11);
    AddCamera(12);
    dialog_.Initialise();
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("1/3 (Max 4)"));
    EXPECT_EQ(dialog_.AddressField()->text(), QStringLiteral("127.  0.  0. 10"));
    EXPECT_EQ(dialog_.ModelField()->text(), QStringLiteral("LX-10"));
    EXPECT_EQ(dialog_.MACAddressField()->text(), QStringLiteral("00:11:22:33:44:AA"));
    EXPECT_EQ(dialog_.UserNameField()->text(), QStringLiteral("user"));
    // The fake device has no link parameters, hence no NIC address.
    EXPECT_TRUE(dialog_.NICAddressField()->text().isEmpty());

    dialog_.NextButton()->click();
    dialog_.NextButton()->click();
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("3/3 (Max 4)"));
    EXPECT_EQ(dialog_.ModelField()->text(), QStringLiteral("LX-12"));

    // ▲ on the last camera changes nothing.
    dialog_.ModelField()->setText(QStringLiteral("untouched"));
    dialog_.NextButton()->click();
    EXPECT_EQ(dialog_.ShownIndex(), 2);
    EXPECT_EQ(dialog_.ModelField()->text(), QStringLiteral("untouched"));

    dialog_.PreviousButton()->click();
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("2/3 (Max 4)"));
    EXPECT_EQ(dialog_.ModelField()->text(), QStringLiteral("LX-11"));
}

TEST_F(DeviceDlgTest, DisconnectAnsweredNoKeepsEveryCamera)
{
    AddCamera(10);
    AddCamera(11);
    dialog_.Initialise();
    dialog_.ShowNext();
    prompts_.answer = false;
    dialog_.DisconnectButton()->click();
    EXPECT_EQ(prompts_.questions, QStringList{QStringLiteral("Disconnect?")});
    EXPECT_EQ(context_.CameraCount(), 2);
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("2/2 (Max 4)"));
}

TEST_F(DeviceDlgTest, DisconnectAnsweredYesRemovesAllCameras)
{
    AddCamera(10);
    AddCamera(11);
    AddCamera(12);
    AddCamera(13);
    dialog_.Initialise();
    EXPECT_FALSE(dialog_.ConnectButton()->isEnabled());
    dialog_.DisconnectButton()->click();
    EXPECT_EQ(context_.CameraCount(), 0);
    EXPECT_EQ(dialog_.ShownIndex(), -1);
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("0/0 (Max 4)"));
    EXPECT_TRUE(dialog_.ModelField()->text().isEmpty());
    EXPECT_TRUE(dialog_.ConnectButton()->isEnabled());
    EXPECT_FALSE(dialog_.DisconnectButton()->isEnabled());
}

TEST_F(DeviceDlgTest, AnAbortedFinderExplainsTheSelectionAndAFailedConnectionSaysSo)
{
    CDeviceDlg::Services services = CDeviceDlg::SystemServices(prompts_);
    services.findCamera = [](std::optional<SdkDiscoveryRecord>&) { return SdkResult(SdkResult::ABORTED); };
    dialog_.SetServices(services);
    dialog_.Initialise();
    dialog_.Connect();
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].caption, QStringLiteral("GigE Vision"));
    EXPECT_TRUE(prompts_.shown[0].text.startsWith(QStringLiteral("Invalid selection.")));

    // Any other failure, Cancel in the list, or no camera chosen, ends quietly.
    services.findCamera = [](std::optional<SdkDiscoveryRecord>& selected) {
        selected.reset();
        return SdkResult(SdkResult::OK);
    };
    dialog_.SetServices(services);
    dialog_.Connect();
    services.findCamera = [](std::optional<SdkDiscoveryRecord>&) { return SdkResult(SdkResult::CANCEL); };
    dialog_.SetServices(services);
    dialog_.Connect();
    EXPECT_EQ(prompts_.shown.size(), 1u);

    // A camera object whose device refuses the connection leaves the list as it was.
    services.findCamera = [](std::optional<SdkDiscoveryRecord>& selected) {
        selected = SdkDiscoveryRecord("127.0.0.99", "00:00:00:00:00:99", "LX");
        return SdkResult(SdkResult::OK);
    };
    services.makeCamera = [this] {
        return std::make_unique<CameraConnection>(std::make_unique<RefusingDevice>(), std::make_unique<FakePipeline>(),
                                                  std::make_unique<CRS232C_OM>(dir_.file("serial.ini")));
    };
    dialog_.SetServices(services);
    dialog_.Connect();
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompts_.shown[1].text, QStringLiteral("Connection failed."));
    EXPECT_EQ(prompts_.shown[1].icon, MessagePrompts::Icon::Exclamation);
    EXPECT_EQ(context_.CameraCount(), 0);
    EXPECT_EQ(dialog_.PageLabel()->text(), QStringLiteral("0/0 (Max 4)"));
}

TEST_F(DeviceDlgTest, SaveOpensTheAddressDialogForTheShownCameraOrNone)
{
    AddCamera(10);
    SdkDevice* given = nullptr;
    int calls = 0;
    CDeviceDlg::Services services = CDeviceDlg::SystemServices(prompts_);
    services.editIPAddress = [&](QWidget*, SdkDevice* device) {
        given = device;
        ++calls;
    };
    dialog_.SetServices(services);
    dialog_.Initialise();
    dialog_.EditIPAddress();
    EXPECT_EQ(given, &context_.FirstCamera()->GetDevice());

    prompts_.answer = true;
    dialog_.Disconnect();
    dialog_.EditIPAddress();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(given, nullptr);
}

TEST_F(DeviceDlgTest, PacketSizeTakesTheSdkRangeOnceAndKeepsTheChoice)
{
    FakeInteger* linkSize = nullptr;
    FakeBoolean* linkNegotiation = nullptr;
    int devicesMade = 0;
    int32_t shownMinimum = 0;
    int32_t shownMaximum = 0;
    bool shownAuto = false;
    int32_t shownSize = 0;
    CDeviceDlg::Services services = CDeviceDlg::SystemServices(prompts_);
    services.makeDevice = [&] {
        ++devicesMade;
        auto device = std::make_unique<FakeDevice>();
        linkNegotiation = AddFake<FakeBoolean>(device->link, "AutoNegotiation", true);
        linkSize = AddFake<FakeInteger>(device->link, "DefaultPacketSize", 1500, 576, 9000);
        return device;
    };
    services.choosePacketSize = [&](QWidget*, bool& autoNegotiation, int32_t& packetSize, int32_t minimum,
                                    int32_t maximum) {
        shownAuto = autoNegotiation;
        shownSize = packetSize;
        shownMinimum = minimum;
        shownMaximum = maximum;
        autoNegotiation = false;
        packetSize = 4000;
        return true;
    };
    dialog_.SetServices(services);

    dialog_.EditPacketSize();
    EXPECT_EQ(devicesMade, 1);
    EXPECT_TRUE(shownAuto);
    EXPECT_EQ(shownSize, 1500);
    EXPECT_EQ(shownMinimum, 576);
    EXPECT_EQ(shownMaximum, 9000);
    EXPECT_FALSE(dialog_.AutoNegotiation());
    EXPECT_EQ(dialog_.PacketSize(), 4000);

    dialog_.EditPacketSize();
    EXPECT_EQ(devicesMade, 1);
    EXPECT_FALSE(shownAuto);
    EXPECT_EQ(shownSize, 4000);

    // Cancel keeps the choice made before.
    services.choosePacketSize = [](QWidget*, bool& autoNegotiation, int32_t& packetSize, int32_t, int32_t) {
        autoNegotiation = true;
        packetSize = 600;
        return false;
    };
    dialog_.SetServices(services);
    dialog_.EditPacketSize();
    EXPECT_FALSE(dialog_.AutoNegotiation());
    EXPECT_EQ(dialog_.PacketSize(), 4000);
}

} // namespace
