#include "FakeCamera.h"

#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkSerialPort.h"
#include "selection/SdkDeviceFinderWnd.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr uint32_t kMono8 = 0x01080001;
constexpr uint32_t kMono16 = 0x01100007;
// Bootstrap registers of the first stream channel.
constexpr uint32_t kStreamHostPortRegister = 0x0D00;
constexpr uint32_t kStreamDestinationRegister = 0x0D18;

template <class T>
T* Feature(SdkDevice& device, const char* name)
{
    return dynamic_cast<T*>(device.GetGenParameters()->Get(name));
}

template <class T>
T* Link(SdkDevice& device, const char* name)
{
    return dynamic_cast<T*>(device.GetGenLink()->Get(name));
}

int64_t PacketSize(SdkDevice& device)
{
    int64_t size = 0;
    Feature<SdkGenInteger>(device, "GevSCPSPacketSize")->GetValue(size);
    return size;
}

// "00:11:22:AA:BB:CC": six upper-case hexadecimal pairs.
bool IsMacAddressText(const std::string& text)
{
    if (text.size() != 17)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool ok = i % 3 == 2 ? c == ':' : (std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'));
        if (!ok)
            return false;
    }
    return true;
}

class CountingSink : public SdkGenEventSink {
public:
    void OnParameterUpdate(SdkGenParameter* parameter) override { names.push_back(parameter->GetName()); }
    std::vector<std::string> names;
};

class CameraTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { camera_ = std::make_unique<FakeCamera>(TestAddress()); }
    static void TearDownTestSuite() { camera_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(camera_->IsReady()) << "no simulated camera at " << TestAddress();
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(camera_->Address(), info_));
        ASSERT_TRUE(device_.Connect(info_).IsOK());
    }

    static std::unique_ptr<FakeCamera> camera_;
    SdkDiscoveryRecord info_;
    SdkDevice device_;
};

std::unique_ptr<FakeCamera> CameraTest::camera_;

} // namespace

TEST_F(CameraTest, DiscoveryAndAddressLookupDescribeTheCameraAlike)
{
    std::vector<SdkDiscoveryRecord> found = SdkDiscoverDevices();
    auto listed = std::find_if(found.begin(), found.end(),
                               [&](const SdkDiscoveryRecord& d) { return d.GetIPAddress() == camera_->Address(); });
    ASSERT_NE(listed, found.end());
    EXPECT_EQ(listed->GetMACAddress(), info_.GetMACAddress());
    EXPECT_EQ(listed->GetModel(), info_.GetModel());
    EXPECT_EQ(listed->GetSerialNumber(), info_.GetSerialNumber());

    EXPECT_EQ(info_.GetIPAddress(), camera_->Address());
    EXPECT_TRUE(IsMacAddressText(info_.GetMACAddress())) << info_.GetMACAddress();
    EXPECT_EQ(info_.GetModel(), "Fake");
    EXPECT_EQ(info_.GetVendor(), "Aravis");
    EXPECT_EQ(info_.GetSerialNumber(), camera_->Serial());
}

TEST_F(CameraTest, AnAddressWhereNothingAnswersGivesNoDeviceInfo)
{
    SdkDiscoveryRecord info;
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SdkDiscoveryRecordFromAddress(TestAddress(1), info));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(SdkDiscoveryRecordFromAddress("not an address", info));
    SdkDevice device;
    EXPECT_FALSE(device.Connect(SdkDiscoveryRecord(TestAddress(1), "", "")).IsOK());
    EXPECT_FALSE(device.IsConnected());
}

