// The user set page: the save rule on the factory set and the preview
// stopped once around each action.
#include "ControlTestCamera.h"

#include "controls/UserSetPage.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class UserSetPageTest : public PageTest<UserSetPage> {
protected:
    UserSetPageTest()
    {
        const auto sets = Entries({"Default", "UserSet1", "UserSet2", "UserSet3"});
        selector_ = camera_.AddEnum("UserSetSelector", sets, 0);
        defaultSelector_ = camera_.AddEnum("UserSetDefaultSelector", sets, 2);
        load_ = camera_.AddCommand("UserSetLoad");
        save_ = camera_.AddCommand("UserSetSave");
    }

    TestEnum* selector_;
    TestEnum* defaultSelector_;
    FakeCommand* load_;
    FakeCommand* save_;
};

} // namespace

TEST_F(UserSetPageTest, SaveIsDisabledOnTheFactorySet)
{
    Open();
    EXPECT_EQ(Find<QComboBox>("UserSetDefaultSelector")->currentIndex(), 2);
    EXPECT_EQ(Find<QPushButton>("UserSetLoad")->text(), "Execute");
    EXPECT_TRUE(Enabled("UserSetLoad"));
    EXPECT_FALSE(Enabled("UserSetSave"));

    Choose(Find<QComboBox>("UserSetSelector"), 1);
    EXPECT_EQ(selector_->writes, std::vector<int64_t>{1});
    EXPECT_TRUE(Enabled("UserSetSave"));
    QTest::mouseClick(Find<QPushButton>("UserSetSave"), Qt::LeftButton);
    EXPECT_EQ(save_->executed, 1);

    Choose(Find<QComboBox>("UserSetDefaultSelector"), 3);
    EXPECT_EQ(defaultSelector_->value, 3);
}

TEST_F(UserSetPageTest, LoadWhileStreamingStopsAndRestartsOnce)
{
    Open();
    camera_.Host().previewing = true;
    QTest::mouseClick(Find<QPushButton>("UserSetLoad"), Qt::LeftButton);
    EXPECT_EQ(load_->executed, 1);
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_TRUE(camera_.Host().previewing);
}

TEST_F(UserSetPageTest, NoCameraDisablesEverything)
{
    camera_.Host().connected = false;
    Open();
    EXPECT_FALSE(Enabled("UserSetSelector"));
    EXPECT_FALSE(Enabled("UserSetLoad"));
    EXPECT_FALSE(Enabled("UserSetSave"));
    EXPECT_FALSE(Enabled("UserSetDefaultSelector"));
}
