// The other page: the colour interpolation rule, the Bayer group kept across
// a reversal, and rows of missing features.
#include "ControlTestCamera.h"

#include "controls/OtherPage.h"
#include "imaging/PixelFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// ReverseX on a Bayer sensor shifts the pattern: the camera then offers the
// other 8-bit Bayer entry instead.
class PatternReversal : public TestBoolean {
public:
    PatternReversal(const std::string& name, bool value, TestEnum* pixelFormat)
        : TestBoolean(name, value),
          pixelFormat_(pixelFormat)
    {
    }
    SdkResult SetValue(bool in) override
    {
        pixelFormat_->entries[0] = SdkGenEnumEntry("BayerGR8", kPixelFormatBayerGR8, !in);
        pixelFormat_->entries[1] = SdkGenEnumEntry("BayerRG8", kPixelFormatBayerRG8, in);
        return TestBoolean::SetValue(in);
    }

private:
    TestEnum* pixelFormat_;
};

class OtherPageTest : public PageTest<OtherPage> {
protected:
    TestEnum* AddPixelFormat(std::vector<SdkGenEnumEntry> entries, int64_t value)
    {
        return camera_.AddEnum("PixelFormat", std::move(entries), value);
    }
    void AddCommonFeatures()
    {
        camera_.AddEnum("SmearHalfReduction", Entries({"Off", "On"}));
        camera_.AddFloat("AcquisitionFrameRate", 30.0, 1.0, 60.0);
        camera_.AddEnum("BinningMode", Entries({"Sum", "Average"}));
        camera_.AddEnum("DoubleSpeedMode", Entries({"Off", "On"}));
        camera_.AddInt("DoubleSpeedModeTapSel", 0, 0, 3);
        camera_.AddEnum("ExposureShutterType", Entries({"Global", "GlobalReset"}));
    }
};

} // namespace

TEST_F(OtherPageTest, InterpolationRowFollowsTheBayerFormat)
{
    TestEnum* format = AddPixelFormat({{"Mono8", kPixelFormatMono8, true}, {"BayerGR8", kPixelFormatBayerGR8, true}},
                                      kPixelFormatMono8);
    AddCommonFeatures();
    Open();
    EXPECT_FALSE(Enabled("ColorInterpolation"));
    EXPECT_TRUE(Enabled("MirrorMode"));
    EXPECT_TRUE(Enabled("PixelFormat"));

    camera_.Host().previewing = true;
    Choose(Find<QComboBox>("PixelFormat"), 1);
    EXPECT_EQ(format->value, kPixelFormatBayerGR8);
    EXPECT_TRUE(Enabled("ColorInterpolation"));
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(page_.Remembered("PixelFormat"), static_cast<int32_t>(kPixelFormatBayerGR8));
}

TEST_F(OtherPageTest, InterpolationAndMirrorChoicesReachTheHostAtOnce)
{
    AddPixelFormat({{"BayerGR8", kPixelFormatBayerGR8, true}}, kPixelFormatBayerGR8);
    AddCommonFeatures();
    Open();
    Choose(Find<QComboBox>("ColorInterpolation"), 5);
    EXPECT_EQ(camera_.Host().displayInterpolation, 5);
    Choose(Find<QComboBox>("MirrorMode"), 2);
    // The acquisition threads convert with the host's settings.
    EXPECT_EQ(camera_.Host().display.interpolationMethod, 5);
    EXPECT_EQ(camera_.Host().display.mirrorMode, 2);
    // No acquisition restart for a setting of the program's own.
    EXPECT_TRUE(camera_.Host().calls.empty());
}

TEST_F(OtherPageTest, ReverseXKeepsTheBayerGroup)
{
    TestEnum* format = AddPixelFormat({{"BayerGR8", kPixelFormatBayerGR8, true},
                                       {"BayerRG8", kPixelFormatBayerRG8, false},
                                       {"Mono8", kPixelFormatMono8, true}},
                                      kPixelFormatBayerGR8);
    auto* reverseX = AddFake<PatternReversal>(camera_.Features(), "ReverseX", false, format);
    camera_.AddBool("ReverseY", false);
    AddCommonFeatures();
    Open();
    EXPECT_EQ(Find<QComboBox>("PixelFormat")->currentText(), "BayerGR8");

    camera_.Host().previewing = true;
    QTest::mouseClick(Find<QCheckBox>("ReverseX"), Qt::LeftButton);
    EXPECT_EQ(reverseX->writes, std::vector<bool>{true});
    EXPECT_EQ(format->value, kPixelFormatBayerRG8);
    EXPECT_EQ(Find<QComboBox>("PixelFormat")->currentText(), "BayerRG8");
    EXPECT_EQ(page_.RememberedReverseX(), 1);
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_TRUE(camera_.Host().previewing);
}

TEST_F(OtherPageTest, MissingFeaturesHaveNoRows)
{
    AddPixelFormat({{"Mono8", kPixelFormatMono8, true}}, kPixelFormatMono8);
    camera_.AddBool("ReverseX", false);
    camera_.AddEnum("SmearHalfReduction", Entries({"Off", "On"}));
    camera_.AddFloat("AcquisitionFrameRate", 30.0, 1.0, 60.0);
    page_.show();
    Open();
    EXPECT_TRUE(Find<QCheckBox>("ReverseX")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("ReverseY")->isVisible());
    EXPECT_FALSE(Find<QSpinBox>("DoubleSpeedModeTapSel")->isVisible());
    EXPECT_FALSE(Find<QComboBox>("BinningMode")->isVisible());
}

TEST(BayerGroups, GroupsAndSixteenBitCodes)
{
    EXPECT_EQ(OtherPage::BayerGroupOf(kPixelFormatBayerBG12Packed).front(), kPixelFormatBayerRG12Packed);
    EXPECT_TRUE(OtherPage::BayerGroupOf(kPixelFormatMono8).empty());
    EXPECT_TRUE(OtherPage::IsBayerFormat(0x01100031));
    EXPECT_FALSE(OtherPage::IsBayerFormat(kPixelFormatMono16));
}
