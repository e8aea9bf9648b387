// The output page: the two-pin layout, the user output rule and the strobe
// clamp.
#include "ControlTestCamera.h"

#include "controls/IoPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OutputPageTest : public PageTest<IoPage> {
protected:
    OutputPageTest()
    {
        for (int line = 0; line < IoPage::kLineCount; ++line) {
            camera_.AddInt("LineSource" + std::to_string(line), 0, 0, 6);
            camera_.AddInt("UserOutputValue" + std::to_string(line), 0, 0, 1);
            camera_.AddInt("LineInverter" + std::to_string(line), 0, 0, 1);
        }
        camera_.AddFloat("StrobeSignalDelay", 0.0, 0.0, 1000.0);
        camera_.AddFloat("StrobeSignalOnTime", 10.0, 0.0, 1000.0);
    }

    QString LabelOf(const char* combo)
    {
        auto* grid = page_.findChild<QGridLayout*>();
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(grid->indexOf(Find(combo)), &row, &column, &rowSpan, &columnSpan);
        return qobject_cast<QLabel*>(grid->itemAtPosition(row, column - 1)->widget())->text();
    }
};

} // namespace

TEST_F(OutputPageTest, TwoPinCameraLabelsPinsTwoAndThree)
{
    page_.show();
    Open();
    EXPECT_FALSE(page_.HasFivePins());
    EXPECT_EQ(LabelOf("LineSource0"), "Output pin0(Pin No.2)");
    EXPECT_EQ(LabelOf("LineSource1"), "Output pin1(Pin No.3)");
    EXPECT_EQ(LabelOf("UserOutputValue1"), "UserOutputValue pin1(Pin No.3)");
    for (const char* hidden :
         {"LineSource2", "LineSource4", "UserOutputValue3", "LineInverter2", "StrobeSignalPolarity"})
        EXPECT_FALSE(Find(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(Find("LineInverter1")->isVisible());
    EXPECT_TRUE(Find("StrobeSignalOnTime")->isVisible());
}

TEST_F(OutputPageTest, UserOutputSourceEnablesItsLevel)
{
    Open();
    EXPECT_FALSE(Enabled("UserOutputValue0"));
    Choose(Find<QComboBox>("LineSource0"), 1);
    EXPECT_EQ(camera_.Get<FakeInteger>("LineSource0")->value, 1);
    EXPECT_TRUE(Enabled("UserOutputValue0"));
    EXPECT_FALSE(Enabled("UserOutputValue1"));
    Choose(Find<QComboBox>("LineSource0"), 6);
    EXPECT_FALSE(Enabled("UserOutputValue0"));
}

TEST_F(OutputPageTest, StrobeAboveTheMaximumWritesTheMaximum)
{
    Open();
    auto* delay = Find<QLineEdit>("StrobeSignalDelay");
    delay->setText("5000");
    QTest::keyClick(delay, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(camera_.Get<FakeFloat>("StrobeSignalDelay")->value, 1000.0);
    EXPECT_EQ(delay->text(), "1000.00");
}
