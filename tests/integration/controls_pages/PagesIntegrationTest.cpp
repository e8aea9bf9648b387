// The control pages against the simulated camera: gamma uploads through the
// serial channel as the option electronics receive them, and the camera
// settings file saved, loaded and kept beside other models' settings.
#include "SimControlTest.h"

#include "TempDir.h"
#include "camera/FeatureAccess.h"
#include "cli/CliCommand.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/GammaPage.h"
#include "controls/GammaTable.h"
#include "controls/IoPage.h"
#include "controls/PageSettingsFile.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <sstream>

int CliSettings(CliContext& context);

namespace {

class PagesIntegrationTest : public SimControlTest {
protected:
    // Each upload carried one channel's table whole, framed for the target.
    void ExpectUploads(GammaTarget target, const std::vector<uint8_t>& channels, const std::vector<uint16_t>& table)
    {
        const std::vector<SimTableUpload> uploads = sim_.TableUploads();
        ASSERT_EQ(uploads.size(), channels.size());
        std::vector<uint8_t> bytes;
        for (uint16_t entry : table) {
            bytes.push_back(static_cast<uint8_t>(entry & 0xFF));
            bytes.push_back(static_cast<uint8_t>(entry >> 8));
        }
        const auto targetCode = static_cast<uint8_t>(target);
        for (size_t index = 0; index < uploads.size(); ++index) {
            const SimTableUpload& upload = uploads[index];
            EXPECT_EQ(upload.port, 0);
            EXPECT_EQ(upload.startCommand, 0xF2 + targetCode);
            EXPECT_EQ(upload.endCommand, 0xF0 + targetCode);
            EXPECT_EQ(upload.channelByte, 0x10 + channels[index]);
            EXPECT_EQ(upload.blocks, 64);
            EXPECT_EQ(upload.badChecksums, 0);
            EXPECT_TRUE(upload.ended);
            EXPECT_EQ(upload.data, bytes);
            EXPECT_EQ(sim_.GammaTable(targetCode, channels[index]), table);
        }
    }
};

} // namespace

TEST_F(PagesIntegrationTest, GammaUploadsThreeTablesForColour)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    GammaPage page;
    page.SetHost(&host_);
    page.InitControls();
    page.RefreshFromCamera();
    sim_.ClearTableUploads();
    ASSERT_TRUE(page.Upload(GammaTarget::Register));
    ExpectUploads(GammaTarget::Register, {0, 1, 2}, ComputeGammaTable(1.0));
    EXPECT_FALSE(camera_->GetSerial().IsOpen());
}

TEST_F(PagesIntegrationTest, GammaUploadsOneMonoTableToTheEeprom)
{
    ASSERT_NO_FATAL_FAILURE(Start(false));
    GammaPage page;
    page.SetHost(&host_);
    page.InitControls();
    page.RefreshFromCamera();
    sim_.ClearTableUploads();
    ASSERT_TRUE(page.Upload(GammaTarget::Eeprom));
    ExpectUploads(GammaTarget::Eeprom, {3}, ComputeGammaTable(1.0));
}