TEST_F(CameraTest, FeaturesReadBackWithTheirTypes)
{
    EXPECT_TRUE(device_.IsConnected());
    SdkGenParameterArray& features = *device_.GetGenParameters();
    EXPECT_GT(features.GetCount(), 30u);
    for (uint32_t i = 0; i < features.GetCount(); ++i) {
        EXPECT_NE(features.Get(i)->GetName().rfind("Arv", 0), 0u) << features.Get(i)->GetName();
    }
    EXPECT_EQ(features.Get("Root"), nullptr) << "categories are not features";

    int64_t width = 0;
    ASSERT_NE(Feature<SdkGenInteger>(device_, "Width"), nullptr);
    EXPECT_TRUE(Feature<SdkGenInteger>(device_, "Width")->GetValue(width).IsOK());
    EXPECT_GT(width, 0);

    ASSERT_NE(Feature<SdkGenEnum>(device_, "PixelFormat"), nullptr);
    EXPECT_EQ(features.Get("PixelFormat")->GetType(), SDK_GEN_ENUM);
    std::string format;
    EXPECT_TRUE(Feature<SdkGenEnum>(device_, "PixelFormat")->GetValue(format).IsOK());
    EXPECT_FALSE(format.empty());

    bool flag = true;
    ASSERT_NE(Feature<SdkGenBoolean>(device_, "TestBoolean"), nullptr);
    EXPECT_TRUE(Feature<SdkGenBoolean>(device_, "TestBoolean")->SetValue(true).IsOK());
    EXPECT_TRUE(Feature<SdkGenBoolean>(device_, "TestBoolean")->GetValue(flag).IsOK());
    EXPECT_TRUE(flag);

    std::string model;
    ASSERT_NE(Feature<SdkGenString>(device_, "DeviceModelName"), nullptr);
    EXPECT_TRUE(Feature<SdkGenString>(device_, "DeviceModelName")->GetValue(model).IsOK());
    EXPECT_EQ(model, "Fake");

    double exposure = 0;
    ASSERT_NE(Feature<SdkGenFloat>(device_, "ExposureTimeAbs"), nullptr);
    EXPECT_TRUE(Feature<SdkGenFloat>(device_, "ExposureTimeAbs")->SetValue(2500.0).IsOK());
    EXPECT_TRUE(Feature<SdkGenFloat>(device_, "ExposureTimeAbs")->GetValue(exposure).IsOK());
    EXPECT_DOUBLE_EQ(exposure, 2500.0);

    ASSERT_NE(Feature<SdkGenCommand>(device_, "AcquisitionStop"), nullptr);
    EXPECT_FALSE(features.Get("AcquisitionStop")->IsReadable());
    EXPECT_TRUE(Feature<SdkGenCommand>(device_, "AcquisitionStop")->Execute().IsOK());

    // Struct entries are integer features of their own.
    EXPECT_NE(Feature<SdkGenInteger>(device_, "StructEntry_0_15"), nullptr);
}

TEST_F(CameraTest, IntegerRangesIncrementsAndVisibilityComeFromTheCamera)
{
    auto* width = Feature<SdkGenInteger>(device_, "Width");
    int64_t min = 0;
    int64_t max = 0;
    int64_t increment = 0;
    int64_t sensorWidth = 0;
    ASSERT_TRUE(width->GetMin(min).IsOK());
    ASSERT_TRUE(width->GetMax(max).IsOK());
    ASSERT_TRUE(width->GetIncrement(increment).IsOK());
    Feature<SdkGenInteger>(device_, "SensorWidth")->GetValue(sensorWidth);
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, sensorWidth);
    EXPECT_EQ(increment, 1);

    auto* packetSize = Feature<SdkGenInteger>(device_, "GevSCPSPacketSize");
    ASSERT_NE(packetSize, nullptr);
    packetSize->GetIncrement(increment);
    EXPECT_EQ(increment, 4);
    EXPECT_EQ(packetSize->GetVisibility(), SDK_VISIBILITY_EXPERT);

    SdkGenParameter* locked = device_.GetGenParameters()->Get("TLParamsLocked");
    ASSERT_NE(locked, nullptr);
    EXPECT_EQ(locked->GetVisibility(), SDK_VISIBILITY_INVISIBLE);
    EXPECT_FALSE(locked->IsVisible(SDK_VISIBILITY_GURU));
    EXPECT_TRUE(device_.GetGenParameters()->Get("Width")->IsVisible(SDK_VISIBILITY_BEGINNER));
}

TEST_F(CameraTest, EnumerationEntriesAndSettingByNameOrValue)
{
    auto* format = Feature<SdkGenEnum>(device_, "PixelFormat");
    uint32_t count = 0;
    ASSERT_TRUE(format->GetEntriesCount(count).IsOK());
    EXPECT_EQ(count, 7u);
    bool sawMono8 = false;
    for (uint32_t i = 0; i < count; ++i) {
        SdkGenEnumEntry entry;
        ASSERT_TRUE(format->GetEntryByIndex(i, entry).IsOK());
        EXPECT_TRUE(entry.IsAvailable());
        if (entry.GetName() == "Mono8") {
            sawMono8 = true;
            EXPECT_EQ(entry.GetValue(), kMono8);
        }
    }
    EXPECT_TRUE(sawMono8);
    SdkGenEnumEntry beyond;
    EXPECT_FALSE(format->GetEntryByIndex(count, beyond).IsOK());

    int64_t value = 0;
    std::string name;
    ASSERT_TRUE(format->SetValue(std::string("Mono16")).IsOK());
    format->GetValue(value);
    EXPECT_EQ(value, kMono16);
    ASSERT_TRUE(format->SetValue(int64_t{kMono8}).IsOK());
    format->GetValue(name);
    EXPECT_EQ(name, "Mono8");
}

