// The gamma page: the exponent edit and scroll bar, and the mode row.
#include "ControlTestCamera.h"

#include "controls/GammaPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GammaPageTest : public PageTest<GammaPage> {
protected:
    GammaPageTest()
    {
        camera_.AddEnum("GammaMode", Entries({"Off", "On"}), 1);
        camera_.AddCommand("ReloadGammaData");
    }

    QString TypeExponent(const char* text)
    {
        auto* edit = Find<QLineEdit>("GammaValue");
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
        return edit->text();
    }
};

} // namespace

TEST_F(GammaPageTest, ExponentIsClampedAndShownInHundredths)
{
    Open();
    EXPECT_EQ(Find<QLineEdit>("GammaValue")->text(), "1.00");
    EXPECT_EQ(TypeExponent("2.5"), "2.00");
    EXPECT_EQ(TypeExponent("0.1"), "0.30");
    EXPECT_EQ(TypeExponent("0.456"), "0.45");
    EXPECT_EQ(page_.ExponentPosition(), 45);
    Find<QScrollBar>("GammaScroll")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Find<QLineEdit>("GammaValue")->text(), "0.55");
}

TEST_F(GammaPageTest, ModeAndReload)
{
    Open();
    EXPECT_EQ(Find<QComboBox>("GammaMode")->currentIndex(), 1);
    Choose(Find<QComboBox>("GammaMode"), 0);
    EXPECT_EQ(camera_.Get<TestEnum>("GammaMode")->value, 0);
    QTest::mouseClick(Find<QPushButton>("ReloadGammaData"), Qt::LeftButton);
    EXPECT_EQ(camera_.Get<FakeCommand>("ReloadGammaData")->executed, 1);
}
