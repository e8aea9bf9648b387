// Start-up and its helpers: command line, option board model list, version
// and camera texts of the about box, menu rules, mouse positions, address
// texts, and the "End" path of the start-up sequence.
#include "AppTestSupport.h"
#include "TempDir.h"

#include "app/AboutText.h"
#include "app/CLumivexApp.h"
#include "app/LaunchOptions.h"
#include "app/MainMenuState.h"
#include "app/OptionModels.h"
#include "app/ZoomGeometry.h"
#include "camera/NetworkText.h"
#include "context/SettingsFile.h"
#include "platform/DataFiles.h"
#include "profile/Profile.h"
#include "selection/CDeviceDlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(LaunchOptions, DemoAndConnectForms)
{
    LaunchOptions none = ParseLaunchOptions({});
    EXPECT_TRUE(none.error.isEmpty());
    EXPECT_EQ(none.demoCameras, 0);
    EXPECT_FALSE(none.connect);

    LaunchOptions demo = ParseLaunchOptions({"--demo=3", "--connect"});
    EXPECT_TRUE(demo.error.isEmpty());
    EXPECT_EQ(demo.demoCameras, 3);
    EXPECT_EQ(demo.connectAddresses, (std::vector<std::string>{"127.0.0.1", "127.0.0.2", "127.0.0.3"}));

    LaunchOptions listed = ParseLaunchOptions({"--connect", "10.0.0.5,10.0.0.6", "--demo"});
    EXPECT_TRUE(listed.error.isEmpty());
    EXPECT_EQ(listed.demoCameras, 1);
    EXPECT_EQ(listed.connectAddresses, (std::vector<std::string>{"10.0.0.5", "10.0.0.6"}));

    EXPECT_EQ(ParseLaunchOptions({"--stats-log", "s.csv", "--demo"}).statsLogPath, "s.csv");
    EXPECT_EQ(ParseLaunchOptions({"--stats-log=/tmp/s.csv"}).statsLogPath, "/tmp/s.csv");
    EXPECT_FALSE(ParseLaunchOptions({"--stats-log"}).error.isEmpty());
    EXPECT_TRUE(ParseLaunchOptions({"--demo=4", "--connect", "--tile"}).tile);
    EXPECT_FALSE(ParseLaunchOptions({"--demo=4", "--connect"}).tile);
    EXPECT_FALSE(ParseLaunchOptions({"--demo=5"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"--demo=x"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"--connect"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"--connect=1.1.1.1,1.1.1.2,1.1.1.3,1.1.1.4,1.1.1.5"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"--colour"}).error.isEmpty());

    EXPECT_TRUE(ParseLaunchOptions({"--help"}).help);
    EXPECT_TRUE(ParseLaunchOptions({"-h"}).help);
    EXPECT_TRUE(ParseLaunchOptions({"--version"}).version);
    EXPECT_TRUE(LaunchUsage().contains(QStringLiteral("--version")));
}

class OptionModelsTest : public ::testing::Test {
protected:
    void Write(const std::string& text) { std::ofstream(path_) << text; }

    TempDir dir_;
    std::string path_ = dir_.file(kOptionFileName);
};

TEST_F(OptionModelsTest, TheOptionFlagPassesEvenAnUnlistedModel)
{
    Write("[Model]\nCode000=500\n");
    EXPECT_TRUE(IsOptionBoardModel(1, 0x0101, path_));
    // Only the low 16 bits of the flag count.
    EXPECT_TRUE(IsOptionBoardModel(0x20001, 0x0101, path_));
    EXPECT_FALSE(IsOptionBoardModel(2, 0x0101, path_));
}

TEST_F(OptionModelsTest, ModelsAreListedFromCode000UpToEnd)
{
    Write("[Model]\nCode000=500\nCode001=257\nCode002=End\nCode003=300\n");
    EXPECT_TRUE(IsOptionBoardModel(0, 500, path_));
    EXPECT_TRUE(IsOptionBoardModel(0, 257, path_));
    // The low 16 bits of the model code are compared.
    EXPECT_TRUE(IsOptionBoardModel(0, 0x10000 + 257, path_));
    EXPECT_FALSE(IsOptionBoardModel(0, 300, path_));
    EXPECT_FALSE(IsOptionBoardModel(0, 301, path_));
}