namespace {

std::string FileText(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

} // namespace

TEST_F(PagesIntegrationTest, SettingsRoundTripKeepsOtherModels)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    TempDir dir;
    const std::string path = dir.file("camera.cfg");
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[LightControl-0202]\nGainRaw=5\n");
    }
    int32_t modelCode = 0;
    ASSERT_TRUE(ReadFeatureValue(camera_->Features(), "ModelCode", modelCode));
    const std::string model = SettingsSection("", modelCode);

    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "GainRaw", 40));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "GammaMode", 1));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "Width", 320));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "OffsetX", 64));
    ASSERT_TRUE(WriteFloatValue(camera_->Features(), "AcquisitionFrameRate", 12.5));
    ASSERT_TRUE(camera_->ReadGeometry());
    {
        CLxCtrlMainDlg dialog(host_);
        for (int tab = 0; tab < CLxCtrlMainDlg::kTabCount; ++tab)
            dialog.Page(static_cast<CLxCtrlMainDlg::Tab>(tab))->RefreshFromCamera();
        ASSERT_TRUE(SaveCameraSettings(path, dialog));
    }
    const std::string text = FileText(path);
    EXPECT_NE(text.find("[LightControl-0202]"), std::string::npos);
    EXPECT_NE(text.find("[WhiteBalance" + model + "]"), std::string::npos);
    EXPECT_NE(text.find("[ROI" + model + "]"), std::string::npos);

    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "GainRaw", 100));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "GammaMode", 0));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "OffsetX", 0));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "Width", 640));
    ASSERT_TRUE(WriteFloatValue(camera_->Features(), "AcquisitionFrameRate", 20.0));
    ASSERT_TRUE(camera_->ReadGeometry());
    CLxCtrlMainDlg dialog(host_);
    dialog.Page(CLxCtrlMainDlg::kAoiTab)->RefreshFromCamera();
    EXPECT_EQ(LoadCameraSettings(path, dialog), LoadResult::Loaded);
    int32_t value = 0;
    EXPECT_TRUE(ReadFeatureValue(camera_->Features(), "GainRaw", value));
    EXPECT_EQ(value, 40);
    EXPECT_TRUE(ReadFeatureValue(camera_->Features(), "GammaMode", value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(ReadFeatureValue(camera_->Features(), "Width", value));
    EXPECT_EQ(value, 320);
    EXPECT_TRUE(ReadFeatureValue(camera_->Features(), "OffsetX", value));
    EXPECT_EQ(value, 64);
    double rate = 0.0;
    EXPECT_TRUE(ReadFloatValue(camera_->Features(), "AcquisitionFrameRate", rate));
    EXPECT_NEAR(rate, 12.5, 1e-3);
}

// Every "key=" line of the file, in order.
std::vector<std::string> KeyLines(const std::string& text, const std::string& key)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + "=", 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

TEST_F(PagesIntegrationTest, SaveWritesWhatTheCameraHoldsWhicheverPageChangedItLast)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    TempDir dir;
    const std::string path = dir.file("changed.cfg");
    CLxCtrlMainDlg dialog(host_);
    for (int tab = 0; tab < CLxCtrlMainDlg::kTabCount; ++tab)
        dialog.Page(static_cast<CLxCtrlMainDlg::Tab>(tab))->RefreshFromCamera();

    // The shutter preset on the trigger page, and changes the other pages (or
    // the camera) make after a page last showed its value.
    QPushButton* preset = nullptr;
    for (QPushButton* button : dialog.Page(CLxCtrlMainDlg::kTriggerTab)->findChildren<QPushButton*>())
        preset = button->text() == QStringLiteral("1/60") ? button : preset;
    ASSERT_NE(preset, nullptr);
    preset->click();
    int32_t exposureMode = 0;
    ASSERT_TRUE(ReadFeatureValue(camera_->Features(), "ExposureMode", exposureMode));
    ASSERT_TRUE(WriteFeatureValue(camera_->Features(), "ExposureMode", exposureMode == 0 ? 1 : 0));
    ASSERT_TRUE(WriteFloatValue(camera_->Features(), "AcquisitionFrameRate", 12.5));
    ASSERT_TRUE(SaveCameraSettings(path, dialog));

    const std::string text = FileText(path);
    int32_t exposureTime = 0;
    ASSERT_TRUE(ReadFeatureValue(camera_->Features(), "ExposureTimeRaw", exposureTime));
    ASSERT_TRUE(ReadFeatureValue(camera_->Features(), "ExposureMode", exposureMode));
    const struct {
        const char* key;
        double value;
    } expected[] = {{"ExposureTimeRaw", double(exposureTime)},
                    {"ExposureMode", double(exposureMode)},
                    {"AcquisitionFrameRate", 12.5}};
    for (const auto& [key, value] : expected) {
        const std::vector<std::string> lines = KeyLines(text, key);
        ASSERT_FALSE(lines.empty()) << key;
        for (const std::string& written : lines)
            EXPECT_DOUBLE_EQ(std::stod(written.substr(written.find('=') + 1)), value) << written;
    }
}

TEST_F(PagesIntegrationTest, MonoCameraFileHasNoWhiteBalance)
{
    ASSERT_NO_FATAL_FAILURE(Start(false));
    TempDir dir;
    const std::string path = dir.file("mono.cfg");
    CLxCtrlMainDlg dialog(host_);
    ASSERT_TRUE(SaveCameraSettings(path, dialog));
    const std::string text = FileText(path);
    EXPECT_EQ(text.find("WhiteBalance"), std::string::npos);
    EXPECT_NE(text.find("[Other-"), std::string::npos);
}

TEST_F(PagesIntegrationTest, FivePinCameraShowsEveryLine)
{
    options_.fivePins = true;
    ASSERT_NO_FATAL_FAILURE(Start(true));
    CLxCtrlMainDlg dialog(host_);
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kOutputTab);
    dialog.show();
    auto* page = static_cast<IoPage*>(dialog.Page(CLxCtrlMainDlg::kOutputTab));
    EXPECT_TRUE(page->HasFivePins());
    auto* lastLine = page->findChild<QComboBox*>("LineSource4");
    ASSERT_NE(lastLine, nullptr);
    EXPECT_TRUE(lastLine->isVisible());
    auto* grid = page->findChild<QGridLayout*>();
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(page->findChild<QComboBox*>("LineSource0")), &row, &column, &rowSpan,
                          &columnSpan);
    EXPECT_EQ(qobject_cast<QLabel*>(grid->itemAtPosition(row, column - 1)->widget())->text(), "Output pin0(Pin No.3)");
}

TEST_F(PagesIntegrationTest, CommandLineSavesAndLoadsTheCamerasSettings)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    camera_.reset(); // the command connects on its own
    TempDir dir;
    const std::string path = dir.file("cli.cfg");
    std::ostringstream out;
    std::ostringstream err;
    CliContext save{{"-c", TestAddress(), "save", path}, out, err};
    ASSERT_EQ(CliSettings(save), kCliSuccess) << err.str();

    const uint32_t gain = *sim_.FeatureAddress("GainRaw");
    const uint32_t savedGain = sim_.ReadRegister(gain);
    sim_.WriteRegister(gain, savedGain + 7);
    CliContext load{{"-c", TestAddress(), "load", path}, out, err};
    EXPECT_EQ(CliSettings(load), kCliSuccess) << err.str();
    EXPECT_EQ(sim_.ReadRegister(gain), savedGain);

    const std::string other = dir.file("other.cfg");
    {
        QFile file(QString::fromStdString(other));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[LightControl-FFFF]\nGainRaw=5\n");
    }
    CliContext wrongModel{{"-c", TestAddress(), "load", other}, out, err};
    EXPECT_EQ(CliSettings(wrongModel), kCliFailure);
    EXPECT_EQ(sim_.ReadRegister(gain), savedGain);
}
