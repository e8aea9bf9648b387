// The camera settings file on a fake camera: parse rules, section names, the
// area's write order and a file without the model's sections.
#include "ControlTestCamera.h"

#include "controls/CLxCtrlMainDlg.h"
#include "controls/PageSettingsFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class LoggedInteger : public FakeInteger {
public:
    LoggedInteger(const std::string& name, int64_t value, int64_t min, int64_t max, std::vector<std::string>* log)
        : FakeInteger(name, value, min, max),
          log_(log)
    {
    }
    SdkResult SetValue(int64_t in) override
    {
        log_->push_back(GetName() + "=" + std::to_string(in));
        return FakeInteger::SetValue(in);
    }

private:
    std::vector<std::string>* log_;
};

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest()
    {
        SdkGenParameterArray& features = camera_.Features();
        camera_.AddInt("ModelCode", 0x1A2, 0, 0xFFFF);
        AddFake<LoggedInteger>(features, "Width", 1280, 16, 1280, &log_);
        AddFake<LoggedInteger>(features, "Height", 960, 8, 960, &log_);
        AddFake<LoggedInteger>(features, "OffsetX", 32, 0, 1264, &log_);
        AddFake<LoggedInteger>(features, "OffsetY", 0, 0, 952, &log_);
        camera_.AddInt("SensorWidth", 1280, 1280, 1280);
        camera_.AddInt("SensorHeight", 960, 960, 960);
        AddFake<LoggedInteger>(features, "GainRaw", 10, 0, 255, &log_);
        camera_.AddFloat("AcquisitionFrameRate", 30.0, 1.0, 60.0);
        EXPECT_TRUE(camera_.Camera().ReadGeometry());
        dialog_ = std::make_unique<CLxCtrlMainDlg>(camera_.Host());
        path_ = dir_.file("camera.cfg");
    }

    void WriteFile(const std::string& text)
    {
        QFile file(QString::fromStdString(path_));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    TestCamera camera_;
    TempDir dir_;
    std::vector<std::string> log_;
    std::unique_ptr<CLxCtrlMainDlg> dialog_;
    std::string path_;
};

} // namespace

TEST(SettingsFileRules, SectionsAndNumbers)
{
    EXPECT_EQ(SettingsSection("LightControl", 0x1A2), "LightControl-01A2");
    EXPECT_EQ(SettingsSection("ROI", 0x12345), "ROI-12345");
    // Cameras without ModelCode: by model name, kept to what INI section names hold.
    EXPECT_EQ(SettingsSection("ROI", std::string("Fake")), "ROI-Fake");
    EXPECT_EQ(SettingsSection("ROI", std::string("GV 01/[x]")), "ROI-GV_01__x_");
    EXPECT_EQ(ParseSettingsInt("12a"), 0);
    EXPECT_EQ(ParseSettingsInt("-3"), -3);
    EXPECT_EQ(ParseSettingsInt("4294967296"), 0);
    EXPECT_EQ(ParseSettingsUint16("12a", 7), 7);
    EXPECT_EQ(ParseSettingsUint16("70000", 7), 7);
    EXPECT_EQ(ParseSettingsUint16("65535", 7), 65535);
}

TEST_F(SettingsFileTest, SmallerOffsetIsWrittenBeforeTheWidth)
{
    WriteFile("[ROI-01A2]\nOffsetX=16\nWidth=640\nOffsetY=0\nHeight=960\n[Other-01A2]\nPixelFormat=0\n");
    log_.clear();
    LoadCameraSettings(path_, *dialog_);
    const std::vector<std::string> area(log_.begin() + 1, log_.end()); // after GainRaw
    EXPECT_EQ(area, (std::vector<std::string>{"OffsetX=16", "Width=640"}));
}

TEST_F(SettingsFileTest, BadNumbersLoadAsZeroOrKeepTheArea)
{
    WriteFile("[LightControl-01A2]\nGainRaw=12a\n[ROI-01A2]\nOffsetX=32\nWidth=12a\nOffsetY=0\nHeight=70000\n");
    log_.clear();
    LoadCameraSettings(path_, *dialog_);
    EXPECT_EQ(log_, std::vector<std::string>{"GainRaw=0"});
    EXPECT_EQ(camera_.Get<FakeInteger>("Width")->value, 1280);
    EXPECT_EQ(camera_.Get<FakeInteger>("Height")->value, 960);
}

TEST_F(SettingsFileTest, FileOfAnotherModelChangesNothing)
{
    WriteFile("[LightControl-0101]\nGainRaw=99\n[ROI-0101]\nOffsetX=0\nWidth=640\n[Other-0101]\nPixelFormat=1\n");
    log_.clear();
    EXPECT_EQ(LoadCameraSettings(path_, *dialog_), LoadResult::NoSettings);
    EXPECT_TRUE(log_.empty());
}