TEST_F(OptionModelsTest, AListWithoutCode000HasNoModels)
{
    Write("[Model]\nCode001=257\n");
    EXPECT_FALSE(IsOptionBoardModel(0, 257, path_));
    Write("[Model]\nCode000=\nCode001=257\n");
    EXPECT_FALSE(IsOptionBoardModel(0, 257, path_));
    std::filesystem::remove(path_);
    EXPECT_FALSE(IsOptionBoardModel(0, 257, path_));
}

// A data file is taken from the first folder that has it: beside the program,
// the user's data folder, the system's, the installation prefix's; without
// one, it is named beside the program.
TEST(DataFiles, TheFirstFolderHoldingTheFileWins)
{
    TempDir dir;
    const QString root = QString::fromStdString(dir.path().string());
    const QString programFolder = root + "/prefix/bin";
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    const QByteArray system = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", (root + "/home").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (root + "/usr-local:" + root + "/usr").toLocal8Bit());

    const QString beside = programFolder + "/option.ini";
    EXPECT_EQ(DataFilePath(programFolder, "option.ini"), beside);
    const QString folders[] = {root + "/prefix/share/lumivex", root + "/usr/lumivex", root + "/usr-local/lumivex",
                               root + "/home/lumivex", programFolder};
    for (const QString& folder : folders) {
        std::filesystem::create_directories(folder.toStdString());
        std::ofstream((folder + "/option.ini").toStdString()) << "[Model]\n";
        EXPECT_EQ(DataFilePath(programFolder, "option.ini"), folder + "/option.ini");
    }
    EXPECT_EQ(DataFilePath(programFolder, "lumivex.ini"), programFolder + "/lumivex.ini");

    qputenv("XDG_DATA_HOME", home);
    qputenv("XDG_DATA_DIRS", system);
}

TEST(AboutText, SerialNumberNibblesAndMonthLetter)
{
    // b3 = 0x12, b2 = 0x34 (month 4: D), b1 = 0x56, b0 = 0x78.
    EXPECT_EQ(CameraSerialText(0x12345678), QStringLiteral("12D8563"));
    // Month 9 skips the letter I; 0 and 13 have none.
    EXPECT_EQ(CameraSerialText(0xAB09CDEF), QStringLiteral("ABJFCD0"));
    EXPECT_EQ(CameraSerialText(0x00000000), QStringLiteral("00-0000"));
    EXPECT_EQ(CameraSerialText(0x000D0000), QStringLiteral("00-0000"));
    EXPECT_EQ(CameraSerialText(0x000C0000), QStringLiteral("00M0000"));
}

TEST(AboutText, VersionLinesAndFirmwareNibbles)
{
    EXPECT_EQ(FirmwareVersionText(0x0702), QStringLiteral("0207"));
    CameraAboutData camera;
    camera.model = QStringLiteral("LX-1280C");
    camera.serialNumber = 0x12345678;
    camera.hardwareVersion = 0x102;
    camera.fpgaFirmwareVersion = 0x0304;
    camera.firmwareVersion = 0xA1B2;
    const QString text = AboutText(QStringLiteral("Lumivex"), ProductVersion{1, 2, 3, 4}, camera);
    EXPECT_EQ(text.split(QLatin1Char('\n')),
              (QStringList{"Lumivex:v1.2.3.4", "Camera Serial:12D8563(LX-1280C)", "Camera Hardware Version:0102",
                           "Camera FPGA Frimware Version:0403", "Camera Frimware Version:B2A1"}));
    const ProductVersion version = LumivexProductVersion();
    EXPECT_GE(version.major + version.minor + version.patch, 1);
    EXPECT_FALSE(LegalNotice().isEmpty());
}

TEST(MainMenuState, ManageConnectionWaitsForTheWindowsAndThePreview)
{
    MainMenuInputs inputs;
    EXPECT_TRUE(ComputeMenuState(inputs).manageConnection);
    inputs.waveformShown = true;
    EXPECT_FALSE(ComputeMenuState(inputs).manageConnection);
    inputs = {};
    inputs.histogramShown = true;
    EXPECT_FALSE(ComputeMenuState(inputs).manageConnection);
    inputs = {};
    inputs.settingsShown = true;
    EXPECT_FALSE(ComputeMenuState(inputs).manageConnection);
    inputs = {};
    inputs.hasCamera = true;
    inputs.previewing = true;
    EXPECT_FALSE(ComputeMenuState(inputs).manageConnection);
}