TEST_F(CameraTest, WritesTheCameraRefusesFailAndChangeNothing)
{
    auto* width = Feature<SdkGenInteger>(device_, "Width");
    ASSERT_TRUE(width->SetValue(320).IsOK());
    EXPECT_EQ(width->SetValue(99999).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(width->SetValue(0).GetCode(), SdkResult::INVALID_PARAMETER);
    int64_t value = 0;
    width->GetValue(value);
    EXPECT_EQ(value, 320);

    auto* sensorWidth = Feature<SdkGenInteger>(device_, "SensorWidth");
    EXPECT_TRUE(sensorWidth->IsReadable());
    EXPECT_FALSE(sensorWidth->IsWritable());
    EXPECT_EQ(sensorWidth->SetValue(100).GetCode(), SdkResult::NOT_SUPPORTED);
    EXPECT_EQ(Feature<SdkGenString>(device_, "DeviceVendorName")->SetValue("x").GetCode(), SdkResult::NOT_SUPPORTED);

    EXPECT_EQ(Feature<SdkGenEnum>(device_, "PixelFormat")->SetValue(std::string("NoSuchFormat")).GetCode(),
              SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(Feature<SdkGenEnum>(device_, "PixelFormat")->SetValue(int64_t{12345}).GetCode(),
              SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(Feature<SdkGenFloat>(device_, "ExposureTimeAbs")->SetValue(1.0).GetCode(), SdkResult::INVALID_PARAMETER);

    auto* writeOnly = Feature<SdkGenInteger>(device_, "AcquisitionCommandRegister");
    ASSERT_NE(writeOnly, nullptr);
    EXPECT_FALSE(writeOnly->IsReadable());
    EXPECT_FALSE(writeOnly->GetValue(value).IsOK());
}

TEST_F(CameraTest, SinksHearOfChangesTheCameraTook)
{
    auto* gain = Feature<SdkGenInteger>(device_, "GainRaw");
    CountingSink sink;
    gain->RegisterEventSink(&sink);
    EXPECT_TRUE(gain->SetValue(3).IsOK());
    EXPECT_FALSE(gain->SetValue(11).IsOK());
    gain->UnregisterEventSink(&sink);
    EXPECT_EQ(sink.names, std::vector<std::string>{"GainRaw"});
}

TEST_F(CameraTest, PacketSizeFollowsTheLinkParameters)
{
    auto* autoNegotiation = Link<SdkGenBoolean>(device_, "AutoNegotiation");
    auto* defaultSize = Link<SdkGenInteger>(device_, "DefaultPacketSize");

    ASSERT_TRUE(autoNegotiation->SetValue(false).IsOK());
    ASSERT_TRUE(defaultSize->SetValue(1500).IsOK());
    ASSERT_TRUE(device_.NegotiatePacketSize(0, 1440).IsOK());
    EXPECT_EQ(PacketSize(device_), 1500);

    // Sizes off the camera's grid of 4 bytes are brought onto it.
    ASSERT_TRUE(defaultSize->SetValue(2003).IsOK());
    ASSERT_TRUE(device_.NegotiatePacketSize(0, 1440).IsOK());
    EXPECT_EQ(PacketSize(device_), 2000);

    // Larger than the camera takes: the fallback size applies.
    ASSERT_TRUE(defaultSize->SetValue(30000).IsOK());
    ASSERT_TRUE(device_.NegotiatePacketSize(0, 1440).IsOK());
    EXPECT_EQ(PacketSize(device_), 1440);

    // Negotiation: the loopback MTU is far above the camera's maximum.
    ASSERT_TRUE(autoNegotiation->SetValue(true).IsOK());
    ASSERT_TRUE(device_.NegotiatePacketSize(0, 1440).IsOK());
    int64_t max = 0;
    Feature<SdkGenInteger>(device_, "GevSCPSPacketSize")->GetMax(max);
    EXPECT_EQ(PacketSize(device_), max);
}

TEST_F(CameraTest, StreamDestinationGoesToTheChannelRegisters)
{
    ASSERT_TRUE(device_.SetStreamDestination("127.0.0.1", 50123).IsOK());
    uint32_t address = 0;
    uint32_t port = 0;
    ASSERT_TRUE(device_.ReadRegister(kStreamDestinationRegister, address).IsOK());
    ASSERT_TRUE(device_.ReadRegister(kStreamHostPortRegister, port).IsOK());
    EXPECT_EQ(address, 0x7F000001u);
    EXPECT_EQ(port & 0xFFFF, 50123u);
    EXPECT_EQ(device_.SetStreamDestination("127.0.0", 1).GetCode(), SdkResult::INVALID_PARAMETER);
}

TEST_F(CameraTest, MemoryReadsAnyRangeAndWritesWholeWords)
{
    // The bootstrap's model name field starts at 0x68.
    char text[4] = {};
    ASSERT_TRUE(device_.ReadMemory(0x69, text, 3).IsOK());
    EXPECT_EQ(std::string(text, 3), "ake");
    const uint8_t bytes[3] = {1, 2, 3};
    EXPECT_EQ(device_.WriteMemory(0x200, bytes, 3).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(device_.WriteMemory(0x202, bytes, 4).GetCode(), SdkResult::INVALID_PARAMETER);
}

TEST_F(CameraTest, ACameraControlledByAnotherClientDoesNotConnect)
{
    SdkDevice second;
    EXPECT_EQ(second.Connect(info_).GetCode(), SdkResult::STATE_ERROR);
    EXPECT_FALSE(second.IsConnected());
    EXPECT_EQ(second.GetGenParameters()->GetCount(), 0u);
}

TEST_F(CameraTest, DisconnectDropsTheFeaturesAndTheInterfaceAddress)
{
    std::string address;
    Link<SdkGenString>(device_, "IPAddress")->GetValue(address);
    EXPECT_EQ(address, "127.0.0.1");
    EXPECT_TRUE(device_.Disconnect().IsOK());
    EXPECT_FALSE(device_.IsConnected());
    EXPECT_EQ(device_.GetGenParameters()->GetCount(), 0u);
    Link<SdkGenString>(device_, "IPAddress")->GetValue(address);
    EXPECT_EQ(address, "");
    // Control is given back: the camera can be connected again at once.
    EXPECT_TRUE(device_.Connect(info_).IsOK());
}

TEST_F(CameraTest, ACameraWithoutTheSerialBridgeHasNoSerialPort)
{
    SdkSerialPort port;
    EXPECT_EQ(port.Open(device_, 0).GetCode(), SdkResult::NOT_SUPPORTED);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CameraTest, TheFinderOffersTheCameraAndCancelCancels)
{
    SdkDeviceFinderWnd finder;
    finder.SetTitle("Available GigE Vision Cameras");
    QString title;
    int rows = 0;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        rows = dialog->findChild<QTreeWidget*>()->topLevelItemCount();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(finder.ShowModal().GetCode(), SdkResult::CANCEL);
    EXPECT_FALSE(finder.GetSelected().has_value());
    EXPECT_EQ(title, "Available GigE Vision Cameras");
    EXPECT_GE(rows, 1);

    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeWidget*>();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->text(0).toStdString() == camera_->Address())
                list->topLevelItem(row)->setSelected(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(finder.ShowModal().IsOK());
    ASSERT_TRUE(finder.GetSelected().has_value());
    EXPECT_EQ(finder.GetSelected()->GetIPAddress(), camera_->Address());
}

TEST(LinkRecovery, ControlLostWhileTheCameraWasAwayIsTakenBackOnlyWhenEnabled)
{
    FakeCamera camera(TestAddress(1));
    ASSERT_TRUE(camera.IsReady());
    SdkDiscoveryRecord info;
    ASSERT_TRUE(SdkDiscoveryRecordFromAddress(camera.Address(), info));
    SdkDevice device;
    ASSERT_TRUE(device.Connect(info).IsOK());

    // Longer than the camera's heartbeat timeout: it drops our control.
    auto loseControl = [&] {
        camera.Pause();
        std::this_thread::sleep_for(std::chrono::seconds(4));
        camera.Resume();
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (device.IsConnected() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    };
    loseControl();
    EXPECT_FALSE(device.IsConnected());

    ASSERT_TRUE(Link<SdkGenBoolean>(device, "LinkRecoveryEnabled")->SetValue(true).IsOK());
    EXPECT_TRUE(device.IsConnected());
    EXPECT_TRUE(Feature<SdkGenInteger>(device, "Width")->SetValue(128).IsOK());

    // The acquisition thread's question never waits: the control comes back
    // in the background.
    ASSERT_TRUE(Link<SdkGenBoolean>(device, "LinkRecoveryEnabled")->SetValue(false).IsOK());
    loseControl();
    ASSERT_TRUE(Link<SdkGenBoolean>(device, "LinkRecoveryEnabled")->SetValue(true).IsOK());
    EXPECT_FALSE(device.HasControl());
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!device.HasControl() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(device.HasControl());
}