TEST(MainMenuState, RecordingLocksTheCommandsThatWouldDisturbIt)
{
    MainMenuInputs inputs;
    inputs.hasCamera = true;
    MainMenuState idle = ComputeMenuState(inputs);
    EXPECT_TRUE(idle.settings && idle.waveform && idle.histogram && idle.videoCapture && idle.snapShot);
    inputs.recording = true;
    MainMenuState recording = ComputeMenuState(inputs);
    EXPECT_FALSE(recording.settings || recording.waveform || recording.histogram || recording.videoCapture);
    EXPECT_TRUE(recording.snapShot && recording.size && recording.callback && recording.showThumbnail);

    MainMenuState none = ComputeMenuState(MainMenuInputs{});
    EXPECT_FALSE(none.settings || none.size || none.callback || none.snapShot || none.showThumbnail);
    EXPECT_FALSE(none.opSetting || none.deleteDrawing);
}

TEST(ZoomGeometry, WindowPointsBecomeImagePointsAtEveryZoom)
{
    EXPECT_EQ(DisplayToImage(QPoint(10, 20), 4, QPoint(0, 0)), QPoint(10, 20));
    EXPECT_EQ(DisplayToImage(QPoint(10, 20), 4, QPoint(5, 7)), QPoint(15, 27));
    // x2: scroll positions are image pixels.
    EXPECT_EQ(DisplayToImage(QPoint(10, 21), 5, QPoint(5, 5)), QPoint(10, 15));
    EXPECT_EQ(DisplayToImage(QPoint(80, 80), 7, QPoint(0, 0)), QPoint(10, 10));
    // x1/2 and x1/8.
    EXPECT_EQ(DisplayToImage(QPoint(10, 20), 3, QPoint(6, 0)), QPoint(26, 40));
    EXPECT_EQ(DisplayToImage(QPoint(79, 59), 1, QPoint(0, 0)), QPoint(632, 472));
    // Fitted (as tiled windows show): scaled by a half, and centred across.
    EXPECT_EQ(FittedDisplayToImage(QPoint(100, 50), QSize(639, 479), QSize(1280, 960)), QPoint(200, 100));
    EXPECT_EQ(FittedDisplayToImage(QPoint(420, 50), QSize(1279, 479), QSize(1280, 960)), QPoint(201, 100));
}

TEST(NetworkText, AddressesAsTheDialogsShowThem)
{
    EXPECT_EQ(FormatIPv4(0x7F00000A), QStringLiteral("127.  0.  0. 10"));
    EXPECT_EQ(FormatIPv4(0xC0A80164), QStringLiteral("192.168.  1.100"));
    EXPECT_EQ(ParseIPv4("127.0.0.1"), std::optional<uint32_t>(0x7F000001));
    EXPECT_FALSE(ParseIPv4("127.0.0"));
    EXPECT_FALSE(ParseIPv4("127.0.0.256"));
    EXPECT_FALSE(ParseIPv4("127.0.0.1x"));
    EXPECT_FALSE(ParseIPv4(""));
    EXPECT_EQ(FormatMACAddress(0x00112233445566), QStringLiteral("11:22:33:44:55:66"));
    EXPECT_EQ(FormatMACAddress(0x0A0B0C0D0E0F), QStringLiteral("0A:0B:0C:0D:0E:0F"));
    EXPECT_EQ(ParseLeadingDecimal(QStringLiteral(" 8000x")), 8000);
    EXPECT_EQ(ParseLeadingDecimal(QStringLiteral("-12")), -12);
    EXPECT_EQ(ParseLeadingDecimal(QStringLiteral("abc")), 0);
    EXPECT_EQ(ParseLeadingDecimal(QStringLiteral("99999999999")), 2147483647);
}

TEST(StartUp, EndInTheSelectionDialogQuitsWithoutTheMainWindowAndStillWritesTheSettings)
{
    TempDir dir;
    RecordingPrompts prompts;
    const std::string settings = dir.file("settings/lumivex.dat");
    std::filesystem::create_directories(dir.path() / "settings");
    CLumivexApp app(QString::fromStdString(dir.file("lumivex")), LaunchOptions{}, prompts, settings);
    bool ended = false;
    QTimer::singleShot(0, [&ended] {
        auto* dialog = qobject_cast<CDeviceDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->EndButton()->isHidden());
        dialog->EndButton()->click();
        ended = true;
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(ended);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](QWidget* window) { return window->isVisible(); }));
    Profile written(settings);
    EXPECT_TRUE(written.HasKey(kSettingSection, kShowToolBarKey));
    EXPECT_TRUE(written.HasKey("Other", "InterpolationMethod"));
}

} // namespace
